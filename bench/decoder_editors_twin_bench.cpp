// Costs of the two decoder editors: opening each (to its first painted frame) and an idle
// pass with nothing dirty (time and heap allocations), through the headless twins of
// orva_decoder_ui and halvane loaded as a host loads them, and through the built libraries
// in real X11 windows (those need an X server: run under xvfb-run -a).
//   build/linux-x86_64/bench/orva_twin_bench
#include <benchmark/benchmark.h>

#include <string>

#include "AllocationCount.h"
#include "HeadlessPlatform.h"
#include "TestHost.h"
#include "X11EditorWindow.h"

namespace {

const char* const kTwins[] = {"test-only/orva_decoder_ui_headless", "test-only/halvane_headless"};
const char* const kLibraries[] = {"orva_decoder_ui", "halvane"};

void BM_OpenEditorHeadless(benchmark::State& state) {
    headless::reset();
    testhost::TestHost host(testhost::pluginPath(kTwins[state.range(0)]));
    if (!host.loaded() || !host.instantiateAndStart()) {
        state.SkipWithError("cannot load the twin");
        return;
    }
    int parent = 0;
    for (auto _ : state) {
        host.dispatch(effEditOpen, 0, 0, &parent);
        headless::paint(headless::lastCreatedWindow());
        state.PauseTiming();
        host.dispatch(effEditClose);
        state.ResumeTiming();
    }
    state.SetLabel(kTwins[state.range(0)]);
}
BENCHMARK(BM_OpenEditorHeadless)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_IdleNothingDirtyHeadless(benchmark::State& state) {
    headless::reset();
    testhost::TestHost host(testhost::pluginPath(kTwins[state.range(0)]));
    if (!host.loaded() || !host.instantiateAndStart()) {
        state.SkipWithError("cannot load the twin");
        return;
    }
    host.recordCalls = false;
    int parent = 0;
    host.dispatch(effEditOpen, 0, 0, &parent);
    headless::paint(headless::lastCreatedWindow());
    for (int i = 0; i < 3; ++i) host.dispatch(effEditIdle);  // draws what is dirty
    const long before = allocationCount();
    for (auto _ : state) host.dispatch(effEditIdle);
    state.counters["allocs_per_idle"] =
        benchmark::Counter(double(allocationCount() - before) / double(state.iterations()));
    host.dispatch(effEditClose);
    state.SetLabel(kTwins[state.range(0)]);
}
BENCHMARK(BM_IdleNothingDirtyHeadless)->Arg(0)->Arg(1);

// The built libraries in windows of this process's own X connection.
void BM_OpenEditorX11(benchmark::State& state) {
    X11EditorWindow window(kLibraries[state.range(0)]);
    state.SetLabel(kLibraries[state.range(0)]);
    benchmarkOpenEditor(state, window);
}
BENCHMARK(BM_OpenEditorX11)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyX11(benchmark::State& state) {
    X11EditorWindow window(kLibraries[state.range(0)]);
    state.SetLabel(kLibraries[state.range(0)]);
    benchmarkIdleNothingDirty(state, window);
}
BENCHMARK(BM_IdleNothingDirtyX11)->Arg(0)->Arg(1);

}  // namespace
