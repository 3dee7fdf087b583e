#include "ToneFile.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace rig {

const char* const kToneNotFoundFormat =
    "The testtone.wav file could not be located.\nPlease save a suitable mono wav-file to:\n%s";
const char* const kToneNotRiff = "Error in testtone.wav: not a RIFF file";
const char* const kToneNotWave = "Error in testtone.wav: RIFF file but not a wave file";
const char* const kToneNoFormat = "Error in testtone.wav: 'fmt' tag not found";
const char* const kToneUnknownHeader = "Error in testtone.wav: unknow header format detected";
const char* const kToneNotMono = "Please convert testtone.wav to a mono/1 channel file.";
const char* const kToneBadBits = "Please convert testtone.wav to a 16 or 32 bit file";
const char* const kToneNoData = "Error in testtone.wav: 'data' tag not found";

namespace {

constexpr float kToneLevel = 0.6f;
constexpr float kInt16Scale = 1.0f / 32768.0f;

std::uint64_t fileSize(std::FILE* file) {
#if defined(_WIN32)
    if (_fseeki64(file, 0, SEEK_END) != 0) return 0;
    const long long size = _ftelli64(file);
    _fseeki64(file, 0, SEEK_SET);
#else
    if (fseeko(file, 0, SEEK_END) != 0) return 0;
    const long long size = ftello(file);
    fseeko(file, 0, SEEK_SET);
#endif
    return size > 0 ? static_cast<std::uint64_t>(size) : 0;
}

// Sequential little-endian reads that never go past the end of the file: what the file
// does not hold reads as zero bytes.
class Cursor {
public:
    explicit Cursor(std::FILE* file) : file_(file), remaining_(fileSize(file)) {}

    void bytes(void* destination, std::size_t count) {
        const std::size_t available = static_cast<std::size_t>(std::min<std::uint64_t>(count, remaining_));
        const std::size_t got = available ? std::fread(destination, 1, available, file_) : 0;
        remaining_ -= got;
        if (got < count) std::memset(static_cast<char*>(destination) + got, 0, count - got);
        if (got < available) remaining_ = 0;  // a read error ends the file here
    }
    bool tag(const char* expected) {
        char id[4];
        bytes(id, 4);
        return std::memcmp(id, expected, 4) == 0;
    }
    std::uint32_t u32() {
        unsigned char b[4];
        bytes(b, 4);
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
               static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }
    std::uint16_t u16() {
        unsigned char b[2];
        bytes(b, 2);
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    void skip(std::size_t count) {
        unsigned char scratch[32];
        while (count) {
            const std::size_t n = std::min(count, sizeof scratch);
            bytes(scratch, n);
            count -= n;
        }
    }
    std::uint64_t remaining() const { return remaining_; }

private:
    std::FILE* file_;
    std::uint64_t remaining_;
};

float sampleFrom(const unsigned char* b, int bits) {
    if (bits == 16) {
        const auto s = static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | b[1] << 8));
        return static_cast<float>(s) * kInt16Scale * kToneLevel;
    }
    const std::uint32_t u = static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                            static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    float f;
    std::memcpy(&f, &u, sizeof f);
    return f * kToneLevel;
}

// Reads `tone.length` samples; samples the file cannot deliver stay 0.0.
void readSamples(Cursor& cursor, TestTone& tone) {
    const std::size_t width = tone.bits / 8;
    unsigned char block[4096];
    std::uint32_t done = 0;
    while (done < tone.length) {
        const std::uint32_t n = std::min<std::uint32_t>(tone.length - done, sizeof block / width);
        cursor.bytes(block, n * width);
        for (std::uint32_t i = 0; i < n; ++i) tone.samples[done + i] = sampleFrom(block + i * width, tone.bits);
        done += n;
    }
}

}  // namespace

const char* readTestTone(std::FILE* file, TestTone& tone, float& sampleRate) {
    Cursor cursor(file);
    if (!cursor.tag("RIFF")) return kToneNotRiff;
    cursor.u32();  // RIFF size
    if (!cursor.tag("WAVE")) return kToneNotWave;
    if (!cursor.tag("fmt ")) return kToneNoFormat;
    const std::uint32_t formatSize = cursor.u32();
    if (formatSize != 16 && formatSize != 18 && formatSize != 40) return kToneUnknownHeader;
    cursor.u16();  // format tag: the sample width alone decides integer or float
    if (cursor.u16() != 1) return kToneNotMono;
    sampleRate = static_cast<float>(cursor.u32());
    cursor.u32();  // byte rate
    cursor.u16();  // block align
    const std::uint16_t bits = cursor.u16();
    if (bits != 16 && bits != 32) return kToneBadBits;
    if (formatSize >= 18) cursor.u16();             // extension size
    if (formatSize == 40) cursor.skip(2 + 4 + 16);  // valid bits, channel mask, sub-format

    char id[4];
    cursor.bytes(id, 4);
    if (id[0] == 'f') {
        if (std::memcmp(id, "fact", 4) != 0) return kToneNoData;
        cursor.u32();  // fact size
        cursor.u32();  // fact value
        cursor.bytes(id, 4);
    }
    if (std::memcmp(id, "data", 4) != 0) return kToneNoData;
    const std::uint32_t dataSize = cursor.u32();

    // The tone holds the whole samples of the data bytes the file really has.
    const std::uint64_t bytes = std::min<std::uint64_t>(dataSize, cursor.remaining());
    TestTone result;
    result.bits = static_cast<std::int16_t>(bits);
    result.length = static_cast<std::uint32_t>(bytes / (bits / 8));
    if (result.length > 0) {
        result.samples.reset(new (std::nothrow) float[result.length]());
        if (!result.samples) result.length = 0;
    }
    readSamples(cursor, result);
    tone = std::move(result);
    return nullptr;
}

}  // namespace rig
