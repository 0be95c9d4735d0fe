// The small business 15-year exemption (screen 2105) through the real
// frame: the list built from the asset worksheets when the screen is shown,
// and Part J of the schedule written on Next.
#include "concessions_fixture.h"

namespace cgt::test {
namespace {

enum { kDescription, kAssetType, kGain };

class FifteenYearTest : public ConcessionScreenTest {
protected:
    std::vector<std::vector<std::string>> Shown() const {
        std::vector<std::vector<std::string>> rows;
        for (int r = 1; r < Grid()->rowCount(); ++r)
            rows.push_back({CellText(kDescription, r), CellText(kAssetType, r), CellText(kGain, r)});
        return rows;
    }
    std::string ExemptionCode() {
        return Stored(kWsSchedule, [](FieldStore& s) { return s.GetFieldStr(kTagSchedExemptionCode); });
    }
};

TEST_F(FifteenYearTest, ListsTheActiveAssetsWithAGainAndTotalsThemIntoPartJ) {
    AddAsset({kWsShares, "Family company shares", "SA", {{kTagDiscountGain, 9000}}, {kTagFifteenYearExemption}});
    AddAsset({kWsRealEstate, "Farm", "RA", {{kTagIndexedGain, 2000}}, {kTagFifteenYearExemption}});
    AddAsset({kWsRealEstate, "Workshop sold at a loss", "RA", {{kTagCapitalLoss, 100}}, {kTagFifteenYearExemption}});
    AddAsset({kWsRealEstate, "Not elected", "RA", {{kTagIndexedGain, 3000}}});
    AddAsset({kWsPersonalUse, "Boat", "P ", {{kTagOtherGain, 3000}}, {kTagFifteenYearExemption}});
    AddAsset({kWsOtherAssets, "Goodwill of the bakery", "G ", {{kTagOtherGain, 500}}, {kTagFifteenYearExemption}});
    // What the grid held when the screen was last left is not kept.
    run.store().SetFieldLst(kTagFifteenYearGrid,
                            std::make_shared<TextList>(TextList{"Sold last time", "S", "      7000"}));
    ShowFromChoices(2105);
    // By gain, smallest first.
    EXPECT_EQ(Shown(), (std::vector<std::vector<std::string>>{{"Goodwill of the bakery", "G", "500"},
                                                              {"Farm", "R", "2000"},
                                                              {"Family company shares", "S", "9000"}}));
    EXPECT_EQ(Grid()->ColumnTotal(kGain), 11500);
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2106);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(Schedule(kTagSchedExemptGains), 11500);
    EXPECT_EQ(ExemptionCode(), "G");  // the first row's
}

TEST_F(FifteenYearTest, NothingToExempt) {
    AddAsset({kWsShares, "Shares", "SN", {{kTagDiscountGain, 9000}}, {kTagFifteenYearExemption}});
    SetSchedule({{kTagSchedExemptGains, 4000}});
    ShowFromChoices(2105);
    EXPECT_EQ(Shown(), (std::vector<std::vector<std::string>>{{"", "", ""}}));
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2106);
    EXPECT_EQ(Schedule(kTagSchedExemptGains), 0);
    EXPECT_EQ(ExemptionCode(), "");
}

}  // namespace
}  // namespace cgt::test
