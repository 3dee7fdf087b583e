// Steady-state cost per sample frame of the first-order plug-ins, measured through each
// loaded library's processReplacing at block size 512, beside two third-party first-order
// plug-ins (a stereo encoder and a scene rotator) loaded through their VST 2 entry as a
// speed yardstick. Run: build/linux-x86_64/bench/orva_bench --benchmark_filter=FirstOrder
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "TestHost.h"

namespace {

constexpr std::int32_t kBlockFrames = 512;
// Enough blocks for every glide to reach its fixed point before timing starts.
constexpr int kWarmUpBlocks = 400;
const char kYardstickDir[] = "/usr/lib/x86_64-linux-gnu/iem-plugin-suite/vst/";

struct Setting {
    std::int32_t index;
    float value;
};

// A started instance with its own block buffers filled with a noise-like signal.
class BenchInstance {
public:
    BenchInstance(const std::string& path, const std::vector<Setting>& settings) : host_(path) {
        if (!host_.loaded() || !host_.instantiateAndStart()) return;
        AEffect* e = host_.effect();
        for (const auto& s : settings) host_.setParameter(s.index, s.value);
        inputs_.assign(static_cast<std::size_t>(e->numInputs), std::vector<float>(kBlockFrames));
        outputs_.assign(static_cast<std::size_t>(e->numOutputs), std::vector<float>(kBlockFrames));
        std::uint32_t state = 99u;
        for (auto& channel : inputs_)
            for (float& sample : channel) {
                state = state * 1664525u + 1013904223u;
                sample = static_cast<float>(state >> 8) / 16777216.0f - 0.5f;
            }
        for (auto& c : inputs_) inputPtrs_.push_back(c.data());
        for (auto& c : outputs_) outputPtrs_.push_back(c.data());
        for (int i = 0; i < kWarmUpBlocks; ++i) processBlock();
    }

    bool ready() const { return host_.effect() != nullptr; }
    void setParameter(std::int32_t index, float value) { host_.setParameter(index, value); }
    std::string display(std::int32_t index) { return host_.parameterDisplay(index); }

    void processBlock() {
        AEffect* e = host_.effect();
        e->processReplacing(e, inputPtrs_.data(), outputPtrs_.data(), kBlockFrames);
        benchmark::DoNotOptimize(outputPtrs_[0][kBlockFrames - 1]);
    }

private:
    testhost::TestHost host_;
    std::vector<std::vector<float>> inputs_, outputs_;
    std::vector<float*> inputPtrs_, outputPtrs_;
};

// CPU time per sample frame (the machine's cores are shared, so not wall time).
void reportPerFrame(benchmark::State& state) {
    state.counters["per_frame"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBlockFrames,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void timeBlocks(benchmark::State& state, BenchInstance& instance) {
    for (auto _ : state) instance.processBlock();
    reportPerFrame(state);
}

void ours(benchmark::State& state, const char* library, std::vector<Setting> settings) {
    BenchInstance instance(testhost::pluginPath(library), settings);
    if (!instance.ready()) {
        state.SkipWithError("cannot load the library");
        return;
    }
    timeBlocks(state, instance);
}

// The same with one parameter moving at every block, as under automation: the glides
// never settle, so this is the per-frame glide path.
void oursMoving(benchmark::State& state, const char* library, std::vector<Setting> settings, Setting moving) {
    BenchInstance instance(testhost::pluginPath(library), settings);
    if (!instance.ready()) {
        state.SkipWithError("cannot load the library");
        return;
    }
    float value = moving.value;
    for (auto _ : state) {
        value = value < 0.5f ? value + 0.001f : 0.1f;
        instance.setParameter(moving.index, value);
        instance.processBlock();
    }
    reportPerFrame(state);
}

// The yardsticks' parameter 0 is their order; 0.25 reads "1st".
void yardstick(benchmark::State& state, const char* file) {
    BenchInstance instance(std::string(kYardstickDir) + file, {{0, 0.25f}});
    if (!instance.ready()) {
        state.SkipWithError("cannot load the yardstick");
        return;
    }
    if (instance.display(0) != "1st") {
        state.SkipWithError(("yardstick order reads " + instance.display(0)).c_str());
        return;
    }
    timeBlocks(state, instance);
}

}  // namespace

// Master: mode 1 with the pan point off centre; effect: both sources placed and levelled.
BENCHMARK_CAPTURE(ours, FirstOrder_PannerMaster, "orva_panner_master",
                  {{0, 0.8f}, {1, 0.3f}, {2, 0.25f}, {4, 0.3f}, {12, 0.6f}, {7, 0.9f}});
BENCHMARK_CAPTURE(ours, FirstOrder_PannerEffect, "orva_panner_effect", {{0, 0.3f}, {8, 0.6f}, {3, 0.9f}, {5, 0.6f}});
BENCHMARK_CAPTURE(ours, FirstOrder_Field, "orva_field", {{0, 0.1f}, {1, 0.35f}, {2, 0.8f}, {3, 0.6f}});
BENCHMARK_CAPTURE(ours, FirstOrder_Zoom, "orva_zoom", {{0, 0.3f}, {1, 0.4f}, {2, 0.2f}});
BENCHMARK_CAPTURE(oursMoving, FirstOrder_PannerMasterMoving, "orva_panner_master", {{2, 0.25f}}, {4, 0.1f});
BENCHMARK_CAPTURE(oursMoving, FirstOrder_FieldMoving, "orva_field", {{3, 0.6f}}, {0, 0.1f});
BENCHMARK_CAPTURE(oursMoving, FirstOrder_ZoomMoving, "orva_zoom", {{2, 0.2f}}, {0, 0.1f});
BENCHMARK_CAPTURE(yardstick, FirstOrder_YardstickStereoEncoder, "libStereoEncoder.so");
BENCHMARK_CAPTURE(yardstick, FirstOrder_YardstickSceneRotator, "libSceneRotator.so");
