// A decoder editor library's headless twin loaded as a host loads it, with its editor open
// on the shared headless toolkit and driven by scripted mouse input; and the committed
// bitmap files the editor draws from, to compare its window with.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Control.h"
#include "EditorFrame.h"
#include "Geometry.h"
#include "HeadlessPlatform.h"
#include "RasterImage.h"
#include "TestHost.h"

struct TwinEditor {
    explicit TwinEditor(const std::string& libraryPath);

    testhost::TestHost host;
    int parent = 0;
    platform::NativeWindow* window = nullptr;

    // Instantiates the plug-in (unless it exists), opens the editor, paints it and idles.
    bool open();
    void close();
    // One idle pass of the host.
    void idle();
    // A press and release at a client point (Control + left for the reset gesture), then idle.
    void click(Point client, int buttons = platform::kLeftButton);
    // Press at `from`, move to `to`, release, then idle.
    void drag(Point from, Point to);
    const RasterImage& pixels() const { return *headless::windowPixels(window); }
    // The open editor's frame (null while closed), reached through the plug-in object as
    // the loaded library built it: the toolkit's classes come from the shared toolkit.
    EditorFrame* frame() const;
    // The frame's view at `index` as a T, or null.
    template <class T>
    T* view(int index) const {
        EditorFrame* f = frame();
        return f ? dynamic_cast<T*>(f->viewAt(index)) : nullptr;
    }
};

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

// A bitmap file of resources/<path>, decoded; empty when it cannot be read.
RasterImage resourceBitmap(const std::string& path);

// The window's pixels in `area` equal the bitmap's from `source` on.
::testing::AssertionResult showsBitmap(const RasterImage& window, const Rect& area, const RasterImage& bitmap,
                                       Point source);

// The bounding box of the pixels in `area` that differ from the bitmap from `source` on
// (empty when none differ): where text was drawn over a background.
Rect changedPixels(const RasterImage& window, const Rect& area, const RasterImage& bitmap, Point source);
