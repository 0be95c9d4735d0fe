// The asset worksheet summary screen driven through the real frame: the
// figures, messages and note it shows for an asset's answers, its three
// views, the view kept while the screen stays current, and the store it
// leaves behind.
#include "summary_fixture.h"

namespace cgt::test {
namespace {

constexpr const char* kPurchase = "1 - Purchase/Acquisition cost";
constexpr const char* kEventCosts = "2B - Incidentals re specific CGT event";

// Shares bought 01/03/1995 for 9500 plus 95 brokerage, sold 15/11/2002 for 14250.
const Answers kSharesSold{.description = "BHP Billiton 1,000 shares",
                          .typeCode = "SA",
                          .acquired = "01/03/1995",
                          .costs = {{kPurchase, "01/03/1995", "9500.00"},
                                    {"2A - Incidentals re holding & acquisition", "01/03/1995", "95.00"}},
                          .eventDate = "15/11/2002",
                          .proceeds = 14250,
                          .ticked = {kTagRollOverNo}};

// Half a parcel sold: a cost base of 9500 entered at 01/08/1999 (the frozen
// CPI quarter, so indexation leaves it at 9500) and 500 of costs of the sale.
const Answers kHalfSold{.acquired = "01/08/1999",
                        .costBaseDate = "01/08/1999",
                        .enteredIndexed = 9500,
                        .enteredNonIndexed = 9500,
                        .enteredReduced = 9500,
                        .costs = {{kEventCosts, "15/08/2002", "500.00"}},
                        .eventDate = "15/08/2002",
                        .proceeds = 12000,
                        .percentDisposed = 50};

// The gains of a row's three columns and the loss column.
constexpr std::initializer_list<int> kColumnBoxes = {kTagIndexedProceeds,  kTagIndexedCostBase,  kTagIndexedGain,
                                                     kTagDiscountProceeds, kTagDiscountCostBase, kTagDiscountGain,
                                                     kTagOtherProceeds,    kTagOtherCostBase,    kTagOtherGain,
                                                     kTagLossProceeds,     kTagLossCostBase,     kTagCapitalLoss};
const std::vector<int> kIndexedOff = {kTagIndexedProceeds, kTagIndexedCostBase, kTagIndexedGain};
const std::vector<int> kDiscountOff = {kTagDiscountProceeds, kTagDiscountCostBase, kTagDiscountGain};
const std::vector<int> kOtherOff = {kTagOtherProceeds, kTagOtherCostBase, kTagOtherGain};
const std::vector<int> kLossOff = {kTagLossProceeds, kTagLossCostBase, kTagCapitalLoss};

const FiguresCase kFigures[] = {
    {"BothMethods",
     2016,
     {.acquired = "01/03/1990",
      .costs = {{kPurchase, "01/03/1990", "10000.00"}},
      .eventDate = "15/08/2002",
      .proceeds = 30000},
     {{kTagDiscountProceeds, "30000"}, {kTagDiscountCostBase, "10000"}, {kTagDiscountGain, "20000"}},
     Off({kOtherOff, kLossOff}),
     "",
     kMsgChooseMethod},
    {"HeldUnderAYear",
     2070,
     {.typeCode = "ON",
      .acquired = "01/07/2001",
      .costs = {{kPurchase, "01/07/2001", "5000.00"}},
      .eventDate = "01/07/2002",
      .proceeds = 8000},
     {{kTagOtherProceeds, "8000"}, {kTagOtherCostBase, "5000"}, {kTagOtherGain, "3000"}},
     Off({kIndexedOff, kDiscountOff, kLossOff}),
     "",
     ""},
    {"PartialDisposal",
     2016,
     kHalfSold,
     {{kTagIndexedCostBase, "5250"},
      {kTagDiscountCostBase, "5250"},
      {kTagIndexedGain, "6750"},
      {kTagDiscountGain, "6750"},
      {kTagPercentDisposedBox, "50.00"},
      {kTagAdjustedIndexed, "10000"}},
     Off({kOtherOff, kLossOff}),
     "",
     kMsgChooseMethod},
    {"MainResidenceLoss",
     2040,
     {.typeCode = "RN",
      .acquired = "15/07/1998",
      .costs = {{kPurchase, "15/07/1998", "300000.00"}},
      .eventDate = "20/03/2003",
      .proceeds = 260000,
      .daysNotExempt = 100,
      .totalDays = 400,
      .ticked = {kTagMarriageBreakdownNo}},
     {{kTagLossProceeds, "260000"},
      {kTagLossCostBase, "300000"},
      {kTagCapitalLoss, "10000"},
      {kTagDaysNotExemptBox, "100"},
      {kTagDiscountGain, ""}},
     Off({kOtherOff}),
     kMsgRollOverChoice,
     ""},
    {"FifteenYearExemption",
     2040,
     {.typeCode = "RA",
      .acquired = "15/07/1998",
      .costs = {{kPurchase, "15/07/1998", "100000.00"}},
      .eventDate = "20/03/2003",
      .proceeds = 150000,
      .ticked = {kTagFifteenYearExemption}},
     {{kTagDiscountGain, "50000"}},
     Off({kOtherOff, kLossOff}),
     kMsgFifteenYear,
     kMsgChooseMethod},
    {"ActiveTrustUnits",
     2029,
     {.typeCode = "UA",
      .acquired = "01/07/2000",
      .costs = {{kPurchase, "01/07/2000", "4000.00"}},
      .eventDate = "15/02/2003",
      .proceeds = 7000},
     {{kTagDiscountGain, "3000"}, {kTagBaseDate, "01/07/2000"}, {kTagEventDateBox, "15/02/2003"}},
     Off({kIndexedOff, kOtherOff, kLossOff}),
     kMsgSmallBusiness,
     ""},
    {"PersonalUseLoss",
     2060,
     {.typeCode = "P ",
      .acquired = "01/07/2000",
      .costs = {{kPurchase, "01/07/2000", "20000.00"}, {"3A - Non-capital costs of ownership", "01/08/2000", "900.00"}},
      .eventDate = "15/02/2003",
      .proceeds = 12000},
     {{kTagLossCostBase, "20000"}, {kTagCapitalLoss, "0"}, {kTagCostBaseNonIndexed, "20000"}},
     Off({kIndexedOff, kOtherOff}),
     kMsgNoGainOrLoss,
     ""},
    {"NoEventDate",
     2060,
     {.typeCode = "A ", .acquired = "01/07/2000", .costs = {{kPurchase, "01/07/2000", "2000.00"}}},
     {{kTagCostBaseNonIndexed, "2000"}, {kTagEventDateBox, ""}, {kTagDiscountGain, ""}},
     Off({kIndexedOff, kDiscountOff, kOtherOff, kLossOff}),
     kMsgNoGainOrLoss,
     ""},
};

class SummaryFigures : public SummaryScreenTest, public ::testing::WithParamInterface<FiguresCase> {};

TEST_P(SummaryFigures, Shown) {
    const FiguresCase& c = GetParam();
    ExpectFigures(c, kColumnBoxes);
    // The block of gains from non-assessable receipts is for shares and trust interests.
    EXPECT_EQ(Visible("NonAssessablePanel"), c.screen == 2016 || c.screen == 2029);
    EXPECT_EQ(Visible("NotePanel"), c.answers.percentDisposed != 0);
}

INSTANTIATE_TEST_SUITE_P(Qcgt58, SummaryFigures, ::testing::ValuesIn(kFigures),
                         [](const auto& info) { return std::string(info.param.name); });

using SummaryScreen = SummaryScreenTest;

TEST_F(SummaryScreen, PartialDisposalNoteShowsWhatIsCarriedForward) {
    ShowOnAnswers(2016, kHalfSold);
    ASSERT_TRUE(Visible("NotePanel"));
    EXPECT_EQ(Control<QLabel>("NoteLbl")->text().section('\n', 0, 0).toStdString(),
              "You have only partly disposed of this asset.  Your cost bases and reduced cost base for the");
    EXPECT_EQ(Control<QLabel>("RemainIndexedLbl")->text().toStdString(), "Cost base - indexed: ");
    EXPECT_EQ(Control<QLabel>("RemainNonIndexedLbl")->text().toStdString(), "Cost base - discount/non-indexed: ");
    EXPECT_EQ(Control<QLabel>("RemainReducedLbl")->text().toStdString(), "Reduced cost base: ");
    // Half of the 9500 other than the sale's costs.
    EXPECT_EQ(Shown("RemainIndexedEdit"), "4750");
    EXPECT_EQ(Shown("RemainNonIndexedEdit"), "4750");
    EXPECT_EQ(Shown("RemainReducedEdit"), "4750");

    // The whole asset sold: no note, and the next asset's summary does not
    // carry the figures over.
    Answers whole = kHalfSold;
    whole.percentDisposed = 100;
    ShowOnAnswers(2016, whole);
    EXPECT_FALSE(Visible("NotePanel"));
    EXPECT_EQ(Shown("RemainIndexedEdit"), "");
    EXPECT_EQ(Shown(kTagIndexedCostBase), "10000");
}

TEST_F(SummaryScreen, NonAssessableGainsAsTheHistoryLeftThem) {
    ShowOnAnswers(2029, {.typeCode = "UN",
                         .acquired = "01/07/1996",
                         .costs = {{kPurchase, "01/07/1996", "8000.00"}},
                         .eventDate = "15/02/2003",
                         .proceeds = 15000,
                         .receipts = true,
                         .historyDate = "15/01/2001",
                         .historyNonIndexed = 6500,
                         .historyIndexed = 7000,
                         .historyReduced = 6500,
                         .receiptGains = {200, 100, 0, 50}});
    ASSERT_TRUE(Visible("NonAssessablePanel"));
    EXPECT_EQ(Shown(kTagReceiptGainDiscountCurrent), "200");
    EXPECT_EQ(Shown(kTagReceiptGainDiscountPrior), "100");
    EXPECT_EQ(Shown(kTagReceiptGainIndexedCurrent), "");
    EXPECT_EQ(Shown(kTagReceiptGainIndexedPrior), "50");
    // The worksheet starts from the adjusted cost base; the purchase before its date is in it.
    EXPECT_EQ(Shown(kTagCostBaseNonIndexed), "6500");
    EXPECT_EQ(Shown(kTagDiscountGain), "8500");
}

TEST_F(SummaryScreen, AssetNameAndPrintButtons) {
    // The non-assessable receipts printout is not offered for real estate and
    // personal use assets, and only shares and trust units can print it.
    const struct {
        int screen;
        const char* description;
        bool nonAssessableShown;
        bool nonAssessableEnabled;
    } cases[] = {{2016, "BHP Billiton 1,000 shares", true, true},
                 {2029, "Units in Fund A", true, true},
                 {2040, "Holiday house", false, false},
                 {2060, "Stamp collection", false, false},
                 {2070, "Goodwill", true, false}};
    for (const auto& c : cases) {
        Answers a = kSharesSold;
        a.description = c.description;
        ShowOnAnswers(c.screen, a);
        EXPECT_EQ(Control<QLabel>("DescLabel")->text().toStdString(), c.description) << c.screen;
        EXPECT_EQ(Visible("PrintNonAssBtn"), c.nonAssessableShown) << c.screen;
        EXPECT_EQ(Control<QPushButton>("PrintNonAssBtn")->isEnabled(), c.nonAssessableEnabled) << c.screen;
        for (const char* name : {"PrintWorksheetBtn", "PrintRegisterBtn"}) {
            EXPECT_TRUE(Visible(name)) << name;
            EXPECT_TRUE(Control<QPushButton>(name)->isEnabled()) << name;
        }
    }
}

TEST_F(SummaryScreen, PrintingStoresTheAssetAndKeepsTheView) {
    ShowOnAnswers(2016, kSharesSold);
    ClickRadio("RegisterViewRadio");
    // What the printout is laid out from: the working tags as they stand.
    std::vector<std::string> printed;
    host.onPrintout = [&](const std::string&) {
        FieldStore& store = run.store();
        printed.push_back(store.GetFieldStr(kTagAssetDescription) + " " + store.FieldAsText(kTagDiscountGain));
    };
    const struct {
        const char* button;
        const char* script;
    } buttons[] = {{"PrintWorksheetBtn", "CGTWSHT"}, {"PrintRegisterBtn", "CGTASSET"}, {"PrintNonAssBtn", "CGTNASS"}};
    for (const auto& b : buttons) {
        QTest::mouseClick(Control<QPushButton>(b.button), Qt::LeftButton);
        Settle();
        ASSERT_FALSE(host.printouts.empty()) << b.button;
        EXPECT_EQ(host.printouts.back(), b.script);
        EXPECT_EQ(printed.back(), "BHP Billiton 1,000 shares 4655") << b.button;
        // The screen stays, on the view the taxpayer chose, the asset stored.
        EXPECT_EQ(frame->CurrentScreenNumber(), 2016);
        EXPECT_TRUE(Control<QRadioButton>("RegisterViewRadio")->isChecked());
        EXPECT_TRUE(Visible("RegisterGrid"));
        EXPECT_EQ(Shown(kTagDiscountGain), "4655");
    }
    EXPECT_EQ(host.printouts.size(), 3u);
    EXPECT_TRUE(dialogs.shown.empty());
    FieldStore stored;
    stored.MutableSlotAt(ListFieldOf(kWsShares)) = run.store().SlotAt(ListFieldOf(kWsShares));
    ASSERT_EQ(stored.WorksheetCount(kWsShares), 1);
    stored.LoadInstance(kWsShares, 1);
    EXPECT_EQ(stored.FieldAsText(kTagDiscountGain), "4655");
}

TEST_F(SummaryScreen, ViewsShowTheRegisterAndTheWorksheet) {
    ShowOnAnswers(2016, kSharesSold);
    EXPECT_TRUE(Control<QRadioButton>("TaxpayerViewRadio")->isChecked());
    EXPECT_TRUE(Visible("ResultsPanel"));
    EXPECT_FALSE(Visible("EventDataPanel"));
    EXPECT_FALSE(Visible("RegisterGrid"));
    EXPECT_FALSE(Visible("WorksheetPanel"));

    ClickRadio("RegisterViewRadio");
    EXPECT_FALSE(Visible("ResultsPanel"));
    EXPECT_TRUE(Visible("EventDataPanel"));
    EXPECT_TRUE(Visible("RegisterGrid"));
    EXPECT_FALSE(Visible("WorksheetPanel"));
    EXPECT_EQ(Shown(kTagBaseDate), "01/03/1995");
    EXPECT_EQ(Chosen("ActiveRadioGroup"), "Active");
    EXPECT_EQ(Chosen("TypeRadioGroup"), "Shares/units");
    EXPECT_EQ(GridRow("RegisterGrid", 1),
              (std::vector<std::string>{"", "01/03/1995", "", "Cost", "1", "", "9500.00", "", "", "", ""}));
    EXPECT_EQ(GridRow("RegisterGrid", 3), (std::vector<std::string>{"15/11/2002", "15/11/2002", "", "Capital proceeds",
                                                                    "O", "O", "  14250.00", "", "", "N", ""}));
    // The display-only groups do not take a click.
    ClickRadio("OtherRadio");
    EXPECT_EQ(Chosen("TypeRadioGroup"), "Shares/units");

    ClickRadio("WorksheetViewRadio");
    EXPECT_FALSE(Visible("RegisterGrid"));
    EXPECT_TRUE(Visible("EventDataPanel"));
    ASSERT_TRUE(Visible("WorksheetPanel"));
    auto* panel = Control<QScrollArea>("WorksheetPanel");
    EXPECT_EQ(panel->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(panel->verticalScrollBar()->value(), 0);
    EXPECT_EQ(GridRow("WorksheetGrid", 2)[1], "Cost");
    EXPECT_EQ(GridRow("WorksheetGrid", 2)[4], "     95.00");

    ClickRadio("TaxpayerViewRadio");
    EXPECT_TRUE(Visible("ResultsPanel"));
    EXPECT_FALSE(Visible("EventDataPanel"));
}

TEST_F(SummaryScreen, WorksheetClickScrollsThePanelToTheColumn) {
    ShowOnAnswers(2016, kSharesSold);
    ClickRadio("WorksheetViewRadio");
    auto* panel = Control<QScrollArea>("WorksheetPanel");
    auto* grid = Control<TXGrid>("WorksheetGrid");
    QScrollBar* bar = panel->horizontalScrollBar();
    ASSERT_GE(bar->maximum(), 540);
    // Column, and where the panel stands after a click in it (columns
    // without a Tab stop pass the cursor on to the next one).
    const struct {
        int col;
        int x;
    } clicks[] = {{9, 540}, {5, 250}, {1, 0}, {11, std::min(675, bar->maximum())}, {0, 0}, {6, 250}, {7, 540}};
    for (const auto& c : clicks) {
        const QRect cell = grid->CellRect(c.col, 1);
        ASSERT_FALSE(cell.isEmpty()) << c.col;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
        EXPECT_EQ(bar->value(), c.x) << "column " << c.col;
    }
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SummaryScreen, ChosenViewStaysWhileTheScreenIsCurrent) {
    ShowOnAnswers(2016, kSharesSold);
    const std::string gain = Shown(kTagDiscountGain);
    ASSERT_EQ(gain, "4655");
    ClickRadio("RegisterViewRadio");

    // Printing stores the asset and opens it again, and the screen is shown
    // again: the view stays and nothing is worked out afresh, even from
    // changed answers.
    frame->StoreScreenValues();
    frame->StoreInstance(kWsShares, 1);
    FieldStore& store = run.store();
    store.LoadInstance(kWsShares, 1);
    store.SetFieldVal(kTagCapitalProceeds, 99999);
    store.StoreInstance(kWsShares, 1);
    frame->OpenWorksheet(kWsShares, 1);
    Settle();
    EXPECT_TRUE(Control<QRadioButton>("RegisterViewRadio")->isChecked());
    EXPECT_TRUE(Visible("RegisterGrid"));
    EXPECT_EQ(Shown(kTagDiscountGain), gain);
    EXPECT_EQ(Shown(kTagProceedsBox), "14250");
    EXPECT_EQ(Message("MessageLbl2"), kMsgChooseMethod);
}

TEST_F(SummaryScreen, ResizedScreenKeepsItsViewAndFigures) {
    ShowOnAnswers(2016, kSharesSold);
    ClickRadio("WorksheetViewRadio");
    const TChildForm* before = frame->CurrentScreen();
    // The screen follows the window in place when the user resizes it.
    frame->resize(1000, 674);
    Settle();
    ASSERT_EQ(frame->CurrentScreen(), before);
    ASSERT_EQ(frame->CurrentScreenNumber(), 2016);
    EXPECT_TRUE(Control<QRadioButton>("WorksheetViewRadio")->isChecked());
    EXPECT_TRUE(Visible("WorksheetPanel"));
    EXPECT_EQ(Shown(kTagDiscountGain), "4655");
    EXPECT_EQ(Message("MessageLbl1"), kMsgSmallBusiness);
}

TEST_F(SummaryScreen, EachArrivalStartsAtTheTaxpayerView) {
    // From the deferral questions, answered, on to the summary.
    ShowOnAnswers(2014, kSharesSold);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2016);
    ClickRadio("WorksheetViewRadio");
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), 2014);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2016);
    EXPECT_TRUE(Control<QRadioButton>("TaxpayerViewRadio")->isChecked());
    EXPECT_TRUE(Visible("ResultsPanel"));
    EXPECT_FALSE(Visible("WorksheetPanel"));
    EXPECT_EQ(Shown(kTagDiscountGain), "4655");
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2017);
    EXPECT_TRUE(dialogs.shown.empty());
}

struct StoredCase {
    const char* name;
    int screen;
    Answers answers;
    friend void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }
};

const StoredCase kStored[] = {
    {"SharesSold", 2016, kSharesSold},
    {"HalfSold", 2016, kHalfSold},
    {"RealEstateLoss",
     2040,
     {.typeCode = "RN",
      .acquired = "15/07/1998",
      .costs = {{kPurchase, "15/07/1998", "250000.00"},
                {"2A - Incidentals re holding and acquisition", "15/07/1998", "9000.00"},
                {"3A - Non-capital costs of ownership", "01/07/1999", "2000.00", "150.00"},
                {"3B - Balancing charges", "01/07/2000", "500.00"},
                {"6C - Adjustments to the cost base", "01/02/2002", "-1500.00"}},
      .eventDate = "20/03/2003",
      .proceeds = 240000,
      .daysNotExempt = 100,
      .totalDays = 400}},
    {"UnitsWithReceipts",
     2029,
     {.typeCode = "UN",
      .acquired = "01/07/1996",
      .costs = {{kPurchase, "01/07/1996", "8000.00"},
                {"4 - Capital expenditure - increases value", "01/06/2002", "1000.00"}},
      .eventDate = "15/02/2003",
      .proceeds = 15000,
      .ticked = {kTagMarriageBreakdownNo},
      .receipts = true,
      .historyDate = "15/01/2001",
      .historyNonIndexed = 6500,
      .historyIndexed = 7000,
      .historyReduced = 6500,
      .receiptGains = {200, 100, 0, 50, 0, 0}}},
    {"NoEvent", 2070, {.typeCode = "ON", .acquired = "01/07/2000", .costs = {{kPurchase, "01/07/2000", "5000.00"}}}},
};

class SummaryStore : public SummaryScreenTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(SummaryStore, LeftAsTheCalculationLeavesIt) {
    ExpectStoredAsCalculated(GetParam().screen, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(Qcgt58, SummaryStore, ::testing::ValuesIn(kStored),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt::test
