// The loudspeaker directions the art generator draws, derived from the plug-ins' tables,
// against the directions the rigs and layouts are built for (output order included).
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SpeakerDirections.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

double angleBetweenDeg(const art::Direction& a, const art::Direction& b) {
    auto unit = [](const art::Direction& d) {
        const double az = d.azimuthDeg * kPi / 180.0, el = d.elevationDeg * kPi / 180.0;
        return std::vector<double>{std::cos(az) * std::cos(el), std::sin(az) * std::cos(el), std::sin(el)};
    };
    const auto u = unit(a), v = unit(b);
    const double dot = u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    return std::acos(std::fmin(1.0, std::fmax(-1.0, dot))) * 180.0 / kPi;
}

void expectDirections(const std::vector<art::Direction>& derived, const std::vector<art::Direction>& expected) {
    ASSERT_EQ(derived.size(), expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k)
        EXPECT_LT(angleBetweenDeg(derived[k], expected[k]), 0.05)
            << "speaker " << k + 1 << ": derived (" << derived[k].azimuthDeg << ", " << derived[k].elevationDeg
            << "), expected (" << expected[k].azimuthDeg << ", " << expected[k].elevationDeg << ")";
}

std::vector<art::Direction> horizontal(std::vector<double> azimuthsDeg) {
    std::vector<art::Direction> out;
    for (double a : azimuthsDeg) out.push_back({a, 0.0});
    return out;
}

std::vector<art::Direction> cube() {
    std::vector<art::Direction> out;
    for (double el : {-35.26, 35.26})
        for (double az : {45.0, -45.0, -135.0, 135.0}) out.push_back({az, el});
    return out;
}

TEST(SpeakerDirections, RigSpeakersPointWhereTheRigsAreBuiltFor) {
    struct Case {
        int rig;
        std::vector<art::Direction> expected;
    };
    const std::vector<Case> cases = {
        {0, horizontal({90, -90})},
        {1, horizontal({45, -45, -135, 135})},
        {2, horizontal({36, 108, 180, -108, -36})},
        {3, horizontal({30, 90, 150, -150, -90, -30})},
        {4, horizontal({22.5, 67.5, 112.5, 157.5, -157.5, -112.5, -67.5, -22.5})},
        {5, horizontal({0, 45, 90, 135, 180, -135, -90, -45})},
        {6, horizontal({30, 0, -30, 120, -120})},
        {7, {}},
        {8, cube()},
        {9,
         {{0, 90},
          {0, -90},
          {36, 26.565},
          {-144, -26.565},
          {-36, 26.565},
          {144, -26.565},
          {108, 26.565},
          {-72, -26.565},
          {-108, 26.565},
          {72, -26.565},
          {180, 26.565},
          {0, -26.565}}},
        {10,
         {{0, 0},
          {180, 0},
          {0, -63.435},
          {180, 63.435},
          {62.27, -16.04},
          {-117.73, 16.04},
          {-62.27, -16.04},
          {117.73, 16.04},
          {49.61, 46.36},
          {-130.39, -46.36},
          {-49.61, 46.36},
          {130.39, -46.36}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("rig " + std::to_string(c.rig));
        expectDirections(art::rigSpeakerDirections(c.rig), c.expected);
    }
}

TEST(SpeakerDirections, DecoderOutputsPointAlongTheirWeights) {
    struct Case {
        int layout;
        std::vector<art::Direction> expected;
    };
    std::vector<art::Direction> octagonBetween, octagonOn;
    for (int k = 0; k < 8; ++k) {
        octagonBetween.push_back({22.5 + 45.0 * k, 0.0});
        octagonOn.push_back({45.0 * k, 0.0});
    }
    const std::vector<Case> cases = {
        {0, cube()},
        {1, horizontal({45, -45, -135, 135})},
        {3, horizontal({30, 90, 150, 210, 270, 330})},
        {4, octagonBetween},
        {5, octagonOn},
        {6, horizontal({90, -90})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("layout " + std::to_string(c.layout));
        std::vector<art::Direction> derived;
        for (const auto& d : art::decoderOutputDirections(c.layout)) {
            ASSERT_TRUE(d.has_value());
            derived.push_back(*d);
        }
        expectDirections(derived, c.expected);
    }
    // The rectangle keeps the square's corners, narrower across (|Y| weight below |X|).
    const auto rectangle = art::decoderOutputDirections(2);
    ASSERT_EQ(rectangle.size(), 4u);
    EXPECT_LT(std::fabs(rectangle[0]->azimuthDeg), 45.0);
    EXPECT_GT(rectangle[0]->azimuthDeg, 0.0);
    // Mono: two outputs with W alone, no direction.
    const auto mono = art::decoderOutputDirections(7);
    ASSERT_EQ(mono.size(), 2u);
    EXPECT_FALSE(mono[0].has_value());
    EXPECT_FALSE(mono[1].has_value());
}

}  // namespace
