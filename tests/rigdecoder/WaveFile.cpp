#include "WaveFile.h"

#include <cstring>

namespace {

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<unsigned char>(v & 0xff));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xff));
}

void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xffff);
    put16(b, v >> 16);
}

void putTag(Bytes& b, const std::string& tag) {
    for (std::size_t i = 0; i < 4; ++i) b.push_back(static_cast<unsigned char>(i < tag.size() ? tag[i] : ' '));
}

}  // namespace

Bytes waveFile(const WaveFields& s) {
    Bytes b;
    putTag(b, s.riff);
    put32(b, 0);  // RIFF size: not read
    putTag(b, s.wave);
    putTag(b, s.fmt);
    put32(b, s.formatSize);
    put16(b, s.formatTag);
    put16(b, s.channels);
    put32(b, s.sampleRateHz);
    put32(b, s.sampleRateHz * s.channels * s.bits / 8);
    put16(b, s.channels * s.bits / 8);
    put16(b, s.bits);
    if (s.formatSize == 18 || s.formatSize == 40) put16(b, s.formatSize == 40 ? 22 : 0);
    if (s.formatSize == 40) b.insert(b.end(), 22, 0x5a);
    if (s.formatSize == 20) put32(b, 0);
    if (!s.extraChunk.empty()) {
        putTag(b, s.extraChunk);
        put32(b, 4);
        put32(b, 1234);
    }
    putTag(b, s.data);
    put32(b, static_cast<std::uint32_t>(s.dataSize < 0 ? static_cast<std::int64_t>(s.samples.size()) : s.dataSize));
    b.insert(b.end(), s.samples.begin(), s.samples.end());
    if (s.truncateTo < b.size()) b.resize(s.truncateTo);
    return b;
}

Bytes int16Samples(const std::vector<std::int16_t>& values) {
    Bytes b;
    for (std::int16_t v : values) put16(b, static_cast<std::uint16_t>(v));
    return b;
}

Bytes float32Samples(const std::vector<float>& values) {
    Bytes b;
    for (float v : values) {
        std::uint32_t u;
        std::memcpy(&u, &v, sizeof u);
        put32(b, u);
    }
    return b;
}
