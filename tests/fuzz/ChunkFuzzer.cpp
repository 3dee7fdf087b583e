// libFuzzer target: the rig decoder's setChunk through the dispatcher with any bytes (the
// first byte chooses bank or program chunk), then a chunk read back and one block.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "RigDecoderPlugin.h"
#include "ToneMessage.h"

namespace {

AEffect* instance() {
    static AEffect* effect = [] {
        rig::setToneMessageSink([](const char*) {});  // no tone beside the fuzzer: stay quiet
        auto* plugin = new RigDecoderPlugin(nullptr);
        AEffect* e = plugin->getAeffect();
        e->dispatcher(e, effOpen, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, 48000.0f);
        e->dispatcher(e, effMainsChanged, 0, 1, nullptr, 0.0f);
        return e;
    }();
    return effect;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AEffect* e = instance();
    const std::int32_t bank = size > 0 ? data[0] & 1 : 0;
    const std::size_t chunkSize = size > 0 ? size - 1 : 0;
    // An exact-size copy, so a read past the chunk is a read past the allocation.
    std::unique_ptr<std::uint8_t[]> chunk(new std::uint8_t[chunkSize ? chunkSize : 1]);
    if (chunkSize) std::memcpy(chunk.get(), data + 1, chunkSize);
    e->dispatcher(e, effSetChunk, bank, static_cast<std::intptr_t>(chunkSize), chunkSize ? chunk.get() : nullptr, 0.0f);
    void* back = nullptr;
    e->dispatcher(e, effGetChunk, bank, 0, &back, 0.0f);
    e->dispatcher(e, effSetProgram, 0, 0, nullptr, 0.0f);
    static float in[9][16], out[12][16];
    float* inputs[9];
    float* outputs[12];
    for (int c = 0; c < 9; ++c) inputs[c] = in[c];
    for (int c = 0; c < 12; ++c) outputs[c] = out[c];
    e->processReplacing(e, inputs, outputs, 16);
    return 0;
}
