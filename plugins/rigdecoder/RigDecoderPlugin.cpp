#include "RigDecoderPlugin.h"

#include <cstdio>
#include <cstring>
#include <new>

#include "LibraryFolder.h"
#include "PluginEditor.h"
#include "ProgramName.h"
#include "RigTables.h"
#include "ToneMessage.h"

namespace {

constexpr const char* kParamNames[] = {" Matrix ", "  Mode  ", " Volume ", " 1stOrd ", "SpkrTest", "TestLoop"};
constexpr const char* kParamLabels[] = {"rig-type", "CO2StrSF", "   dB   ", "yes / no", "on / off", "yes / no"};
constexpr std::size_t kPathSize = 1024;
constexpr int kChunkTextOffset = 24;

bool isParameter(std::int32_t index) { return index >= 0 && index < RigDecoderPlugin::kNumParams; }

// Bitwise equality, so that a NaN value still forms one run.
inline bool sameBits(float a, float b) {
    std::uint32_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
}

}  // namespace

RigDecoderPlugin::RigDecoderPlugin(audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams) {
    for (auto& v : values) v.store(0.0f, std::memory_order_relaxed);
    setProgram(0);
    setNumInputs(kNumInputs);
    setNumOutputs(kNumOutputs);
    canProcessReplacing();
    setUniqueID(fourCharCode('h', 'l', 'v', 'b'));
    programsAreChunks();
    loadTestTone();
    suspend();
}

void RigDecoderPlugin::setParameter(std::int32_t index, float value) {
    if (isParameter(index)) {
        relaxedStore(programs[curProgram].values[index], value);
        values[index].store(value, std::memory_order_relaxed);
        if (index == kSpeakerTest && value == 0.0f) restartTest.store(true, std::memory_order_relaxed);
    }
    if (editor) editor->markForRefresh();
}

float RigDecoderPlugin::getParameter(std::int32_t index) { return isParameter(index) ? value(index) : 0.0f; }

void RigDecoderPlugin::getParameterName(std::int32_t index, char* text) {
    if (isParameter(index)) std::strcpy(text, kParamNames[index]);
}

void RigDecoderPlugin::getParameterLabel(std::int32_t index, char* text) {
    if (isParameter(index)) std::strcpy(text, kParamLabels[index]);
}

void RigDecoderPlugin::getParameterDisplay(std::int32_t index, char* text) {
    switch (index) {
        case kRig: std::strcpy(text, "Pentagon"); break;
        case kBlend: std::strcpy(text, "StrctSF "); break;
        case kVolume: dB2string(value(kVolume), text); break;
        case kFirstOrder:
        case kSpeakerTest:
        case kTestLoop: float2string(value(index), text); break;
        default: break;
    }
}

void RigDecoderPlugin::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    // The audio thread reads curProgram when the test switches itself off; the one program
    // never changes it, so it is written only when it does change.
    if (curProgram != program) curProgram = program;
    for (std::int32_t i = 0; i < kNumParams; ++i) setParameter(i, relaxedLoad(programs[program].values[i]));
}

void RigDecoderPlugin::setProgramName(char* name) {
    storeProgramName(programs[curProgram].name, RigDecoderProgram::kNameSize, name);
}

void RigDecoderPlugin::getProgramName(char* name) { reportProgramName(programs[curProgram].name, curProgram, name); }

std::int32_t RigDecoderPlugin::getChunk(void** data, bool) {
    if (!chunk) chunk.reset(new (std::nothrow) unsigned char[kChunkSize]());
    if (!chunk) {
        *data = nullptr;
        return 0;
    }
    std::memset(chunk.get(), 0, kChunkSize);
    for (std::int32_t i = kRig; i <= kFirstOrder; ++i) {
        const float v = value(i);
        std::memcpy(chunk.get() + 4 * i, &v, sizeof v);
    }
    std::strcpy(reinterpret_cast<char*>(chunk.get()) + kChunkTextOffset, "Basic");
    *data = chunk.get();
    return kChunkSize;
}

// Restores the rig, blend, volume and first-order values, in the current values and the
// current program (so that selecting that program again keeps them); the test parameters
// and the editor are left alone. Data too short to hold the four values is ignored.
std::int32_t RigDecoderPlugin::setChunk(void* data, std::int32_t byteSize, bool) {
    if (!data || byteSize < 16) return 0;
    const auto* bytes = static_cast<const unsigned char*>(data);
    for (std::int32_t i = kRig; i <= kFirstOrder; ++i) {
        float v;
        std::memcpy(&v, bytes + 4 * i, sizeof v);
        values[i].store(v, std::memory_order_relaxed);
        relaxedStore(programs[curProgram].values[i], v);
    }
    return kChunkSize;
}

bool RigDecoderPlugin::getVendorString(char* text) {
    std::strcpy(text, "tolvenic");
    return true;
}

bool RigDecoderPlugin::getProductString(char* text) {
    std::strcpy(text, "Halvane");
    return true;
}

// Reads `testtone.wav` from the library's own folder once; every problem is shown to the
// user and leaves the plug-in working without a tone.
void RigDecoderPlugin::loadTestTone() {
    char folder[kPathSize];
    if (!rig::libraryFolder(folder, sizeof folder)) folder[0] = '\0';
    char fileName[kPathSize];
    std::snprintf(fileName, sizeof fileName, "%stesttone.wav", folder);
    std::FILE* file = std::fopen(fileName, "rb");
    if (!file) {
        char message[kPathSize + 128];
        std::snprintf(message, sizeof message, rig::kToneNotFoundFormat, fileName);
        rig::showToneMessage(message);
        return;
    }
    const char* error = rig::readTestTone(file, tone, sampleRate);
    std::fclose(file);
    if (error)
        rig::showToneMessage(error);
    else
        toneLoaded = true;
}

bool RigDecoderPlugin::FrameParameters::decodesLike(const FrameParameters& o) const {
    return !(test > 0.5f) && sameBits(rig, o.rig) && sameBits(blend, o.blend) && sameBits(volume, o.volume) &&
           sameBits(firstOrder, o.firstOrder);
}

RigDecoderPlugin::FrameParameters RigDecoderPlugin::readParameters() const {
    return {value(kSpeakerTest), value(kRig), value(kBlend), value(kVolume), value(kFirstOrder)};
}

void RigDecoderPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    processReplacing(inputs, outputs, sampleFrames);
}

// Frames are either test frames or decoded; consecutive decoded frames that read the same
// parameters are decoded together.
void RigDecoderPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    if (!inputs || !outputs) return;
    std::int32_t frame = 0;
    while (frame < sampleFrames) {
        FrameParameters p = readParameters();
        if (p.test > 0.5f) {
            if (playTestFrame(p, outputs, frame)) {
                ++frame;
                continue;
            }
            p = readParameters();  // the test has just switched itself off: decode this frame
            decodeFrames(p, inputs, outputs, frame, 1);
            ++frame;
            continue;
        }
        std::int32_t end = frame + 1;
        while (end < sampleFrames && readParameters().decodesLike(p)) ++end;
        decodeFrames(p, inputs, outputs, frame, end - frame);
        frame = end;
    }
}

void RigDecoderPlugin::decodeFrames(const FrameParameters& p, float** inputs, float** outputs, std::int32_t start,
                                    std::int32_t frames) {
    if (p.rig == 0.0f) {
        rig::decodeStereo(inputs, outputs, start, frames, p.volume);
        return;
    }
    const rig::RigTable* table = rig::rigTableFor(p.rig, p.firstOrder == 1.0f);
    if (!table) {
        rig::silence(outputs, 0, start, frames);
        return;
    }
    matrix.prepare(*table, p.blend);
    matrix.decode(inputs, outputs, start, frames, p.volume);
}

// One frame of the loudspeaker test: the current speaker plays the next tone sample at the
// volume, every other output is silent. Answers false when the test has ended instead (no
// tone, an empty tone, a rig without speakers, or the last speaker done without loop); it
// then switches the test off through the host's automation, from this audio thread.
bool RigDecoderPlugin::playTestFrame(const FrameParameters& p, float** outputs, std::int32_t frame) {
    if (restartTest.exchange(false, std::memory_order_relaxed)) {
        currentSpeaker = 0;
        tonePosition = 0;
    }
    const int speakers = rig::speakerCountForRig(p.rig);
    const bool nothingToPlay = !toneLoaded || tone.length == 0 || speakers == 0;
    if (!nothingToPlay && currentSpeaker >= speakers && value(kTestLoop) > 0.5f) currentSpeaker = 0;
    if (nothingToPlay || currentSpeaker >= speakers) {
        setParameterAutomated(kSpeakerTest, 0.0f);
        return false;
    }
    for (std::int32_t k = 0; k < kNumOutputs; ++k) outputs[k][frame] = 0.0f;
    outputs[currentSpeaker][frame] = tone.samples[tonePosition] * p.volume;
    if (++tonePosition >= tone.length) {
        ++currentSpeaker;
        tonePosition = 0;
    }
    return true;
}
