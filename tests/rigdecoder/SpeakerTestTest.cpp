// The loudspeaker test through the loaded library: the tone steps through the rig's
// speakers, loops or switches itself off through the host's automation, and resumes or
// restarts as the test value says.
#include <cmath>

#include "RigFixture.h"

using testhost::ProcessMode;

namespace {

constexpr std::int32_t kToneFrames = 1000;

// A tone whose every sample differs: 16-bit values 1 to 1000.
Bytes rampTone() {
    std::vector<std::int16_t> values;
    for (std::int16_t i = 1; i <= kToneFrames; ++i) values.push_back(i);
    WaveFields fields;
    fields.samples = int16Samples(values);
    return waveFile(fields);
}

float toneAt(std::int32_t position) { return static_cast<float>(position + 1) * (1.0f / 32768.0f) * 0.6f; }

class SpeakerTest : public ::testing::Test {
protected:
    Bytes tone = rampTone();
    RigPlugin rig{&tone};
    testhost::TestHost& host = rig.host;
    std::vector<float> decoded;  // one decoded frame of the input below, test off

    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
        ASSERT_EQ(rig.toneLength(), kToneFrames);
        rig.set(1.0f, 0.5f, 1.0f, 0.0f);  // square
        decoded = frameOutputs(run(1), 0);
        ASSERT_NE(decoded[0], 0.0f);
    }

    // Frames with W = 1.0, in blocks of `block`.
    testhost::BlockResult run(std::int32_t frames, std::int32_t block = 512) {
        const auto in = constantInput(1, 1.0f, static_cast<std::size_t>(frames));
        return host.runSignal(ProcessMode::Replacing, in, frames, block);
    }

    static std::vector<float> frameOutputs(const testhost::BlockResult& r, std::size_t frame) {
        std::vector<float> out;
        for (const auto& channel : r.outputs) out.push_back(channel[frame]);
        return out;
    }

    // Output `speaker` plays tone sample `position` and every other output is silent.
    static void expectPlaying(const testhost::BlockResult& r, std::size_t frame, int speaker, std::int32_t position) {
        for (int k = 0; k < 12; ++k)
            ASSERT_EQ(r.outputs[k][frame], k == speaker ? toneAt(position) : 0.0f)
                << "frame " << frame << " output " << k + 1;
    }
};

TEST_F(SpeakerTest, SquareSequenceWithoutLoopEndsAndInformsTheHostAtFrame4000) {
    for (std::int32_t block : {1, 512}) {
        SCOPED_TRACE(block);
        std::int32_t blocksBeforeAutomation = -1, blocks = 0;
        host.onCall = [&](const testhost::HostCall& call) {
            if (call.opcode == audioMasterAutomate) blocksBeforeAutomation = blocks;
        };
        host.setParameter(kSpeakerTest, 1.0f);
        host.clearCalls();
        const auto in = constantInput(1, 1.0f, static_cast<std::size_t>(block));
        testhost::BlockResult r;
        r.outputs.resize(12);
        for (std::int32_t done = 0; done < 5000; done += block, ++blocks) {
            auto part = host.runBlock(ProcessMode::Replacing, in, block);
            for (int k = 0; k < 12; ++k)
                r.outputs[k].insert(r.outputs[k].end(), part.outputs[k].begin(), part.outputs[k].end());
        }
        for (std::size_t f = 0; f < 4000; ++f)
            expectPlaying(r, f, static_cast<int>(f / 1000), static_cast<std::int32_t>(f % 1000));
        for (std::size_t f = 4000; f < 5000; ++f) ASSERT_EQ(frameOutputs(r, f), decoded) << "frame " << f;
        const auto automate = host.callsWith(audioMasterAutomate);
        ASSERT_EQ(automate.size(), 1u);
        EXPECT_EQ(automate[0].index, kSpeakerTest);
        EXPECT_EQ(automate[0].opt, 0.0f);
        EXPECT_EQ(blocksBeforeAutomation, 4000 / block);  // during the block holding frame 4000
        EXPECT_EQ(host.getParameter(kSpeakerTest), 0.0f);
        host.onCall = nullptr;
    }
}

TEST_F(SpeakerTest, LoopStartsOverAtTheFirstSpeaker) {
    host.setParameter(kTestLoop, 1.0f);
    host.setParameter(kSpeakerTest, 1.0f);
    host.clearCalls();
    const auto r = run(9000);
    for (std::size_t f = 0; f < 9000; f += 7) {
        const std::size_t inTurn = f % 4000;
        expectPlaying(r, f, static_cast<int>(inTurn / 1000), static_cast<std::int32_t>(inTurn % 1000));
    }
    EXPECT_TRUE(host.callsWith(audioMasterAutomate).empty());
    EXPECT_EQ(host.getParameter(kSpeakerTest), 1.0f);
}

TEST_F(SpeakerTest, VolumeScalesTheTone) {
    host.setParameter(kVolume, 0.5f);
    host.setParameter(kSpeakerTest, 1.0f);
    const auto r = run(3);
    for (std::int32_t f = 0; f < 3; ++f) EXPECT_EQ(r.outputs[0][static_cast<std::size_t>(f)], toneAt(f) * 0.5f);
}

TEST_F(SpeakerTest, OnlyAnExactZeroRestartsTheSequence) {
    struct Case {
        float pause;
        int speaker;
        std::int32_t position;
    } cases[] = {{0.3f, 1, 500}, {0.0f, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pause);
        host.setParameter(kSpeakerTest, 0.0f);
        host.setParameter(kSpeakerTest, 1.0f);
        run(1500);
        host.setParameter(kSpeakerTest, c.pause);
        EXPECT_EQ(frameOutputs(run(10), 9), decoded);  // paused: decoding
        host.setParameter(kSpeakerTest, 1.0f);
        expectPlaying(run(1), 0, c.speaker, c.position);
    }
}

TEST_F(SpeakerTest, RigWithFewerSpeakersEndsTheSequenceAtTheNextFrame) {
    rig.set(3.0f, 0.5f, 1.0f, 0.0f);  // hexagon: six speakers
    host.setParameter(kSpeakerTest, 1.0f);
    run(4500);  // speaker 5 playing
    rig.set(1.0f, 0.5f, 1.0f, 0.0f);
    host.clearCalls();
    EXPECT_EQ(frameOutputs(run(1), 0), decoded);
    EXPECT_EQ(host.callsWith(audioMasterAutomate).size(), 1u);
}

TEST_F(SpeakerTest, RigWithoutSpeakersEndsTheTestAtOnceEvenWithLoop) {
    rig.set(7.0f, 0.5f, 1.0f, 0.0f);
    host.setParameter(kTestLoop, 1.0f);
    host.setParameter(kSpeakerTest, 1.0f);
    host.clearCalls();
    const auto r = run(100);
    for (std::size_t f = 0; f < 100; ++f)
        for (int k = 0; k < 12; ++k) ASSERT_EQ(r.outputs[k][f], 0.0f);  // rig 7 decodes to silence
    EXPECT_EQ(host.callsWith(audioMasterAutomate).size(), 1u);
    EXPECT_EQ(host.getParameter(kSpeakerTest), 0.0f);
}

// Without a tone, or with an empty one, the test ends at once as at the end of a
// sequence: the host is told and the frame is decoded; no sample is read.
TEST(SpeakerTestWithoutTone, EndsAtOnceAndDecodes) {
    WaveFields empty;
    const Bytes emptyTone = waveFile(empty);
    for (const Bytes* file : {static_cast<const Bytes*>(nullptr), &emptyTone}) {
        SCOPED_TRACE(file ? "empty tone" : "no tone");
        RigPlugin rig(file);
        ASSERT_NE(rig.host.instantiateAndStart(), nullptr);
        EXPECT_EQ(rig.toneLength(), 0);
        rig.set(1.0f, 1.0f, 1.0f, 0.0f);
        rig.host.setParameter(kTestLoop, 1.0f);
        rig.host.setParameter(kSpeakerTest, 1.0f);
        rig.host.clearCalls();
        auto r = rig.host.runBlock(ProcessMode::Replacing, constantInput(1, 1.0f, 3), 3);
        for (int k = 0; k < 4; ++k) EXPECT_EQ(r.outputs[k][0], 0.3536f);
        EXPECT_EQ(rig.host.callsWith(audioMasterAutomate).size(), 1u);
        EXPECT_EQ(rig.host.getParameter(kSpeakerTest), 0.0f);
    }
}

}  // namespace
