// The eight-character value texts, character for character, through the loaded library.
#include <cmath>
#include <cstring>
#include <limits>

#include "TestPluginFixture.h"

namespace {

enum Conversion { kDb = 1, kHz = 2, kMs = 3, kFloat = 4, kLong = 5 };

struct TextCase {
    Conversion conversion;
    double input;
    const char* expected;
};

const TextCase kCases[] = {
    {kFloat, 0.0, "0.000000"},
    {kFloat, -0.0, "0.000000"},
    {kFloat, 0.5, "0.500000"},
    {kFloat, 0.7, "0.699999"},  // digits are cut, not rounded
    {kFloat, 0.1, "0.100000"},
    {kFloat, 90.0, "90.00000"},
    {kFloat, 360.0, "360.0000"},
    {kFloat, -6.0, "-6.00000"},
    {kFloat, -90.0, "-90.0000"},
    {kFloat, 12345678.0, "2345678."},
    {kFloat, 1234567.0, "1234567."},
    {kFloat, -9999999.0, "-999999."},
    {kFloat, -10000000.0, " Huge!  "},
    {kFloat, 99999998.0, " Huge!  "},  // nearest float is 100000000
    {kFloat, 99999992.0, "9999992."},
    {kFloat, std::numeric_limits<double>::infinity(), " Huge!  "},
    {kFloat, -std::numeric_limits<double>::infinity(), " Huge!  "},
    {kFloat, std::numeric_limits<double>::quiet_NaN(), " Huge!  "},
    {kFloat, 1e-30, "0.000000"},
    {kDb, 1.0, "0.000000"},
    {kDb, 0.5, "-6.02059"},
    {kDb, 2.0, "6.020599"},
    {kDb, 0.0, "  -oo   "},
    {kDb, -1.0, "  -oo   "},
    {kDb, std::numeric_limits<double>::quiet_NaN(), "  -oo   "},
    {kHz, 0.0, "0.000000"},
    {kHz, 441.0, "100.0000"},
    {kMs, 441.0, "10.00000"},
    {kMs, 0.0, "0.000000"},
    {kLong, 0, "      0"},
    {kLong, 42, "     42"},
    {kLong, -5, "     -5"},
    {kLong, 99999999, "99999999"},
    {kLong, 100000000, " Huge!  "},
    {kLong, 2147483647, " Huge!  "},
    {kLong, -12345678, "-1234567"},
    {kLong, -2147483647 - 1, "-2147483"},
};

}  // namespace

TEST_F(TestPluginFixture, ConversionsProduceTheExactTexts) {
    host.dispatch(effSetSampleRate, 0, 0, nullptr, 44100.0f);
    for (const auto& c : kCases) {
        char buffer[64];
        std::memset(buffer, 0x5A, sizeof buffer);
        const bool isLong = c.conversion == kLong;
        vendor(c.conversion, isLong ? static_cast<std::intptr_t>(c.input) : 0, buffer,
               isLong ? 0.0f : static_cast<float>(c.input));
        EXPECT_STREQ(buffer, c.expected) << "conversion " << c.conversion << " of " << c.input;
        EXPECT_LE(std::strlen(buffer), 8u);
        for (std::size_t i = 9; i < sizeof buffer; ++i) ASSERT_EQ(buffer[i], 0x5A) << "wrote past 9 bytes";
    }
}

TEST_F(TestPluginFixture, EveryNonOverflowFloatTextIsEightCharacters) {
    for (double v = -9999999.0; v < 99999999.0; v = v * -1.7 + 0.37) {
        char buffer[32];
        vendor(kFloat, 0, buffer, static_cast<float>(v));
        if (std::strcmp(buffer, " Huge!  ") != 0) {
            EXPECT_EQ(std::strlen(buffer), 8u) << v << " -> " << buffer;
        }
        if (std::fabs(v) < 1e-6) break;
    }
}

TEST_F(TestPluginFixture, ParameterDisplaysUseTheConversions) {
    host.setParameter(0, 0.5f);
    host.setParameter(1, 0.7f);
    host.setParameter(2, 0.42f);
    auto gain = host.readText(effGetParamDisplay, 0, 8);
    EXPECT_EQ(gain.text, "-6.02059");
    EXPECT_FALSE(gain.overrun);
    EXPECT_EQ(host.parameterDisplay(1), "0.699999");
    EXPECT_EQ(host.parameterDisplay(2), "     42");
    EXPECT_EQ(host.parameterName(0), "Gain");
    EXPECT_EQ(host.parameterLabel(0), "dB");
}
