#include "controls/numedit_rules.h"

#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/rounding.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

using NT = TNumericType;
using RT = TRavelleDataType;
using KA = NumEditRules::KeyAction;
using ER = NumEditRules::ExitResult;

class NumEditRulesTest : public ::testing::Test {
protected:
    // A field as a screen definition builds it: kind, then data type, then
    // the explicit maximum length.
    NumEditRules& Field(NT kind, RT data, int maxLength) {
        rules.SetNumericType(kind);
        rules.SetRavelleDataType(data);
        if (maxLength) rules.SetMaxLength(maxLength);
        return rules;
    }
    // Types each character through the key filter the way the edit does.
    void Type(const std::string& keys) {
        for (char ch : keys) {
            const auto r = rules.FilterKey(ch);
            if (r.action == KA::Insert) rules.SetText(rules.Text() + r.ch);
            if (r.action == KA::ReplaceText) rules.SetText(r.newText);
        }
    }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 1, 15};
    NumEditRules rules{dialogs, clock};
};

TEST_F(NumEditRulesTest, ScreenCombinationsGetTheirPresets) {
    struct {
        NT kind;
        RT data;
        int maxLength;
        int decimals;
        EditAlignment align;
        int expectMaxLength;
        const char* accepted;
        const char* refused;
    } cases[] = {
        {NT::ntCurrency, RT::atDollar, 8, 0, EditAlignment::Right, 8, "0123456789", "-.a%"},
        {NT::ntCurrency, RT::atDollarNegative, 8, 0, EditAlignment::Right, 8, "-09", ".a"},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, 2, EditAlignment::Right, 9, ".09", "-a"},
        {NT::ntPercentage, RT::atDollarCents, 8, 2, EditAlignment::Right, 8, ".09", "-%"},
        {NT::ntDate, RT::atDate8, 10, 0, EditAlignment::Left, 10, "/09", "-."},
        {NT::ntNone, RT::atAddressText, 40, 0, EditAlignment::Left, 40, "Az9&'/-( )", "!@.,"},
        {NT::ntNone, RT::atRestrictedNameText, 0, 0, EditAlignment::Left, 0, "Az9- '", "&/()."},
    };
    for (const auto& c : cases) {
        NumEditRules r{dialogs, clock};
        r.SetNumericType(c.kind);
        r.SetRavelleDataType(c.data);
        if (c.maxLength) r.SetMaxLength(c.maxLength);
        SCOPED_TRACE(int(c.kind) * 100 + int(c.data));
        EXPECT_EQ(r.Decimals(), c.decimals);
        EXPECT_EQ(r.Alignment(), c.align);
        EXPECT_EQ(r.MaxLength(), c.expectMaxLength);
        for (const char* p = c.accepted; *p; ++p) EXPECT_TRUE(r.InValidSet(*p)) << *p;
        for (const char* p = c.refused; *p; ++p) EXPECT_FALSE(r.InValidSet(*p)) << *p;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NumEditRulesTest, KindPresetsOverrideEarlierSettingsAndRepeatsDoNothing) {
    rules.SetDecimals(4);
    rules.SetNumericType(NT::ntCurrencyCnt);
    EXPECT_EQ(rules.Decimals(), 2);
    rules.SetDecimals(3);
    rules.SetNumericType(NT::ntCurrencyCnt);  // same kind: presets not applied again
    EXPECT_EQ(rules.Decimals(), 3);
    rules.ForceNumericType(NT::ntCurrencyCnt);
    EXPECT_EQ(rules.Decimals(), 2);
    // The none kind allows the comma and the bar but not the asterisk.
    rules.SetNumericType(NT::ntNone);
    EXPECT_TRUE(rules.InValidSet(','));
    EXPECT_TRUE(rules.InValidSet('|'));
    EXPECT_TRUE(rules.InValidSet(' '));
    EXPECT_FALSE(rules.InValidSet('*'));
}

TEST_F(NumEditRulesTest, ValidCharsSyntax) {
    struct {
        const char* spec;
        const char* in;
        const char* out;
    } cases[] = {
        {"A..C", "ABC", "@Da"},    {"-,0..9,.", "-.05", ",+"},
        {"0..9,/", "/9", ",."},    {",, ", ", ", "."},  // a leading comma item is the comma itself
        {",..0,x", ",-./0x", "1"},                      // a range that starts at the comma
        {"Y, ,N", "Y N", "y"},
    };
    for (const auto& c : cases) {
        std::bitset<256> set;
        EXPECT_TRUE(ParseValidChars(c.spec, set)) << c.spec;
        for (const char* p = c.in; *p; ++p) EXPECT_TRUE(set.test((unsigned char)*p)) << c.spec << " " << *p;
        for (const char* p = c.out; *p; ++p) EXPECT_FALSE(set.test((unsigned char)*p)) << c.spec << " " << *p;
    }
}

TEST_F(NumEditRulesTest, BadValidCharsEmptiesTheSetAndNumericFieldRejectsEverything) {
    Field(NT::ntCurrency, RT::atNone, 8);
    rules.SetValidChars("0..9,ab");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Bad ValidChars property 0..9,ab !"});
    EXPECT_TRUE(rules.ValidSetEmpty());
    Type("5");
    EXPECT_EQ(rules.Text(), "");
    EXPECT_EQ(dialogs.beeps, 1);
    // A none field with an empty set takes anything.
    NumEditRules text{dialogs, clock};
    text.SetValidChars("");
    EXPECT_EQ(text.FilterKey('*').action, KA::Insert);
}

TEST_F(NumEditRulesTest, ValidCharsKeepsAtMostAHundredCharacters) {
    rules.SetValidChars(std::string(120, 'x'));
    EXPECT_EQ(rules.ValidChars().size(), 100u);
}

TEST_F(NumEditRulesTest, KeyFilter) {
    struct {
        NT kind;
        RT data;
        int maxLength;
        const char* before;
        const char* keys;
        const char* after;
        int beeps;
    } cases[] = {
        {NT::ntCurrency, RT::atDollarNegative, 8, "125", "-", "-125", 0},  // minus goes to the front
        {NT::ntCurrency, RT::atDollarNegative, 8, "-125", "-", "-125", 1},
        {NT::ntCurrency, RT::atDollar, 8, "", "12a.%", "12", 3},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, "", "1234567", "123456", 1},  // six integer digits
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, "", "123456.78", "123456.78", 0},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, "1.5", ".", "1.5", 1},
        {NT::ntCurrency, RT::atDollar, 8, "1", "\b", "1\b", 0},  // control characters pass
        {NT::ntDate, RT::atDate8, 10, "", "15/08/2002x", "15/08/2002", 1},
        {NT::ntPercentage, RT::atDollarCents, 8, "12", "-", "12", 1},  // dollar-cents set has no minus
    };
    for (const auto& c : cases) {
        NumEditRules r{dialogs, clock};
        r.SetNumericType(c.kind);
        r.SetRavelleDataType(c.data);
        r.SetMaxLength(c.maxLength);
        r.SetText(c.before);
        const int beepsBefore = dialogs.beeps;
        for (const char* p = c.keys; *p; ++p) {
            const auto k = r.FilterKey(*p);
            if (k.action == KA::Insert) r.SetText(r.Text() + k.ch);
            if (k.action == KA::ReplaceText) r.SetText(k.newText);
        }
        EXPECT_EQ(r.Text(), c.after) << c.before << " + " << c.keys;
        EXPECT_EQ(dialogs.beeps - beepsBefore, c.beeps) << c.before << " + " << c.keys;
    }
}

TEST_F(NumEditRulesTest, CapitaliseWordsRaisesTheFirstLetterOfEachWord) {
    Field(NT::ntNone, RT::atAddressText, 40);
    rules.CapitaliseWords = true;
    Type("main st");
    EXPECT_EQ(rules.Text(), "Main St");
}

// Entry strips the formatting; exit reads, checks and formats again.
TEST_F(NumEditRulesTest, EntryAndExitOfNumbers) {
    struct {
        NT kind;
        RT data;
        int maxLength;
        bool useRounding;
        const char* typed;
        long double held;
        const char* shown;
    } cases[] = {
        {NT::ntCurrency, RT::atDollar, 8, true, "0", kExplicitZero, "0"},
        {NT::ntCurrency, RT::atDollar, 8, true, "", 0, ""},
        {NT::ntCurrency, RT::atDollar, 8, true, "1250", 1250, "1250"},
        {NT::ntCurrency, RT::atDollarNegative, 8, true, "12-5", -125, "-125"},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, true, "0.125", 0.12L, "0.12"},  // half to even
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, true, "0.375", 0.38L, "0.38"},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, false, "7.89", 7, "7.00"},
        {NT::ntCurrencyCnt, RT::atDollarCents, 9, true, "0.00", kExplicitZero, "0.00"},
        {NT::ntPercentage, RT::atDollarCents, 8, true, "12.5", 12.5L, "12.50%"},
        {NT::ntPercentage, RT::atDollarCents, 8, true, "0", kExplicitZero, "0.00%"},
        {NT::ntPercentage, RT::atDollarCents, 8, true, "00", kExplicitZero, "0.00%"},
    };
    for (const auto& c : cases) {
        NumEditRules r{dialogs, clock};
        r.SetNumericType(c.kind);
        r.SetRavelleDataType(c.data);
        r.SetMaxLength(c.maxLength);
        r.UseRounding = c.useRounding;
        r.Enter();
        r.SetText(c.typed);
        EXPECT_EQ(r.Exit(), ER::Accepted) << c.typed;
        EXPECT_NEAR(double(r.HeldValue()), double(c.held), 1e-12) << c.typed;
        EXPECT_EQ(r.Text(), c.shown) << c.typed;
        EXPECT_EQ(r.Alignment(), EditAlignment::Right);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NumEditRulesTest, EntryStripsFormattingOfAmountsAndNumbers) {
    Field(NT::ntPercentage, RT::atDollarCents, 8);
    rules.SetNumValue(12.5L);
    EXPECT_EQ(rules.Text(), "12.50%");
    rules.Enter();
    EXPECT_EQ(rules.Text(), "12.50");
    NumEditRules tfn{dialogs, clock};
    tfn.SetNumericType(NT::ntTFN);
    tfn.SetText("123 456 782");
    tfn.Enter();
    EXPECT_EQ(tfn.Text(), "123456782");
}

TEST_F(NumEditRulesTest, ExitFailures) {
    struct {
        NT kind;
        RT data;
        bool mandatory;
        bool validate;
        const char* text;
        ER result;
        const char* message;
        int beeps;
    } cases[] = {
        {NT::ntCurrency, RT::atDollar, true, false, " ", ER::Refused, "This field is mandatory and MUST be completed",
         0},
        {NT::ntCurrency, RT::atDollar, false, true, "101", ER::Refused, "Value must be between 1 and 100", 0},
        {NT::ntCurrency, RT::atDollar, false, true, "0", ER::Accepted, "", 0},  // explicit zero is in range
        {NT::ntCurrency, RT::atDollar, false, true, "100", ER::Accepted, "", 0},
        {NT::ntCurrency, RT::atDollar, false, false, "1x2", ER::Refused, "Result contains invalid characters", 0},
        {NT::ntCurrencyCnt, RT::atDollarCents, false, false, "1.2.3", ER::Refused,
         "'1.2.3' is not a valid floating point value", 1},
        {NT::ntNone, RT::atRestrictedNameText, false, false, "Smith & Co", ER::Refused,
         "Result contains invalid characters", 1},
        {NT::ntNone, RT::atRestrictedNameText, true, false, "", ER::Accepted, "", 0},  // text kinds: no mandatory
        {NT::ntTFN, RT::atNone, false, false, "123456789", ER::Refused, "Invalid Tax File Number (TFN)", 1},
        {NT::ntTFN, RT::atNone, true, false, "", ER::Accepted, "", 0},
        {NT::ntABN, RT::atNone, false, false, "51824753557", ER::Refused, "Invalid Australian Business Number (ABN)",
         1},
        {NT::ntACN, RT::atNone, false, false, "010499967", ER::Refused, "Invalid ACN/ARBN", 1},
        {NT::ntSFN, RT::atNone, false, false, "123456781", ER::Refused, "Invalid SFN", 1},
        {NT::ntDIN, RT::atNone, false, false, "12345678", ER::Refused, "Invalid Document Indentification Number (DIN)",
         1},
        {NT::ntEGN, RT::atNone, false, false, "12345678", ER::Refused, "Invalid Employer group number", 1},
    };
    for (const auto& c : cases) {
        test::ScriptedDialogs d;
        NumEditRules r{d, clock};
        r.SetNumericType(c.kind);
        r.SetRavelleDataType(c.data);
        r.Mandatory = c.mandatory;
        r.Validate = c.validate;
        r.MinVal = 1;
        r.MaxVal = 100;
        r.Enter();
        r.SetText(c.text);
        EXPECT_EQ(r.Exit(), c.result) << c.text;
        const std::vector<std::string> expected =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(d.Texts(), expected) << c.text;
        EXPECT_EQ(d.beeps, c.beeps) << c.text;
    }
}

TEST_F(NumEditRulesTest, IdentificationNumbersAreRegroupedOnExit) {
    Field(NT::ntTFN, RT::atNone, 0);
    for (const char* typed : {"123456782", "123 456 782", "12345 6782"}) {
        rules.Enter();
        rules.SetText(typed);
        EXPECT_EQ(rules.Exit(), ER::Accepted) << typed;
        EXPECT_EQ(rules.Text(), "123 456 782") << typed;
    }
}

TEST_F(NumEditRulesTest, DatesWithSixAndEightDigitsAndTheCenturyWindow) {
    // Current year 2003: two-digit years fall in 1953 .. 2052.
    struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"150802", "15/08/2002"}, {"15082002", "15/08/2002"}, {"010153", "01/01/1953"},
        {"010152", "01/01/2052"}, {"1/7/02", "01/07/2002"},   {"29/02/2004", "29/02/2004"},
    };
    for (const auto& c : cases) {
        NumEditRules r{dialogs, clock};
        r.SetNumericType(NT::ntDate);
        r.SetRavelleDataType(RT::atDate8);
        r.Enter();
        r.SetText(c.typed);
        EXPECT_EQ(r.Exit(), ER::Accepted) << c.typed;
        EXPECT_EQ(r.Text(), c.shown) << c.typed;
        EXPECT_EQ(DateToText(int(r.EnteredDate())), c.shown);
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(NumEditRulesTest, BadAndEmptyDates) {
    Field(NT::ntDate, RT::atDate8, 10);
    for (const char* bad : {"31/02/2003", "1502", "15/13/2002", "abc"}) {
        test::ScriptedDialogs d;
        NumEditRules r{d, clock};
        r.SetNumericType(NT::ntDate);
        r.Enter();
        r.SetText(bad);
        EXPECT_EQ(r.Exit(), ER::Refused) << bad;
        EXPECT_EQ(d.Texts(), std::vector<std::string>{"The date must be in dd/mm/yyyy format !"}) << bad;
        EXPECT_EQ(d.beeps, 1);
        EXPECT_EQ(r.EnteredDate(), kNoDate);
    }
    // An empty mandatory date: the box, then exit goes on with no date.
    rules.SetEnteredDate(100);
    rules.Mandatory = true;
    rules.Enter();
    rules.SetText("/  /");
    EXPECT_EQ(rules.Exit(), ER::AcceptedKeepFocus);
    EXPECT_EQ(rules.EnteredDate(), kNoDate);
    EXPECT_EQ(rules.Text(), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"This field is mandatory and MUST be completed"});
}

TEST_F(NumEditRulesTest, FormatValueByKind) {
    struct {
        NT kind;
        int maxLength;
        int decimals;
        long double value;
        const char* shown;
    } cases[] = {
        {NT::ntCurrency, 8, 0, 1234.5L, "1235"},  // pattern "0" rounds the half up
        {NT::ntCurrency, 8, 0, -7.25L, "-7"},        {NT::ntCurrency, 8, 0, 0.001L, ""},
        {NT::ntCurrencyCnt, 9, 2, -0.125L, "-0.13"},  // negatives keep their full value
        {NT::ntNumeric, 8, 3, 2.5L, "2.500"},        {NT::ntCPI, 6, 1, 133.8L, "133.8"},
        {NT::ntDec2, 6, 2, 1.5L, "001.50"},          {NT::ntDec2, 6, 2, 0, ""},
    };
    for (const auto& c : cases) {
        NumEditRules r{dialogs, clock};
        r.SetNumericType(c.kind);
        r.SetMaxLength(c.maxLength);
        r.SetDecimals(c.decimals);
        r.SetNumValue(c.value);
        EXPECT_EQ(r.Text(), c.shown) << int(c.kind) << " " << double(c.value);
    }
}

TEST_F(NumEditRulesTest, DateBoundsMoveTheDateValue) {
    rules.SetDateValue(500);
    rules.SetMaxDate(400);
    EXPECT_EQ(rules.DateValue(), 400);
    rules.SetMinDate(450);
    EXPECT_EQ(rules.DateValue(), 450);
}

TEST_F(NumEditRulesTest, SetTextValueFormatsNumbersAndToleratesJunk) {
    Field(NT::ntCurrencyCnt, RT::atDollarCents, 9);
    rules.SetTextValue("1234.5");
    EXPECT_EQ(rules.Text(), "1234.50");
    rules.SetTextValue("n/a");
    EXPECT_EQ(rules.Text(), "");
    EXPECT_EQ(rules.HeldValue(), 0);
}

}  // namespace
}  // namespace cgt
