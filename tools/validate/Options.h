// Settings every check may read: strict mode, and the libraries named on the command line
// (the checks that load two deliverables into one process take the next one).
#pragma once

#include <string>
#include <vector>

namespace validate {

struct Options {
    bool strict = false;
};
Options& options();

// Passed to the child processes through the environment.
void setLibraryList(const std::vector<std::string>& libraries);
std::vector<std::string> libraryList();

}  // namespace validate
