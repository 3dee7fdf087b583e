// render: a command-line VST 2 host.
//   render info LIB
//   render run LIB in.wav out.wav [--set NAME|INDEX=VALUE ...] [--program N] [--rate HZ]
//                                 [--block N] [--accumulate] [--plain-wav]
//   render shot LIB out.png [--set NAME|INDEX=VALUE ...]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "RenderCommon.h"

namespace {

const char kUsage[] =
    "usage: render info LIB\n"
    "       render run LIB in.wav out.wav [--set NAME|INDEX=VALUE ...] [--program N]\n"
    "                                     [--rate HZ] [--block N] [--accumulate] [--plain-wav]\n"
    "       render shot LIB out.png [--set NAME|INDEX=VALUE ...]\n"
    "  run writes 32-bit float WAV, WAVE_FORMAT_EXTENSIBLE above two channels (first-order\n"
    "  B-format outputs marked Ambisonic); --plain-wav writes the plain format block.\n";

long parseInteger(const std::string& text, const char* what, long low, long high) {
    char* end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || v < low || v > high)
        throw render::UsageError(std::string(what) + " must be a whole number from " + std::to_string(low) + " to " +
                                 std::to_string(high) + ", not '" + text + "'");
    return v;
}

std::pair<std::string, std::string> parseSetting(const std::string& assignment) {
    auto eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0)
        throw render::UsageError("--set takes NAME=VALUE or INDEX=VALUE, not '" + assignment + "'");
    return {assignment.substr(0, eq), assignment.substr(eq + 1)};
}

render::ShotOptions parseShot(int argc, char** argv) {
    if (argc < 4) throw render::UsageError("shot needs LIB and an output PNG");
    render::ShotOptions o;
    o.library = argv[2];
    o.output = argv[3];
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg != "--set") throw render::UsageError("unknown option '" + arg + "'");
        if (i + 1 >= argc) throw render::UsageError(arg + " needs a value");
        o.settings.push_back(parseSetting(argv[++i]));
    }
    return o;
}

render::RunOptions parseRun(int argc, char** argv) {
    if (argc < 5) throw render::UsageError("run needs LIB, an input WAV and an output WAV");
    render::RunOptions o;
    o.library = argv[2];
    o.input = argv[3];
    o.output = argv[4];
    for (int i = 5; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) throw render::UsageError(arg + " needs a value");
            return argv[++i];
        };
        if (arg == "--set") {
            o.settings.push_back(parseSetting(next()));
        } else if (arg == "--program") {
            o.program = static_cast<int>(parseInteger(next(), "--program", 0, 1 << 20));
        } else if (arg == "--rate") {
            o.rateHz = static_cast<double>(parseInteger(next(), "--rate", 1000, 768000));
        } else if (arg == "--block") {
            o.blockFrames = static_cast<int>(parseInteger(next(), "--block", 1, 65536));
        } else if (arg == "--accumulate") {
            o.accumulate = true;
        } else if (arg == "--plain-wav") {
            o.plainWav = true;
        } else {
            throw render::UsageError("unknown option '" + arg + "'");
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        std::string command = argc > 1 ? argv[1] : "";
        if (command == "info" && argc == 3) return render::runInfo(argv[2]);
        if (command == "run") return render::runRun(parseRun(argc, argv));
        if (command == "shot") return render::runShot(parseShot(argc, argv));
        if (command == "-h" || command == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        std::fputs(kUsage, stderr);
        return 2;
    } catch (const render::UsageError& e) {
        std::fprintf(stderr, "render: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "render: %s\n", e.what());
        return 1;
    }
}
