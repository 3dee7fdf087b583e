#include "BitmapPixels.h"
#include "Platform.h"
#include "RasterBitmapImage.h"

bool loadResourcePixels(int resourceId, RasterImage& out) {
    platform::BitmapImage* image = platform::loadBitmapResource(resourceId);
    if (!image) return false;
    out = image->pixels;
    platform::destroyBitmapImage(image);
    return true;
}

void useTestProgramResources() {}
