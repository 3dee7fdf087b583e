// The zoom's sample loop against a plain per-sample rendering of its rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "PluginFixture.h"
#include "ZoomTransform.h"

namespace {

struct ReferenceZoom {
    // cos az, cos el, sin az, sin el, cos −az, cos −el, sin −az, sin −el; then the zoom.
    double c[8] = {1, 1, 0, 0, 1, 1, 0, 0};
    double t[8] = {1, 1, 0, 0, 1, 1, 0, 0};
    double z = 0, zt = 0;

    void setTargets(double az, double el, double zoom) {
        const double targets[8] = {std::cos(az),  std::cos(el),  std::sin(az),  std::sin(el),
                                   std::cos(-az), std::cos(-el), std::sin(-az), std::sin(-el)};
        for (int i = 0; i < 8; ++i) t[i] = targets[i];
        zt = zoom;
    }

    void run(const std::vector<std::vector<float>>& in, std::vector<std::vector<float>>& out, std::size_t at,
             int frames, bool accumulate) {
        const double k = 1.0 - 0.999;
        for (int n = 0; n < frames; ++n) {
            const std::size_t i = at + static_cast<std::size_t>(n);
            const double W = in[0][i], X = in[1][i], Y = in[2][i], Z = in[3][i];
            const double x1 = c[0] * X - c[2] * Y, y1 = c[2] * X + c[0] * Y;
            const double x2 = c[1] * x1 - c[3] * Z, z2 = c[3] * x1 + c[1] * Z;
            const double q = std::sqrt(1.0 - z * z);
            const double w3 = (std::fabs(z) * 0.414 + 1.0) * W + (z / 2.0) * x2;
            const double x3 = x2 + z * W, y3 = q * y1, z3 = q * z2;
            const double x4 = c[5] * x3 - c[7] * z3, z4 = c[7] * x3 + c[5] * z3;
            const double x5 = c[4] * x4 - c[6] * y3, y5 = c[6] * x4 + c[4] * y3;
            const double result[4] = {w3, x5, y5, z4};
            for (int ch = 0; ch < 4; ++ch)
                out[ch][i] = accumulate ? static_cast<float>(out[ch][i] + result[ch]) : static_cast<float>(result[ch]);
            for (int j = 0; j < 8; ++j) c[j] = 0.999 * c[j] + k * t[j];
            z = 0.999 * z + zt * k;
        }
    }
};

}  // namespace

TEST(ZoomKernel, MatchesThePlainRuleThroughGlides) {
    // Gliding blocks, a settle to the glide's fixed point, then blocks on the same targets
    // (frames in pairs).
    const int blocks[] = {500, 1, 0, 1200, 4096, 333, 50000, 64, 7};
    int total = 0;
    for (int b : blocks) total += b;
    const auto in = firstorder::wobbleSignal(4, total);
    for (bool accumulate : {false, true}) {
        SCOPED_TRACE(accumulate ? "accumulating" : "replacing");
        ZoomTransform zoom;
        ReferenceZoom reference;
        std::vector<std::vector<float>> got(4, std::vector<float>(total, -0.5f)), expected = got;
        std::size_t at = 0;
        int step = 0;
        for (int b : blocks) {
            const int t = std::min(step, 5);
            const double az = 0.9 * t, el = -0.6 + 0.5 * t, zt = (t % 2 ? 1.0 : -0.7) * (1.0 - 0.1 * t);
            zoom.setTargets(az, el, zt);
            reference.setTargets(az, el, zt);
            const float* inPtr[4] = {in[0].data() + at, in[1].data() + at, in[2].data() + at, in[3].data() + at};
            float* outPtr[4] = {got[0].data() + at, got[1].data() + at, got[2].data() + at, got[3].data() + at};
            if (accumulate)
                zoom.processAccumulating(inPtr, outPtr, b);
            else
                zoom.processReplacing(inPtr, outPtr, b);
            reference.run(in, expected, at, b, accumulate);
            at += static_cast<std::size_t>(b);
            ++step;
        }
        for (int ch = 0; ch < 4; ++ch) EXPECT_EQ(got[ch], expected[ch]) << "channel " << ch;
        EXPECT_EQ(zoom.value(ZoomTransform::kZoom), reference.z);
    }
}

TEST(ZoomKernel, FullZoomSettlesJustInsideOne) {
    ZoomTransform zoom;
    zoom.setTargets(0.0, 0.0, 1.0);
    std::vector<std::vector<float>> buffers(4, std::vector<float>(60000));
    const float* in[4] = {buffers[0].data(), buffers[1].data(), buffers[2].data(), buffers[3].data()};
    float* out[4] = {buffers[0].data(), buffers[1].data(), buffers[2].data(), buffers[3].data()};
    zoom.processReplacing(in, out, 60000);
    EXPECT_EQ(zoom.value(ZoomTransform::kZoom), 0.9999999999999446);
}
