// Renders the golden table (GoldenTable.h) through this platform's build of every
// deliverable, loaded as a host loads it, and writes each render as raw 32-bit floats
// (channel after channel) into the build's golden folder for golden_compare.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

#include "GoldenTable.h"
#include "TestHost.h"

namespace {

std::string libraryPath(const std::string& name) {
    const std::string direct = testhost::pluginPath(name);
    if (std::ifstream(direct, std::ios::binary)) return direct;
    return testhost::pluginPath("test-only/" + name);
}

void setAllParameters(testhost::TestHost& host, std::uint32_t seed) {
    if (seed == 0) return;
    for (std::int32_t i = 0; i < host.effect()->numParams; ++i) host.setParameter(i, golden::parameterValue(seed, i));
}

bool writeRender(const std::string& path, const std::vector<std::vector<float>>& outputs) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    for (const auto& channel : outputs)
        file.write(reinterpret_cast<const char*>(channel.data()), std::streamsize(channel.size() * sizeof(float)));
    return bool(file);
}

class GoldenRender : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenRender, WritesTheTableForThisPlatform) {
    const std::string& deliverable = GetParam();
    for (const golden::GoldenCase& c : golden::cases()) {
        for (std::int32_t block : golden::kBlockSizes) {
            SCOPED_TRACE(golden::fileName(deliverable, c, block));
            testhost::TestHost host(libraryPath(deliverable));
            ASSERT_TRUE(host.loaded()) << host.error();
            host.recordCalls = false;
            host.sampleRate = golden::kSampleRateHz;
            host.blockSize = block;
            AEffect* effect = host.instantiateAndStart();
            ASSERT_NE(effect, nullptr);
            const int program = c.program < 0 ? effect->numPrograms - 1 : c.program;
            host.dispatch(effSetProgram, 0, program);
            setAllParameters(host, c.firstSeed);

            const auto in = golden::input(effect->numInputs);
            std::vector<std::vector<float>> out(std::size_t(effect->numOutputs));
            bool guardsIntact = true;
            std::uint32_t blockIndex = 0;
            for (std::int32_t start = 0; start < golden::kFrames; start += block, ++blockIndex) {
                const std::int32_t frames = std::min(block, golden::kFrames - start);
                if (c.automated)
                    setAllParameters(host, c.secondSeed + blockIndex);
                else if (start <= golden::kFrames / 2 && start + frames > golden::kFrames / 2)
                    setAllParameters(host, c.secondSeed);
                std::vector<std::vector<float>> slice(in.size());
                for (std::size_t ch = 0; ch < in.size(); ++ch)
                    slice[ch].assign(in[ch].begin() + start, in[ch].begin() + start + frames);
                const testhost::BlockResult part = host.runBlock(testhost::ProcessMode::Replacing, slice, frames);
                guardsIntact = guardsIntact && part.guardsIntact;
                for (std::size_t ch = 0; ch < out.size(); ++ch)
                    out[ch].insert(out[ch].end(), part.outputs[ch].begin(), part.outputs[ch].end());
            }
            EXPECT_TRUE(guardsIntact);
            for (std::size_t ch = 0; ch < out.size(); ++ch) {
                ASSERT_EQ(out[ch].size(), std::size_t(golden::kFrames));
                for (float sample : out[ch]) ASSERT_TRUE(std::isfinite(sample)) << "channel " << ch;
            }
            const std::string path = std::string(ORVA_GOLDEN_DIR) + "/" + golden::fileName(deliverable, c, block);
            EXPECT_TRUE(writeRender(path, out)) << path;
            host.close();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Deliverables, GoldenRender, ::testing::ValuesIn(golden::deliverables()),
                         [](const ::testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
