// The pixels of one bitmap resource as the toolkit's platform layer loads it: decoded from
// the embedded BMP on Linux, converted by the Win32 resource loader on Windows.
#pragma once

#include "RasterImage.h"

// False when the resource does not load.
bool loadResourcePixels(int resourceId, RasterImage& out);
// Makes resources of the test program itself loadable (the toolkit loads from the module
// that holds the editor, a plug-in library in real use).
void useTestProgramResources();
