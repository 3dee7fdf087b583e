// Factory of the test-only plain rig decoder library (no editor), for the tests of the
// tone file and the speaker test in folders of their own. Its messages about the test tone are recorded per instance instead of being
// shown in a blocking box (on Linux they also go to standard error), and its vendor-specific
// opcode is a back door for tests:
//   index 1   number of messages shown while the instance was constructed
//   index 2   message number `value` as a pointer to its text (valid while the instance
//             lives), or 0
//   index 3   1 when the test tone was loaded, else 0
//   index 4   tone length in samples
//   index 5   writes the plug-in's sample rate (float) to ptr
#include <string>
#include <utility>
#include <vector>

#include "PluginEntry.h"
#include "RigDecoderPlugin.h"
#include "ToneMessage.h"

namespace {

std::vector<std::string> pendingMessages;

void recordMessage(const char* text) {
    try {
        pendingMessages.emplace_back(text);
    } catch (...) {
    }
#if !defined(_WIN32)
    rig::showPlatformMessage(text);
#endif
}

class RigDecoderTestPlugin : public RigDecoderPlugin {
public:
    explicit RigDecoderTestPlugin(audioMasterCallback audioMaster)
        : RigDecoderPlugin(audioMaster), messages(std::move(pendingMessages)) {
        pendingMessages.clear();
    }

    std::intptr_t dispatcher(std::int32_t opcode, std::int32_t index, std::intptr_t value, void* ptr,
                             float opt) override {
        if (opcode != effVendorSpecific) return RigDecoderPlugin::dispatcher(opcode, index, value, ptr, opt);
        switch (index) {
            case 1: return static_cast<std::intptr_t>(messages.size());
            case 2:
                if (value < 0 || static_cast<std::size_t>(value) >= messages.size()) return 0;
                return reinterpret_cast<std::intptr_t>(messages[static_cast<std::size_t>(value)].c_str());
            case 3: return isToneLoaded() ? 1 : 0;
            case 4: return static_cast<std::intptr_t>(testTone().length);
            case 5:
                if (ptr) *static_cast<float*>(ptr) = getSampleRate();
                return 1;
            default: return 0;
        }
    }

private:
    std::vector<std::string> messages;
};

}  // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
    pendingMessages.clear();
    rig::setToneMessageSink(recordMessage);
    return new RigDecoderTestPlugin(audioMaster);
}
