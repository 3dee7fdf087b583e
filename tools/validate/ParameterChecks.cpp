// Group 4: parameters and programs as careless hosts use them: indices outside the range,
// values outside 0 to 1, every text opcode into guarded buffers, many program changes.
#include <climits>
#include <limits>

#include "Check.h"
#include "Options.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 512;
constexpr std::size_t kProgramNameChars = 23;  // 24 bytes with the NUL
// What the interface documents for parameter texts, and what hosts give in practice.
constexpr std::size_t kParamTextChars = 8;
constexpr std::size_t kHostParamTextChars = 63;

std::size_t paramTextLimit() { return options().strict ? kParamTextChars : kHostParamTextChars; }

Outcome indicesOutsideTheRange(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    const std::int32_t n = p.effect->numParams;
    for (std::int32_t index : {-1, n, n + 1, INT_MAX, INT_MIN}) {
        p.host.setParameter(index, 0.5f);
        const float v = p.host.getParameter(index);
        if (!isFinite(v)) return fail("getParameter(" + std::to_string(index) + ") is not finite");
        for (std::int32_t op : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
            if (p.host.readText(op, index, kHostParamTextChars).overrun)
                return fail("text opcode " + std::to_string(op) + " wrote past 64 bytes at index " +
                            std::to_string(index));
        }
    }
    Noise noise;
    p.fillInputs(kFrames, noise);
    p.processReplacing(kFrames);
    return p.outputsFinite(kFrames) ? pass() : fail("non-finite output afterwards");
}

Outcome valuesOutsideTheRange(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    const std::int32_t n = p.effect->numParams;
    std::vector<float> saved;
    for (std::int32_t i = 0; i < n; ++i) saved.push_back(p.host.getParameter(i));
    const float odd[] = {-1.0f,
                         2.0f,
                         1e30f,
                         -1e30f,
                         std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity()};
    Noise noise;
    for (float v : odd) {
        for (std::int32_t i = 0; i < n; ++i) p.host.setParameter(i, v);
        for (std::int32_t i = 0; i < n; ++i) p.host.readText(effGetParamDisplay, i, kHostParamTextChars);
        p.fillInputs(kFrames, noise);
        p.processReplacing(kFrames);
        for (std::int32_t i = 0; i < n; ++i) p.host.setParameter(i, saved[static_cast<std::size_t>(i)]);
        bool recovered = false;
        for (int b = 0; b < 16 && !recovered; ++b) {
            p.fillInputs(kFrames, noise);
            p.processReplacing(kFrames);
            recovered = p.outputsFinite(kFrames);
        }
        if (!recovered) return fail("output not finite again after every parameter was " + std::to_string(v));
    }
    return pass();
}

Outcome textsFitTheirBuffers(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    struct Text {
        std::int32_t opcode;
        const char* what;
        std::size_t chars;
    };
    const Text paramTexts[] = {{effGetParamName, "name", paramTextLimit()},
                               {effGetParamLabel, "label", paramTextLimit()},
                               {effGetParamDisplay, "display", paramTextLimit()}};
    for (std::int32_t i = 0; i < p.effect->numParams; ++i) {
        for (const auto& t : paramTexts) {
            const auto r = p.host.readText(t.opcode, i, t.chars);
            if (r.overrun || (!r.untouched && !r.terminated))
                return fail(std::string("parameter ") + std::to_string(i) + " " + t.what + " \"" + r.text +
                            "\" is longer than " + std::to_string(t.chars) + " characters");
        }
    }
    const Text plugTexts[] = {{effGetEffectName, "effect name", 31},
                              {effGetVendorString, "vendor", 63},
                              {effGetProductString, "product", 63},
                              {effGetProgramName, "program name", kProgramNameChars}};
    for (const auto& t : plugTexts) {
        const auto r = p.host.readText(t.opcode, 0, t.chars);
        if (r.overrun || (!r.untouched && !r.terminated))
            return fail(std::string(t.what) + " is longer than " + std::to_string(t.chars) + " characters");
    }
    for (std::int32_t prog = 0; prog < p.effect->numPrograms; ++prog) {
        const auto r = p.host.readText(effGetProgramNameIndexed, prog, kProgramNameChars);
        if (r.overrun || (!r.untouched && !r.terminated))
            return fail("indexed program name " + std::to_string(prog) + " is longer than 24 bytes");
    }
    return pass(options().strict ? "parameter texts within 8 characters" : "parameter texts within 63 characters");
}

Outcome programNamesFit(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    std::string longName(300, 'L');
    for (std::int32_t prog = 0; prog < p.effect->numPrograms; ++prog) {
        p.host.dispatch(effSetProgram, 0, prog);
        if (prog % 2) p.host.dispatch(effSetProgramName, 0, 0, &longName[0]);
        const auto r = p.host.readText(effGetProgramName, 0, kProgramNameChars);
        if (r.overrun || !r.terminated)
            return fail("program " + std::to_string(prog) + " name \"" + r.text + "\" exceeds 24 bytes");
    }
    // A host may hand a read-only or an empty name.
    static const char kConstantName[] = "Constant";
    p.host.dispatch(effSetProgramName, 0, 0, const_cast<char*>(kConstantName));
    char empty[] = "";
    p.host.dispatch(effSetProgramName, 0, 0, empty);
    return pass();
}

Outcome manyProgramChanges(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    const std::int32_t programs = p.effect->numPrograms, params = p.effect->numParams;
    if (programs <= 0) return notApplicable("no programs");
    Noise random(13, 0.5f);
    Noise noise;
    char name[] = "Edited";
    for (int i = 0; i < 1000; ++i) {
        const auto prog = static_cast<std::int32_t>((random() + 0.5f) * programs) % programs;
        p.host.dispatch(effSetProgram, 0, prog);
        if (p.host.dispatch(effGetProgram) != prog)
            return fail("effGetProgram does not answer the program just selected (" + std::to_string(prog) + ")");
        if (params > 0)
            p.host.setParameter(static_cast<std::int32_t>((random() + 0.5f) * params) % params, random() + 0.5f);
        if (i % 10 == 0) p.host.dispatch(effSetProgramName, 0, 0, name);
        if (i % 50 == 0) {
            p.fillInputs(kFrames, noise);
            p.processReplacing(kFrames);
            if (!p.outputsFinite(kFrames)) return fail("non-finite output after program changes");
        }
    }
    for (std::int32_t prog : {-1, programs, INT_MAX}) p.host.dispatch(effSetProgram, 0, prog);
    const auto current = p.host.dispatch(effGetProgram);
    if (current < 0 || current >= programs) return fail("an out-of-range program was selected");
    return pass("1000 changes");
}

}  // namespace

void addParameterChecks(std::vector<Check>& checks) {
    checks.push_back({4, "parameter indices -1, numParams, INT_MAX", indicesOutsideTheRange});
    checks.push_back({4, "values outside 0..1, NaN, Inf, then sane again", valuesOutsideTheRange});
    checks.push_back({4, "every text fits its buffer", textsFitTheirBuffers});
    checks.push_back({4, "program names within 24 bytes", programNamesFit});
    checks.push_back({4, "1000 program changes with edits", manyProgramChanges});
}

}  // namespace validate
