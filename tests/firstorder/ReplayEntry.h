// One setParameter call as the replay probe plug-in records it.
#pragma once

#include <cstdint>

struct ReplayEntry {
    std::int32_t index;
    float value;
};

constexpr std::int32_t kReplayCapacity = 64;
