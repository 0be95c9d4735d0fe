// The scrip for scrip roll-over (screen 2106) through the real frame: the
// exchanges listed from the share and trust interest worksheets, the market
// value and cash typed into their cells, the keys and the help of the grid,
// Next and Prev; then the message, the cell the cursor is put on, each
// asset's amounts and Part K of the schedule.
#include "concessions_fixture.h"
#include "controls/textlbl.h"

namespace cgt::test {
namespace {

constexpr const char* kNotProceeds =
    "Market value of replacement plus other consideration must equal total capital proceeds.";

enum { kDescription, kCostBase, kMarketValue, kCash, kProceeds };

class ScripTest : public ConcessionScreenTest {
protected:
    // Two exchanges whose gains the choice table deferred: proceeds of
    // 10,000 on a cost base of 4,000, and 5,000 on 2,000 (a gain without
    // the discount has its cost base and proceeds in the other column).
    void AddExchanges() {
        AddAsset({kWsShares,
                  "Alpha Ltd 2,000 shares",
                  "SN",
                  {{kTagDiscountCostBase, 4000}, {kTagDiscountProceeds, 10000}, {kTagDiscountGain, 6000}},
                  {kTagScripRollover, kTagRollOverYes},
                  {{kTagDeferChosen, "Yes"}}});
        AddAsset({kWsTrustInterest,
                  "Gamma Fund units",
                  "UN",
                  {{kTagOtherCostBase, 2000}, {kTagOtherProceeds, 5000}, {kTagOtherGain, 3000}},
                  {kTagScripRollover, kTagRollOverYes},
                  {{kTagDeferChosen, "Yes "}}});
    }
    int HelpShown() const { return Control<TTextLbl>("HelpLbl")->currentSection(); }
};

TEST_F(ScripTest, ListsTheDeferredExchanges) {
    AddExchanges();
    // Not deferred, not scrip for scrip, and real estate (no such roll-over).
    AddAsset({kWsShares,
              "Kept taxable",
              "SN",
              {{kTagDiscountProceeds, 8000}},
              {kTagScripRollover},
              {{kTagDeferChosen, "No"}}});
    AddAsset({kWsShares, "Other roll-over", "SN", {{kTagDiscountProceeds, 8000}}, {}, {{kTagDeferChosen, "Yes"}}});
    AddAsset({kWsRealEstate,
              "House",
              "RN",
              {{kTagDiscountProceeds, 8000}},
              {kTagScripRollover},
              {{kTagDeferChosen, "Yes"}}});
    ShowFromChoices(2106);
    ASSERT_EQ(Grid()->rowCount(), 3);
    EXPECT_EQ(CellText(kDescription, 1), "Alpha Ltd 2,000 shares");
    EXPECT_EQ(CellText(kCostBase, 1), "4000");
    EXPECT_EQ(CellText(kMarketValue, 1), "0");
    EXPECT_EQ(CellText(kProceeds, 1), "10000");
    EXPECT_EQ(CellText(kDescription, 2), "Gamma Fund units");
    EXPECT_EQ(CellText(kCostBase, 2), "2000");
    EXPECT_EQ(CellText(kProceeds, 2), "5000");
    EXPECT_EQ(HelpShown(), 3);
}

// One check: market value and cash typed into rows 1 and 2 ("" leaves the 0
// shown), then the message and the row of the market value the cursor is put
// on (none: accepted).
struct ProceedsCase {
    const char* name;
    const char* value1;
    const char* cash1;
    const char* value2;
    const char* cash2;
    const char* message;
    int row;
    friend void PrintTo(const ProceedsCase& c, std::ostream* os) { *os << c.name; }
};

// A cell's text after typing `keys` into it.
std::string Entered(const char* keys) {
    return *keys ? keys : "0";
}

class ProceedsTest : public ScripTest, public ::testing::WithParamInterface<ProceedsCase> {};

TEST_P(ProceedsTest, Next) {
    const ProceedsCase& c = GetParam();
    AddExchanges();
    ShowFromChoices(2106);
    TypeCell(kMarketValue, 1, c.value1);
    TypeCell(kCash, 1, c.cash1);
    TypeCell(kMarketValue, 2, c.value2);
    TypeCell(kCash, 2, c.cash2);
    Next();
    if (!c.message) {
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
        EXPECT_EQ(frame->CurrentScreenNumber(), 2107);
        return;
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
    ASSERT_EQ(frame->CurrentScreenNumber(), 2106);
    EXPECT_EQ(FocusedControl(), "XGrid1");
    EXPECT_EQ(Grid()->Col(), kMarketValue);
    EXPECT_EQ(Grid()->Row(), c.row);
    EXPECT_EQ(CellText(kMarketValue, 1), Entered(c.value1));
    EXPECT_EQ(CellText(kCash, 1), Entered(c.cash1));
    EXPECT_EQ(CellText(kMarketValue, 2), Entered(c.value2));
    EXPECT_EQ(CellText(kCash, 2), Entered(c.cash2));
}

INSTANTIATE_TEST_SUITE_P(Concessions, ProceedsTest,
                         ::testing::Values(ProceedsCase{"Balanced", "9000", "1000", "5000", "", nullptr, 0},
                                           ProceedsCase{"CashShort", "9000", "999", "5000", "", kNotProceeds, 1},
                                           ProceedsCase{"CashOnly", "", "10000", "4500", "500", nullptr, 0},
                                           ProceedsCase{"NothingEntered", "", "", "5000", "", kNotProceeds, 1},
                                           ProceedsCase{"SecondRow", "9000", "1000", "4000", "500", kNotProceeds, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScripTest, NextKeepsTheAmountsAndCompletesPartK) {
    AddExchanges();
    ShowFromChoices(2106);
    TypeCell(kMarketValue, 1, "9000");
    TypeCell(kCash, 1, "1000");
    TypeCell(kMarketValue, 2, "4500");
    TypeCell(kCash, 2, "500");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2107);
    EXPECT_EQ(AssetValue(kWsShares, kTagScripMarketValue), 9000);
    EXPECT_EQ(AssetValue(kWsShares, kTagScripCash), 1000);
    EXPECT_EQ(AssetValue(kWsTrustInterest, kTagScripMarketValue), 4500);
    EXPECT_EQ(AssetValue(kWsTrustInterest, kTagScripCash), 500);
    EXPECT_TRUE(ScheduleTicked(kTagSchedScripYes));
    EXPECT_FALSE(ScheduleTicked(kTagSchedScripNo));
    EXPECT_EQ(Schedule(kTagSchedScripCostBase), 6000);
    EXPECT_EQ(Schedule(kTagSchedScripMarketValue), 13500);
    EXPECT_EQ(Schedule(kTagSchedScripCash), 1500);

    // Shown again, the amounts come from the assets.
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), 2106);
    EXPECT_EQ(CellText(kMarketValue, 1), "9000");
    EXPECT_EQ(CellText(kCash, 2), "500");
}

TEST_F(ScripTest, WithoutAnExchangeNextTicksNoRollOver) {
    SetSchedule({{kTagSchedScripCostBase, 4000}, {kTagSchedScripMarketValue, 9000}, {kTagSchedScripCash, 1000}});
    ShowFromChoices(2106);
    ASSERT_EQ(Grid()->rowCount(), 2);
    EXPECT_EQ(Grid()->Model().SaveToList(), TextList{});
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2107);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_TRUE(ScheduleTicked(kTagSchedScripNo));
    EXPECT_FALSE(ScheduleTicked(kTagSchedScripYes));
    EXPECT_EQ(Schedule(kTagSchedScripCostBase), 0);
    EXPECT_EQ(Schedule(kTagSchedScripMarketValue), 0);
    EXPECT_EQ(Schedule(kTagSchedScripCash), 0);
}

TEST_F(ScripTest, NoChecksGoingBack) {
    AddExchanges();
    ShowFromChoices(2106);
    TypeCell(kMarketValue, 1, "9000");
    TypeCell(kCash, 1, "999");
    Click(frame->PrevButton());
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2102);
}

TEST_F(ScripTest, HelpFollowsTheColumnClicked) {
    AddExchanges();
    ShowFromChoices(2106);
    const struct {
        int clicked;
        int help;
        int landsOn;  // the columns that take no entry pass the cursor on
    } clicks[] = {{kDescription, 1, kMarketValue},
                  {kCostBase, 2, kMarketValue},
                  {kMarketValue, 3, kMarketValue},
                  {kCash, 4, kCash},
                  {kProceeds, 4, kMarketValue}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.clicked);
        ClickCell(c.clicked, 2);
        EXPECT_EQ(HelpShown(), c.help);
        EXPECT_EQ(Grid()->Col(), c.landsOn);
        EXPECT_EQ(Grid()->Row(), 2);
    }
}

TEST_F(ScripTest, TheCursorStaysInTheEntryColumns) {
    AddExchanges();
    ShowFromChoices(2106);
    EXPECT_EQ(FocusedControl(), "XGrid1");
    EXPECT_EQ(Grid()->Col(), kMarketValue);
    EXPECT_EQ(Grid()->Row(), 1);
    CheckKeys({
        {"Enter in market value", Qt::Key_Return, Qt::NoModifier, {kMarketValue, 1}, {kMarketValue, 1}},
        {"Enter in cash", Qt::Key_Return, Qt::NoModifier, {kCash, 1}, {kMarketValue, 2}},
        {"Enter in the last row", Qt::Key_Enter, Qt::NoModifier, {kCash, 2}, {kMarketValue, 1}},
        {"Tab in market value", Qt::Key_Tab, Qt::NoModifier, {kMarketValue, 1}, {kCash, 1}},
        {"Tab in cash", Qt::Key_Tab, Qt::NoModifier, {kCash, 1}, {kMarketValue, 2}},
        {"Tab in the last row", Qt::Key_Tab, Qt::NoModifier, {kCash, 2}, {kMarketValue, 1}},
        {"Shift+Tab in cash", Qt::Key_Tab, Qt::ShiftModifier, {kCash, 2}, {kMarketValue, 2}},
        {"Shift+Tab in market value", Qt::Key_Tab, Qt::ShiftModifier, {kMarketValue, 2}, {kCash, 1}},
        {"Backtab in row 1", Qt::Key_Backtab, Qt::ShiftModifier, {kMarketValue, 1}, {kCash, 2}},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, {kCash, 1}, {kCash, 1}},
    });
}

}  // namespace
}  // namespace cgt::test
