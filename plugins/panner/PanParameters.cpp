#include "PanParameters.h"

PanValues panDefaultValues() {
    PanValues values;
    for (const PanParamInfo& param : kPanParams)
        if (param.programSlot != bformat::kNotStored) bformat::writeSlot(values, param.programSlot, param.defaultValue);
    return values;
}
