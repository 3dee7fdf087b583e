// Runs this program again as a child for one check and collects what it prints.
#pragma once

#include <string>
#include <vector>

namespace validate {

struct ChildResult {
    std::string output;  // stdout and stderr together
    std::string how;     // how it ended, for a report when it printed no outcome
};

std::string selfPath(const char* argv0);
ChildResult runChild(const std::string& program, const std::vector<std::string>& args);

// Ends this process with a failure report when a check runs longer than a minute or
// (on Windows, where no signal reports it) when the plug-in crashes.
void startWatchdog();

}  // namespace validate
