#include "OutputFile.h"

#include "RenderCommon.h"

namespace render {

namespace {

constexpr std::int32_t fourChar(char a, char b, char c, char d) {
    return std::int32_t((std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
                        (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d)));
}

}  // namespace

bool writesFirstOrderBFormat(const AEffect& effect) {
    static const std::int32_t ids[] = {fourChar('O', 'V', 'm', 's'), fourChar('O', 'V', 'e', 's'),
                                       fourChar('O', 'V', 'f', 's'), fourChar('O', 'V', 'z', 's')};
    if (effect.numOutputs != 4) return false;
    for (std::int32_t id : ids)
        if (effect.uniqueID == id) return true;
    return false;
}

SNDFILE* openOutputFile(const std::string& path, const OutputFormat& format) {
    const bool extensible = !format.plainWav && format.channels > 2;
    SF_INFO info{};
    info.samplerate = format.rateHz;
    info.channels = format.channels;
    info.format = (extensible ? SF_FORMAT_WAVEX : SF_FORMAT_WAV) | SF_FORMAT_FLOAT;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!file) throw UsageError("cannot write " + path + ": " + sf_strerror(nullptr));
    if (extensible && format.bFormat &&
        sf_command(file, SFC_WAVEX_SET_AMBISONIC, nullptr, SF_AMBISONIC_B_FORMAT) != SF_AMBISONIC_B_FORMAT) {
        sf_close(file);
        throw UsageError("cannot mark " + path + " as Ambisonic B-format");
    }
    return file;
}

}  // namespace render
