#include "GalleryPlugin.h"

#include <cstring>

#include "GalleryEditor.h"
#include "PluginEntry.h"

GalleryPlugin::GalleryPlugin(audioMasterCallback audioMaster) : AudioEffectX(audioMaster, 1, kGalleryParamCount) {
    setNumInputs(1);
    setNumOutputs(1);
    setUniqueID(fourCharCode('O', 'V', 'g', 'l'));
    canProcessReplacing();
    new GalleryEditor(this);  // binds itself to this plug-in, which deletes it
}

void GalleryPlugin::setParameter(std::int32_t index, float value) {
    if (index < 0 || index >= kGalleryParamCount) return;
    values[index] = value;
    if (editor) editor->parameterChanged(index, value);
}

float GalleryPlugin::getParameter(std::int32_t index) {
    return index >= 0 && index < kGalleryParamCount ? values[index] : 0.0f;
}

void GalleryPlugin::getParameterName(std::int32_t index, char* text) {
    static const char* const names[kGalleryParamCount] = {"Strip", "Toggle", "Swatch", "Corner", "Knob",  "Fader",
                                                           "Pan",   "Row",    "Column", "Button", "Menu", "Edits"};
    if (index >= 0 && index < kGalleryParamCount) std::strcpy(text, names[index]);
}

void GalleryPlugin::process(float** inputs, float** outputs, std::int32_t frames) {
    for (std::int32_t i = 0; i < frames; ++i) outputs[0][i] += inputs[0][i];
}

void GalleryPlugin::processReplacing(float** inputs, float** outputs, std::int32_t frames) {
    for (std::int32_t i = 0; i < frames; ++i) outputs[0][i] = inputs[0][i];
}

AudioEffect* createEffectInstance(audioMasterCallback audioMaster) { return new GalleryPlugin(audioMaster); }
