#include "DecoderEditorChecks.h"

#include <algorithm>

void expectLayout(const TwinEditor& editor, const std::vector<ViewRow>& rows) {
    ASSERT_NE(editor.frame(), nullptr);
    EXPECT_EQ(editor.frame()->viewCount(), std::int32_t(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].what);
        View* view = editor.frame()->viewAt(std::int32_t(i));
        ASSERT_TRUE(rows[i].kind(view));
        const Rect& size = view->getSize();
        EXPECT_EQ(size.left, rows[i].size.left);
        EXPECT_EQ(size.top, rows[i].size.top);
        EXPECT_EQ(size.right, rows[i].size.right);
        EXPECT_EQ(size.bottom, rows[i].size.bottom);
        EXPECT_EQ(dynamic_cast<Control*>(view)->getTag(), rows[i].tag);
    }
}

::testing::AssertionResult showsBitmap(const RasterImage& window, const Rect& area, const RasterImage& bitmap,
                                       Point source) {
    if (bitmap.width == 0) return ::testing::AssertionFailure() << "bitmap not read";
    int differing = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const int bx = source.h + x - area.left, by = source.v + y - area.top;
            if (!window.inside(x, y) || !bitmap.inside(bx, by) || window.at(x, y) != bitmap.at(bx, by)) ++differing;
        }
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ from the bitmap at (" << source.h << ", "
                                         << source.v << ")";
}

Rect changedPixels(const RasterImage& window, const Rect& area, const RasterImage& bitmap, Point source) {
    Rect box(area.right, area.bottom, area.left, area.top);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) {
            const int bx = source.h + x - area.left, by = source.v + y - area.top;
            if (!bitmap.inside(bx, by) || window.at(x, y) == bitmap.at(bx, by)) continue;
            box = Rect(std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1));
        }
    if (box.left >= box.right) return Rect();
    return box;
}
