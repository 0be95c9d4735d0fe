#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "base/clock.h"
#include "base/cp1252.h"
#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"

namespace cgt {
namespace {

TEST(DayNumber, EpochAndKeyDatesMatchTheirText) {
    EXPECT_EQ(DateToText(0), "30/12/1899");
    EXPECT_EQ(DayNumber(1899, 12, 31), 1);
    EXPECT_EQ(DayNumber(1899, 12, 29), -1);
    struct Case {
        int day;
        const char* text;
    } cases[] = {{kIncomeYearStart, "01/07/2002"}, {kIncomeYearEnd, "30/06/2003"}, {kCgtStart, "20/09/1985"},
                 {kDiscountStart, "21/09/1999"},   {kDate30Jun1998, "30/06/1998"}, {kDate18Dec1986, "18/12/1986"},
                 {kDate01Jul1990, "01/07/1990"},   {kDate30Jun2001, "30/06/2001"}};
    for (const auto& c : cases) {
        EXPECT_EQ(DateToText(c.day), c.text) << c.day;
        EXPECT_EQ(TextToDayNumber(c.text), c.day) << c.text;
    }
}

TEST(DayNumber, ReadsDayMonthYearTexts) {
    const FixedClock clock(2026, 12, 10);
    struct Case {
        const char* text;
        std::optional<const char*> expected;
    } cases[] = {
        {"1/7/2002", "01/07/2002"},   {" 01/07/2002 ", "01/07/2002"}, {"29/02/2000", "29/02/2000"},
        {"29/02/2003", std::nullopt}, {"31/02/2003", std::nullopt},   {"31/04/2003", std::nullopt},
        {"01/13/2003", std::nullopt}, {"00/01/2003", std::nullopt},   {"", std::nullopt},
        {"  /  /    ", std::nullopt}, {"01-07-2002", std::nullopt},   {"01/07/2002x", std::nullopt},
        {"1/7", "01/07/2026"},        {"01/07/0000", std::nullopt},   {"01/07/12345", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto got = TextToDayNumber(c.text, clock);
        if (c.expected) {
            ASSERT_TRUE(got) << c.text;
            EXPECT_EQ(DateToText(*got), *c.expected) << c.text;
        } else {
            EXPECT_FALSE(got) << c.text << " read as " << DateToText(*got);
        }
    }
}

TEST(DayNumber, TwoDigitYearsFollowTheWindowOfTheInjectedClock) {
    // With a window of 89 in 2026 the years run 1937 .. 2036.
    const FixedClock y2026(2026, 6, 1);
    EXPECT_EQ(DateToText(*TextToDayNumber("01/07/37", y2026)), "01/07/1937");
    EXPECT_EQ(DateToText(*TextToDayNumber("01/07/36", y2026)), "01/07/2036");
    EXPECT_EQ(DateToText(*TextToDayNumber("01/07/02", y2026)), "01/07/2002");
    EXPECT_EQ(DateToText(*TextToDayNumber("01/07/99", y2026)), "01/07/1999");
    // In 2003, the module's own year: 1914 .. 2013.
    const FixedClock y2003(2003, 3, 1);
    EXPECT_EQ(DateToText(*TextToDayNumber("5/5/13", y2003)), "05/05/2013");
    EXPECT_EQ(DateToText(*TextToDayNumber("5/5/14", y2003)), "05/05/1914");
    // A window of 50 in 2003: 1953 .. 2052.
    EXPECT_EQ(DateToText(*TextToDayNumber("5/5/52", y2003, 50)), "05/05/2052");
    EXPECT_EQ(DateToText(*TextToDayNumber("5/5/53", y2003, 50)), "05/05/1953");
    // Three or four digits are taken as they stand.
    EXPECT_EQ(DateToText(*TextToDayNumber("5/5/0999", y2003)), "05/05/0999");
}

TEST(DayNumber, StrToDateRaisesOnNoDate) {
    EXPECT_EQ(StrToDate("30/06/2003"), kIncomeYearEnd);
    EXPECT_THROW(StrToDate("30/06/2003 x"), EConvertError);
}

TEST(Round, HalvesGoToEven) {
    struct Case {
        long double in;
        std::int64_t out;
    } cases[] = {{0.5L, 0},
                 {1.5L, 2},
                 {2.5L, 2},
                 {3.5L, 4},
                 {-0.5L, 0},
                 {-1.5L, -2},
                 {-2.5L, -2},
                 {2.4999L, 2},
                 {2.5001L, 3},
                 {-2.6L, -3},
                 {1234567.5L, 1234568},
                 {0.0011L, 0}};
    for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << double(c.in);
    EXPECT_EQ(Trunc(-2.9L), -2);
    EXPECT_EQ(Trunc(1234.99L), 1234);
}

TEST(NumberText, FixedNotation) {
    struct Case {
        long double value;
        int precision, decimals;
        const char* text;
    } cases[] = {
        {1234.56L, 8, 0, "1235"},
        {1234.56L, 12, 2, "1234.56"},
        {1234.5L, 8, 0, "1235"},  // halves round away from zero in the text
        {0.5L, 8, 0, "1"},
        {-0.5L, 8, 0, "-1"},
        {0.4L, 8, 0, "0"},
        {-0.4L, 8, 0, "0"},
        {0, 12, 2, "0.00"},
        {0.0011L, 8, 0, "0"},
        {0.0011L, 12, 2, "0.00"},
        {12.3L, 12, 2, "12.30"},
        {99999999.0L, 8, 0, "99999999"},
        {123456789.0L, 8, 0, "1.2345679E8"},
        {123456789012.0L, 8, 0, "1.2345679E11"},
        {999999999999.99L, 12, 2, "1E12"},  // rounds to 12 digits, then too wide
        {12345678901.126L, 12, 2, "12345678901.10"},
        {1234567890.126L, 12, 2, "1234567890.13"},
        {1000000000000.0L, 12, 2, "1E12"},
        {99999999.6L, 8, 0, "1E8"},
        {-1234.567L, 12, 2, "-1234.57"},
        {0.125L, 18, 2, "0.13"},
        {0.004L, 18, 2, "0.00"},
        {1.0L / 3.0L, 18, 3, "0.333"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals), c.text)
            << double(c.value) << " " << c.precision << "," << c.decimals;
}

TEST(NumberText, GeneralFormat) {
    struct Case {
        long double value;
        const char* text;
    } cases[] = {{0, "0"},
                 {1, "1"},
                 {-12.5L, "-12.5"},
                 {0.1L, "0.1"},
                 {1e20L, "1E20"},
                 {1.5e-6L, "1.5E-6"},
                 {0.00001L, "1E-5"},
                 {0.0001L, "0.0001"},
                 {1.0L / 3, "0.333333333333333"},
                 {123456789012345.0L, "123456789012345"},
                 {1234567890123456.0L, "1.23456789012346E15"},
                 {0.0011L, "0.0011"}};
    for (const auto& c : cases) EXPECT_EQ(FormatGeneral(c.value), c.text) << double(c.value);
}

TEST(NumberText, DollarTextAtAnySize) {
    const struct {
        long double value;
        int decimals;
        const char* text;
    } cases[] = {
        {1234567, 0, "$1,234,567"},
        {123456789, 0, "$123,456,789"},  // no exponent form past eight digits
        {-50199364, 0, "-$50,199,364"},
        {1e15L, 0, "$1,000,000,000,000,000"},
        {999999999999999.99L, 2, "$999,999,999,999,999.99"},
        {-0.004L, 2, "$0.00"},  // rounds to nothing: no minus
        {12.5L, 2, "$12.50"},
        {0, 0, "$0"},
    };
    for (const auto& c : cases) EXPECT_EQ(DollarText(c.value, c.decimals), c.text) << c.text;
}

TEST(NumberText, FloatToStrWDRightAligns) {
    EXPECT_EQ(FloatToStrWD(12.5L, 8, 2), "   12.50");
    EXPECT_EQ(FloatToStrWD(-3, 4, 0), "  -3");
    EXPECT_EQ(FloatToStrWD(123456.789L, 3, 1), "123456.8");
}

TEST(NumberText, StrToFloatDefIsStrict) {
    struct Case {
        const char* text;
        long double expected;
    } cases[] = {{"12", 12},    {" 12.50 ", 12.5L}, {"-3", -3}, {"+4.", 4},    {".5", 0.5L},
                 {"1E3", 1000}, {"1e-2", 0.01L},    {"", -1},   {"1,000", -1}, {"12a", -1},
                 {"$5", -1},    {".", -1},          {"1E", -1}, {"--1", -1},   {"1 2", -1}};
    for (const auto& c : cases) EXPECT_EQ(StrToFloatDef(c.text, -1), c.expected) << c.text;
}

// Whole numbers and plain decimal texts take their own short way; the C
// library is the reference they must match to the last digit and bit.
TEST(NumberText, WholeNumbersAsTheLibraryPrintsThem) {
    std::mt19937_64 rng(2003);
    for (int i = 0; i < 20000; ++i) {
        const long double magnitude = std::pow(10.0L, int(rng() % 18));
        auto v = std::floor(static_cast<long double>(rng() % 1000000000000000000ULL) / 1e18L * magnitude);
        if (rng() % 2) v = -v;
        for (const int decimals : {0, 2, 3}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*Lf", decimals, v == 0 ? 0.0L : v);
            ASSERT_EQ(FormatFixed(v, 18, decimals), expected) << expected;
        }
        if (std::fabs(v) < 1e15L) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.0Lf", v == 0 ? 0.0L : v);
            ASSERT_EQ(FormatGeneral(v), expected);
        }
    }
}

// Amounts with cents, percentages, index figures, thirds, and values that
// fall exactly halfway at the eighteenth digit: the digits are the library's.
TEST(NumberText, FractionsAsTheLibraryPrintsThem) {
    std::mt19937_64 rng(2003);
    std::vector<long double> values = {12345678901234567.5L,
                                       12345678901234568.5L,
                                       0.0001L,
                                       999999999999999999.0L / 10,
                                       0.99999999999999999995L,
                                       1.0L / 3,
                                       2.0L / 3,
                                       123.4L,
                                       1.234L,
                                       0.0011L};
    for (int i = 0; i < 40000; ++i) {
        const long double scale = std::pow(10.0L, int(rng() % 22) - 4);
        switch (i % 4) {
            case 0: values.push_back(static_cast<long double>(rng() % 100000000) / 100); break;
            case 1: values.push_back(std::ldexp(static_cast<long double>(rng() | (1ULL << 63)), -64) * scale); break;
            case 2: values.push_back(static_cast<long double>(rng() % 1000000000000000000ULL) + 0.5L); break;
            default: values.push_back(static_cast<long double>(rng() % 100000) / 1000 * scale); break;
        }
    }
    for (const long double v : values) {
        for (const long double signed_ : {v, -v}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.18Lg", signed_);
            if (std::fabs(signed_) < 1e-4L || std::fabs(signed_) >= 1e17L) continue;
            ASSERT_EQ(FormatGeneral(signed_, 18), expected);
        }
    }
}

// The number a fixed text shows is the text read back, to the last bit.
TEST(NumberText, FixedValueIsTheTextReadBack) {
    std::mt19937_64 rng(2003);
    for (int i = 0; i < 40000; ++i) {
        const long double scale = std::pow(10.0L, int(rng() % 26) - 8);
        long double v = std::ldexp(static_cast<long double>(rng() | (1ULL << 63)), -64) * scale;
        if (i % 3 == 0) v = static_cast<long double>(rng() % 100000) / 100;
        if (rng() % 2) v = -v;
        for (const int decimals : {0, 2, 3}) {
            const std::string text = FormatFixed(v, 18, decimals);
            const std::optional<long double> read = TryStrToFloat(text);
            const std::optional<long double> value = FixedValue(v, 18, decimals);
            if (!value) continue;
            ASSERT_TRUE(read) << text;
            ASSERT_EQ(*value, *read) << text;
            ASSERT_EQ(std::signbit(*value), std::signbit(*read)) << text;
        }
    }
    EXPECT_FALSE(FixedValue(1e20L, 18, 2));  // too wide: the general form
    EXPECT_EQ(FixedValue(1.0765L, 18, 3), 1.077L);
    EXPECT_EQ(FixedValue(-0.0004L, 18, 3), 0.0L);
}

TEST(NumberText, PlainDecimalTextsReadAsTheLibraryReadsThem) {
    std::mt19937_64 rng(2003);
    for (int i = 0; i < 20000; ++i) {
        std::string text = rng() % 4 == 0 ? "-" : "";
        const int digits = 1 + int(rng() % 19);
        const int point = int(rng() % (digits + 1));
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0) text += '.';
            text += char('0' + rng() % 10);
        }
        const std::optional<long double> read = TryStrToFloat(text);
        ASSERT_TRUE(read) << text;
        const long double expected = std::strtold(text.c_str(), nullptr);
        ASSERT_EQ(*read, expected) << text;
        ASSERT_EQ(std::signbit(*read), std::signbit(expected)) << text;
    }
}

TEST(Round, AgreesWithNearestEven) {
    std::mt19937_64 rng(2003);
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    for (int i = 0; i < 20000; ++i) {
        const long double whole = static_cast<long double>(std::int64_t(rng() % 2000000001ULL) - 1000000000);
        const long double fraction = (rng() % 3 == 0) ? 0.5L : static_cast<long double>(rng() % 1000) / 1000;
        const long double v = whole + fraction;
        ASSERT_EQ(Round(v), static_cast<std::int64_t>(std::nearbyint(v))) << double(v);
    }
}

TEST(Text, Cp1252RoundTrip) {
    const std::string bytes = "caf\xE9 \x80 \x93quote\x94 \x81";
    const std::string utf8 = Cp1252ToUtf8(bytes);
    EXPECT_EQ(utf8, "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquote\xE2\x80\x9D \xC2\x81");
    EXPECT_EQ(Utf8ToCp1252(utf8), bytes);
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");  // not in the code page
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82"), "a??");   // cut short
    EXPECT_EQ(Trim(" \t x y \r\n"), "x y");
    EXPECT_EQ(UpperCase("helpDesk"), "HELPDESK");
}

// A piece of input in an error line stays one short line whatever it holds.
TEST(QuoteInput, ShortEscapedAndCut) {
    const struct {
        std::string input;
        std::string quoted;
    } cases[] = {
        {"BHP", "\"BHP\""},
        {"", "\"\""},
        {"a\"b\\c", "\"a\\\"b\\\\c\""},
        {"line\nnext\r\t\x01\x7F", "\"line\\nnext\\r\\t\\x01\\x7F\""},
        {"caf\xC3\xA9", "\"caf\xC3\xA9\""},                         // UTF-8 kept
        {"caf\xE9", "\"caf\\xE9\""},                                // Windows-1252, no UTF-8
        {"\xC0\xAF\xED\xA0\x80", "\"\\xC0\\xAF\\xED\\xA0\\x80\""},  // overlong, surrogate
        {"\xF0\x9F\x98", "\"\\xF0\\x9F\\x98\""},                    // cut short
        {std::string(60, 'x'), "\"" + std::string(60, 'x') + "\""},
        {std::string(1000000, 'y'), "\"" + std::string(60, 'y') + "\"... (1000000 bytes)"},
    };
    for (const auto& c : cases) EXPECT_EQ(QuoteInput(c.input), c.quoted) << c.input.substr(0, 20);
    EXPECT_EQ(QuoteInput("abcdef", 3), "\"abc\"... (6 bytes)");
}

}  // namespace
}  // namespace cgt
