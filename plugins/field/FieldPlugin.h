// The B-format field rotator: turns a first-order field through three angles about the
// Z, X and Y axes in one of six orders. Editor builds derive from this class (setting
// their own unique ID, creating the editor and passing setParameter on to it) without
// touching the signal path.
#pragma once

#include <cstdint>

#include "FieldRotator.h"
#include "SoundFieldPlugin.h"

// How a field parameter's display text is made from its value.
enum class FieldDisplay {
    Angle,  // 360 − (1 − v) × 360 degrees
    Order,  // the order index
};

class FieldPlugin : public bformat::SoundFieldPlugin<FieldDisplay, 4, FieldRotator> {
public:
    enum Param : std::int32_t { kAngle1, kAngle2, kAngle3, kOrderOfProcessing };

    explicit FieldPlugin(audioMasterCallback audioMaster);

    void getParameterDisplay(std::int32_t index, char* text) override;

private:
    void setBlockTargets() override;
};
