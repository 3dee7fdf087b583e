#include "BitmapPixels.h"
#include "ModuleState.h"
#include "Platform.h"
#include "Win32Backend.h"

bool loadResourcePixels(int resourceId, RasterImage& out) {
    platform::BitmapImage* image = platform::loadBitmapResource(resourceId);
    if (!image) return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image->width;
    info.bmiHeader.biHeight = -image->height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    out = RasterImage(image->width, image->height);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, image->bitmap, 0, image->height, out.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    platform::destroyBitmapImage(image);
    // 32-bit BI_RGB rows hold 0x00RRGGBB per pixel, the raster format
    for (auto& p : out.pixels) p &= 0x00FFFFFF;
    return rows == out.height;
}

// In a program (not a library) no load-time entry records the module handle.
void useTestProgramResources() { setModuleInstanceHandle(GetModuleHandleA(nullptr)); }
