#include "calc/concessions.h"

#include <gtest/gtest.h>

#include "calc/calc_chain.h"
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

// The gains of trust distribution and manual calculation rows have no
// worksheet: their elections are kept in the cells of their own row.
TEST_F(ConcessionsTest, ElectionsOfTrustAndManualRowsAreKeptInTheirRows) {
    // A trust with an active-asset gain by each method, then a second trust
    // with a discounted one; a manual row before an active one.
    AddTrust("Alpha", {"", "", "", "", "", "", "100", "100", "100"});
    AddTrust("Beta", {"", "", "", "", "", "", "", "50"});
    AddManual({"Land", "RN", "", "900", "", "", "", ""});
    AddManual({"Shop", "RA", "", "2000", "", "", "", ""});
    store.SetFieldLst(kTagConcessionGains,
                      std::make_shared<TextList>(
                          TextList{"Alpha - Trust SBAA/Ind", "200.00", "",        "",       "", "", "", "1215", "0",  //
                                   "Alpha - Trust SBAA/Dis", "",       "200.00",  "",       "", "", "", "1215", "0",  //
                                   "Alpha - Trust SBAA/Oth", "",       "",        "200.00", "", "", "", "1215", "0",  //
                                   "Beta - Trust SBAA/Dis",  "",       "100.00",  "",       "", "", "", "1215", "1",  //
                                   "Shop - Disposal",        "",       "1000.00", "",       "", "", "", "1201", "1"}));
    ConcessionElections g;
    g.Show(store);
    ASSERT_EQ(g.rows.size(), 5u);
    const struct {
        int row;
        const char *a, *e, *o;
    } typed[] = {{0, "100", "", ""}, {1, "90", "", ""}, {2, "80", "", ""}, {3, "50", "", ""}, {4, "200", "150", "100"}};
    for (const auto& t : typed) {
        auto& row = g.rows[std::size_t(t.row)];
        row[4] = t.a, row[5] = t.e, row[6] = t.o;
    }
    ASSERT_FALSE(g.Validate());
    g.Next(store);

    const TextList trusts = *store.GetFieldLst(kTagTrustTable);
    const TextList manual = *store.GetFieldLst(kTagManualTable);
    const struct {
        const TextList& list;
        std::size_t cell;
        const char* kept;
    } cells[] = {
        {trusts, 38, "100"},     {trusts, 39, "90"},       {trusts, 40, "80"},       {trusts, 41 + 38, ""},
        {trusts, 41 + 39, "50"}, {trusts, 41 + 40, ""},    {manual, 17, ""},         {manual, 18, ""},
        {manual, 19, ""},        {manual, 21 + 17, "200"}, {manual, 21 + 18, "150"}, {manual, 21 + 19, "100"},
    };
    for (const auto& c : cells) EXPECT_EQ(c.list[c.cell], c.kept) << c.cell;
    // Every other cell as it was; no worksheet of the tables' own.
    EXPECT_EQ(trusts.size(), 2u * kTrustRowCells);
    EXPECT_EQ(trusts[7], "100");
    EXPECT_EQ(manual[21 + choice::kDiscountGain], "2000");
    EXPECT_TRUE(store.FieldIsEmpty(ListFieldOf(kTagTrustTable)));
    EXPECT_TRUE(store.FieldIsEmpty(ListFieldOf(kTagManualTable)));
    // Part G by each gain's method: 100 indexed; 90 + 50 + 200 discount; 80 other.
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedReductionIndexed), 100);
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedReductionDiscount), 340);
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedReductionOther), 80);
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedRetirementDiscount), 150);
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedRollOverDiscount), 100);

    // Handed on afresh by the choice table, the gains show their elections again.
    ConcessionElections again;
    again.Show(store);
    for (const auto& t : typed) {
        const auto& row = again.rows[std::size_t(t.row)];
        EXPECT_EQ(row[4], t.a) << t.row;
        EXPECT_EQ(row[5], t.e) << t.row;
        EXPECT_EQ(row[6], t.o) << t.row;
    }
}

TEST_F(ConcessionsTest, RowsSavedWithoutElectionCellsShowNone) {
    // A trust row and a manual row as returns saved before keep them, and a
    // gain whose row is not in its table (the table changed since).
    AddTrust("Alpha", {"", "", "", "", "", "", "", "100"});
    AddManual({"Shop", "RA", "", "2000", "", "", "", ""});
    store.SetFieldLst(kTagConcessionGains, std::make_shared<TextList>(TextList{
                                               "Alpha - Trust SBAA/Dis", "", "200.00",  "", "", "", "", "1215", "0",  //
                                               "Shop - Disposal",        "", "1000.00", "", "", "", "", "1201", "0",  //
                                               "Gone - Disposal",        "", "400.00",  "", "", "", "", "1201", "5"}));
    const TextList trusts = *store.GetFieldLst(kTagTrustTable);
    ConcessionElections g;
    g.Show(store);
    ASSERT_EQ(g.rows.size(), 3u);
    for (const auto& row : g.rows)
        for (std::size_t c = 4; c <= 6; ++c) EXPECT_EQ(row[c], "") << row[0] << " " << c;
    g.rows[1][4] = "500";
    g.rows[2][4] = "200";
    g.Next(store);
    EXPECT_EQ(*store.GetFieldLst(kTagTrustTable), trusts);
    EXPECT_EQ(store.GetFieldLst(kTagManualTable)->size(), std::size_t(choice::kColumnCount));
    EXPECT_EQ((*store.GetFieldLst(kTagManualTable))[kManualFirstElectionCol], "500");
    // The schedule counts what the grid shows.
    EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedReductionDiscount), 700);
}

TEST_F(ConcessionsTest, ATrustGainTakesOnlyTheActiveAssetReduction) {
    const struct {
        const char *a, *e, *o;
        int column;  // 0: accepted
    } cases[] = {
        {"100", "", "", 0}, {"100", "0", "0.00", 0}, {"", "100", "", 5},
        {"", "", "100", 6}, {"50", "50", "50", 5},   {"101", "50", "", 4},
    };
    for (const auto& c : cases) {
        ConcessionElections g;
        g.rows = {{"Shop - Disposal", "", "1000.00", "", "", "100", "", "454", "1"},
                  {"Alpha - Trust SBAA/Dis", "", "200.00", "", c.a, c.e, c.o, "1215", "0"}};
        const auto failure = g.Validate();
        const std::string where = std::string(c.a) + "/" + c.e + "/" + c.o;
        if (!c.column) {
            EXPECT_FALSE(failure) << where;
            continue;
        }
        ASSERT_TRUE(failure) << where;
        EXPECT_EQ(failure->message, c.column == 4 ? "Check amount. SBAA concession cannot be greater than 50% of net "
                                                    "capital gain."
                                                  : kMsgTrustConcessionNotOpen)
            << where;
        EXPECT_EQ(failure->row, 1) << where;
        EXPECT_EQ(failure->column, c.column) << where;
    }
}

// The CGT guide's example of a trust distribution: the trust applied the
// discount and the 50% active asset reduction, so its 250 is grossed up by 4
// to 1,000; less a capital loss of 100, 900; after the discount 450; after the
// 50% active asset reduction kept with the trust's row, 225.
TEST_F(ConcessionsTest, ATrustGainReducedAgainByTheCalculation) {
    const struct {
        const char* reduction;
        long double netCapitalGain;
    } cases[] = {{"", 450}, {"225", 225}, {"225.00", 225}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reduction);
        store.ClearStore();
        AddTrust("Smith Family Trust", {"", "", "", "", "", "", "", "250"});
        (*store.GetFieldLst(kTagTrustTable))[kTrustFirstReductionCol + 1] = c.reduction;
        store.SetFieldVal(kTagPriorOtherLosses, 100);
        for (int run = 0; run < 2; ++run) {
            const CalcChainResult result = RunCalculationChain(store);
            ASSERT_FALSE(result.failure) << *result.failure;
            EXPECT_EQ(store.GetFieldVal(kTagNetCapitalGain), c.netCapitalGain);
            EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedDiscountActive), 450);
            EXPECT_EQ(WorksheetValue(kScheduleType, 1, kTagSchedReductionDiscount), 450 - c.netCapitalGain);
            EXPECT_EQ((*store.GetFieldLst(kTagTrustTable))[kTrustFirstReductionCol + 1], c.reduction);
        }
    }
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
