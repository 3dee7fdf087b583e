// Shared pieces of the render tool: loading a library as a host does and naming things.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "TestHost.h"

namespace render {

// A failure the user caused or can fix; main prints it as one line and exits non-zero.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Loads LIB and creates one instance; throws UsageError when it is not a VST 2 plug-in.
std::unique_ptr<testhost::TestHost> loadPlugin(const std::string& path);

// The unique ID as four characters (first character in the most significant byte).
std::string fourCharText(std::int32_t code);

// Parameter index for a name (exact, else ignoring case and surrounding blanks) or a
// decimal index; throws UsageError when there is no such parameter.
std::int32_t findParameter(testhost::TestHost& host, const std::string& nameOrIndex);

std::string trimmed(const std::string& text);

// A --set value: a number from 0 to 1; throws UsageError naming the parameter otherwise.
float parseValue(const std::string& text, const std::string& name);

int runInfo(const std::string& library);
// For a library with an editor: its size from effEditGetRect (render info).
void printEditorSize(testhost::TestHost& host);

struct RunOptions {
    std::string library, input, output;
    std::vector<std::pair<std::string, std::string>> settings;  // NAME|INDEX, VALUE
    int program = -1;
    double rateHz = 0;  // 0: the input file's rate
    int blockFrames = 512;
    bool accumulate = false;
    bool plainWav = false;  // the plain format block even for more than two channels
};
int runRun(const RunOptions& options);

struct ShotOptions {
    std::string library, output;
    std::vector<std::pair<std::string, std::string>> settings;  // NAME|INDEX, VALUE
};
// Opens the editor in a window of its own on the X display and saves it as PNG.
int runShot(const ShotOptions& options);

}  // namespace render
