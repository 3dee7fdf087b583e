// render run, render info and render shot, driven as a user drives them from a shell.
#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "TestHost.h"

namespace {

struct Outcome {
    int exitCode;
    std::string output;  // stdout and stderr together
};

// `environment` goes before the command ("env -u DISPLAY").
Outcome runRender(const std::string& args, const std::string& environment = "") {
    std::string command = environment + std::string(RENDER_EXE) + " " + args + " 2>&1";
    Outcome outcome{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return outcome;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) outcome.output += buffer;
    int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

class RenderTool : public ::testing::Test {
protected:
    std::string dir;
    std::string plugin = testhost::pluginPath("test-only/orva_testplugin");

    void SetUp() override {
        char pattern[] = "/tmp/render-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::system(("rm -rf " + dir).c_str()); }

    std::string writeWav(const std::string& name, int channels, const std::vector<float>& interleaved,
                         int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT) {
        SF_INFO info{};
        info.samplerate = 48000;
        info.channels = channels;
        info.format = format;
        std::string path = dir + "/" + name;
        SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
        EXPECT_NE(f, nullptr);
        sf_writef_float(f, interleaved.data(), static_cast<sf_count_t>(interleaved.size() / channels));
        sf_close(f);
        return path;
    }

    std::vector<float> readWav(const std::string& path, SF_INFO& info) {
        info = SF_INFO{};
        SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
        if (!f) return {};
        std::vector<float> samples(static_cast<std::size_t>(info.frames * info.channels));
        sf_readf_float(f, samples.data(), info.frames);
        sf_close(f);
        return samples;
    }
};

TEST_F(RenderTool, RunsAFileThroughThePluginWithSettings) {
    std::vector<float> ramp;
    for (int i = 0; i < 3000; ++i) ramp.push_back(static_cast<float>(i % 100) / 100.0f);
    std::string in = writeWav("in.wav", 1, ramp);
    std::string out = dir + "/out.wav";
    for (const char* mode : {"", " --accumulate", " --block 7"}) {
        SCOPED_TRACE(mode);
        auto r = runRender("run " + plugin + " " + in + " " + out + " --set Gain=0.5" + mode);
        ASSERT_EQ(r.exitCode, 0) << r.output;
        SF_INFO info;
        auto samples = readWav(out, info);
        ASSERT_EQ(info.channels, 2);
        ASSERT_EQ(info.frames, 3000);
        EXPECT_EQ(info.samplerate, 48000);
        EXPECT_EQ(info.format & SF_FORMAT_SUBMASK, SF_FORMAT_FLOAT);
        for (std::size_t i = 0; i < ramp.size(); ++i) {
            ASSERT_EQ(samples[2 * i], ramp[i] * 0.5f) << i;
            ASSERT_EQ(samples[2 * i + 1], ramp[i] * 0.5f) << i;
        }
    }
}

TEST_F(RenderTool, ExtraChannelsAreIgnoredAndTheRateCanBeSet) {
    std::string in = writeWav("stereo.wav", 2, {0.25f, 9.0f, -0.5f, 9.0f}, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    std::string out = dir + "/out.wav";
    auto r = runRender("run " + plugin + " " + in + " " + out + " --rate 96000 --set 0=1");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    SF_INFO info;
    auto samples = readWav(out, info);
    EXPECT_EQ(info.samplerate, 96000);
    EXPECT_EQ(samples, (std::vector<float>{0.25f, 0.25f, -0.5f, -0.5f}));
}

TEST_F(RenderTool, BadArgumentsGiveOneClearLineAndFail) {
    std::string in = writeWav("in.wav", 1, {0.0f, 0.1f});
    std::string notWav = dir + "/text.wav";
    std::ofstream(notWav) << "this is not a sound file";
    std::string out = dir + "/out.wav";
    const std::string run = "run " + plugin + " ";
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {run + dir + "/missing.wav " + out, "render: no such file: " + dir + "/missing.wav"},
        {run + notWav + " " + out, "render: cannot read " + notWav + " as a sound file"},
        {run + in + " " + out + " --set Volume=0.5", "render: unknown parameter 'Volume'"},
        {run + in + " " + out + " --set Gain=1.5", "render: value for 'Gain' must be a number from 0 to 1"},
        {run + in + " " + out + " --set Gain=-0.1", "render: value for 'Gain' must be a number from 0 to 1"},
        {run + in + " " + out + " --set Gain=loud", "render: value for 'Gain' must be a number from 0 to 1"},
        {run + in + " " + out + " --set 3=0.5", "render: parameter index 3 is out of range (0..2)"},
        {run + in + " " + out + " --program 9", "render: program 9 is out of range (0..3)"},
        {run + in + " " + out + " --block 0", "render: --block must be a whole number from 1 to 65536"},
        {"run " + notWav + " " + in + " " + out, "render: cannot load " + notWav},
        {"info " + dir + "/nothing.so", "render: no such file: " + dir + "/nothing.so"},
        {"info /bin/true", "render: cannot load /bin/true"},
        {"info " + std::string(RENDER_EXE), "render: cannot load"},
        {"run " + plugin, "render: run needs LIB, an input WAV and an output WAV"},
    };
    for (const auto& c : cases) {
        auto r = runRender(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args;
        EXPECT_EQ(r.output.rfind(c.message, 0), 0u) << c.args << "\n" << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    }
    EXPECT_NE(access(out.c_str(), F_OK), 0) << "no output is written when the run fails";
}

TEST_F(RenderTool, LibraryWithoutEntryPointIsNotAPlugin) {
    // A shared library that loads but exports neither entry point.
    auto r = runRender("info /usr/lib/x86_64-linux-gnu/libsndfile.so.1");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.output.find("is not a VST 2 plug-in"), std::string::npos) << r.output;
}

TEST_F(RenderTool, InfoListsIdentityParametersAndPrograms) {
    auto r = runRender("info " + plugin);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    for (const char* expected :
         {"unique id:  OVtp (0x4f567470)", "vendor:     Orva Test", "category:   1 (Effect)", "channels:   1 in, 2 out",
          "flags:      16 (CanReplacing)", "0  \"Gain\"        \"dB\"      \"0.000000\"  1.000000", "3  \"Init 4\""})
        EXPECT_NE(r.output.find(expected), std::string::npos) << expected << "\n" << r.output;
}

TEST_F(RenderTool, WorksOnAForeignFirstOrderEncoder) {
    const std::string encoder = std::string(IEM_VST_DIR) + "/libStereoEncoder.so";
    if (access(encoder.c_str(), F_OK) != 0) GTEST_SKIP() << "iem-plugin-suite-vst is not installed";
    auto info = runRender("info " + encoder);
    ASSERT_EQ(info.exitCode, 0) << info.output;
    EXPECT_NE(info.output.find("unique id:  StEn"), std::string::npos) << info.output;

    std::vector<float> stereo;
    for (int i = 0; i < 4800; ++i) {
        float s = 0.5f * std::sin(0.05f * i);
        stereo.push_back(s);
        stereo.push_back(s);
    }
    std::string in = writeWav("stereo.wav", 2, stereo);
    std::string out = dir + "/encoded.wav";
    auto r = runRender("run " + encoder + " " + in + " " + out + " --set 0=0.25");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    SF_INFO outInfo;
    auto samples = readWav(out, outInfo);
    ASSERT_GE(outInfo.channels, 4);
    ASSERT_EQ(outInfo.frames, 4800);
    double energyW = 0, energyHigher = 0;
    for (sf_count_t i = 2400; i < outInfo.frames; ++i) {
        energyW += std::pow(samples[static_cast<std::size_t>(i * outInfo.channels)], 2);
        for (int c = 4; c < outInfo.channels; ++c)
            energyHigher += std::pow(samples[static_cast<std::size_t>(i * outInfo.channels + c)], 2);
    }
    EXPECT_GT(energyW, 1.0);        // the omnidirectional channel carries the signal
    EXPECT_LT(energyHigher, 1e-6);  // first order only: nothing above channel 4
}

}  // namespace

namespace {

// Width and height from a PNG file's header; {0, 0} when it is not a PNG.
std::pair<int, int> pngSize(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    unsigned char header[24] = {};
    file.read(reinterpret_cast<char*>(header), sizeof header);
    if (!file || header[1] != 'P' || header[2] != 'N' || header[3] != 'G') return {0, 0};
    auto be32 = [&](int at) { return header[at] << 24 | header[at + 1] << 16 | header[at + 2] << 8 | header[at + 3]; };
    return {be32(16), be32(20)};
}

}  // namespace

TEST_F(RenderTool, ShotNeedsAnEditorAndADisplay) {
    const std::string editorLibrary = testhost::pluginPath("test-only/orva_gallery");
    const std::string out = dir + "/shot.png";
    const struct {
        std::string args;
        std::string message;
    } cases[] = {
        {"shot " + plugin + " " + out, "render: " + plugin + " has no editor"},
        {"shot " + editorLibrary + " " + out + " --set Nothing=1", "render: unknown parameter 'Nothing'"},
        {"shot " + editorLibrary, "render: shot needs LIB and an output PNG"},
    };
    for (const auto& c : cases) {
        auto r = runRender(c.args);
        EXPECT_EQ(r.exitCode, 1) << c.args;
        EXPECT_EQ(r.output.rfind(c.message, 0), 0u) << c.args << "\n" << r.output;
        EXPECT_EQ(std::count(r.output.begin(), r.output.end(), '\n'), 1) << r.output;
    }
    auto noDisplay = runRender("shot " + editorLibrary + " " + out, "env -u DISPLAY ");
    EXPECT_EQ(noDisplay.output.rfind("render: no X display", 0), 0u) << noDisplay.output;
    EXPECT_EQ(noDisplay.exitCode, 1);
    EXPECT_NE(access(out.c_str(), F_OK), 0);
}

// Under an X server (xvfb-run -a): the picture has the editor's size.
TEST_F(RenderTool, ShotSavesTheEditorWindow) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X server";
    const std::string out = dir + "/gallery.png";
    auto r = runRender("shot " + testhost::pluginPath("test-only/orva_gallery") + " " + out + " --set Knob=0.25");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(pngSize(out), std::make_pair(240, 360));
}
