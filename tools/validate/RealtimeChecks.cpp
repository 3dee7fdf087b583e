// Group 8: after the first block, process and processReplacing neither allocate nor lock
// nor call the system, whatever the parameters do between blocks.
#include "Check.h"
#include "Plugin.h"
#include "RealtimeMonitor.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 256;

Outcome nothingBlocksWhileProcessing(const std::string& lib) {
    if (!realtimeMonitorAvailable()) return skip("needs the Linux interposer");
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    p.host.recordCalls = false;  // the host's own record would allocate inside callbacks
    Noise noise, values(37, 0.5f);
    p.fillInputs(kFrames, noise);
    p.processReplacing(kFrames);  // the first block may set things up
    p.processAccumulating(kFrames);
    std::string found;
    for (int b = 0; b < 400 && found.empty(); ++b) {
        if (p.effect->numParams > 0 && b % 4 == 0) p.host.setParameter(b % p.effect->numParams, values() + 0.5f);
        if (b == 200 && p.effect->numPrograms > 1) p.host.dispatch(effSetProgram, 0, 1);
        p.fillInputs(kFrames, noise);
        startMonitoring();
        if (b % 2)
            p.processAccumulating(kFrames);
        else
            p.processReplacing(kFrames);
        found = stopMonitoring();
    }
    return found.empty() ? pass("400 blocks") : fail(found);
}

}  // namespace

void addRealtimeChecks(std::vector<Check>& checks) {
    checks.push_back({8, "no allocation, lock or system call while processing", nothingBlocksWhileProcessing});
}

}  // namespace validate
