// A small VST 2 host for tests: loads a built plug-in library by path exactly as a host
// does, answers host callbacks, records every call the plug-in makes, reads texts into
// guarded buffers and runs audio blocks in replacing, accumulating and in-place modes
// with guard samples around every buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AEffect.h"

namespace testhost {

using EntryProc = AEffect* (*)(audioMasterCallback);

// One loaded shared library. Unloads on destruction.
class PluginLibrary {
public:
    static std::unique_ptr<PluginLibrary> open(const std::string& path, std::string* error);
    ~PluginLibrary();
    // VSTPluginMain when exported, else `main`; null when neither is.
    EntryProc entry() const { return entry_; }
    EntryProc symbol(const char* name) const;

private:
    PluginLibrary() = default;
    void* handle_ = nullptr;
    EntryProc entry_ = nullptr;
};

struct HostCall {
    std::int32_t opcode;
    std::int32_t index;
    std::intptr_t value;
    void* ptr;
    float opt;
};

enum class ProcessMode { Replacing, Accumulating, InPlace };

struct TextResult {
    std::string text;
    bool terminated = false;  // a NUL within the allowed length
    bool overrun = false;     // a byte beyond the allowed length (plus its NUL) was written
    bool untouched = false;   // the plug-in wrote nothing at all
};

struct BlockResult {
    std::vector<std::vector<float>> outputs;
    bool guardsIntact = true;
};

class TestHost {
public:
    // Loads the library; check loaded() / error().
    explicit TestHost(const std::string& libraryPath);
    ~TestHost();

    bool loaded() const { return library_ != nullptr; }
    const std::string& error() const { return error_; }

    // Host answers. The version query answers `versionAnswer` (2400 unless changed).
    std::intptr_t versionAnswer = 2400;
    float sampleRate = 44100.0f;
    std::int32_t blockSize = 512;
    // Fixed answers for further opcodes (default 0).
    std::map<std::int32_t, std::intptr_t> answers;
    // Keep a record of every host callback (tools running long files turn it off).
    bool recordCalls = true;
    // Called for every host callback after it is recorded; may call back into the plug-in.
    std::function<void(const HostCall&)> onCall;

    // Calls the entry point with this host's callback. Returns the record (or null).
    AEffect* instantiate(EntryProc entry = nullptr);
    // effOpen, sample rate, block size and mains on, as hosts do before audio.
    AEffect* instantiateAndStart();
    AEffect* effect() const { return effect_; }
    // Sends effClose (if an instance exists) and forgets the record.
    std::intptr_t close();

    std::intptr_t dispatch(std::int32_t opcode, std::int32_t index = 0, std::intptr_t value = 0,
                           void* ptr = nullptr, float opt = 0.0f);
    void setParameter(std::int32_t index, float value);
    float getParameter(std::int32_t index);

    // Reads a text through a text opcode into a buffer that allows `maxLength` characters
    // plus NUL and detects writes beyond that.
    TextResult readText(std::int32_t opcode, std::int32_t index, std::size_t maxLength);
    std::string parameterName(std::int32_t index) { return readText(effGetParamName, index, 8).text; }
    std::string parameterLabel(std::int32_t index) { return readText(effGetParamLabel, index, 8).text; }
    std::string parameterDisplay(std::int32_t index) { return readText(effGetParamDisplay, index, 8).text; }
    std::string programName() { return readText(effGetProgramName, 0, 24).text; }

    // Runs one block. Inputs shorter than `frames` are padded with 0. Missing input
    // channels are silence. In accumulating mode outputs start at `accumulateStart`.
    BlockResult runBlock(ProcessMode mode, const std::vector<std::vector<float>>& inputs, std::int32_t frames,
                         float accumulateStart = 0.0f);
    // Runs a signal through in blocks of `block` frames; returns the concatenated outputs.
    BlockResult runSignal(ProcessMode mode, const std::vector<std::vector<float>>& inputs, std::int32_t frames,
                          std::int32_t block);

    const std::vector<HostCall>& calls() const { return calls_; }
    void clearCalls() { calls_.clear(); }
    std::vector<HostCall> callsWith(std::int32_t opcode) const;
    // True when every beginEdit was followed by an endEdit of the same index, unnested.
    bool editGesturesBalanced() const;

private:
    static std::intptr_t callback(AEffect* effect, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                                  void* ptr, float opt);
    std::intptr_t answer(const HostCall& call);

    std::unique_ptr<PluginLibrary> library_;
    std::string error_;
    AEffect* effect_ = nullptr;
    std::vector<HostCall> calls_;
};

// Path of a built library in this platform's dist folder: pluginPath("orva_field") or
// pluginPath("test-only/orva_testplugin"). ORVA_DIST_DIR in the environment overrides the
// folder the build put in.
std::string pluginPath(const std::string& name);

}  // namespace testhost
