#include "RigFixture.h"

#include <atomic>
#include <chrono>
#include <fstream>

namespace fs = std::filesystem;

namespace {

const char* const kLibrary = "test-only/halvane_plain";
const char* const kDeliverable = "halvane";

fs::path freshFolder() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    fs::path dir = fs::temp_directory_path() / ("orva-rig-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(dir);
    return dir;
}

}  // namespace

ToneFolder::ToneFolder(const Bytes* toneFile) : folder_(freshFolder()) {
    const fs::path built = testhost::pluginPath(kLibrary);
    library_ = folder_ / built.filename();
    fs::copy_file(built, library_);
    if (toneFile) {
        std::ofstream out(folder_ / "testtone.wav", std::ios::binary);
        out.write(reinterpret_cast<const char*>(toneFile->data()), static_cast<std::streamsize>(toneFile->size()));
    }
}

ToneFolder::~ToneFolder() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

RigPlugin::RigPlugin(const Bytes* toneFile)
    : folder(std::make_unique<ToneFolder>(toneFile)), host(folder->libraryPath()) {}

RigPlugin::RigPlugin(RigLibrary library)
    : host(testhost::pluginPath(library == RigLibrary::kDeliverable ? kDeliverable : kLibrary)) {}

std::vector<std::string> RigPlugin::messages() {
    std::vector<std::string> texts;
    const auto count = host.dispatch(effVendorSpecific, 1);
    for (std::intptr_t i = 0; i < count; ++i)
        texts.emplace_back(reinterpret_cast<const char*>(host.dispatch(effVendorSpecific, 2, i)));
    return texts;
}

bool RigPlugin::toneLoaded() { return host.dispatch(effVendorSpecific, 3) == 1; }

std::intptr_t RigPlugin::toneLength() { return host.dispatch(effVendorSpecific, 4); }

float RigPlugin::sampleRate() {
    float rate = -1.0f;
    host.dispatch(effVendorSpecific, 5, 0, &rate);
    return rate;
}

void RigPlugin::set(float rig, float blend, float volume, float firstOrder) {
    host.setParameter(kRig, rig);
    host.setParameter(kBlend, blend);
    host.setParameter(kVolume, volume);
    host.setParameter(kFirstOrder, firstOrder);
}

std::vector<std::vector<float>> constantInput(std::size_t channels, float value, std::size_t frames) {
    return std::vector<std::vector<float>>(channels, std::vector<float>(frames, value));
}
