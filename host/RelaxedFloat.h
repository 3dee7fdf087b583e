// A float shared between the host's threads (a parameter the UI thread sets and the audio
// thread reads). Relaxed order is enough: each value stands alone, and a block reads each
// value once or tolerates a change between samples.
#pragma once

#include <atomic>

static_assert(std::atomic<float>::is_always_lock_free, "a shared float must not take a lock on the audio thread");
static_assert(sizeof(std::atomic<float>) == sizeof(float), "a shared float keeps the size of a float");

inline float relaxedLoad(const std::atomic<float>& v) { return v.load(std::memory_order_relaxed); }
inline void relaxedStore(std::atomic<float>& v, float value) { v.store(value, std::memory_order_relaxed); }
