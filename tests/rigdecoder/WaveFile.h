// Builds wave files of every header variant the test tone reader must handle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

struct WaveFields {
    std::string riff = "RIFF", wave = "WAVE", fmt = "fmt ", data = "data";
    std::uint32_t formatSize = 16;  // 16, 18 or 40 write the matching extension bytes
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t sampleRateHz = 22050;
    std::uint16_t bits = 16;
    std::string extraChunk;  // a chunk with 4 value bytes between format and data ("" none)
    Bytes samples;
    std::int64_t dataSize = -1;  // -1: the size of `samples`
    std::size_t truncateTo = static_cast<std::size_t>(-1);
};

Bytes waveFile(const WaveFields& fields);
Bytes int16Samples(const std::vector<std::int16_t>& values);
Bytes float32Samples(const std::vector<float>& values);
