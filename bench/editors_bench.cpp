// The first-order editor libraries (panner master and effect, field, zoom) as built for
// Linux, loaded as a host loads them and opened in X11 windows of this process (run under
// xvfb-run -a): opening an editor until its first paint, an idle pass with nothing dirty
// (with the heap allocations it makes, the libraries' own included), and a knob step:
// a new value to its pixels on the server through the editor's redraw.
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <cstddef>
#include <string>

#include "TestHost.h"

namespace {
std::atomic<long> mallocCalls{0};
}

// Every malloc of the process, the loaded libraries' included (they are linked against the
// C library's malloc, which this definition interposes).
extern "C" void* __libc_malloc(std::size_t size);
extern "C" void* __libc_calloc(std::size_t count, std::size_t size);
extern "C" void* __libc_realloc(void* p, std::size_t size);
extern "C" void* malloc(std::size_t size) {
    ++mallocCalls;
    return __libc_malloc(size);
}
extern "C" void* calloc(std::size_t count, std::size_t size) {
    ++mallocCalls;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, std::size_t size) {
    ++mallocCalls;
    return __libc_realloc(p, size);
}

namespace {

const char* const kEditorLibraries[] = {"orva_panner_master_ui", "orva_panner_effect_ui", "orva_field_ui",
                                        "orva_zoom_ui"};
// A knob of each library (the panners' left azimuth, the field's Angle1, the zoom's azimuth).
const std::int32_t kKnobTags[] = {4, 0, 0, 0};

// Xvfb on a loaded machine now and then refuses a connection: try a few times.
Display* openDisplay() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        usleep(20000);
    }
    return nullptr;
}

struct EditorWindow {
    explicit EditorWindow(int library) : host(testhost::pluginPath(kEditorLibraries[library])) {
        host.recordCalls = false;
        if (!display) return;
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 400, 240, 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        host.instantiate();
    }
    ~EditorWindow() {
        host.close();
        if (!display) return;
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }
    bool ready() const { return display && host.effect(); }
    void open() {
        host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
        XSync(display, False);
        host.dispatch(effEditIdle);  // the first paint
        XSync(display, False);
    }

    Display* display = openDisplay();
    Window parent = 0;
    testhost::TestHost host;
};

void BM_OpenEditorX11(benchmark::State& state) {
    EditorWindow x(int(state.range(0)));
    state.SetLabel(kEditorLibraries[state.range(0)]);
    if (!x.ready()) {
        state.SkipWithError(x.display ? ("cannot load: " + x.host.error()).c_str() : "needs an X server");
        return;
    }
    const long before = mallocCalls.load();
    for (auto _ : state) {
        x.open();
        state.PauseTiming();
        x.host.dispatch(effEditClose);
        XSync(x.display, False);
        state.ResumeTiming();
    }
    // Opening allocates (frame, controls, window): a count above 0 shows the counting works.
    state.counters["allocs_per_open"] =
        benchmark::Counter(double(mallocCalls.load() - before) / double(state.iterations()));
}
BENCHMARK(BM_OpenEditorX11)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyEditorX11(benchmark::State& state) {
    EditorWindow x(int(state.range(0)));
    state.SetLabel(kEditorLibraries[state.range(0)]);
    if (!x.ready()) {
        state.SkipWithError(x.display ? ("cannot load: " + x.host.error()).c_str() : "needs an X server");
        return;
    }
    x.open();
    for (int i = 0; i < 20; ++i) {
        XSync(x.display, False);
        x.host.dispatch(effEditIdle);
    }
    const long before = mallocCalls.load();
    for (auto _ : state) x.host.dispatch(effEditIdle);
    state.counters["allocs_per_idle"] =
        benchmark::Counter(double(mallocCalls.load() - before) / double(state.iterations()));
    x.host.dispatch(effEditClose);
}
BENCHMARK(BM_IdleNothingDirtyEditorX11)->DenseRange(0, 3);

// One step of a knob drag from the value on: the plug-in stores it and tells the editor,
// the editor draws the knob's new frame and the server has the pixels.
void BM_KnobStepX11(benchmark::State& state) {
    EditorWindow x(int(state.range(0)));
    state.SetLabel(kEditorLibraries[state.range(0)]);
    if (!x.ready()) {
        state.SkipWithError(x.display ? ("cannot load: " + x.host.error()).c_str() : "needs an X server");
        return;
    }
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
