// An editor library's headless twin loaded as a host loads it: the editor opens on the
// shared headless toolkit in a pretend parent window and takes scripted mouse input in
// frame coordinates. Test programs using it link orva_gui_headless_shared (not the static
// headless toolkit).
#pragma once

#include <string>
#include <vector>

#include "EditorFrame.h"
#include "HeadlessPlatform.h"
#include "RasterImage.h"
#include "TestHost.h"

class TwinEditor {
public:
    // A twin library's file, when it is not where the build puts it.
    struct AtPath {
        std::string path;
    };

    // `library` is the editor library's name ("orva_zoom_ui"); its twin is loaded.
    explicit TwinEditor(const std::string& library);
    explicit TwinEditor(const AtPath& twin);

    // Instantiates (unless the plug-in exists), opens the editor, paints it once and idles once.
    bool open();
    void close();
    void idle() { host.dispatch(effEditIdle); }

    // A press at `from` held while the pointer moves along `path`, released at its end;
    // then one idle. `buttons` are held throughout (platform::MouseBits).
    void drag(Point from, const std::vector<Point>& path, int buttons = platform::kLeftButton);
    void click(Point framePoint, int buttons = platform::kLeftButton) { drag(framePoint, {}, buttons); }

    std::uint32_t pixel(int x, int y) const;
    const RasterImage& pixels() const;

    // The open editor's frame (null while closed), reached through the plug-in object as
    // the loaded library built it: the toolkit's classes come from the shared toolkit.
    EditorFrame* frame() const;
    // The frame's view at `index` as a T, or null.
    template <class T>
    T* view(int index) const {
        EditorFrame* f = frame();
        return f ? dynamic_cast<T*>(f->viewAt(index)) : nullptr;
    }

    testhost::TestHost host;
    platform::NativeWindow* window = nullptr;

private:
    int parent = 0;
};
