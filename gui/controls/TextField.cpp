#include "TextField.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "DrawContext.h"
#include "EditorFrame.h"
#include "Platform.h"

namespace {
constexpr std::uint32_t kMinimumDoubleClickMs = 250;

void copyLimited(char* out, const char* in) {
    std::size_t n = in ? std::strlen(in) : 0;
    n = std::min(n, TextField::kMaxChars);
    if (n) std::memcpy(out, in, n);
    out[n] = '\0';
}
}  // namespace

TextField::TextField(const Rect& fieldSize, ControlListener* owner, std::int32_t fieldTag, const char* initial,
                     Bitmap* bitmap, int fieldStyle)
    : ValueDisplay(fieldSize, bitmap, fieldStyle),
      doubleClickMs(std::max(platform::doubleClickTimeMs(), kMinimumDoubleClickMs)) {
    listener = owner;
    tag = fieldTag;
    copyLimited(textBuffer, initial);
}

TextField::~TextField() {
    if (editBox) platform::destroyEditBox(editBox);
}

void TextField::setText(const char* newText) {
    char copy[kMaxChars + 1];
    copyLimited(copy, newText);
    if (std::strcmp(copy, textBuffer) == 0) return;
    std::memcpy(textBuffer, copy, sizeof copy);
    markDirty(true);
}

void TextField::getText(char* out) const { std::memcpy(out, textBuffer, std::strlen(textBuffer) + 1); }

void TextField::draw(DrawContext* context) {
    char shown[kTextBytes] = {};
    if (textToTextWithData)
        textToTextWithData(textBuffer, shown, textToTextData);
    else if (textToText)
        textToText(textBuffer, shown);
    else
        std::snprintf(shown, sizeof shown, "%s", textBuffer);
    shown[kTextBytes - 1] = '\0';
    drawText(context, shown);
}

bool TextField::isDoubleClick() {
    const std::uint32_t now = frame ? frame->getTicks() : platform::tickCountMs();
    const bool isDouble = lastClickMs >= 0 && std::uint32_t(now - std::uint32_t(lastClickMs)) < doubleClickMs;
    lastClickMs = isDouble ? -1 : std::int64_t(now);
    return isDouble;
}

void TextField::mouseDown(DrawContext* context, Point&) {
    if (!context || !leftClickAccepted(context->readMouseButtons())) return;
    const bool doubleClick = isDoubleClick();
    if (!frame || frame->getFocusView() == this) return;
    if ((style & kDoubleClickToEdit) && !doubleClick) return;
    frame->setFocusView(this);
    gainFocus(context);
}

void TextField::gainFocus(DrawContext* context) {
    if (editBox || !frame || !frame->getWindow()) return;
    platform::EditBoxSetup setup;
    setup.rect = Rect(size.left, size.top, size.right + 1, size.bottom + 1);
    if (context) setup.rect = setup.rect.offsetBy(context->getOffset());
    setup.text = textBuffer;
    setup.alignment = alignment == 1 || alignment == 2 ? alignment : 0;
    setup.fontId = fontId;
    setup.fontHeightPx = DrawContext::defaultFontHeight(fontId);
    std::memcpy(textBeforeEditing, textBuffer, sizeof textBuffer);
    editBox = platform::createEditBox(frame->getWindow(), setup, this);
}

void TextField::editBoxFinished() {
    loseFocus(nullptr);
    if (frame && frame->getFocusView() == this) frame->setFocusView(nullptr);
}

void TextField::loseFocus(DrawContext* context) {
    // The frame clears its focus view before it calls loseFocus: the open box alone says
    // that an edit is to be finished.
    if (!editBox) return;
    platform::NativeEditBox* closing = editBox;
    editBox = nullptr;  // first, so the frame's own loseFocus call below returns at once
    if (frame && frame->getFocusView() == this) frame->setFocusView(nullptr);
    const std::string edited = platform::editBoxText(closing, kMaxChars);
    copyLimited(textBuffer, edited.c_str());
    platform::destroyEditBox(closing);

    std::unique_ptr<Canvas> canvas;
    std::unique_ptr<DrawContext> own;
    if (!context && frame && frame->getWindow()) {
        canvas = platform::windowCanvas(frame->getWindow());
        own = std::make_unique<DrawContext>(frame, canvas.get(), frame->getWindow());
        context = own.get();
    }
    if (std::strcmp(textBuffer, textBeforeEditing) != 0) notify(context);
    draw(context);
}

bool TextField::editBoxColours(Colour& text, Colour& back) {
    text = fontColour;
    back = backColour;
    return true;
}
