// Editor toolkit costs: an idle pass with nothing dirty (time and heap allocations) and
// opening the gallery editor, in-process on the headless backend and through the built
// X11 library (the X11 cases need an X server: run under xvfb-run -a).
#include <benchmark/benchmark.h>

#include "AllocationCount.h"
#include "EditorFrame.h"
#include "GalleryPlugin.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"
#include "TestHost.h"
#include "X11EditorWindow.h"

namespace {

std::intptr_t benchHost(AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

void BM_IdleNothingDirtyHeadless(benchmark::State& state) {
    headless::reset();
    GalleryPlugin plugin(benchHost);
    int parent = 0;
    plugin.dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
    headless::paint(static_cast<GuiEditor*>(plugin.getEditor())->getFrame()->getWindow());
    for (int i = 0; i < 3; ++i) plugin.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f);  // draws what is dirty
    const long before = allocationCount();
    for (auto _ : state) plugin.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f);
    state.counters["allocs_per_idle"] =
        benchmark::Counter(double(allocationCount() - before) / double(state.iterations()));
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
}
BENCHMARK(BM_IdleNothingDirtyHeadless);

void BM_OpenGalleryHeadless(benchmark::State& state) {
    headless::reset();
    GalleryPlugin plugin(benchHost);
    int parent = 0;
    for (auto _ : state) {
        plugin.dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
        headless::paint(static_cast<GuiEditor*>(plugin.getEditor())->getFrame()->getWindow());
        state.PauseTiming();
        plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGalleryHeadless)->Unit(benchmark::kMicrosecond);

// The built gallery library in a window of this process's own X connection.
void BM_OpenGalleryX11(benchmark::State& state) {
    X11EditorWindow window("test-only/orva_gallery");
    benchmarkOpenEditor(state, window);
}
BENCHMARK(BM_OpenGalleryX11)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyX11(benchmark::State& state) {
    X11EditorWindow window("test-only/orva_gallery");
    benchmarkIdleNothingDirty(state, window);
}
BENCHMARK(BM_IdleNothingDirtyX11);

}  // namespace
