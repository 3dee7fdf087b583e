// Audio on one thread while another thread sets parameters, selects programs, saves and
// restores chunks, reads texts, idles the editor and changes the sample rate, as hosts do, for every plug-in. In a
// ThreadSanitizer build (tools/sanitize.sh tsan) any value the two threads share without
// synchronisation fails this test.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "TestHost.h"

namespace {

constexpr std::int32_t kFrames = 64;
constexpr int kBlocks = 2000;

// Storm rounds each plug-in must see while its audio runs, so the two threads overlap.
constexpr int kStormRounds = 2000;

void storm(AEffect* e, const std::atomic<bool>& done, std::atomic<int>& rounds) {
    std::mt19937 random(5);
    std::uniform_real_distribution<float> value(0.0f, 1.0f);
    char text[256];
    for (unsigned n = 0; !done.load(); ++n) {
        const auto index = e->numParams > 0 ? static_cast<std::int32_t>(random() % e->numParams) : 0;
        e->setParameter(e, index, value(random));
        e->getParameter(e, index);
        e->dispatcher(e, effGetParamDisplay, index, 0, text, 0.0f);
        if (e->numPrograms > 0 && n % 8 == 0)
            e->dispatcher(e, effSetProgram, 0, static_cast<std::intptr_t>(random() % e->numPrograms), nullptr, 0.0f);
        if (n % 16 == 0) {
            void* data = nullptr;
            const auto size = e->dispatcher(e, effGetChunk, 0, 0, &data, 0.0f);
            if (data && size > 0) {
                std::vector<unsigned char> copy(static_cast<unsigned char*>(data),
                                                static_cast<unsigned char*>(data) + size);
                e->dispatcher(e, effSetChunk, 0, size, copy.data(), 0.0f);
            }
        }
        e->dispatcher(e, effGetProgramName, 0, 0, text, 0.0f);
        e->dispatcher(e, effEditIdle, 0, 0, nullptr, 0.0f);
        e->dispatcher(e, effGetVu, 0, 0, nullptr, 0.0f);
        if (n % 64 == 0) e->dispatcher(e, effSetSampleRate, 0, 0, nullptr, n % 128 ? 48000.0f : 44100.0f);
        rounds.fetch_add(1);
    }
}

TEST(ThreadStorm, AudioRunsWhileAnotherThreadChangesEverything) {
    const char* libraries[] = {"orva_field",
                               "orva_zoom",
                               "orva_panner_effect",
                               "orva_panner_master",
                               "qel_filter",
                               "test-only/halvane_plain",
                               "orva_decoder_ui"};
    for (const char* name : libraries) {
        SCOPED_TRACE(name);
        testhost::TestHost host(testhost::pluginPath(name));
        ASSERT_TRUE(host.loaded()) << host.error();
        host.recordCalls = false;  // the host's record is not shared between threads
        AEffect* e = host.instantiateAndStart();
        ASSERT_NE(e, nullptr);
        std::vector<std::vector<float>> in(static_cast<std::size_t>(e->numInputs), std::vector<float>(kFrames, 0.25f));
        std::vector<std::vector<float>> out(static_cast<std::size_t>(e->numOutputs), std::vector<float>(kFrames));
        std::vector<float*> inPtr, outPtr;
        for (auto& c : in) inPtr.push_back(c.data());
        for (auto& c : out) outPtr.push_back(c.data());
        std::atomic<bool> done{false};
        std::atomic<int> rounds{0};
        std::thread ui([&] { storm(e, done, rounds); });
        for (int b = 0; b < kBlocks || rounds.load() < kStormRounds; ++b)
            e->processReplacing(e, inPtr.data(), outPtr.data(), kFrames);
        done.store(true);
        ui.join();
    }
}

}  // namespace
