// State that belongs to one loaded library (not to one plug-in instance). Each library has
// its own copy; nothing here is shared between libraries even in one process.
#pragma once

class AudioEffect;

// The library's own module handle (HINSTANCE on Windows, the base address on Linux).
void* moduleInstanceHandle();
void setModuleInstanceHandle(void* handle);

// Set by an editor build when its editor cannot be created; never cleared, so every later
// instantiation of this library is refused.
extern bool moduleOutOfMemory;

// The object most recently created by the entry point (nothing reads it back).
extern AudioEffect* lastCreatedEffect;
