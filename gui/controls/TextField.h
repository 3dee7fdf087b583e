// A ValueDisplay whose text the user edits in a native single-line edit box. A click (a
// double click with style 8192) makes the field the frame's focus view and opens the box
// over it with all of its text selected; Return or focus loss closes the box, takes its
// text and tells the listener only when the text changed. [ui-thread]
#pragma once

#include <string>

#include "EditBoxColours.h"
#include "NativeWidgets.h"
#include "ValueDisplay.h"

class TextField : public ValueDisplay, public EditBoxColourSource, private platform::EditBoxClient {
public:
    enum StyleBits : int { kDoubleClickToEdit = 8192 };
    static constexpr std::size_t kMaxChars = 255;
    using TextToText = void (*)(char* text, char* shown);
    using TextToTextWithData = void (*)(char* text, char* shown, void* userData);

    TextField(const Rect& size, ControlListener* listener, std::int32_t tag, const char* text, Bitmap* background,
              int style);
    ~TextField() override;

    void draw(DrawContext* context) override;
    void mouseDown(DrawContext* context, Point& where) override;
    void gainFocus(DrawContext* context) override;
    void loseFocus(DrawContext* context) override;
    bool editBoxColours(Colour& text, Colour& back) override;

    // Copies at most 255 characters; dirty when the text differs.
    void setText(const char* text);
    void getText(char* out) const;
    const char* text() const { return textBuffer; }
    void setTextToText(TextToText callback) { textToText = callback; }
    void setTextToText(TextToTextWithData callback, void* userData) {
        textToTextWithData = callback;
        textToTextData = userData;
    }
    bool isEditing() const { return editBox != nullptr; }

private:
    void editBoxFinished() override;
    bool isDoubleClick();

    char textBuffer[kMaxChars + 1] = {};
    char textBeforeEditing[kMaxChars + 1] = {};
    TextToText textToText = nullptr;
    TextToTextWithData textToTextWithData = nullptr;
    void* textToTextData = nullptr;
    std::int64_t lastClickMs = -1;
    std::uint32_t doubleClickMs;
    platform::NativeEditBox* editBox = nullptr;
};
