// Group 6: chunks as hosts handle them: fetched twice, restored from truncated, random,
// foreign, empty or missing data, and restored before a program selection.
#include <cstring>
#include <memory>

#include "Check.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 256;

bool usesChunks(const Plugin& p) { return (p.effect->flags & effFlagsProgramChunks) != 0; }

std::vector<unsigned char> fetchChunk(Plugin& p, std::int32_t bank, std::intptr_t* size) {
    void* data = nullptr;
    *size = p.host.dispatch(effGetChunk, bank, 0, &data);
    if (!data || *size <= 0) return {};
    const auto* bytes = static_cast<const unsigned char*>(data);
    return std::vector<unsigned char>(bytes, bytes + *size);
}

// Hands the plug-in exactly `size` bytes in a heap block of that size, so that a read past
// the end is a read past the block.
void giveChunk(Plugin& p, std::int32_t bank, const unsigned char* bytes, std::size_t size) {
    std::unique_ptr<unsigned char[]> exact(new unsigned char[size ? size : 1]);
    if (size) std::memcpy(exact.get(), bytes, size);
    p.host.dispatch(effSetChunk, bank, static_cast<std::intptr_t>(size), exact.get());
}

std::vector<float> values(Plugin& p) {
    std::vector<float> v;
    for (std::int32_t i = 0; i < p.effect->numParams; ++i) v.push_back(p.host.getParameter(i));
    return v;
}

Outcome chunkTwice(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!usesChunks(p)) return notApplicable("no chunks");
    for (std::int32_t bank : {0, 1}) {
        std::intptr_t first = 0, second = 0;
        const auto a = fetchChunk(p, bank, &first);
        const auto b = fetchChunk(p, bank, &second);
        if (first <= 0) return fail("effGetChunk gave no data");
        if (a != b) return fail("two effGetChunk calls without a change differ");
        // The block stays readable and unchanged across audio and parameter reads until the
        // next chunk call (a sanitizer build catches a block freed too early).
        void* data = nullptr;
        const auto size = p.host.dispatch(effGetChunk, bank, 0, &data);
        Noise noise;
        p.fillInputs(kFrames, noise);
        p.processReplacing(kFrames);
        for (std::int32_t i = 0; i < p.effect->numParams; ++i) p.host.getParameter(i);
        const auto* bytes = static_cast<const unsigned char*>(data);
        if (!data || size != first || std::vector<unsigned char>(bytes, bytes + size) != a)
            return fail("the chunk block changed before the next chunk call");
    }
    return pass("bank and program chunks");
}

Outcome badChunks(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!usesChunks(p)) return notApplicable("no chunks");
    std::intptr_t size = 0;
    const auto good = fetchChunk(p, 0, &size);
    if (good.empty()) return fail("effGetChunk gave no data");
    Noise random(23);
    std::vector<unsigned char> noise(good.size() * 4 + 64);
    for (auto& byte : noise) byte = static_cast<unsigned char>(random.engine()());
    static const char kForeign[] = "CcnK\0\0\0@FBChVstW\0\0\0\1foreign plug-in state with other fields";
    const std::string foreign(kForeign, sizeof kForeign - 1);
    for (std::int32_t bank : {0, 1}) {
        for (std::size_t cut : {good.size() - 1, good.size() / 2, std::size_t{1}}) giveChunk(p, bank, good.data(), cut);
        giveChunk(p, bank, noise.data(), good.size());
        giveChunk(p, bank, noise.data(), noise.size());
        giveChunk(p, bank, reinterpret_cast<const unsigned char*>(foreign.data()), foreign.size());
        giveChunk(p, bank, good.data(), 0);
        p.host.dispatch(effSetChunk, bank, static_cast<std::intptr_t>(good.size()), nullptr);
        p.host.dispatch(effSetChunk, bank, -1, noise.data());
    }
    giveChunk(p, 0, good.data(), good.size());
    Noise signal;
    for (int b = 0; b < 16; ++b) {
        p.fillInputs(kFrames, signal);
        p.processReplacing(kFrames);
    }
    return p.outputsFinite(kFrames) ? pass("truncated, random, foreign, empty, null")
                                    : fail("non-finite output after the good chunk was restored");
}

// Save, change everything, restore, select the current program: the restored values stay.
Outcome restoreThenSelectProgram(const std::string& lib) {
    Plugin p(lib);
    if (!p.ready()) return fail(p.error());
    if (!usesChunks(p)) return notApplicable("no chunks");
    for (std::int32_t bank : {0, 1}) {
        std::intptr_t size = 0;
        const auto saved = fetchChunk(p, bank, &size);
        if (saved.empty()) return fail("effGetChunk gave no data");
        Noise random(29 + static_cast<std::uint32_t>(bank), 0.5f);
        for (std::int32_t i = 0; i < p.effect->numParams; ++i) p.host.setParameter(i, random() + 0.5f);
        giveChunk(p, bank, saved.data(), saved.size());
        const std::vector<float> restored = values(p);
        std::intptr_t again = 0;
        if (fetchChunk(p, bank, &again) != saved) return fail("the chunk read back differs from the one restored");
        p.host.dispatch(effSetProgram, 0, p.host.dispatch(effGetProgram));
        const std::vector<float> selected = values(p);
        for (std::size_t i = 0; i < selected.size(); ++i)
            if (!(selected[i] == restored[i]))
                return fail("parameter " + std::to_string(i) + " changed from " + std::to_string(restored[i]) + " to " +
                            std::to_string(selected[i]) + " when the current program was selected after a restore");
    }
    return pass();
}

}  // namespace

void addStateChecks(std::vector<Check>& checks) {
    checks.push_back({6, "getChunk twice gives the same data, valid until the next call", chunkTwice});
    checks.push_back({6, "setChunk truncated, random, foreign, size 0, null", badChunks});
    checks.push_back({6, "save, change, restore, select program keeps the saved values", restoreThenSelectProgram});
}

}  // namespace validate
