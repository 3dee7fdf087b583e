// One check of the validator: a named test of one library, run in a process of its own so
// that a crash or a hang fails that check only.
#pragma once

#include <string>
#include <vector>

namespace validate {

struct Outcome {
    // NotApplicable: the plug-in lacks what the check needs (no editor, no chunks);
    // Skip: this run could not check it (no display, no interposer on this platform).
    enum Kind { Pass, Fail, Skip, NotApplicable } kind = Pass;
    std::string detail;
};

inline Outcome pass(std::string detail = {}) { return {Outcome::Pass, std::move(detail)}; }
inline Outcome fail(std::string detail) { return {Outcome::Fail, std::move(detail)}; }
inline Outcome skip(std::string detail) { return {Outcome::Skip, std::move(detail)}; }
inline Outcome notApplicable(std::string detail) { return {Outcome::NotApplicable, std::move(detail)}; }

struct Check {
    int group;
    const char* name;
    Outcome (*run)(const std::string& library);
};

// Group titles, indexed by group number 1 to 10.
const char* groupTitle(int group);

// Every check in group order; each group's file adds its own.
const std::vector<Check>& allChecks();

void addLifecycleChecks(std::vector<Check>& checks);
void addBufferChecks(std::vector<Check>& checks);
void addNumberChecks(std::vector<Check>& checks);
void addParameterChecks(std::vector<Check>& checks);
void addFuzzChecks(std::vector<Check>& checks);
void addStateChecks(std::vector<Check>& checks);
void addThreadChecks(std::vector<Check>& checks);
void addRealtimeChecks(std::vector<Check>& checks);
void addEditorChecks(std::vector<Check>& checks);
void addBinaryChecks(std::vector<Check>& checks);

}  // namespace validate
