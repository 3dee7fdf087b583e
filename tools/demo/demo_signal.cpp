// demo_signal OUT.wav [SECONDS] [CHANNELS]: a stereo (or n-channel) test signal at 48 kHz,
// a 220 Hz tone on the left and a 330 Hz tone on the right, each at -12 dBFS, so that each
// input of a panner can be told apart in its output.
#include <sndfile.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: demo_signal OUT.wav [SECONDS] [CHANNELS]\n");
        return 2;
    }
    const double seconds = argc > 2 ? std::atof(argv[2]) : 2.0;
    const int channels = argc > 3 ? std::atoi(argv[3]) : 2;
    if (!(seconds > 0 && seconds <= 600) || channels < 1 || channels > 64) {
        std::fprintf(stderr, "demo_signal: SECONDS must be in (0, 600] and CHANNELS in 1..64\n");
        return 1;
    }
    const int rateHz = 48000;
    SF_INFO info{};
    info.samplerate = rateHz;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(argv[1], SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "demo_signal: cannot write %s: %s\n", argv[1], sf_strerror(nullptr));
        return 1;
    }
    const double amplitude = std::pow(10.0, -12.0 / 20.0);
    const auto frames = static_cast<long>(seconds * rateHz);
    std::vector<float> frame(static_cast<std::size_t>(channels));
    for (long i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rateHz;
        for (int c = 0; c < channels; ++c)
            frame[static_cast<std::size_t>(c)] =
                static_cast<float>(amplitude * std::sin(2.0 * M_PI * 220.0 * (1.0 + 0.5 * c) * t));
        sf_writef_float(file, frame.data(), 1);
    }
    sf_close(file);
    return 0;
}
