// The cost base history screens (TQCGT_59a, screen 2015, shares; TQCGT_59b,
// screen 2028, trust interests) through the real frame: an asset with
// non-assessable payments as the block's earlier screens store it, the
// screen as the flow shows it, and what the user sees, clicks and leaves.
#include <QLabel>
#include <QRadioButton>
#include <functional>

#include "calc/cost_base_history.h"
#include "controls/numedit.h"
#include "controls/xgrid.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr int kSharesHistory = 2015;
constexpr int kTrustHistory = 2028;

using AssetSetup = std::function<void(FieldStore&)>;

// Shares bought for 10000 on 15/03/1990 (CPI 100.9), entered as a cost.
void Parcel1990(FieldStore& s) {
    s.SetFieldStr(kTagInstanceName, "Parcel of 1,000 shares");
    s.SetFieldStr(kTagAssetType, "SN");
    s.SetFieldStr(kTagAcquisitionDate, "15/03/1990");
    s.SetFieldLst(kTagCostElements, std::make_shared<TextList>(TextList{"1 - Purchase/Acquisition cost", "15/03/1990",
                                                                        "", "Purchase", "10000.00", "", "", ""}));
    s.SetFieldStr(kTagReceiptEventCode, "G1");
}
// Returns of capital: date of the event and amount, one row each.
void Returns(FieldStore& s, std::initializer_list<std::pair<const char*, const char*>> rows) {
    auto list = std::make_shared<TextList>();
    for (const auto& [date, amount] : rows) list->insert(list->end(), {date, "", "Return of capital", amount, "", ""});
    s.SetFieldLst(kTagReceipts, list);
}
// The same units held in a unit trust, with tax-deferred distributions:
// date paid, date of the event and the tax-deferred amount.
void Units1990(FieldStore& s, std::initializer_list<std::tuple<const char*, const char*, const char*>> rows) {
    Parcel1990(s);
    s.SetFieldStr(kTagInstanceName, "Units in a property trust");
    s.SetFieldStr(kTagAssetType, "UN");
    s.SetFieldStr(kTagReceiptEventCode, "E4");
    auto list = std::make_shared<TextList>();
    for (const auto& [paid, event, deferred] : rows)
        list->insert(list->end(), {paid, event, "Distribution", "", "", "", "", deferred});
    s.SetFieldLst(kTagReceipts, list);
}

// One asset and what the Taxpayer View shows for it: the texts of boxes
// 1151 to 1160 and the boxes disabled.
struct SummaryCase {
    const char* name;
    int screen;
    AssetSetup asset;
    std::vector<const char*> boxes;  // 1151 .. 1160
    std::vector<int> disabled;
    bool gainThisYear;  // check box 1198 as stored
};

// The figures are those of the replay: the cost indexed to the December
// 2002 quarter is 10000 x 123.4 / 100.9 -> 1.223 -> 12230.
const SummaryCase kSummaryCases[] = {
    // 3000 on 10/10/2002 leaves 7000 / 9230 / 7000; 8000 on 20/11/2002
    // takes 7000 below nothing: a gain of 1000 this year; 9230 - 8000 = 1230.
    {"TwoReturns",
     kSharesHistory,
     [](FieldStore& s) {
         Parcel1990(s);
         Returns(s, {{"10/10/2002", "3000.00"}, {"20/11/2002", "8000.00"}});
     },
     {"20/11/2002", "", "1230", "", "1000", "", "", "", "", ""},
     {},
     true},
    // 12000 on 10/10/2001, before this income year: a prior-year gain of 2000.
    {"PriorYearExcess",
     kSharesHistory,
     [](FieldStore& s) {
         Parcel1990(s);
         Returns(s, {{"10/10/2001", "12000.00"}});
     },
     {"10/10/2001", "", "230", "", "", "2000", "", "", "", ""},
     {},
     false},
    // Acquired on 21/09/1999 after 11.45am: the indexed gains are not shown.
    {"IndexationUnavailable",
     kSharesHistory,
     [](FieldStore& s) {
         Parcel1990(s);
         s.SetFieldStr(kTagAcquisitionDate, "21/09/1999");
         s.SetFieldChecked(kTagAcquiredAfter1145am);
         s.SetFieldLst(kTagCostElements,
                       std::make_shared<TextList>(TextList{"1 - Purchase/Acquisition cost", "21/09/1999", "",
                                                           "Purchase", "10000.00", "", "", ""}));
         Returns(s, {{"10/10/2002", "14000.00"}});
     },
     {"10/10/2002", "", "", "", "4000", "", "", "", "", ""},
     {kTagReceiptGainIndexedCurrent, kTagReceiptGainIndexedPrior},
     true},
    // An event on 21/09/1999 before 11.45am: no discount, so the gain of
    // 4000 stands as an other gain; the indexed gain is 14000 - 12230.
    {"DiscountUnavailable",
     kSharesHistory,
     [](FieldStore& s) {
         Parcel1990(s);
         s.SetFieldStr(kTagEventDate, "21/09/1999");
         s.SetFieldChecked(kTagEventBefore1145am);
         Returns(s, {{"10/10/2002", "14000.00"}});
     },
     {"10/10/2002", "", "", "", "", "", "1770", "", "4000", ""},
     {kTagReceiptGainDiscountCurrent, kTagReceiptGainDiscountPrior},
     true},
    // Two tax-deferred amounts with the same date of event, one after the
    // other, are one payment: 200 + 300 off every cost base.
    {"TrustPaymentsMerged",
     kTrustHistory,
     [](FieldStore& s) {
         Units1990(s, {{"15/08/2002", "30/06/2003", "200.00"}, {"15/03/2003", "30/06/2003", "300.00"}});
     },
     {"30/06/2003", "9500", "11730", "9500", "", "", "", "", "", ""},
     {},
     false},
};

class CostHistoryTest : public ReceiptGridTest {
protected:
    // Instance 1 of the block's type, as the block's earlier screens leave it.
    void StoreOn(int screen, const AssetSetup& setup) {
        if (frame->CurrentScreen()) ShowScreen(2007);
        setup(run.store());
        run.store().StoreInstance(BlockTypeOf(screen), 1);
    }
    TTaxEdit* BoxOf(int tag) const {
        for (TTaxEdit* box : frame->CurrentScreen()->findChildren<TTaxEdit*>())
            if (box->fieldTag() == tag) return box;
        ADD_FAILURE() << "no box for " << tag;
        return nullptr;
    }
    bool PanelShown(const char* panel) const { return Control<QWidget>(panel)->isVisible(); }
    void ClickRadio(const char* name) {
        auto* radio = Control<QRadioButton>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
        QApplication::processEvents();
    }
};

class CostHistorySummary : public CostHistoryTest, public ::testing::WithParamInterface<SummaryCase> {};

TEST_P(CostHistorySummary, TaxpayerViewShowsTheReplay) {
    const SummaryCase& c = GetParam();
    StoreOn(c.screen, c.asset);
    ShowOnAsset(c.screen);
    EXPECT_TRUE(PanelShown("TaxpayerPanel"));
    EXPECT_FALSE(PanelShown("WorksheetPanel"));
    EXPECT_TRUE(Control<QRadioButton>("TaxpayerViewRadio")->isChecked());
    for (int i = 0; i < int(c.boxes.size()); ++i) {
        const int tag = kTagHistoryDate + i;
        TTaxEdit* box = BoxOf(tag);
        ASSERT_TRUE(box);
        EXPECT_EQ(box->text().toStdString(), c.boxes[std::size_t(i)]) << tag;
        const bool disabled = std::find(c.disabled.begin(), c.disabled.end(), tag) != c.disabled.end();
        EXPECT_EQ(box->isEnabled(), !disabled) << tag;
        EXPECT_TRUE(box->isReadOnly()) << tag;
    }
    EXPECT_EQ(run.store().FieldChecked(kTagReceiptGainThisYear), c.gainThisYear);
}

INSTANTIATE_TEST_SUITE_P(Qcgt59, CostHistorySummary, ::testing::ValuesIn(kSummaryCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CostHistoryTest, WorksheetViewShowsTheHistoryGrid) {
    StoreOn(kSharesHistory, [](FieldStore& s) {
        Parcel1990(s);
        Returns(s, {{"10/10/2002", "3000.00"}});
    });
    ShowOnAsset(kSharesHistory);
    EXPECT_EQ(Control<QLabel>("DescLabel")->text(), QStringLiteral("Parcel of 1,000 shares"));
    // An "SN" parcel: a non-active asset of the shares and units type.
    EXPECT_TRUE(Control<QRadioButton>("NonActiveRadio")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("ActiveRadio")->isChecked());
    EXPECT_TRUE(Control<QRadioButton>("SharesRadio")->isChecked());

    ClickRadio("WorksheetViewRadio");
    EXPECT_TRUE(PanelShown("WorksheetPanel"));
    EXPECT_FALSE(PanelShown("TaxpayerPanel"));
    EXPECT_EQ(BoxOf(kTagBaseDate)->text(), QStringLiteral("15/03/1990"));
    // The cost, the totals at the payment, the payment, its adjustments, the
    // adjusted cost bases and the three carried cost bases, in date order.
    const struct {
        int row;
        const char* description;
        const char* code;
        int col;
        const char* amount;
    } rows[] = {
        {1, "Purchase", "1", 13, "  12230.00"},
        {2, "Total Cost bases at 10/10/2002", "9", 20, "  12230.00"},
        {3, "Capital receipt", "B", 16, "3000.00"},
        {4, "Receipt adjustments at 10/10/2002", "X", 19, "   3000.00"},
        {5, "Adjusted Costbase 10/10/2002", "Y", 20, "   9230.00"},
        {6, "Cost base - Indexed at 10/10/2002", "1A", 7, "   9230.00"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CellText(4, r.row), r.description) << r.row;
        EXPECT_EQ(CellText(5, r.row), r.code) << r.row;
        EXPECT_EQ(CellText(r.col, r.row), r.amount) << r.row;
    }
    // Nothing in it can be typed over.
    ClickCell(4, 1);
    QTest::keyClicks(Grid()->Editor(), QStringLiteral("xyz"));
    Key(Qt::Key_Tab);
    EXPECT_EQ(CellText(4, 1), "Purchase");

    ClickRadio("TaxpayerViewRadio");
    EXPECT_TRUE(PanelShown("TaxpayerPanel"));
    EXPECT_FALSE(PanelShown("WorksheetPanel"));
}

// Leaving the shares screen: a date in the history before 20/09/1985 keeps
// the user there with the cursor on its row.
struct LeaveCase {
    const char* name;
    int screen;
    AssetSetup asset;
    int row;  // 0: the screen is left
};

// A second cost, incurred and paid on the given dates.
void AddCost(FieldStore& s, const char* incurred, const char* paid) {
    TextList costs = *s.GetFieldLst(kTagCostElements);
    costs.insert(costs.end(),
                 {"2A - Incidentals re holding & acquisition", incurred, paid, "Stamp duty", "95.00", "", "", ""});
    s.SetFieldLst(kTagCostElements, std::make_shared<TextList>(costs));
}
AssetSetup WithCost(const char* incurred, const char* paid) {
    return [incurred, paid](FieldStore& s) {
        Parcel1990(s);
        Returns(s, {{"10/10/2002", "3000.00"}});
        AddCost(s, incurred, paid);
    };
}

const LeaveCase kLeaveCases[] = {
    {"IncurredBeforeCgt", kSharesHistory, WithCost("01/03/1984", "01/03/1984"), 1},
    // Sorted by its incurred date after the purchase, paid before CGT.
    {"PaidBeforeCgt", kSharesHistory, WithCost("01/06/1990", "10/05/1985"), 2},
    {"OnTheFirstDay", kSharesHistory, WithCost("20/09/1985", "20/09/1985"), 0},
    {"TrustScreenDoesNotCheck", kTrustHistory,
     [](FieldStore& s) {
         Units1990(s, {{"15/08/2002", "30/06/2003", "200.00"}});
         AddCost(s, "01/03/1984", "01/03/1984");
     },
     0},
};

class CostHistoryLeaving : public CostHistoryTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(CostHistoryLeaving, Next) {
    const LeaveCase& c = GetParam();
    StoreOn(c.screen, c.asset);
    ShowOnAsset(c.screen);
    Next();
    if (!c.row) {
        EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
        EXPECT_EQ(frame->CurrentScreenNumber(), c.screen + 1);
        return;
    }
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kMsgPreCgt});
    ASSERT_EQ(frame->CurrentScreenNumber(), c.screen);
    // The row is shown in the Worksheet View with the cursor on it, in the
    // first column it can stand in (the dates cannot be entered).
    EXPECT_TRUE(PanelShown("WorksheetPanel"));
    EXPECT_EQ(FocusHolder(), "XGrid1");
    EXPECT_EQ(Grid()->Row(), c.row);
    EXPECT_EQ(Grid()->Col(), 4);
    EXPECT_EQ(CellText(4, c.row), "Stamp duty");
}

INSTANTIATE_TEST_SUITE_P(Qcgt59, CostHistoryLeaving, ::testing::ValuesIn(kLeaveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CostHistoryTest, PrevSkipsTheDateCheck) {
    StoreOn(kSharesHistory, WithCost("01/03/1984", "01/03/1984"));
    ShowOnAsset(kSharesHistory);
    // Prev opens with the first Next, refused here.
    Next();
    ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{kMsgPreCgt});
    dialogs.shown.clear();
    Click(frame->PrevButton());
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(frame->CurrentScreenNumber(), 2007);
}

// Every working tag of instance 1 of a type: its type, text and list lines.
std::vector<std::string> InstanceFields(FieldStore& source, int type) {
    FieldStore copy;
    copy.MutableSlotAt(ListFieldOf(type)) = source.SlotAt(ListFieldOf(type));
    copy.LoadInstance(type, 1);
    std::vector<std::string> fields;
    for (int tag : WorkingTags()) {
        if (copy.FieldType(tag) == dtNone) continue;
        std::string f = std::to_string(tag) + ":" + std::to_string(copy.FieldType(tag)) + ":" + copy.FieldAsText(tag);
        if (const TextListPtr list = copy.GetFieldLst(tag))
            for (const std::string& line : *list) f += "|" + line;
        fields.push_back(f);
    }
    return fields;
}

struct StoreCase {
    const char* name;
    int screen;
    HistoryTwin twin;
    AssetSetup asset;
};

const StoreCase kStoreCases[] = {
    {"Shares", kSharesHistory, HistoryTwin::Shares,
     [](FieldStore& s) {
         Parcel1990(s);
         Returns(s, {{"10/10/2002", "3000.00"}, {"20/11/2002", "8000.00"}});
     }},
    {"Trusts", kTrustHistory, HistoryTwin::TrustInterests,
     [](FieldStore& s) {
         Units1990(s, {{"15/08/2002", "30/06/2003", "200.00"}, {"15/01/2003", "10/01/2003", "50"}});
     }},
};

class CostHistoryStore : public CostHistoryTest, public ::testing::WithParamInterface<StoreCase> {};

TEST_P(CostHistoryStore, LeavesWhatTheReplayLeaves) {
    const StoreCase& c = GetParam();
    const int type = BlockTypeOf(c.screen);
    FieldStore expected;
    c.asset(expected);
    expected.StoreInstance(type, 1);
    CalculateCostBaseHistoryInstance(expected, c.twin, type, 1);

    StoreOn(c.screen, c.asset);
    ShowOnAsset(c.screen);
    ClickRadio("WorksheetViewRadio");
    Next();
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    ASSERT_EQ(frame->CurrentScreenNumber(), c.screen + 1);
    EXPECT_EQ(InstanceFields(run.store(), type), InstanceFields(expected, type));
}

INSTANTIATE_TEST_SUITE_P(Qcgt59, CostHistoryStore, ::testing::ValuesIn(kStoreCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt::test
