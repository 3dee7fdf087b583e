// The editor window class shared by every frame of this library: registered when the first
// frame's window is created, unregistered when the last one is destroyed. The name carries
// the library's module handle, so two libraries in one host never share a class.
// [ui-thread] (plain counter, no lock)
#pragma once

namespace editorwindowclass {

// "Plugin%08x" of the module handle (more digits only where a 64-bit handle needs them).
const char* className();
// Increments the counter; registers the class when it was 0. False when registration failed
// (the counter is then left unchanged).
bool registerClass();
// Decrements the counter; unregisters the class when it falls to 0.
void unregisterClass();
int useCount();

}  // namespace editorwindowclass
