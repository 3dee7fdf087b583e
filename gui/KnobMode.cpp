#include "KnobMode.h"

namespace {
std::int32_t knobMode = kCircularMode;
}

std::int32_t editorKnobMode() { return knobMode; }

void setEditorKnobMode(std::int32_t mode) { knobMode = mode; }
