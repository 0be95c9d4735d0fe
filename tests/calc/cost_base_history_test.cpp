#include "calc/cost_base_history.h"

#include <gtest/gtest.h>

#include "worksheet_fixture.h"

namespace cgt {
namespace {

using test::kBlank;
using test::WorksheetStore;

constexpr int kHistoryCols = 23;

// Summary boxes 1151-1160 and check box 1198 after the replay.
struct Summary {
    const char* date;
    long double nonIndexed, indexed, reduced;
    long double discountCurrent, discountPrior, indexedCurrent, indexedPrior, otherCurrent, otherPrior;
    bool currentGain;
};

struct HistoryCase {
    const char* name;
    HistoryTwin twin;
    std::function<void(WorksheetStore&)> setup;
    Summary expected;
};

// Shares bought for 10000 on 15/03/1990 (CPI 100.9), entered as a cost.
void Parcel1990(WorksheetStore& w) {
    w.Text(710, "Parcel");
    w.Text(714, "SN");
    w.Text(726, "15/03/1990");
    w.Costs({{"1 - Purchase/Acquisition cost", "15/03/1990", "", "Purchase", "10000.00", "", "", ""}});
    w.Text(748, "G1");
}

std::vector<std::string> ShareReceipt(const char* date, const char* amount) {
    return {date, "", "Return of capital", amount, "", ""};
}
// Trust receipt: payment date, event date, tax-free and tax-deferred amounts.
std::vector<std::string> TrustReceipt(const char* paid, const char* event, const char* taxFree, const char* deferred) {
    return {paid, event, "Distribution", "", "", taxFree, "", deferred};
}

class CostBaseHistoryCases : public ::testing::TestWithParam<HistoryCase> {};

TEST_P(CostBaseHistoryCases, StoresAdjustedCostBasesAndGains) {
    const HistoryCase& c = GetParam();
    WorksheetStore w;
    c.setup(w);
    CalculateCostBaseHistory(w.store, c.twin);
    const Summary& s = c.expected;
    EXPECT_EQ(w.Str(1151), s.date);
    const long double expected[9] = {s.nonIndexed,      s.indexed,       s.reduced,
                                     s.discountCurrent, s.discountPrior, s.indexedCurrent,
                                     s.indexedPrior,    s.otherCurrent,  s.otherPrior};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(w.Val(1152 + i), expected[i]) << "field " << 1152 + i;
    EXPECT_EQ(w.store.FieldChecked(1198), s.currentGain);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CostBaseHistoryCases,
    ::testing::Values(
        // Return of capital 3000 on 10/10/2002: the cost is indexed to the
        // December 2002 quarter (123.4 / 100.9 -> 1.223, 12230); totals
        // 10000 / 12230 / 10000 less 3000 each: 7000 / 9230 / 7000, no gain.
        HistoryCase{"OneReturnOfCapital",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("10/10/2002", "3000.00")});
                    },
                    {"10/10/2002", 7000, 9230, 7000, 0, 0, 0, 0, 0, 0, false}},
        // A second return of 8000 on 20/11/2002 starts from the carried rows
        // (11/10/2002, factor 1): non-indexed 7000 - 8000 -> 0 and a
        // current-year discount gain of 1000; indexed 9230 - 8000 = 1230;
        // reduced 7000 - 8000 -> 0.
        HistoryCase{"SecondReturnExceedsCostBase",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("10/10/2002", "3000.00"), ShareReceipt("20/11/2002", "8000.00")});
                    },
                    {"20/11/2002", 0, 1230, 0, 1000, 0, 0, 0, 0, 0, true}},
        // An excess before 01/07/2002 is a prior-year gain: 10000 - 12000
        // gives 2000 prior; indexed 12230 - 12000 = 230 remains.
        HistoryCase{"PriorYearExcess",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("10/10/2001", "12000.00")});
                    },
                    {"10/10/2001", 0, 230, 0, 0, 2000, 0, 0, 0, 0, false}},
        // Excess over the indexed cost base too: 14000 against 12230 gives an
        // indexed gain of 1770 and a discount gain of 4000.
        HistoryCase{"IndexedExcess",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("10/10/2002", "14000.00")});
                    },
                    {"10/10/2002", 0, 0, 0, 4000, 0, 1770, 0, 0, 0, true}},
        // Discount unavailable (event on 21/09/1999 before 11.45am): the
        // discount gains move to the other columns.
        HistoryCase{"DiscountUnavailable",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Text(739, "21/09/1999");
                        w.Check(741);
                        w.Receipts({ShareReceipt("10/10/2002", "14000.00")});
                    },
                    {"10/10/2002", 0, 0, 0, 0, 0, 1770, 0, 4000, 0, true}},
        // Indexation unavailable (acquired 21/09/1999 after 11.45am): no
        // indexed gains.
        HistoryCase{"IndexationUnavailable",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Text(726, "21/09/1999");
                        w.Check(727);
                        w.Costs({{"1", "21/09/1999", "", "Purchase", "10000.00", "", "", ""}});
                        w.Receipts({ShareReceipt("10/10/2002", "14000.00")});
                    },
                    {"10/10/2002", 0, 0, 0, 4000, 0, 0, 0, 0, 0, true}},
        // A receipt of 1000 on 31/03/1998 (March quarter 120.3): the cost
        // indexes by 120.3 / 100.9 = 1.1922 -> 1.192 to 11920; carried
        // 9000 / 10920 / 9000. The shares twin indexes the carried
        // cost base from 01/04/1998 (June quarter 121.0): 123.4 / 121.0 =
        // 1.0198 -> 1.020, Round(10920 x 1.020) = 11138; less 500: 10638.
        HistoryCase{"SharesCarryFromTheNextDay",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("31/03/1998", "1000.00"), ShareReceipt("30/06/2003", "500.00")});
                    },
                    {"30/06/2003", 8500, 10638, 8500, 0, 0, 0, 0, 0, 0, false}},
        // The trust twin indexes it from 31/03/1998 itself (March quarter
        // 120.3): 123.4 / 120.3 = 1.0258 -> 1.026, Round(10920 x 1.026) =
        // Round(11203.92) = 11204; less 500: 10704.
        HistoryCase{"TrustsCarryFromTheReceiptDay",
                    HistoryTwin::TrustInterests,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Text(748, "E4");
                        w.Receipts({TrustReceipt("31/03/1998", "31/03/1998", "", "1000.00"),
                                    TrustReceipt("15/08/2002", "30/06/2003", "", "500.00")});
                    },
                    {"30/06/2003", 8500, 10704, 8500, 0, 0, 0, 0, 0, 0, false}},
        // Two trust payments with the same date of CGT event, one after the
        // other, are one receipt: tax-deferred 200 + 300 reduces all cost
        // bases, tax-free 100 + 50 only the reduced one.
        HistoryCase{"TrustSameEventDateMerged",
                    HistoryTwin::TrustInterests,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Text(748, "E4");
                        w.Receipts({TrustReceipt("15/08/2002", "30/06/2003", "100.00", "200.00"),
                                    TrustReceipt("15/03/2003", "30/06/2003", "50.00", "300.00")});
                    },
                    {"30/06/2003", 9500, 11730, 9350, 0, 0, 0, 0, 0, 0, false}},
        // Shares receipts on the same date are combined too, so the second
        // is not taken as a gain in full: as one return of 3000.
        HistoryCase{"SharesSameDateCombined",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({ShareReceipt("10/10/2002", "1000.00"), ShareReceipt("10/10/2002", "2000.00")});
                    },
                    {"10/10/2002", 7000, 9230, 7000, 0, 0, 0, 0, 0, 0, false}},
        // An excluded part of a receipt does not reduce the cost bases.
        HistoryCase{"ExcludedPartOfReceipt",
                    HistoryTwin::Shares,
                    [](WorksheetStore& w) {
                        Parcel1990(w);
                        w.Receipts({{"10/10/2002", "", "Return", "3000.00", "500.00", ""}});
                    },
                    {"10/10/2002", 7500, 9730, 7500, 0, 0, 0, 0, 0, 0, false}}),
    [](const ::testing::TestParamInfo<HistoryCase>& info) { return info.param.name; });

class CostBaseHistoryTest : public ::testing::Test {
protected:
    WorksheetStore w;
    std::vector<std::string> Row(int row) { return w.ListRow(1199, kHistoryCols, row); }
};

TEST_F(CostBaseHistoryTest, GridShowsThePassInDateOrder) {
    Parcel1990(w);
    w.Receipts({ShareReceipt("10/10/2002", "3000.00")});
    CalculateCostBaseHistory(w.store, HistoryTwin::Shares);

    // The cost, the totals (code "9" sorts before the receipt "B"), the
    // receipt, its adjustments and adjusted cost base, then the carried rows.
    ASSERT_EQ(w.ListRows(1199, kHistoryCols), 8u);
    const std::vector<std::string> cost = Row(0);
    EXPECT_EQ(cost[0], "15/03/1990");
    EXPECT_EQ(cost[5], "1");
    EXPECT_EQ(cost[9], "  10000.00");
    EXPECT_EQ(cost[10], "     100.9");
    EXPECT_EQ(cost[11], "     123.4");
    EXPECT_EQ(cost[12], "     1.223");
    EXPECT_EQ(cost[13], "  12230.00");
    EXPECT_EQ(cost[15], "  10000.00");
    EXPECT_EQ(cost[22], "*");
    EXPECT_EQ(Row(1)[4], "Total Cost bases at 10/10/2002");
    EXPECT_EQ(Row(1)[5], "9");
    EXPECT_EQ(Row(1)[20], "  12230.00");
    EXPECT_EQ(Row(2)[5], "B");
    EXPECT_EQ(Row(2)[6], "G1");
    EXPECT_EQ(Row(2)[16], "3000.00");
    EXPECT_EQ(Row(2)[22], "*");
    EXPECT_EQ(Row(3)[4], "Receipt adjustments at 10/10/2002");
    EXPECT_EQ(Row(4)[4], "Adjusted Costbase 10/10/2002");
    EXPECT_EQ(Row(4)[19], "   7000.00");
    EXPECT_EQ(Row(5)[4], "Cost base - Indexed at 10/10/2002");
    EXPECT_EQ(Row(5)[0], "11/10/2002");
    EXPECT_EQ(Row(5)[1], "11/10/2002");
    EXPECT_EQ(Row(5)[7], "   9230.00");
    EXPECT_EQ(Row(5)[22], "");
    EXPECT_EQ(Row(6)[4], "Cost base - non-indexed  at 10/10/2002");
    EXPECT_EQ(Row(7)[4], "Reduced cost base at 10/10/2002");
}

TEST_F(CostBaseHistoryTest, TrustTwinLabelsAndDates) {
    Parcel1990(w);
    w.Amount(734, 0);
    w.Receipts({TrustReceipt("31/03/1998", "31/03/1998", "", "1000.00")});
    CalculateCostBaseHistory(w.store, HistoryTwin::TrustInterests);
    ASSERT_EQ(w.ListRows(1199, kHistoryCols), 8u);
    EXPECT_EQ(Row(1)[4], "Cost bases at 31/03/1998");
    EXPECT_EQ(Row(2)[16], "0");
    EXPECT_EQ(Row(2)[17], "-1000");
    EXPECT_EQ(Row(2)[18], "-1000");
    EXPECT_EQ(Row(5)[0], "01/04/1998");
    EXPECT_EQ(Row(5)[1], "31/03/1998");
}

TEST_F(CostBaseHistoryTest, TrustSameDatesApartStaySeparate) {
    Parcel1990(w);
    w.Receipts({TrustReceipt("15/08/2002", "30/06/2003", "", "200.00"),
                TrustReceipt("10/05/1997", "10/05/1997", "", "100.00"),
                TrustReceipt("15/03/2003", "30/06/2003", "", "300.00")});
    CalculateCostBaseHistory(w.store, HistoryTwin::TrustInterests);
    int receiptRows = 0;
    for (std::size_t r = 0; r < w.ListRows(1199, kHistoryCols); ++r)
        if (Row(int(r))[5] == "B") ++receiptRows;
    EXPECT_EQ(receiptRows, 3);
}

TEST_F(CostBaseHistoryTest, NoReceiptsShowsStartingRowsAndClearsStaleResults) {
    // An adjusted cost base left by an earlier showing whose receipts are gone.
    w.Text(714, "SN");
    w.Text(726, "15/03/1990");
    w.Text(729, "15/03/1990");
    w.Amount(734, 5000);
    w.Amount(735, 4000);
    w.Amount(736, 3000);
    w.Costs({{"2A", "15/03/1990", "", "Fees", "100.00", "", "", ""}});
    w.Text(1151, "10/10/2002");
    w.Amount(1152, 7000);
    w.Amount(1153, 9230);
    w.Amount(1154, 7000);
    w.Amount(1155, 1000);
    w.Check(1198);
    const CostBaseHistoryResult r = CalculateCostBaseHistory(w.store, HistoryTwin::Shares);
    EXPECT_EQ(r.receiptsProcessed, 0);
    // Only the starting rows: with no receipt no cost enters the history.
    ASSERT_EQ(w.ListRows(1199, kHistoryCols), 3u);
    EXPECT_EQ(Row(0)[4], "Cost base - indexed");
    EXPECT_EQ(Row(0)[5], "1A");
    EXPECT_EQ(Row(0)[7], "   5000.00");
    EXPECT_EQ(Row(1)[4], "Cost base - non-indexed");
    EXPECT_EQ(Row(2)[4], "Reduced cost base");
    EXPECT_EQ(w.Str(1151), "");
    for (int t = 1152; t <= 1160; ++t) EXPECT_EQ(w.Val(t), kBlank) << t;
    EXPECT_FALSE(w.store.FieldChecked(1198));
}

TEST_F(CostBaseHistoryTest, DisablesTheGainsOfAnUnavailableMethod) {
    Parcel1990(w);
    w.Check(741);
    w.Text(739, "21/09/1999");
    w.Receipts({ShareReceipt("10/10/2002", "3000.00")});
    const CostBaseHistoryResult r = CalculateCostBaseHistory(w.store, HistoryTwin::Shares);
    EXPECT_TRUE(r.IsDisabled(1155));
    EXPECT_TRUE(r.IsDisabled(1156));
    EXPECT_FALSE(r.IsDisabled(1157));
    EXPECT_FALSE(r.discountAvailable);
}

TEST_F(CostBaseHistoryTest, LeavingCheckFindsDatesBeforeCgt) {
    Parcel1990(w);
    w.Costs({{"1", "15/03/1985", "", "Purchase", "10000.00", "", "", ""}});
    w.Receipts({ShareReceipt("10/10/2002", "3000.00")});
    CalculateCostBaseHistory(w.store, HistoryTwin::Shares);
    EXPECT_EQ(FirstHistoryRowBeforeCgt(w.store), std::optional<int>(1));

    WorksheetStore v;
    Parcel1990(v);
    v.Receipts({ShareReceipt("10/10/2002", "3000.00")});
    CalculateCostBaseHistory(v.store, HistoryTwin::Shares);
    EXPECT_EQ(FirstHistoryRowBeforeCgt(v.store), std::nullopt);
}

}  // namespace
}  // namespace cgt
