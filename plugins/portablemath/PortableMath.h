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

constexpr Number kHalfPi = {1.5707963267948965580e+00, 6.1232339957367660359e-17};
constexpr Number kPi = {3.1415926535897931160e+00, 1.2246467991473532072e-16};
constexpr Number kLn2 = {6.9314718055994528623e-01, 2.3190468138462996154e-17};

// Series coefficients, computed once when the library loads (never on the audio thread):
// sine (-1)^n / (2n+1)!, cosine (-1)^n / (2n)!, exponential 1 / n!, odd reciprocals
// 1 / (2n+1) for the logarithm's and (with alternating signs) the arc tangent's series.
constexpr int kSeriesTerms = 25;
struct SeriesTables {
    Number sine[kSeriesTerms];
    Number cosine[kSeriesTerms];
    Number exponential[kSeriesTerms];
    Number oddReciprocal[kSeriesTerms];
};

inline SeriesTables makeSeriesTables() {
    SeriesTables t{};
    Number factorialReciprocal{1.0, 0.0};  // 1 / k!
    Number byIndex[2 * kSeriesTerms + 2];
    byIndex[0] = factorialReciprocal;
    for (int k = 1; k < 2 * kSeriesTerms + 2; ++k) {
        factorialReciprocal = divide(factorialReciprocal, double(k));
        byIndex[k] = factorialReciprocal;
    }
    for (int n = 0; n < kSeriesTerms; ++n) {
        const double sign = (n % 2) ? -1.0 : 1.0;
        t.sine[n] = multiply(byIndex[2 * n + 1], sign);
        t.cosine[n] = multiply(byIndex[2 * n], sign);
        t.exponential[n] = byIndex[n];
        t.oddReciprocal[n] = divide(Number{1.0, 0.0}, double(2 * n + 1));
    }
    return t;
}

inline const SeriesTables kSeries = makeSeriesTables();

// sum of c[n] x^n for n < count: the small high terms in double, where their rounding
// is far below the result's last bit, the leading `exactTerms` in double-double.
inline Number polynomial(const Number* c, int count, int exactTerms, Number x) {
    double tail = 0.0;
    for (int n = count - 1; n >= exactTerms; --n) tail = tail * x.hi + c[n].hi;
    Number sum{tail, 0.0};
    for (int n = exactTerms - 1; n >= 0; --n) sum = add(multiply(sum, x), c[n]);
    return sum;
}

// sin and cos of |r| <= pi/4 (a little more after rounding the quadrant).
inline Number sineSeries(Number r) { return multiply(polynomial(kSeries.sine, 15, 9, multiply(r, r)), r); }
inline Number cosineSeries(Number r) { return polynomial(kSeries.cosine, 15, 9, multiply(r, r)); }

// x = quadrant * pi/2 + r with |r| <= pi/4 (about; exact enough for the angles plug-ins use).
inline Number reduceQuarterTurns(double x, long long& quadrant) {
    const double k = std::nearbyint(x * 0.63661977236758134308);
    // NaN, infinite or absurd angles (a host's out-of-range value) have no meaningful
    // quadrant; converting them to an integer would be undefined.
    quadrant = std::fabs(k) < 9.0e15 ? static_cast<long long>(k) : 0;
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
    // log m = 2 atanh(s) with s = (m - 1) / (m + 1), |s| < 0.172: 2 s sum s^2n / (2n+1).
    const Number s = divide(Number{m - 1.0, 0.0}, twoSum(m, 1.0));
    const Number series = multiply(polynomial(kSeries.oddReciprocal, 23, 11, multiply(s, s)), s);
    return add(multiply(series, 2.0), multiply(kLn2, double(exponent)));
}

inline Number exponential(Number a) {
    const double k = std::nearbyint(a.hi / kLn2.hi);
    const Number r = subtract(a, multiply(kLn2, k));  // |r| <= ln 2 / 2
    const Number e = polynomial(kSeries.exponential, 25, 14, r);
    const int scale = static_cast<int>(k);
    return {std::ldexp(e.hi, scale), std::ldexp(e.lo, scale)};
}

// atan of 0 <= t <= 1: two argument halvings, atan t = 2 atan(t / (1 + sqrt(1 + t^2))),
// bring t below tan(pi/16); there atan t = t sum (-t^2)^n / (2n+1).
inline Number arcTangentOfUnitRange(Number t) {
    for (int i = 0; i < 2; ++i) t = divide(t, add(Number{1.0, 0.0}, squareRoot(add(Number{1.0, 0.0}, multiply(t, t)))));
    const Number series = multiply(polynomial(kSeries.oddReciprocal, 24, 12, negate(multiply(t, t))), t);
    return multiply(series, 4.0);
}

}  // namespace dd

// Beyond this the quarter-turn reduction loses the angle; such angles only come from
// out-of-range host values and take the C library's answer.
constexpr double kLargestReducedAngle = 1.0e9;

inline double sin(double x) {
    if (!std::isfinite(x)) return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(x) > kLargestReducedAngle) return std::sin(x);
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
    if (std::fabs(x) > kLargestReducedAngle) return std::cos(x);
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
