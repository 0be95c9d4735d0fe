#include "calc/cgt_schedule.h"

#include <gtest/gtest.h>

#include <map>

#include "choice_fixture.h"

namespace cgt {
namespace {

class CgtScheduleTest : public ::testing::Test, protected test::ChoiceFixture {
protected:
    // The whole Next of the choice table with every automatic choice taken.
    void Compute() {
        ChoiceTable t;
        t.Build(store);
        LossApplication losses(t, store);
        losses.ApplyAutomatically();
        t.WriteBack(store);
        ComputeCgtSchedule(store, t, losses);
    }
    long double Box(int tag) { return WorksheetValue(kScheduleType, 1, tag); }
    void ExpectBoxes(const std::map<int, long double>& expected) {
        for (const auto& [tag, v] : expected) EXPECT_EQ(Box(tag), v) << "box " << tag;
    }
};

TEST_F(CgtScheduleTest, ShareGainLessCurrentYearOtherLoss) {
    AddManual({"Shares", "SN", "1000", "", "", "", "No", ""});
    AddManual({"Other shares", "SN", "", "", "", "300", "No", ""});
    Compute();
    ExpectBoxes({{711, 1000},
                 {732, 1000},
                 {735, 300},
                 {738, 300},
                 {739, 300},
                 {742, 300},
                 {743, 0},
                 {1101, 300},
                 {1104, 300},
                 {1105, 700},
                 {1111, 700},
                 {1128, 700},
                 {1131, 700},
                 {1133, 0}});
    EXPECT_EQ(store.GetFieldVal(kTagTotalGains), 1000);
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 700);
    EXPECT_EQ(store.GetFieldVal(kTagLossesCarriedForward), 0);
    EXPECT_EQ(WorksheetText(kScheduleType, 1, 710), "Capital gains tax (CGT) schedule 2001");
}

TEST_F(CgtScheduleTest, CollectableDiscountGainAfterCollectableLoss) {
    AddManual({"Painting", "A", "", "1001", "", "", "No", ""});
    store.SetFieldVal(kTagPriorCollectableLosses, 200);
    Compute();
    // Gross 1001 less the 200 applied; half of 801 is 400.5, truncated to 400.
    ExpectBoxes({{721, 801}, {733, 801}, {1106, 801}, {1114, 400}, {1126, 400}, {1129, 401}, {1131, 401}});
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 401);
}

TEST_F(CgtScheduleTest, OtherLossesSplitIntoThisYearAndEarlierYears) {
    AddManual({"Index", "SN", "300", "", "", "", "No", ""});
    AddManual({"Discount", "SN", "", "500", "", "", "No", ""});
    AddManual({"Loss", "RN", "", "", "", "500", "No", ""});
    store.SetFieldVal(kTagPriorOtherLosses, 400);
    Compute();
    // 800 applied: this year's 500 covers the index column's 300, then 200 of
    // the discount column; the remaining 300 there came from earlier years.
    ExpectBoxes({{739, 300},
                 {740, 200},
                 {741, 0},
                 {743, 0},
                 {744, 300},
                 {742, 500},
                 {746, 300},
                 {736, 500},
                 {1105, 0},
                 {1106, 0},
                 {1133, 100}});
    EXPECT_EQ(store.GetFieldVal(kTagLossesCarriedForward), 100);
}

TEST_F(CgtScheduleTest, DeferredGainAddsNothing) {
    AddWorksheet(454, "Farm", "RN", {{1132, 5000}}, {1196, 720, 722});
    Compute();
    for (int tag : {714, 732, 733, 734, 1105, 1111, 1131}) EXPECT_EQ(Box(tag), 0) << tag;
    EXPECT_EQ(store.GetFieldVal(kTagTotalGains), 0);
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 0);
}

TEST_F(CgtScheduleTest, GainsCancelledByCollectableLossesShowAnExplicitZero) {
    AddManual({"Painting", "A", "500", "", "", "", "No", ""});
    store.SetFieldVal(kTagPriorCollectableLosses, 500);
    Compute();
    EXPECT_EQ(Box(720), 0);
    EXPECT_EQ(store.GetFieldVal(kTagTotalGains), 0.0011L);
    EXPECT_EQ(store.FieldAsText(kTagTotalGains), "0");
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 0);
}

TEST_F(CgtScheduleTest, ConcessionPartsSurviveARecompute) {
    store.LoadInstance(kScheduleType, 1);
    store.SetFieldVal(1117, 250);
    store.SetFieldVal(1134, 7000);
    store.StoreInstance(kScheduleType, 1);
    AddManual({"Shop", "RA", "", "1000", "", "", "No", ""});
    Compute();
    // 1000 discount gain: discount 500 (1115), SBAAR 250 (1117).
    ExpectBoxes({{727, 1000}, {1109, 1000}, {1115, 500}, {1117, 250}, {1126, 750}, {1129, 250}, {1134, 7000}});
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 250);
}

}  // namespace
}  // namespace cgt
