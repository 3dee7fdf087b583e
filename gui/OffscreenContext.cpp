#include "OffscreenContext.h"

#include "Bitmap.h"
#include "Platform.h"

namespace {
constexpr int kDefaultSidePx = 20;
}

OffscreenContext::OffscreenContext(EditorFrame* frame, std::unique_ptr<Canvas> canvas, int widthPx, int heightPx)
    : DrawContext(frame, canvas.get(), nullptr), surface(std::move(canvas)), width(widthPx), height(heightPx) {}

OffscreenContext::OffscreenContext(EditorFrame* frame, int widthPx, int heightPx, Colour background)
    : OffscreenContext(frame, platform::createOffscreenCanvas(widthPx, heightPx), widthPx, heightPx) {
    const Rect whole(0, 0, widthPx, heightPx);
    setFillColour(background);
    setFrameColour(background);
    fillRect(Rect(-1, -1, widthPx, heightPx));  // fillRect starts one pixel in
    drawRect(whole);
}

OffscreenContext::OffscreenContext(DrawContext* context, Bitmap* source)
    : OffscreenContext(context ? context->getFrame() : nullptr,
                       platform::createOffscreenCanvas(source ? source->getWidth() : kDefaultSidePx,
                                                       source ? source->getHeight() : kDefaultSidePx),
                       source ? source->getWidth() : kDefaultSidePx, source ? source->getHeight() : kDefaultSidePx) {
    bitmap = source;
    if (bitmap) {
        bitmap->retain();
        bitmap->draw(*this, Rect(0, 0, width, height));
    } else {
        setFillColour(colours::black);
        fillRect(Rect(-1, -1, width, height));
    }
}

OffscreenContext::~OffscreenContext() {
    if (bitmap) bitmap->release();
    // The base destructor ends the context on the surface before the surface goes away.
    if (device) device->endContext();
    device = nullptr;
}

void OffscreenContext::blitTo(DrawContext& destination, const Rect& destRect, Point source) {
    if (surface && destination.getDevice())
        destination.getDevice()->copyFrom(*surface, destRect.offsetBy(destination.getOffset()), source);
}
