// Reference renderings of the first-order editors put together from the resource bitmaps
// and the layout tables (not from the editors' code): the background, every control's
// bitmap at its place for the given values, and the zoom's value displays drawn by a
// toolkit ValueDisplay with the editor's settings. Windows captures are compared with it;
// the headless tests check that the twins render exactly this.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "EditorLayouts.h"
#include "RasterImage.h"

namespace editors {

// A value display of the zoom's settings (white text centred on black, blue outline)
// showing `text`: `size`'s extent plus the outline's column and row beyond it.
RasterImage displayReference(const Rect& size, const std::string& text);
constexpr Rect withOutline(const Rect& r) { return Rect(r.left, r.top, r.right + 1, r.bottom + 1); }
bool showsDisplayText(const RasterImage& image, const Rect& at, const std::string& text);
// The zoom's display texts for a parameter value: azimuth (1 - v) x 360, elevation
// (0.25 - v) x 360, zoom (0.5 - v) x 2, "%.2f".
std::string zoomDisplayText(int param, float value);

RasterImage composeEditor(const Layout& layout, const std::function<float(std::int32_t)>& valueOf);

}  // namespace editors
