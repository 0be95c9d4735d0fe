// The manual calculation table (TQCGT02_05, screen 2101) through the real
// frame: rows typed into the grid from the description on, cells clicked
// and left, Next and Prev; then the error boxes and messages, the cells
// emptied, where the cursor went and the store.
#include "calc/entry_tables.h"
#include "controls/xgrid_picklist.h"
#include "interview/navigator.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

using namespace choice;

constexpr int kManual = 2101;
constexpr int kChoiceIntroduction = 2102;

// A row as typed in Tab order: description, asset type, indexed gain,
// discount gain, other gain, loss, "Can gain be deferred?", "Defer auto?".
using Typed = std::vector<const char*>;
using Rows = std::vector<Typed>;

class ManualTableTest : public ReceiptGridTest {
protected:
    // The table as the flow reaches it, with rows stored from an earlier visit.
    void ShowTable(const std::vector<TextList>& stored = {}) {
        if (!stored.empty()) {
            auto list = std::make_shared<TextList>();
            for (const TextList& row : stored) list->insert(list->end(), row.begin(), row.end());
            run.store().SetFieldLst(kTagManualTable, list);
        }
        ShowScreen(2098);
        ShowScreen(kManual);
        ASSERT_EQ(frame->CurrentScreenNumber(), kManual);
    }
    void TypeRows(const Rows& rows) {
        int row = 1;
        for (const Typed& cells : rows) TypeRow(row++, cells, kDescription);
    }
    // The messages shown, as the user read them.
    std::vector<std::string> Shown() const { return dialogs.Texts(); }
};

// A stored row: description, type and the four amounts.
TextList StoredRow(const char* description, const char* type, const char* indexed, const char* discount,
                   const char* other, const char* loss) {
    TextList row(kColumnCount);
    row[kDescription] = description;
    row[kAssetType] = type;
    row[kIndexedGain] = indexed;
    row[kDiscountGain] = discount;
    row[kOtherGain] = other;
    row[kLoss] = loss;
    return row;
}

// Leaving a cell: the row typed up to the cell left (by Tab), the error
// boxes, the cells they empty and where the cursor is then.
struct LeaveCase {
    const char* name;
    Typed typed;
    std::vector<const char*> boxes;
    std::vector<int> emptied;
    int col;  // the cursor's column afterwards, on row `row`
    int row;
};

const LeaveCase kLeaveCases[] = {
    {"IndexedAboveDiscount",
     {"Shares in Acme", "SN", "100", "90"},
     {kMsgManualCellIndexedAboveDiscount},
     {kIndexedGain, kDiscountGain},
     kIndexedGain,
     1},
    {"IndexedWithoutDiscount",
     {"Shares in Acme", "SN", "100", ""},
     {kMsgManualCellIndexedAboveDiscount},
     {kIndexedGain},
     kIndexedGain,
     1},
    {"TypedZeros", {"Shares in Acme", "SN", "0", "0"}, {}, {}, kOtherGain, 1},
    {"DiscountAboveIndexed", {"Shares in Acme", "SN", "90", "100"}, {}, {}, kOtherGain, 1},
    {"LossOnPersonalUse", {"Boat", "P ", "", "", "", "500"}, {kMsgManualCellLossOnPersonalUse}, {kLoss}, kLoss, 1},
    {"LossOnCollectable", {"Painting", "A ", "", "", "", "500"}, {}, {}, kCanDefer, 1},
    {"DeferAutoAlone",
     {"Land", "RN", "", "", "100", "", "No", "Yes"},
     {kMsgManualCellDeferAutoAlone},
     {kDeferAuto},
     kDeferAuto,
     1},
    {"DeferAutoWithDeferral", {"Land", "RN", "", "", "100", "", "Yes", "Yes"}, {}, {}, kDescription, 2},
};

class ManualCellsLeft : public ManualTableTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(ManualCellsLeft, Tab) {
    const LeaveCase& c = GetParam();
    ShowTable();
    TypeRow(1, c.typed, kDescription);
    EXPECT_EQ(Shown(), std::vector<std::string>(c.boxes.begin(), c.boxes.end()));
    for (const ShownMessage& m : dialogs.shown) EXPECT_EQ(m.icon, MsgIcon::Error);
    EXPECT_EQ(Grid()->Row(), c.row);
    EXPECT_EQ(Grid()->Col(), c.col);
    for (int i = 0; i < int(c.typed.size()); ++i) {
        const int col = i < 2 ? kDescription + i : i < 4 ? kIndexedGain + i - 2 : kOtherGain + i - 4;
        const std::string typed = c.typed[std::size_t(i)];
        const bool amount = col == kIndexedGain || col == kDiscountGain || col == kOtherGain || col == kLoss;
        const bool emptied = std::find(c.emptied.begin(), c.emptied.end(), col) != c.emptied.end();
        EXPECT_EQ(CellText(col, 1), emptied ? "" : amount && !typed.empty() ? typed + ".00" : typed) << col;
    }
}

INSTANTIATE_TEST_SUITE_P(Qcgt02_05, ManualCellsLeft, ::testing::ValuesIn(kLeaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ManualTableTest, PersonalUseChosenFromTheListRefusesALoss) {
    ShowTable();
    TypeRow(1, {"Boat"}, kDescription);
    QTest::keyClick(Grid()->Editor(), Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(Grid()->PickListOpen());
    QTest::keyClicks(Grid()->PickListPopup(), QStringLiteral("P"));
    QTest::keyClick(Grid()->PickListPopup(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(CellText(kAssetType, 1), "P ");
    ClickCell(kLoss, 1);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("250"));
    ClickCell(kDescription, 2);
    EXPECT_EQ(Shown(), std::vector<std::string>{kMsgManualCellLossOnPersonalUse});
    EXPECT_EQ(CellText(kLoss, 1), "");
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Grid()->Col(), kLoss);
}

// A click on a described row: its section (kept out of sight) and "Defer
// auto?" following "Can gain be deferred?".
TEST_F(ManualTableTest, ClickSetsSectionAndDeferAuto) {
    ShowTable();
    TypeRows({{"Shares in Acme", "SN", "", "", "100"}, {"Land", "RN", "", "", "200", "", "Yes"}, {"", "UN"}});
    ClickCell(kOtherGain, 1);
    EXPECT_EQ(CellText(kSection, 1), "Shares");
    EXPECT_EQ(CellText(kSection, 2), "Real estate");
    EXPECT_EQ(CellText(kDeferAuto, 2), "No");
    EXPECT_EQ(CellText(kSection, 3), "");  // no description
    EXPECT_TRUE(Grid()->CellRect(kSection, 1).isEmpty());

    // "No" chosen in "Can gain be deferred?" and another cell clicked.
    ClickCell(kCanDefer, 2);
    Key(Qt::Key_Backspace);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("No"));
    ClickCell(kOtherGain, 2);
    EXPECT_TRUE(dialogs.shown.empty()) << Shown().front();
    EXPECT_EQ(CellText(kDeferAuto, 2), "");
}

// Next: the first row that breaks a rule is reported with the cursor on it.
struct CheckCase {
    const char* name;
    std::vector<TextList> stored;  // rows from an earlier visit
    Rows typed;                    // then typed from row 1 (over rows stored)
    const char* message;           // nullptr: accepted
    int row;
};

const CheckCase kCheckCases[] = {
    {"NoAssetType", {}, {{"Shares in Acme"}}, kMsgManualNoAssetType, 1},
    {"TypedZeros", {}, {{"Shares in Acme", "SN", "0", "0"}}, nullptr, 0},
    {"IndexedAboveDiscount",
     {StoredRow("Shares in Acme", "SN", "100.00", "90.00", "", "")},
     {},
     kMsgManualIndexedAboveDiscount,
     1},
    {"OtherWithDiscount", {}, {{"Shares in Acme", "SN", "100", "100", "5"}}, kMsgManualOtherWithMethodGain, 1},
    {"LossWithOther", {}, {{"Shares in Acme", "SN", "", "", "5", "3"}}, kMsgManualLossWithGain, 1},
    {"PersonalUseLoss", {StoredRow("Boat", "P ", "", "", "", "500.00")}, {}, kMsgManualLossOnPersonalUse, 1},
    {"PersonalUseLossAndGain", {StoredRow("Boat", "P ", "", "", "100.00", "500.00")}, {}, kMsgManualLossWithGain, 1},
    {"AmountWithoutDescription", {}, {{"", "", "", "", "5"}, {"Land"}}, kMsgRowWithoutDescription, 1},
    {"LaterRow", {}, {{"Shares in Acme", "SN", "", "", "5"}, {"Land"}}, kMsgManualNoAssetType, 2},
};

class ManualTableChecks : public ManualTableTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ManualTableChecks, Next) {
    const CheckCase& c = GetParam();
    ShowTable(c.stored);
    TypeRows(c.typed);
    Next();
    if (!c.message) {
        EXPECT_TRUE(dialogs.shown.empty()) << Shown().front();
        EXPECT_EQ(frame->CurrentScreenNumber(), kChoiceIntroduction);
        return;
    }
    EXPECT_EQ(Shown(), std::vector<std::string>{c.message});
    EXPECT_EQ(dialogs.shown.front().icon, MsgIcon::None);
    ASSERT_EQ(frame->CurrentScreenNumber(), kManual);
    EXPECT_EQ(FocusHolder(), "XGrid1");
    EXPECT_EQ(Grid()->Row(), c.row);
    EXPECT_EQ(Grid()->Col(), kDescription);
    for (int r = 0; r < int(c.typed.size()); ++r) EXPECT_EQ(CellText(kDescription, r + 1), c.typed[std::size_t(r)][0]);
}

INSTANTIATE_TEST_SUITE_P(Qcgt02_05, ManualTableChecks, ::testing::ValuesIn(kCheckCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ManualTableTest, PrevChecksTheRowsToo) {
    ShowTable();
    // Prev opens with the first Next: on to the next screen and back.
    Next();
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), kManual);
    TypeRow(1, {"Shares in Acme"}, kDescription);
    Click(frame->PrevButton());
    EXPECT_EQ(Shown(), std::vector<std::string>{kMsgManualNoAssetType});
    EXPECT_EQ(frame->CurrentScreenNumber(), kManual);
}

TEST_F(ManualTableTest, OpensOnTheGridAndStoresTheRowsWithoutSections) {
    ShowTable();
    EXPECT_TRUE(frame->Navigator()->isVisible());
    EXPECT_EQ(frame->Navigator()->SelectedText(), QStringLiteral("Manual calculation table"));
    EXPECT_EQ(FocusHolder(), "XGrid1");
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Grid()->Col(), kDescription);

    TypeRows({{"Shares in Acme", "SN", "100", "200"}, {"Land", "RN", "", "", "300", "", "Yes", "Yes"}});
    ClickCell(kLoss, 1);
    ASSERT_EQ(CellText(kSection, 1), "Shares");
    Next();
    ASSERT_TRUE(dialogs.shown.empty()) << Shown().front();
    ASSERT_EQ(frame->CurrentScreenNumber(), kChoiceIntroduction);
    TextList expected = StoredRow("Shares in Acme", "SN", "100.00", "200.00", "", "");
    TextList land = StoredRow("Land", "RN", "", "", "300.00", "");
    land[kCanDefer] = "Yes";
    land[kDeferAuto] = "Yes";
    expected.insert(expected.end(), land.begin(), land.end());
    EXPECT_EQ(*run.store().GetFieldLst(kTagManualTable), expected);
}

}  // namespace
}  // namespace cgt::test
