#include "calc/asset_worksheet.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "worksheet_fixture.h"

namespace cgt {
namespace {

using test::CostRow;
using test::kBlank;
using test::kZero;
using test::WorksheetStore;

constexpr int kShares = 451;
constexpr int kRealEstate = 454;
constexpr int kPersonal = 455;

const CostRow kShares1990{"1 - Purchase/Acquisition cost", "01/03/1990", "", "Parcel", "10000.00", "", "", ""};

// The three columns of gains and the loss, as stored: indexed, discount,
// other, loss (blank 0, explicit zero kZero).
struct Gains {
    long double indexed, discount, other, loss;
};

struct WorksheetCase {
    const char* name;
    int worksheetType;
    std::function<void(WorksheetStore&)> setup;
    Gains gains;
    // Further stored amounts to check.
    std::map<int, long double> amounts;
    const char* message1;  // nullptr: cleared
    const char* message2;
};

class AssetWorksheetCases : public ::testing::TestWithParam<WorksheetCase> {};

TEST_P(AssetWorksheetCases, StoresGainsCostBasesAndMessages) {
    const WorksheetCase& c = GetParam();
    WorksheetStore w;
    c.setup(w);
    CalculateAssetWorksheet(w.store, c.worksheetType);
    EXPECT_EQ(w.Val(1132), c.gains.indexed) << "indexed gain";
    EXPECT_EQ(w.Val(1135), c.gains.discount) << "discount gain";
    EXPECT_EQ(w.Val(1138), c.gains.other) << "other gain";
    EXPECT_EQ(w.Val(1141), c.gains.loss) << "capital loss";
    for (const auto& [tag, value] : c.amounts) EXPECT_EQ(w.Val(tag), value) << "field " << tag;
    if (c.message1)
        EXPECT_EQ(w.Str(1142), c.message1);
    else
        EXPECT_TRUE(w.store.FieldIsEmpty(1142)) << w.Str(1142);
    if (c.message2)
        EXPECT_EQ(w.Str(1143), c.message2);
    else
        EXPECT_TRUE(w.store.FieldIsEmpty(1143)) << w.Str(1143);
}

// Base 01/03/1990 (CPI 100.9), event 15/08/2002 (CPI 123.4): factor 1.223,
// indexed cost 12230.
void Held1990(WorksheetStore& w, long double proceeds) {
    w.Text(710, "BHP");
    w.Text(714, "SN");
    w.Text(726, "01/03/1990");
    w.Costs({kShares1990});
    w.Text(739, "15/08/2002");
    w.Amount(742, proceeds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AssetWorksheetCases,
    ::testing::Values(
        // 20000 - 12230 = 7770 indexed, 20000 - 10000 = 10000 discount; the
        // other column goes, and both methods call for the choice message.
        WorksheetCase{"BothMethods",
                      kShares,
                      [](WorksheetStore& w) { Held1990(w, 20000); },
                      {7770, 10000, kBlank, kBlank},
                      {{1106, 10000},
                       {1107, 12230},
                       {1108, 10000},
                       {1112, 10000},
                       {1113, 12230},
                       {1114, 10000},
                       {1115, kZero},
                       {1118, 10000},
                       {1119, 12230},
                       {1120, 10000},
                       {1122, 123.4L},
                       {1123, 20000},
                       {1130, 20000},
                       {1131, 12230},
                       {1133, 20000},
                       {1134, 10000},
                       {1136, kBlank},
                       {1137, kBlank},
                       {1139, kBlank}},
                      nullptr,
                      kMsgChooseMethod},
        // Active type: the small business message.
        WorksheetCase{"ActiveType",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(714, "SA");
                      },
                      {7770, 10000, kBlank, kBlank},
                      {},
                      kMsgSmallBusiness,
                      kMsgChooseMethod},
        WorksheetCase{"FifteenYearExemption",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(714, "SA");
                          w.Check(746);
                      },
                      {7770, 10000, kBlank, kBlank},
                      {},
                      kMsgFifteenYear,
                      kMsgChooseMethod},
        WorksheetCase{"MarriageBreakdown",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(714, "SA");
                          w.Check(720);
                          w.Check(722);
                      },
                      {7770, 10000, kBlank, kBlank},
                      {},
                      kMsgDisregarded,
                      kMsgChooseMethod},
        WorksheetCase{"RollOverChoice",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Check(720);
                          w.Check(723);
                      },
                      {7770, 10000, kBlank, kBlank},
                      {},
                      kMsgRollOverChoice,
                      kMsgChooseMethod},
        // Event before the income year: no choice message.
        WorksheetCase{"EventBeforeIncomeYear",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(739, "30/06/2002");
                      },
                      {7770, 10000, kBlank, kBlank},
                      {},
                      nullptr,
                      nullptr},
        // Held from 01/07/2001 to 01/07/2002: not a full year (the day after
        // the anniversary is needed), so only the other method: 15000 - 10000.
        WorksheetCase{"TwelveMonthsNotReached",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/07/2001");
                          w.Costs({{"1", "01/07/2001", "", "Parcel", "10000.00", "", "", ""}});
                          w.Text(739, "01/07/2002");
                          w.Amount(742, 15000);
                      },
                      {kBlank, kBlank, 5000, kBlank},
                      {{1137, 10000}},
                      nullptr,
                      nullptr},
        // One day later: discount applies; indexation does not (acquired after
        // 21/09/1999).
        WorksheetCase{"TwelveMonthsReached",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/07/2001");
                          w.Costs({{"1", "01/07/2001", "", "Parcel", "10000.00", "", "", ""}});
                          w.Text(739, "02/07/2002");
                          w.Amount(742, 15000);
                      },
                      {kBlank, 5000, kBlank, kBlank},
                      {{1134, 10000}, {1137, kBlank}},
                      nullptr,
                      nullptr},
        // Acquired 21/09/1999 after 11.45am: no indexation.
        WorksheetCase{"Acquired21Sep1999After1145",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "21/09/1999");
                          w.Check(727);
                          w.Costs({{"1", "21/09/1999", "", "Parcel", "10000.00", "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 15000);
                      },
                      {kBlank, 5000, kBlank, kBlank},
                      {},
                      nullptr,
                      nullptr},
        // The same date before 11.45am keeps indexation: September quarter
        // 1999 is already 123.4, so the factor is 1 and both gains are 5000.
        WorksheetCase{"Acquired21Sep1999Before1145",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "21/09/1999");
                          w.Costs({{"1", "21/09/1999", "", "Parcel", "10000.00", "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 15000);
                      },
                      {5000, 5000, kBlank, kBlank},
                      {{1131, 10000}},
                      nullptr,
                      kMsgChooseMethod},
        // Event 21/09/1999 before 11.45am (741): no discount. Indexed cost
        // base 12230 (Sept quarter 1999 123.4 / March 1990 100.9): 15000 - 12230.
        WorksheetCase{"Event21Sep1999Before1145",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 15000);
                          w.Text(739, "21/09/1999");
                          w.Check(741);
                      },
                      {2770, kBlank, kBlank, kBlank},
                      {{1133, kBlank}, {1134, kBlank}},
                      nullptr,
                      nullptr},
        WorksheetCase{"Event21Sep1999After1145",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 15000);
                          w.Text(739, "21/09/1999");
                      },
                      {2770, 5000, kBlank, kBlank},
                      {},
                      nullptr,
                      nullptr},
        // Half of the asset disposed of; 9500 of ordinary costs and 500 of
        // "2B" costs (September quarter 1999 on: factor 1). Cost bases
        // Round(50 x 9500 / 100 + 500) = 5250; gains 20000 - 5250 = 14750.
        WorksheetCase{"PartialDisposal",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/07/1999");
                          w.Costs({{"1", "01/07/1999", "", "Parcel", "9500.00", "", "", ""},
                                   {"2B - Incidentals re specific CGT event", "01/08/2002", "", "Brokerage", "500.00",
                                    "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 20000);
                          w.Amount(743, 50);
                      },
                      {14750, 14750, kBlank, kBlank},
                      {{1119, 10000}, {1131, 5250}, {1134, 5250}, {1124, 50}},
                      nullptr,
                      kMsgChooseMethod},
        // 100 of 400 days not exempt: a quarter of each gain. 7770 / 4 =
        // 1942.5, which goes to the even dollar 1942; 10000 / 4 = 2500.
        WorksheetCase{"MainResidence",
                      kRealEstate,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(714, "RN");
                          w.Amount(744, 100);
                          w.Amount(745, 400);
                      },
                      {1942, 2500, kBlank, kBlank},
                      {{1125, 100}, {1126, 400}},
                      nullptr,
                      kMsgChooseMethod},
        // Personal-use asset sold at a loss: the loss is disregarded (shown as
        // the explicit zero); its "3A" costs never enter the cost base. The
        // discount gain 6000 - 10000 comes to nothing (explicit zero).
        WorksheetCase{"PersonalUseLoss",
                      kPersonal,
                      [](WorksheetStore& w) {
                          w.Text(714, "P ");
                          w.Text(726, "01/03/2000");
                          w.Costs({{"1", "01/03/2000", "", "Boat", "10000.00", "", "", ""},
                                   {"3A - Non-capital costs of ownership", "01/06/2001", "", "Mooring", "300.00", "",
                                    "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 6000);
                      },
                      {kBlank, kZero, kBlank, kZero},
                      {{1106, 10000}, {1139, 10000}, {1140, 6000}},
                      kMsgNoGainOrLoss,
                      nullptr},
        // The "3A" costs of other assets count, unindexed, in the cost base
        // and the non-indexed column but not in the reduced cost base.
        WorksheetCase{"NonCapitalCostsOfOtherAssets",
                      kShares,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Costs({kShares1990, {"3A", "01/06/2001", "", "Interest", "300.00", "", "", ""}});
                      },
                      {7470, 9700, kBlank, kBlank},
                      {{1106, 10300}, {1107, 12530}, {1108, 10000}},
                      nullptr,
                      kMsgChooseMethod},
        // Amounts ending in .50 round to the even dollar: 100.50 -> 100 and
        // 101.50 -> 102; the reduced column keeps the cents (202.00).
        WorksheetCase{"HalfToEvenDollar",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/03/2000");
                          w.Costs({{"1", "01/03/2000", "", "A", "100.50", "", "", ""},
                                   {"2A", "01/03/2000", "", "B", "101.50", "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 1000);
                      },
                      {kBlank, 798, kBlank, kBlank},
                      {{1106, 202}, {1108, 202}},
                      nullptr,
                      nullptr},
        // A cost element of 0.00: the total is the explicit zero, not blank.
        WorksheetCase{"ZeroColumnTotal",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/03/2000");
                          w.Costs({{"1", "01/03/2000", "", "Gift", "0.00", "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 1000);
                      },
                      {kBlank, 1000, kBlank, kBlank},
                      {{1106, kZero}, {1107, kZero}, {1108, kZero}, {1112, kBlank}},
                      nullptr,
                      nullptr},
        // Balancing adjustments: 6C adjusts both cost bases, 3B and 6R the
        // reduced one; none of them is a worksheet row.
        WorksheetCase{"BalancingAdjustments",
                      kRealEstate,
                      [](WorksheetStore& w) {
                          Held1990(w, 20000);
                          w.Text(714, "RN");
                          w.Costs({kShares1990,
                                   {"6C", "01/05/2002", "", "Adj", "-150.00", "", "", ""},
                                   {"3B", "01/05/2002", "", "Charge", "-40.00", "", "", ""},
                                   {"6R", "01/05/2002", "", "Adj", "-60.00", "", "", ""}});
                      },
                      {7920, 10150, kBlank, kBlank},
                      {{1109, -150}, {1110, -150}, {1111, -100}, {1112, 9850}, {1113, 12080}, {1114, 9900}},
                      nullptr,
                      kMsgChooseMethod},
        // A cost in February 1985 falls in a quarter without a CPI figure:
        // factor 1, so the indexed cost base stays 10000.
        WorksheetCase{"Cost1985WithoutFigure",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "15/02/1985");
                          w.Costs({{"1", "15/02/1985", "", "Parcel", "10000.00", "", "", ""}});
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 20000);
                      },
                      {10000, 10000, kBlank, kBlank},
                      {{1107, 10000}, {1131, 10000}},
                      nullptr,
                      kMsgChooseMethod},
        // The 1997 CPI falls: a cost of March 1997 (120.5) against an event
        // of September 1997 (119.7) keeps factor 1; the March 1996 cost
        // (119.0) indexes by 1.00588 -> 1.006 to 10060. 20000 - 11060 = 8940;
        // no discount before 21/09/1999.
        WorksheetCase{"Falling1997CPI",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "15/03/1996");
                          w.Costs({{"1", "15/03/1996", "", "Parcel", "10000.00", "", "", ""},
                                   {"4", "15/03/1997", "", "Works", "1000.00", "", "", ""}});
                          w.Text(739, "15/09/1997");
                          w.Amount(742, 20000);
                      },
                      {8940, kBlank, kBlank, kBlank},
                      {{1107, 11060}, {1122, 119.7L}},
                      nullptr,
                      nullptr},
        // Received under a roll-over: the replaced asset's acquisition
        // (730, 1990) is the base date, so indexation stays open although the
        // asset itself was acquired in 2001. The entered cost base dated
        // 01/03/2001 indexes by 1: 20000 - 12000 and 20000 - 10000.
        WorksheetCase{"RollOverKeepsOriginalDate",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/03/2001");
                          w.Text(729, "01/03/2001");
                          w.Text(730, "01/03/1990");
                          w.Amount(734, 12000);
                          w.Amount(735, 10000);
                          w.Amount(736, 10000);
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 20000);
                      },
                      {8000, 10000, kBlank, kBlank},
                      {},
                      nullptr,
                      kMsgChooseMethod},
        // The replaced asset acquired on 21/09/1999 after 11.45am (732): no
        // indexation.
        WorksheetCase{"RollOver21Sep1999After1145",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/03/2001");
                          w.Text(729, "01/03/2001");
                          w.Text(730, "21/09/1999");
                          w.Check(732);
                          w.Amount(734, 12000);
                          w.Amount(735, 10000);
                          w.Amount(736, 10000);
                          w.Text(739, "15/08/2002");
                          w.Amount(742, 20000);
                      },
                      {kBlank, 10000, kBlank, kBlank},
                      {},
                      nullptr,
                      nullptr},
        // Capital loss: proceeds below the reduced cost base; the other
        // column goes.
        WorksheetCase{"CapitalLoss",
                      kShares,
                      [](WorksheetStore& w) { Held1990(w, 4000); },
                      {kZero, kZero, kBlank, 6000},
                      {{1139, 10000}, {1140, 4000}},
                      nullptr,
                      nullptr},
        // No event date: every column disabled and blank.
        WorksheetCase{"NoEvent",
                      kShares,
                      [](WorksheetStore& w) {
                          w.Text(714, "SN");
                          w.Text(726, "01/03/1990");
                          w.Costs({kShares1990});
                      },
                      {kBlank, kBlank, kBlank, kBlank},
                      {{1130, kBlank}, {1131, kBlank}, {1139, kBlank}, {1123, kBlank}},
                      kMsgNoGainOrLoss,
                      nullptr},
        // An event with a typed zero as proceeds: no event for the gains, so
        // no full year and neither indexation nor discount; the loss is the
        // reduced cost base.
        WorksheetCase{"ZeroProceedsWithEventDate",
                      kShares,
                      [](WorksheetStore& w) { Held1990(w, kExplicitZero); },
                      {kBlank, kBlank, kBlank, 10000},
                      {{1123, kBlank}, {1139, 10000}, {1140, kBlank}},
                      nullptr,
                      nullptr}),
    [](const ::testing::TestParamInfo<WorksheetCase>& info) { return info.param.name; });

class AssetWorksheetTest : public ::testing::Test {
protected:
    WorksheetStore w;
};

TEST_F(AssetWorksheetTest, WorksheetAndRegisterRowsCarryTheirCells) {
    Held1990(w, 20000);
    w.Check(723);
    CalculateAssetWorksheet(w.store, kShares);

    ASSERT_EQ(w.ListRows(1105, 12), 1u);
    EXPECT_EQ(w.ListRow(1105, 12, 0),
              (std::vector<std::string>{"01/03/1990", "Parcel", "  10000.00", "      0.00", "  10000.00", "",
                                        "    100.90", "", "     1.223", "  12230.00", "      0.00", "  10000.00"}));
    ASSERT_EQ(w.ListRows(1102, 11), 2u);
    EXPECT_EQ(w.ListRow(1102, 11, 0),
              (std::vector<std::string>{"", "01/03/1990", "", "Parcel", "1", "", "10000.00", "", "", "", ""}));
    EXPECT_EQ(w.ListRow(1102, 11, 1), (std::vector<std::string>{"15/08/2002", "15/08/2002", "", "Capital proceeds", "O",
                                                                "O", "  20000.00", "", "", "C", ""}));
    EXPECT_TRUE(w.store.FieldChecked(1196));
    EXPECT_EQ(w.Str(1101), "01/03/1990");
    EXPECT_EQ(w.Str(1121), "15/08/2002");
    for (int tag : {1106, 1107, 1108, 1112, 1119, 1122, 1124}) EXPECT_EQ(w.store.FieldType(tag), dtCurrencyCnt) << tag;
    EXPECT_EQ(w.store.FieldType(1142), dtString);
}

TEST_F(AssetWorksheetTest, MethodSelectionDisablesColumns) {
    Held1990(w, 20000);
    const AssetWorksheetResult r = CalculateAssetWorksheet(w.store, kShares);
    for (int tag : {1136, 1137, 1138, 1139, 1140, 1141}) EXPECT_TRUE(r.IsDisabled(tag)) << tag;
    for (int tag : {1130, 1131, 1132, 1133, 1134, 1135}) EXPECT_FALSE(r.IsDisabled(tag)) << tag;
    EXPECT_EQ(r.activeChoice, 1);
    EXPECT_EQ(r.typeChoice, 0);
    EXPECT_TRUE(r.showReceiptGains);
    EXPECT_EQ(r.message2, kMsgChooseMethod);
}

TEST_F(AssetWorksheetTest, PartialDisposalNoteShowsWhatRemains) {
    w.Text(714, "SN");
    w.Text(726, "01/07/1999");
    w.Costs({{"1", "01/07/1999", "", "Parcel", "9500.00", "", "", ""},
             {"2B", "01/08/2002", "", "Brokerage", "500.00", "", "", ""}});
    w.Text(739, "15/08/2002");
    w.Amount(742, 20000);
    w.Amount(743, 50);
    const AssetWorksheetResult r = CalculateAssetWorksheet(w.store, kShares);
    EXPECT_TRUE(r.partialDisposal);
    // Round(50 x (10000 - 500) / 100) for each cost base.
    EXPECT_EQ(r.remainingIndexed, 4750);
    EXPECT_EQ(r.remainingNonIndexed, 4750);
    EXPECT_EQ(r.remainingReduced, 4750);

    for (long double pct : {100.0L, 0.0L}) {
        w.Amount(743, pct);
        EXPECT_FALSE(CalculateAssetWorksheet(w.store, kShares).partialDisposal) << double(pct);
        EXPECT_EQ(w.Val(1131), 10000);
    }
}

TEST_F(AssetWorksheetTest, AdjustedCostBaseStartsTheWorksheet) {
    // The history left adjusted cost bases dated 10/10/2002; only costs after
    // that date are added.
    w.Text(714, "SN");
    w.Text(726, "15/03/1990");
    w.Costs({{"1", "15/03/1990", "", "Parcel", "10000.00", "", "", ""},
             {"2B", "11/10/2002", "", "Brokerage", "100.00", "", "", ""}});
    w.Text(1151, "10/10/2002");
    w.Amount(1152, 7000);
    w.Amount(1153, 9230);
    w.Amount(1154, 7000);
    w.Amount(1155, 1000);
    w.Receipts({{"10/10/2002", "", "Return of capital", "3000.00", "", ""}});
    w.Text(739, "15/11/2002");
    w.Amount(742, 12000);
    CalculateAssetWorksheet(w.store, kShares);

    ASSERT_EQ(w.ListRows(1105, 12), 4u);
    EXPECT_EQ(w.ListRow(1105, 12, 0)[1], "Adjusted cost base - indexed");
    EXPECT_EQ(w.ListRow(1105, 12, 0)[0], "10/10/2002");
    EXPECT_EQ(w.ListRow(1105, 12, 1)[1], "Adjusted cost base - discount/non-indexed");
    EXPECT_EQ(w.ListRow(1105, 12, 2)[1], "Adjusted reduced cost base");
    EXPECT_EQ(w.ListRow(1105, 12, 3)[1], "Brokerage");
    EXPECT_EQ(w.ListRow(1102, 11, 0)[3], "Adjusted Cost base - indexed");
    EXPECT_EQ(w.ListRow(1102, 11, 0)[4], "1A");
    // 9230 + 100 = 9330 indexed, 7000 + 100 = 7100 non-indexed.
    EXPECT_EQ(w.Val(1119), 9330);
    EXPECT_EQ(w.Val(1118), 7100);
    EXPECT_EQ(w.Val(1120), 7100);
    EXPECT_EQ(w.Val(1132), 12000 - 9330);
    EXPECT_EQ(w.Val(1135), 12000 - 7100);
    // Shown, not recomputed.
    EXPECT_EQ(w.Val(1155), 1000);
}

TEST_F(AssetWorksheetTest, AdjustmentsOfRemovedReceiptsAreDropped) {
    // The history left adjusted cost bases, then every receipt was removed:
    // the history screen is no longer shown, and the worksheet starts from
    // the costs again.
    Held1990(w, 20000);
    w.Text(1151, "10/10/2002");
    w.Amount(1152, 7000);
    w.Amount(1153, 9230);
    w.Amount(1154, 7000);
    w.Amount(1155, 1000);
    w.Check(1198);
    CalculateAssetWorksheet(w.store, kShares);
    EXPECT_EQ(w.Str(1151), "");
    EXPECT_EQ(w.Val(1153), kBlank);
    EXPECT_EQ(w.Val(1155), kBlank);
    EXPECT_FALSE(w.store.FieldChecked(1198));
    EXPECT_EQ(w.Val(1132), 7770);
    EXPECT_EQ(w.Val(1135), 10000);

    // Other kinds of asset have no history and keep what they hold.
    WorksheetStore v;
    Held1990(v, 20000);
    v.Amount(1155, 1000);
    CalculateAssetWorksheet(v.store, kRealEstate);
    EXPECT_EQ(v.Val(1155), 1000);
}

TEST_F(AssetWorksheetTest, EnteredCostBaseIsDatedByItsCalculation) {
    // Cost base from a will, calculated 30/06/1995 (June quarter, CPI 116.2): factor
    // 123.4 / 116.2 = 1.0619... -> 1.062.
    w.Text(714, "SN");
    w.Text(726, "01/01/1995");
    w.Text(729, "30/06/1995");
    w.Amount(734, 5000);
    w.Amount(735, 4000);
    w.Amount(736, 3000);
    w.Text(739, "15/08/2002");
    w.Amount(742, 9000);
    CalculateAssetWorksheet(w.store, kShares);
    ASSERT_EQ(w.ListRows(1105, 12), 3u);
    EXPECT_EQ(w.ListRow(1105, 12, 0),
              (std::vector<std::string>{"30/06/1995", "Cost base - indexed", "   5000.00", "", "", "   5000.00",
                                        "    116.20", "    123.40", "     1.062", "   5310.00", "", ""}));
    EXPECT_EQ(w.Val(1119), 5310);
    EXPECT_EQ(w.Val(1118), 4000);
    EXPECT_EQ(w.Val(1120), 3000);
    EXPECT_EQ(w.Val(1132), 9000 - 5310);
    EXPECT_EQ(w.Val(1135), 9000 - 4000);
}

TEST_F(AssetWorksheetTest, EnteredCostBaseWithoutIndexedAmountHasNoIndexation) {
    w.Text(714, "SN");
    w.Text(726, "01/01/1995");
    w.Text(729, "01/07/1995");
    w.Amount(735, 4000);
    w.Text(739, "15/08/2002");
    w.Amount(742, 9000);
    const AssetWorksheetResult r = CalculateAssetWorksheet(w.store, kShares);
    EXPECT_FALSE(r.indexationAvailable);
    EXPECT_EQ(w.Val(1132), kBlank);
    EXPECT_EQ(w.Val(1135), 5000);
}

TEST_F(AssetWorksheetTest, FactorsOfTheZeroAndFallingQuartersShowOne) {
    w.Text(714, "SN");
    w.Text(726, "15/02/1985");
    w.Costs({{"1", "15/02/1985", "", "Parcel", "10000.00", "", "", ""}});
    w.Text(739, "15/08/2002");
    w.Amount(742, 20000);
    CalculateAssetWorksheet(w.store, kShares);
    EXPECT_EQ(w.ListRow(1105, 12, 0)[6], "      0.00");
    EXPECT_EQ(w.ListRow(1105, 12, 0)[8], "     1.000");
    EXPECT_EQ(w.ListRow(1105, 12, 0)[9], "  10000.00");
}

TEST_F(AssetWorksheetTest, CostBaseDateIsTheAcquisitionWhenLater) {
    // The cost base was calculated before the asset was acquired: the
    // acquisition date (June quarter 1995, 116.2) dates it.
    w.Text(714, "SN");
    w.Text(726, "30/06/1995");
    w.Text(729, "01/01/1995");
    w.Amount(734, 5000);
    w.Amount(735, 5000);
    w.Amount(736, 5000);
    w.Text(739, "15/08/2002");
    w.Amount(742, 9000);
    CalculateAssetWorksheet(w.store, kShares);
    EXPECT_EQ(w.ListRow(1105, 12, 0)[0], "30/06/1995");
    EXPECT_EQ(w.Val(1119), 5310);
}

TEST_F(AssetWorksheetTest, EventWithoutProceedsShowsItsOwnDate) {
    Held1990(w, 0);
    CalculateAssetWorksheet(w.store, kShares);
    EXPECT_FALSE(w.store.FieldChecked(1196));
    EXPECT_EQ(w.Str(1121), "15/08/2002");
    EXPECT_EQ(w.Val(1122), 123.4L);
    // No event row in the register.
    EXPECT_EQ(w.ListRows(1102, 11), 1u);
}

TEST_F(AssetWorksheetTest, DatesThatDoNotConvertNeverStopTheCalculation) {
    // A cost row with a broken date is taken in without indexation; a cost
    // base without any date is indexed from nowhere (factor 1).
    w.Text(714, "SN");
    w.Text(726, "01/03/1990");
    w.Costs({kShares1990, {"2A", "31/02/1999", "", "Fees", "100.00", "", "", ""}});
    w.Text(739, "15/08/2002");
    w.Amount(742, 20000);
    CalculateAssetWorksheet(w.store, kShares);
    EXPECT_EQ(w.Val(1119), 12230 + 100);
    EXPECT_EQ(w.Val(1118), 10100);

    WorksheetStore v;
    v.Text(714, "SN");
    v.Amount(734, 5000);
    v.Amount(735, 5000);
    v.Text(739, "15/08/2002");
    v.Amount(742, 9000);
    CalculateAssetWorksheet(v.store, kShares);
    EXPECT_EQ(v.ListRow(1105, 12, 0)[8], "     1.000");
    EXPECT_EQ(v.Val(1119), 5000);
}

TEST_F(AssetWorksheetTest, InstanceIsCalculatedAndPackedBack) {
    Held1990(w, 20000);
    w.store.StoreInstance(kShares, 1);
    CalculateAssetWorksheetInstance(w.store, kShares, 1);
    EXPECT_EQ(w.store.FieldAsText(1132), "");  // working tags emptied
    w.store.LoadInstance(kShares, 1);
    EXPECT_EQ(w.Val(1132), 7770);
    EXPECT_EQ(w.Val(1135), 10000);
    EXPECT_EQ(w.Str(710), "BHP");
}

}  // namespace
}  // namespace cgt
