// The field rotator's sample loop against a plain per-sample rendering of its rule and,
// once settled, against rotation matrices built directly from the angles.
#include <gtest/gtest.h>

#include <array>
#include <algorithm>
#include <cmath>
#include <vector>

#include "FieldRotator.h"
#include "PluginFixture.h"

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

enum { Z, X, Y };
const int kOrders[6][3] = {{Z, X, Y}, {Z, Y, X}, {X, Z, Y}, {X, Y, Z}, {Y, Z, X}, {Y, X, Z}};

// Rotation matrix about one axis, acting on (x, y, z) column vectors.
Matrix axisMatrix(int axis, double s, double c) {
    if (axis == Z) return {{{c, -s, 0}, {s, c, 0}, {0, 0, 1}}};
    if (axis == X) return {{{1, 0, 0}, {0, c, -s}, {0, s, c}}};
    return {{{c, 0, -s}, {0, 1, 0}, {s, 0, c}}};
}

std::array<double, 3> rotated(const Matrix& m, const std::array<double, 3>& v) {
    std::array<double, 3> r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i] += m[i][j] * v[j];
    return r;
}

// Sines sZ, sX, sY, cosines cZ, cX, cY; one per-sample switch on the order.
struct ReferenceRotator {
    double sine[3] = {0, 0, 0};
    double cosine[3] = {1, 1, 1};
    double sineTarget[3] = {0, 0, 0};
    double cosineTarget[3] = {1, 1, 1};
    int order = 0;

    void setTargets(const double angles[3], int orderIndex) {
        order = orderIndex;
        for (int i = 0; i < 3; ++i) {
            const int axis = kOrders[order][i];
            sineTarget[axis] = std::sin(angles[i]);
            cosineTarget[axis] = std::cos(angles[i]);
        }
    }

    void run(const std::vector<std::vector<float>>& in, std::vector<std::vector<float>>& out, std::size_t at,
             int frames) {
        for (int n = 0; n < frames; ++n) {
            const std::size_t i = at + static_cast<std::size_t>(n);
            std::array<double, 3> v = {in[1][i], in[2][i], in[3][i]};
            for (int step = 0; step < 3; ++step) {
                const int axis = kOrders[order][step];
                v = rotated(axisMatrix(axis, sine[axis], cosine[axis]), v);
            }
            out[0][i] = in[0][i];
            for (int k = 0; k < 3; ++k) out[1 + k][i] = static_cast<float>(v[k]);
            for (int a = 0; a < 3; ++a) sine[a] = 0.999 * sine[a] + (1.0 - 0.999) * sineTarget[a];
            for (int a = 0; a < 3; ++a) cosine[a] = 0.999 * cosine[a] + (1.0 - 0.999) * cosineTarget[a];
        }
    }
};

}  // namespace

TEST(FieldKernel, EveryOrderMatchesThePlainRule) {
    // Gliding blocks, a change of order, a settle to the glide's fixed point, then blocks
    // on the same targets (frames in pairs).
    const int blocks[] = {300, 1, 0, 700, 2048, 45000, 64, 7};
    int total = 0;
    for (int b : blocks) total += b;
    const auto in = firstorder::wobbleSignal(4, total);
    for (int order = 0; order < 6; ++order) {
        SCOPED_TRACE(order);
        FieldRotator rotator;
        ReferenceRotator reference;
        std::vector<std::vector<float>> got(4, std::vector<float>(total)), expected = got;
        std::size_t at = 0;
        int step = 0;
        for (int b : blocks) {
            const int targetStep = std::min(step, 5);
            const double angles[3] = {-0.7 * (targetStep + 1), 1.3 - 0.4 * targetStep, 2.9 + 0.5 * targetStep};
            const int blockOrder = (order + targetStep / 3) % 6;
            rotator.setTargets(angles[0], angles[1], angles[2], blockOrder);
            reference.setTargets(angles, blockOrder);
            const float* inPtr[4] = {in[0].data() + at, in[1].data() + at, in[2].data() + at, in[3].data() + at};
            float* outPtr[4] = {got[0].data() + at, got[1].data() + at, got[2].data() + at, got[3].data() + at};
            rotator.processReplacing(inPtr, outPtr, b);
            reference.run(in, expected, at, b);
            at += static_cast<std::size_t>(b);
            ++step;
        }
        for (int k = 0; k < 4; ++k) EXPECT_EQ(got[k], expected[k]) << "channel " << k;
    }
}

// Settled, each order is the product of its three axis rotations and keeps the length of
// the directional part.
TEST(FieldKernel, SettledOrdersAreTheMatrixProducts) {
    const double angles[3] = {-0.9, -2.2, -4.1};
    const std::array<double, 3> v = {0.6, -0.3, 0.45};
    for (int order = 0; order < 6; ++order) {
        SCOPED_TRACE(order);
        FieldRotator rotator;
        const int frames = 40000;
        std::vector<std::vector<float>> in(4, std::vector<float>(frames)), out = in;
        for (int k = 0; k < 3; ++k) std::fill(in[1 + k].begin(), in[1 + k].end(), static_cast<float>(v[k]));
        rotator.setTargets(angles[0], angles[1], angles[2], order);
        const float* inPtr[4] = {in[0].data(), in[1].data(), in[2].data(), in[3].data()};
        float* outPtr[4] = {out[0].data(), out[1].data(), out[2].data(), out[3].data()};
        rotator.processReplacing(inPtr, outPtr, frames);

        std::array<double, 3> expected = {in[1][0], in[2][0], in[3][0]};
        for (int step = 0; step < 3; ++step) {
            const int axis = kOrders[order][step];
            expected = rotated(axisMatrix(axis, std::sin(angles[step]), std::cos(angles[step])), expected);
        }
        double lengthIn = 0, lengthOut = 0;
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(out[1 + k].back(), expected[k], 1e-6) << k;
            lengthIn += v[k] * v[k];
            lengthOut += out[1 + k].back() * out[1 + k].back();
        }
        EXPECT_NEAR(std::sqrt(lengthOut), std::sqrt(lengthIn), 1e-6);
    }
}

TEST(FieldKernel, AccumulatingAddsTheReplacingResult) {
    FieldRotator replacing, accumulating;
    const int frames = 1500;
    const auto in = firstorder::wobbleSignal(4, frames);
    std::vector<std::vector<float>> a(4, std::vector<float>(frames, 0.0f)), b(4, std::vector<float>(frames, 1.0f));
    const float* inPtr[4] = {in[0].data(), in[1].data(), in[2].data(), in[3].data()};
    float* aPtr[4] = {a[0].data(), a[1].data(), a[2].data(), a[3].data()};
    float* bPtr[4] = {b[0].data(), b[1].data(), b[2].data(), b[3].data()};
    for (auto* r : {&replacing, &accumulating}) r->setTargets(-1.0, -2.0, -3.0, 4);
    replacing.processReplacing(inPtr, aPtr, frames);
    accumulating.processAccumulating(inPtr, bPtr, frames);
    for (int k = 0; k < 4; ++k)
        for (int n = 0; n < frames; ++n) ASSERT_NEAR(b[k][n], a[k][n] + 1.0f, 1e-6) << k << " " << n;
}
