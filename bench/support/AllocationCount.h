// The heap allocations of a benchmark program: AllocationCount.cpp replaces operator new
// for the whole program (the in-process toolkit, or the shared headless toolkit the twins
// run on, included), so a benchmark can report allocations per iteration.
#pragma once

// Allocations through operator new since the program started.
long allocationCount();
