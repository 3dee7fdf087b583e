// The decoder's layouts written out independently of the plug-in: gains and weights per
// output, and the decode of one frame by the plain formula.
#pragma once

#include <vector>

namespace {

constexpr double kCubeGain = 6.025595860743578;
constexpr double kSquareGain = 2.9853826189179595;
constexpr double kHexagonGain = 4.623810213992603;
constexpr double kOctagonBetweenGain = 6.165950018614821;
constexpr double kStereoGain = 1.5488166189124812;

struct Weights {
    double a, b, c, d;
};

struct LayoutCase {
    const char* name;
    float value;  // k / 7, as the editor sets it
    double gain;
    std::vector<Weights> outputs;
    bool mono = false;
    bool periphonic = false;  // reads Z
};

// Weights per output, output by output (directions: X front, Y left, Z up).
std::vector<LayoutCase> layouts() {
    const double cw = 0.1765671930778443, e3 = 0.075;
    const double sw = 0.3531343861556886, sxy = 0.17698644609603448;
    const double hw = 0.2354229241037924, hx = 0.14433333333333334, hn = 0.08333333333333333, hs = 0.16666666666666666;
    const double p = 0.1154875, q = 0.0478375, e = 0.125, f = 0.08849322304801724;
    return {
        {"Cube",
         0.0f / 7,
         kCubeGain,
         {{cw, e3, e3, -e3},
          {cw, e3, -e3, -e3},
          {cw, -e3, -e3, -e3},
          {cw, -e3, e3, -e3},
          {cw, e3, e3, e3},
          {cw, e3, -e3, e3},
          {cw, -e3, -e3, e3},
          {cw, -e3, e3, e3}},
         false,
         true},
        {"Square",
         1.0f / 7,
         kSquareGain,
         {{sw, sxy, sxy, 0}, {sw, sxy, -sxy, 0}, {sw, -sxy, -sxy, 0}, {sw, -sxy, sxy, 0}}},
        {"Rectangle",
         2.0f / 7,
         kSquareGain,
         {{sw, sxy, 0.125, 0}, {sw, sxy, -0.125, 0}, {sw, -sxy, -0.125, 0}, {sw, -sxy, 0.125, 0}}},
        {"Hexagon",
         3.0f / 7,
         kHexagonGain,
         {{hw, hx, hn, 0}, {hw, 0, hs, 0}, {hw, -hx, hn, 0}, {hw, -hx, -hn, 0}, {hw, 0, -hs, 0}, {hw, hx, -hn, 0}}},
        {"Octagon between the axes",
         4.0f / 7,
         kOctagonBetweenGain,
         {{cw, p, q, 0},
          {cw, q, p, 0},
          {cw, -q, p, 0},
          {cw, -p, q, 0},
          {cw, -p, -q, 0},
          {cw, -q, -p, 0},
          {cw, q, -p, 0},
          {cw, p, -q, 0}}},
        {"Octagon on the axes",
         5.0f / 7,
         kCubeGain,
         {{cw, e, 0, 0},
          {cw, f, f, 0},
          {cw, 0, e, 0},
          {cw, -f, f, 0},
          {cw, -e, 0, 0},
          {cw, -f, -f, 0},
          {cw, 0, -e, 0},
          {cw, f, -f, 0}}},
        {"Stereo", 6.0f / 7, kStereoGain, {{0.7079457843841379, 0, 0.5, 0}, {0.7079457843841379, 0, -0.5, 0}}},
        {"Mono", 7.0f / 7, 1.0, {{}, {}}, true},
    };
}

// The decode of one frame by the plain formula; Z counts for the cube only.
float reference(const LayoutCase& layout, int output, double w, double x, double y, double z) {
    if (layout.mono) return static_cast<float>(w);
    const Weights& k = layout.outputs[static_cast<std::size_t>(output)];
    double sum = k.a * w + k.b * x + k.c * y;
    if (layout.periphonic) sum = sum + k.d * z;
    return static_cast<float>(layout.gain * sum);
}

}  // namespace
