// The validator through its command line: a plug-in with known faults fails exactly the
// checks aimed at them, and the well-behaved test plug-in passes everything.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "../../tools/validate/RealtimeMonitor.h"
#include "TestHost.h"

namespace {

// Runs the validator on one library; answers each check's first word (pass, FAIL, n/a,
// skip) by check name, and the closing line.
std::map<std::string, std::string> validate(const std::string& library, std::string* summary) {
    const std::string command = std::string("\"") + ORVA_VALIDATE_PROGRAM + "\" \"" + library + "\" 2>&1";
#if defined(_WIN32)
    std::FILE* pipe = _popen(("\"" + command + "\"").c_str(), "r");
#else
    std::FILE* pipe = popen(command.c_str(), "r");
#endif
    std::map<std::string, std::string> results;
    if (!pipe) return results;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        std::string s(line);
        while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
        if (s.rfind("validate:", 0) == 0) *summary = s;
        if (s.rfind("    ", 0) != 0) continue;
        s = s.substr(4);
        const auto gap = s.find("  ");
        if (gap == std::string::npos) continue;
        const std::string word = s.substr(0, gap);
        std::string name = s.substr(s.find_first_not_of(' ', gap));
        name = name.substr(0, name.find(':'));
        results[name] = word;
    }
#if defined(_WIN32)
    _pclose(pipe);
#else
    pclose(pipe);
#endif
    return results;
}

TEST(Validator, FindsEachPlantedFault) {
    std::string summary;
    auto results = validate(testhost::pluginPath("test-only/orva_faulty"), &summary);
    ASSERT_FALSE(results.empty()) << "the validator printed no checks";
    const char* expectedFailures[] = {
        "finite again after NaN and Inf bursts",
        "every text fits its buffer",
        "blocks of 1 to 5 and odd sizes, guard samples",
        "setChunk truncated, random, foreign, size 0, null",
#if ORVA_REALTIME_MONITOR
        "no allocation, lock or system call while processing",
#endif
    };
    for (const char* name : expectedFailures) EXPECT_EQ(results[name], "FAIL") << name;
    EXPECT_EQ(results["only main and VSTPluginMain exported"], "pass");
    EXPECT_EQ(results["effOpen twice"], "pass");
    EXPECT_EQ(summary.find(" 0 failed"), std::string::npos) << summary;
}

TEST(Validator, PassesAWellBehavedPlugin) {
    std::string summary;
    auto results = validate(testhost::pluginPath("test-only/orva_testplugin"), &summary);
    ASSERT_FALSE(results.empty());
    for (const auto& [name, word] : results) EXPECT_NE(word, "FAIL") << name;
    EXPECT_NE(summary.find(" 0 failed"), std::string::npos) << summary;
}

}  // namespace
