// Plane waves from each speaker's direction through the loaded library, against the
// responses the rigs' tables are made for: frame k of a block carries the wave from speaker
// k, so output k of frame k is the speaker's own gain.
#include <cmath>

#include "RigFixture.h"

using testhost::ProcessMode;

namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

struct Direction {
    double azimuthDeg, elevationDeg;
};

// Second-order encoding of a unit plane wave: W, X, Y, Z, R, S, T, U, V.
std::vector<float> encode(Direction d) {
    const double a = d.azimuthDeg * kDegree, e = d.elevationDeg * kDegree;
    return {static_cast<float>(1.0 / std::sqrt(2.0)),
            static_cast<float>(std::cos(a) * std::cos(e)),
            static_cast<float>(std::sin(a) * std::cos(e)),
            static_cast<float>(std::sin(e)),
            static_cast<float>((3.0 * std::sin(e) * std::sin(e) - 1.0) / 2.0),
            static_cast<float>(std::cos(a) * std::sin(2.0 * e)),
            static_cast<float>(std::sin(a) * std::sin(2.0 * e)),
            static_cast<float>(std::cos(2.0 * a) * std::cos(e) * std::cos(e)),
            static_cast<float>(std::sin(2.0 * a) * std::cos(e) * std::cos(e))};
}

struct Rig {
    const char* name;
    float index;
    std::vector<Direction> speakers;
    bool periphonic;
    double secondOrderSelf;  // the strict second-order gain on the wave's own speaker
};

std::vector<Direction> ring(std::initializer_list<double> azimuths) {
    std::vector<Direction> d;
    for (double a : azimuths) d.push_back({a, 0.0});
    return d;
}

const double kCubeUp = 35.26, kDodecaUp = 26.57;

std::vector<Rig> rigs() {
    return {
        {"Square", 1, ring({45, -45, -135, 135}), false, 1.0},
        {"Pentagon", 2, ring({36, 108, 180, -108, -36}), false, 1.0},
        {"Hexagon", 3, ring({30, 90, 150, -150, -90, -30}), false, 0.833},
        {"Octagon 1", 4, ring({22.5, 67.5, 112.5, 157.5, -157.5, -112.5, -67.5, -22.5}), false, 0.625},
        {"Octagon 2", 5, ring({0, 45, 90, 135, 180, -135, -90, -45}), false, 0.625},
        {"Cube",
         8,
         {{45, -kCubeUp},
          {-45, -kCubeUp},
          {-135, -kCubeUp},
          {135, -kCubeUp},
          {45, kCubeUp},
          {-45, kCubeUp},
          {-135, kCubeUp},
          {135, kCubeUp}},
         true,
         0.875},
        {"Dodecahedron 1",
         9,
         {{0, 90},
          {0, -90},
          {36, kDodecaUp},
          {-144, -kDodecaUp},
          {-36, kDodecaUp},
          {144, -kDodecaUp},
          {108, kDodecaUp},
          {-72, -kDodecaUp},
          {-108, kDodecaUp},
          {72, -kDodecaUp},
          {180, kDodecaUp},
          {0, -kDodecaUp}},
         true,
         0.75},
        {"Dodecahedron 2",
         10,
         {{0, 0},
          {180, 0},
          {0, -63.43},
          {180, 63.43},
          {62.27, -16.04},
          {-117.73, 16.04},
          {-62.27, -16.04},
          {117.73, 16.04},
          {49.61, 46.36},
          {-130.39, -46.36},
          {-49.61, 46.36},
          {130.39, -46.36}},
         true,
         0.75},
    };
}

// The speaker diametrically opposite speaker k, or -1.
int opposite(const std::vector<Direction>& speakers, std::size_t k) {
    const auto a = encode(speakers[k]);
    for (std::size_t j = 0; j < speakers.size(); ++j) {
        const auto b = encode(speakers[j]);
        if (a[1] * b[1] + a[2] * b[2] + a[3] * b[3] < -0.999) return static_cast<int>(j);
    }
    return -1;
}

class PlaneWaveTest : public LoadedRigTest {
protected:
    // responses[k][j]: output j for the wave from speaker k.
    std::vector<std::vector<float>> responses(const std::vector<Direction>& speakers) {
        std::vector<std::vector<float>> in(9);
        for (const auto& d : speakers) {
            const auto w = encode(d);
            for (int c = 0; c < 9; ++c) in[c].push_back(w[c]);
        }
        const auto n = static_cast<std::int32_t>(speakers.size());
        auto out = rig.host.runBlock(ProcessMode::Replacing, in, n);
        std::vector<std::vector<float>> r(speakers.size());
        for (std::size_t k = 0; k < speakers.size(); ++k)
            for (std::size_t j = 0; j < 12; ++j) r[k].push_back(out.outputs[j][k]);
        return r;
    }
};

TEST_F(PlaneWaveTest, StrictSecondOrderPeaksOnTheWavesOwnSpeaker) {
    for (const auto& r : rigs()) {
        SCOPED_TRACE(r.name);
        rig.set(r.index, 1.0f, 1.0f, 0.0f);
        const auto out = responses(r.speakers);
        const int n = static_cast<int>(r.speakers.size());
        for (int k = 0; k < n; ++k) {
            EXPECT_NEAR(out[k][k], r.secondOrderSelf, 0.002) << "speaker " << k + 1;
            const int o = opposite(r.speakers, static_cast<std::size_t>(k));
            for (int j = 0; j < n; ++j) {
                if (j == k) continue;
                if (r.secondOrderSelf == 1.0) {
                    EXPECT_NEAR(out[k][j], 0.0, 0.001) << k + 1 << " on " << j + 1;
                }
                if (r.index >= 9 && j == o) {
                    EXPECT_NEAR(out[k][j], 0.25, 0.002) << k + 1 << " on " << j + 1;
                }
                EXPECT_LT(out[k][j], out[k][k]);
            }
            for (int j = n; j < 12; ++j) EXPECT_EQ(out[k][j], 0.0f);
        }
    }
}

TEST_F(PlaneWaveTest, HexagonAndCubeSpreadTheStatedRemainder) {
    const std::pair<float, double> cases[] = {{3.0f, 0.167}, {8.0f, 0.125}};
    for (const auto& [index, spread] : cases) {
        const Rig r = rigs()[index == 3.0f ? 2 : 5];
        rig.set(index, 1.0f, 1.0f, 0.0f);
        const auto out = responses(r.speakers);
        for (std::size_t k = 0; k < r.speakers.size(); ++k)
            for (std::size_t j = 0; j < r.speakers.size(); ++j)
                if (j != k) {
                    EXPECT_NEAR(std::fabs(out[k][j]), spread, 0.002) << r.name << " " << k + 1 << " on " << j + 1;
                }
    }
}

TEST_F(PlaneWaveTest, FirstOrderStrictAndControlledOpposites) {
    for (const auto& r : rigs()) {
        SCOPED_TRACE(r.name);
        const double n = static_cast<double>(r.speakers.size());
        const double axes = r.periphonic ? 3.0 : 2.0;
        rig.set(r.index, 1.0f, 1.0f, 1.0f);
        const auto strict = responses(r.speakers);
        rig.set(r.index, 0.0f, 1.0f, 1.0f);
        const auto controlled = responses(r.speakers);
        for (std::size_t k = 0; k < r.speakers.size(); ++k) {
            // A first-order decode over a regular rig: (1 + axes) / N on the own speaker.
            EXPECT_NEAR(strict[k][k], (1.0 + axes) / n, 0.002) << "speaker " << k + 1;
            const int o = opposite(r.speakers, k);
            if (o < 0) continue;
            EXPECT_NEAR(strict[k][o], (1.0 - axes) / n, 0.002) << "speaker " << k + 1;
            EXPECT_LT(strict[k][o], 0.0f);
            EXPECT_NEAR(controlled[k][o], 0.0, 0.001) << "speaker " << k + 1;
        }
    }
}

TEST_F(PlaneWaveTest, SurroundSecondOrderFeedsEachSpeakerAloneWhateverTheBlend) {
    const auto speakers = ring({30, 0, -30, 120, -120});
    for (float blend : {0.0f, 0.5f, 1.0f}) {
        rig.set(6.0f, blend, 1.0f, 0.0f);
        const auto out = responses(speakers);
        for (std::size_t k = 0; k < 5; ++k)
            for (std::size_t j = 0; j < 5; ++j)
                EXPECT_NEAR(out[k][j], j == k ? 1.0 : 0.0, 0.002) << blend << ": " << k + 1 << " on " << j + 1;
    }
    rig.set(6.0f, 0.0f, 1.0f, 1.0f);
    const auto controlled = responses(speakers);
    rig.set(6.0f, 1.0f, 1.0f, 1.0f);
    EXPECT_NE(responses(speakers)[0][0], controlled[0][0]);  // its first-order tables differ
}

}  // namespace
