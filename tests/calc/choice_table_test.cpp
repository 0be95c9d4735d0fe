#include "calc/choice_table.h"

#include <gtest/gtest.h>

#include "base/numtext.h"
#include "base/text.h"
#include "calc/loss_application.h"
#include "choice_fixture.h"
#include "grid/grid_model.h"

namespace cgt {
namespace {

using namespace choice;

class ChoiceTableTest : public ::testing::Test, protected test::ChoiceFixture {
protected:
    ChoiceTable Build() {
        ChoiceTable t;
        t.Build(store);
        return t;
    }
};

TEST_F(ChoiceTableTest, NoSourceGivesNoRowsAndTicksTheNoBox) {
    store.SetFieldChecked(170);
    const ChoiceTable t = Build();
    EXPECT_TRUE(t.rows.empty());
    EXPECT_TRUE(store.FieldChecked(171));
    EXPECT_FALSE(store.FieldChecked(170));
    EXPECT_EQ(store.GetFieldVal(983), 0);
}

TEST_F(ChoiceTableTest, ManualRowsNeedAChoiceOnlyWhenBothGainsArePresent) {
    struct Case {
        const char* indexed;
        const char* discount;
        const char* choiceReq;
        const char* factor;
    } cases[] = {
        {"500", "0", "No", ""},  // a typed zero discount gain is no gain
        {"500", "", "No", ""},  {"1000", "1600", "Yes", "  62.50000"}, {"0", "0", "No", ""}, {"", "", "No", ""},
    };
    for (const auto& c : cases) {
        store.ClearStore();
        AddManual({"Land", "RN", c.indexed, c.discount, "", "", "No", ""});
        const ChoiceTable t = Build();
        ASSERT_EQ(t.rows.size(), 1u) << c.indexed << "/" << c.discount;
        EXPECT_EQ(t.rows[0][kChoiceReq], c.choiceReq) << c.indexed << "/" << c.discount;
        EXPECT_EQ(t.rows[0][kIndexFactor], c.factor) << c.indexed << "/" << c.discount;
        EXPECT_EQ(t.rows[0][kSourceTag], "1201");
        EXPECT_EQ(t.rows[0][kSourceIndex], "0");
        EXPECT_EQ(t.rows[0][kPart], "C");
        EXPECT_TRUE(store.FieldChecked(170));
    }
}

TEST_F(ChoiceTableTest, TrustComponentsAreGrossedUp) {
    // Cells in table order: other ind/disc/oth, collectable ind/disc/oth, active ind/disc/oth.
    AddTrust("Fund", {"10", "", "", "", "30", "", "", "100", ""});
    const ChoiceTable t = Build();
    ASSERT_EQ(t.rows.size(), 3u);
    // Sorted by source then part code: A2, A4, A6.
    EXPECT_EQ(t.rows[0][kDescription], "Fund - Trust Oth/Ind");
    EXPECT_EQ(t.rows[0][kAssetType], "ON");
    EXPECT_EQ(t.rows[0][kIndexedGain], "10");  // factor 1: as typed
    EXPECT_EQ(t.rows[1][kDescription], "Fund - Trust Col/Dis");
    EXPECT_EQ(t.rows[1][kAssetType], "A");
    EXPECT_EQ(t.rows[1][kDiscountGain], "        60");
    EXPECT_EQ(t.rows[2][kDescription], "Fund - Trust SBAA/Dis");
    EXPECT_EQ(t.rows[2][kAssetType], "OA");
    EXPECT_EQ(t.rows[2][kDiscountGain], "       400");
    EXPECT_EQ(t.rows[2][kPart], "A6");
    EXPECT_EQ(t.rows[2][kSection], "Other trust");
}

TEST_F(ChoiceTableTest, FifteenYearExemptActiveAssetWithoutLossGivesNoRow) {
    AddWorksheet(451, "Exempt", "SA", {{1135, 1000}}, {746, 1196});
    EXPECT_TRUE(Build().rows.empty());
    AddWorksheet(451, "Exempt with loss", "SA", {{1141, 50}}, {746, 1196});
    const ChoiceTable t = Build();
    ASSERT_EQ(t.rows.size(), 1u);
    EXPECT_EQ(t.rows[0][kDescription], "Exempt with loss - Disposal");
    EXPECT_EQ(t.rows[0][kLoss], "        50");
    EXPECT_EQ(t.rows[0][kSourceIndex], "2");
    EXPECT_EQ(store.GetFieldVal(983), 50);
}

TEST_F(ChoiceTableTest, WorksheetRowsForReceiptsAndDisposal) {
    AddWorksheet(451, "BHP", "SN", {{1132, 900}, {1135, 1800}, {1157, 100}, {1155, 150}, {1159, 0}}, {1196, 1198, 720},
                 {{kTagReceiptMethodChosen, "Indexed"}, {1145, "Discount"}, {1148, "No"}});
    const ChoiceTable t = Build();
    ASSERT_EQ(t.rows.size(), 2u);
    const ChoiceRow& b = t.rows[0];
    EXPECT_EQ(b[kDescription], "BHP - Non-ass receipt");
    EXPECT_EQ(b[kAssetType], "ON");
    EXPECT_EQ(b[kChoiceReq], "Yes");
    EXPECT_EQ(b[kMethod], "Indexed");
    EXPECT_EQ(b[kPart], "B");
    const ChoiceRow& c = t.rows[1];
    EXPECT_EQ(c[kDescription], "BHP - Disposal");
    EXPECT_EQ(c[kMethod], "Discount");
    EXPECT_EQ(c[kSection], "Shares");
    EXPECT_EQ(c[kIndexedGain], "       900");
    EXPECT_EQ(c[kDiscountGain], "      1800");
    EXPECT_EQ(c[kIndexFactor], "  50.00000");
    EXPECT_EQ(c[kCanDefer], "Yes");
    EXPECT_EQ(c[kDeferAuto], "");
    EXPECT_EQ(c[kWantDefer], "No");
}

// The receipts row and the disposal row of one worksheet each keep their own
// method through the write-back; a return saved when both shared the
// disposal's field still gives a receipts-only worksheet its method.
TEST_F(ChoiceTableTest, ReceiptAndDisposalRowsKeepTheirOwnMethods) {
    AddWorksheet(451, "BHP", "SN", {{1132, 900}, {1135, 1800}, {1157, 100}, {1155, 150}}, {1196, 1198});
    AddWorksheet(451, "CBA", "SN", {{1157, 100}, {1155, 150}}, {1198}, {{1145, "Discount"}});
    ChoiceTable t = Build();
    ASSERT_EQ(t.rows.size(), 3u);
    EXPECT_EQ(t.rows[0][kMethod], "");          // BHP receipts: nothing stored yet
    EXPECT_EQ(t.rows[2][kMethod], "Discount");  // CBA receipts, from the older field
    t.rows[0][kMethod] = "Indexed";
    t.rows[1][kMethod] = "Discount";
    t.rows[2][kMethod] = "Indexed";
    t.WriteBack(store);
    EXPECT_EQ(WorksheetText(451, 1, kTagReceiptMethodChosen), "Indexed");
    EXPECT_EQ(WorksheetText(451, 1, kTagMethodChosen), "Discount");
    EXPECT_EQ(WorksheetText(451, 2, kTagReceiptMethodChosen), "Indexed");

    const ChoiceTable again = Build();
    ASSERT_EQ(again.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(again.rows[i][kMethod], t.rows[i][kMethod]) << "row " << i;
}

TEST_F(ChoiceTableTest, DeleteAllClearsEveryChoiceAndAppliedLoss) {
    AddManual({"Shares", "SN", "900", "1800", "", "", "Yes", ""});
    ChoiceTable t = Build();
    ASSERT_EQ(t.rows.size(), 1u);
    ChoiceRow& r = t.rows[0];
    for (int c :
         {kMethod, kWantDefer, kCollectableApplied, kPriorCollectableApplied, kOtherApplied, kTransferredApplied})
        r[std::size_t(c)] = "x";
    t.ClearChoices();
    for (int c :
         {kMethod, kWantDefer, kCollectableApplied, kPriorCollectableApplied, kOtherApplied, kTransferredApplied})
        EXPECT_EQ(r[std::size_t(c)], "") << "col " << c;
    EXPECT_EQ(Trim(r[kIndexedGain]), "900");
    EXPECT_EQ(r[kCanDefer], "Yes");
}

TEST_F(ChoiceTableTest, AutomaticMethodChoice) {
    // Indexed when half the discount gain is greater than the indexed gain;
    // equal amounts give Discount.
    struct Case {
        const char* indexed;
        const char* discount;
        const char* method;
    } cases[] = {{"900", "1800", "Discount"},
                 {"899", "1800", "Indexed"},
                 {"900", "1802", "Indexed"},
                 {"1000", "1200", "Discount"}};
    for (const auto& c : cases) {
        store.ClearStore();
        AddManual({"X", "SN", c.indexed, c.discount, "", "", "No", ""});
        ChoiceTable t = Build();
        t.MakeMethodChoices();
        EXPECT_EQ(t.rows[0][kMethod], c.method) << c.indexed << "/" << c.discount;
    }
}

TEST_F(ChoiceTableTest, AutomaticDeferment) {
    AddWorksheet(454, "With loss", "RN", {{1141, 100}}, {1196, 720});
    AddWorksheet(454, "Gain", "RN", {{1132, 100}}, {1196, 720});
    AddWorksheet(454, "Said no", "RN", {{1132, 100}}, {1196, 720}, {{1148, "No"}});
    AddWorksheet(454, "Not deferrable", "RN", {{1132, 100}}, {1196});
    ChoiceTable t = Build();
    t.MakeDeferChoices();
    ASSERT_EQ(t.rows.size(), 4u);
    EXPECT_EQ(t.rows[0][kWantDefer], "No");
    EXPECT_EQ(t.rows[1][kWantDefer], "Yes");
    EXPECT_EQ(t.rows[2][kWantDefer], "No");
    EXPECT_EQ(t.rows[3][kWantDefer], "");
}

TEST_F(ChoiceTableTest, SortKeepsTiesAndPutsEmptyCellsLast) {
    ChoiceTable t;
    const auto row = [](const char* type, const char* factor, const char* tag) {
        ChoiceRow r{};
        r[kAssetType] = type;
        r[kIndexFactor] = factor;
        r[kSourceTag] = tag;
        return r;
    };
    t.rows = {row("SN", "  50.0", "1"), row("", "1", "2"),   row("A", "  90", "3"),
              row("SN", "9", "4"),      row("a", "90", "5"), row("SN", "50", "6")};
    t.SortRows("2,20");
    std::string order;
    for (const auto& r : t.rows) order += r[kSourceTag];
    // "A" and "a" tie as text, then 90 = 90; SN rows by factor 9, 50, 50 (ties in order); empty type last.
    EXPECT_EQ(order, "354162");
}

// The table's order is the choice grid's own, blank rows dropped as the
// grid's list form drops them.
TEST_F(ChoiceTableTest, SortGivesTheGridsOrder) {
    const auto row = [](const char* type, const char* factor, const char* tag, const char* index, const char* part) {
        ChoiceRow r{};
        r[kAssetType] = type;
        r[kIndexFactor] = factor;
        r[kSourceTag] = tag;
        r[kSourceIndex] = index;
        r[kPart] = part;
        return r;
    };
    const std::vector<ChoiceRow> rows = {
        row("SN", "  50.0", "451", "2", "C"), row("", "1", "1215", "0", "A5"),  ChoiceRow{},
        row("A", "  90", "451", "1", "B"),    row("a", "90", "451", "1", "C"),  row("SN", "9", "452", "10", "C"),
        row("ON", "", "451", "10", "C"),      row("SN", "x", "1216", "3", "C"), ChoiceRow{},
        row("SA", "-5", "", "", ""),
    };
    for (const char* keys : {"17,18,19", "2,20", "20", "", "19,2"}) {
        GridModel grid(kColumnCount, 2);
        grid.SetDisplay(ChoiceGridColumns());
        TextList cells;
        for (const auto& r : rows) cells.insert(cells.end(), r.begin(), r.end());
        grid.LoadFromList(cells);
        grid.SortRows(keys);
        ChoiceTable t;
        t.rows = rows;
        t.SortRows(keys);
        EXPECT_EQ(t.ToList(), grid.SaveToList()) << keys;
        EXPECT_EQ(t.rows.size(), rows.size() - 2) << keys;
    }
}

TEST_F(ChoiceTableTest, WriteBackAndRebuildGiveTheSameRows) {
    AddTrust("Fund", {"10", "", "", "", "", "", "", "", ""});
    AddManual({"Painting", "A", "", "500", "", "", "No", ""});
    AddWorksheet(451, "BHP", "SN", {{1132, 900}, {1135, 1800}}, {1196});
    AddWorksheet(451, "CBA", "SN", {{1141, 300}}, {1196});
    store.SetFieldVal(kTagPriorCollectableLosses, 100);
    ChoiceTable t = Build();
    LossApplication losses(t, store);
    losses.ApplyAutomatically();
    t.WriteBack(store);

    ChoiceTable again = Build();
    LossApplication rebuilt(again, store);
    rebuilt.RecomputeNets();
    losses.RecomputeNets();
    ASSERT_EQ(again.rows.size(), t.rows.size());
    for (std::size_t i = 0; i < t.rows.size(); ++i)
        for (int c = 0; c < kColumnCount; ++c)
            EXPECT_EQ(Trim(again.rows[i][std::size_t(c)]), Trim(t.rows[i][std::size_t(c)]))
                << "row " << i << " col " << c;

    // The worksheet keeps the choices and the losses applied to it.
    const TextList applied = WorksheetList(451, 1, 1129);
    ASSERT_EQ(applied.size(), 34u);
    EXPECT_EQ(applied[0], "Losses Applied");
    // Other pool 300: 10 goes to the trust's indexed gain (met first, needs no
    // choice), the other 290 to BHP, where (1800 - 290) / 2 = 755 is more than
    // 900 - 290 = 610, so indexation is chosen.
    EXPECT_EQ(applied[2], "290");
    EXPECT_EQ(applied[1], " ");
    EXPECT_EQ(WorksheetText(451, 1, 1145), "Indexed");
    // The manual row keeps the collectable loss applied to it.
    EXPECT_EQ((*store.GetFieldLst(kTagManualTable))[kCollectableApplied], "100");
    // The trust row keeps the other loss applied to its first component in
    // cell 20, where returns already saved hold it; its other cells stay empty.
    const TextList trust = *store.GetFieldLst(kTagTrustTable);
    ASSERT_EQ(trust.size(), std::size_t(kTrustRowCells));
    for (int c = kTrustNetGainCol + 1; c < kTrustRowCells; ++c)
        EXPECT_EQ(Trim(trust[std::size_t(c)]), c == 20 ? "10" : "") << "cell " << c;
}

}  // namespace
}  // namespace cgt
