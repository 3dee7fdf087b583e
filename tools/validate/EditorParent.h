// A top-level window to host an editor in, as a host gives one: an X window on Linux
// (needs DISPLAY), a plain window on Windows.
#pragma once

namespace validate {

class EditorParent {
public:
    EditorParent();
    ~EditorParent();
    bool ready() const { return handle_ != nullptr; }
    // What effEditOpen receives: the XID or the HWND.
    void* handle() const { return handle_; }
    // Handles pending window-system events.
    void pump();

private:
    void* display_ = nullptr;
    void* handle_ = nullptr;
};

}  // namespace validate
