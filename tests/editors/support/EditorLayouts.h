// The first-order editors' layouts as the tests see them: size, controls with their tags,
// places and defaults, bitmaps, and what each control must show for given parameter
// values. Shared by the headless, X11 and Win32 tests.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Geometry.h"
#include "RasterImage.h"

namespace editors {

enum class Kind { Knob, VerticalFader, HorizontalFader, RowSwitch, ColumnSwitch };

struct ControlRow {
    const char* name;
    Kind kind;
    Rect size;
    std::int32_t tag;
    float defaultValue;
};

struct Layout {
    const char* library;
    std::int32_t uniqueId;
    int widthPx, heightPx;
    const char* background;  // bitmap files under resources/
    const char* splash;
    const char* knobStrip;
    const char* faderTrack;   // null without faders
    const char* faderHandle;  // null without faders
    const char* switchStrip;  // null without a switch
    int switchFrameHeightPx;
    int switchPositions;
    Point splashClick;
    Point someControl;  // a point on a control
    std::vector<ControlRow> rows;
    std::vector<Rect> displays;  // value displays (zoom), showing parameters 0, 1, 2
    int parameterCount;
};

// One drag through real input for the windowed tests: pressed at `from`, moved along
// `path`, released; the value it leaves in `tag`.
struct RealDrag {
    Point from;
    std::vector<Point> path;
    std::int32_t tag;
    float expected;
    float tolerance;
};
// The panners' left volume fader to the top, the field's first knob from up round to the
// right, the zoom fader to its left end.
const RealDrag& realDragOf(const Layout& layout);

// Panner master, panner effect, field, zoom.
const std::vector<Layout>& firstOrderLayouts();
const Layout& layoutOf(const std::string& library);

constexpr Point centre(const Rect& r) { return Point((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
// Where a fader's handle is drawn for a value (panner: 14 x 12 from one pixel in, top
// trunc(147 x (1 - v)) down; zoom: 12 x 14, left edge trunc(146 x (1 - v)) but at least 5).
Rect verticalHandle(const Rect& fader, float value);
Rect horizontalHandle(const Rect& fader, float value);

// A bitmap a control must show: `source` from row `sourceTop` at `at`.
struct Drawn {
    std::string what;
    Rect at;
    const RasterImage& source;
    int sourceTop;
    bool keyed;
};
// What every control shows for the parameter values given by `valueOf(tag)`.
std::vector<Drawn> drawnControls(const Layout& layout, const std::function<float(std::int32_t)>& valueOf);

}  // namespace editors
