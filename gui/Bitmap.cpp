#include "Bitmap.h"

#include "DrawContext.h"
#include "Platform.h"

Bitmap::Bitmap(int id) : resourceId(id), image(platform::loadBitmapResource(id)) {
    if (image) platform::bitmapImageSize(image, width, height);
}

Bitmap::Bitmap(int widthPx, int heightPx) : width(widthPx), height(heightPx) {}

Bitmap::~Bitmap() { platform::destroyBitmapImage(image); }

void Bitmap::release() {
    if (referenceCount <= 0) return;
    if (--referenceCount == 0) delete this;
}

void Bitmap::draw(DrawContext& context, const Rect& rect, Point source) {
    if (image && context.getDevice()) context.getDevice()->drawBitmap(image, rect.offsetBy(context.getOffset()), source);
}

void Bitmap::drawKeyed(DrawContext& context, const Rect& rect, Point source) {
    if (image && context.getDevice())
        context.getDevice()->drawBitmapKeyed(image, rect.offsetBy(context.getOffset()), source, keyColour);
}

void Bitmap::drawBlended(DrawContext& context, const Rect& rect, Point source, std::uint8_t alpha) {
    if (image && context.getDevice())
        context.getDevice()->drawBitmapBlended(image, rect.offsetBy(context.getOffset()), source, alpha);
}
