// Group 9: the editor calls hosts make in odd orders: the rectangle before opening, idle
// and close without an editor, open twice, and many open/close cycles while audio runs on
// another thread, without growing memory. Libraries without an editor skip these.
#include <atomic>
#include <cstdio>
#include <thread>

#if defined(__linux__)
#include <unistd.h>
#endif

#include "Check.h"
#include "EditorParent.h"
#include "Plugin.h"
#include "RealtimeMonitor.h"  // ORVA_SANITIZED

namespace validate {

namespace {

// Resident memory of this process in bytes, or -1 where it is not measured. Sanitizer builds
// keep freed memory in quarantine, so their resident size says nothing about leaks.
long long residentBytes() {
#if defined(__linux__) && !defined(ORVA_SANITIZED)
    long long pages = 0, resident = 0;
    std::FILE* f = std::fopen("/proc/self/statm", "r");
    if (!f) return -1;
    const int read = std::fscanf(f, "%lld %lld", &pages, &resident);
    std::fclose(f);
    return read == 2 ? resident * sysconf(_SC_PAGESIZE) : -1;
#else
    return -1;
#endif
}

bool hasEditor(const Plugin& p) { return (p.effect->flags & effFlagsHasEditor) != 0; }

Outcome rectBeforeOpen(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!hasEditor(p)) return notApplicable("no editor");
    ERect* rect = nullptr;
    p.host.dispatch(effEditGetRect, 0, 0, &rect);
    if (!rect) return fail("effEditGetRect before effEditOpen gave no rectangle (hosts read it unchecked)");
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    if (w <= 0 || h <= 0 || w > 8192 || h > 8192)
        return fail("rectangle " + std::to_string(w) + " x " + std::to_string(h) + " before open");
    return pass(std::to_string(w) + " x " + std::to_string(h));
}

Outcome unpairedCalls(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!hasEditor(p)) return notApplicable("no editor");
    for (int i = 0; i < 3; ++i) p.host.dispatch(effEditIdle);
    p.host.dispatch(effEditClose);
    p.host.dispatch(effEditClose);
    return pass("idle and close twice without an editor");
}

Outcome openTwiceAndCycles(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!hasEditor(p)) return notApplicable("no editor");
    EditorParent parent;
    if (!parent.ready()) return skip("no display for a parent window");
    p.host.recordCalls = false;
    p.host.dispatch(effEditOpen, 0, 0, parent.handle());
    p.host.dispatch(effEditOpen, 0, 0, parent.handle());
    p.host.dispatch(effEditIdle);
    p.host.dispatch(effEditClose);
    p.host.dispatch(effEditClose);
    std::atomic<bool> done{false};
    std::thread audio([&] {
        Noise noise;
        while (!done.load()) {
            p.fillInputs(64, noise);
            p.processReplacing(64);
        }
    });
    // Memory is compared after the first 10 cycles (caches, fonts) and after the last.
    constexpr long long kGrowthPerCycleBytes = 16 * 1024;
    long long settled = -1;
    for (int i = 0; i < 50; ++i) {
        if (i == 10) settled = residentBytes();
        p.host.dispatch(effEditOpen, 0, 0, parent.handle());
        for (int k = 0; k < 3; ++k) {
            parent.pump();
            p.host.dispatch(effEditIdle);
        }
        p.host.dispatch(effEditClose);
        parent.pump();
    }
    const long long end = residentBytes();
    done.store(true);
    audio.join();
    if (settled < 0 || end < 0)
        return pass("open twice, close twice, 50 cycles with audio running (memory not measured)");
    const long long growth = end - settled;
    if (growth > 40 * kGrowthPerCycleBytes)
        return fail("memory grew by " + std::to_string(growth / 1024) + " KB over 40 open/close cycles");
    return pass("open twice, close twice, 50 cycles with audio running, memory grew " + std::to_string(growth / 1024) +
                " KB over the last 40");
}

}  // namespace

void addEditorChecks(std::vector<Check>& checks) {
    checks.push_back({9, "effEditGetRect before effEditOpen", rectBeforeOpen});
    checks.push_back({9, "idle and close without an editor", unpairedCalls});
    checks.push_back({9, "open twice, 50 open/close cycles while audio runs, no leak", openTwiceAndCycles});
}

}  // namespace validate
