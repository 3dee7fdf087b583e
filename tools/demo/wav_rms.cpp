// wav_rms FILE.wav [NAME ...]: prints the RMS level of each channel in dBFS, labelled with
// the given names (W X Y Z ...) or channel numbers. A channel in opposite polarity to the
// first one is marked "inv" (for B-format: X inverted is behind, Y inverted is right),
// and a channel below -120 dBFS reads as silent.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: wav_rms FILE.wav [NAME ...]\n");
        return 2;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(argv[1], SFM_READ, &info);
    if (!file) {
        std::fprintf(stderr, "wav_rms: cannot read %s: %s\n", argv[1], sf_strerror(nullptr));
        return 1;
    }
    std::vector<double> sumSquares(static_cast<std::size_t>(info.channels), 0.0);
    std::vector<double> sumWithFirst(static_cast<std::size_t>(info.channels), 0.0);
    std::vector<float> frame(static_cast<std::size_t>(info.channels));
    while (sf_readf_float(file, frame.data(), 1) == 1)
        for (int c = 0; c < info.channels; ++c) {
            sumSquares[c] += static_cast<double>(frame[c]) * frame[c];
            sumWithFirst[c] += static_cast<double>(frame[c]) * frame[0];
        }
    sf_close(file);
    for (int c = 0; c < info.channels; ++c) {
        const std::string name = c + 2 < argc ? argv[c + 2] : std::to_string(c);
        const double rms = info.frames > 0 ? std::sqrt(sumSquares[c] / static_cast<double>(info.frames)) : 0.0;
        const double db = rms > 0 ? 20.0 * std::log10(rms) : -1000.0;
        if (db < -120.0) std::printf("  %-2s  silent      ", name.c_str());
        else std::printf("  %-2s %6.1f dB %s", name.c_str(), db, sumWithFirst[c] < 0 ? "inv" : "   ");
    }
    std::printf("\n");
    return 0;
}
