#include "GalleryHostChecks.h"

#include <gtest/gtest.h>

#include "GalleryReference.h"
#include "GestureChecks.h"

std::vector<float> galleryValues(testhost::TestHost& host) {
    std::vector<float> v;
    for (int i = 0; i < kGalleryParamCount; ++i) v.push_back(host.getParameter(i));
    return v;
}

void expectGalleryEditorSize(testhost::TestHost& host) {
    ERect* rect = nullptr;
    ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, kGalleryWidthPx);
    EXPECT_EQ(rect->bottom - rect->top, kGalleryHeightPx);
}

const std::vector<GalleryClick>& galleryClicks() {
    static const std::vector<GalleryClick> clicks = {{32, 32, kStripFrame, 0.25f},
                                                     {84, 26, kToggle, 1.0f},
                                                     {130, 20, kSwatchClicks, 0.1f},
                                                     {190, 50, kCornerClicks, 0.1f}};
    return clicks;
}

void expectClickStored(testhost::TestHost& host, const GalleryClick& click) {
    EXPECT_FLOAT_EQ(host.getParameter(click.param), click.expected) << click.h << "," << click.v;
    const auto automated = host.callsWith(audioMasterAutomate);
    ASSERT_EQ(automated.size(), 1u) << click.h << "," << click.v;
    EXPECT_EQ(automated[0].index, click.param);
    EXPECT_TRUE(host.editGesturesBalanced());
}

const std::vector<GalleryDrag>& galleryDrags() {
    static const std::vector<GalleryDrag> drags = {
        {{28, 177}, {{34, 180}, {38, 184}, {39, 188}, {39, 188}}, kKnob, 0.25f, 0.03f},
        {{66, 175}, {{66, 200}, {66, 230}, {66, 248}, {66, 248}}, kFader, 1.0f - 73.0f / 147.0f, 1e-4f}};
    return drags;
}

void expectDragStored(testhost::TestHost& host, const GalleryDrag& drag) {
    expectOneDragGesture(host, drag.param, drag.expected, drag.tolerance);
}
