#include "FieldRotator.h"

#include "FramePair.h"
#include "Glide.h"
#include "GlideBlock.h"
#include "PortableMath.h"

using bformat::finiteTargetOr;
using bformat::FramePair;

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

constexpr int kCos = FieldRotator::kAxisCount;

// One axis rotation with sine s and cosine c; the other coordinate stays.
template <Axis A, typename Lane>
inline void rotate(Lane& x, Lane& y, Lane& z, double s, double c) {
    Lane& u = A == FieldRotator::kAxisX ? y : x;  // the pair of coordinates that turns
    Lane& v = A == FieldRotator::kAxisZ ? y : z;
    const Lane turnedU = c * u - s * v;
    v = s * u + c * v;
    u = turnedU;
}

// The frames at n (one or a pair, by lane type) with coefficients c (sZ, sX, sY, cZ, cX,
// cY): all four inputs are read before any output is written.
template <bool Accumulate, Axis First, Axis Second, Axis Third, typename Lane>
inline void rotateFrames(const double* c, const float* const* in, float* const* out, std::int32_t n) {
    const Lane w = bformat::loadFrames<Lane>(in[0] + n);
    Lane x = bformat::loadFrames<Lane>(in[1] + n);
    Lane y = bformat::loadFrames<Lane>(in[2] + n);
    Lane z = bformat::loadFrames<Lane>(in[3] + n);
    rotate<First>(x, y, z, c[First], c[kCos + First]);
    rotate<Second>(x, y, z, c[Second], c[kCos + Second]);
    rotate<Third>(x, y, z, c[Third], c[kCos + Third]);
    bformat::emitFrames<Accumulate>(out[0] + n, w);
    bformat::emitFrames<Accumulate>(out[1] + n, x);
    bformat::emitFrames<Accumulate>(out[2] + n, y);
    bformat::emitFrames<Accumulate>(out[3] + n, z);
}

// The whole block for one order. While gliding the coefficients move after every frame;
// once all sit on the glide's fixed point they stay, and frames go in pairs.
template <bool Accumulate, Axis First, Axis Second, Axis Third>
void rotateBlock(bformat::GlideBlock<2 * kCos>& glide, const float* const* in, float* const* out,
                 std::int32_t frames) {
    const double* c = glide.value;
    std::int32_t n = 0;
    if (glide.settled) {
        for (; n + 2 <= frames; n += 2) rotateFrames<Accumulate, First, Second, Third, FramePair>(c, in, out, n);
        for (; n < frames; ++n) rotateFrames<Accumulate, First, Second, Third, double>(c, in, out, n);
        return;
    }
    for (; n < frames; ++n) {
        rotateFrames<Accumulate, First, Second, Third, double>(c, in, out, n);
        glide.step();
    }
}

}  // namespace

void FieldRotator::setTargets(double angle1Rad, double angle2Rad, double angle3Rad, int orderIndex) {
    order_ = (orderIndex >= 0 && orderIndex < kOrderCount) ? orderIndex : 0;
    const Axis* axes = kOrders[order_];
    const double angles[3] = {angle1Rad, angle2Rad, angle3Rad};
    for (int i = 0; i < 3; ++i) {
        const int a = axes[i];
        target_[a] = finiteTargetOr(portable::sin(angles[i]), current_[a]);
        target_[kAxisCount + a] = finiteTargetOr(portable::cos(angles[i]), current_[kAxisCount + a]);
    }
}

template <bool Accumulate>
void FieldRotator::run(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    // Channel pointers in locals: stores into the buffers cannot then be taken to change them.
    const float* const in[kChannels] = {inputs[0], inputs[1], inputs[2], inputs[3]};
    float* const out[kChannels] = {outputs[0], outputs[1], outputs[2], outputs[3]};
    bformat::GlideBlock<kCoefficients> glide(current_, target_);
    switch (order_) {
        case 1: rotateBlock<Accumulate, kAxisZ, kAxisY, kAxisX>(glide, in, out, frames); break;
        case 2: rotateBlock<Accumulate, kAxisX, kAxisZ, kAxisY>(glide, in, out, frames); break;
        case 3: rotateBlock<Accumulate, kAxisX, kAxisY, kAxisZ>(glide, in, out, frames); break;
        case 4: rotateBlock<Accumulate, kAxisY, kAxisZ, kAxisX>(glide, in, out, frames); break;
        case 5: rotateBlock<Accumulate, kAxisY, kAxisX, kAxisZ>(glide, in, out, frames); break;
        default: rotateBlock<Accumulate, kAxisZ, kAxisX, kAxisY>(glide, in, out, frames); break;
    }
    glide.storeInto(current_);
}

void FieldRotator::processReplacing(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<false>(inputs, outputs, frames);
}

void FieldRotator::processAccumulating(const float* const* inputs, float* const* outputs, std::int32_t frames) {
    run<true>(inputs, outputs, frames);
}
