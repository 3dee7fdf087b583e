// Group 1: the orders in which hosts open, start, stop and close instances and libraries.
#include <algorithm>
#include <memory>

#include "Check.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 256;

// A few blocks of noise; false when an output is not finite.
bool playNoise(Plugin& p, int blocks, std::uint32_t seed = 1) {
    Noise noise(seed);
    for (int b = 0; b < blocks; ++b) {
        p.fillInputs(kFrames, noise);
        p.processReplacing(kFrames);
        if (!p.outputsFinite(kFrames)) return false;
    }
    return true;
}

Outcome openTwice(const std::string& lib) {
    Plugin p(lib, false);
    if (!p.ready()) return fail(p.error());
    p.host.dispatch(effOpen);
    p.host.dispatch(effOpen);
    p.host.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    p.host.dispatch(effSetBlockSize, 0, kFrames);
    p.host.dispatch(effMainsChanged, 0, 1);
    return playNoise(p, 4) ? pass() : fail("non-finite output after a second effOpen");
}

Outcome mainsCycles(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    for (int i = 0; i < 20; ++i) {
        p.host.dispatch(effMainsChanged, 0, 0);
        if (i % 3 == 0) p.host.dispatch(effMainsChanged, 0, 0);  // off twice
        p.host.dispatch(effMainsChanged, 0, 1);
        if (i % 4 == 0) p.host.dispatch(effMainsChanged, 0, 1);  // on twice
        if (!playNoise(p, 1, static_cast<std::uint32_t>(i))) return fail("non-finite output after mains cycle");
    }
    return pass("20 cycles");
}

Outcome rateAndBlockBeforeOpen(const std::string& lib) {
    Plugin p(lib, false);
    if (!p.ready()) return fail(p.error());
    p.host.dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    p.host.dispatch(effSetBlockSize, 0, kFrames);
    p.host.dispatch(effOpen);
    p.host.dispatch(effMainsChanged, 0, 1);
    return playNoise(p, 4) ? pass() : fail("non-finite output");
}

Outcome rateAndBlockWhileResumed(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    p.prepare(4096);
    const float rates[] = {48000.0f, 96000.0f, 22050.0f, 192000.0f, 44100.0f};
    const std::int32_t blocks[] = {64, 4096, 32, 1024, 512};
    Noise noise;
    for (int i = 0; i < 5; ++i) {
        p.host.dispatch(effSetSampleRate, 0, 0, nullptr, rates[i]);
        p.host.dispatch(effSetBlockSize, 0, blocks[i]);
        p.fillInputs(blocks[i], noise);
        p.processReplacing(blocks[i]);
        if (!p.outputsFinite(blocks[i])) return fail("non-finite output at " + std::to_string(rates[i]) + " Hz");
    }
    return pass();
}

Outcome manyInstancesClosedInRandomOrder(const std::string& lib) {
    std::vector<std::unique_ptr<Plugin>> instances;
    for (int i = 0; i < 33; ++i) {
        instances.emplace_back(new Plugin(lib));
        if (!instances.back()->ready()) return fail("instance " + std::to_string(i) + ": " + instances.back()->error());
        if (!playNoise(*instances.back(), 1)) return fail("non-finite output");
    }
    Noise order(7);
    std::shuffle(instances.begin(), instances.end(), order.engine());
    while (!instances.empty()) {
        instances.pop_back();
        if (!instances.empty() && !playNoise(*instances.front(), 1)) return fail("non-finite output after a close");
    }
    return pass("33 instances");
}

// Output of a fresh instance for a fixed signal.
std::vector<float> firstOutput(Plugin& p) {
    Noise noise(3);
    p.fillInputs(kFrames, noise);
    p.processReplacing(kFrames);
    return p.out.empty() ? std::vector<float>() : p.out[0];
}

Outcome unloadAndReload(const std::string& lib) {
    std::vector<float> first;
    for (int round = 0; round < 3; ++round) {
        Plugin p(lib);  // loads the library again each round, unloads at the end
        if (!p.ready()) return fail("round " + std::to_string(round) + ": " + p.error());
        const std::vector<float> out = firstOutput(p);
        if (round == 0)
            first = out;
        else if (out != first)
            return fail("a reloaded library sounds different from the first load");
    }
    return pass("3 loads");
}

}  // namespace

void addLifecycleChecks(std::vector<Check>& checks) {
    checks.push_back({1, "effOpen twice", openTwice});
    checks.push_back({1, "mains off and on repeatedly", mainsCycles});
    checks.push_back({1, "rate and block size before effOpen", rateAndBlockBeforeOpen});
    checks.push_back({1, "rate and block size while resumed", rateAndBlockWhileResumed});
    checks.push_back({1, "33 instances closed in random order", manyInstancesClosedInRandomOrder});
    checks.push_back({1, "unload and reload", unloadAndReload});
}

}  // namespace validate
