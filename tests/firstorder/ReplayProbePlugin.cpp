// A panner subclass for tests, shaped like the editor builds: it passes every
// setParameter on to the panner and records the index and value, so a test can see what
// a subclass receives when a program is selected. Its vendor-specific opcode (index 1)
// copies the record into ptr (an array of ReplayEntry) and answers the count; index 2
// clears it.
#include <cstring>

#include "PanPlugin.h"
#include "PluginEntry.h"
#include "ReplayEntry.h"

namespace {

class ReplayProbe : public PanPlugin {
public:
    ReplayProbe(audioMasterCallback audioMaster, PanVariant variant) : PanPlugin(audioMaster, variant) {}

    void setParameter(std::int32_t index, float value) override {
        PanPlugin::setParameter(index, value);
        if (count_ < kCapacity) entries_[count_++] = {index, value};
    }

    std::int32_t vendorSpecific(std::int32_t index, std::intptr_t, void* ptr, float) override {
        if (index == 1 && ptr) {
            std::memcpy(ptr, entries_, sizeof(ReplayEntry) * static_cast<std::size_t>(count_));
            return count_;
        }
        if (index == 2) count_ = 0;
        return 0;
    }

private:
    static constexpr std::int32_t kCapacity = kReplayCapacity;
    ReplayEntry entries_[kCapacity] = {};
    std::int32_t count_ = 0;
};

}  // namespace

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) {
#if ORVA_PROBE_MASTER
    return new ReplayProbe(audioMaster, PanVariant::Master);
#else
    return new ReplayProbe(audioMaster, PanVariant::Effect);
#endif
}
