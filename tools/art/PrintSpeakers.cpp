// Prints, as JSON, where the decoder's layouts and the rig decoder's rigs put their
// loudspeakers (SpeakerDirections.h), for make_art.py:
//
//   orva_art_speakers > speakers.json
#include <cmath>
#include <cstdio>

#include "SpeakerDirections.h"

namespace {

constexpr int kDecoderLayouts = 8;
constexpr int kRigs = 11;

// Two decimals: enough for a picture, and stable against the last bits of the search.
double roundedDeg(double deg) {
    const double r = std::round(deg * 100.0) / 100.0;
    return r == 0.0 ? 0.0 : r;  // no "-0.00"
}

void printDirection(const std::optional<art::Direction>& d) {
    if (d)
        std::printf("{\"azimuth\": %.2f, \"elevation\": %.2f}", roundedDeg(d->azimuthDeg), roundedDeg(d->elevationDeg));
    else
        std::printf("null");
}

template <typename List>
void printList(const char* key, const List& directions, bool last) {
    std::printf("    {\"%s\": [", key);
    for (std::size_t k = 0; k < directions.size(); ++k) {
        if (k) std::printf(", ");
        printDirection(directions[k]);
    }
    std::printf("]}%s\n", last ? "" : ",");
}

}  // namespace

int main() {
    std::printf("{\n  \"decoder_layouts\": [\n");
    for (int layout = 0; layout < kDecoderLayouts; ++layout)
        printList("outputs", art::decoderOutputDirections(layout), layout + 1 == kDecoderLayouts);
    std::printf("  ],\n  \"rigs\": [\n");
    for (int rig = 0; rig < kRigs; ++rig) {
        std::vector<std::optional<art::Direction>> speakers;
        for (const art::Direction& d : art::rigSpeakerDirections(rig)) speakers.push_back(d);
        printList("speakers", speakers, rig + 1 == kRigs);
    }
    std::printf("  ]\n}\n");
    return 0;
}
