#include "Plugin.h"

namespace validate {

bool isFinite(float v) { return v - v == 0.0f; }

Plugin::Plugin(const std::string& library, bool start, float rateHz, std::int32_t blockFrames) : host(library) {
    if (!host.loaded()) {
        error_ = "cannot load: " + host.error();
        return;
    }
    host.sampleRate = rateHz;
    host.blockSize = blockFrames;
    effect = start ? host.instantiateAndStart() : host.instantiate();
    if (!effect)
        error_ = "the entry point returned no record";
    else if (effect->magic != kEffectMagic) {
        error_ = "the record's magic is wrong";
        effect = nullptr;
    }
    if (effect) prepare(blockFrames);
}

void Plugin::prepare(std::int32_t maxFrames) {
    const auto frames = static_cast<std::size_t>(maxFrames > 0 ? maxFrames : 1);
    in.assign(static_cast<std::size_t>(numInputs()), std::vector<float>(frames, 0.0f));
    out.assign(static_cast<std::size_t>(numOutputs()), std::vector<float>(frames, 0.0f));
    inPointers_.clear();
    outPointers_.clear();
    for (auto& c : in) inPointers_.push_back(c.data());
    for (auto& c : out) outPointers_.push_back(c.data());
}

void Plugin::processReplacing(std::int32_t frames) {
    effect->processReplacing(effect, inPointers_.empty() ? nullptr : inPointers_.data(),
                             outPointers_.empty() ? nullptr : outPointers_.data(), frames);
}

void Plugin::processAccumulating(std::int32_t frames) {
    effect->process(effect, inPointers_.empty() ? nullptr : inPointers_.data(),
                    outPointers_.empty() ? nullptr : outPointers_.data(), frames);
}

bool Plugin::outputsFinite(std::int32_t frames) const {
    for (const auto& c : out)
        for (std::int32_t i = 0; i < frames; ++i)
            if (!isFinite(c[static_cast<std::size_t>(i)])) return false;
    return true;
}

}  // namespace validate
