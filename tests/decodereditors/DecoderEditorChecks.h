// Checks of the decoder editors' tests on a twin: the frame's views against a layout table,
// and the window's pixels against the committed bitmaps the editor draws from.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Control.h"
#include "Geometry.h"
#include "RasterImage.h"
#include "ResourceBitmaps.h"
#include "TwinEditor.h"

// The view's kind: view != null and a T.
template <class T>
bool isA(View* view) {
    return dynamic_cast<T*>(view) != nullptr;
}

// One row of an editor's layout table: the view at `index` of the frame.
struct ViewRow {
    const char* what;
    bool (*kind)(View*);
    Rect size;
    std::int32_t tag;
};
// Every view of the open editor sits, in order, where the table says, with its tag.
void expectLayout(const TwinEditor& editor, const std::vector<ViewRow>& rows);

// The window's pixels in `area` equal the bitmap's from `source` on.
::testing::AssertionResult showsBitmap(const RasterImage& window, const Rect& area, const RasterImage& bitmap,
                                       Point source);

// The bounding box of the pixels in `area` that differ from the bitmap from `source` on
// (empty when none differ): where text was drawn over a background.
Rect changedPixels(const RasterImage& window, const Rect& area, const RasterImage& bitmap, Point source);
