#include "base/idnumbers.h"

#include <gtest/gtest.h>

#include "base/textroutines.h"

namespace cgt {
namespace {

struct IdCase {
    bool (*check)(std::string_view);
    const char* name;
    const char* text;
    bool valid;
};

// Check digits worked by hand from the weightings.
const IdCase kIdCases[] = {
    {IsValidTFN, "TFN", "", true},
    {IsValidTFN, "TFN", "123456782", true},  // 10+14+24+16+30+18+35+16+2 = 165 = 15 x 11
    {IsValidTFN, "TFN", "123 456 782", true},
    {IsValidTFN, "TFN", "123456789", false},
    {IsValidTFN, "TFN", "0", false},
    {IsValidTFN, "TFN", "123456", false},      // too short
    {IsValidTFN, "TFN", "1234567820", false},  // too long
    {IsValidTFN, "TFN", "1234569", true},      // 7 digits: 10+14+24+16+30+18 = 112, + 9 = 121
    {IsValidTFN, "TFN", "1234563", false},
    {IsValidABN, "ABN", "", true},
    {IsValidABN, "ABN", "51 824 753 556", true},  // 40+1+24+10+28+63+55+39+75+85+114 = 534 = 6 x 89
    {IsValidABN, "ABN", "51824753557", false},
    {IsValidABN, "ABN", "5182475355", true},   // fewer than 11 digits: not tested
    {IsValidABN, "ABN", "01824753557", true},  // leading 0: not tested
    {IsValidACN, "ACN", "", true},
    {IsValidACN, "ACN", "000 000 019", true},  // s = 1 <= 10 and 1 + 9 = 10
    {IsValidACN, "ACN", "010499966", true},    // s = 114, r = 4, 4 + 6 = 10
    {IsValidACN, "ACN", "010499967", false},
    {IsValidACN, "ACN", "0", false},
    {IsValidSFN, "SFN", "123456780", true},  // 1528 mod 11 = 10 and d9 = 0
    {IsValidSFN, "SFN", "123456781", false},
    {IsValidEGN, "EGN", "12345677", true},  // 147 + 7 = 154 = 14 x 11
    {IsValidEGN, "EGN", "12345678", false},
    {IsValidEGN, "EGN", "00000000", false},
    {IsValidDIN, "DIN", "82475355651", true},  // rotated: 51824753556, a valid ABN weighting
    {IsValidDIN, "DIN", "82475355652", false},
    {IsValidDIN, "DIN", "12345678", false},   // fewer than 9 digits
    {IsValidDIN, "DIN", "824753556", false},  // 56008247535 weighs 476, not a multiple of 89
};

TEST(IdNumbers, ChecksFollowTheWeightings) {
    for (const auto& c : kIdCases) EXPECT_EQ(c.check(c.text), c.valid) << c.name << " \"" << c.text << "\"";
}

TEST(IdNumbers, GroupingPadsAndSplits) {
    struct {
        std::string (*format)(std::string_view);
        const char* in;
        const char* out;
    } cases[] = {
        {FormatTFN, "123456782", "123 456 782"},
        {FormatTFN, "12345678", "12 345 678"},
        {FormatTFN, "1234567", "1 234 567"},
        {FormatTFN, "123 45", "12345"},
        {FormatTFN, "", ""},
        {FormatABN, "51824753556", "51 824 753 556"},
        {FormatABN, "1824753556", "01 824 753 556"},
        {FormatACN, "19", "000 000 019"},
        {FormatSFN, "123456780", "1234 567 80"},
        {FormatDIN, "82475355651", "82 475 355 651"},
        {FormatEGN, "12345677", "123 456 77"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.format(c.in), c.out) << c.in;
}

TEST(TextRoutines, FilterSplitAndPower) {
    EXPECT_EQ(FilterChars("-1,234.5x", "-0123456789."), "-1234.5");
    EXPECT_EQ(RemoveSpaces(" 1 2 "), "12");
    std::vector<std::string> parts{"old"};
    SplitString("a|b||c", '|', parts);
    EXPECT_EQ(parts, (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_NEAR(double(Power(2, 10)), 1024.0, 1e-9);
}

}  // namespace
}  // namespace cgt
