#include "EditorLayouts.h"

#include <algorithm>
#include <stdexcept>

#include "ResourceBitmaps.h"

namespace editors {

namespace {

std::vector<ControlRow> pannerRows(bool master) {
    const std::int32_t shift = master ? 0 : 4;
    std::vector<ControlRow> rows = {
        {"left centre", Kind::VerticalFader, Rect(15, 28, 31, 188), 6, 0.1f},
        {"left volume", Kind::VerticalFader, Rect(50, 28, 66, 188), 7, 0.8333333f},
        {"left distance", Kind::VerticalFader, Rect(85, 28, 101, 188), 8, 0.1f},
        {"left elevation", Kind::VerticalFader, Rect(120, 28, 136, 188), 5, 0.5f},
        {"left azimuth", Kind::Knob, Rect(162, 28, 210, 76), 4, 1.0f},
        {"mirror", Kind::RowSwitch, Rect(162, 98, 210, 116), 2, 0.0f},
        {"right azimuth", Kind::Knob, Rect(162, 118, 210, 166), 12, 1.0f},
        {"right elevation", Kind::VerticalFader, Rect(238, 28, 254, 188), 13, 0.5f},
        {"right distance", Kind::VerticalFader, Rect(273, 28, 289, 188), 15, 0.1f},
        {"right volume", Kind::VerticalFader, Rect(308, 28, 324, 188), 14, 0.8333333f},
        {"right centre", Kind::VerticalFader, Rect(343, 28, 359, 188), 17, 0.1f},
    };
    if (!master) rows.erase(rows.begin() + 5);
    for (ControlRow& row : rows) row.tag -= shift;
    return rows;
}

int knobFrameTop(float value) { return value > 0.0f ? int(value * 44.0f) * 48 : 0; }

}  // namespace

const std::vector<Layout>& firstOrderLayouts() {
    static const std::vector<Layout> layouts = {
        {"orva_panner_master_ui",
         0x4f566d67,
         373,
         207,
         "panner/background_master.bmp",
         "panner/splash.bmp",
         "panner/knob.bmp",
         "panner/fader_track.bmp",
         "panner/fader_handle.bmp",
         "panner/mirror.bmp",
         18,
         5,
         Point(185, 7),
         Point(58, 100),
         pannerRows(true),
         {},
         20},
        {"orva_panner_effect_ui",
         0x4f566567,
         373,
         207,
         "panner/background_effect.bmp",
         "panner/splash.bmp",
         "panner/knob.bmp",
         "panner/fader_track.bmp",
         "panner/fader_handle.bmp",
         nullptr,
         0,
         0,
         Point(185, 7),
         Point(58, 100),
         pannerRows(false),
         {},
         16},
        {"orva_field_ui",
         0x4f566667,
         186,
         190,
         "field/background.bmp",
         "field/splash.bmp",
         "field/knob.bmp",
         nullptr,
         nullptr,
         "field/order.bmp",
         80,
         6,
         Point(93, 7),
         Point(46, 60),
         {{"angle 1", Kind::Knob, Rect(22, 36, 70, 84), 0, 1.0f},
          {"angle 2", Kind::Knob, Rect(70, 36, 118, 84), 1, 1.0f},
          {"angle 3", Kind::Knob, Rect(118, 36, 166, 84), 2, 1.0f},
          {"order", Kind::ColumnSwitch, Rect(22, 90, 166, 170), 3, 0.0f}},
         {},
         4},
        {"orva_zoom_ui",
         0x4f567a67,
         186,
         190,
         "zoom/background.bmp",
         "zoom/splash.bmp",
         "zoom/knob.bmp",
         "zoom/fader_track.bmp",
         "zoom/fader_handle.bmp",
         nullptr,
         0,
         0,
         Point(93, 7),
         Point(46, 80),
         {{"azimuth", Kind::Knob, Rect(22, 56, 70, 104), 0, 0.0f},
          {"elevation", Kind::Knob, Rect(118, 56, 166, 104), 1, 0.25f},
          {"zoom", Kind::HorizontalFader, Rect(12, 144, 172, 160), 2, 0.5f}},
         {Rect(25, 110, 65, 124), Rect(121, 110, 161, 124), Rect(71, 164, 111, 178)},
         3},
    };
    return layouts;
}

const Layout& layoutOf(const std::string& library) {
    for (const Layout& layout : firstOrderLayouts())
        if (library == layout.library) return layout;
    throw std::invalid_argument("no layout for " + library);
}

const RealDrag& realDragOf(const Layout& layout) {
    static const RealDrag pannerMaster{{58, 120}, {{58, 90}, {58, 50}, {58, 10}, {58, 2}, {58, 2}}, 7, 1.0f, 0.0f};
    static const RealDrag pannerEffect{{58, 120}, {{58, 90}, {58, 50}, {58, 10}, {58, 2}, {58, 2}}, 3, 1.0f, 0.0f};
    static const RealDrag field{{46, 40}, {{56, 44}, {62, 52}, {66, 60}, {66, 60}}, 0, 0.25f, 0.01f};
    static const RealDrag zoom{{90, 152}, {{60, 152}, {30, 152}, {4, 152}, {4, 152}}, 2, 1.0f, 0.0f};
    const std::string name = layout.library;
    if (name == "orva_panner_master_ui") return pannerMaster;
    if (name == "orva_panner_effect_ui") return pannerEffect;
    if (name == "orva_field_ui") return field;
    return zoom;
}

Rect verticalHandle(const Rect& fader, float value) {
    const int top = fader.top + std::max(0, int(147.0f * (1.0f - value)));
    return Rect(fader.left + 1, top, fader.left + 15, top + 12);
}

Rect horizontalHandle(const Rect& fader, float value) {
    const int left = fader.left + std::min(151, std::max(5, int(146.0f * (1.0f - value))));
    return Rect(left, fader.top, left + 12, fader.top + 14);
}

std::vector<Drawn> drawnControls(const Layout& layout, const std::function<float(std::int32_t)>& valueOf) {
    std::vector<Drawn> drawn;
    for (const ControlRow& row : layout.rows) {
        const float v = valueOf(row.tag);
        const std::string what = std::string(layout.library) + " " + row.name;
        switch (row.kind) {
            case Kind::Knob:
                drawn.push_back({what, row.size, resourceBitmap(layout.knobStrip), knobFrameTop(v), false});
                break;
            case Kind::VerticalFader:
            case Kind::HorizontalFader: {
                const Rect handle =
                    row.kind == Kind::VerticalFader ? verticalHandle(row.size, v) : horizontalHandle(row.size, v);
                // The track around the handle, then the handle keyed over it.
                const RasterImage& track = resourceBitmap(layout.faderTrack);
                const bool vertical = row.kind == Kind::VerticalFader;
                const Rect before = vertical ? Rect(row.size.left, row.size.top, row.size.right, handle.top)
                                             : Rect(row.size.left, row.size.top, handle.left, row.size.bottom);
                const Rect after = vertical ? Rect(row.size.left, handle.bottom, row.size.right, row.size.bottom)
                                            : Rect(handle.right, row.size.top, row.size.right, row.size.bottom);
                drawn.push_back({what + " track before the handle", before, track, 0, false});
                // The track's rows (or columns) after the handle: only the vertical track can
                // start part way down the source, so compare the horizontal one from its top.
                if (vertical)
                    drawn.push_back({what + " track after the handle", after, track, after.top - row.size.top, false});
                drawn.push_back({what + " handle", handle, resourceBitmap(layout.faderHandle), 0, true});
                break;
            }
            case Kind::RowSwitch:
            case Kind::ColumnSwitch: {
                const int frame = int((layout.switchPositions - 1) * v + 0.5f);
                drawn.push_back(
                    {what, row.size, resourceBitmap(layout.switchStrip), frame * layout.switchFrameHeightPx, false});
                break;
            }
        }
    }
    return drawn;
}

}  // namespace editors
