// An editor library's headless twin loaded as a host loads it: the editor opens on the
// shared headless toolkit in a pretend parent window and takes scripted mouse input in
// frame coordinates. Test programs using it link orva_gui_headless_shared (not the static
// headless toolkit).
#pragma once

#include <string>
#include <vector>

#include "HeadlessPlatform.h"
#include "RasterImage.h"
#include "TestHost.h"

class TwinEditor {
   public:
    // `library` is the editor library's name ("orva_zoom_ui"); its twin is loaded.
    explicit TwinEditor(const std::string& library);

    // Instantiates, opens the editor, paints it once and idles once.
    bool open();
    void idle() { host.dispatch(effEditIdle); }

    // A press at `from` held while the pointer moves along `path`, released at its end;
    // then one idle. `buttons` are held throughout (platform::MouseBits).
    void drag(Point from, const std::vector<Point>& path, int buttons = platform::kLeftButton);
    void click(Point framePoint, int buttons = platform::kLeftButton) { drag(framePoint, {}, buttons); }

    std::uint32_t pixel(int x, int y) const;
    const RasterImage& pixels() const;

    testhost::TestHost host;
    platform::NativeWindow* window = nullptr;

   private:
    int parent = 0;
};
