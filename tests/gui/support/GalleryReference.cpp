#include "GalleryReference.h"

#include <cstdlib>
#include <sstream>

#include "EditorFrame.h"
#include "GalleryPlugin.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"

namespace {
std::intptr_t referenceHost(AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

bool insideAny(const std::vector<Rect>& areas, int x, int y) {
    for (const Rect& r : areas)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}
}  // namespace

const std::vector<Rect>& galleryTextAreas() {
    // The label, and the value display, text field and menu of the controls.
    static const std::vector<Rect> areas = {Rect(16, 64, 224, 88), Rect(90, 200, 141, 217), Rect(90, 230, 231, 249),
                                            Rect(90, 260, 141, 277)};
    return areas;
}

RasterImage renderGalleryReference(const std::vector<float>& values) {
    GalleryPlugin plugin(referenceHost);
    for (std::size_t i = 0; i < values.size(); ++i) plugin.setParameter(std::int32_t(i), values[i]);
    int parent = 0;
    plugin.dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
    auto* editor = static_cast<GuiEditor*>(plugin.getEditor());
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

ImageComparison compareWithReference(const RasterImage& actual, const RasterImage& reference,
                                     const std::vector<Rect>& textAreas) {
    ImageComparison c;
    c.sameSize = actual.width == reference.width && actual.height == reference.height;
    if (!c.sameSize) return c;
    long textSum = 0, textCount = 0;
    for (int y = 0; y < actual.height; ++y)
        for (int x = 0; x < actual.width; ++x) {
            const std::uint32_t a = actual.at(x, y), r = reference.at(x, y);
            if (insideAny(textAreas, x, y)) {
                for (int s = 0; s < 24; s += 8) textSum += std::abs(int((a >> s) & 0xFF) - int((r >> s) & 0xFF));
                textCount += 3;
            } else if ((a & 0xFFFFFF) != (r & 0xFFFFFF)) {
                ++c.exactMismatches;
            }
        }
    c.textMeanDifference = textCount ? double(textSum) / textCount : 0.0;
    return c;
}

std::string ImageComparison::describe() const {
    std::ostringstream s;
    s << "same size " << sameSize << ", mismatches outside text " << exactMismatches << ", text mean difference "
      << textMeanDifference;
    return s.str();
}
