// Reading testtone.wav beside the library: every header variant with its exact message,
// files that lie about their sizes, the shipped default tone and its generator.
#include <fstream>
#include <iterator>

#include "RigFixture.h"
#include "TestToneGenerator.h"

using testhost::ProcessMode;

namespace {

const char* const kNotRiff = "Error in testtone.wav: not a RIFF file";
const char* const kNotWave = "Error in testtone.wav: RIFF file but not a wave file";
const char* const kNoFormat = "Error in testtone.wav: 'fmt' tag not found";
const char* const kUnknownHeader = "Error in testtone.wav: unknow header format detected";
const char* const kNotMono = "Please convert testtone.wav to a mono/1 channel file.";
const char* const kBadBits = "Please convert testtone.wav to a 16 or 32 bit file";
const char* const kNoData = "Error in testtone.wav: 'data' tag not found";

const Bytes kFourSamples = int16Samples({32767, -32768, 0, 16384});
const std::vector<float> kFourTones = {0.59998f, -0.6f, 0.0f, 0.3f};

WaveFields with(void (*change)(WaveFields&)) {
    WaveFields s;
    s.samples = kFourSamples;
    change(s);
    return s;
}

struct ToneCase {
    const char* name;
    WaveFields fields;
    const char* message;  // null: read without a message
    std::intptr_t length;
    float sampleRateHz;  // the plug-in's rate after the read
};

std::vector<ToneCase> cases() {
    return {
        {"16-bit, 16-byte format", with([](WaveFields&) {}), nullptr, 4, 22050.0f},
        {"18-byte format", with([](WaveFields& s) { s.formatSize = 18; }), nullptr, 4, 22050.0f},
        {"40-byte format", with([](WaveFields& s) { s.formatSize = 40; }), nullptr, 4, 22050.0f},
        {"20-byte format", with([](WaveFields& s) { s.formatSize = 20; }), kUnknownHeader, 0, 44100.0f},
        {"fact chunk", with([](WaveFields& s) { s.extraChunk = "fact"; }), nullptr, 4, 22050.0f},
        {"LIST chunk", with([](WaveFields& s) { s.extraChunk = "LIST"; }), kNoData, 0, 22050.0f},
        {"f chunk other than fact", with([](WaveFields& s) { s.extraChunk = "fake"; }), kNoData, 0, 22050.0f},
        {"stereo", with([](WaveFields& s) { s.channels = 2; }), kNotMono, 0, 44100.0f},
        {"8-bit", with([](WaveFields& s) { s.bits = 8; }), kBadBits, 0, 22050.0f},
        {"24-bit", with([](WaveFields& s) { s.bits = 24; }), kBadBits, 0, 22050.0f},
        {"not RIFF", with([](WaveFields& s) { s.riff = "RIFX"; }), kNotRiff, 0, 44100.0f},
        {"not WAVE", with([](WaveFields& s) { s.wave = "AVI "; }), kNotWave, 0, 44100.0f},
        {"no fmt", with([](WaveFields& s) { s.fmt = "junk"; }), kNoFormat, 0, 44100.0f},
        {"no data tag", with([](WaveFields& s) { s.data = "date"; }), kNoData, 0, 22050.0f},
        {"empty file", with([](WaveFields& s) { s.truncateTo = 0; }), kNotRiff, 0, 44100.0f},
        {"cut in the RIFF size", with([](WaveFields& s) { s.truncateTo = 6; }), kNotWave, 0, 44100.0f},
        {"cut after the format size", with([](WaveFields& s) { s.truncateTo = 20; }), kNotMono, 0, 44100.0f},
        {"cut before the data size", with([](WaveFields& s) { s.truncateTo = 40; }), nullptr, 0, 22050.0f},
        {"data larger than the file", with([](WaveFields& s) { s.dataSize = 1000000; }), nullptr, 4, 22050.0f},
        {"huge data size", with([](WaveFields& s) { s.dataSize = 0xffffffff; }), nullptr, 4, 22050.0f},
        {"cut inside a sample", with([](WaveFields& s) { s.truncateTo = 44 + 7; }), nullptr, 3, 22050.0f},
        {"zero-length data", with([](WaveFields& s) { s.samples.clear(); }), nullptr, 0, 22050.0f},
    };
}

// The tone as played by the loudspeaker test on output 1 of the square at volume 1.0.
std::vector<float> playedTone(RigPlugin& rig, std::int32_t frames) {
    rig.set(1.0f, 0.5f, 1.0f, 0.0f);
    rig.host.setParameter(kSpeakerTest, 1.0f);
    auto out = rig.host.runBlock(ProcessMode::Replacing, {}, frames);
    return out.outputs[0];
}

Bytes fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(TestTone, EveryHeaderVariantGivesItsMessageOrItsTone) {
    for (const auto& c : cases()) {
        SCOPED_TRACE(c.name);
        const Bytes file = waveFile(c.fields);
        RigPlugin rig(&file);
        ASSERT_TRUE(rig.host.loaded()) << rig.host.error();
        ASSERT_NE(rig.host.instantiate(), nullptr);
        const auto messages = rig.messages();
        if (c.message) {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0], c.message);
        } else {
            EXPECT_TRUE(messages.empty()) << messages[0];
        }
        EXPECT_EQ(rig.toneLoaded(), c.message == nullptr);
        EXPECT_EQ(rig.toneLength(), c.length);
        EXPECT_EQ(rig.sampleRate(), c.sampleRateHz);
    }
}

TEST(TestTone, SixteenBitSamplesAreScaledToSixTenths) {
    const Bytes file = waveFile(with([](WaveFields&) {}));
    RigPlugin rig(&file);
    ASSERT_NE(rig.host.instantiateAndStart(), nullptr);
    const auto tone = playedTone(rig, 4);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(tone[i], kFourTones[i], 1e-5f) << i;
    EXPECT_EQ(tone[1], -0.6f);
    EXPECT_EQ(tone[3], 0.3f);
}

TEST(TestTone, ThirtyTwoBitSamplesAreFloatsWhateverTheFormatTag) {
    for (std::uint16_t tag : {1, 3}) {
        WaveFields fields;
        fields.bits = 32;
        fields.formatTag = tag;
        fields.samples = float32Samples({0.5f, -1.0f, 2.0f});
        const Bytes file = waveFile(fields);
        RigPlugin rig(&file);
        ASSERT_NE(rig.host.instantiateAndStart(), nullptr);
        EXPECT_EQ(rig.toneLength(), 3);
        EXPECT_EQ(playedTone(rig, 3), (std::vector<float>{0.3f, -0.6f, 1.2f})) << tag;
    }
}

TEST(TestTone, SamplesTheFileDoesNotHoldAreNotPlayed) {
    const Bytes file = waveFile(with([](WaveFields& s) { s.truncateTo = 44 + 7; }));
    RigPlugin rig(&file);
    ASSERT_NE(rig.host.instantiateAndStart(), nullptr);
    const auto tone = playedTone(rig, 4);  // three samples, then speaker 2's turn
    EXPECT_NEAR(tone[0], 0.59998f, 1e-5f);
    EXPECT_EQ(tone[1], -0.6f);
    EXPECT_EQ(tone[2], 0.0f);
    EXPECT_EQ(tone[3], 0.0f);
}

TEST(TestTone, MissingFileNamesTheFullPathItLookedFor) {
    RigPlugin rig(nullptr);
    ASSERT_NE(rig.host.instantiate(), nullptr);
    const auto messages = rig.messages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string prefix =
        "The testtone.wav file could not be located.\nPlease save a suitable mono wav-file to:\n";
    ASSERT_EQ(messages[0].compare(0, prefix.size(), prefix), 0) << messages[0];
    const std::string path = messages[0].substr(prefix.size());
    EXPECT_NE(path.find(rig.folder->folderName()), std::string::npos) << path;
    const std::string tail = path.substr(path.size() - 13);
#if defined(_WIN32)
    EXPECT_EQ(tail, "\\testtone.wav");
#else
    EXPECT_EQ(tail, "/testtone.wav");
    EXPECT_EQ(path.front(), '/');
#endif
    EXPECT_FALSE(rig.toneLoaded());
}

#if !defined(_WIN32)
TEST(TestTone, MessagesGoToStandardErrorOnLinux) {
    const Bytes file = waveFile(with([](WaveFields& s) { s.channels = 2; }));
    RigPlugin rig(&file);
    testing::internal::CaptureStderr();
    AEffect* effect = rig.host.instantiate();
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_NE(effect, nullptr);
    EXPECT_EQ(err, std::string("Halvane: ") + kNotMono + "\n");
}
#endif

TEST(TestTone, HostSampleRateReplacesTheFilesRate) {
    const Bytes file = waveFile(with([](WaveFields&) {}));
    RigPlugin rig(&file);
    ASSERT_NE(rig.host.instantiate(), nullptr);
    EXPECT_EQ(rig.sampleRate(), 22050.0f);
    rig.host.dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    EXPECT_EQ(rig.sampleRate(), 48000.0f);
}

TEST(TestTone, ShippedToneLoadsSilentlyBesideTheLibrary) {
    RigPlugin rig;
    ASSERT_TRUE(rig.host.loaded()) << rig.host.error();
    ASSERT_NE(rig.host.instantiate(), nullptr);
    EXPECT_TRUE(rig.messages().empty());
    EXPECT_TRUE(rig.toneLoaded());
    EXPECT_EQ(rig.toneLength(), 44100);
    EXPECT_EQ(rig.sampleRate(), 44100.0f);
}

TEST(TestTone, CommittedAndShippedFilesAreTheGeneratorsOutput) {
    const Bytes generated = testtone::makeTestToneWav();
    ASSERT_EQ(generated.size(), 44u + 2u * 44100u);
    EXPECT_TRUE(fileBytes(ORVA_COMMITTED_TESTTONE) == generated);
    const std::string dist = testhost::pluginPath("x");
    const std::string folder = dist.substr(0, dist.rfind('/') + 1);
    EXPECT_TRUE(fileBytes(folder + "testtone.wav") == generated);
    EXPECT_TRUE(fileBytes(folder + "test-only/testtone.wav") == generated);
}

}  // namespace
