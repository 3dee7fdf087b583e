// Editor toolkit costs: an idle pass with nothing dirty (time and heap allocations) and
// opening the gallery editor, in-process on the headless backend and through the built
// X11 library (the X11 cases need an X server: run under xvfb-run -a).
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>

#include "AllocationCount.h"
#include "EditorFrame.h"
#include "GalleryPlugin.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"
#include "TestHost.h"

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

// The built X11 library in a window of this process's own connection.
struct X11Setup {
    Display* display = XOpenDisplay(nullptr);
    Window parent = 0;
    testhost::TestHost host{testhost::pluginPath("test-only/orva_gallery")};
    X11Setup() {
        if (!display) return;
        parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 320, 220, 0, 0, 0);
        XMapWindow(display, parent);
        XSync(display, False);
        host.instantiate();
    }
    ~X11Setup() {
        host.close();
        if (!display) return;
        XDestroyWindow(display, parent);
        XCloseDisplay(display);
    }
    bool ready() const { return display && host.effect(); }
};

void BM_OpenGalleryX11(benchmark::State& state) {
    X11Setup x;
    if (!x.ready()) {
        state.SkipWithError("needs an X server and the built gallery library");
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
}
BENCHMARK(BM_OpenGalleryX11)->Unit(benchmark::kMillisecond);

void BM_IdleNothingDirtyX11(benchmark::State& state) {
    X11Setup x;
    if (!x.ready()) {
        state.SkipWithError("needs an X server and the built gallery library");
        return;
    }
    x.host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(x.parent));
    for (int i = 0; i < 20; ++i) {
        XSync(x.display, False);
        x.host.dispatch(effEditIdle);
    }
    for (auto _ : state) x.host.dispatch(effEditIdle);
    x.host.dispatch(effEditClose);
}
BENCHMARK(BM_IdleNothingDirtyX11);

}  // namespace
