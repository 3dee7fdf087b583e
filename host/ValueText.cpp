// The eight-character value texts of AudioEffect. Digits are cut, not rounded, so that a
// host's value column shows what the plug-in stores, never more than it stores.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "AudioEffect.h"

namespace {

const char kMinusInfinityText[] = "  -oo   ";
const char kOverflowText[] = " Huge!  ";
constexpr int kTextWidth = 8;

char digitOf(double value) { return static_cast<char>('0' + static_cast<int>(value)); }

}  // namespace

void AudioEffect::float2string(float value, char* text) {
    double v = value;
    int count = 0;
    bool negative = false;
    // NaN compares false with every bound below and has no digits; it reads as overflow.
    if (std::isnan(v)) {
        std::strcpy(text, kOverflowText);
        return;
    }
    if (v < 0) {
        negative = true;
        v = -v;
        count = 1;
        if (v > 9999999.0) {
            std::strcpy(text, kOverflowText);
            return;
        }
    } else if (v > 99999999.0) {
        std::strcpy(text, kOverflowText);
        return;
    }

    // Integer part, right to left, into the tail of a scratch buffer.
    char scratch[32];
    char* c = scratch + sizeof(scratch) - 1;
    *c = 0;
    *--c = '.';
    count++;
    double n = std::floor(v);
    *--c = digitOf(std::fmod(n, 10.0));
    n /= 10.0;
    count++;
    while (n >= 1.0 && count < kTextWidth) {
        *--c = digitOf(std::fmod(n, 10.0));
        n /= 10.0;
        count++;
    }
    if (negative) *--c = '-';
    std::strcpy(text, c);
    if (count >= kTextWidth) return;

    // Fraction part: the remaining places, also built from the right.
    const int places = kTextWidth - count;
    double m = std::fmod(v, 1.0) * std::pow(10.0, places);
    char fraction[kTextWidth + 1];
    fraction[places] = 0;
    for (int i = places - 1; i >= 0; --i) {
        if (m <= 0) {
            fraction[i] = '0';
        } else {
            fraction[i] = digitOf(std::fmod(m, 10.0));
            m /= 10.0;
        }
    }
    std::strcat(text, fraction);
}

void AudioEffect::dB2string(float value, char* text) {
    if (!(value > 0)) {  // also catches NaN
        std::strcpy(text, kMinusInfinityText);
        return;
    }
    float2string(static_cast<float>(20.0 * std::log10(static_cast<double>(value))), text);
}

void AudioEffect::Hz2string(float samples, char* text) {
    if (samples == 0.0f) {
        float2string(0.0f, text);
        return;
    }
    float2string(getSampleRate() / samples, text);
}

void AudioEffect::ms2string(float samples, char* text) {
    float2string(static_cast<float>(samples * 1000.0 / getSampleRate()), text);
}

void AudioEffect::long2string(std::int32_t value, char* text) {
    if (value >= 100000000) {
        std::strcpy(text, kOverflowText);
        return;
    }
    char scratch[32];
    std::snprintf(scratch, sizeof(scratch), "%7d", static_cast<int>(value));
    scratch[kTextWidth] = 0;
    std::strcpy(text, scratch);
}
