#include "FieldPlugin.h"

#include "AngleConstants.h"
#include "SelectorIndex.h"

namespace {

using bformat::kTwoPi;
// Programs hold the values in index order and replay them in that order.
constexpr FieldPlugin::Row kFieldParams[] = {
    {"Angle1", "degrees", FieldDisplay::Angle, 0.0f, 0, 0},
    {"Angle2", "degrees", FieldDisplay::Angle, 0.0f, 1, 1},
    {"Angle3", "degrees", FieldDisplay::Angle, 0.0f, 2, 2},
    {"Order of Processing", "process", FieldDisplay::Order, 0.0f, 3, 3},
};
static_assert(bformat::isConsistent(kFieldParams, FieldPlugin::kNumParams), "every slot and position used once");

}  // namespace

FieldPlugin::FieldPlugin(audioMasterCallback audioMaster)
    : SoundFieldPlugin(audioMaster, kFieldParams, "Ambisonic field control", fourCharCode('O', 'V', 'f', 's')) {}

void FieldPlugin::getParameterDisplay(std::int32_t index, char* text) {
    if (!isParam(index)) return;
    const double v = liveValue(index);
    switch (displayOf(index)) {
        case FieldDisplay::Angle: float2string(static_cast<float>(360.0 - (1.0 - v) * 360.0), text); break;
        case FieldDisplay::Order: long2string(bformat::selectorIndex(liveValue(index)), text); break;
    }
}

void FieldPlugin::setBlockTargets() {
    processor_.setTargets(-kTwoPi * liveValue(kAngle1), -kTwoPi * liveValue(kAngle2), -kTwoPi * liveValue(kAngle3),
                          bformat::selectorIndex(liveValue(kOrderOfProcessing)));
}
