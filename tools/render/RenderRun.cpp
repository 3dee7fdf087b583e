// render run: a WAV file through a plug-in into a 32-bit float WAV, one channel per output
// (format block: OutputFile.h).
#include <sndfile.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "OutputFile.h"
#include "RenderCommon.h"

namespace render {

float parseValue(const std::string& text, const std::string& name) {
    char* end = nullptr;
    errno = 0;
    float v = std::strtof(text.c_str(), &end);
    if (text.empty() || *end || errno || !(v >= 0.0f && v <= 1.0f))
        throw UsageError("value for '" + name + "' must be a number from 0 to 1, not '" + text + "'");
    return v;
}

namespace {

struct SoundFile {
    SNDFILE* handle = nullptr;
    SF_INFO info{};
    ~SoundFile() {
        if (handle) sf_close(handle);
    }
};

// Shows a bar on a terminal for files longer than a few seconds.
class Progress {
public:
    Progress(sf_count_t total, double rateHz) : total_(total), enabled_(isatty(2) && total > rateHz * 5) {}
    void update(sf_count_t done) {
        if (!enabled_) return;
        const int width = 40;
        const int filled = static_cast<int>(width * done / total_);
        if (filled == last_) return;
        last_ = filled;
        std::fprintf(stderr, "\r[%-*s] %3d%%", width, std::string(static_cast<std::size_t>(filled), '#').c_str(),
                     static_cast<int>(100 * done / total_));
        if (done >= total_) std::fputc('\n', stderr);
    }

private:
    sf_count_t total_;
    bool enabled_;
    int last_ = -1;
};

}  // namespace

int runRun(const RunOptions& o) {
    SoundFile in;
    if (access(o.input.c_str(), F_OK) != 0) throw UsageError("no such file: " + o.input);
    in.handle = sf_open(o.input.c_str(), SFM_READ, &in.info);
    if (!in.handle) throw UsageError("cannot read " + o.input + " as a sound file: " + sf_strerror(nullptr));

    auto host = loadPlugin(o.library);
    AEffect* e = host->effect();
    const double rateHz = o.rateHz > 0 ? o.rateHz : in.info.samplerate;
    host->dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(rateHz));
    host->dispatch(effSetBlockSize, 0, o.blockFrames);
    if (o.program >= 0) {
        if (o.program >= e->numPrograms)
            throw UsageError("program " + std::to_string(o.program) + " is out of range (0.." +
                             std::to_string(e->numPrograms - 1) + ")");
        host->dispatch(effSetProgram, 0, o.program);
    }
    for (const auto& [name, value] : o.settings) {
        std::int32_t index = findParameter(*host, name);
        host->setParameter(index, parseValue(value, name));
    }

    const int fileChannels = in.info.channels;
    const int numIn = e->numInputs, numOut = e->numOutputs;
    if (fileChannels > numIn)
        std::fprintf(stderr, "render: note: %s has %d channels, the plug-in takes %d; the rest are ignored\n",
                     o.input.c_str(), fileChannels, numIn);

    SoundFile out;
    OutputFormat format;
    format.rateHz = static_cast<int>(rateHz);
    format.channels = numOut;
    format.bFormat = writesFirstOrderBFormat(*e);
    format.plainWav = o.plainWav;
    out.handle = openOutputFile(o.output, format);

    const auto block = static_cast<std::size_t>(o.blockFrames);
    std::vector<float> interleavedIn(block * static_cast<std::size_t>(fileChannels));
    std::vector<float> interleavedOut(block * static_cast<std::size_t>(numOut));
    std::vector<std::vector<float>> inputs(static_cast<std::size_t>(numIn), std::vector<float>(block));
    std::vector<std::vector<float>> outputs(static_cast<std::size_t>(numOut), std::vector<float>(block));
    std::vector<float*> inPtrs, outPtrs;
    for (auto& c : inputs) inPtrs.push_back(c.data());
    for (auto& c : outputs) outPtrs.push_back(c.data());

    host->dispatch(effMainsChanged, 0, 1);
    Progress progress(in.info.frames, rateHz);
    sf_count_t done = 0;
    for (;;) {
        const sf_count_t got = sf_readf_float(in.handle, interleavedIn.data(), static_cast<sf_count_t>(block));
        if (got <= 0) break;
        const auto n = static_cast<std::size_t>(got);
        for (int c = 0; c < numIn; ++c)
            for (std::size_t i = 0; i < n; ++i)
                inputs[c][i] = c < fileChannels ? interleavedIn[i * fileChannels + c] : 0.0f;
        for (auto& c : outputs) std::fill(c.begin(), c.end(), 0.0f);
        float** inArg = numIn ? inPtrs.data() : nullptr;
        float** outArg = numOut ? outPtrs.data() : nullptr;
        if (o.accumulate)
            e->process(e, inArg, outArg, static_cast<std::int32_t>(n));
        else
            e->processReplacing(e, inArg, outArg, static_cast<std::int32_t>(n));
        for (std::size_t i = 0; i < n; ++i)
            for (int c = 0; c < numOut; ++c) interleavedOut[i * numOut + c] = outputs[c][i];
        if (sf_writef_float(out.handle, interleavedOut.data(), got) != got)
            throw UsageError("cannot write " + o.output + ": " + sf_strerror(out.handle));
        done += got;
        progress.update(done);
    }
    host->dispatch(effMainsChanged, 0, 0);
    host->close();
    return 0;
}

}  // namespace render
