// Group 10: what the library exports, the record it returns, and two libraries or two
// copies of one in one process.
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "Check.h"
#include "ExportTable.h"
#include "Options.h"
#include "Plugin.h"

namespace validate {

namespace {

constexpr std::int32_t kFrames = 512;

Outcome onlyTwoExports(const std::string& lib) {
    std::vector<std::string> names;
    std::string error;
    if (!readExports(lib, names, error)) return fail(error);
    bool hasMain = false, hasEntry = false;
    std::string extra;
    for (const auto& n : names) {
        if (n == "main")
            hasMain = true;
        else if (n == "VSTPluginMain")
            hasEntry = true;
        else if (extra.size() < 200)
            extra += (extra.empty() ? "" : ", ") + n;
    }
    if (!hasEntry) return fail("VSTPluginMain is not exported");
    if (!hasMain) return fail("the legacy main is not exported");
    if (!extra.empty()) return fail("exports more: " + extra);
    return pass();
}

// The record's layout as hosts of this pointer size read it.
Outcome recordLayout(const std::string& lib) {
    const bool wide = sizeof(void*) == 8;
    struct Field {
        const char* name;
        std::size_t offset, expected;
    } fields[] = {
        {"dispatcher", offsetof(AEffect, dispatcher), wide ? 8u : 4u},
        {"numPrograms", offsetof(AEffect, numPrograms), wide ? 40u : 20u},
        {"flags", offsetof(AEffect, flags), wide ? 56u : 36u},
        {"resvd1", offsetof(AEffect, resvd1), wide ? 64u : 40u},
        {"object", offsetof(AEffect, object), wide ? 96u : 64u},
        {"uniqueID", offsetof(AEffect, uniqueID), wide ? 112u : 72u},
        {"processReplacing", offsetof(AEffect, processReplacing), wide ? 120u : 80u},
        {"size", sizeof(AEffect), wide ? 192u : 144u},
    };
    for (const auto& f : fields)
        if (f.offset != f.expected)
            return fail(std::string("this build's record puts ") + f.name + " at " + std::to_string(f.offset));
    Plugin p(lib, false);
    if (!p.ready()) return fail(p.error());
    const AEffect* e = p.effect;
    if (!e->dispatcher || !e->setParameter || !e->getParameter || !e->process)
        return fail("a function pointer is null");
    if ((e->flags & effFlagsCanReplacing) && !e->processReplacing) return fail("replacing flagged but missing");
    if (e->numInputs < 0 || e->numOutputs < 0 || e->numInputs > 256 || e->numOutputs > 256)
        return fail("channel counts " + std::to_string(e->numInputs) + "/" + std::to_string(e->numOutputs));
    if (e->numParams < 0 || e->numPrograms < 0) return fail("negative parameter or program count");
    if (e->resvd1 || e->resvd2) return fail("reserved fields are not zero");
    const unsigned char* reserved = reinterpret_cast<const unsigned char*>(e->future) + sizeof(void*);
    for (std::size_t i = 0; i < 56; ++i)
        if (reserved[i]) return fail("the 56 reserved bytes at the end are not zero");
    return pass(wide ? "64-bit layout" : "32-bit layout");
}

std::vector<float> render(Plugin& p, std::uint32_t seed) {
    Noise noise(seed);
    std::vector<float> all;
    for (int b = 0; b < 8; ++b) {
        p.fillInputs(kFrames, noise);
        p.processReplacing(kFrames);
        for (const auto& c : p.out) all.insert(all.end(), c.begin(), c.begin() + kFrames);
    }
    return all;
}

// A second copy of the library in a folder of its own, with the files it finds beside
// itself (the rig decoder's test tone). Removed again when the check ends.
class LibraryCopy {
public:
    explicit LibraryCopy(const std::string& lib) {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path source(lib);
        folder_ = fs::temp_directory_path(ec) /
                  ("orva-validate-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        if (ec || !fs::create_directories(folder_, ec)) return;
        path_ = (folder_ / source.filename()).string();
        if (!fs::copy_file(source, path_, ec)) path_.clear();
        const fs::path tone = source.parent_path() / "testtone.wav";
        if (fs::exists(tone, ec)) fs::copy_file(tone, folder_ / "testtone.wav", ec);
    }
    ~LibraryCopy() {
        std::error_code ec;
        if (!folder_.empty()) std::filesystem::remove_all(folder_, ec);
    }
    const std::string& path() const { return path_; }

private:
    std::filesystem::path folder_;
    std::string path_;
};

Outcome twoCopiesInOneProcess(const std::string& lib) {
    std::vector<float> alone, first, second;
    {
        Plugin only(lib);
        if (!only.ready()) return fail(only.error());
        alone = render(only, 41);
    }
    const LibraryCopy copy(lib);
    if (copy.path().empty()) return skip("cannot write a copy into the temporary folder");
    Plugin a(lib), b(copy.path());
    if (!b.ready()) return fail("the copy: " + b.error());
    first = render(a, 41);
    second = render(b, 41);
    if (first != alone || second != alone) return fail("two copies in one process sound different from one alone");
    return pass();
}

Outcome twoDeliverablesInOneProcess(const std::string& lib) {
    const auto libraries = libraryList();
    std::string other;
    for (std::size_t i = 0; i < libraries.size(); ++i)
        if (libraries[i] == lib) other = libraries[(i + 1) % libraries.size()];
    if (other.empty() || other == lib) return notApplicable("only one library named");
    std::vector<float> alone;
    {
        Plugin only(lib);
        if (!only.ready()) return fail(only.error());
        alone = render(only, 43);
    }
    Plugin b(other), a(lib);
    if (!a.ready() || !b.ready()) return fail("cannot load both");
    render(b, 44);
    if (render(a, 43) != alone) return fail("sounds different with " + other + " loaded");
    return pass("with " + other.substr(other.find_last_of("/\\") + 1));
}

}  // namespace

void addBinaryChecks(std::vector<Check>& checks) {
    checks.push_back({10, "only main and VSTPluginMain exported", onlyTwoExports});
    checks.push_back({10, "record layout and fields", recordLayout});
    checks.push_back({10, "two copies in one process", twoCopiesInOneProcess});
    checks.push_back({10, "two deliverables in one process", twoDeliverablesInOneProcess});
}

}  // namespace validate
