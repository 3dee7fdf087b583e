// The knob drag mode of this library, shared by every editor instance in it (each library
// has its own copy): 0 circular, 1 circular relative, 2 linear. Set by the host through
// effSetEditKnobMode; read by knobs when a drag starts. [ui-thread]
#pragma once

#include <cstdint>

enum KnobModes : std::int32_t { kCircularMode = 0, kRelativeCircularMode = 1, kLinearMode = 2 };

std::int32_t editorKnobMode();
void setEditorKnobMode(std::int32_t mode);
