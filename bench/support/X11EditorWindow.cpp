#include "X11EditorWindow.h"

#include <unistd.h>

#include "AllocationCount.h"

namespace {

// Xvfb on a loaded machine now and then refuses a connection: try a few times.
Display* openDisplay() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        usleep(20000);
    }
    return nullptr;
}

// Held until the program ends: when its last client leaves, the X server resets and
// refuses the next benchmark's connection for a moment.
void keepServerConnection() {
    static Display* keeper = openDisplay();
    (void)keeper;
}

double perIteration(long count, const benchmark::State& state) {
    return double(count) / double(state.iterations() ? state.iterations() : 1);
}

}  // namespace

X11EditorWindow::X11EditorWindow(const std::string& library) : host(testhost::pluginPath(library)) {
    keepServerConnection();
    display = openDisplay();
    host.recordCalls = false;
    if (!display) return;
    parent = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 440, 280, 0, 0, 0);
    XMapWindow(display, parent);
    XSync(display, False);
    if (host.loaded()) host.instantiateAndStart();
}

X11EditorWindow::~X11EditorWindow() {
    host.close();
    if (!display) return;
    XDestroyWindow(display, parent);
    XCloseDisplay(display);
}

bool X11EditorWindow::readyFor(benchmark::State& state) const {
    if (!display) {
        state.SkipWithError("needs an X server");
        return false;
    }
    if (!host.effect()) {
        state.SkipWithError(("cannot load: " + host.error()).c_str());
        return false;
    }
    return true;
}

void X11EditorWindow::open() {
    host.dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(parent));
    XSync(display, False);
    host.dispatch(effEditIdle);  // the first paint
    XSync(display, False);
}

void X11EditorWindow::idleWithSync(int passes) {
    for (int i = 0; i < passes; ++i) {
        XSync(display, False);
        host.dispatch(effEditIdle);
    }
}

void benchmarkOpenEditor(benchmark::State& state, X11EditorWindow& window) {
    if (!window.readyFor(state)) return;
    const long before = allocationCount();
    for (auto _ : state) {
        window.open();
        state.PauseTiming();
        window.host.dispatch(effEditClose);
        XSync(window.display, False);
        state.ResumeTiming();
    }
    // Opening allocates (frame, controls, window): a count above 0 shows the counting works.
    state.counters["allocs_per_open"] = benchmark::Counter(perIteration(allocationCount() - before, state));
}

void benchmarkIdleNothingDirty(benchmark::State& state, X11EditorWindow& window) {
    if (!window.readyFor(state)) return;
    window.open();
    window.idleWithSync(20);  // draws what is dirty
    const long before = allocationCount();
    for (auto _ : state) window.host.dispatch(effEditIdle);
    state.counters["allocs_per_idle"] = benchmark::Counter(perIteration(allocationCount() - before, state));
    window.host.dispatch(effEditClose);
}
