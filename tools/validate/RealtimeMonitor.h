// Counts what a plug-in does on the audio thread that may block: allocation, locks and
// system calls. On Linux this program interposes the C library's entries (malloc, mutexes,
// I/O, sleeping) and counts calls made while monitoring is on for the calling thread;
// elsewhere monitoring is not available.
#pragma once

#include <string>

namespace validate {

bool realtimeMonitorAvailable();
void startMonitoring();
// Stops and answers what was counted, empty when nothing was.
std::string stopMonitoring();

}  // namespace validate
