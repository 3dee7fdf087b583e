// Steady-state cost per frame of the decoder (cube), the rig decoder (second-order
// Dodecahedron 1, 12 x 9) and the filter (slope 0.5), each one instance driven through its
// loaded library's processReplacing in blocks of 512 frames.
//   build/linux-x86_64/bench/orva_bench --benchmark_filter='Decoders'
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "TestHost.h"

namespace {

constexpr std::int32_t kBlock = 512;

struct Buffers {
    std::vector<std::vector<float>> in, out;
    std::vector<float*> inPtr, outPtr;
    Buffers(int inputs, int outputs)
        : in(inputs, std::vector<float>(kBlock)), out(outputs, std::vector<float>(kBlock)) {
        for (int c = 0; c < inputs; ++c)
            for (int i = 0; i < kBlock; ++i) in[c][i] = 0.5f * std::sin(0.01f * static_cast<float>(i * (c + 1)));
        for (auto& v : in) inPtr.push_back(v.data());
        for (auto& v : out) outPtr.push_back(v.data());
    }
};

void runPlugin(benchmark::State& state, const char* library, const std::vector<std::pair<int, float>>& settings) {
    testhost::TestHost host(testhost::pluginPath(library));
    AEffect* effect = host.loaded() ? host.instantiateAndStart() : nullptr;
    if (!effect) {
        state.SkipWithError(("cannot load " + std::string(library)).c_str());
        return;
    }
    for (const auto& [index, value] : settings) host.setParameter(index, value);
    Buffers b(effect->numInputs, effect->numOutputs);
    for (int warm = 0; warm < 16; ++warm) effect->processReplacing(effect, b.inPtr.data(), b.outPtr.data(), kBlock);
    for (auto _ : state) {
        effect->processReplacing(effect, b.inPtr.data(), b.outPtr.data(), kBlock);
        benchmark::DoNotOptimize(b.out[0][kBlock - 1]);
    }
    // Seconds per frame, printed with its SI prefix (for example 3.2n).
    state.counters["time_per_frame"] = benchmark::Counter(static_cast<double>(state.iterations()) * kBlock,
                                                          benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void DecodersCube(benchmark::State& state) { runPlugin(state, "orva_decoder_ui", {{0, 0.0f}}); }

void DecodersRigDodecahedronSecondOrder(benchmark::State& state) {
    runPlugin(state, "halvane", {{0, 9.0f}, {1, 0.5f}, {2, 1.0f}, {3, 0.0f}});
}

void DecodersFilterSlopeHalf(benchmark::State& state) {
    runPlugin(state, "qel_filter", {{0, 0.0f}, {1, 0.3f}, {2, 0.7f}, {3, 0.5f}});
}

}  // namespace

BENCHMARK(DecodersCube);
BENCHMARK(DecodersRigDodecahedronSecondOrder);
BENCHMARK(DecodersFilterSlopeHalf);
