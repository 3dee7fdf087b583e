// A built editor library loaded as a host loads it, with a parent window on this process's
// own X connection, and the two editor benchmarks every library shares: opening until the
// first paint and an idle pass with nothing dirty (both with their allocations).
#pragma once

#include <X11/Xlib.h>
#include <benchmark/benchmark.h>

#include <string>

#include "TestHost.h"

struct X11EditorWindow {
    explicit X11EditorWindow(const std::string& library);
    ~X11EditorWindow();
    X11EditorWindow(const X11EditorWindow&) = delete;
    X11EditorWindow& operator=(const X11EditorWindow&) = delete;

    // False after SkipWithError on `state` (no X server, or the library did not load).
    bool readyFor(benchmark::State& state) const;
    // Opens the editor and lets it paint once.
    void open();
    void idleWithSync(int passes);

    Display* display = nullptr;
    Window parent = 0;
    testhost::TestHost host;
};

void benchmarkOpenEditor(benchmark::State& state, X11EditorWindow& window);
void benchmarkIdleNothingDirty(benchmark::State& state, X11EditorWindow& window);
