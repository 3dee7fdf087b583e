// Bitmap resources linked into a library on platforms without native resources. The build
// (orva_add_editor_resources) generates one source per library from its resource scripts;
// that source registers its table at load time.
#pragma once

#include <cstddef>
#include <cstdint>

struct EmbeddedBitmap {
    int resourceId;
    const std::uint8_t* bmpData;  // a complete BMP file
    std::size_t bmpSize;
};

// Adds a table (kept by pointer until unregistered). Always true.
bool registerEmbeddedBitmaps(const EmbeddedBitmap* table, std::size_t count);
// Removes a table again (a library being unloaded); unknown tables are ignored.
void unregisterEmbeddedBitmaps(const EmbeddedBitmap* table);
// The registered BMP of that identifier, or null.
const EmbeddedBitmap* findEmbeddedBitmap(int resourceId);
