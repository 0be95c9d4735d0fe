#include "store/extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace cgt {
namespace {

std::string Hex(const ExtendedBytes& b) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (const auto x : b) {
        if (!s.empty()) s += ' ';
        s += digits[x >> 4];
        s += digits[x & 15];
    }
    return s;
}

// Worked by hand from the layout: significand (explicit integer bit) in
// bytes 0-7, then exponent biased by 16383 with the sign on top.
TEST(ExtendedTest, KnownEncodings) {
    const struct {
        long double value;
        const char* bytes;
    } cases[] = {
        {0.0L, "00 00 00 00 00 00 00 00 00 00"},
        {-0.0L, "00 00 00 00 00 00 00 00 00 80"},
        {1.0L, "00 00 00 00 00 00 00 80 FF 3F"},
        {-2.5L, "00 00 00 00 00 00 00 A0 00 C0"},
        {60012.0L, "00 00 00 00 00 00 6C EA 0E 40"},
        {0.5L, "00 00 00 00 00 00 00 80 FE 3F"},
        // 0.1 = 0xCCCCCCCCCCCCCCCD * 2^-67 after rounding to 64 bits
        {0.1L, "CD CC CC CC CC CC CC CC FB 3F"},
        {std::numeric_limits<long double>::infinity(), "00 00 00 00 00 00 00 80 FF 7F"},
        {-std::numeric_limits<long double>::infinity(), "00 00 00 00 00 00 00 80 FF FF"},
    };
    for (const auto& c : cases) {
        if (c.value == 0.1L && LDBL_MANT_DIG < 64) continue;  // 0.1 itself is not the same number there
        EXPECT_EQ(Hex(EncodeExtended(c.value)), c.bytes) << static_cast<double>(c.value);
        const long double back = DecodeExtended(EncodeExtended(c.value));
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
    const ExtendedBytes nan = EncodeExtended(std::numeric_limits<long double>::quiet_NaN());
    EXPECT_EQ(nan[9] & 0x7F, 0x7F);
    EXPECT_EQ(nan[8], 0xFF);
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
}

TEST(ExtendedTest, DenormalsAndTheEdgesOfTheRange) {
    // The smallest denormal is 2^-16445: significand 1, exponent field 0.
    const ExtendedBytes tiny = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const ExtendedBytes largest = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F};
    if (LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384) {
        EXPECT_EQ(DecodeExtended(tiny), std::numeric_limits<long double>::denorm_min());
        EXPECT_EQ(EncodeExtended(std::numeric_limits<long double>::denorm_min()), tiny);
        EXPECT_EQ(DecodeExtended(largest), std::numeric_limits<long double>::max());
        EXPECT_EQ(EncodeExtended(std::numeric_limits<long double>::max()), largest);
    } else {
        EXPECT_EQ(DecodeExtended(tiny), 0.0L);  // below the host's range
        EXPECT_TRUE(std::isinf(DecodeExtended(largest)));
    }
    // Unnormals (integer bit clear, exponent non-zero) read as their plain value.
    const ExtendedBytes unnormal = {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};
    EXPECT_EQ(DecodeExtended(unnormal), 0.5L);
}

// Where the host's long double is the x87 format its own bytes are an
// independent reference.
TEST(ExtendedTest, MatchesTheX87LayoutOfTheHost) {
    if (LDBL_MANT_DIG != 64 || LDBL_MAX_EXP != 16384) GTEST_SKIP() << "long double is not x87 extended here";
    std::mt19937_64 rng(2003);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t significand = rng() | (std::uint64_t(1) << 63);
        const int exponent = int(rng() % 0x7FFE) + 1;
        std::uint8_t raw[16] = {};
        std::memcpy(raw, &significand, 8);
        const unsigned top = unsigned(exponent) | (rng() & 1 ? 0x8000u : 0u);
        raw[8] = std::uint8_t(top);
        raw[9] = std::uint8_t(top >> 8);
        long double value;
        std::memcpy(&value, raw, sizeof value);

        ExtendedBytes expected;
        std::memcpy(expected.data(), raw, 10);
        ASSERT_EQ(EncodeExtended(value), expected) << "case " << i;
        ASSERT_EQ(DecodeExtended(expected), value) << "case " << i;
    }
}

}  // namespace
}  // namespace cgt
