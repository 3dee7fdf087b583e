// validate LIB... [--strict]: loads each VST 2 library as a host does and reports pass or
// fail for every check, grouped. Each check runs in a child process of this program, so a
// crash or hang of the plug-in fails that check and the run goes on.
//
// --in-process runs every check in this process instead (much faster where starting a
// program is slow, as under emulation; a crash then ends the whole run).
//
// --strict also fails checks this run could not make (no display, no interposer) and
// holds texts to what the interface documents but hosts tolerate (parameter texts beyond
// 8 characters). Checks of what a plug-in does not have (an editor, chunks) are "n/a".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Check.h"
#include "ChildProcess.h"
#include "Options.h"

namespace {

using validate::Outcome;

constexpr char kResultMarker[] = "@@result ";

// Runs one check here and prints its outcome after the marker; the parent reads it.
int runOneCheck(const std::string& library, const std::string& name) {
    for (const auto& check : validate::allChecks()) {
        if (name != check.name) continue;
        validate::startWatchdog();
        const Outcome o = check.run(library);
        static const char* const kWords[] = {"PASS", "FAIL", "SKIP", "NONE"};
        std::fflush(stdout);
        std::printf("\n%s%s %s\n", kResultMarker, kWords[o.kind], o.detail.c_str());
        std::fflush(stdout);
        return 0;
    }
    std::fprintf(stderr, "validate: no check named \"%s\"\n", name.c_str());
    return 2;
}

// The outcome a child reported, or a failure that says how it ended.
Outcome outcomeOf(const validate::ChildResult& child) {
    const std::size_t at = child.output.rfind(kResultMarker);
    if (at != std::string::npos) {
        std::string line = child.output.substr(at + sizeof kResultMarker - 1);
        line = line.substr(0, line.find_first_of("\r\n"));
        const std::string word = line.substr(0, 4);
        const std::string detail = line.size() > 5 ? line.substr(5) : "";
        if (word == "PASS") return validate::pass(detail);
        if (word == "SKIP") return validate::skip(detail);
        if (word == "NONE") return validate::notApplicable(detail);
        return validate::fail(detail);
    }
    std::string tail = child.output.size() > 200 ? child.output.substr(child.output.size() - 200) : child.output;
    for (char& c : tail)
        if (c == '\n' || c == '\r') c = ' ';
    return validate::fail("the plug-in crashed or hung (" + child.how + ")" + (tail.empty() ? "" : ": " + tail));
}

struct Tally {
    int passed = 0, failed = 0, skipped = 0, notApplicable = 0;
};

Tally validateLibrary(const std::string& self, const std::string& library, bool strict, bool inProcess) {
    std::printf("== %s\n", library.c_str());
    Tally tally;
    int group = 0;
    for (const auto& check : validate::allChecks()) {
        if (check.group != group) {
            group = check.group;
            std::printf("  %d %s\n", group, validate::groupTitle(group));
        }
        std::vector<std::string> args = {"--check", library, check.name};
        if (strict) args.push_back("--strict");
        const Outcome o = inProcess ? check.run(library) : outcomeOf(validate::runChild(self, args));
        const bool failed = o.kind == Outcome::Fail || (strict && o.kind == Outcome::Skip);
        const char* word = failed                             ? (o.kind == Outcome::Skip ? "FAIL (not run)" : "FAIL")
                           : o.kind == Outcome::Skip          ? "skip"
                           : o.kind == Outcome::NotApplicable ? "n/a"
                                                              : "pass";
        std::printf("    %-5s %s%s%s\n", word, check.name, o.detail.empty() ? "" : ": ", o.detail.c_str());
        std::fflush(stdout);
        if (failed)
            ++tally.failed;
        else if (o.kind == Outcome::Skip)
            ++tally.skipped;
        else if (o.kind == Outcome::NotApplicable)
            ++tally.notApplicable;
        else
            ++tally.passed;
    }
    std::printf("%s: %d passed, %d failed, %d skipped, %d n/a\n", library.c_str(), tally.passed, tally.failed,
                tally.skipped, tally.notApplicable);
    return tally;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> libraries;
    bool strict = false, inProcess = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check" && i + 2 < argc) {
            for (int j = i + 3; j < argc; ++j)
                if (std::strcmp(argv[j], "--strict") == 0) validate::options().strict = true;
            return runOneCheck(argv[i + 1], argv[i + 2]);
        }
        if (arg == "--strict")
            strict = true;
        else if (arg == "--in-process")
            inProcess = true;
        else if (arg == "--list") {
            for (const auto& c : validate::allChecks()) std::printf("%d %s\n", c.group, c.name);
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "validate: unknown option %s\n", arg.c_str());
            return 2;
        } else {
            libraries.push_back(arg);
        }
    }
    if (libraries.empty()) {
        std::fprintf(stderr, "usage: validate LIB... [--strict] [--in-process]\n");
        return 2;
    }
    validate::setLibraryList(libraries);
    validate::options().strict = strict;
    const std::string self = validate::selfPath(argv[0]);
    Tally total;
    for (const auto& library : libraries) {
        const Tally t = validateLibrary(self, library, strict, inProcess);
        total.passed += t.passed;
        total.failed += t.failed;
        total.skipped += t.skipped;
        total.notApplicable += t.notApplicable;
    }
    std::printf("validate: %d passed, %d failed, %d skipped, %d n/a\n", total.passed, total.failed, total.skipped,
                total.notApplicable);
    return total.failed == 0 ? 0 : 1;
}
