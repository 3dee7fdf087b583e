// The built orva_decoder_ui or halvane library (ORVA_RIG_EDITOR picks halvane) in a real
// Win32 window: opened in a parent window of the test, captured from the child window's
// device context and compared with the same editor rendered in-process on the headless
// toolkit, and one real click through SendInput reaches the plug-in: the decoder's switch,
// or the rig menu's choice through the native popup menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

#include "EditorFrame.h"
#include "GuiEditor.h"
#include "HeadlessPlatform.h"
#include "PngWriter.h"
#include "TestHost.h"

#if defined(ORVA_RIG_EDITOR)
#include "RigDecoderPluginWithEditor.h"
#include "ToneMessage.h"
#else
#include "DecoderPluginWithEditor.h"
#endif

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

#if defined(ORVA_RIG_EDITOR)
using EditorPlugin = RigDecoderPluginWithEditor;
constexpr const char* kLibrary = "halvane";
constexpr const char* kName = "rig_decoder_editor";
constexpr int kWidthPx = 430, kHeightPx = 264;
const std::vector<Rect> kTextAreas = {Rect(18, 15, 287, 28)};  // the rig menu's entry
const std::vector<std::pair<int, float>> kValues = {{0, 3.0f}, {1, 0.25f}, {2, 0.6f}, {3, 1.0f}};
#else
using EditorPlugin = DecoderPluginWithEditor;
constexpr const char* kLibrary = "orva_decoder_ui";
constexpr const char* kName = "decoder_editor";
constexpr int kWidthPx = 326, kHeightPx = 126;
const std::vector<Rect> kTextAreas = {};
const std::vector<std::pair<int, float>> kValues = {{0, 0.5f}};
#endif
constexpr double kTextTolerance = 40.0;  // font engines differ in hinting and smoothing

std::intptr_t referenceHost(AEffect*, std::int32_t opcode, std::int32_t, std::intptr_t, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

// The same editor on the headless toolkit in this process, with these parameter values.
RasterImage renderReference(const std::vector<std::pair<int, float>>& values) {
#if defined(ORVA_RIG_EDITOR)
    rig::setToneMessageSink([](const char*) {});  // no tone beside the test program: no box
#endif
    EditorPlugin plugin(referenceHost);
    for (auto [index, value] : values) plugin.setParameter(index, value);
    int parent = 0;
    plugin.dispatcher(effEditOpen, 0, 0, &parent, 0.0f);
    auto* editor = static_cast<GuiEditor*>(plugin.getEditor());
    RasterImage pixels;
    if (editor && editor->getFrame()) {
        platform::NativeWindow* window = editor->getFrame()->getWindow();
        headless::paint(window);
        plugin.dispatcher(effEditIdle, 0, 0, nullptr, 0.0f);
        if (RasterImage* surface = headless::windowPixels(window)) pixels = *surface;
    }
    plugin.dispatcher(effEditClose, 0, 0, nullptr, 0.0f);
    return pixels;
}

HWND createParentWindow() {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        wc.lpszClassName = "OrvaDecoderTestParent";
        registered = RegisterClassA(&wc) != 0;
    }
    HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, "OrvaDecoderTestParent", kName, WS_POPUP | WS_VISIBLE, 40, 40, 440,
                                280, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(hwnd);
    return hwnd;
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

[[maybe_unused]] void sendKey(WORD key) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

bool inside(const std::vector<Rect>& areas, int x, int y) {
    for (const Rect& r : areas)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

class Win32DecoderEditor : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.loaded()) << host.error();
        ASSERT_NE(host.instantiateAndStart(), nullptr);
        for (auto [index, value] : kValues) host.setParameter(index, value);
        parent = createParentWindow();
        ASSERT_NE(parent, nullptr);
        pumpMessages();
    }
    void TearDown() override {
        host.close();
        DestroyWindow(parent);
        pumpMessages();
    }

    HWND child() { return GetWindow(parent, GW_CHILD); }
    void openEditor(const std::vector<std::pair<int, float>>& values) {
        reference = renderReference(values);
        ASSERT_EQ(host.dispatch(effEditOpen, 0, 0, parent), 1);
        ASSERT_TRUE(idleUntil([&] { return child() && matchesReference(); })) << describe();
    }
    RasterImage capture() {
        RasterImage out;
        HWND hwnd = child();
        if (!hwnd) return out;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidthPx;
        info.bmiHeader.biHeight = -kHeightPx;  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC windowDc = GetDC(hwnd);
        HBITMAP dib = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HDC mem = CreateCompatibleDC(windowDc);
        HGDIOBJ old = SelectObject(mem, dib);
        BitBlt(mem, 0, 0, kWidthPx, kHeightPx, windowDc, 0, 0, SRCCOPY);
        GdiFlush();
        out = RasterImage(kWidthPx, kHeightPx);
        const auto* pixels = static_cast<const std::uint32_t*>(bits);
        for (std::size_t i = 0; i < out.pixels.size(); ++i) out.pixels[i] = pixels[i] & 0xFFFFFF;
        SelectObject(mem, old);
        DeleteDC(mem);
        DeleteObject(dib);
        ReleaseDC(hwnd, windowDc);
        return out;
    }
    // Exact outside the text areas; inside them a mean channel difference within tolerance.
    bool matchesReference() {
        lastCapture = capture();
        exactMismatches = 0;
        double textDifference = 0;
        int textPixels = 0;
        if (lastCapture.width != reference.width || lastCapture.height != reference.height) {
            exactMismatches = -1;
            return false;
        }
        for (int y = 0; y < reference.height; ++y)
            for (int x = 0; x < reference.width; ++x) {
                const std::uint32_t a = lastCapture.at(x, y), b = reference.at(x, y);
                if (!inside(kTextAreas, x, y)) {
                    exactMismatches += a != b;
                    continue;
                }
                for (int shift : {0, 8, 16}) textDifference += std::abs(int((a >> shift) & 255) - int((b >> shift) & 255));
                textPixels += 3;
            }
        textMeanDifference = textPixels ? textDifference / textPixels : 0.0;
        return exactMismatches == 0 && textMeanDifference <= kTextTolerance;
    }
    std::string describe() const {
        return std::to_string(exactMismatches) + " pixels differ, text difference " + std::to_string(textMeanDifference);
    }
    // Pumps messages and sends effEditIdle every 10 ms, as a host does.
    bool idleUntil(const std::function<bool()>& done, int passes = 300) {
        for (int i = 0; i < passes; ++i) {
            pumpMessages();
            host.dispatch(effEditIdle);
            if (done()) return true;
            Sleep(10);
        }
        return false;
    }
    // Presses the button over a client point; the release follows 150 ms later from
    // another thread, while the editor handles the press.
    void clickAt(int h, int v) {
        POINT p{h, v};
        ClientToScreen(child(), &p);
        SetCursorPos(p.x, p.y);
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        std::thread releaser([] {
            Sleep(150);
            sendMouse(MOUSEEVENTF_LEFTUP);
        });
        for (int i = 0; i < 30; ++i) {
            pumpMessages();
            Sleep(10);
        }
        releaser.join();
        pumpMessages();
    }

    testhost::TestHost host{testhost::pluginPath(kLibrary)};
    HWND parent = nullptr;
    RasterImage reference;
    RasterImage lastCapture;
    int exactMismatches = 0;
    double textMeanDifference = 0;
};

}  // namespace

TEST_F(Win32DecoderEditor, OpensInTheHostWindowAndMatchesTheHeadlessRendering) {
    ERect* rect = nullptr;
    ASSERT_EQ(host.dispatch(effEditGetRect, 0, 0, &rect), 1);
    EXPECT_EQ(rect->right - rect->left, kWidthPx);
    EXPECT_EQ(rect->bottom - rect->top, kHeightPx);
    openEditor(kValues);
    writePng(capturePath(std::string(kName) + "_win32"), lastCapture);
    EXPECT_EQ(exactMismatches, 0) << describe();
}

#if defined(ORVA_RIG_EDITOR)
TEST_F(Win32DecoderEditor, RigChoiceThroughTheNativePopupMenu) {
    openEditor(kValues);
    host.clearCalls();
    // Keys walk the selectable entries while TrackPopupMenu runs inside the button-down
    // message: the eighth is "Cube", past the separator.
    std::thread chooser([] {
        Sleep(400);
        for (int i = 0; i < 8; ++i) {
            sendKey(VK_DOWN);
            Sleep(40);
        }
        sendKey(VK_RETURN);
    });
    clickAt(100, 21);
    chooser.join();
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(0) == 8.0f; })) << host.getParameter(0);
    std::vector<std::pair<int, float>> cube = kValues;
    cube.push_back({0, 8.0f});
    reference = renderReference(cube);
    EXPECT_TRUE(idleUntil([&] { return matchesReference(); })) << describe();
    writePng(capturePath(std::string(kName) + "_win32_cube"), lastCapture);
}
#else
TEST_F(Win32DecoderEditor, SwitchTakesARealClick) {
    openEditor(kValues);
    host.clearCalls();
    clickAt(200, 31);  // the eighth band: Mono
    ASSERT_TRUE(idleUntil([&] { return host.getParameter(0) == 1.0f; }));
    EXPECT_TRUE(host.editGesturesBalanced());
    reference = renderReference({{0, 1.0f}});
    EXPECT_TRUE(idleUntil([&] { return matchesReference(); })) << describe();
}
#endif
