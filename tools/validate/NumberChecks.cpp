// Group 3: numbers hosts and upstream plug-ins deliver: noise, impulses, denormals, huge
// values, NaN and Inf bursts, sample rates from 8 kHz to 384 kHz and absurd ones.
#include <cmath>
#include <limits>

#include "Check.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 512;
constexpr int kRecoveryBlocks = 16;  // 8192 frames to be finite again after bad input

// Plays `blocks` blocks of the given source; false when a finite input gave a non-finite
// output.
template <typename Source>
bool staysFinite(Plugin& p, int blocks, Source source) {
    for (int b = 0; b < blocks; ++b) {
        p.fillInputs(kFrames, source);
        p.processReplacing(kFrames);
        if (!p.outputsFinite(kFrames)) return false;
    }
    return true;
}

Outcome finiteInputs(const std::string& lib) {
    struct Signal {
        const char* name;
        float (*next)(std::uint32_t& n);
    } signals[] = {
        {"noise",
         [](std::uint32_t& n) {
             return static_cast<float>((n = n * 1664525u + 1013904223u) >> 8) / 8388608.0f - 1.0f;
         }},
        {"impulses", [](std::uint32_t& n) { return (n++ % 1000) == 0 ? 1.0f : 0.0f; }},
        {"denormals", [](std::uint32_t& n) { return (n++ % 2 ? 1.0f : -1.0f) * 1e-40f; }},
        {"+-1e30", [](std::uint32_t& n) { return (n++ % 3 ? 1e30f : -1e30f); }},
        {"full-scale square", [](std::uint32_t& n) { return (n++ / 50) % 2 ? 1.0f : -1.0f; }},
    };
    for (const auto& s : signals) {
        Plugin p(lib);
        if (!p.ready()) return fail(p.error());
        std::uint32_t state = 1;
        if (!staysFinite(p, 20, [&] { return s.next(state); }))
            return fail(std::string("non-finite output from finite input: ") + s.name);
    }
    return pass("noise, impulses, denormals, +-1e30, square");
}

Outcome recoversFromBadSamples(const std::string& lib) {
    const float bad[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    const char* names[] = {"NaN", "+Inf", "-Inf"};
    for (int k = 0; k < 3; ++k) {
        for (int burst : {1, 100}) {
            Plugin p(lib);
            if (!p.ready()) return fail(p.error());
            Noise noise(9);
            staysFinite(p, 2, noise);
            int n = 0;
            p.fillInputs(kFrames, [&] { return (n++ % kFrames) < burst ? bad[k] : noise(); });
            p.processReplacing(kFrames);
            bool recovered = false;
            for (int b = 0; b < kRecoveryBlocks && !recovered; ++b) {
                p.fillInputs(kFrames, noise);
                p.processReplacing(kFrames);
                recovered = p.outputsFinite(kFrames);
            }
            if (!recovered || !staysFinite(p, 4, noise))
                return fail(std::string("output still not finite 8192 frames after a burst of ") +
                            std::to_string(burst) + " " + names[k]);
        }
    }
    return pass();
}

Outcome ratesWithRandomParameters(const std::string& lib) {
    const float rates[] = {8000.0f,  11025.0f, 16000.0f, 22050.0f,  32000.0f,  44100.0f,
                           48000.0f, 88200.0f, 96000.0f, 176400.0f, 192000.0f, 384000.0f};
    Noise values(21, 0.5f);
    for (float rate : rates) {
        Plugin p(lib, true, rate);
        if (!p.ready()) return fail(p.error());
        Noise noise(static_cast<std::uint32_t>(rate));
        for (int setting = 0; setting < 6; ++setting) {
            std::string chosen;
            for (std::int32_t i = 0; i < p.effect->numParams; ++i) {
                const float v = values() + 0.5f;
                p.host.setParameter(i, v);
                chosen += " " + std::to_string(v);
            }
            if (!staysFinite(p, 8, noise))
                return fail("non-finite output at " + std::to_string(static_cast<int>(rate)) + " Hz with values" +
                            chosen);
        }
    }
    return pass("8 kHz to 384 kHz, 6 settings each");
}

Outcome absurdRates(const std::string& lib) {
    const float rates[] = {
        0.0f, -44100.0f, 1.0f, 1e9f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()};
    for (float rate : rates) {
        Plugin p(lib, true, rate);
        if (!p.ready()) return fail(p.error());
        Noise noise;
        staysFinite(p, 4, noise);  // only survival counts here
        p.host.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
        p.host.dispatch(effMainsChanged, 0, 0);
        p.host.dispatch(effMainsChanged, 0, 1);
        if (!staysFinite(p, 16, noise)) return fail("not finite again at 44.1 kHz after rate " + std::to_string(rate));
    }
    return pass("0, negative, 1 Hz, 1 GHz, NaN, Inf");
}

}  // namespace

void addNumberChecks(std::vector<Check>& checks) {
    checks.push_back({3, "finite input gives finite output", finiteInputs});
    checks.push_back({3, "finite again after NaN and Inf bursts", recoversFromBadSamples});
    checks.push_back({3, "8 kHz to 384 kHz with random parameters", ratesWithRandomParameters});
    checks.push_back({3, "0, negative and absurd rates", absurdRates});
}

}  // namespace validate
