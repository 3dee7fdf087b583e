// A control that shows its value as text: through a callback (with or without user data)
// or "%2.2f", over its background bitmap or a back-colour fill, with optional inset or
// raised frame and shadow text. No mouse handling.
//
// Style bits: 4 shadow text, 128 inset frame, 256 raised frame, 2048 no text, 4096
// nothing drawn (the control starts clean). [ui-thread]
#pragma once

#include "Colour.h"
#include "Control.h"

class ValueDisplay : public Control {
public:
    enum StyleBits : int {
        kShadowText = 4, kInsetFrame = 128, kRaisedFrame = 256, kNoText = 2048, kNoDrawing = 4096
    };
    static constexpr int kTextBytes = 256;
    using ValueToText = void (*)(float value, char* text);
    using ValueToTextWithData = void (*)(float value, char* text, void* userData);

    ValueDisplay(const Rect& size, Bitmap* background, int style);

    void draw(DrawContext* context) override;

    // Each marks the control dirty only when the stored value changes.
    void setFont(int fontId);
    void setFontColour(Colour colour);
    void setBackColour(Colour colour);
    void setFrameColour(Colour colour);
    void setShadowColour(Colour colour);
    void setAlignment(int alignment);  // 0 left, 1 centred, 2 right
    void setStyle(int style);
    void setFontStyle(int fontStyle);
    // These only store.
    void setBackgroundOffset(Point offset) { backgroundOffset = offset; }
    void setValueToText(ValueToText callback) { valueToText = callback; }
    void setValueToText(ValueToTextWithData callback, void* userData) {
        valueToTextWithData = callback;
        valueToTextData = userData;
    }
    void setTextTransparency(bool on) { textTransparency = on; }
    // The text draw shows for the current value (at most kTextBytes - 1 characters).
    void valueText(char* text);

protected:
    // Background, frame and text by the style bits; ends with markDirty(false).
    void drawText(DrawContext* context, const char* text, Bitmap* bitmap = nullptr);
    template <class T>
    void storeDirtying(T& member, T newValue) {
        if (member == newValue) return;
        member = newValue;
        markDirty(true);
    }
    void storeColour(Colour& member, Colour newValue);

    ValueToText valueToText = nullptr;
    ValueToTextWithData valueToTextWithData = nullptr;
    void* valueToTextData = nullptr;
    int alignment = 1;
    int style;
    int fontId = 3;
    int fontStyle = 0;
    Colour fontColour = colours::white;
    Colour backColour = colours::black;
    Colour frameColour = colours::black;
    Colour shadowColour = colours::red;
    Point backgroundOffset;
    bool textTransparency = true;
};
