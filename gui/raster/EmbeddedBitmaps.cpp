#include "EmbeddedBitmaps.h"

namespace {
constexpr std::size_t kMaxTables = 64;

struct Registry {
    const EmbeddedBitmap* tables[kMaxTables];
    std::size_t counts[kMaxTables];
    std::size_t used;
};

// Function-local so that registration from other static initialisers finds it ready.
Registry& registry() {
    static Registry r{};
    return r;
}
}  // namespace

bool registerEmbeddedBitmaps(const EmbeddedBitmap* table, std::size_t count) {
    Registry& r = registry();
    if (table && r.used < kMaxTables) {
        r.tables[r.used] = table;
        r.counts[r.used] = count;
        ++r.used;
    }
    return true;
}

void unregisterEmbeddedBitmaps(const EmbeddedBitmap* table) {
    Registry& r = registry();
    for (std::size_t t = 0; t < r.used; ++t) {
        if (r.tables[t] != table) continue;
        for (std::size_t k = t + 1; k < r.used; ++k) {
            r.tables[k - 1] = r.tables[k];
            r.counts[k - 1] = r.counts[k];
        }
        --r.used;
        return;
    }
}

const EmbeddedBitmap* findEmbeddedBitmap(int resourceId) {
    const Registry& r = registry();
    // Newest table first, so a later registration of an identifier takes precedence.
    for (std::size_t t = r.used; t-- > 0;)
        for (std::size_t i = 0; i < r.counts[t]; ++i)
            if (r.tables[t][i].resourceId == resourceId) return &r.tables[t][i];
    return nullptr;
}
