// render shot: opens a library's editor as a host does, in a window of its own on the
// current X display, lets it draw, saves the window as PNG and closes it.
#include <chrono>
#include <cstdlib>
#include <thread>

#include "PngWriter.h"
#include "RasterImage.h"
#include "RenderCommon.h"

// After the project headers: Xlib defines macros such as None and Bool.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace render {

namespace {

constexpr int kIdlePasses = 8;
constexpr auto kIdleInterval = std::chrono::milliseconds(20);

struct DisplayConnection {
    Display* display = XOpenDisplay(nullptr);
    ~DisplayConnection() {
        if (display) XCloseDisplay(display);
    }
};

// The editor's size from effEditGetRect; throws when the library has no usable editor.
void editorSize(testhost::TestHost& host, const std::string& library, int& widthPx, int& heightPx) {
    if (!(host.effect()->flags & effFlagsHasEditor)) throw UsageError(library + " has no editor");
    ERect* rect = nullptr;
    if (host.dispatch(effEditGetRect, 0, 0, &rect) == 0 || !rect)
        throw UsageError(library + " does not tell the size of its editor");
    widthPx = rect->right - rect->left;
    heightPx = rect->bottom - rect->top;
    if (widthPx <= 0 || heightPx <= 0 || widthPx > 8192 || heightPx > 8192)
        throw UsageError(library + " reports an editor size of " + std::to_string(widthPx) + " x " +
                         std::to_string(heightPx));
}

RasterImage captureWindow(Display* display, Window window, int widthPx, int heightPx) {
    XImage* image = XGetImage(display, window, 0, 0, unsigned(widthPx), unsigned(heightPx), AllPlanes, ZPixmap);
    if (!image) throw std::runtime_error("the editor's window could not be read");
    RasterImage out(widthPx, heightPx);
    for (int y = 0; y < heightPx; ++y)
        for (int x = 0; x < widthPx; ++x) out.at(x, y) = std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFFu;
    XDestroyImage(image);
    return out;
}

}  // namespace

int runShot(const ShotOptions& options) {
    std::unique_ptr<testhost::TestHost> host = loadPlugin(options.library);
    int widthPx = 0, heightPx = 0;
    editorSize(*host, options.library, widthPx, heightPx);
    for (const auto& [name, text] : options.settings)
        host->setParameter(findParameter(*host, name), parseValue(text, name));

    DisplayConnection connection;
    if (!connection.display) throw UsageError("no X display to open the editor on (set DISPLAY or use xvfb-run)");
    Display* display = connection.display;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, unsigned(widthPx),
                                              unsigned(heightPx), 0, 0, 0x000000);
    XStoreName(display, window, options.library.c_str());
    XMapWindow(display, window);
    XSync(display, False);

    if (host->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(window)) == 0) {
        XDestroyWindow(display, window);
        throw UsageError(options.library + " did not open its editor");
    }
    for (int i = 0; i < kIdlePasses; ++i) {
        host->dispatch(effEditIdle);
        XSync(display, False);
        std::this_thread::sleep_for(kIdleInterval);
    }
    const RasterImage pixels = captureWindow(display, window, widthPx, heightPx);
    host->dispatch(effEditClose);
    XDestroyWindow(display, window);
    XSync(display, False);
    host->close();
    if (!writePng(options.output, pixels)) throw UsageError("cannot write " + options.output);
    return 0;
}

}  // namespace render
