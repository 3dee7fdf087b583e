// The toolkit's own widgets on X11, drawn with the rasteriser: a single-line edit box (a
// child window over the frame's window with the keyboard focus) and a popup menu (an
// override-redirect window that grabs the pointer and runs its own event loop until an
// item is chosen or a click lands outside it).
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>

#include "EditLine.h"
#include "NativeWidgets.h"
#include "RasterCanvas.h"
#include "X11Backend.h"

namespace platform {
struct NativeEditBox {
    Window xid = 0;
    NativeWindow* parent = nullptr;
    EditBoxClient* client = nullptr;
    EditBoxSetup setup;
    EditLine line;
    RasterImage pixels;
    XImage* image = nullptr;
    GC gc = nullptr;
};
}  // namespace platform

namespace {

constexpr int kItemHeightPx = 18;
constexpr int kSeparatorHeightPx = 7;
constexpr int kMenuFontId = 3;
constexpr std::uint32_t kMenuTimeoutMs = 60000;  // a menu nobody answers closes by itself

// An X window showing a raster image of its own size.
struct Surface {
    Window xid = 0;
    RasterImage pixels;
    XImage* image = nullptr;
    GC gc = nullptr;
};

bool makeSurface(Display* dpy, Window parent, const Rect& r, bool overrideRedirect, long events, Surface& s) {
    const int screen = DefaultScreen(dpy);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = overrideRedirect ? True : False;
    attributes.event_mask = events;
    s.xid = XCreateWindow(dpy, parent, r.left, r.top, unsigned(std::max(1, r.width())), unsigned(std::max(1, r.height())),
                          0, CopyFromParent, InputOutput, CopyFromParent, CWOverrideRedirect | CWEventMask, &attributes);
    if (!s.xid) return false;
    s.pixels = RasterImage(std::max(1, r.width()), std::max(1, r.height()), 0);
    s.image = XCreateImage(dpy, DefaultVisual(dpy, screen), unsigned(DefaultDepth(dpy, screen)), ZPixmap, 0,
                           reinterpret_cast<char*>(s.pixels.pixels.data()), unsigned(s.pixels.width),
                           unsigned(s.pixels.height), 32, s.pixels.width * 4);
    s.gc = XCreateGC(dpy, s.xid, 0, nullptr);
    XMapRaised(dpy, s.xid);
    return true;
}

void present(Display* dpy, Surface& s) {
    XPutImage(dpy, s.xid, s.gc, s.image, 0, 0, 0, 0, unsigned(s.pixels.width), unsigned(s.pixels.height));
    XFlush(dpy);
}

void freeSurface(Display* dpy, Surface& s) {
    if (s.image) {
        s.image->data = nullptr;  // the pixels belong to the RasterImage
        XDestroyImage(s.image);
    }
    if (s.gc) XFreeGC(dpy, s.gc);
    if (s.xid) XDestroyWindow(dpy, s.xid);
    XFlush(dpy);
    s = Surface{};
}

void paintBox(platform::NativeEditBox* box) {
    Display* dpy = x11::display();
    if (!dpy || !box->xid) return;
    Colour text = colours::black, back = colours::white;
    if (box->parent && box->parent->client) box->parent->client->editBoxColours(text, back);
    RasterCanvas canvas(box->pixels);
    const Rect whole(0, 0, box->pixels.width, box->pixels.height);
    FontSpec font;
    font.id = box->setup.fontId;
    font.heightPx = box->setup.fontHeightPx;
    canvas.selectFont(font);
    const bool selected = box->line.allSelected() && !box->line.value().empty();
    // A selection shows inverted, as the system's boxes do.
    canvas.setBrush(selected ? text : back);
    canvas.fillRect(whole);
    canvas.setTextColour(selected ? back : text);
    canvas.drawText(box->line.value().c_str(), whole, box->setup.alignment, false);
    if (!selected) {
        const int width = canvas.textWidth(box->line.value().c_str());
        int caret = box->setup.alignment == 2 ? whole.right - 1
                    : box->setup.alignment == 1 ? (whole.width() + width) / 2
                                               : width;
        caret = std::min(caret, whole.right - 1);
        canvas.setBrush(text);
        canvas.fillRect(Rect(caret, 2, caret + 1, whole.bottom - 2));
    }
    XPutImage(dpy, box->xid, box->gc, box->image, 0, 0, 0, 0, unsigned(box->pixels.width),
              unsigned(box->pixels.height));
    XFlush(dpy);
}

void finishBox(platform::NativeEditBox* box) {
    platform::EditBoxClient* client = box->client;
    box->client = nullptr;  // told once
    if (client) client->editBoxFinished();
}

void boxKey(platform::NativeEditBox* box, XKeyEvent& key) {
    char typed[16] = {};
    KeySym sym = 0;
    const int n = XLookupString(&key, typed, sizeof typed - 1, &sym, nullptr);
    if (sym == XK_Return || sym == XK_KP_Enter) {
        finishBox(box);
        return;
    }
    if (sym == XK_BackSpace || sym == XK_Delete) {
        box->line.backspace();
    } else if (n > 0 && static_cast<unsigned char>(typed[0]) >= 0x20 && typed[0] != 0x7F) {
        box->line.type(std::string(typed, std::size_t(n)));
    } else {
        return;
    }
    paintBox(box);
}

// The menu's geometry: one rectangle per item, columns started by column breaks.
struct MenuLayout {
    std::vector<Rect> items;
    Rect bounds;
};

MenuLayout layOut(const std::vector<platform::PopupMenuItem>& items, RasterCanvas& measure) {
    MenuLayout layout;
    std::vector<std::size_t> columnStarts{0};
    for (std::size_t i = 1; i < items.size(); ++i)
        if (items[i].columnBreak) columnStarts.push_back(i);
    columnStarts.push_back(items.size());
    layout.items.resize(items.size());
    int left = 0, bottom = 0;
    for (std::size_t c = 0; c + 1 < columnStarts.size(); ++c) {
        int width = 60, top = 2;
        for (std::size_t i = columnStarts[c]; i < columnStarts[c + 1]; ++i)
            width = std::max(width, measure.textWidth(items[i].label.c_str()) + 36);
        for (std::size_t i = columnStarts[c]; i < columnStarts[c + 1]; ++i) {
            const int h = items[i].kind == platform::PopupMenuItem::kSeparator ? kSeparatorHeightPx : kItemHeightPx;
            layout.items[i] = Rect(left + 2, top, left + width, top + h);
            top += h;
        }
        left += width;
        bottom = std::max(bottom, top + 2);
    }
    layout.bounds = Rect(0, 0, left + 2, std::max(bottom, 6));
    return layout;
}

void paintMenu(Surface& s, const std::vector<platform::PopupMenuItem>& items, const MenuLayout& layout, int hover) {
    using Item = platform::PopupMenuItem;
    RasterCanvas canvas(s.pixels);
    FontSpec font;
    font.id = kMenuFontId;
    font.heightPx = 12;
    canvas.selectFont(font);
    canvas.setBrush(Colour{236, 236, 236, 0});
    canvas.fillRect(layout.bounds);
    canvas.setPen(Colour{90, 90, 90, 0}, 1, 0);
    const Point outline[5] = {{0, 0}, {layout.bounds.right - 1, 0}, {layout.bounds.right - 1, layout.bounds.bottom - 1},
                              {0, layout.bounds.bottom - 1}, {0, 0}};
    canvas.polyline(outline, 5);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const Item& item = items[i];
        const Rect& r = layout.items[i];
        if (item.kind == Item::kSeparator) {
            canvas.setBrush(Colour{160, 160, 160, 0});
            canvas.fillRect(Rect(r.left + 2, r.top + 3, r.right - 2, r.top + 4));
            continue;
        }
        const bool active = item.kind == Item::kPlain || item.kind == Item::kSubMenu;
        const bool lit = int(i) == hover && active;
        if (lit) {
            canvas.setBrush(Colour{50, 90, 170, 0});
            canvas.fillRect(r);
        }
        canvas.setTextColour(!active ? Colour{150, 150, 150, 0} : lit ? colours::white : colours::black);
        canvas.drawText(item.label.c_str(), Rect(r.left + 18, r.top, r.right - 14, r.bottom), 0, false);
        if (item.checked) canvas.drawText("x", Rect(r.left + 4, r.top, r.left + 16, r.bottom), 1, false);
        if (item.kind == Item::kSubMenu) canvas.drawText(">", Rect(r.right - 14, r.top, r.right - 2, r.bottom), 1, false);
    }
}

int itemAt(const MenuLayout& layout, Point p) {
    for (std::size_t i = 0; i < layout.items.size(); ++i) {
        const Rect& r = layout.items[i];
        if (p.h >= r.left && p.h < r.right && p.v >= r.top && p.v < r.bottom) return int(i);
    }
    return -1;
}

bool grab(Display* dpy, Window xid) {
    const unsigned mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (XGrabPointer(dpy, xid, False, mask, GrabModeAsync, GrabModeAsync, None, None, CurrentTime) == GrabSuccess)
            return true;
        platform::sleepMs(4);
    }
    return false;
}

// Shows one level of the menu; sub-menus open to the right of their item.
int runMenu(Display* dpy, const std::vector<platform::PopupMenuItem>& items, Point screen, bool rightButton) {
    using Item = platform::PopupMenuItem;
    RasterImage scratch(1, 1);
    RasterCanvas measure(scratch);
    FontSpec font;
    font.id = kMenuFontId;
    font.heightPx = 12;
    measure.selectFont(font);
    const MenuLayout layout = layOut(items, measure);
    Surface s;
    const long events = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask;
    if (!makeSurface(dpy, DefaultRootWindow(dpy), layout.bounds.offsetBy(screen), true, events, s)) return -1;
    int hover = -1;
    paintMenu(s, items, layout, hover);
    present(dpy, s);
    int chosen = -1;
    bool pressedSinceOpen = false;
    bool done = !grab(dpy, s.xid);
    const std::uint32_t started = platform::tickCountMs();
    while (!done) {
        if (std::uint32_t(platform::tickCountMs() - started) > kMenuTimeoutMs) break;
        if (!XPending(dpy)) {
            platform::sleepMs(4);
            continue;
        }
        XEvent e;
        XNextEvent(dpy, &e);
        if (e.xany.window != s.xid) {
            x11::handleEvent(e);  // paints of the editor go on; its clicks are grabbed away
            continue;
        }
        if (e.type == Expose) {
            present(dpy, s);
            continue;
        }
        const bool isButton = e.type == ButtonPress || e.type == ButtonRelease;
        const Point p = isButton ? Point(e.xbutton.x, e.xbutton.y) : Point(e.xmotion.x, e.xmotion.y);
        const int index = itemAt(layout, p);
        if (e.type == MotionNotify) {
            if (index != hover) {
                hover = index;
                paintMenu(s, items, layout, hover);
                present(dpy, s);
            }
            continue;
        }
        if (!isButton) continue;
        const unsigned button = e.xbutton.button;
        if (button != Button1 && !(rightButton && button == Button3)) continue;
        if (e.type == ButtonPress) pressedSinceOpen = true;
        if (index < 0) {
            // Outside: a new press closes the menu; the release of the opening click does not.
            if (e.type == ButtonPress && !layout.bounds.contains(p)) done = true;
            continue;
        }
        if (e.type != ButtonRelease && items[std::size_t(index)].kind != Item::kSubMenu) continue;
        const Item& item = items[std::size_t(index)];
        if (item.kind == Item::kPlain) {
            chosen = item.id;
            done = true;
        } else if (item.kind == Item::kSubMenu && (e.type == ButtonPress || pressedSinceOpen)) {
            XUngrabPointer(dpy, CurrentTime);
            const Rect& r = layout.items[std::size_t(index)];
            const int sub = runMenu(dpy, item.subItems, Point(screen.h + r.right, screen.v + r.top), rightButton);
            if (sub >= 0) {
                chosen = sub;
                done = true;
            } else {
                done = !grab(dpy, s.xid);
            }
        }
    }
    XUngrabPointer(dpy, CurrentTime);
    freeSurface(dpy, s);
    return chosen;
}

}  // namespace

namespace x11 {

bool handleWidgetEvent(const XEvent& event) {
    platform::NativeEditBox* box = x11::backend().openBox;
    if (!box || event.xany.window != box->xid) return false;
    switch (event.type) {
        case Expose: paintBox(box); break;
        case KeyPress: {
            XKeyEvent key = event.xkey;
            boxKey(box, key);
            break;
        }
        case FocusOut:
            if (event.xfocus.detail != NotifyPointer) finishBox(box);
            break;
        default: break;
    }
    return true;
}

}  // namespace x11

namespace platform {

NativeEditBox* createEditBox(NativeWindow* parent, const EditBoxSetup& setup, EditBoxClient* client) {
    Display* dpy = x11::display();
    if (!dpy || !parent || !parent->xid || x11::backend().openBox) return nullptr;
    Surface s;
    if (!makeSurface(dpy, parent->xid, setup.rect, false, ExposureMask | KeyPressMask | FocusChangeMask, s))
        return nullptr;
    auto* box = new NativeEditBox;
    box->xid = s.xid;
    box->pixels = std::move(s.pixels);
    box->image = s.image;
    box->image->data = reinterpret_cast<char*>(box->pixels.pixels.data());
    box->gc = s.gc;
    box->parent = parent;
    box->client = client;
    box->setup = setup;
    box->line = EditLine(setup.text);
    x11::backend().openBox = box;
    XSync(dpy, False);
    XSetInputFocus(dpy, box->xid, RevertToParent, CurrentTime);
    paintBox(box);
    return box;
}

std::string editBoxText(NativeEditBox* box, std::size_t maxChars) {
    return box ? box->line.value().substr(0, maxChars) : std::string();
}

void destroyEditBox(NativeEditBox* box) {
    if (!box) return;
    if (x11::backend().openBox == box) x11::backend().openBox = nullptr;
    box->client = nullptr;
    if (Display* dpy = x11::display()) {
        Surface s;
        s.xid = box->xid;
        s.image = box->image;
        s.gc = box->gc;
        freeSurface(dpy, s);
    }
    delete box;
}

int trackPopupMenu(NativeWindow* window, const std::vector<PopupMenuItem>& items, Point screen, bool rightButtonTracks) {
    Display* dpy = x11::display();
    if (!dpy || !window || items.empty()) return -1;
    return runMenu(dpy, items, screen, rightButtonTracks);
}

}  // namespace platform
