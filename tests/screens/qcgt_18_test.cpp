// The share receipts screen (TQCGT_18, screen 2012) driven through the real
// frame: payments typed into the receipts grid, then the message, the row
// the cursor is put on, the entries and the store.
#include <QLabel>

#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "controls/typeahead_combo.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr int kReceipts = 2012;
constexpr int kEventScreen = 2013;

// The checks, with the payments typed in Tab order: date, description, amount.
const GridCheck kCases[] = {
    {"BeforeAcquisition", {}, {{"15/01/1995", "Return of capital", "150"}}, kMsgBeforeAcquisition, 1},
    {"OnCostBaseDate",
     {.costBaseDate = "01/07/2000"},
     {{"01/07/2000", "Return of capital", "150"}},
     kMsgBeforeCostBase,
     1},
    {"DateWithoutAmount", {}, {{"15/11/2002", "Return of capital", ""}}, kMsgIncomplete, 1},
    {"AmountWithoutDate", {}, {{"", "Return of capital", "150"}}, kMsgIncomplete, 1},
    {"BeforeCgt", {.acquired = "01/03/1980"}, {{"10/05/1985", "Return of capital", "150"}}, kMsgPreCgt, 1},
    {"SecondRow",
     {},
     {{"15/11/2002", "Return of capital", "150"}, {"15/12/2002", "Second return", ""}},
     kMsgIncomplete,
     2},
    {"DayAfterCostBaseDate", {.costBaseDate = "01/07/2000"}, {{"02/07/2000", "Return of capital", "150"}}, nullptr, 0},
    {"DescriptionOnly", {}, {{"", "A note", ""}}, nullptr, 0},
};

class ShareReceiptChecks : public ReceiptGridTest, public ::testing::WithParamInterface<GridCheck> {};

TEST_P(ShareReceiptChecks, Next) {
    const GridCheck& c = GetParam();
    StoreAsset(kWsShares, c.asset);
    ShowOnAsset(kReceipts);
    int row = 1;
    for (const Payment& p : c.payments) TypeRow(row++, {p.date, p.description, p.amount});
    Next();
    ExpectOutcome(c, kReceipts, kEventScreen);
}

INSTANTIATE_TEST_SUITE_P(Qcgt18, ShareReceiptChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using ShareReceiptsTest = ReceiptGridTest;

TEST_F(ShareReceiptsTest, ShowsTheAssetAndTheEvent) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kReceipts);
    EXPECT_EQ(Control<QLabel>("DescLabel")->text(), QStringLiteral("BHP Billiton 1,000 shares"));
    EXPECT_EQ(Control<TTaxEdit>("CGTEventEdit")->text(), QStringLiteral("G1 - Capital payment for shares"));
    EXPECT_EQ(frame->CurrentScreen()->helpContext(), 184);
    EXPECT_EQ(Control<TTextLbl>("TextLbl1")->currentSection(), 2);  // the share text
    EXPECT_FALSE(frame->Picker()->isVisible());
    // The date received is not asked on this screen: Tab passes from the date to the description.
    EXPECT_TRUE(Grid()->CellRect(1, 1).isEmpty());
    ClickCell(0, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->Col(), 2);
    auto* type = Control<TTypeAheadCombo>("TypeTextComboBox");
    EXPECT_FALSE(type->isVisible());
    EXPECT_EQ(type->currentText(), QStringLiteral("ON - Non-active asset - Other asset CGT event"));
}

TEST_F(ShareReceiptsTest, HelpFollowsTheColumn) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kReceipts);
    auto* help = Control<TTextLbl>("HelpLbl");
    EXPECT_EQ(help->currentSection(), 1);
    const struct {
        int col;
        int section;
    } clicks[] = {{3, 4}, {5, 6}, {2, 3}, {4, 5}, {0, 1}};
    for (const auto& c : clicks) {
        ClickCell(c.col, 1);
        EXPECT_EQ(help->currentSection(), c.section) << c.col;
    }
}

TEST_F(ShareReceiptsTest, NextSortsTheRowsAndStoresThem) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kReceipts);
    TypeRow(1, {"15/03/2003", "Second return", "200"});
    TypeRow(2, {"15/11/2002", "First return", "150", "20"});
    Next();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    ASSERT_EQ(frame->CurrentScreenNumber(), kEventScreen);
    const TextList expected = {"15/11/2002", "", "First return",  "150.00", "20.00", "",
                               "15/03/2003", "", "Second return", "200.00", "",      ""};
    EXPECT_EQ(Stored(kWsShares, [](FieldStore& s) { return *s.GetFieldLst(kTagReceipts); }), expected);
    EXPECT_EQ(StoredText(kWsShares, kTagReceiptEventCode), "G1");
    EXPECT_EQ(StoredText(kWsShares, kTagReceiptAssetType), "ON");
}

TEST_F(ShareReceiptsTest, PrevSkipsTheChecks) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kReceipts);
    // Prev opens with the first Next: on to the event screen and back.
    Next();
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), kReceipts);
    TypeRow(1, {"15/11/2002", "Return of capital", ""});
    Click(frame->PrevButton());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(frame->CurrentScreenNumber(), 2007);
}

}  // namespace
}  // namespace cgt::test
