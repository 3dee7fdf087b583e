// A rig decoder library loaded by the test host: the deliverable halvane, or the test-only
// halvane_plain (the plain class with back-door queries and recorded tone messages), either
// from the build's folder (with the shipped test tone beside it) or, for the plain build,
// from a copy in a fresh folder that holds a given testtone.wav, or none.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TestHost.h"
#include "WaveFile.h"

enum RigParam { kRig, kBlend, kVolume, kFirstOrder, kSpeakerTest, kTestLoop };

// A temporary folder with a copy of the library and, when given, a testtone.wav.
class ToneFolder {
public:
    explicit ToneFolder(const Bytes* toneFile);
    ~ToneFolder();
    std::string libraryPath() const { return library_.string(); }
    std::string folderName() const { return folder_.filename().string(); }

private:
    std::filesystem::path folder_;
    std::filesystem::path library_;
};

enum class RigLibrary { kDeliverable, kPlainTestBuild };

// A loaded rig decoder; the back-door queries answer for the plain test build only.
struct RigPlugin {
    explicit RigPlugin(const Bytes* toneFile);  // a plain copy beside `toneFile` (null: no file)
    // The build's library with the shipped tone.
    explicit RigPlugin(RigLibrary library = RigLibrary::kPlainTestBuild);

    std::unique_ptr<ToneFolder> folder;  // destroyed after the host has unloaded the copy
    testhost::TestHost host;

    std::vector<std::string> messages();
    bool toneLoaded();
    std::intptr_t toneLength();
    float sampleRate();
    void set(float rig, float blend, float volume, float firstOrder);
};

// A test with a started instance of the deliverable.
class LoadedRigTest : public ::testing::Test {
protected:
    RigPlugin rig{RigLibrary::kDeliverable};
    testhost::TestHost& host = rig.host;

    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
    }
};

std::vector<std::vector<float>> constantInput(std::size_t channels, float value, std::size_t frames);
