// Group 9: the editor calls hosts make in odd orders: the rectangle before opening, idle
// and close without an editor, open twice, and many open/close cycles while audio runs on
// another thread. Libraries without an editor skip these.
#include <atomic>
#include <thread>

#include "Check.h"
#include "EditorParent.h"
#include "Plugin.h"

namespace validate {

namespace {

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
    for (int i = 0; i < 50; ++i) {
        p.host.dispatch(effEditOpen, 0, 0, parent.handle());
        for (int k = 0; k < 3; ++k) {
            parent.pump();
            p.host.dispatch(effEditIdle);
        }
        p.host.dispatch(effEditClose);
    }
    done.store(true);
    audio.join();
    return pass("open twice, close twice, 50 cycles with audio running");
}

}  // namespace

void addEditorChecks(std::vector<Check>& checks) {
    checks.push_back({9, "effEditGetRect before effEditOpen", rectBeforeOpen});
    checks.push_back({9, "idle and close without an editor", unpairedCalls});
    checks.push_back({9, "open twice, 50 open/close cycles while audio runs", openTwiceAndCycles});
}

}  // namespace validate
