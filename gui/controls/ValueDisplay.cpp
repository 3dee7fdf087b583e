#include "ValueDisplay.h"

#include <cstdio>

#include "Bitmap.h"
#include "DrawContext.h"

ValueDisplay::ValueDisplay(const Rect& displaySize, Bitmap* bitmap, int displayStyle)
    : Control(displaySize, nullptr, 0, bitmap), style(displayStyle) {
    if (style & kNoDrawing) markDirty(false);
}

void ValueDisplay::storeColour(Colour& member, Colour newValue) {
    if (member.sameRgb(newValue)) return;
    member = newValue;
    markDirty(true);
}

void ValueDisplay::setFont(int id) { storeDirtying(fontId, id); }
void ValueDisplay::setFontColour(Colour colour) { storeColour(fontColour, colour); }
void ValueDisplay::setBackColour(Colour colour) { storeColour(backColour, colour); }
void ValueDisplay::setFrameColour(Colour colour) { storeColour(frameColour, colour); }
void ValueDisplay::setShadowColour(Colour colour) { storeColour(shadowColour, colour); }
void ValueDisplay::setAlignment(int a) { storeDirtying(alignment, a); }
void ValueDisplay::setStyle(int s) { storeDirtying(style, s); }
void ValueDisplay::setFontStyle(int s) { storeDirtying(fontStyle, s); }

void ValueDisplay::valueText(char* text) {
    text[0] = '\0';
    if (valueToTextWithData)
        valueToTextWithData(value, text, valueToTextData);
    else if (valueToText)
        valueToText(value, text);
    else
        std::snprintf(text, kTextBytes, "%2.2f", double(value));
    text[kTextBytes - 1] = '\0';
}

void ValueDisplay::draw(DrawContext* context) {
    char text[kTextBytes];
    valueText(text);
    drawText(context, text);
}

void ValueDisplay::drawText(DrawContext* context, const char* text, Bitmap* bitmap) {
    markDirty(false);
    if ((style & kNoDrawing) || !context) return;
    if (!bitmap) bitmap = background;
    if (bitmap) {
        if (transparent)
            bitmap->drawKeyed(*context, size, backgroundOffset);
        else
            bitmap->draw(*context, size, backgroundOffset);
    } else if (!transparent) {
        context->setFillColour(backColour);
        context->fillRect(size);
        if (!(style & (kInsetFrame | kRaisedFrame))) {
            context->setFrameColour(frameColour);
            context->drawRect(size);
        }
    }
    if (style & (kInsetFrame | kRaisedFrame)) {
        const bool inset = (style & kInsetFrame) != 0;
        context->setFrameColour(inset ? backColour : frameColour);
        context->moveTo(Point(size.left, size.bottom));
        context->lineTo(Point(size.left, size.top));
        context->lineTo(Point(size.right + 1, size.top));
        context->setFrameColour(inset ? frameColour : backColour);
        context->moveTo(Point(size.right, size.top + 1));
        context->lineTo(Point(size.right, size.bottom));
        context->lineTo(Point(size.left, size.bottom));
    }
    if (style & kNoText) return;
    context->setFont(fontId, 0, fontStyle);
    const bool opaque = !textTransparency;
    if (opaque) context->setFillColour(backColour);
    if (style & kShadowText) {
        context->setFontColour(shadowColour);
        context->drawTextInRect(text, Rect(size).offset(1, 1), opaque, alignment);
    }
    context->setFontColour(fontColour);
    context->drawTextInRect(text, size, opaque, alignment);
}
