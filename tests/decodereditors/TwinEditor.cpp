#include "TwinEditor.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "AudioEffect.h"
#include "BmpDecode.h"
#include "GuiEditor.h"

namespace {
Point toScreen(Point client) {
    return Point(client.h + headless::kWindowScreenOrigin.h, client.v + headless::kWindowScreenOrigin.v);
}
}  // namespace

TwinEditor::TwinEditor(const std::string& libraryPath) : host(libraryPath) {}

bool TwinEditor::open() {
    if (!host.loaded()) return false;
    if (!host.effect() && !host.instantiateAndStart()) return false;
    if (host.dispatch(effEditOpen, 0, 0, &parent) != 1) return false;
    window = headless::lastCreatedWindow();
    if (!window) return false;
    headless::paint(window);
    idle();
    return true;
}

void TwinEditor::close() {
    host.dispatch(effEditClose);
    window = nullptr;
}

EditorFrame* TwinEditor::frame() const {
    if (!host.effect()) return nullptr;
    auto* plugin = static_cast<AudioEffect*>(host.effect()->object);
    auto* editor = dynamic_cast<GuiEditor*>(plugin->getEditorPointer());
    return editor ? editor->getFrame() : nullptr;
}

void TwinEditor::idle() { host.dispatch(effEditIdle); }

void TwinEditor::click(Point client, int buttons) {
    const Point screen = toScreen(client);
    headless::setInput({0, screen});
    // Read once when the click arrives and once more by a control that tracks the press.
    headless::queueInput({buttons, screen});
    headless::queueInput({buttons, screen});
    headless::queueInput({0, screen});
    headless::click(window, client);
    idle();
}

void TwinEditor::drag(Point from, Point to) {
    headless::setInput({0, toScreen(from)});
    headless::queueInput({platform::kLeftButton, toScreen(from)});
    headless::queueInput({platform::kLeftButton, toScreen(from)});
    headless::queueInput({platform::kLeftButton, toScreen(to)});
    headless::queueInput({platform::kLeftButton, toScreen(to)});
    headless::queueInput({0, toScreen(to)});
    headless::click(window, from);
    idle();
}

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

RasterImage resourceBitmap(const std::string& path) {
    std::ifstream in(std::string(ORVA_RESOURCES_DIR) + "/" + path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    RasterImage image;
    if (!decodeBmp(bytes.data(), bytes.size(), image)) return RasterImage();
    return image;
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
