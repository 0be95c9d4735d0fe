#include "calc/concessions.h"

#include <gtest/gtest.h>

#include "calc/cgt_schedule.h"
#include "choice_fixture.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

class ConcessionsTest : public ::testing::Test, protected test::ChoiceFixture {};

std::vector<std::string> ElectionRow(const char* discountGain, const char* a, const char* e, const char* o) {
    return {"Shop", "", discountGain, "", a, e, o, "454", "1"};
}

TEST_F(ConcessionsTest, ElectionsCannotExceedHalfTheGain) {
    struct Case {
        const char *a, *e, *o;
        const char* message;
        int column;
    } cases[] = {
        {"500", "", "", nullptr, 0},
        {"501", "", "", "Check amount. SBAA concession cannot be greater than 50% of net capital gain.", 4},
        {"", "501", "", "Check amount. SBRE concession cannot be greater than 50% of net capital gain.", 5},
        {"", "", "501", "Check amount. SBRO concession cannot be greater than 50% of net capital gain.", 6},
        {"500", "500", "", nullptr, 0},
        {"400", "400", "300", "Check amounts. Total concession cannot be greater than 50% of net capital gain.", 4},
    };
    for (const auto& c : cases) {
        ConcessionElections g;
        g.rows = {{"", "", "", "", "", "", "", "", ""}, ElectionRow("1000", c.a, c.e, c.o)};
        const auto failure = g.Validate();
        if (!c.message) {
            EXPECT_FALSE(failure) << c.a << "/" << c.e << "/" << c.o;
            continue;
        }
        ASSERT_TRUE(failure) << c.a << "/" << c.e << "/" << c.o;
        EXPECT_EQ(failure->message, c.message);
        EXPECT_EQ(failure->row, 1);
        EXPECT_EQ(failure->column, c.column);
    }
}

TEST_F(ConcessionsTest, ElectionsAreStoredWithTheAssetAndTotalledIntoTheSchedule) {
    AddWorksheet(454, "Shop", "RA", {{1135, 1000}}, {1196});
    store.LoadInstance(kScheduleType, 1);
    store.SetFieldVal(1112, 1000);  // discount column after losses
    store.SetFieldVal(1115, 500);   // the CGT discount
    store.SetFieldVal(kTagTotalGains, 1000);
    store.StoreInstance(kScheduleType, 1);
    store.SetFieldLst(kTagConcessionGains,
                      std::make_shared<TextList>(TextList{"Shop", "", "500.00", "", "", "", "", "454", "1"}));

    ConcessionElections g;
    g.Show(store);
    ASSERT_EQ(g.rows.size(), 1u);
    g.rows[0][4] = "250";
    g.Next(store);
    EXPECT_EQ(WorksheetList(454, 1, 719), (TextList{"SBAA concessions", "250", "", ""}));
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, 1117), 250);
    // 1129 = 1000 - (500 + 250)
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, 1129), 250);
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 250);

    // Shown again, the stored election comes back.
    ConcessionElections again;
    again.Show(store);
    EXPECT_EQ(again.rows[0][4], "250");

    // Concessions that use up the whole gain leave an explicit zero.
    again.rows[0][4] = "250";
    again.rows[0][5] = "250";
    again.Next(store);
    EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), 0.0011L);
}

TEST_F(ConcessionsTest, FifteenYearExemptionListsActiveAssetsWithoutALoss) {
    AddWorksheet(451, "Big", "SA", {{1135, 9000}}, {746, 1196});
    AddWorksheet(454, "Small", "RA", {{1132, 2000}}, {746, 1196});
    AddWorksheet(454, "Loss", "RA", {{1141, 100}}, {746, 1196});
    AddWorksheet(454, "Not elected", "RA", {{1132, 3000}}, {1196});
    AddWorksheet(455, "Personal", "P", {{1138, 3000}}, {746, 1196});
    FifteenYearExemption g;
    g.Show(store);
    ASSERT_EQ(g.rows.size(), 2u);
    EXPECT_EQ(g.rows[0], (std::vector<std::string>{"Small", "R", "      2000"}));
    EXPECT_EQ(g.rows[1], (std::vector<std::string>{"Big", "S", "      9000"}));
    g.Next(store);
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, 1134), 11000);
    EXPECT_EQ(WorksheetText(kScheduleType, 1, 1135), "R");
}

TEST_F(ConcessionsTest, ScripForScripRows) {
    ScripForScrip none;
    none.Show(store);
    EXPECT_TRUE(none.rows.empty());
    none.Next(store);
    store.LoadInstance(kScheduleType, 1);
    EXPECT_TRUE(store.FieldChecked(1167));
    EXPECT_FALSE(store.FieldChecked(1136));
    EXPECT_EQ(store.GetFieldVal(1137), 0);
    store.StoreInstance(kScheduleType, 1);

    AddWorksheet(451, "Takeover", "SN", {{1134, 4000}, {1133, 10000}}, {724}, {{1148, "Yes"}});
    AddWorksheet(451, "Not deferred", "SN", {{1134, 4000}, {1133, 10000}}, {724}, {{1148, "No"}});
    ScripForScrip g;
    g.Show(store);
    ASSERT_EQ(g.rows.size(), 1u);
    EXPECT_EQ(g.rows[0][1], "      4000");
    EXPECT_EQ(g.rows[0][4], "     10000");
    g.rows[0][2] = "9000";
    g.rows[0][3] = "999";
    ASSERT_TRUE(g.Validate());
    EXPECT_EQ(g.Validate()->message,
              "Market value of replacement plus other consideration must equal total capital proceeds.");
    EXPECT_EQ(g.Validate()->column, 2);
    g.rows[0][3] = "1000";
    EXPECT_FALSE(g.Validate());
    g.Next(store);
    EXPECT_EQ(WorksheetValue(451, 1, 1146), 9000);
    EXPECT_EQ(WorksheetValue(451, 1, 1147), 1000);
    store.LoadInstance(kScheduleType, 1);
    EXPECT_TRUE(store.FieldChecked(1136));
    EXPECT_FALSE(store.FieldChecked(1167));
    EXPECT_EQ(store.GetFieldVal(1137), 4000);
    EXPECT_EQ(store.GetFieldVal(1138), 9000);
    EXPECT_EQ(store.GetFieldVal(1139), 1000);
    store.StoreInstance(kScheduleType, 1);
}

TEST_F(ConcessionsTest, RowsReadBackFromTheGridKeepTheirPlace) {
    AddWorksheet(451, "Takeover", "SN", {{1134, 4000}, {1133, 10000}}, {724}, {{1148, "Yes"}});
    ScripForScrip shown;
    shown.Show(store);
    // The grid as the screen shows the rows, with an empty row added above
    // them and the amounts typed into the row's cells.
    GridModel grid(7, 3);
    grid.LoadFromList(shown.ToList());
    grid.InsertRow(1);
    grid.SetCell(2, 2, "9000");
    grid.SetCell(3, 2, "999");

    ScripForScrip edited;
    edited.rows = GridRows(grid);
    ASSERT_EQ(edited.rows.size(), 3u);
    EXPECT_EQ(edited.rows[1][0], "Takeover");
    const auto failure = edited.Validate();
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->row + 1, 2);  // the grid's row
    grid.SetCell(3, 2, "1000");
    edited.rows = GridRows(grid);
    EXPECT_FALSE(edited.Validate());
    edited.Next(store);
    EXPECT_EQ(WorksheetValue(451, 1, 1146), 9000);
    EXPECT_EQ(WorksheetValue(451, 1, 1147), 1000);
    EXPECT_EQ(shown.ToList(), (std::vector<std::string>{"Takeover", "      4000", "         0", "         0",
                                                        "     10000", "451", "1"}));
}

}  // namespace
}  // namespace cgt
