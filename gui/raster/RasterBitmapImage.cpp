// Bitmap loading and off-screen surfaces shared by the software-rasterised backends.
#include "RasterBitmapImage.h"

#include <new>

#include "BmpDecode.h"
#include "EmbeddedBitmaps.h"
#include "Platform.h"
#include "RasterCanvas.h"

namespace platform {

BitmapImage* loadBitmapResource(int resourceId) {
    const EmbeddedBitmap* entry = findEmbeddedBitmap(resourceId);
    if (!entry) return nullptr;
    RasterImage decoded;
    if (!decodeBmp(entry->bmpData, entry->bmpSize, decoded)) return nullptr;
    BitmapImage* image = new (std::nothrow) BitmapImage;
    if (image) image->pixels = std::move(decoded);
    return image;
}

void bitmapImageSize(const BitmapImage* image, int& widthPx, int& heightPx) {
    widthPx = image ? image->pixels.width : 0;
    heightPx = image ? image->pixels.height : 0;
}

void destroyBitmapImage(BitmapImage* image) { delete image; }

std::unique_ptr<Canvas> createOffscreenCanvas(int widthPx, int heightPx) {
    return std::make_unique<OwningRasterCanvas>(widthPx > 0 ? widthPx : 0, heightPx > 0 ? heightPx : 0);
}

}  // namespace platform
