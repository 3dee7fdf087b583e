// Text of the software rasteriser: baked Liberation Sans glyphs blended in the text colour.
#include <algorithm>
#include <cstdlib>

#include "RasterCanvas.h"

namespace {

// The baked face nearest to the requested height in the requested weight. The decorative
// face (id 7) has no baked counterpart and uses the sans face.
const bakedfont::Face* nearestFace(const FontSpec& font) {
    const bakedfont::Face* best = nullptr;
    for (int i = 0; i < bakedfont::kFaceCount; ++i) {
        const bakedfont::Face& f = bakedfont::kFaces[i];
        if (f.bold != font.bold) continue;
        if (!best || std::abs(f.pixelHeight - font.heightPx) < std::abs(best->pixelHeight - font.heightPx)) best = &f;
    }
    return best;
}

std::uint32_t blend(std::uint32_t dst, Colour c, unsigned coverage) {
    const unsigned src[3] = {c.blue, c.green, c.red};
    std::uint32_t out = 0;
    for (int k = 0; k < 3; ++k) {
        const unsigned d = (dst >> (8 * k)) & 0xFF;
        out |= ((src[k] * coverage + d * (255u - coverage) + 127u) / 255u) << (8 * k);
    }
    return out;
}

}  // namespace

void RasterCanvas::selectFont(const FontSpec& font) {
    font_ = font;
    face_ = nearestFace(font);
}

int RasterCanvas::textWidth(const char* text) {
    if (!face_ || !text) return 0;
    int width = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const int index = bakedfont::glyphIndex(*p);
        if (index >= 0) width += face_->glyphs[index].advancePx;
    }
    return width;
}

void RasterCanvas::drawGlyph(const bakedfont::Glyph& g, int penX, int baselineY, const Rect& clip) {
    const std::uint8_t* coverage = bakedfont::kCoverage + g.offset;
    for (int row = 0; row < g.height; ++row) {
        const int y = baselineY - g.topPx + row;
        // Italic: rows above the baseline lean right by one pixel per five rows.
        const int slant = font_.italic ? (baselineY - y) / 5 : 0;
        if (y < clip.top || y >= clip.bottom) continue;
        for (int col = 0; col < g.width; ++col) {
            const int x = penX + g.leftPx + col + slant;
            const unsigned c = coverage[row * g.width + col];
            if (c == 0 || x < clip.left || x >= clip.right) continue;
            target_->at(x, y) = blend(target_->at(x, y), textColour_, c);
        }
    }
}

void RasterCanvas::drawText(const char* text, const Rect& r, int alignment, bool opaque) {
    if (!face_ || !text) return;
    const int width = textWidth(text);
    const int lineHeight = face_->ascentPx + face_->descentPx;
    const int top = (r.top + r.bottom - lineHeight) / 2;
    int x = r.left;
    if (alignment == 1) x = (r.left + r.right - width) / 2;
    if (alignment == 2) x = r.right - width;
    Rect clip = r;
    clip.left = std::max(clip.left, clip_.left);
    clip.top = std::max(clip.top, clip_.top);
    clip.right = std::min(clip.right, clip_.right);
    clip.bottom = std::min(clip.bottom, clip_.bottom);
    if (opaque) {
        for (int y = std::max(top, clip.top); y < std::min(top + lineHeight, clip.bottom); ++y)
            for (int px = std::max(x, clip.left); px < std::min(x + width, clip.right); ++px)
                target_->at(px, y) = textBack_;
    }
    const int baseline = top + face_->ascentPx;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        const int index = bakedfont::glyphIndex(*p);
        if (index < 0) continue;
        drawGlyph(face_->glyphs[index], x, baseline, clip);
        x += face_->glyphs[index].advancePx;
    }
    if (font_.underline) {
        const int y = baseline + 1;
        if (y >= clip.top && y < clip.bottom)
            for (int px = std::max(x - width, clip.left); px < std::min(x, clip.right); ++px)
                target_->at(px, y) = RasterImage::pack(textColour_);
    }
}
