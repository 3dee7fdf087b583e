// A decoder editor library's headless twin loaded as a host loads it, with its editor open
// on the shared headless toolkit and driven by scripted mouse input; and the committed
// bitmap files the editor draws from, to compare its window with.
#pragma once

#include <gtest/gtest.h>

#include <string>

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
};

// A bitmap file of resources/<path>, decoded; empty when it cannot be read.
RasterImage resourceBitmap(const std::string& path);

// The window's pixels in `area` equal the bitmap's from `source` on.
::testing::AssertionResult showsBitmap(const RasterImage& window, const Rect& area, const RasterImage& bitmap,
                                       Point source);

// The bounding box of the pixels in `area` that differ from the bitmap from `source` on
// (empty when none differ): where text was drawn over a background.
Rect changedPixels(const RasterImage& window, const Rect& area, const RasterImage& bitmap, Point source);
