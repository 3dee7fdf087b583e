// Counts what a plug-in does on the audio thread that may block: allocation, locks and
// system calls. On Linux this program interposes the C library's entries (malloc, mutexes,
// I/O, sleeping) and counts calls made while monitoring is on for the calling thread;
// elsewhere monitoring is not available.
#pragma once

// The interposer cannot share the C library's entries with a sanitizer's own.
#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define ORVA_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define ORVA_SANITIZED 1
#endif
#if defined(__linux__) && !defined(ORVA_SANITIZED)
#define ORVA_REALTIME_MONITOR 1
#else
#define ORVA_REALTIME_MONITOR 0
#endif

#include <string>

namespace validate {

bool realtimeMonitorAvailable();
void startMonitoring();
// Stops and answers what was counted, empty when nothing was.
std::string stopMonitoring();

}  // namespace validate
