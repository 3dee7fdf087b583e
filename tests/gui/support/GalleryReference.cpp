#include "GalleryReference.h"

#include "GalleryPlugin.h"
#include "HeadlessReference.h"

const std::vector<Rect>& galleryTextAreas() {
    // The label, and the value display, text field and menu of the controls.
    static const std::vector<Rect> areas = {Rect(16, 64, 224, 88), Rect(90, 200, 141, 217), Rect(90, 230, 231, 249),
                                            Rect(90, 260, 141, 277)};
    return areas;
}

RasterImage renderGalleryReference(const std::vector<float>& values) {
    GalleryPlugin plugin(referenceHost);
    for (std::size_t i = 0; i < values.size(); ++i) plugin.setParameter(std::int32_t(i), values[i]);
    return renderEditor(plugin);
}
