#include "EditorReference.h"

#include <cstdio>
#include <cstring>

#include "EditorFrame.h"
#include "HeadlessPlatform.h"
#include "ResourceBitmaps.h"
#include "ValueDisplay.h"

namespace editors {

namespace {
void copyText(float, char* text, void* userData) {
    std::snprintf(text, ValueDisplay::kTextBytes, "%s", static_cast<const std::string*>(userData)->c_str());
}

void paste(RasterImage& into, const RasterImage& from, const Rect& at, int sourceTop, bool keyed) {
    for (int y = 0; y < at.height(); ++y)
        for (int x = 0; x < at.width(); ++x) {
            if (!from.inside(x, sourceTop + y) || !into.inside(at.left + x, at.top + y)) continue;
            const std::uint32_t p = from.at(x, sourceTop + y);
            if (keyed && p == 0xFFFFFFu) continue;
            into.at(at.left + x, at.top + y) = p;
        }
}
}  // namespace

RasterImage displayReference(const Rect& size, const std::string& text) {
    int parent = 0;
    RasterImage out;
    // The outline is drawn on the right and bottom edges too: one pixel beyond the size.
    auto* frame = new EditorFrame(Rect(0, 0, size.width() + 1, size.height() + 1), &parent, nullptr);
    auto* display = new ValueDisplay(Rect(0, 0, size.width(), size.height()), nullptr, 1);
    display->setFont(4);
    display->setFontColour(colours::white);
    display->setBackColour(colours::black);
    display->setFrameColour(colours::blue);
    std::string shown = text;
    display->setValueToText(copyText, &shown);
    frame->addView(display);
    if (frame->getWindow()) {
        headless::paint(frame->getWindow());
        if (const RasterImage* pixels = headless::windowPixels(frame->getWindow())) out = *pixels;
    }
    delete frame;
    return out;
}

bool showsDisplayText(const RasterImage& image, const Rect& at, const std::string& text) {
    const RasterImage reference = displayReference(at, text);
    return !reference.pixels.empty() && showsBitmapAt(image, withOutline(at), reference, 0);
}

std::string zoomDisplayText(int param, float value) {
    double shown = 0.0;
    if (param == 0) shown = (1.0 - value) * 360.0;
    if (param == 1) shown = float((0.25 - value) * 360.0);
    if (param == 2) shown = (0.5 - value) * 2.0;
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", shown);
    return text;
}

RasterImage composeEditor(const Layout& layout, const std::function<float(std::int32_t)>& valueOf) {
    RasterImage out(layout.widthPx, layout.heightPx);
    paste(out, resourceBitmap(layout.background), Rect(0, 0, layout.widthPx, layout.heightPx), 0, false);
    for (const ControlRow& row : layout.rows) {
        if (row.kind == Kind::VerticalFader || row.kind == Kind::HorizontalFader)
            paste(out, resourceBitmap(layout.faderTrack), row.size, 0, false);
    }
    for (const Drawn& d : drawnControls(layout, valueOf)) paste(out, d.source, d.at, d.sourceTop, d.keyed);
    for (std::size_t i = 0; i < layout.displays.size(); ++i) {
        const Rect& at = layout.displays[i];
        paste(out, displayReference(at, zoomDisplayText(int(i), valueOf(std::int32_t(i)))), withOutline(at), 0, false);
    }
    return out;
}

}  // namespace editors
