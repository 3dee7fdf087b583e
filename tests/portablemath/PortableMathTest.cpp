// The platform-independent transcendental functions against the C library: within one unit
// in the last place over the argument ranges the plug-ins use, and the C library's kind of
// answer for NaN, infinite and absurd arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

#include "PortableMath.h"

namespace {

// Distance in representable doubles (both finite, same sign or zero).
std::int64_t ulpDistance(double a, double b) {
    std::int64_t ia, ib;
    std::memcpy(&ia, &a, sizeof a);
    std::memcpy(&ib, &b, sizeof b);
    if (ia < 0) ia = std::numeric_limits<std::int64_t>::min() - ia;
    if (ib < 0) ib = std::numeric_limits<std::int64_t>::min() - ib;
    return ia > ib ? ia - ib : ib - ia;
}

struct UnaryCase {
    const char* name;
    std::function<double(double)> ours;
    std::function<double(double)> reference;
    double low, high;
};

TEST(PortableMath, UnaryFunctionsWithinOneUlpOfTheCLibrary) {
    const UnaryCase cases[] = {
        {"sin", [](double x) { return portable::sin(x); }, [](double x) { return std::sin(x); }, -20.0, 20.0},
        {"cos", [](double x) { return portable::cos(x); }, [](double x) { return std::cos(x); }, -20.0, 20.0},
        {"log", [](double x) { return portable::log(x); }, [](double x) { return std::log(x); }, 1e-6, 1e6},
    };
    std::mt19937_64 random(7);
    for (const UnaryCase& c : cases) {
        std::uniform_real_distribution<double> argument(c.low, c.high);
        for (int i = 0; i < 20000; ++i) {
            const double x = argument(random);
            const double want = c.reference(x);
            const double got = c.ours(x);
            // Near a zero of sine or cosine the result's last place is tiny: compare absolutely.
            if (std::fabs(want) < 1e-3) {
                EXPECT_NEAR(got, want, 1e-18) << c.name << "(" << x << ")";
            } else {
                EXPECT_LE(ulpDistance(got, want), 1) << c.name << "(" << x << ")";
            }
        }
    }
}

TEST(PortableMath, BinaryFunctionsWithinOneUlpOfTheCLibrary) {
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> base(1e-3, 10.0), exponent(-4.0, 4.0), coordinate(-5.0, 5.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = base(random), y = exponent(random);
        EXPECT_LE(ulpDistance(portable::pow(x, y), std::pow(x, y)), 1) << "pow(" << x << ", " << y << ")";
        const double a = coordinate(random), b = coordinate(random);
        EXPECT_LE(ulpDistance(portable::hypot(a, b), std::hypot(a, b)), 1) << "hypot(" << a << ", " << b << ")";
        const double angle = portable::atan2(a, b);
        EXPECT_LE(ulpDistance(std::fabs(angle), std::fabs(std::atan2(a, b))), 1) << "atan2(" << a << ", " << b << ")";
        EXPECT_EQ(std::signbit(angle), std::signbit(std::atan2(a, b)));
    }
}

TEST(PortableMath, BadArgumentsGiveTheCLibrarysKindOfAnswer) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {nan, inf, -inf}) {
        EXPECT_TRUE(std::isnan(portable::sin(x))) << x;
        EXPECT_TRUE(std::isnan(portable::cos(x))) << x;
    }
    // Angles far beyond any parameter's range stay sines and cosines.
    for (double x : {1e12, -3.5e17, 1e30, 6.2e300}) {
        EXPECT_LE(std::fabs(portable::sin(x)), 1.0) << x;
        EXPECT_LE(std::fabs(portable::cos(x)), 1.0) << x;
    }
    EXPECT_TRUE(std::isnan(portable::log(-1.0)));
    EXPECT_EQ(portable::log(0.0), -inf);
    EXPECT_EQ(portable::pow(2.0, 0.0), 1.0);
    EXPECT_EQ(portable::pow(0.0, 2.0), 0.0);
    EXPECT_EQ(portable::pow(10.0, 400.0), inf);
    EXPECT_EQ(portable::hypot(inf, nan), inf);
    EXPECT_DOUBLE_EQ(portable::atan2(0.0, -1.0), std::atan2(0.0, -1.0));
}

}  // namespace
