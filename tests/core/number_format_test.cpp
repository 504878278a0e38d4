#include "model/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace spanrix {
namespace {

TEST(NumberText, PlainAndExponentForms)
{
    EXPECT_EQ(numberText(0.0), "0");
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(120.0), "120");
    EXPECT_EQ(numberText(-1000.0), "-1000");
    EXPECT_EQ(numberText(0.5), "0.5");
    EXPECT_EQ(numberText(0.0001234), "0.0001234");
    EXPECT_EQ(numberText(0.00001234), "1.234E-05");
    EXPECT_EQ(numberText(123456789012345.0), "123456789012345");
    EXPECT_EQ(numberText(1e15), "1E+15");
    EXPECT_EQ(numberText(-4.5e20), "-4.5E+20");
    EXPECT_EQ(numberText(1.23e-5), "1.23E-05");
    EXPECT_EQ(numberText(1e100), "1E+100");
    // 15 significant digits hide the binary noise of sums.
    EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
    EXPECT_EQ(numberText(1200.0 * 0.0254 * 39.3700787401575), "1200");
}

TEST(NumberText, FloatsUseSevenDigitsAndPlainUpToExponentSix)
{
    EXPECT_EQ(numberText(29000000.0f), "2.9E+07");
    EXPECT_EQ(numberText(10000.0f), "10000");
    EXPECT_EQ(numberText(0.25f), "0.25");
    EXPECT_EQ(numberText(1234567.0f), "1234567");
    EXPECT_EQ(numberText(12345678.0f), "1.234568E+07");
    EXPECT_EQ(numberText(8.333e-6f), "8.333E-06");
    EXPECT_EQ(numberText(0.1f), "0.1");
}

// The C library's %G with the same precision writes exactly the general number text.
std::string reference(double x, int digits)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, x);
    std::string s = buf;
    return s == "-0" ? "0" : s;
}

TEST(NumberText, AgreesWithReferenceAcrossMagnitudes)
{
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-8, 18);
    std::uniform_int_distribution<int> digitsKept(1, 17);
    for (int i = 0; i < 20000; ++i) {
        double x = mantissa(rng) * std::pow(10.0, exponent(rng));
        // Values with few digits exercise trailing-zero removal and the form boundaries.
        const int keep = digitsKept(rng);
        const double scale = std::pow(10.0, keep - 1 - std::floor(std::log10(x)));
        if (keep < 16) x = std::round(x * scale) / scale;
        if (i % 2) x = -x;
        ASSERT_EQ(numberText(x), reference(x, 15)) << x;
        const float f = static_cast<float>(x);
        ASSERT_EQ(numberText(f), reference(f, 7)) << f;
    }
    for (double boundary : {1e-5, 9.99999999999999e-5, 1e-4, 99999999999999.9, 999999999999999.0,
                            999999999999999.5, 1e14, 1e15, 9999999.5, 999999.95}) {
        EXPECT_EQ(numberText(boundary), reference(boundary, 15)) << boundary;
        EXPECT_EQ(numberText(float(boundary)), reference(float(boundary), 7)) << boundary;
    }
}

TEST(RoundSigFigs, DisplayRounding)
{
    EXPECT_EQ(roundSigFigs(0.0, 3), 0.0);
    EXPECT_EQ(displayText(-0.0, 3), "0");
    EXPECT_EQ(roundSigFigs(1234.5678, 3), 1230.0);
    EXPECT_EQ(roundSigFigs(-98765, 3), -98800.0);
    EXPECT_EQ(displayText(0.000123456, 3), "0.000123");
    EXPECT_EQ(displayText(0.0999, 2), "0.1");
    EXPECT_EQ(displayText(1.23456789e-7, 3), "1.23E-07");
    EXPECT_EQ(displayText(4.56789e20, 3), "4.57E+20");
    EXPECT_EQ(displayText(1e15, 3), "1E+15");
    EXPECT_EQ(roundSigFigs(999.6, 3), 1000.0);
    EXPECT_EQ(roundSigFigs(0.5, 3), 0.5);
    EXPECT_EQ(displayText(12.3456, 6), "12.3456");
    EXPECT_EQ(displayText(1234.5678, 5), "1234.6");
    EXPECT_EQ(displayText(1000.0 / 12.0, 3), "83.3");
}

TEST(RoundSigFigs, ExactHalvesGoToEven)
{
    EXPECT_EQ(roundSigFigs(2.5, 1), 2.0);
    EXPECT_EQ(roundSigFigs(3.5, 1), 4.0);
    EXPECT_EQ(roundSigFigs(0.125, 2), 0.12);
    EXPECT_EQ(roundSigFigs(0.375, 2), 0.38);
    EXPECT_EQ(roundSigFigs(-2.5, 1), -2.0);
    EXPECT_EQ(roundSigFigs(2.5e20, 1), 2e20);
    EXPECT_EQ(roundSigFigs(3.5e-7, 1), 4e-7);
}

TEST(RoundSigFigs, WorksOnTheFifteenDigitText)
{
    // 0.285 is held as 0.28499999999999998; its 15-digit text is an exact half.
    EXPECT_EQ(roundSigFigs(0.285, 2), 0.28);
    EXPECT_EQ(roundSigFigs(0.295, 2), 0.3);
}

TEST(ParseNumber, AcceptsDecimalAndExponentForms)
{
    EXPECT_EQ(parseNumber("100"), 100.0);
    EXPECT_EQ(parseNumber("  -2.5  "), -2.5);
    EXPECT_EQ(parseNumber("+.5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5.0);
    EXPECT_EQ(parseNumber("2.9E+07"), 2.9e7);
    EXPECT_EQ(parseNumber("1e-5"), 1e-5);
    EXPECT_EQ(parseNumber("\t3\r\n"), 3.0);
    EXPECT_EQ(parseNumber("1e-400"), 0.0);
    EXPECT_EQ(parseNumber("0.001e-330"), 0.0);
}

TEST(ParseNumber, RefusesEverythingElse)
{
    for (const char* bad : {"", " ", "abc", "1,5", "1.2.3", "1e", "e5", "--1", "+", ".", "0x10",
                            "inf", "nan", "1 2", "12abc", "1e999", "&H10", "1d5"}) {
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
    }
    // Beyond the range also when written with a negative exponent.
    EXPECT_FALSE(parseNumber("1" + std::string(400, '0') + "e-1").has_value());
}

TEST(ToInt16, RoundsHalvesToEvenAndRefusesOutOfRange)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.0), -32768);
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_FALSE(toInt16(-32769.0).has_value());
    EXPECT_FALSE(toInt16(1e300).has_value());
}

TEST(SigFigsPrompt, TextAndReplies)
{
    EXPECT_EQ(sigFigsPromptText(3),
              "Current number of display significant figures is 3.  Enter desired number of "
              "significant figures.\rThis control is for display only and does not affect "
              "internal calculations.");
    EXPECT_FALSE(readSigFigsReply("").has_value());
    EXPECT_EQ(readSigFigsReply("5")->newSigFigs, 5);
    EXPECT_EQ(readSigFigsReply("4.5")->newSigFigs, 4);
    EXPECT_EQ(readSigFigsReply("15")->newSigFigs, 15);
    for (const char* bad : {"0", "16", "-3", "abc", "0.4", "1e9"}) {
        const auto r = readSigFigsReply(bad);
        ASSERT_TRUE(r.has_value()) << bad;
        EXPECT_FALSE(r->newSigFigs.has_value()) << bad;
        EXPECT_EQ(r->refusal, "Enter a whole number of significant figures from 1 to 15.") << bad;
    }
}

}  // namespace
}  // namespace spanrix
