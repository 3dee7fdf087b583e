// libFuzzer target: the test-tone reader on any bytes, read through a memory-backed FILE
// exactly as it reads testtone.wav. Sanitizers report any read outside the data.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "ToneFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> copy(data, data + size);
    std::FILE* file = fmemopen(copy.empty() ? nullptr : copy.data(), copy.size(), "rb");
    if (!file) return 0;
    rig::TestTone tone;
    float sampleRate = 0.0f;
    const char* message = rig::readTestTone(file, tone, sampleRate);
    std::fclose(file);
    // A reported success holds exactly the samples it claims, each a number.
    if (!message) {
        volatile float sum = 0.0f;
        for (std::uint32_t i = 0; i < tone.length; ++i) sum = sum + tone.samples[i];
        if (tone.length > size) __builtin_trap();
    }
    return 0;
}
