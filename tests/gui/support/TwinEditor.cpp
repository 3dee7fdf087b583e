#include "TwinEditor.h"

#include "AudioEffect.h"
#include "GuiEditor.h"

namespace {
Point toScreen(Point frame) {
    return Point(frame.h + headless::kWindowScreenOrigin.h, frame.v + headless::kWindowScreenOrigin.v);
}
const RasterImage kEmpty;
}  // namespace

TwinEditor::TwinEditor(const std::string& library) : host(testhost::pluginPath("test-only/" + library + "_headless")) {}

TwinEditor::TwinEditor(const AtPath& twin) : host(twin.path) {}

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

void TwinEditor::drag(Point from, const std::vector<Point>& path, int buttons) {
    // The drag loop reads the buttons, then uses the pointer read before: each point is
    // queued once and the last one rests once more before the release.
    headless::setInput({0, toScreen(from)});
    headless::queueInput({buttons, toScreen(from)});
    for (Point p : path) headless::queueInput({buttons, toScreen(p)});
    const Point last = toScreen(path.empty() ? from : path.back());
    headless::queueInput({buttons, last});
    headless::queueInput({0, last});
    headless::click(window, from);
    idle();
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

std::uint32_t TwinEditor::pixel(int x, int y) const { return pixels().at(x, y); }

const RasterImage& TwinEditor::pixels() const {
    const RasterImage* image = window ? headless::windowPixels(window) : nullptr;
    return image ? *image : kEmpty;
}
