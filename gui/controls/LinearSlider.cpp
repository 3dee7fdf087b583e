#include "LinearSlider.h"

#include "Bitmap.h"
#include "DrawContext.h"
#include "EditorFrame.h"
#include "OffscreenContext.h"
#include "Platform.h"

LinearSlider::LinearSlider(const Rect& sliderSize, ControlListener* owner, std::int32_t sliderTag,
                           int minimumPosition, int maximumPosition, Bitmap* handle, Bitmap* bitmap, Point offset,
                           int sliderStyle)
    : Control(sliderSize, owner, sliderTag, bitmap),
      backgroundOffset(offset),
      handleBitmap(handle),
      handleWidth(handle ? handle->getWidth() : 1),
      handleHeight(handle ? handle->getHeight() : 1),
      range(maximumPosition - minimumPosition),
      style(sliderStyle),
      minimumPositionOffset(minimumPosition - ((sliderStyle & kHorizontal) ? sliderSize.left : sliderSize.top)),
      width(sliderSize.width()),
      height(sliderSize.height()) {
    if (handleBitmap) handleBitmap->retain();
    recomputeHandleLimits();
}

LinearSlider::~LinearSlider() {
    surface.reset();
    if (handleBitmap) handleBitmap->release();
}

void LinearSlider::recomputeHandleLimits() {
    const int along = horizontal() ? handleOffset.h : handleOffset.v;
    handleMinimum = along + minimumPositionOffset;
    handleMaximum = handleMinimum + range + (horizontal() ? handleWidth : handleHeight);
}

void LinearSlider::setHandleOffset(Point offset) {
    handleOffset = offset;
    recomputeHandleLimits();
}

bool LinearSlider::onAttached(View* parent) {
    surface = std::make_unique<OffscreenContext>(frame, width, height, colours::black);
    return Control::onAttached(parent);
}

bool LinearSlider::onRemoved(View* parent) {
    surface.reset();
    return Control::onRemoved(parent);
}

Rect LinearSlider::handleRect() const {
    const float pos = (style & kGrowsWithCoordinate) ? value.load() : 1.0f - value;
    const int travel = int(float(range) * pos);
    Rect r;
    if (horizontal()) {
        r.top = handleOffset.v;
        r.bottom = r.top + handleHeight;
        r.left = travel + handleOffset.h;
        if (r.left < handleMinimum) r.left = handleMinimum;
        r.right = r.left + handleWidth;
        if (r.right > handleMaximum) r.right = handleMaximum;
    } else {
        r.left = handleOffset.h;
        r.right = r.left + handleWidth;
        r.top = travel + handleOffset.v;
        if (r.top < handleMinimum) r.top = handleMinimum;
        r.bottom = r.top + handleHeight;
        if (r.bottom > handleMaximum) r.bottom = handleMaximum;
    }
    return r;
}

void LinearSlider::draw(DrawContext* context) {
    if (context && surface) {
        const Rect whole(0, 0, width, height);
        if (background) {
            if (transparent)
                background->drawKeyed(*surface, whole, backgroundOffset);
            else
                background->draw(*surface, whole, backgroundOffset);
        }
        if (handleBitmap) {
            if (transparentHandle)
                handleBitmap->drawKeyed(*surface, handleRect());
            else
                handleBitmap->draw(*surface, handleRect());
        }
        surface->blitTo(*context, size);
    }
    markDirty(false);
}

void LinearSlider::mouseDown(DrawContext* context, Point& where) {
    if (!context) return;
    int buttons = context->readMouseButtons();
    if (!leftClickAccepted(buttons) || takeResetGesture(context, buttons)) return;

    int base = horizontal() ? handleOffset.h + size.left : handleOffset.v + size.top;
    if (freeClick) {
        base += (horizontal() ? handleWidth : handleHeight) / 2 - 1;
    } else {
        const Rect handle = handleRect().offsetBy(Point(size.left, size.top));
        if (!handle.contains(where)) return;
        base += horizontal() ? where.h - handle.left : where.v - handle.top;
    }

    beginEdit();
    int rememberedButtons = buttons;
    float anchor = value;
    for (;;) {
        buttons = context->readMouseButtons();
        if (!(buttons & platform::kLeftButton)) break;
        const bool shift = (buttons & platform::kShift) != 0;
        if (buttons != rememberedButtons && shift) {
            rememberedButtons = buttons;
            anchor = value;
        } else if (!shift) {
            anchor = value;
        }
        const int coordinate = horizontal() ? where.h : where.v;
        // A fader without travel keeps its value instead of dividing by zero.
        if (range > 0) value = float(coordinate - base) / float(range);
        if (style & kInvertedMouse) value = 1.0f - value;
        if (shift) value = anchor + (value - anchor) / fineDivisor;
        clampValue();
        notifyIfDirty(context);
        context->readMouseLocation(where);
        serviceDuringDrag();
    }
    endEdit();
}
