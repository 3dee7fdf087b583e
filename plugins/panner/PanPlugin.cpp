#include "PanPlugin.h"

#include <algorithm>
#include <cstring>

#include "AngleConstants.h"
#include "PanGains.h"
#include "PluginEditor.h"
#include "ProgramName.h"
#include "SelectorIndex.h"

using bformat::kDegreesPerRadian;
using bformat::kPi;
using bformat::kTwoPi;

namespace {
// Blocks compare their values bytewise, so the record must be floats only.
static_assert(sizeof(PanValues) == 19 * sizeof(float), "PanValues holds only its nineteen floats");

}  // namespace

PanPlugin::PanPlugin(audioMasterCallback audioMaster, PanVariant variant)
    : AudioEffectX(audioMaster, kNumPrograms,
                   variant == PanVariant::Master ? kPanMasterParamCount : kPanEffectParamCount),
      variant_(variant),
      nameSize_(variant == PanVariant::Master ? kPanMasterNameSize : kPanEffectNameSize) {
    const PanValues initial = panDefaultValues();
    for (PanProgram& program : programs_) program.values = initial;
    for (std::int32_t m = 0; m < kPanMasterParamCount; ++m) relaxedStore(live_[m], kPanParams[m].defaultValue);
    setProgram(0);
    setNumInputs(2);
    setNumOutputs(4);
    setUniqueID(isMaster() ? fourCharCode('O', 'V', 'm', 's') : fourCharCode('O', 'V', 'e', 's'));
    canMono(true);
    canProcessReplacing(true);
}

std::int32_t PanPlugin::masterIndexOf(std::int32_t index) const {
    if (index < 0 || index >= numParams) return -1;
    return isMaster() ? index : index + kPanEffectIndexOffset;
}

void PanPlugin::setParameter(std::int32_t index, float value) {
    const std::int32_t m = masterIndexOf(index);
    if (m >= 0 && kPanParams[m].programSlot != bformat::kNotStored) {
        relaxedStore(live_[m], value);
        bformat::writeSlot(programs_[curProgram].values, kPanParams[m].programSlot, value);
    }
    if (editor) editor->markForRefresh();
}

// The live value of a stored parameter; 0 for the pan angle and unknown indices.
float PanPlugin::liveValue(std::int32_t masterIndex) const {
    if (masterIndex < 0 || masterIndex >= kPanMasterParamCount || masterIndex == kPanAngle) return 0.0f;
    return relaxedLoad(live_[masterIndex]);
}

PanValues PanPlugin::liveSnapshot() const {
    PanValues v;
    for (std::int32_t m = 0; m < kPanMasterParamCount; ++m)
        if (kPanParams[m].programSlot != bformat::kNotStored)
            bformat::writeSlot(v, kPanParams[m].programSlot, relaxedLoad(live_[m]));
    return v;
}

float PanPlugin::getParameter(std::int32_t index) { return liveValue(masterIndexOf(index)); }

void PanPlugin::getParameterName(std::int32_t index, char* text) {
    const std::int32_t m = masterIndexOf(index);
    if (m >= 0) std::strcpy(text, kPanParams[m].name);
}

void PanPlugin::getParameterLabel(std::int32_t index, char* text) {
    const std::int32_t m = masterIndexOf(index);
    if (m >= 0) std::strcpy(text, kPanParams[m].label);
}

// Display values are computed in float32 from the float32 parameter value; the pan
// angle comes from the pan position in double.
void PanPlugin::getParameterDisplay(std::int32_t index, char* text) {
    const std::int32_t m = masterIndexOf(index);
    if (m < 0) return;
    const float v = liveValue(m);
    switch (kPanParams[m].display) {
        case PanDisplay::Value: float2string(v, text); break;
        case PanDisplay::PanMode: long2string(bformat::selectorIndex(v), text); break;
        case PanDisplay::PanAngle:
            float2string(static_cast<float>(currentPanAngle() * kDegreesPerRadian + 360.0), text);
            break;
        case PanDisplay::Azimuth: float2string(360.0f - (1.0f - v) * 360.0f, text); break;
        case PanDisplay::Elevation: float2string((v - 0.5f) * 180.0f, text); break;
        case PanDisplay::TimesTen: float2string(v * 10.0f, text); break;
        case PanDisplay::Decibels: dB2string(v, text); break;
        case PanDisplay::PerDoubling: float2string(v * -6.0f, text); break;
        case PanDisplay::Percent: float2string(v * 100.0f, text); break;
    }
}

void PanPlugin::setProgram(std::int32_t program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    PanValues stored = programs_[program].values;
    const std::int32_t offset = isMaster() ? 0 : kPanEffectIndexOffset;
    for (std::int32_t m : kPanReplayOrder) {
        if (m - offset < 0) continue;  // the effect variant has no pan parameters
        if (m == kPanAngle) {
            setParameter(m, static_cast<float>(currentPanAngle()));
        } else {
            setParameter(m - offset, bformat::readSlot(stored, kPanParams[m].programSlot));
        }
    }
}

void PanPlugin::setProgramName(char* name) { storeProgramName(programs_[curProgram].name, nameSize_, name); }

void PanPlugin::getProgramName(char* name) { reportProgramName(programs_[curProgram].name, curProgram, name); }

bool PanPlugin::getVendorString(char* text) {
    std::strcpy(text, "Kelvar Venue");
    return true;
}

std::int32_t PanPlugin::getPlugCategory() { return isMaster() ? kPlugCategSpacializer : kPlugCategEffect; }

double PanPlugin::currentPanAngle() const { return pangains::panAngle(liveValue(kLrPan), liveValue(kFbPan)); }

// The Centre is raised for this block only: the audio thread never writes a parameter.
double PanPlugin::sourceDistanceGain(const PanSourceValues& source, double exponent) const {
    float centre = source.centre;
    if (centre < pangains::kSmallestCentre) centre = static_cast<float>(pangains::kSmallestCentre);
    return pangains::distanceGain(source.dist, centre, source.dfact, exponent);
}

double PanPlugin::leftDistanceGain(double exponent) { return sourceDistanceGain(blockValues_.left, exponent); }
double PanPlugin::rightDistanceGain(double exponent) { return sourceDistanceGain(blockValues_.right, exponent); }
double PanPlugin::volumeGain(double vol) { return pangains::volumeGain(vol); }

void PanPlugin::prepareBlock() {
    using pangains::SourceWork;
    const PanValues next = liveSnapshot();
    if (targetsCurrent_ && std::memcmp(&next, &blockValues_, sizeof next) == 0) return;
    blockValues_ = next;
    targetsCurrent_ = true;
    const PanValues& values = blockValues_;
    // Working values in double; a centre below the smallest radius is raised here only.
    auto work = [this](const PanSourceValues& s, double azimuthRad, double elevationRad) {
        const double centre = std::max<double>(s.centre, pangains::kSmallestCentre);
        return SourceWork{azimuthRad, elevationRad, s.dist, centre, volumeGain(s.vol), s.zero, s.first};
    };
    SourceWork left = work(values.left, -static_cast<double>(values.left.az) * kTwoPi,
                           (static_cast<double>(values.left.el) - 0.5) * kPi);
    SourceWork right = work(values.right, -static_cast<double>(values.right.az) * kTwoPi,
                            (static_cast<double>(values.right.el) - 0.5) * kPi);

    int mode = 0;
    pangains::PanPoint point{values.lrPan, values.fbPan, 0.0, 0.0};
    if (isMaster()) {
        point.angleRad = pangains::panAngle(values.lrPan, values.fbPan);
        if (point.angleRad != lastPanAngleRad_) updateDisplay();
        lastPanAngleRad_ = point.angleRad;
        point.distance = pangains::panDistance(point.lrPan, point.fbPan);
        mode = bformat::selectorIndex(values.mirrorType);
    }
    pangains::Direction leftDir, rightDir;
    pangains::applyPanMode(mode, point, left, right, leftDir, rightDir);

    double leftTargets[PanEncoder::kChannels];
    double rightTargets[PanEncoder::kChannels];
    const double k = pangains::kDistanceExponent;
    pangains::sourceTargets(left, leftDir, pangains::inNearField(left) ? 0.0 : leftDistanceGain(k), leftTargets);
    pangains::sourceTargets(right, rightDir, pangains::inNearField(right) ? 0.0 : rightDistanceGain(k), rightTargets);
    encoder_.setTargets(leftTargets, rightTargets);
}

void PanPlugin::process(float** inputs, float** outputs, std::int32_t sampleFrames) {
    prepareBlock();
    if (sampleFrames > 0 && inputs && outputs)
        encoder_.processAccumulating(inputs[0], inputs[1], outputs, sampleFrames);
}

void PanPlugin::processReplacing(float** inputs, float** outputs, std::int32_t sampleFrames) {
    prepareBlock();
    if (sampleFrames > 0 && inputs && outputs) encoder_.processReplacing(inputs[0], inputs[1], outputs, sampleFrames);
}
