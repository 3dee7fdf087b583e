// The files render run writes, read back as other tools read them: libsndfile sees
// WAVE_FORMAT_EXTENSIBLE above two channels and the Ambisonic B-format mark on the
// first-order outputs, sox reads every form, and --plain-wav keeps the plain format block.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "TestHost.h"

namespace {

int runCommand(const std::string& command, std::string* output = nullptr) {
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    char buffer[512];
    std::string text;
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    const int status = pclose(pipe);
    if (output) *output = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct ReadBack {
    bool opened = false;
    int channels = 0;
    int majorFormat = 0;
    int ambisonic = 0;
};

ReadBack readBack(const std::string& path) {
    ReadBack r;
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) return r;
    r.opened = true;
    r.channels = info.channels;
    r.majorFormat = info.format & SF_FORMAT_TYPEMASK;
    r.ambisonic = sf_command(f, SFC_WAVEX_GET_AMBISONIC, nullptr, 0);
    sf_close(f);
    return r;
}

// The 16-bit format tag at byte 20 of a RIFF WAVE file with the format chunk first.
int formatTag(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return -1;
    unsigned char header[22] = {};
    const std::size_t got = std::fread(header, 1, sizeof header, f);
    std::fclose(f);
    return got == sizeof header ? header[20] | (header[21] << 8) : -1;
}

struct FormatCase {
    const char* library;
    const char* options;
    int channels;
    int majorFormat;
    int ambisonic;  // what SFC_WAVEX_GET_AMBISONIC answers
    int formatTag;  // 3: IEEE float, 0xFFFE: extensible
};

class RenderOutputFormat : public ::testing::Test {
protected:
    std::string dir;
    void SetUp() override {
        char pattern[] = "/tmp/render-format-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    std::string writeInput(int channels) {
        SF_INFO info{};
        info.samplerate = 48000;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
        const std::string path = dir + "/in" + std::to_string(channels) + ".wav";
        std::vector<float> samples(std::size_t(4800 * channels));
        for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = float(i % 97) / 200.0f - 0.25f;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(f, nullptr);
        sf_writef_float(f, samples.data(), 4800);
        sf_close(f);
        return path;
    }
};

TEST_F(RenderOutputFormat, ExtensibleAboveTwoChannelsAndBFormatMarked) {
    const FormatCase cases[] = {
        {"orva_panner_effect", "", 4, SF_FORMAT_WAVEX, SF_AMBISONIC_B_FORMAT, 0xFFFE},
        {"orva_panner_master", "", 4, SF_FORMAT_WAVEX, SF_AMBISONIC_B_FORMAT, 0xFFFE},
        {"orva_field", "", 4, SF_FORMAT_WAVEX, SF_AMBISONIC_B_FORMAT, 0xFFFE},
        {"orva_zoom", "", 4, SF_FORMAT_WAVEX, SF_AMBISONIC_B_FORMAT, 0xFFFE},
        {"orva_zoom", " --plain-wav", 4, SF_FORMAT_WAV, SF_AMBISONIC_NONE, 3},
        // Eight loudspeaker feeds: extensible, but not B-format.
        {"orva_decoder_ui", "", 8, SF_FORMAT_WAVEX, SF_AMBISONIC_NONE, 0xFFFE},
        {"qel_filter", "", 2, SF_FORMAT_WAV, SF_AMBISONIC_NONE, 3},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(std::string(c.library) + c.options);
        testhost::TestHost probe(testhost::pluginPath(c.library));
        ASSERT_TRUE(probe.loaded()) << probe.error();
        ASSERT_NE(probe.instantiate(), nullptr);
        const std::string in = writeInput(probe.effect()->numInputs);
        const std::string out = dir + "/out.wav";
        std::string log;
        ASSERT_EQ(runCommand(std::string(RENDER_EXE) + " run " + testhost::pluginPath(c.library) + " " + in + " " +
                                 out + c.options,
                             &log),
                  0)
            << log;

        const ReadBack r = readBack(out);
        ASSERT_TRUE(r.opened);
        EXPECT_EQ(r.channels, c.channels);
        EXPECT_EQ(r.majorFormat, c.majorFormat);
        EXPECT_EQ(r.ambisonic, c.ambisonic);
        EXPECT_EQ(formatTag(out), c.formatTag);

        std::string soxInfo;
        ASSERT_EQ(runCommand("sox --i " + out, &soxInfo), 0) << soxInfo;
        EXPECT_NE(soxInfo.find("Channels       : " + std::to_string(c.channels)), std::string::npos) << soxInfo;
        EXPECT_NE(soxInfo.find("Duration       : 00:00:00.10 = 4800 samples"), std::string::npos) << soxInfo;
        std::string soxStat;
        EXPECT_EQ(runCommand("sox " + out + " -n stat", &soxStat), 0) << soxStat;
    }
}

}  // namespace
