// The trust receipts screen (TQCGT_18b, screen 2025) driven through the
// real frame: payments typed into the receipts grid, the event dates and
// closed columns that follow from the payment dates, then the message, the
// row the cursor is put on and the store.
#include <QLabel>

#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "controls/xgrid_totals.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr const char* kConcessionNotNeeded =
    "As the date of receipt of your non-assessable amount is after 30 June 2001,\ryou do not have to enter the CGT "
    "concession amount";

constexpr int kReceipts = 2025;
constexpr int kEventScreen = 2026;
const StoredAsset kUnits{.description = "Acme Property Fund units", .typeCode = "UN"};

// The grid's columns.
enum { kPaid, kEvent, kDescription, kTotal, kConcession, kTaxFree, kExempted, kDeferred };

// Types a payment cell by cell with clicks: a Tab through the concession
// column would stop there with its message for payments after June 2001.
class TrustGridTest : public ReceiptGridTest {
protected:
    void TypeCell(int col, int row, const char* text) {
        ClickCell(col, row);
        QTest::keyClicks(Grid()->Editor(), QString::fromLatin1(text));
    }
    void TypePayment(int row, const char* date, const char* description, const char* deferred) {
        TypeCell(kPaid, row, date);
        TypeCell(kDescription, row, description);
        TypeCell(kDeferred, row, deferred);
        ClickCell(kPaid, row);
    }
};

class TrustReceiptsTest : public TrustGridTest {
protected:
    void SetUp() override {
        ReceiptGridTest::SetUp();
        StoreAsset(kWsTrustInterest, asset);
        ShowOnAsset(kReceipts);
    }
    bool Closed(int col) const { return Grid()->Model().Spec(col).readOnly; }

    StoredAsset asset = kUnits;
};

// The checks, with the payments typed cell by cell: date, description, tax deferred amount.
const GridCheck kCases[] = {
    {"BeforeAcquisition",
     {.acquired = "01/03/1995"},
     {{"15/01/1995", "Distribution", "100"}},
     kMsgBeforeAcquisition,
     1},
    {"OnCostBaseDate", {.costBaseDate = "01/07/2000"}, {{"01/07/2000", "Distribution", "100"}}, kMsgBeforeCostBase, 1},
    {"DateWithoutDescription", {}, {{"15/08/2002", "", "100"}}, kMsgIncomplete, 1},
    {"DescriptionWithoutDate", {}, {{"", "Distribution", ""}}, kMsgIncomplete, 1},
    {"SecondRow", {}, {{"15/08/2002", "Distribution", "100"}, {"15/02/2003", "", "120"}}, kMsgIncomplete, 2},
    {"DateWithoutAmount", {}, {{"15/08/2002", "Distribution", ""}}, nullptr, 0},
    {"BeforeCgtStart", {.acquired = "01/03/1980"}, {{"10/05/1985", "Distribution", "100"}}, nullptr, 0},
};

class TrustReceiptChecks : public TrustGridTest, public ::testing::WithParamInterface<GridCheck> {};

TEST_P(TrustReceiptChecks, Next) {
    const GridCheck& c = GetParam();
    StoredAsset a = c.asset;
    a.description = kUnits.description;
    a.typeCode = kUnits.typeCode;
    StoreAsset(kWsTrustInterest, a);
    ShowOnAsset(kReceipts);
    int row = 1;
    for (const Payment& p : c.payments) TypePayment(row++, p.date, p.description, p.amount);
    Next();
    ExpectOutcome(c, kReceipts, kEventScreen);
}

INSTANTIATE_TEST_SUITE_P(Qcgt18b, TrustReceiptChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TrustReceiptsTest, ShowsTheAssetAndTheEvent) {
    EXPECT_EQ(Control<QLabel>("DescLabel")->text(), QStringLiteral("Acme Property Fund units"));
    EXPECT_EQ(Control<TTaxEdit>("CGTEventEdit")->text(), QStringLiteral("E4 - Capital payment for trust interest"));
    EXPECT_FALSE(frame->Picker()->isVisible());
    EXPECT_EQ(Control<TTextLbl>("HelpLbl")->currentSection(), 1);
    // The event date and the total are the screen's: Tab passes over them.
    ClickCell(kPaid, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->Col(), kDescription);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Grid()->Col(), kConcession);
    EXPECT_EQ(Control<TTextLbl>("HelpLbl")->currentSection(), 5);
}

TEST_F(TrustReceiptsTest, EventDateFromThePaymentDate) {
    const struct {
        const char* paid;
        const char* event;
    } cases[] = {{"15/03/2003", "30/06/2003"},
                 {"15/08/2002", "30/06/2003"},
                 {"10/05/1997", "10/05/1997"},
                 {"30/06/1998", "30/06/1998"},
                 {"01/07/1998", "30/06/1999"}};
    int row = 1;
    for (const auto& c : cases) TypeRow(row++, {c.paid, "Distribution"});
    row = 1;
    for (const auto& c : cases) EXPECT_EQ(CellText(kEvent, row++), c.event) << c.paid;
    // A payment date removed takes its event date with it.
    ClickCell(kPaid, 2);
    Key(Qt::Key_Backspace);
    Key(Qt::Key_Tab);
    EXPECT_EQ(CellText(kEvent, 2), "");
}

TEST_F(TrustReceiptsTest, ColumnsClosedByThePaymentDate) {
    const struct {
        const char* paid;
        bool concession, taxFree, exempted;
    } cases[] = {{"10/05/1985", true, true, true},    {"17/12/1986", true, true, true},
                 {"18/12/1986", true, false, true},   {"30/06/1990", true, false, true},
                 {"01/07/1990", true, false, false},  {"20/09/1999", true, false, false},
                 {"21/09/1999", false, false, false}, {"15/08/2002", false, false, false}};
    int row = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.paid);
        TypeRow(row, {c.paid, "Distribution"});
        EXPECT_EQ(Closed(kConcession), c.concession);
        EXPECT_EQ(Closed(kTaxFree), c.taxFree);
        EXPECT_EQ(Closed(kExempted), c.exempted);
        ++row;
    }
}

TEST_F(TrustReceiptsTest, PaymentOf1985ClosesThreeColumns) {
    TypeRow(1, {"10/05/1985", "Distribution"});
    EXPECT_TRUE(Closed(kConcession) && Closed(kTaxFree) && Closed(kExempted));
    // A click on the concession column lands on the tax deferred column, the next one open.
    ClickCell(kConcession, 1);
    EXPECT_EQ(Grid()->Col(), kDeferred);
    EXPECT_EQ(Control<TTextLbl>("HelpLbl")->currentSection(), 8);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("100"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(CellText(kDeferred, 1), "100.00");
    EXPECT_EQ(CellText(kConcession, 1), "");
}

TEST_F(TrustReceiptsTest, AmountsOfAClosedKindAreEmptied) {
    // Amounts typed while the row was dated 2000, then the date moved back to 1986.
    TypeRow(1, {"15/08/2000", "Distribution", "10", "20", "30", "40"});
    EXPECT_EQ(CellText(kExempted, 1), "30.00");
    TypeRow(1, {"15/08/1986"});
    ClickCell(kDescription, 1);
    EXPECT_EQ(CellText(kConcession, 1), "");
    EXPECT_EQ(CellText(kTaxFree, 1), "");
    EXPECT_EQ(CellText(kExempted, 1), "");
    EXPECT_EQ(CellText(kDeferred, 1), "40.00");
}

TEST_F(TrustReceiptsTest, ConcessionAfterJune2001IsNotAsked) {
    TypeRow(1, {"15/08/2000", "Distribution", "10"});
    EXPECT_TRUE(dialogs.shown.empty());
    TypeRow(1, {"15/08/2001"});
    ClickCell(kDescription, 1);
    EXPECT_EQ(CellText(kConcession, 1), "");  // emptied without asking
    EXPECT_TRUE(dialogs.shown.empty());
    ClickCell(kConcession, 1);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kConcessionNotNeeded});
    EXPECT_EQ(Grid()->Col(), kConcession);  // the column stays open
}

TEST_F(TrustReceiptsTest, TotalsUnderTheGrid) {
    TypePayment(1, "15/08/2002", "First", "100.50");
    TypePayment(2, "15/02/2003", "Second", "200");
    TypeCell(kExempted, 2, "20");
    ClickCell(kPaid, 2);
    auto* totals = Control<TXGridTotals>("XGridTotals1");
    EXPECT_EQ(totals->XGrid(), Grid());
    EXPECT_EQ(Grid()->ColumnTotalText(kDeferred), "300.50");
    EXPECT_EQ(Grid()->ColumnTotalText(kExempted), "20.00");
}

TEST_F(TrustReceiptsTest, NextSortsByPaymentDateAndStores) {
    TypePayment(1, "15/02/2003", "Second", "200");
    TypePayment(2, "15/08/2002", "First", "100");
    // The last payment date changed, and Next pressed without moving on in the grid.
    TypeCell(kPaid, 1, "15/08/2003");
    Next();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    ASSERT_EQ(frame->CurrentScreenNumber(), kEventScreen);
    const TextList expected = {"15/08/2002", "30/06/2003", "First",  "", "", "", "", "100.00",
                               "15/08/2003", "30/06/2004", "Second", "", "", "", "", "200.00"};
    EXPECT_EQ(Stored(kWsTrustInterest, [](FieldStore& s) { return *s.GetFieldLst(kTagReceipts); }), expected);
    EXPECT_EQ(StoredText(kWsTrustInterest, kTagReceiptEventCode), "E4");
    EXPECT_EQ(StoredText(kWsTrustInterest, kTagReceiptAssetType), "ON");
}

}  // namespace
}  // namespace cgt::test
