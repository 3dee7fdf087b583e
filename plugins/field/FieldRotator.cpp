#include "FieldRotator.h"

#include <cmath>

#include "Glide.h"

using bformat::finiteTargetOr;
using bformat::glideStep;
using bformat::kGlideStep;

namespace {

using Axis = FieldRotator::Axis;

const Axis kOrders[FieldRotator::kOrderCount][3] = {
    {FieldRotator::kAxisZ, FieldRotator::kAxisX, FieldRotator::kAxisY},
    {FieldRotator::kAxisZ, FieldRotator::kAxisY, FieldRotator::kAxisX},
    {FieldRotator::kAxisX, FieldRotator::kAxisZ, FieldRotator::kAxisY},
    {FieldRotator::kAxisX, FieldRotator::kAxisY, FieldRotator::kAxisZ},
    {FieldRotator::kAxisY, FieldRotator::kAxisZ, FieldRotator::kAxisX},
    {FieldRotator::kAxisY, FieldRotator::kAxisX, FieldRotator::kAxisZ},
};

struct Vector {
    double x, y, z;
};

// One axis rotation with sine s and cosine c.
template <Axis A>
inline void rotate(Vector& v, double s, double c) {
    if (A == FieldRotator::kAxisZ) {
        const double x = c * v.x - s * v.y;
        v.y = s * v.x + c * v.y;
        v.x = x;
    } else if (A == FieldRotator::kAxisX) {
        const double y = c * v.y - s * v.z;
        v.z = s * v.y + c * v.z;
        v.y = y;
    } else {
        const double x = c * v.x - s * v.z;
        v.z = s * v.x + c * v.z;
        v.x = x;
    }
}

template <bool Accumulate>
inline void store(float* out, double value) {
    *out = Accumulate ? static_cast<float>(*out + value) : static_cast<float>(value);
}

// The whole loop for one order; `c` holds sZ, sX, sY, cZ, cX, cY and is updated.
template <bool Accumulate, Axis First, Axis Second, Axis Third>
void rotateBlock(double* c, const double* stepTarget, const float* const* in, float* const* out,
                 std::int32_t frames) {
    constexpr int kCos = FieldRotator::kAxisCount;
    for (std::int32_t n = 0; n < frames; ++n) {
        const double w = in[0][n];
        Vector v{in[1][n], in[2][n], in[3][n]};
        rotate<First>(v, c[First], c[kCos + First]);
        rotate<Second>(v, c[Second], c[kCos + Second]);
        rotate<Third>(v, c[Third], c[kCos + Third]);
        store<Accumulate>(out[0] + n, w);
        store<Accumulate>(out[1] + n, v.x);
        store<Accumulate>(out[2] + n, v.y);
        store<Accumulate>(out[3] + n, v.z);
        for (int i = 0; i < 2 * kCos; ++i) c[i] = glideStep(c[i], stepTarget[i]);
    }
}

}  // namespace

const FieldRotator::Axis* FieldRotator::axesOfOrder(int orderIndex) {
    return kOrders[(orderIndex >= 0 && orderIndex < kOrderCount) ? orderIndex : 0];
}

void FieldRotator::setTargets(double angle1Rad, double angle2Rad, double angle3Rad, int orderIndex) {
    order_ = (orderIndex >= 0 && orderIndex < kOrderCount) ? orderIndex : 0;
    const Axis* axes = kOrders[order_];
    const double angles[3] = {angle1Rad, angle2Rad, angle3Rad};
    for (int i = 0; i < 3; ++i) {
        const int a = axes[i];
        target_[a] = finiteTargetOr(std::sin(angles[i]), current_[a]);
        target_[kAxisCount + a] = finiteTargetOr(std::cos(angles[i]), current_[kAxisCount + a]);
    }
}

template <bool Accumulate>
void FieldRotator::run(const float* const* in, float* const* out, std::int32_t frames) {
    double stepTarget[kCoefficients];
    for (int i = 0; i < kCoefficients; ++i) stepTarget[i] = kGlideStep * target_[i];
    double c[kCoefficients];
    for (int i = 0; i < kCoefficients; ++i) c[i] = current_[i];
    switch (order_) {
        case 1: rotateBlock<Accumulate, kAxisZ, kAxisY, kAxisX>(c, stepTarget, in, out, frames); break;
        case 2: rotateBlock<Accumulate, kAxisX, kAxisZ, kAxisY>(c, stepTarget, in, out, frames); break;
        case 3: rotateBlock<Accumulate, kAxisX, kAxisY, kAxisZ>(c, stepTarget, in, out, frames); break;
        case 4: rotateBlock<Accumulate, kAxisY, kAxisZ, kAxisX>(c, stepTarget, in, out, frames); break;
        case 5: rotateBlock<Accumulate, kAxisY, kAxisX, kAxisZ>(c, stepTarget, in, out, frames); break;
        default: rotateBlock<Accumulate, kAxisZ, kAxisX, kAxisY>(c, stepTarget, in, out, frames); break;
    }
    for (int i = 0; i < kCoefficients; ++i) current_[i] = c[i];
}

void FieldRotator::processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<false>(inputs, outputs, frames);
}

void FieldRotator::processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<true>(inputs, outputs, frames);
}
