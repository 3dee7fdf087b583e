// The native widgets on Win32: the system EDIT control for text fields (subclassed so that
// Return and focus loss finish the edit) and TrackPopupMenu for choice menus.
#include "NativeWidgets.h"
#include "Win32Backend.h"

namespace platform {
struct NativeEditBox {
    HWND hwnd = nullptr;
    HFONT font = nullptr;
    NativeWindow* parent = nullptr;
    EditBoxClient* client = nullptr;
};
}  // namespace platform

namespace {

WNDPROC originalEditProc = nullptr;

LRESULT CALLBACK editBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* box = reinterpret_cast<platform::NativeEditBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    const WNDPROC original = originalEditProc;
    const bool finish = box && box->client && ((message == WM_KEYDOWN && wParam == VK_RETURN) || message == WM_KILLFOCUS);
    if (finish) {
        platform::EditBoxClient* client = box->client;
        box->client = nullptr;  // told once, whatever the box receives while it closes
        client->editBoxFinished();
    }
    if (message == WM_CHAR && wParam == '\r') return 0;  // a single-line box would beep
    if (!IsWindow(hwnd)) return 0;                       // the client destroyed the box
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
}

HFONT editFont(const platform::EditBoxSetup& setup) {
    const bool symbol = setup.fontId == 7;
    return CreateFontA(-setup.fontHeightPx, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, symbol ? FF_DECORATIVE : (FF_SWISS | VARIABLE_PITCH),
                       symbol ? "Symbol" : "Arial");
}

HMENU buildMenu(const std::vector<platform::PopupMenuItem>& items) {
    using Item = platform::PopupMenuItem;
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (const Item& item : items) {
        UINT flags = item.columnBreak ? MF_MENUBREAK : 0;
        UINT_PTR id = UINT_PTR(item.id);
        switch (item.kind) {
            case Item::kSeparator: flags |= MF_SEPARATOR; break;
            case Item::kSubMenu: {
                HMENU sub = buildMenu(item.subItems);
                if (!sub) continue;
                flags |= MF_POPUP | MF_STRING;
                id = reinterpret_cast<UINT_PTR>(sub);
                break;
            }
            case Item::kGreyed: flags |= MF_STRING | MF_GRAYED; break;
            case Item::kTitle: flags |= MF_STRING | MF_DISABLED; break;
            case Item::kPlain: flags |= MF_STRING | (item.checked ? MF_CHECKED : 0); break;
        }
        AppendMenuA(menu, flags, id, item.kind == Item::kSeparator ? nullptr : item.label.c_str());
    }
    return menu;
}

}  // namespace

namespace platform {

NativeEditBox* createEditBox(NativeWindow* parent, const EditBoxSetup& setup, EditBoxClient* client) {
    if (!parent || !parent->hwnd) return nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if (setup.alignment == 1) style |= ES_CENTER;
    if (setup.alignment == 2) style |= ES_RIGHT;
    HWND hwnd = CreateWindowExA(0, "EDIT", setup.text.c_str(), style, setup.rect.left, setup.rect.top, setup.rect.width(),
                                setup.rect.height(), parent->hwnd, nullptr, moduleInstance(), nullptr);
    if (!hwnd) return nullptr;
    auto* box = new NativeEditBox;
    box->hwnd = hwnd;
    box->parent = parent;
    box->client = client;
    box->font = editFont(setup);
    if (box->font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(box->font), TRUE);
    SendMessageA(hwnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SendMessageA(hwnd, EM_SETSEL, 0, -1);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
    const WNDPROC previous =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editBoxProc)));
    if (!originalEditProc) originalEditProc = previous;
    SetFocus(hwnd);
    return box;
}

std::string editBoxText(NativeEditBox* box, std::size_t maxChars) {
    if (!box || !box->hwnd) return std::string();
    std::string text(maxChars + 1, '\0');
    const int n = GetWindowTextA(box->hwnd, &text[0], int(maxChars + 1));
    text.resize(n > 0 ? std::size_t(n) : 0);
    return text;
}

void destroyEditBox(NativeEditBox* box) {
    if (!box) return;
    box->client = nullptr;
    SetWindowLongPtrA(box->hwnd, GWLP_USERDATA, 0);  // messages of the closing box reach no client
    DestroyWindow(box->hwnd);
    if (box->font) DeleteObject(box->font);
    if (box->parent && box->parent->editBrush) {
        DeleteObject(box->parent->editBrush);
        box->parent->editBrush = nullptr;
    }
    delete box;
}

int trackPopupMenu(NativeWindow* window, const std::vector<PopupMenuItem>& items, Point screen, bool rightButtonTracks) {
    if (!window || !window->hwnd) return -1;
    HMENU menu = buildMenu(items);
    if (!menu) return -1;
    const UINT flags = TPM_LEFTALIGN | (rightButtonTracks ? TPM_RIGHTBUTTON : 0);
    TrackPopupMenu(menu, flags, screen.h, screen.v, 0, window->hwnd, nullptr);
    // The choice arrives as a posted command message; the clicks that closed the menu
    // are taken off the queue so they do not reach the editor.
    int chosen = -1;
    MSG msg;
    if (PeekMessageA(&msg, window->hwnd, WM_COMMAND, WM_COMMAND, PM_REMOVE)) chosen = LOWORD(msg.wParam);
    for (int i = 0; i < 2; ++i)
        if (!PeekMessageA(&msg, window->hwnd, WM_LBUTTONDOWN, WM_MBUTTONDBLCLK, PM_REMOVE)) break;
    DestroyMenu(menu);
    return chosen;
}

}  // namespace platform
