#include <gtest/gtest.h>

#include "calc/asset_worksheet.h"
#include "worksheet_fixture.h"

namespace cgt {
namespace {

using test::kBlank;
using test::kZero;
using test::WorksheetStore;

// Cost 10000 acquired 01/07/2001 (no indexation), balancing adjustment event
// 15/08/2002 (held over a year: discount).
void Computer(WorksheetStore& w, long double termination) {
    w.Text(710, "Computer");
    w.Text(714, "ON");
    w.Text(726, "01/07/2001");
    w.Amount(715, 10000);
    w.Text(739, "15/08/2002");
    w.Amount(742, termination);
}

struct DepCase {
    const char* name;
    std::function<void(WorksheetStore&)> setup;
    // Stored gains: indexed 1132, discount 1135, other 1138, loss 1141.
    long double indexed, discount, other, loss;
    std::map<int, long double> amounts;
    std::map<int, std::string> texts;
};

class DepreciatingCases : public ::testing::TestWithParam<DepCase> {};

TEST_P(DepreciatingCases, StoresScaledGains) {
    const DepCase& c = GetParam();
    WorksheetStore w;
    c.setup(w);
    CalculateDepreciatingWorksheet(w.store);
    EXPECT_EQ(w.Val(1132), c.indexed) << "indexed gain";
    EXPECT_EQ(w.Val(1135), c.discount) << "discount gain";
    EXPECT_EQ(w.Val(1138), c.other) << "other gain";
    EXPECT_EQ(w.Val(1141), c.loss) << "capital loss";
    for (const auto& [tag, value] : c.amounts) EXPECT_EQ(w.Val(tag), value) << "field " << tag;
    for (const auto& [tag, text] : c.texts) EXPECT_EQ(w.Str(tag), text) << "field " << tag;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DepreciatingCases,
    ::testing::Values(
        // 14000 - 10000 = 4000 before scaling; 80% taxable use leaves
        // Round(20 x 4000 / 100) = 800. The scaled loss is negative, so the
        // loss column goes; the other column goes as discount applies.
        DepCase{"TaxableUse",
                [](WorksheetStore& w) {
                    Computer(w, 14000);
                    w.Text(711, "80.00%");
                },
                kBlank,
                800,
                kBlank,
                kBlank,
                {{717, 10000},
                 {1127, 4000},
                 {1172, 800},
                 {1134, 10000},
                 {1133, 14000},
                 {716, kBlank},
                 {1131, kBlank},
                 {1137, kBlank},
                 {1139, kBlank}},
                {{1161, "80.00%"}, {1149, ""}, {1167, ""}}},
        // Reductions 3000 of a decline of 12000: 25%, a quarter of 4000.
        DepCase{"ReductionsOfDecline",
                [](WorksheetStore& w) {
                    Computer(w, 14000);
                    w.Amount(712, 3000);
                    w.Amount(713, 12000);
                },
                kBlank,
                1000,
                kBlank,
                kBlank,
                {{1172, 1000}},
                {{1167, "25.00%"}, {1161, ""}}},
        // Neither taxable use nor reductions: nothing to scale by.
        DepCase{"NothingToScaleBy",
                [](WorksheetStore& w) { Computer(w, 14000); },
                kBlank,
                kBlank,
                kBlank,
                kBlank,
                {{1127, 4000}, {1172, kBlank}},
                {}},
        // A typed 0% taxable use: the whole gain, not none.
        DepCase{"TypedZeroTaxableUse",
                [](WorksheetStore& w) {
                    Computer(w, 14000);
                    w.Text(711, "0.00%");
                },
                kBlank,
                4000,
                kBlank,
                kBlank,
                {},
                {{1161, "0.00%"}}},
        // Termination value below cost: loss 4000 before scaling, 800 after;
        // the gains come to nothing.
        DepCase{"Loss",
                [](WorksheetStore& w) {
                    Computer(w, 6000);
                    w.Text(711, "80.00%");
                },
                kBlank,
                kBlank,
                kBlank,
                800,
                {{1144, 4000}, {1194, 800}, {747, 10000}, {1139, 10000}, {1140, 6000}, {1127, kZero}, {1137, kBlank}},
                {{1165, "80.00%"}}},
        // Indexation from 1990: the worksheet's indexed cost base 12230 less
        // the non-indexed 10000 is the indexation component 2230, more than
        // the scaled gain of 800: the indexed gain is the explicit zero, and
        // the indexed cost base stored is 2230 + 10000.
        DepCase{"IndexationComponent",
                [](WorksheetStore& w) {
                    Computer(w, 14000);
                    w.Text(711, "80.00%");
                    w.Text(726, "01/03/1990");
                    w.Costs({{"1", "01/03/1990", "", "Computer", "10000.00", "", "", ""}});
                },
                kZero,
                800,
                kBlank,
                kBlank,
                {{1131, 12230}, {1171, 800}, {749, 4000}, {1134, 10000}},
                {{1149, "80.00%"}}},
        // A small component leaves a real indexed gain: termination 30000,
        // 20000 before scaling, 4000 after; 4000 - 2230 = 1770.
        DepCase{"IndexedGain",
                [](WorksheetStore& w) {
                    Computer(w, 30000);
                    w.Text(711, "80.00%");
                    w.Text(726, "01/03/1990");
                    w.Costs({{"1", "01/03/1990", "", "Computer", "10000.00", "", "", ""}});
                },
                1770,
                4000,
                kBlank,
                kBlank,
                {{1131, 12230}},
                {{1143, kMsgChooseMethod}}},
        // No event date: every column blank and its stored cost cleared.
        DepCase{"NoEvent",
                [](WorksheetStore& w) {
                    Computer(w, 0);
                    w.Text(739, "");
                },
                kBlank,
                kBlank,
                kBlank,
                kBlank,
                {{1131, kBlank}, {1134, kBlank}, {1137, kBlank}, {1139, kBlank}, {717, kBlank}},
                {{1142, kMsgNoGainOrLoss}}}),
    [](const ::testing::TestParamInfo<DepCase>& info) { return info.param.name; });

TEST(DepreciatingWorksheet, ActiveTypeMessageAsksLater) {
    WorksheetStore w;
    Computer(w, 14000);
    w.Text(714, "OA");
    w.Text(711, "80.00%");
    const AssetWorksheetResult r = CalculateDepreciatingWorksheet(w.store);
    EXPECT_EQ(w.Str(1142), kMsgSmallBusinessDepreciating);
    EXPECT_EQ(r.message1, kMsgSmallBusinessDepreciating);
    for (int tag : {1130, 716, 749, 1149, 1166, 1171, 1132}) EXPECT_TRUE(r.IsDisabled(tag)) << tag;
    EXPECT_FALSE(r.IsDisabled(1135));
}

}  // namespace
}  // namespace cgt
