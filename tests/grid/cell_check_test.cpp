// Checking and reformatting the cell being left.
#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/rounding.h"
#include "grid/grid_model.h"
#include "support/scripted_dialogs.h"

namespace cgt {

// Messages print readably when a case fails.
void PrintTo(const GridMessage& m, std::ostream* os);
void PrintTo(const GridMessage& m, std::ostream* os) {
    *os << (m.beep ? "beep+" : "") << "\"" << m.text << "\"";
}

namespace {

struct CheckCase {
    const char* name;  // the case's test name
    const char* spec;
    const char* typed;
    bool accepted;
    const char* after;                  // the cell's text after the check
    std::vector<GridMessage> messages;  // in order
};

std::ostream& operator<<(std::ostream& os, const CheckCase& c) {
    return os << "spec " << c.spec << " typed \"" << c.typed << "\"";
}

class CellCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CellCheckTest, ChecksAndReformats) {
    const CheckCase& c = GetParam();
    const FixedClock clock(2003, 3, 1);
    GridModel grid(clock);
    grid.DefineColumns({c.spec});
    grid.SetCell(0, 1, c.typed);
    const CellCheckResult r = grid.CheckCell(0, 1);
    EXPECT_EQ(r.accepted, c.accepted);
    EXPECT_EQ(r.text, c.after);
    EXPECT_EQ(grid.Cell(0, 1), c.after);
    EXPECT_EQ(r.messages, c.messages);
}

constexpr const char* kMoney = "Amount|2|1|10|0|F|F|2|F|";
constexpr const char* kSigned = "Loss|2|1|10|0|F|F|2|T|";
constexpr const char* kWhole = "Count|2|1|8|0|F|F|0|F|";
constexpr const char* kPercent = "Share|2|1|6|0|F|F|2|F|0|100|";
constexpr const char* kDate = "Date|2|2|10|0|F|F||-1|";
constexpr const char* kText = "Text|0|0|5|0|F|F|0|A..Z|";
constexpr const char* kAbn = "ABN|0|3|11|0|F|F|0||";
constexpr const char* kTfn = "TFN|0|4|9|0|F|F|0||";
constexpr const char* kPick = "Type|0|0|2|0|F|T|1||||3|1|2|UA  - Active asset - Units in a unit trust|OA - Other|";

const char* const kNotNumber = " is an invalid numeric entry. Please re-enter amount before continuing.";

INSTANTIATE_TEST_SUITE_P(
    Numbers, CellCheckTest,
    ::testing::Values(
        // a typed zero is shown with the column's decimals
        CheckCase{"ZeroMoney", kMoney, "0", true, "0.00", {}}, CheckCase{"ZeroWholeNumber", kWhole, "0", true, "0", {}},
        CheckCase{"PadsToTwoDecimals", kMoney, "12.5", true, "12.50", {}},
        CheckCase{"PadsALargeAmount", kMoney, "1234567.5", true, "1234567.50", {}},
        // halves of the last decimal go to the even neighbour
        CheckCase{"HalfToEvenDown0_125", kMoney, "0.125", true, "0.12", {}},
        CheckCase{"HalfToEvenUp0_135", kMoney, "0.135", true, "0.14", {}},
        CheckCase{"HalfToEvenUp2_675", kMoney, "2.675", true, "2.68", {}},
        CheckCase{"HalfToEvenDown2_665", kMoney, "2.665", true, "2.66", {}},
        CheckCase{"NegativeHalfToEven", kSigned, "-3.125", true, "-3.12", {}},
        // below a cent is still a typed zero
        CheckCase{"BelowACent0_001", kMoney, "0.001", true, "0.00", {}},
        CheckCase{"BelowACent0_004", kMoney, "0.004", true, "0.00", {}},
        CheckCase{"WholeNumber", kWhole, "17", true, "17", {}},
        CheckCase{"NegativeGetsDecimals", kSigned, "-5", true, "-5.00", {}},
        // characters outside the column's set are dropped first
        CheckCase{"DropsASpace", kWhole, "1 234", true, "1234", {}},
        CheckCase{"DropsAMinusNotAllowed", kMoney, "-12", true, "12.00", {}},
        CheckCase{"DropsEverythingTyped", kMoney, "$", true, "", {}},
        CheckCase{"SpacesOnly", kMoney, "  ", true, "", {}},
        // what is left must be a number
        CheckCase{"TwoPointsIsNoNumber", kMoney, "1.2.3", false, "", {{std::string("1.2.3") + kNotNumber, true}}},
        CheckCase{"TrailingMinusIsNoNumber", kSigned, "5-", false, "", {{std::string("5-") + kNotNumber, true}}},
        CheckCase{"MinusAloneIsNoNumber", kSigned, "-", false, "", {{std::string("-") + kNotNumber, true}}},
        // range
        CheckCase{"InRange", kPercent, "50", true, "50.00", {}},
        CheckCase{"AboveRange", kPercent, "101", false, "101", {{"Value must be between 0 and 100", true}}},
        CheckCase{"AboveANegativeRange",
                  "R|0|1|6|0|F|F|0|T|-20|-10|",
                  "-5",
                  false,
                  "-5",
                  {{"Value must be between -20 and -10", true}}},
        // a zero typed into a range that starts above 0 fails the first range check
        CheckCase{"ZeroBelowARangeAboveZero",
                  "R|0|1|6|0|F|F|0|F|1|9|",
                  "0",
                  false,
                  "0",
                  {{"Value must be between 1 and 9", true}}},
        // text that is no number is 0 for the first range check, then the second one
        CheckCase{"NoNumberFailsTheSecondRangeCheck",
                  "R|0|1|6|0|F|F|0|F|0|9|",
                  "1x2",
                  false,
                  "1x2",
                  {{"Invalid numeric entry", true}}},
        // too many whole-number digits: a warning, then the cell is taken
        CheckCase{
            "TooManyDigitsWarns",
            kMoney,
            "123456789.5",
            true,
            "123456789.50",
            {{"Value of \"123456789.5\" with two decimal places\r\nexceeds allowed number of digits (10)", false}}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Dates, CellCheckTest,
    ::testing::Values(
        CheckCase{"DateWithoutSlashes", kDate, "15082002", true, "15/08/2002", {}},
        CheckCase{"TwoDigitYearWithoutSlashes", kDate, "150802", true, "15/08/2002", {}},
        CheckCase{"OneDigitDayAndMonth", kDate, "1/7/2002", true, "01/07/2002", {}},
        CheckCase{"NoSuchDay", kDate, "31/02/2003", false, "31/02/2003", {{"Enter date in dd/mm/yyyy format", true}}},
        CheckCase{"NoSuchDayWithoutSlashes",
                  kDate,
                  "31022003",
                  false,
                  "31/02/2003",
                  {{"Enter date in dd/mm/yyyy format", true}}},
        CheckCase{"YearOnly", kDate, "2002", false, "2002", {{"Enter date in dd/mm/yyyy format", true}}},
        // day 0 is no date
        CheckCase{"DayZeroIsEmpty", kDate, "30/12/1899", true, "", {}},
        CheckCase{"SpaceIsEmpty", kDate, " ", true, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TextAndNumbers, CellCheckTest,
    ::testing::Values(
        // text cells are not checked here (the set is applied when typing and entering)
        CheckCase{"TextIsNotChecked", kText, "abc", true, "abc", {}},
        // business and tax file numbers: check digits, then grouping
        CheckCase{"ValidAbnIsGrouped", kAbn, "53004085616", true, "53 004 085 616", {}},
        CheckCase{"InvalidAbn",
                  kAbn,
                  "53004085617",
                  false,
                  "53004085617",
                  {{"Invalid Australian Business Number (ABN)", true}}},
        CheckCase{"ValidTfnIsGrouped", kTfn, "123456782", true, "123 456 782", {}},
        CheckCase{"InvalidTfn", kTfn, "123456789", false, "123456789", {{"Invalid Tax File Number (TFN)", true}}},
        CheckCase{"ZeroTfn", kTfn, "0", false, "0", {{"Invalid Tax File Number (TFN)", true}}},
        // strict pick list: the first (maximum length) characters of an item
        CheckCase{"PickFirstItem", kPick, "UA", true, "UA", {}},
        CheckCase{"PickSecondItem", kPick, "OA", true, "OA", {}}, CheckCase{"PickNothing", kPick, "", true, "", {}},
        CheckCase{
            "PickInTheWrongCase", kPick, "ua", false, "ua", {{"Entry must match one of the picklist entries", true}}},
        CheckCase{"PickTooShort", kPick, "U", false, "U", {{"Entry must match one of the picklist entries", true}}}),
    [](const auto& info) { return std::string(info.param.name); });

class CellCheckFixture : public ::testing::Test {
protected:
    CellCheckFixture() : grid(clock) {}
    FixedClock clock{2003, 3, 1};
    GridModel grid;
    test::ScriptedDialogs dialogs;
};

TEST_F(CellCheckFixture, LastNumberAndDateValues) {
    grid.DefineColumns({kMoney, kDate});
    grid.SetCell(0, 1, "0");
    ASSERT_TRUE(grid.CheckCell(0, 1).accepted);
    EXPECT_EQ(grid.LastNumValue(), kExplicitZero);
    grid.SetCell(0, 1, "19.999");
    ASSERT_TRUE(grid.CheckCell(0, 1).accepted);
    EXPECT_EQ(grid.Cell(0, 1), "20.00");
    EXPECT_NEAR(double(grid.LastNumValue()), 19.999, 1e-12);
    grid.SetCell(1, 1, "15/08/2002");
    ASSERT_TRUE(grid.CheckCell(1, 1).accepted);
    EXPECT_EQ(grid.LastDateValue(), DayNumber(2002, 8, 15));
    grid.SetCell(1, 1, "");
    ASSERT_TRUE(grid.CheckCell(1, 1).accepted);
    EXPECT_EQ(grid.LastDateValue(), 0);
}

TEST_F(CellCheckFixture, TwoDigitYearsFollowTheClock) {
    grid.DefineColumns({kDate});
    grid.SetCell(0, 1, "010150");
    ASSERT_TRUE(grid.CheckCell(0, 1).accepted);
    EXPECT_EQ(grid.Cell(0, 1), "01/01/1950");
    grid.SetCell(0, 1, "01/01/10");
    ASSERT_TRUE(grid.CheckCell(0, 1).accepted);
    EXPECT_EQ(grid.Cell(0, 1), "01/01/2010");
}

TEST_F(CellCheckFixture, TotalTooLongForTheStripWarns) {
    grid.DefineColumns({"Amt|2|1|6|0|F|F|2|F|", "Tot|2|1|5|0|F|F|0|F|", "No|2|1|5|0|F|F|0|F||||-1|0|T|"});
    grid.HasTotals = true;
    grid.SetCell(0, 1, "999.00");
    grid.SetCell(0, 2, "99.5");
    const CellCheckResult first = grid.CheckCell(0, 2);
    EXPECT_TRUE(first.accepted);
    // 1098.5: the point is past 6 - 2 characters.
    EXPECT_EQ(first.messages,
              (std::vector<GridMessage>{{"Column Total of \"Amt\" \r\nexceeds allowed number of digits (6)", false}}));
    EXPECT_EQ(grid.Cell(0, 2), "99.50");

    grid.SetCell(1, 1, "99999");
    grid.SetCell(1, 2, "1");
    const CellCheckResult whole = grid.CheckCell(1, 2);
    EXPECT_EQ(whole.messages,
              (std::vector<GridMessage>{{"Column Total of \"Tot\" \r\nexceeds allowed number of digits (5)", false}}));

    // The no-total column and a grid without a strip say nothing.
    grid.SetCell(2, 1, "99999");
    grid.SetCell(2, 2, "1");
    EXPECT_TRUE(grid.CheckCell(2, 2).messages.empty());
    grid.HasTotals = false;
    EXPECT_TRUE(grid.CheckCell(1, 2).messages.empty());
}

TEST_F(CellCheckFixture, TotalThatFitsSaysNothing) {
    grid.DefineColumns({"Amt|2|1|7|0|F|F|2|F|"});
    grid.HasTotals = true;
    grid.SetCell(0, 1, "999.00");
    grid.SetCell(0, 2, "99.5");
    EXPECT_TRUE(grid.CheckCell(0, 2).messages.empty());  // 1098.5 fits 7 characters
}

TEST_F(CellCheckFixture, LeaveShowsMessagesThenAsksTheScreen) {
    grid.DefineColumns({kMoney, kMoney});
    std::vector<std::string> events;
    grid.OnExitCell = [&](int col, int row, int aCol, int aRow, bool& ok) {
        events.push_back("exit " + std::to_string(col) + "," + std::to_string(row) + "->" + std::to_string(aCol) + "," +
                         std::to_string(aRow) + " after " + std::to_string(dialogs.shown.size()) + " boxes");
        ok = aCol != 1;
    };
    grid.SetCell(0, 1, "123456789.5");
    EXPECT_FALSE(grid.LeaveCell(0, 1, 1, 1, dialogs));  // the screen keeps the cursor there
    EXPECT_TRUE(grid.LeaveCell(0, 1, 0, 2, dialogs));
    EXPECT_EQ(events, (std::vector<std::string>{"exit 0,1->1,1 after 1 boxes", "exit 0,1->0,2 after 2 boxes"}));
    // The warning comes again: the cell still has too many digits.
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(dialogs.beeps, 0);

    // A failing check beeps, shows its box and never asks the screen.
    grid.SetCell(0, 1, "1.2.3");
    EXPECT_FALSE(grid.LeaveCell(0, 1, 0, 2, dialogs));
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(dialogs.Texts().back(), std::string("1.2.3") + kNotNumber);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(grid.Cell(0, 1), "");
}

TEST_F(CellCheckFixture, LosingTheFocusEmptiesAFailingCell) {
    grid.DefineColumns({kDate});
    grid.SetCell(0, 1, "31/02/2003");
    grid.LoseFocus(0, 1, dialogs);
    EXPECT_EQ(grid.Cell(0, 1), "");
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Enter date in dd/mm/yyyy format"}));
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(CellCheckFixture, PickListIsRefreshedByTheScreen) {
    grid.DefineColumns({kPick});
    int calls = 0;
    grid.OnPicklistDropdown = [&](int col, int row, std::vector<std::string>& items) {
        ++calls;
        EXPECT_EQ(col, 0);
        EXPECT_EQ(row, 1);
        items = {"1D - Instalments payment", "5 - Capital expenditure"};
    };
    grid.SetCell(0, 1, "UA");
    EXPECT_FALSE(grid.CheckCell(0, 1).accepted);
    grid.SetCell(0, 1, "1D");
    EXPECT_TRUE(grid.CheckCell(0, 1).accepted);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(grid.PickList(0).size(), 2u);
}

TEST_F(CellCheckFixture, EnteringStripsCharactersOutsideTheSet) {
    grid.DefineColumns({kAbn, kMoney, "Free|0|0|9|", kPick});
    grid.SetCell(0, 1, "53 004 085 616");
    grid.SetCell(1, 1, "  1234.50");
    grid.SetCell(2, 1, " a b ");
    EXPECT_EQ(grid.EnterCell(0, 1), "53004085616");
    EXPECT_EQ(grid.EnterCell(1, 1), "1234.50");
    EXPECT_EQ(grid.EnterCell(2, 1), " a b ");
    int calls = 0;
    grid.OnPicklistDropdown = [&](int, int, std::vector<std::string>& items) {
        ++calls;
        items.push_back("ZZ - New");
    };
    grid.EnterCell(3, 1);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(grid.PickList(3).back(), "ZZ - New");
}

}  // namespace
}  // namespace cgt
