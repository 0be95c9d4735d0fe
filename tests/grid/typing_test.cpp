// What happens to each typed character in a grid cell.
#include <gtest/gtest.h>

#include "grid/cell_rules.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

enum class Outcome { Accept, Drop, Beep };

struct TypeCase {
    const char* name;  // the case's test name
    const char* spec;
    const char* text;  // the editor's text before the character
    bool selection;
    char ch;
    Outcome outcome;
    char inserted;  // for Accept: the character that goes in
};

std::ostream& operator<<(std::ostream& os, const TypeCase& c) {
    return os << "spec " << c.spec << " text \"" << c.text << "\" char '" << c.ch << "'";
}

class TypingTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TypingTest, FiltersTheCharacter) {
    const TypeCase& c = GetParam();
    const ColumnSpec spec = ParseColumnSpec(c.spec).spec;
    const TypedChar r = FilterTypedChar(spec, c.text, c.selection, c.ch);
    switch (c.outcome) {
        case Outcome::Accept:
            EXPECT_TRUE(r.accepted);
            EXPECT_FALSE(r.beep);
            EXPECT_EQ(r.ch, c.inserted);
            break;
        case Outcome::Drop:
            EXPECT_FALSE(r.accepted);
            EXPECT_FALSE(r.beep);
            break;
        case Outcome::Beep:
            EXPECT_FALSE(r.accepted);
            EXPECT_TRUE(r.beep);
            break;
    }
}

constexpr const char* kMoney = "Amount|2|1|10|0|F|F|2|F|";  // 10 characters, 2 decimals
constexpr const char* kSigned = "Loss|2|1|6|0|F|F|0|T|";    // 6 characters, negatives
constexpr const char* kWhole = "Count|2|1|4|0|F|F|0|F|";    // 4 digits
constexpr const char* kDate = "Date|2|2|10|0|F|F||-1|";     //
constexpr const char* kUpper = "Code|0|0|3|0|F|F|1|A..Z,0..9|";
constexpr const char* kLower = "Code|0|0|3|0|F|F|2||";
constexpr const char* kFree = "Text|0|0|5|0|F|F|0||";
constexpr const char* kReadOnly = "Fixed|0|0|5|0|T|F|0||";
constexpr const char* kDisplayOnly = "Shown|0|1|8|0|F|F|2|F||||-1|0|T|T|";
constexpr const char* kAbn = "ABN|0|3|11|0|F|F|0||";
constexpr const char* kTfn = "TFN|0|4|9|0|F|F|0||";

INSTANTIATE_TEST_SUITE_P(
    Rules, TypingTest,
    ::testing::Values(
        // read-only and display-only columns take nothing, silently
        TypeCase{"ReadOnlyDropsALetter", kReadOnly, "", false, 'a', Outcome::Drop, 0},
        TypeCase{"DisplayOnlyDropsADigit", kDisplayOnly, "", false, '1', Outcome::Drop, 0},
        TypeCase{"DisplayOnlyDropsBackspace", kDisplayOnly, "", false, '\b', Outcome::Drop, 0},
        // control characters and the space pass unchecked
        TypeCase{"BackspacePasses", kMoney, "1234567", false, '\b', Outcome::Accept, '\b'},
        TypeCase{"SpacePassesAFullCell", kWhole, "1234", false, ' ', Outcome::Accept, ' '},
        TypeCase{"TabPassesAFullCell", kUpper, "ABC", false, '\t', Outcome::Accept, '\t'},
        // 10 characters with 2 decimals: after seven digits only the point
        TypeCase{"SeventhWholeDigit", kMoney, "123456", false, '7', Outcome::Accept, '7'},
        TypeCase{"EighthWholeDigitBeeps", kMoney, "1234567", false, '8', Outcome::Beep, 0},
        TypeCase{"EighthWholeDigitOverASelectionBeeps", kMoney, "1234567", true, '8', Outcome::Beep, 0},
        TypeCase{"PointAfterSevenDigits", kMoney, "1234567", false, '.', Outcome::Accept, '.'},
        TypeCase{"SecondDecimal", kMoney, "1234567.1", false, '2', Outcome::Accept, '2'},
        TypeCase{"ThirdDecimalBeeps", kMoney, "1234567.12", false, '3', Outcome::Beep, 0},
        // a full cell takes a character only over a selection
        TypeCase{"FullCellBeeps", kWhole, "1234", false, '5', Outcome::Beep, 0},
        TypeCase{"FullCellTakesOverASelection", kWhole, "1234", true, '5', Outcome::Accept, '5'},
        // a minus sign makes room for one more character
        TypeCase{"MinusMakesRoom", kSigned, "-12345", false, '6', Outcome::Accept, '6'},
        TypeCase{"FullSignedCellBeeps", kSigned, "-123456", false, '7', Outcome::Beep, 0},
        // number characters: the set, one minus, one point
        TypeCase{"LetterInANumberBeeps", kMoney, "12", false, 'a', Outcome::Beep, 0},
        TypeCase{"MinusNotAllowedBeeps", kMoney, "12", false, '-', Outcome::Beep, 0},
        TypeCase{"SecondPointBeeps", kMoney, "1.2", false, '.', Outcome::Beep, 0},
        TypeCase{"MinusAllowed", kSigned, "", false, '-', Outcome::Accept, '-'},
        TypeCase{"SecondMinusBeeps", kSigned, "-1", false, '-', Outcome::Beep, 0},
        TypeCase{"PointWithoutDecimalsBeeps", kSigned, "1", false, '.', Outcome::Beep, 0},
        TypeCase{"PointInWholeNumbersBeeps", kWhole, "", false, '.', Outcome::Beep, 0},
        // dates: digits and the separator
        TypeCase{"DateSlash", kDate, "15", false, '/', Outcome::Accept, '/'},
        TypeCase{"DateDashBeeps", kDate, "15", false, '-', Outcome::Beep, 0},
        TypeCase{"FullDateBeeps", kDate, "15/08/2002", false, '1', Outcome::Beep, 0},
        // text: letter case first, then the set
        TypeCase{"UpperCaseLetter", kUpper, "", false, 'q', Outcome::Accept, 'Q'},
        TypeCase{"OutsideTheSetBeeps", kUpper, "", false, '-', Outcome::Beep, 0},
        TypeCase{"AccentedLetterOutsideTheSetBeeps", kUpper, "AB", false, '\xe9', Outcome::Beep, 0},
        TypeCase{"LowerCaseLetter", kLower, "", false, 'Q', Outcome::Accept, 'q'},
        TypeCase{"LowerCaseAccentedLetter", kLower, "", false, '\xc9', Outcome::Accept, '\xe9'},
        TypeCase{"FreeTextTakesATilde", kFree, "", false, '~', Outcome::Accept, '~'},
        TypeCase{"FullTextBeeps", kFree, "abcde", false, 'f', Outcome::Beep, 0},
        // identification numbers: digits only, fixed lengths
        TypeCase{"EleventhAbnDigit", kAbn, "1234567890", false, '1', Outcome::Accept, '1'},
        TypeCase{"FullAbnBeeps", kAbn, "12345678901", false, '1', Outcome::Beep, 0},
        TypeCase{"LetterInAnAbnBeeps", kAbn, "", false, 'x', Outcome::Beep, 0},
        TypeCase{"NinthTfnDigit", kTfn, "12345678", false, '9', Outcome::Accept, '9'},
        TypeCase{"FullTfnBeeps", kTfn, "123456789", false, '0', Outcome::Beep, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridTypingTest, TenCharactersTwoDecimalsTypedInFull) {
    GridModel grid;
    grid.DefineColumns({kMoney});
    std::string text;
    int beeps = 0;
    for (char ch : std::string("12345678.9012")) {
        const TypedChar r = grid.TypeChar(0, text, false, ch);
        if (r.accepted) text += r.ch;
        if (r.beep) ++beeps;
    }
    // "8" waits for the point; "901" leaves "90" once the cell is full.
    EXPECT_EQ(text, "1234567.90");
    EXPECT_EQ(beeps, 3);
}

TEST(GridTypingTest, AcceptedCharactersSetTheModifiedFlag) {
    GridModel grid;
    grid.DefineColumns({kWhole, kReadOnly});
    grid.TypeChar(0, "", false, '\t');
    EXPECT_FALSE(grid.Modified());
    grid.TypeChar(1, "", false, 'a');
    EXPECT_FALSE(grid.Modified());
    grid.TypeChar(0, "", false, 'x');
    EXPECT_FALSE(grid.Modified());
    grid.TypeChar(0, "", false, '3');
    EXPECT_TRUE(grid.Modified());
}

TEST(GridTypingTest, ColumnWithoutMaximumLengthTakesAnyLength) {
    const ColumnSpec spec = ParseColumnSpec("Free|0|0|0|").spec;
    EXPECT_TRUE(FilterTypedChar(spec, std::string(300, 'x'), false, 'y').accepted);
}

}  // namespace
}  // namespace cgt
