// The record a VST 2 host exchanges with a plug-in, the opcodes both sides send, and the
// record's flag bits. Written from the published interface description; the layout is
// pinned by static_asserts at the end of this file.
#pragma once

#include <cstddef>
#include <cstdint>

struct AEffect;

// Host callback: (record or null, opcode, index, value, ptr, opt). `value` and the result
// are pointer-wide, as 64-bit hosts expect; on 32-bit targets both are 32 bits.
using audioMasterCallback = std::intptr_t (*)(AEffect*, std::int32_t, std::int32_t, std::intptr_t, void*,
                                              float);

using AEffectDispatcherProc = std::intptr_t (*)(AEffect*, std::int32_t, std::int32_t, std::intptr_t, void*,
                                                float);
using AEffectProcessProc = void (*)(AEffect*, float**, float**, std::int32_t);
using AEffectSetParameterProc = void (*)(AEffect*, std::int32_t, float);
using AEffectGetParameterProc = float (*)(AEffect*, std::int32_t);

// Packs four characters with the first one in the most significant byte.
constexpr std::int32_t fourCharCode(char a, char b, char c, char d) {
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16) |
                                     (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8) |
                                     static_cast<std::uint32_t>(static_cast<unsigned char>(d)));
}

constexpr std::int32_t kEffectMagic = fourCharCode('V', 's', 't', 'P');

struct AEffect {
    std::int32_t magic;
    AEffectDispatcherProc dispatcher;
    AEffectProcessProc process;
    AEffectSetParameterProc setParameter;
    AEffectGetParameterProc getParameter;
    std::int32_t numPrograms;
    std::int32_t numParams;
    std::int32_t numInputs;
    std::int32_t numOutputs;
    std::int32_t flags;
    std::intptr_t resvd1;
    std::intptr_t resvd2;
    std::int32_t initialDelay;
    std::int32_t realQualities;
    std::int32_t offQualities;
    float ioRatio;
    void* object;
    void* user;
    std::int32_t uniqueID;
    std::int32_t version;
    AEffectProcessProc processReplacing;
    // One pointer-wide slot (unused here; later hosts put a double-precision process there)
    // followed by 56 reserved bytes. All zero.
    char future[sizeof(void*) + 56];
};

#if INTPTR_MAX == INT32_MAX
static_assert(sizeof(AEffect) == 144, "32-bit record is 144 bytes");
static_assert(offsetof(AEffect, dispatcher) == 0x04 && offsetof(AEffect, numPrograms) == 0x14 &&
                  offsetof(AEffect, flags) == 0x24 && offsetof(AEffect, resvd1) == 0x28 &&
                  offsetof(AEffect, ioRatio) == 0x3C && offsetof(AEffect, object) == 0x40 &&
                  offsetof(AEffect, uniqueID) == 0x48 && offsetof(AEffect, processReplacing) == 0x50 &&
                  offsetof(AEffect, future) == 0x54,
              "32-bit record offsets");
#else
static_assert(sizeof(AEffect) == 192, "64-bit record is 192 bytes");
static_assert(offsetof(AEffect, dispatcher) == 8 && offsetof(AEffect, numPrograms) == 40 &&
                  offsetof(AEffect, flags) == 56 && offsetof(AEffect, resvd1) == 64 &&
                  offsetof(AEffect, initialDelay) == 80 && offsetof(AEffect, ioRatio) == 92 &&
                  offsetof(AEffect, object) == 96 && offsetof(AEffect, uniqueID) == 112 &&
                  offsetof(AEffect, processReplacing) == 120 && offsetof(AEffect, future) == 128,
              "64-bit record offsets");
#endif

enum EffectFlags : std::int32_t {
    effFlagsHasEditor = 1,
    effFlagsHasClip = 2,
    effFlagsHasVu = 4,
    effFlagsCanMono = 8,
    effFlagsCanReplacing = 16,
    effFlagsProgramChunks = 32,
    effFlagsIsSynth = 256,
    effFlagsNoSoundInStop = 512,
    effFlagsExtIsAsync = 1024,
    effFlagsExtHasBuffer = 2048,
};

// Opcodes the host sends to the plug-in's dispatcher.
enum EffectOpcodes : std::int32_t {
    effOpen = 0,
    effClose,
    effSetProgram,
    effGetProgram,
    effSetProgramName,
    effGetProgramName,
    effGetParamLabel,
    effGetParamDisplay,
    effGetParamName,
    effGetVu,
    effSetSampleRate,
    effSetBlockSize,
    effMainsChanged,
    effEditGetRect,
    effEditOpen,
    effEditClose,
    effEditDraw,
    effEditMouse,
    effEditKey,
    effEditIdle,
    effEditTop,
    effEditSleep,
    effIdentify,
    effGetChunk,
    effSetChunk,
    effProcessEvents,  // 25
    effCanBeAutomated,
    effString2Parameter,
    effGetNumProgramCategories,
    effGetProgramNameIndexed,
    effCopyProgram,  // 30
    effConnectInput,
    effConnectOutput,
    effGetInputProperties,
    effGetOutputProperties,
    effGetPlugCategory,  // 35
    effGetCurrentPosition,
    effGetDestinationBuffer,
    effOfflineNotify,
    effOfflinePrepare,
    effOfflineRun,  // 40
    effProcessVarIo,
    effSetSpeakerArrangement,
    effSetBlockSizeAndSampleRate,
    effSetBypass,
    effGetEffectName,  // 45
    effGetErrorText,
    effGetVendorString,
    effGetProductString,
    effGetVendorVersion,
    effVendorSpecific,  // 50
    effCanDo,
    effGetTailSize,
    effIdle,
    effGetIcon,
    effSetViewPosition,  // 55
    effGetParameterProperties,
    effKeysRequired,
    effGetVstVersion,
    effEditKeyDown,
    effEditKeyUp,  // 60
    effSetEditKnobMode,
    effGetMidiProgramName,
    effGetCurrentMidiProgram,
    effGetMidiProgramCategory,
    effHasMidiProgramsChanged,  // 65
    effGetMidiKeyName,
    effBeginSetProgram,
    effEndSetProgram,  // 68
};

// Opcodes the plug-in sends to the host callback.
enum AudioMasterOpcodes : std::int32_t {
    audioMasterAutomate = 0,
    audioMasterVersion = 1,
    audioMasterCurrentId = 2,
    audioMasterIdle = 3,
    audioMasterPinConnected = 4,
    audioMasterWantMidi = 6,
    audioMasterGetTime = 7,
    audioMasterProcessEvents = 8,
    audioMasterTempoAt = 10,
    audioMasterGetNumAutomatableParameters = 11,
    audioMasterGetParameterQuantization = 12,
    audioMasterIOChanged = 13,
    audioMasterNeedIdle = 14,
    audioMasterSizeWindow = 15,
    audioMasterGetSampleRate = 16,
    audioMasterGetBlockSize = 17,
    audioMasterGetInputLatency = 18,
    audioMasterGetOutputLatency = 19,
    audioMasterGetPreviousPlug = 20,
    audioMasterGetNextPlug = 21,
    audioMasterWillReplaceOrAccumulate = 22,
    audioMasterGetCurrentProcessLevel = 23,
    audioMasterGetAutomationState = 24,
    audioMasterOfflineStart = 25,
    audioMasterOfflineRead = 26,
    audioMasterOfflineWrite = 27,
    audioMasterOfflineGetCurrentPass = 28,
    audioMasterOfflineGetCurrentMetaPass = 29,
    audioMasterSetOutputSampleRate = 30,
    audioMasterGetSpeakerArrangement = 31,
    audioMasterGetVendorString = 32,
    audioMasterGetProductString = 33,
    audioMasterGetVendorVersion = 34,
    audioMasterVendorSpecific = 35,
    audioMasterCanDo = 37,
    audioMasterGetLanguage = 38,
    audioMasterOpenWindow = 39,
    audioMasterCloseWindow = 40,
    audioMasterGetDirectory = 41,
    audioMasterUpdateDisplay = 42,
    audioMasterBeginEdit = 43,
    audioMasterEndEdit = 44,
    audioMasterOpenFileSelector = 45,
    audioMasterCloseFileSelector = 46,
    audioMasterGetChunkFile = 48,
};

enum PlugCategories : std::int32_t {
    kPlugCategUnknown = 0,
    kPlugCategEffect = 1,
    kPlugCategSynth = 2,
    kPlugCategSpacializer = 5,
    kPlugSurroundFx = 7,
};

// Editor size as hosts read it: signed 16-bit top, left, bottom, right.
struct ERect {
    std::int16_t top;
    std::int16_t left;
    std::int16_t bottom;
    std::int16_t right;
};

// Key record handed to an editor for effEditKeyDown / effEditKeyUp.
struct VstKeyCode {
    std::int32_t character;
    std::uint8_t virt;
    std::uint8_t modifier;
};
