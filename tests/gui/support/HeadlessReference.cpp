#include "HeadlessReference.h"

#include "AudioEffect.h"
#include "EditorFrame.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"

std::intptr_t referenceHost(AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

RasterImage renderEditor(AudioEffect& plugin) {
    int parent = 0;
    plugin.dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
    auto* editor = dynamic_cast<GuiEditor*>(plugin.getEditorPointer());
    RasterImage pixels;
    if (editor && editor->getFrame()) {
        platform::NativeWindow* window = editor->getFrame()->getWindow();
        headless::paint(window);
        plugin.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f);
        if (RasterImage* surface = headless::windowPixels(window)) pixels = *surface;
    }
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    return pixels;
}
