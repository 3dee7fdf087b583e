#include "PanParameters.h"

namespace {

// Labels differ on purpose: "%" for the left source, " % " for the right one.
const PanParamInfo kInfo[kPanMasterParamCount] = {
    {"L_R Pan", "    ", PanDisplay::Value},
    {"F_B Pan", "    ", PanDisplay::Value},
    {"Mirror Type", "mirror", PanDisplay::PanMode},
    {"PanAngle", "degrees", PanDisplay::PanAngle},
    {"Left Az", "degrees", PanDisplay::Azimuth},
    {"Left El", "degrees", PanDisplay::Elevation},
    {"Left Centre", "    ", PanDisplay::TimesTen},
    {"Left Vol", " dB ", PanDisplay::Decibels},
    {"Left Dist", "    ", PanDisplay::TimesTen},
    {"Left DFact", " dB ", PanDisplay::PerDoubling},
    {"Left Zero", "%", PanDisplay::Percent},
    {"Left First", "%", PanDisplay::Percent},
    {"Rht Az", "degrees", PanDisplay::Azimuth},
    {"Rht El", "degrees", PanDisplay::Elevation},
    {"Rht Vol", " dB ", PanDisplay::Decibels},
    {"Rht Dist", "    ", PanDisplay::TimesTen},
    {"Rht DFact", " dB ", PanDisplay::PerDoubling},
    {"Rht Centre", "    ", PanDisplay::TimesTen},
    {"Rht Zero", " % ", PanDisplay::Percent},
    {"Rht First", " % ", PanDisplay::Percent},
};

}  // namespace

const std::int32_t kPanReplayOrder[kPanMasterParamCount] = {
    kLeftAz, kLeftEl, kLeftVol, kLeftDist, kLeftCentre, kLeftDFact, kLeftZero, kLeftFirst, kRhtAz, kRhtEl,
    kRhtVol, kRhtDist, kRhtCentre, kRhtDFact, kRhtZero, kRhtFirst, kLrPan, kFbPan, kMirrorType, kPanAngle,
};

const PanParamInfo& panParamInfo(std::int32_t masterIndex) { return kInfo[masterIndex]; }

float* panValueSlot(PanValues& v, std::int32_t masterIndex) {
    switch (masterIndex) {
        case kLrPan: return &v.lrPan;
        case kFbPan: return &v.fbPan;
        case kMirrorType: return &v.mirrorType;
        case kLeftAz: return &v.left.az;
        case kLeftEl: return &v.left.el;
        case kLeftCentre: return &v.left.centre;
        case kLeftVol: return &v.left.vol;
        case kLeftDist: return &v.left.dist;
        case kLeftDFact: return &v.left.dfact;
        case kLeftZero: return &v.left.zero;
        case kLeftFirst: return &v.left.first;
        case kRhtAz: return &v.right.az;
        case kRhtEl: return &v.right.el;
        case kRhtVol: return &v.right.vol;
        case kRhtDist: return &v.right.dist;
        case kRhtDFact: return &v.right.dfact;
        case kRhtCentre: return &v.right.centre;
        case kRhtZero: return &v.right.zero;
        case kRhtFirst: return &v.right.first;
        default: return nullptr;
    }
}
