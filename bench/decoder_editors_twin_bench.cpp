// Costs of the two decoder editors: opening each (to its first painted frame) and an idle
// pass with nothing dirty (time and heap allocations), through the headless twins of
// orva_decoder_ui and halvane loaded as a host loads them, and through the built libraries
// in real X11 windows (those need an X server: run under xvfb-run -a).
//   build/linux-x86_64/bench/orva_twin_bench
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <string>

#include "AllocationCount.h"
#include "HeadlessPlatform.h"
#include "TestHost.h"

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

// Held until the program ends: when its last client leaves, the X server resets and
// refuses the next benchmark's connection for a moment.
Display* keepServerConnection() {
    static Display* keeper = XOpenDisplay(nullptr);
    return keeper;
}

// A built library in a window of this process's own connection.
struct X11Setup {
    Display* keeper = keepServerConnection();
    Display* display = XOpenDisplay(nullptr);
    Window parent = 0;
    testhost::TestHost host;
    explicit X11Setup(const char* library) : host(testhost::pluginPath(library)) {
        if (!display) return;
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 440, 280, 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        if (host.loaded()) host.instantiateAndStart();
    }
    ~X11Setup() {
        host.close();
        if (!display) return;
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }
    bool ready() const { return display && host.effect(); }
};

void BM_OpenEditorX11(benchmark::State& state) {
    X11Setup x(kLibraries[state.range(0)]);
    if (!x.ready()) {
        state.SkipWithError("needs an X server and the built library");
        return;
    }
    for (auto _ : state) {
        // Open, then idle until the first paint reached the window.
        x.host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(x.parent));
        XSync(x.display, False);
        x.host.dispatch(effEditIdle);
        state.PauseTiming();
        x.host.dispatch(effEditClose);
        XSync(x.display, False);
        state.ResumeTiming();
    }
    state.SetLabel(kLibraries[state.range(0)]);
}
BENCHMARK(BM_OpenEditorX11)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyX11(benchmark::State& state) {
    X11Setup x(kLibraries[state.range(0)]);
    if (!x.ready()) {
        state.SkipWithError("needs an X server and the built library");
        return;
    }
    x.host.recordCalls = false;
    x.host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(x.parent));
    for (int i = 0; i < 20; ++i) {
        XSync(x.display, False);
        x.host.dispatch(effEditIdle);
    }
    for (auto _ : state) x.host.dispatch(effEditIdle);
    x.host.dispatch(effEditClose);
    state.SetLabel(kLibraries[state.range(0)]);
}
BENCHMARK(BM_IdleNothingDirtyX11)->Arg(0)->Arg(1);

}  // namespace
