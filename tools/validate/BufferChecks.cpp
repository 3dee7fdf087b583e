// Group 2: the orders and buffers hosts really pass: processing before mains on, blocks of
// 0 to 5 frames and odd or larger than announced sizes, in-place, separate and unaligned
// channel pointers, blocks split at any frame, no input array at all.
#include <cmath>
#include <cstring>

#include "Check.h"
#include "Options.h"
#include "Plugin.h"

namespace validate {

namespace {

using testhost::ProcessMode;

std::vector<std::vector<float>> noiseSignal(std::int32_t channels, std::int32_t frames, std::uint32_t seed) {
    Noise noise(seed);
    std::vector<std::vector<float>> s(static_cast<std::size_t>(channels));
    for (auto& c : s)
        for (std::int32_t i = 0; i < frames; ++i) c.push_back(noise());
    return s;
}

bool finite(const testhost::BlockResult& r) {
    for (const auto& c : r.outputs)
        for (float v : c)
            if (!isFinite(v)) return false;
    return true;
}

float largestDifference(const std::vector<std::vector<float>>& a, const std::vector<std::vector<float>>& b) {
    if (a.size() != b.size()) return INFINITY;
    float largest = 0.0f;
    for (std::size_t c = 0; c < a.size(); ++c) {
        if (a[c].size() != b[c].size()) return INFINITY;
        for (std::size_t i = 0; i < a[c].size(); ++i) {
            const float d = std::fabs(a[c][i] - b[c][i]);
            if (!(d <= largest)) largest = d;
        }
    }
    return largest;
}

Outcome processBeforeResume(const std::string& lib) {
    Plugin p(lib, false);
    if (!p.ready()) return fail(p.error());
    p.host.dispatch(effOpen);
    p.host.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.host.dispatch(effSetBlockSize, 0, 512);
    auto r = p.host.runBlock(ProcessMode::Replacing, noiseSignal(p.numInputs(), 512, 1), 512);
    if (!r.guardsIntact) return fail("wrote outside its buffers");
    return finite(r) ? pass() : fail("non-finite output without mains on");
}

Outcome emptyBlocks(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    for (ProcessMode mode : {ProcessMode::Replacing, ProcessMode::Accumulating, ProcessMode::InPlace}) {
        auto r = p.host.runBlock(mode, {}, 0);
        if (!r.guardsIntact) return fail("a 0-frame block wrote into the buffers' guards");
    }
    p.processReplacing(-1);  // nonsense from a host; must not touch anything
    auto r = p.host.runBlock(ProcessMode::Replacing, noiseSignal(p.numInputs(), 64, 2), 64);
    return finite(r) && r.guardsIntact ? pass() : fail("broken after 0-frame blocks");
}

Outcome smallAndOddBlocks(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    for (ProcessMode mode : {ProcessMode::Replacing, ProcessMode::Accumulating, ProcessMode::InPlace}) {
        for (std::int32_t frames : {1, 2, 3, 4, 5, 7, 33, 127, 511}) {
            auto r = p.host.runBlock(mode, noiseSignal(p.numInputs(), frames, frames), frames);
            if (!r.guardsIntact) return fail("wrote outside a block of " + std::to_string(frames));
            if (!finite(r)) return fail("non-finite output in a block of " + std::to_string(frames));
        }
    }
    return pass();
}

Outcome blocksLargerThanAnnounced(const std::string& lib) {
    Plugin p(lib, true, 44100.0f, 32);
    if (!p.ready()) return fail(p.error());
    for (std::int32_t frames : {33, 1024, 8192}) {
        auto r = p.host.runBlock(ProcessMode::Replacing, noiseSignal(p.numInputs(), frames, 4), frames);
        if (!r.guardsIntact) return fail("wrote outside a block of " + std::to_string(frames) + " (announced 32)");
        if (!finite(r)) return fail("non-finite output");
    }
    return pass();
}

// The same signal through separate, in-place and unaligned buffers of three instances.
Outcome bufferLayoutsSoundAlike(const std::string& lib) {
    constexpr std::int32_t kFrames = 1000;
    Plugin separate(lib), inPlace(lib), unaligned(lib);
    if (!separate.ready()) return fail(separate.error());
    const auto signal = noiseSignal(separate.numInputs(), kFrames, 5);
    const auto a = separate.host.runBlock(ProcessMode::Replacing, signal, kFrames);
    const auto b = inPlace.host.runBlock(ProcessMode::InPlace, signal, kFrames);
    // Channels one float past a 16-byte boundary, as hosts that split blocks pass them.
    const std::size_t numIn = signal.size(), numOut = static_cast<std::size_t>(unaligned.numOutputs());
    std::vector<float> storage((numIn + numOut) * (kFrames + 8) + 8, 0.0f);
    std::vector<float*> in(numIn), out(numOut);
    for (std::size_t c = 0; c < numIn; ++c) {
        in[c] = storage.data() + 1 + c * (kFrames + 8);
        std::memcpy(in[c], signal[c].data(), kFrames * sizeof(float));
    }
    for (std::size_t c = 0; c < numOut; ++c) out[c] = storage.data() + 1 + (numIn + c) * (kFrames + 8);
    unaligned.effect->processReplacing(unaligned.effect, numIn ? in.data() : nullptr, numOut ? out.data() : nullptr,
                                       kFrames);
    std::vector<std::vector<float>> c(numOut);
    for (std::size_t k = 0; k < numOut; ++k) c[k].assign(out[k], out[k] + kFrames);
    if (largestDifference(a.outputs, b.outputs) != 0.0f) return fail("in-place output differs from separate buffers");
    if (largestDifference(a.outputs, c) != 0.0f) return fail("unaligned buffers give another output");
    return pass();
}

// One block of 2048 frames against the same frames in blocks split at odd places.
Outcome splitBlocksEqualOneBlock(const std::string& lib) {
    constexpr std::int32_t kFrames = 2048;
    Plugin whole(lib), split(lib);
    if (!whole.ready()) return fail(whole.error());
    const auto signal = noiseSignal(whole.numInputs(), kFrames, 6);
    const auto a = whole.host.runBlock(ProcessMode::Replacing, signal, kFrames);
    std::vector<std::vector<float>> b(static_cast<std::size_t>(split.numOutputs()));
    const std::int32_t cuts[] = {1, 17, 300, 3, 511, 1, 1024, 191};
    std::int32_t start = 0;
    for (std::int32_t len : cuts) {
        std::vector<std::vector<float>> part(signal.size());
        for (std::size_t c = 0; c < signal.size(); ++c)
            part[c].assign(signal[c].begin() + start, signal[c].begin() + start + len);
        const auto r = split.host.runBlock(ProcessMode::Replacing, part, len);
        for (std::size_t c = 0; c < b.size(); ++c) b[c].insert(b[c].end(), r.outputs[c].begin(), r.outputs[c].end());
        start += len;
    }
    const float d = largestDifference(a.outputs, b);
    if (d > 1e-6f) return fail("split blocks differ by up to " + std::to_string(d));
    return pass(d == 0.0f ? "identical" : "within " + std::to_string(d));
}

// process adds to what the outputs hold exactly what processReplacing writes. A process
// that overwrites like processReplacing (some older designs do) passes with a note, and
// fails only under --strict.
Outcome accumulatingAddsTheReplacingOutput(const std::string& lib) {
    constexpr std::int32_t kFrames = 1000;
    constexpr float kStart = 0.25f;
    Plugin replacing(lib), adding(lib);
    if (!replacing.ready()) return fail(replacing.error());
    const auto signal = noiseSignal(replacing.numInputs(), kFrames, 8);
    const auto a = replacing.host.runBlock(ProcessMode::Replacing, signal, kFrames);
    auto b = adding.host.runBlock(ProcessMode::Accumulating, signal, kFrames, kStart);
    if (!b.guardsIntact) return fail("process wrote outside its buffers");
    if (largestDifference(a.outputs, b.outputs) == 0.0f) {
        const char* note = "process overwrites its outputs instead of adding to them";
        return options().strict ? fail(note) : pass(note);
    }
    for (auto& c : b.outputs)
        for (float& v : c) v -= kStart;
    const float d = largestDifference(a.outputs, b.outputs);
    if (d > 1e-5f) return fail("process differs from processReplacing plus the old output by " + std::to_string(d));
    return pass();
}

// Hosts call back into the plug-in from inside its callbacks: a parameter read inside the
// automation callback, editor idle inside the display update.
Outcome reentrantHostCallbacks(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    int reentered = 0;
    p.host.onCall = [&](const testhost::HostCall& call) {
        if (call.opcode == audioMasterAutomate) {
            p.host.getParameter(call.index);
            ++reentered;
        } else if (call.opcode == audioMasterUpdateDisplay) {
            p.host.dispatch(effEditIdle);
            char text[256];
            p.host.dispatch(effGetProgramName, 0, 0, text);
            ++reentered;
        }
    };
    Noise noise, values(47, 0.5f);
    for (int b = 0; b < 64; ++b) {
        for (std::int32_t i = 0; i < p.effect->numParams; ++i) p.host.setParameter(i, values() + 0.5f);
        if (p.effect->numPrograms > 1) p.host.dispatch(effSetProgram, 0, b % p.effect->numPrograms);
        p.fillInputs(256, noise);
        p.processReplacing(256);
        if (!p.outputsFinite(256)) return fail("non-finite output");
    }
    p.host.onCall = nullptr;
    return pass(std::to_string(reentered) + " calls back from inside callbacks");
}

Outcome noInputArray(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (p.numInputs() != 0) return notApplicable("the plug-in has inputs");
    p.processReplacing(64);  // Plugin passes a null input array when there are no inputs
    return p.outputsFinite(64) ? pass() : fail("non-finite output");
}

}  // namespace

void addBufferChecks(std::vector<Check>& checks) {
    checks.push_back({2, "process before mains on", processBeforeResume});
    checks.push_back({2, "0-frame blocks", emptyBlocks});
    checks.push_back({2, "blocks of 1 to 5 and odd sizes, guard samples", smallAndOddBlocks});
    checks.push_back({2, "blocks larger than announced", blocksLargerThanAnnounced});
    checks.push_back({2, "in-place, separate and unaligned buffers alike", bufferLayoutsSoundAlike});
    checks.push_back({2, "a block split anywhere equals one block", splitBlocksEqualOneBlock});
    checks.push_back({2, "process adds what processReplacing writes", accumulatingAddsTheReplacingOutput});
    checks.push_back({2, "calls back into the plug-in from inside host callbacks", reentrantHostCallbacks});
    checks.push_back({2, "null input array for a plug-in without inputs", noInputArray});
}

}  // namespace validate
