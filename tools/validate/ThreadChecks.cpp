// Group 7: audio on one thread while another storms parameters, programs, chunks, texts,
// editor idle and sample rate changes, as hosts do. A crash or non-finite output fails
// here; data races show in a ThreadSanitizer build of this program and the plug-ins.
#include <atomic>
#include <thread>

#include "Check.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 64;
constexpr int kBlocks = 3000;

constexpr int kStormRounds = 2000;  // at least this many while audio runs

void storm(Plugin& p, const std::atomic<bool>& done, std::atomic<int>& rounds) {
    Noise random(31, 0.5f);
    auto& engine = random.engine();
    const std::int32_t params = p.effect->numParams, programs = p.effect->numPrograms;
    char text[256];
    while (!done.load()) {
        const auto index = params > 0 ? static_cast<std::int32_t>(engine() % static_cast<unsigned>(params)) : 0;
        p.effect->setParameter(p.effect, index, random() + 0.5f);
        p.effect->getParameter(p.effect, index);
        p.effect->dispatcher(p.effect, effGetParamDisplay, index, 0, text, 0.0f);
        if (programs > 0 && engine() % 8 == 0)
            p.effect->dispatcher(p.effect, effSetProgram, 0, static_cast<std::intptr_t>(engine() % programs), nullptr,
                                 0.0f);
        if (engine() % 16 == 0) {
            void* data = nullptr;
            const auto size = p.effect->dispatcher(p.effect, effGetChunk, 0, 0, &data, 0.0f);
            if (data && size > 0) {
                std::vector<unsigned char> copy(static_cast<const unsigned char*>(data),
                                                static_cast<const unsigned char*>(data) + size);
                p.effect->dispatcher(p.effect, effSetChunk, 0, size, copy.data(), 0.0f);
            }
        }
        p.effect->dispatcher(p.effect, effEditIdle, 0, 0, nullptr, 0.0f);
        p.effect->dispatcher(p.effect, effGetProgramName, 0, 0, text, 0.0f);
        if (rounds.load() % 64 == 0)
            p.effect->dispatcher(p.effect, effSetSampleRate, 0, 0, nullptr, engine() % 2 ? 48000.0f : 44100.0f);
        rounds.fetch_add(1);
    }
}

Outcome audioWhileStorming(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    p.host.recordCalls = false;  // the host's record is not shared between threads
    p.prepare(kFrames);
    std::atomic<bool> done{false};
    std::atomic<int> rounds{0};
    std::thread ui([&] { storm(p, done, rounds); });
    Noise noise;
    bool finite = true;
    for (int b = 0; b < kBlocks || rounds.load() < kStormRounds; ++b) {
        p.fillInputs(kFrames, noise);
        p.processReplacing(kFrames);
        finite = finite && p.outputsFinite(kFrames);
    }
    done.store(true);
    ui.join();
    return finite ? pass(std::to_string(kBlocks) + " blocks under a storm") : fail("non-finite output under the storm");
}

}  // namespace

void addThreadChecks(std::vector<Check>& checks) {
    checks.push_back({7, "audio while another thread storms parameters, programs, chunks", audioWhileStorming});
}

}  // namespace validate
