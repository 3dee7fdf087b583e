// render info: identity, parameters and programs of a library.
#include <sys/stat.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "RenderCommon.h"

namespace render {

namespace {

// Generous buffers for foreign plug-ins, which often write more than the classic limits.
constexpr std::size_t kTextLimit = 255;

const char* categoryName(std::intptr_t category) {
    static const char* names[] = {"Unknown", "Effect",     "Synth",       "Analysis",       "Mastering", "Spacializer",
                                  "RoomFx",  "SurroundFx", "Restoration", "OfflineProcess", "Shell",     "Generator"};
    return (category >= 0 && category < 12) ? names[category] : "?";
}

std::string flagNames(std::int32_t flags) {
    static const std::pair<std::int32_t, const char*> names[] = {{effFlagsHasEditor, "HasEditor"},
                                                                 {effFlagsHasClip, "HasClip"},
                                                                 {effFlagsHasVu, "HasVu"},
                                                                 {effFlagsCanMono, "CanMono"},
                                                                 {effFlagsCanReplacing, "CanReplacing"},
                                                                 {effFlagsProgramChunks, "ProgramChunks"},
                                                                 {effFlagsIsSynth, "IsSynth"},
                                                                 {effFlagsNoSoundInStop, "NoSoundInStop"},
                                                                 {effFlagsExtIsAsync, "ExtIsAsync"},
                                                                 {effFlagsExtHasBuffer, "ExtHasBuffer"}};
    std::string text;
    for (const auto& [bit, name] : names)
        if (flags & bit) text += (text.empty() ? "" : " ") + std::string(name);
    return text.empty() ? "none" : text;
}

// A text as a host shows it: what the plug-in wrote, or nothing when it wrote nothing.
std::string hostText(testhost::TestHost& host, std::int32_t opcode, std::int32_t index) {
    auto result = host.readText(opcode, index, kTextLimit);
    return result.untouched ? "" : result.text;
}

std::string programNameAt(testhost::TestHost& host, std::int32_t index) {
    char name[kTextLimit + 1] = "";
    if (host.dispatch(effGetProgramNameIndexed, index, -1, name) == 1) return name;
    host.dispatch(effSetProgram, 0, index);
    return hostText(host, effGetProgramName, 0);
}

}  // namespace

std::string trimmed(const std::string& text) {
    auto begin = text.find_first_not_of(' ');
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

std::string fourCharText(std::int32_t code) {
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        auto c = static_cast<unsigned char>((static_cast<std::uint32_t>(code) >> shift) & 0xFF);
        text += std::isprint(c) ? static_cast<char>(c) : '?';
    }
    return text;
}

std::unique_ptr<testhost::TestHost> loadPlugin(const std::string& path) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) throw UsageError("no such file: " + path);
    auto host = std::make_unique<testhost::TestHost>(path);
    host->recordCalls = false;
    if (!host->loaded()) throw UsageError("cannot load " + path + ": " + host->error());
    AEffect* effect = host->instantiate();
    if (!effect) throw UsageError(path + " is not a VST 2 plug-in (no entry point, or it refused to start)");
    if (effect->magic != kEffectMagic) throw UsageError(path + " is not a VST 2 plug-in (bad record)");
    host->dispatch(effOpen);
    return host;
}

std::int32_t findParameter(testhost::TestHost& host, const std::string& nameOrIndex) {
    const std::int32_t count = host.effect()->numParams;
    char* end = nullptr;
    long index = std::strtol(nameOrIndex.c_str(), &end, 10);
    if (!nameOrIndex.empty() && *end == 0) {
        if (index < 0 || index >= count)
            throw UsageError("parameter index " + nameOrIndex + " is out of range (0.." + std::to_string(count - 1) +
                             ")");
        return static_cast<std::int32_t>(index);
    }
    auto lower = [](std::string s) {
        for (auto& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    std::int32_t loose = -1;
    for (std::int32_t i = 0; i < count; ++i) {
        std::string name = hostText(host, effGetParamName, i);
        if (name == nameOrIndex) return i;
        if (loose < 0 && lower(trimmed(name)) == lower(trimmed(nameOrIndex))) loose = i;
    }
    if (loose >= 0) return loose;
    throw UsageError("unknown parameter '" + nameOrIndex + "' (see 'render info')");
}

int runInfo(const std::string& library) {
    auto host = loadPlugin(library);
    AEffect* e = host->effect();
    auto text = [&](std::int32_t opcode, std::int32_t index = 0) { return hostText(*host, opcode, index); };
    std::printf("library:    %s\n", library.c_str());
    std::printf("unique id:  %s (0x%08x)\n", fourCharText(e->uniqueID).c_str(), static_cast<unsigned>(e->uniqueID));
    std::printf("vendor:     %s\n", text(effGetVendorString).c_str());
    std::printf("product:    %s\n", text(effGetProductString).c_str());
    std::printf("effect:     %s\n", text(effGetEffectName).c_str());
    const auto category = host->dispatch(effGetPlugCategory);
    std::printf("category:   %ld (%s)\n", static_cast<long>(category), categoryName(category));
    std::printf("channels:   %d in, %d out\n", e->numInputs, e->numOutputs);
    std::printf("flags:      %d (%s)\n", e->flags, flagNames(e->flags).c_str());
    printEditorSize(*host);
    std::printf("version:    %d (interface %ld)\n", e->version, static_cast<long>(host->dispatch(effGetVstVersion)));
    std::printf("parameters: %d\n", e->numParams);
    for (std::int32_t i = 0; i < e->numParams; ++i) {
        std::printf("  %3d  %-12s  %-8s  %-10s  %.6f\n", i, ("\"" + text(effGetParamName, i) + "\"").c_str(),
                    ("\"" + text(effGetParamLabel, i) + "\"").c_str(),
                    ("\"" + text(effGetParamDisplay, i) + "\"").c_str(), host->getParameter(i));
    }
    std::printf("programs:   %d\n", e->numPrograms);
    const auto current = host->dispatch(effGetProgram);
    for (std::int32_t i = 0; i < e->numPrograms; ++i)
        std::printf("  %3d  \"%s\"\n", i, programNameAt(*host, i).c_str());
    host->dispatch(effSetProgram, 0, current);
    return 0;
}

}  // namespace render
