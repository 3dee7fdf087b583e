#include "TestToneGenerator.h"

#include <cmath>
#include <cstdint>

namespace testtone {

namespace {

constexpr std::uint32_t kSampleRateHz = 44100;
constexpr std::uint32_t kFrames = 44100;    // one second
constexpr std::uint32_t kFadeFrames = 882;  // 20 ms in and out, so the tone starts without a click
constexpr double kPeakLevel = 0.25;         // -12 dBFS before the plug-in's own 0.6

// xorshift32: a fixed seed gives the same white noise on every platform.
class WhiteNoise {
public:
    double next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<double>(state) / 2147483648.0 - 1.0;  // [-1, 1)
    }

private:
    std::uint32_t state = 0x2545F491u;
};

// Three one-pole filters summed with the white input approximate a -3 dB per octave slope.
std::vector<double> pinkNoise() {
    WhiteNoise white;
    std::vector<double> out(kFrames);
    double b0 = 0.0, b1 = 0.0, b2 = 0.0;
    for (auto& sample : out) {
        const double w = white.next();
        b0 = 0.99765 * b0 + w * 0.0990460;
        b1 = 0.96300 * b1 + w * 0.2965164;
        b2 = 0.57000 * b2 + w * 1.0526913;
        sample = b0 + b1 + b2 + w * 0.1848;
    }
    return out;
}

void put16(std::vector<unsigned char>& bytes, std::uint32_t v) {
    bytes.push_back(static_cast<unsigned char>(v & 0xff));
    bytes.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void put32(std::vector<unsigned char>& bytes, std::uint32_t v) {
    put16(bytes, v & 0xffff);
    put16(bytes, v >> 16);
}

void putTag(std::vector<unsigned char>& bytes, const char* tag) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(tag[i]));
}

}  // namespace

std::vector<unsigned char> makeTestToneWav() {
    std::vector<double> samples = pinkNoise();
    double peak = 0.0;
    for (double s : samples) peak = std::fmax(peak, std::fabs(s));
    const double scale = kPeakLevel / peak;

    const std::uint32_t dataBytes = kFrames * 2;
    std::vector<unsigned char> bytes;
    bytes.reserve(44 + dataBytes);
    putTag(bytes, "RIFF");
    put32(bytes, 36 + dataBytes);
    putTag(bytes, "WAVE");
    putTag(bytes, "fmt ");
    put32(bytes, 16);
    put16(bytes, 1);  // integer PCM
    put16(bytes, 1);  // mono
    put32(bytes, kSampleRateHz);
    put32(bytes, kSampleRateHz * 2);
    put16(bytes, 2);
    put16(bytes, 16);
    putTag(bytes, "data");
    put32(bytes, dataBytes);
    for (std::uint32_t i = 0; i < kFrames; ++i) {
        const std::uint32_t edge = i < kFrames - 1 - i ? i : kFrames - 1 - i;
        const double fade = edge < kFadeFrames ? static_cast<double>(edge) / kFadeFrames : 1.0;
        const double value = std::floor(samples[i] * scale * fade * 32767.0 + 0.5);
        put16(bytes, static_cast<std::uint32_t>(static_cast<std::int32_t>(value)) & 0xffff);
    }
    return bytes;
}

}  // namespace testtone
