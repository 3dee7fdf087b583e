// Sine, cosine, power, logarithm, arc tangent and hypotenuse that return the same bits on
// every platform the suite is built for. The C libraries differ in their last bit (the
// 32-bit Windows runtime computes these on the x87 unit), which made the plug-ins'
// outputs differ between platforms. Here each function is evaluated in double-double
// arithmetic (about 106 bits) with plain IEEE additions and multiplications only, and
// rounded once at the end, so the result is the correctly rounded value in all but
// vanishingly rare cases and identical wherever SSE2 double arithmetic is used (the
// build turns off contraction into fused multiply-adds). They cost a few hundred
// operations each: meant for coefficients computed once per block, not per sample.
#pragma once

#include <cmath>
#include <limits>

namespace portable {

namespace dd {

// A value hi + lo with |lo| <= half an ulp of hi.
struct Number {
    double hi;
    double lo;
};

inline Number twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

inline Number fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Exact product of two doubles as hi + lo (Dekker's splitting; arguments well inside range).
inline Number twoProduct(double a, double b) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double p = a * b;
    const double ca = kSplitter * a;
    const double aHi = ca - (ca - a);
    const double aLo = a - aHi;
    const double cb = kSplitter * b;
    const double bHi = cb - (cb - b);
    const double bLo = b - bHi;
    return {p, ((aHi * bHi - p) + aHi * bLo + aLo * bHi) + aLo * bLo};
}

inline Number add(Number a, Number b) {
    Number s = twoSum(a.hi, b.hi);
    const Number t = twoSum(a.lo, b.lo);
    s = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(s.hi, s.lo + t.lo);
}

inline Number negate(Number a) { return {-a.hi, -a.lo}; }
inline Number subtract(Number a, Number b) { return add(a, negate(b)); }

inline Number multiply(Number a, Number b) {
    const Number p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline Number multiply(Number a, double b) {
    const Number p = twoProduct(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

inline Number divide(Number a, Number b) {
    const double q1 = a.hi / b.hi;
    Number r = subtract(a, multiply(b, q1));
    const double q2 = r.hi / b.hi;
    r = subtract(r, multiply(b, q2));
    const double q3 = r.hi / b.hi;
    return add(fastTwoSum(q1, q2), Number{q3, 0.0});
}

inline Number divide(Number a, double b) { return divide(a, Number{b, 0.0}); }

// IEEE square root is exact-rounded everywhere; one Newton step adds the low part.
inline Number squareRoot(Number a) {
    if (!(a.hi > 0.0)) return {0.0, 0.0};
    const double x = std::sqrt(a.hi);
    const Number square = twoProduct(x, x);
    const double correction = (((a.hi - square.hi) - square.lo) + a.lo) / (2.0 * x);
    return fastTwoSum(x, correction);
}

// Sums a series term by term until the terms no longer reach the low part.
template <typename NextTerm>
Number sumSeries(Number first, NextTerm next) {
    Number sum = first;
    Number term = first;
    for (int n = 1; n < 60; ++n) {
        term = next(term, n);
        sum = add(sum, term);
        if (std::fabs(term.hi) < std::fabs(sum.hi) * 1e-34) break;
    }
    return sum;
}

constexpr Number kHalfPi = {1.5707963267948965580e+00, 6.1232339957367660359e-17};
constexpr Number kPi = {3.1415926535897931160e+00, 1.2246467991473532072e-16};
constexpr Number kLn2 = {6.9314718055994528623e-01, 2.3190468138462996154e-17};

// sin and cos of |r| <= pi/4 by their Taylor series.
inline Number sineSeries(Number r) {
    const Number r2 = multiply(r, r);
    return sumSeries(
        r, [&](Number term, int n) { return negate(divide(multiply(term, r2), double(2 * n * (2 * n + 1)))); });
}

inline Number cosineSeries(Number r) {
    const Number r2 = multiply(r, r);
    return sumSeries(Number{1.0, 0.0}, [&](Number term, int n) {
        return negate(divide(multiply(term, r2), double((2 * n - 1) * 2 * n)));
    });
}

// x = quadrant * pi/2 + r with |r| <= pi/4 (about; exact enough for the angles plug-ins use).
inline Number reduceQuarterTurns(double x, long long& quadrant) {
    const double k = std::nearbyint(x * 0.63661977236758134308);
    quadrant = static_cast<long long>(k);
    const Number kHi = twoProduct(k, kHalfPi.hi);
    const Number kLo = twoProduct(k, kHalfPi.lo);
    return subtract(subtract(Number{x, 0.0}, kHi), kLo);
}

inline Number logarithm(double x) {
    int exponent = 0;
    double m = std::frexp(x, &exponent);  // x = m * 2^exponent, m in [0.5, 1)
    if (m < 0.70710678118654752440) {
        m *= 2.0;
        exponent -= 1;
    }
    // log m = 2 atanh(s) with s = (m - 1) / (m + 1), |s| < 0.172.
    const Number s = divide(Number{m - 1.0, 0.0}, twoSum(m, 1.0));
    const Number s2 = multiply(s, s);
    Number power = s;
    const Number series = sumSeries(s, [&](Number, int n) {
        power = multiply(power, s2);
        return divide(power, double(2 * n + 1));
    });
    return add(multiply(series, 2.0), multiply(kLn2, double(exponent)));
}

inline Number exponential(Number a) {
    const double k = std::nearbyint(a.hi / kLn2.hi);
    const Number r = subtract(a, multiply(kLn2, k));
    const Number e =
        sumSeries(Number{1.0, 0.0}, [&](Number term, int n) { return divide(multiply(term, r), double(n)); });
    const int scale = static_cast<int>(k);
    return {std::ldexp(e.hi, scale), std::ldexp(e.lo, scale)};
}

// atan of 0 <= t <= 1: two argument halvings, atan t = 2 atan(t / (1 + sqrt(1 + t^2))),
// bring t below tan(pi/16), where the series converges fast.
inline Number arcTangentOfUnitRange(Number t) {
    for (int i = 0; i < 2; ++i) t = divide(t, add(Number{1.0, 0.0}, squareRoot(add(Number{1.0, 0.0}, multiply(t, t)))));
    const Number t2 = multiply(t, t);
    Number power = t;
    const Number series = sumSeries(t, [&](Number, int n) {
        power = negate(multiply(power, t2));
        return divide(power, double(2 * n + 1));
    });
    return multiply(series, 4.0);
}

}  // namespace dd

inline double sin(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    long long quadrant = 0;
    const dd::Number r = dd::reduceQuarterTurns(x, quadrant);
    switch (quadrant & 3) {
        case 0: return dd::sineSeries(r).hi;
        case 1: return dd::cosineSeries(r).hi;
        case 2: return -dd::sineSeries(r).hi;
        default: return -dd::cosineSeries(r).hi;
    }
}

inline double cos(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    long long quadrant = 0;
    const dd::Number r = dd::reduceQuarterTurns(x, quadrant);
    switch (quadrant & 3) {
        case 0: return dd::cosineSeries(r).hi;
        case 1: return -dd::sineSeries(r).hi;
        case 2: return -dd::cosineSeries(r).hi;
        default: return dd::sineSeries(r).hi;
    }
}

inline double log(double x) {
    if (!(x > 0.0) || !std::isfinite(x) || x < std::numeric_limits<double>::min()) return std::log(x);
    return dd::logarithm(x).hi;
}

// x^y for x > 0 (the plug-ins' case); other bases take the C library's answer.
inline double pow(double x, double y) {
    if (!(x > 0.0) || !std::isfinite(x) || !std::isfinite(y) || x < std::numeric_limits<double>::min())
        return std::pow(x, y);
    if (y == 0.0 || x == 1.0) return 1.0;
    const dd::Number exponent = dd::multiply(dd::logarithm(x), y);
    if (exponent.hi > 709.0 || exponent.hi < -708.0) return std::pow(x, y);
    return dd::exponential(exponent).hi;
}

inline double atan2(double y, double x) {
    if (std::isnan(x) || std::isnan(y) || std::isinf(x) || std::isinf(y)) return std::atan2(y, x);
    if (y == 0.0) return std::signbit(x) ? std::copysign(dd::kPi.hi, y) : y;
    if (x == 0.0) return std::copysign(dd::kHalfPi.hi, y);
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    const bool steep = ay > ax;
    dd::Number a =
        dd::arcTangentOfUnitRange(steep ? dd::divide(dd::Number{ax, 0.0}, ay) : dd::divide(dd::Number{ay, 0.0}, ax));
    if (steep) a = dd::subtract(dd::kHalfPi, a);
    if (x < 0.0) a = dd::subtract(dd::kPi, a);
    return std::copysign(a.hi, y);
}

inline double hypot(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return std::hypot(x, y);
    const double ax = std::fabs(x);
    const double ay = std::fabs(y);
    if (ax == 0.0 || ay == 0.0) return ax + ay;
    if (ax > 1e150 || ay > 1e150 || ax < 1e-150 || ay < 1e-150) return std::hypot(x, y);
    return dd::squareRoot(dd::add(dd::twoProduct(ax, ax), dd::twoProduct(ay, ay))).hi;
}

}  // namespace portable
