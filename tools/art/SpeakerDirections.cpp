// Loudspeaker directions from the decoders' own tables (see SpeakerDirections.h).
#include "SpeakerDirections.h"

#include <cmath>

#include "DecoderLayouts.h"
#include "RigTables.h"

namespace art {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegPerRad = 180.0 / kPi;

Direction directionOf(double x, double y, double z) {
    return {std::atan2(y, x) * kDegPerRad, std::atan2(z, std::hypot(x, y)) * kDegPerRad};
}

// Second-order encoding of a unit plane wave, in channel order W to V.
void encode(double azimuthDeg, double elevationDeg, double (&channels)[rig::kChannelCount]) {
    const double a = azimuthDeg / kDegPerRad, e = elevationDeg / kDegPerRad;
    channels[rig::W] = 1.0 / std::sqrt(2.0);
    channels[rig::X] = std::cos(a) * std::cos(e);
    channels[rig::Y] = std::sin(a) * std::cos(e);
    channels[rig::Z] = std::sin(e);
    channels[rig::R] = (3.0 * std::sin(e) * std::sin(e) - 1.0) / 2.0;
    channels[rig::S] = std::cos(a) * std::sin(2.0 * e);
    channels[rig::T] = std::sin(a) * std::sin(2.0 * e);
    channels[rig::U] = std::cos(2.0 * a) * std::cos(e) * std::cos(e);
    channels[rig::V] = std::sin(2.0 * a) * std::cos(e) * std::cos(e);
}

// Squared distance between the decode of a plane wave and "speaker k alone".
double missFromSpeaker(const rig::RigTable& table, int speaker, double azimuthDeg, double elevationDeg) {
    double channels[rig::kChannelCount];
    encode(azimuthDeg, elevationDeg, channels);
    double miss = 0.0;
    for (int k = 0; k < table.speakerCount; ++k) {
        double gain = 0.0;
        for (int c = 0; c < table.channelCount; ++c) gain += table.strictAt(k, c) * channels[table.channels[c]];
        const double wanted = k == speaker ? 1.0 : 0.0;
        miss += (gain - wanted) * (gain - wanted);
    }
    return miss;
}

// Rigs whose tables read no channel with height stay in the horizontal plane.
bool isHorizontal(const rig::RigTable& table) {
    for (int c = 0; c < table.channelCount; ++c)
        if (table.channels[c] == rig::Z || table.channels[c] == rig::R || table.channels[c] == rig::S ||
            table.channels[c] == rig::T)
            return false;
    return true;
}

// A coarse search over the sphere (or the circle), then finer searches around the best point.
Direction speakerDirection(const rig::RigTable& table, int speaker) {
    const double elevationLimit = isHorizontal(table) ? 0.0 : 90.0;
    Direction best{0.0, 0.0};
    double bestMiss = 1e300;
    for (double el = -elevationLimit; el <= elevationLimit; el += 1.0)
        for (double az = -180.0; az < 180.0; az += 1.0) {
            const double miss = missFromSpeaker(table, speaker, az, el);
            if (miss < bestMiss) bestMiss = miss, best = {az, el};
        }
    for (double step = 0.1; step >= 0.001; step /= 10.0) {
        const Direction centre = best;
        for (int i = -20; i <= 20; ++i)
            for (int j = -20; j <= 20; ++j) {
                const double az = centre.azimuthDeg + i * step, el = centre.elevationDeg + j * step;
                if (el < -elevationLimit || el > elevationLimit) continue;
                const double miss = missFromSpeaker(table, speaker, az, el);
                if (miss < bestMiss) bestMiss = miss, best = {az, el};
            }
    }
    if (best.azimuthDeg <= -180.0) best.azimuthDeg += 360.0;
    if (std::fabs(std::fabs(best.elevationDeg) - 90.0) < 0.01) best.azimuthDeg = 0.0;
    return best;
}

}  // namespace

std::vector<std::optional<Direction>> decoderOutputDirections(int layoutIndex) {
    std::vector<std::optional<Direction>> outputs;
    if (layoutIndex < 0 || layoutIndex >= decoder::kLayoutCount) return outputs;
    const decoder::LayoutGains& gains = decoder::gainsFor(static_cast<decoder::Layout>(layoutIndex));
    for (int k = 0; k < gains.outputCount; ++k) {
        const decoder::OutputWeights& w = gains.weights[k];
        if (w.b != 0.0 || w.c != 0.0 || w.d != 0.0)
            outputs.push_back(directionOf(w.b, w.c, w.d));
        else
            outputs.push_back(std::nullopt);
    }
    return outputs;
}

std::vector<Direction> rigSpeakerDirections(int rigIndex) {
    std::vector<Direction> speakers;
    const int count = rig::speakerCountForRig(static_cast<float>(rigIndex));
    const rig::RigTable* table = rig::rigTableFor(static_cast<float>(rigIndex), false);
    for (int k = 0; k < count; ++k)
        speakers.push_back(table ? speakerDirection(*table, k)
                                 : directionOf(0.0, k == 0 ? rig::kStereoY : -rig::kStereoY, 0.0));
    return speakers;
}

}  // namespace art
