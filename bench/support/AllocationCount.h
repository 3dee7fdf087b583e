// The heap allocations of a benchmark program: AllocationCount.cpp interposes the C
// library's malloc, calloc and realloc for the whole process, so the count includes the
// in-process toolkit, the shared headless toolkit and the loaded plug-in libraries (whose
// statically linked C++ runtime allocates through malloc). The program must export these
// symbols (see bench/CMakeLists.txt) for loaded libraries to reach them.
#pragma once

// Allocations through malloc, calloc and realloc since the program started.
long allocationCount();
