// The first-order editor libraries (panner master and effect, field, zoom) as built for
// Linux, loaded as a host loads them and opened in X11 windows of this process (run under
// xvfb-run -a): opening an editor until its first paint, an idle pass with nothing dirty
// (with the heap allocations it makes, the libraries' own included), and a knob step:
// a new value to its pixels on the server through the editor's redraw.
#include <benchmark/benchmark.h>

#include "X11EditorWindow.h"

namespace {

const char* const kEditorLibraries[] = {"orva_panner_master_ui", "orva_panner_effect_ui", "orva_field_ui",
                                        "orva_zoom_ui"};
// A knob of each library (the panners' left azimuth, the field's Angle1, the zoom's azimuth).
const std::int32_t kKnobTags[] = {4, 0, 0, 0};

void BM_OpenEditorX11(benchmark::State& state) {
    X11EditorWindow window(kEditorLibraries[state.range(0)]);
    state.SetLabel(kEditorLibraries[state.range(0)]);
    benchmarkOpenEditor(state, window);
}
BENCHMARK(BM_OpenEditorX11)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyEditorX11(benchmark::State& state) {
    X11EditorWindow window(kEditorLibraries[state.range(0)]);
    state.SetLabel(kEditorLibraries[state.range(0)]);
    benchmarkIdleNothingDirty(state, window);
}
BENCHMARK(BM_IdleNothingDirtyEditorX11)->DenseRange(0, 3);

// One step of a knob drag from the value on: the plug-in stores it and tells the editor,
// the editor draws the knob's new frame and the server has the pixels.
void BM_KnobStepX11(benchmark::State& state) {
    X11EditorWindow x(kEditorLibraries[state.range(0)]);
    state.SetLabel(kEditorLibraries[state.range(0)]);
    if (!x.readyFor(state)) return;
    x.open();
    const std::int32_t tag = kKnobTags[state.range(0)];
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 44;
        x.host.setParameter(tag, float(step) / 44.0f);
        x.host.dispatch(effEditIdle);
        XSync(x.display, False);
    }
    x.host.dispatch(effEditClose);
}
BENCHMARK(BM_KnobStepX11)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
