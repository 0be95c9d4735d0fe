#include "grid/column_spec.h"

#include <gtest/gtest.h>

namespace cgt {
namespace {

std::string SetText(const std::bitset<256>& set) {
    std::string s;
    for (int c = 0; c < 256; ++c)
        if (set.test(std::size_t(c))) s += char(c);
    return s;
}

TEST(ColumnSpecTest, NumberColumnFromTheWorksheetGrid) {
    const ParsedColumn p = ParseColumnSpec("CPI Figure|2|1|8|0|F|F|2|F||||-1|0|T|T|");
    ASSERT_FALSE(p.error);
    const ColumnSpec& s = p.spec;
    EXPECT_EQ(s.title, "CPI Figure");
    EXPECT_EQ(s.titleAlign, TitleAlign::Centre);
    EXPECT_EQ(s.kind, ColKind::Number);
    EXPECT_EQ(s.maxLength, 8);
    EXPECT_EQ(s.hint, 0);
    EXPECT_FALSE(s.readOnly);
    EXPECT_TRUE(s.tabStop);
    EXPECT_FALSE(s.hasButton);
    EXPECT_EQ(s.decimals, 2);
    EXPECT_FALSE(s.allowNegative);
    EXPECT_EQ(s.minValue, 0);
    EXPECT_EQ(s.maxValue, 0);
    EXPECT_EQ(s.styleCode, -1);
    EXPECT_EQ(s.Style(), EditStyle::Plain);
    EXPECT_TRUE(s.pickList.empty());
    EXPECT_TRUE(s.noTotal);
    EXPECT_TRUE(s.displayOnly);
    EXPECT_EQ(SetText(s.allowed), ".0123456789");
    EXPECT_EQ(s.Alignment(), CellAlign::Right);
}

// Each text has its own parse, the same as a fresh one, however the texts
// are interleaved; a text asked for again is not parsed again.
TEST(ColumnSpecTest, ParsedOnceIsTheParseOfItsOwnText) {
    const char* texts[] = {
        "CPI Figure|2|1|8|0|F|F|2|F||||-1|0|T|T|",
        "CPI Figure|2|1|8|0|F|F|3|F||||-1|0|T|T|",
        "Method|2|0|30|0|F|T|0||||2|1|2|Discount|Indexed|",
        "Code|0|0|4|0|F|F|1|a..z,x..a|",
        kDefaultColumnSpec,
        "Date|2|2|10|0|T|F||-1|0|F|F|",
    };
    for (int round = 0; round < 2; ++round) {
        for (const char* text : texts) {
            const ParsedColumn fresh = ParseColumnSpec(text);
            const ParsedColumn& once = ParseColumnSpecOnce(text);
            EXPECT_EQ(once.error, fresh.error) << text;
            EXPECT_EQ(once.spec.title, fresh.spec.title) << text;
            EXPECT_EQ(once.spec.kind, fresh.spec.kind) << text;
            EXPECT_EQ(once.spec.maxLength, fresh.spec.maxLength) << text;
            EXPECT_EQ(once.spec.decimals, fresh.spec.decimals) << text;
            EXPECT_EQ(once.spec.letterCase, fresh.spec.letterCase) << text;
            EXPECT_EQ(once.spec.readOnly, fresh.spec.readOnly) << text;
            EXPECT_EQ(once.spec.pickList, fresh.spec.pickList) << text;
            EXPECT_EQ(once.spec.allowed, fresh.spec.allowed) << text;
            EXPECT_EQ(&ParseColumnSpecOnce(text), &once) << text;
        }
    }
}

TEST(ColumnSpecTest, TextColumnWithEveryCharacter) {
    const ParsedColumn p = ParseColumnSpec("Description of expenditure|2|0|40|0|F|F|-1|||||-1|0|F|T|");
    ASSERT_FALSE(p.error);
    EXPECT_EQ(p.spec.kind, ColKind::Text);
    EXPECT_EQ(p.spec.maxLength, 40);
    EXPECT_EQ(p.spec.letterCase, LetterCase::AsTyped);
    EXPECT_TRUE(p.spec.HasDefaultSet());
    EXPECT_FALSE(p.spec.noTotal);
    EXPECT_TRUE(p.spec.displayOnly);
    EXPECT_EQ(p.spec.Alignment(), CellAlign::Left);
}

TEST(ColumnSpecTest, ReadOnlyDateColumnWithMissingTrailingFields) {
    const ParsedColumn p = ParseColumnSpec("Date incurred|2|2|10|0|T|F||-1|0|F|F|");
    ASSERT_FALSE(p.error);
    const ColumnSpec& s = p.spec;
    EXPECT_EQ(s.kind, ColKind::Date);
    EXPECT_TRUE(s.readOnly);
    EXPECT_FALSE(s.tabStop);
    EXPECT_EQ(s.maxLength, 10);
    EXPECT_TRUE(s.pickList.empty());
    EXPECT_FALSE(s.noTotal);
    EXPECT_FALSE(s.displayOnly);
    EXPECT_EQ(SetText(s.allowed), "/0123456789");
}

TEST(ColumnSpecTest, PickListColumnFromTheChoiceTable) {
    const ParsedColumn p = ParseColumnSpec("Method\rchoice\r(I or D)|2|0|30|0|F|T|0||||2|1|2|Discount|Indexed|");
    ASSERT_FALSE(p.error);
    const ColumnSpec& s = p.spec;
    EXPECT_EQ(s.TitleLines(), (std::vector<std::string>{"Method", "choice", "(I or D)"}));
    EXPECT_TRUE(s.hasButton);
    EXPECT_EQ(s.dropDownLines, 2);
    EXPECT_TRUE(s.IsStrictPickList());
    EXPECT_EQ(s.Style(), EditStyle::PickList);
    EXPECT_EQ(s.pickList, (std::vector<std::string>{"Discount", "Indexed"}));
    EXPECT_FALSE(s.noTotal);
    EXPECT_FALSE(s.displayOnly);
}

TEST(ColumnSpecTest, FlagsAfterThePickListMoveWithTheItemCount) {
    const ColumnSpec s = ParseColumnSpec("T|0|0|5|0|F|T|0||||4|2|3|A|B|C|T|T|").spec;
    EXPECT_EQ(s.pickList, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_TRUE(s.noTotal);
    EXPECT_TRUE(s.displayOnly);
    EXPECT_EQ(s.styleCode, 2);
    EXPECT_EQ(s.Style(), EditStyle::Ellipsis);
    // Without the button flag the editor stays plain whatever field 12 says.
    EXPECT_EQ(ParseColumnSpec("T|0|0|5|0|F|F|0||||4|2|0|").spec.Style(), EditStyle::Plain);
}

TEST(ColumnSpecTest, DefaultSpecification) {
    const ParsedColumn p = ParseColumnSpec(kDefaultColumnSpec);
    ASSERT_FALSE(p.error);
    EXPECT_EQ(p.spec.title, "Title");
    EXPECT_EQ(p.spec.kind, ColKind::Text);
    EXPECT_EQ(p.spec.maxLength, 30);
    EXPECT_TRUE(p.spec.tabStop);
    EXPECT_TRUE(p.spec.HasDefaultSet());
    EXPECT_FALSE(p.spec.noTotal);
    EXPECT_FALSE(p.spec.displayOnly);
}

struct KindCase {
    const char* name;  // the case's test name
    const char* spec;
    ColKind kind;
    int maxLength;
    int decimals;
    const char* allowed;
};

class KindRulesTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(KindRulesTest, SetsLengthDecimalsAndCharacters) {
    const KindCase& c = GetParam();
    const ColumnSpec s = ParseColumnSpec(c.spec).spec;
    EXPECT_EQ(s.kind, c.kind) << c.spec;
    EXPECT_EQ(s.maxLength, c.maxLength) << c.spec;
    EXPECT_EQ(s.decimals, c.decimals) << c.spec;
    EXPECT_EQ(SetText(s.allowed), c.allowed) << c.spec;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindRulesTest,
    ::testing::Values(
        // numbers: digits, "-" when field 8 is set, "." with decimals
        KindCase{"SignedNumberWithDecimals", "N|0|1|10|0|F|F|2|T|", ColKind::Number, 10, 2, "-.0123456789"},
        KindCase{"NumberWithEmptyDecimals", "N|0|1|10|0|F|F||F|", ColKind::Number, 10, 0, "0123456789"},
        KindCase{"SignedWholeNumber", "N|0|1|10|0|F|F|0|T|", ColKind::Number, 10, 0, "-0123456789"},
        KindCase{"NumberWithBadDecimals", "N|0|1|10|0|F|F|x|F|", ColKind::Number, 10, 0, "0123456789"},
        // dates: at least ten characters
        KindCase{"ShortDateWidened", "D|0|2|8|", ColKind::Date, 10, 0, "/0123456789"},
        KindCase{"LongDateKept", "D|0|2|12|", ColKind::Date, 12, 0, "/0123456789"},
        // business and tax file numbers: fixed lengths, no decimals
        KindCase{"BusinessNumberFixedLength", "A|0|3|20|0|F|F|2|", ColKind::BusinessNumber, 11, 0, "0123456789"},
        KindCase{"TaxFileNumberFixedLength", "T|0|4|3|0|F|F|2|", ColKind::TaxFileNumber, 9, 0, "0123456789"},
        // text with its own character list; an unknown kind reads as text
        KindCase{"TextWithItsOwnCharacters", "X|0|0|5|0|F|F|1|0..9,/|", ColKind::Text, 5, 0, "/0123456789"},
        KindCase{"UnknownKindIsText", "X|0|7|5|", ColKind::Text, 5, 0, ""},
        // number fields that are no number read as 0
        KindCase{"NonNumericFieldsReadAsZero", "X|a|b|c|", ColKind::Text, 0, 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnSpecTest, LetterCaseOfTextColumns) {
    EXPECT_EQ(ParseColumnSpec("X|0|0|5|0|F|F|1|").spec.letterCase, LetterCase::Upper);
    EXPECT_EQ(ParseColumnSpec("X|0|0|5|0|F|F|2|").spec.letterCase, LetterCase::Lower);
    EXPECT_EQ(ParseColumnSpec("X|0|0|5|0|F|F|3|").spec.letterCase, LetterCase::AsTyped);
    EXPECT_EQ(ParseColumnSpec("X|0|4|5|0|F|F|1|").spec.letterCase, LetterCase::Upper);
}

TEST(ColumnSpecTest, FlagIsTrueOnlyForExactlyT) {
    for (const char* flag : {"t", "TRUE", " T", "1", ""}) {
        const ColumnSpec s = ParseColumnSpec(std::string("X|0|0|5|0|") + flag + "|" + flag + "|").spec;
        EXPECT_FALSE(s.readOnly) << flag;
        EXPECT_FALSE(s.hasButton) << flag;
    }
}

TEST(ColumnSpecTest, TitleAlignmentAndRange) {
    EXPECT_EQ(ParseColumnSpec("X|1|").spec.titleAlign, TitleAlign::Right);
    EXPECT_EQ(ParseColumnSpec("X|0|").spec.titleAlign, TitleAlign::Left);
    EXPECT_EQ(ParseColumnSpec("X|7|").spec.titleAlign, TitleAlign::Left);
    const ColumnSpec s = ParseColumnSpec("N|0|1|5|12|F|F|0|T|-50|100|").spec;
    EXPECT_EQ(s.hint, 12);
    EXPECT_EQ(s.minValue, -50);
    EXPECT_EQ(s.maxValue, 100);
}

TEST(ColumnSpecTest, NegativeItemCountGivesNoItems) {
    const ColumnSpec s = ParseColumnSpec("X|0|0|5|0|F|T|0||||3|1|-2|A|B|T|T|").spec;
    EXPECT_TRUE(s.pickList.empty());
    // Fields 14 and 15 are read as the flags.
    EXPECT_FALSE(s.noTotal);
    EXPECT_FALSE(s.displayOnly);
}

TEST(ColumnSpecTest, ItemCountBeyondTheFieldsTakesWhatIsThere) {
    const ColumnSpec s = ParseColumnSpec("X|0|0|5|0|F|T|0||||3|1|999999999|A|B").spec;
    EXPECT_EQ(s.pickList, (std::vector<std::string>{"A", "B"}));
    EXPECT_FALSE(s.noTotal);
}

TEST(ColumnSpecTest, BadCharacterSetKeepsTheRemainingDefaults) {
    const ParsedColumn p = ParseColumnSpec("Code|1|0|6|3|T|T|1|AB,0..9|5|9|4|1|1|X|T|T|");
    ASSERT_TRUE(p.error);
    EXPECT_EQ(*p.error, "Bad character set !");
    const ColumnSpec& s = p.spec;
    // Fields before the set are read.
    EXPECT_EQ(s.title, "Code");
    EXPECT_EQ(s.titleAlign, TitleAlign::Right);
    EXPECT_EQ(s.maxLength, 6);
    EXPECT_EQ(s.hint, 3);
    EXPECT_TRUE(s.readOnly);
    EXPECT_FALSE(s.tabStop);
    EXPECT_TRUE(s.hasButton);
    EXPECT_EQ(s.letterCase, LetterCase::Upper);
    // The set and everything after it keep their defaults.
    EXPECT_TRUE(s.HasDefaultSet());
    EXPECT_EQ(s.minValue, 0);
    EXPECT_EQ(s.maxValue, 0);
    EXPECT_EQ(s.dropDownLines, 0);
    EXPECT_EQ(s.styleCode, 0);
    EXPECT_TRUE(s.pickList.empty());
    EXPECT_FALSE(s.noTotal);
    EXPECT_FALSE(s.displayOnly);
}

TEST(ColumnSpecTest, CharacterSetOnlyCountsInTextColumns) {
    // "-1" in field 8 of a date column is no character list.
    EXPECT_FALSE(ParseColumnSpec("D|0|2|10|0|F|F||-1|").error);
    EXPECT_FALSE(ParseColumnSpec("N|0|1|10|0|F|F|0|xyz|").error);
}

struct CharSetCase {
    const char* name;  // the case's test name
    const char* spec;
    bool ok;
    const char* chars;
};

class CharSetTest : public ::testing::TestWithParam<CharSetCase> {};

TEST_P(CharSetTest, Parses) {
    const CharSetCase& c = GetParam();
    std::bitset<256> set;
    set.set('Q');  // must be cleared whatever the outcome
    EXPECT_EQ(ParseCharSet(c.spec, set), c.ok) << c.spec;
    EXPECT_EQ(SetText(set), c.chars) << c.spec;
}

INSTANTIATE_TEST_SUITE_P(Sets, CharSetTest,
                         ::testing::Values(CharSetCase{"Empty", "", true, ""},
                                           CharSetCase{"RangeAndCharacter", "0..9,/", true, "/0123456789"},
                                           CharSetCase{"LetterRangeAndCharacter", "a..c,X", true, "Xabc"},
                                           CharSetCase{"MinusSpaceAndQuote", "-, ,'", true, " '-"},
                                           CharSetCase{"LeadingComma", ",,a", true, ",a"},
                                           CharSetCase{"TrailingComma", "a,,", true, ",a"},
                                           CharSetCase{"RangeFromAComma", ",..0", true, ",-./0"},
                                           CharSetCase{"TrailingSeparator", "a,", true, "a"},
                                           CharSetCase{"ReversedRangeIsEmpty", "z..a", true, ""},
                                           CharSetCase{"LettersWithoutASeparator", "ab", false, ""},
                                           CharSetCase{"ItemOfThreeLetters", "0..9,abc", false, ""},
                                           CharSetCase{"DashIsNoRange", "a-z", false, ""},
                                           CharSetCase{"BadRangeDots", "a.:z", false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColumnSpecTest, SplitKeepsEmptyFields) {
    EXPECT_EQ(SplitSpecFields("a|b|"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(SplitSpecFields(""), (std::vector<std::string>{""}));
    EXPECT_EQ(SplitSpecFields("||"), (std::vector<std::string>{"", "", ""}));
}

}  // namespace
}  // namespace cgt
