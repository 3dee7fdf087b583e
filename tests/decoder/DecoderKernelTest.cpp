// The decode kernel itself, in every instruction-set variant this processor runs, against
// the plain formula.
#include <gtest/gtest.h>

#include <random>

#include "DecoderLayouts.h"
#include "DecoderReference.h"

namespace {

TEST(DecoderKernel, EveryVariantMatchesThePlainFormula) {
    std::mt19937 random(17);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    const std::int32_t frames = 150;
    std::vector<std::vector<float>> in(4, std::vector<float>(frames));
    for (auto& channel : in)
        for (auto& s : channel) s = sample(random);
    std::vector<const float*> inPtr;
    for (auto& channel : in) inPtr.push_back(channel.data());
    for (int width = 0; width <= static_cast<int>(decoder::widestDecodeWidth()); ++width) {
        decoder::limitDecodeWidth(static_cast<decoder::DecodeWidth>(width));
        for (const auto& layout : layouts())
            for (bool accumulate : {false, true}) {
                SCOPED_TRACE(testing::Message() << "width " << width << " " << layout.name << " " << accumulate);
                std::vector<std::vector<float>> out(8, std::vector<float>(frames, 0.5f));
                std::vector<float*> outPtr;
                for (auto& channel : out) outPtr.push_back(channel.data());
                decoder::decodeFrames(decoder::layoutForValue(layout.value), inPtr.data(), outPtr.data(), 0, frames,
                                      accumulate);
                const double up = accumulate ? 1e-20 : 0.0;
                for (std::int32_t i = 0; i < frames; ++i)
                    for (std::size_t k = 0; k < 8; ++k) {
                        const bool fed = k < layout.outputs.size();
                        const float value = fed ? reference(layout, static_cast<int>(k), in[0][i] + up, in[1][i] - up,
                                                            in[2][i] + up, in[3][i] - up)
                                                : 0.0f;
                        const float expected = accumulate ? 0.5f + value : (fed ? value : 0.0f);
                        ASSERT_EQ(out[k][i], expected) << "frame " << i << " output " << k + 1;
                    }
            }
    }
    decoder::limitDecodeWidth(decoder::DecodeWidth::Avx512);
}

}  // namespace
