// The library's exported entry points. Compiled into every deliverable; the symbol map
// (cmake/exports.*) exports these two names and nothing else.
#include <new>

#include "AudioEffect.h"
#include "ModuleState.h"
#include "PluginEntry.h"

#if defined(_WIN32)
#define ORVA_EXPORT extern "C" __declspec(dllexport)
#else
#define ORVA_EXPORT extern "C" __attribute__((visibility("default")))
#endif

ORVA_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    if (!audioMaster) return nullptr;
    try {
        if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
        AudioEffect* effect = createEffectInstance(audioMaster);
        if (!effect) return nullptr;
        if (moduleOutOfMemory) {
            delete effect;
            return nullptr;
        }
        lastCreatedEffect = effect;
        return effect->getAeffect();
    } catch (...) {  // includes std::bad_alloc: the host gets null, never an exception
        return nullptr;
    }
}

// The legacy name. C++ reserves `main`, so this function is given the symbol by label on
// ELF targets; on Windows the module definition file exports VSTPluginMain as `main`.
#if !defined(_WIN32)
ORVA_EXPORT AEffect* legacyPluginMain(audioMasterCallback audioMaster) __asm__("main");
AEffect* legacyPluginMain(audioMasterCallback audioMaster) { return VSTPluginMain(audioMaster); }
#endif
