#include "TestHost.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace testhost {

namespace {

#if defined(_WIN32)
const char kLibrarySuffix[] = ".dll";
#else
const char kLibrarySuffix[] = ".so";
#endif

// Hosts that are constructing an instance (record not known yet) and hosts by record.
TestHost* instantiating = nullptr;
std::map<AEffect*, TestHost*>& hostsByEffect() {
    static std::map<AEffect*, TestHost*> hosts;
    return hosts;
}

constexpr std::size_t kGuardSamples = 16;
constexpr unsigned char kTextFill = 0xA5;

float guardValue() {
    // A signalling-looking bit pattern no plug-in writes by accident.
    std::uint32_t bits = 0x7FA5A5A5u;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

bool isGuard(float f) {
    float g = guardValue();
    return std::memcmp(&f, &g, sizeof f) == 0;
}

// A channel buffer with guard samples on both sides.
struct GuardedBuffer {
    std::vector<float> storage;
    explicit GuardedBuffer(std::size_t frames) : storage(frames + 2 * kGuardSamples, guardValue()) {}
    float* data() { return storage.data() + kGuardSamples; }
    bool intact(std::size_t frames) const {
        for (std::size_t i = 0; i < kGuardSamples; ++i)
            if (!isGuard(storage[i]) || !isGuard(storage[kGuardSamples + frames + i])) return false;
        return true;
    }
};

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::open(const std::string& path, std::string* error) {
    std::unique_ptr<PluginLibrary> lib(new PluginLibrary());
#if defined(_WIN32)
    lib->handle_ = reinterpret_cast<void*>(LoadLibraryA(path.c_str()));
    if (!lib->handle_) {
        if (error) *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
#else
    lib->handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib->handle_) {
        if (error) *error = dlerror();
        return nullptr;
    }
#endif
    lib->entry_ = lib->symbol("VSTPluginMain");
    if (!lib->entry_) lib->entry_ = lib->symbol("main");
    return lib;
}

EntryProc PluginLibrary::symbol(const char* name) const {
#if defined(_WIN32)
    return reinterpret_cast<EntryProc>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)));
#else
    return reinterpret_cast<EntryProc>(dlsym(handle_, name));
#endif
}

PluginLibrary::~PluginLibrary() {
#if defined(_WIN32)
    if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
#else
    if (handle_) dlclose(handle_);
#endif
}

TestHost::TestHost(const std::string& libraryPath) { library_ = PluginLibrary::open(libraryPath, &error_); }

TestHost::~TestHost() { close(); }

AEffect* TestHost::instantiate(EntryProc entry) {
    if (!entry && library_) entry = library_->entry();
    if (!entry) return nullptr;
    close();
    instantiating = this;
    effect_ = entry(&TestHost::callback);
    instantiating = nullptr;
    if (effect_) hostsByEffect()[effect_] = this;
    return effect_;
}

AEffect* TestHost::instantiateAndStart() {
    if (!instantiate()) return nullptr;
    dispatch(effOpen);
    dispatch(effSetSampleRate, 0, 0, nullptr, sampleRate);
    dispatch(effSetBlockSize, 0, blockSize);
    dispatch(effMainsChanged, 0, 1);
    return effect_;
}

std::intptr_t TestHost::close() {
    if (!effect_) return 0;
    AEffect* e = effect_;
    std::intptr_t result = e->dispatcher(e, effClose, 0, 0, nullptr, 0.0f);
    hostsByEffect().erase(e);
    effect_ = nullptr;
    return result;
}

std::intptr_t TestHost::dispatch(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                                 float opt) {
    if (!effect_) return 0;
    if (opcode == effClose) return close();
    return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

void TestHost::setParameter(std::int32_t index, float value) {
    if (effect_) effect_->setParameter(effect_, index, value);
}

float TestHost::getParameter(std::int32_t index) { return effect_ ? effect_->getParameter(effect_, index) : 0.0f; }

TextResult TestHost::readText(std::int32_t opcode, std::int32_t index, std::size_t maxLength) {
    TextResult result;
    std::vector<unsigned char> buffer(maxLength + 1 + 256, kTextFill);
    dispatch(opcode, index, 0, buffer.data(), 0.0f);
    for (std::size_t i = 0; i <= maxLength; ++i) {
        if (buffer[i] == 0) {
            result.terminated = true;
            result.text.assign(reinterpret_cast<char*>(buffer.data()), i);
            break;
        }
    }
    for (std::size_t i = maxLength + 1; i < buffer.size(); ++i)
        if (buffer[i] != kTextFill) result.overrun = true;
    result.untouched = true;
    for (unsigned char byte : buffer)
        if (byte != kTextFill) result.untouched = false;
    if (!result.terminated) result.text.assign(reinterpret_cast<char*>(buffer.data()), maxLength + 1);
    return result;
}

BlockResult TestHost::runBlock(ProcessMode mode, const std::vector<std::vector<float>>& inputs,
                               std::int32_t frames, float accumulateStart) {
    BlockResult result;
    if (!effect_ || frames < 0) return result;
    const auto n = static_cast<std::size_t>(frames);
    const auto numIn = static_cast<std::size_t>(effect_->numInputs);
    const auto numOut = static_cast<std::size_t>(effect_->numOutputs);

    std::vector<GuardedBuffer> inBuffers(numIn, GuardedBuffer(n));
    std::vector<GuardedBuffer> outBuffers(numOut, GuardedBuffer(n));
    std::vector<float*> in(numIn), out(numOut);
    for (std::size_t c = 0; c < numIn; ++c) {
        for (std::size_t i = 0; i < n; ++i)
            inBuffers[c].data()[i] = (c < inputs.size() && i < inputs[c].size()) ? inputs[c][i] : 0.0f;
        in[c] = inBuffers[c].data();
    }
    for (std::size_t c = 0; c < numOut; ++c) {
        for (std::size_t i = 0; i < n; ++i) outBuffers[c].data()[i] = accumulateStart;
        out[c] = outBuffers[c].data();
    }
    if (mode == ProcessMode::InPlace)  // the same array for input c and output c, as many hosts pass
        for (std::size_t c = 0; c < numIn && c < numOut; ++c) out[c] = in[c];

    float** inArg = numIn ? in.data() : nullptr;
    float** outArg = numOut ? out.data() : nullptr;
    if (mode == ProcessMode::Accumulating)
        effect_->process(effect_, inArg, outArg, frames);
    else
        effect_->processReplacing(effect_, inArg, outArg, frames);

    result.outputs.resize(numOut);
    for (std::size_t c = 0; c < numOut; ++c) result.outputs[c].assign(out[c], out[c] + n);
    for (auto& b : inBuffers) result.guardsIntact = result.guardsIntact && b.intact(n);
    for (auto& b : outBuffers) result.guardsIntact = result.guardsIntact && b.intact(n);
    return result;
}

BlockResult TestHost::runSignal(ProcessMode mode, const std::vector<std::vector<float>>& inputs,
                                std::int32_t frames, std::int32_t block) {
    BlockResult total;
    if (!effect_ || block <= 0) return total;
    total.outputs.assign(static_cast<std::size_t>(effect_->numOutputs), {});
    for (std::int32_t start = 0; start < frames; start += block) {
        const std::int32_t len = std::min(block, frames - start);
        std::vector<std::vector<float>> slice(inputs.size());
        for (std::size_t c = 0; c < inputs.size(); ++c)
            for (std::int32_t i = start; i < start + len; ++i)
                slice[c].push_back(static_cast<std::size_t>(i) < inputs[c].size() ? inputs[c][i] : 0.0f);
        BlockResult part = runBlock(mode, slice, len);
        total.guardsIntact = total.guardsIntact && part.guardsIntact;
        for (std::size_t c = 0; c < part.outputs.size(); ++c)
            total.outputs[c].insert(total.outputs[c].end(), part.outputs[c].begin(), part.outputs[c].end());
    }
    return total;
}

std::vector<HostCall> TestHost::callsWith(std::int32_t opcode) const {
    std::vector<HostCall> found;
    for (const auto& c : calls_)
        if (c.opcode == opcode) found.push_back(c);
    return found;
}

bool TestHost::editGesturesBalanced() const {
    std::int32_t open = -1;
    for (const auto& c : calls_) {
        if (c.opcode == audioMasterBeginEdit) {
            if (open != -1) return false;
            open = c.index;
        } else if (c.opcode == audioMasterEndEdit) {
            if (open != c.index) return false;
            open = -1;
        }
    }
    return open == -1;
}

std::intptr_t TestHost::answer(const HostCall& call) {
    auto fixed = answers.find(call.opcode);
    if (fixed != answers.end()) return fixed->second;
    switch (call.opcode) {
        case audioMasterVersion: return versionAnswer;
        case audioMasterGetSampleRate: return static_cast<std::intptr_t>(sampleRate);
        case audioMasterGetBlockSize: return blockSize;
        default: return 0;
    }
}

std::intptr_t TestHost::callback(AEffect* effect, std::int32_t opcode, std::int32_t index, std::intptr_t value,
                                 void* ptr, float opt) {
    TestHost* host = nullptr;
    auto found = hostsByEffect().find(effect);
    if (found != hostsByEffect().end()) host = found->second;
    else host = instantiating;
    if (!host) return opcode == audioMasterVersion ? 2400 : 0;
    HostCall call{opcode, index, value, ptr, opt};
    if (host->recordCalls) host->calls_.push_back(call);
    if (host->onCall) host->onCall(call);
    return host->answer(call);
}

std::string pluginPath(const std::string& name) {
    std::string dir;
    if (const char* env = std::getenv("ORVA_DIST_DIR")) dir = env;
#ifdef ORVA_DIST_DIR
    if (dir.empty()) dir = ORVA_DIST_DIR;
#endif
    return dir + "/" + name + kLibrarySuffix;
}

}  // namespace testhost
