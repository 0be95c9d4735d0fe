// Row deletion, row growth, Tab stops and the pick list.
#include <gtest/gtest.h>

#include "grid/grid_model.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

class GridEditingTest : public ::testing::Test {
protected:
    GridEditingTest() {
        grid.DefineColumns({"Code|0|0|2|0|F|T|1||||3|1|2|UA  - Active asset - Units in a unit trust|OA - Other|",
                            "Date|0|2|10|0|T|F||-1|", "Desc|0|0|20|", "Amt|0|1|10|0|F|F|2|F|"});
    }
    GridModel grid;
    test::ScriptedDialogs dialogs;
};

TEST_F(GridEditingTest, DeletingAsksThenRemovesTheRow) {
    grid.SetCell(2, 1, "one");
    grid.SetCell(2, 2, "two");
    dialogs.answers = {MsgResult::Cancel, MsgResult::Ok};
    EXPECT_FALSE(grid.ConfirmDeleteRow(1, dialogs));
    EXPECT_EQ(grid.Cell(2, 1), "one");
    EXPECT_FALSE(grid.Modified());
    EXPECT_TRUE(grid.ConfirmDeleteRow(1, dialogs));
    EXPECT_EQ(grid.Cell(2, 1), "two");
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_TRUE(grid.Modified());
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, "Are you sure you want to delete this row?");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::OkCancel);
}

TEST_F(GridEditingTest, DeletingTheOnlyDataRowLeavesAnEmptyOne) {
    grid.SetRowCount(2);
    grid.SetCell(2, 1, "only");
    EXPECT_TRUE(grid.ConfirmDeleteRow(1, dialogs));
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.Cell(2, 1), "");
    EXPECT_EQ(grid.Cell(2, 0), "Desc");
}

TEST_F(GridEditingTest, NothingToDeleteInATitleOnlyGrid) {
    grid.SetRowCount(1);
    EXPECT_FALSE(grid.ConfirmDeleteRow(0, dialogs));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(grid.RowCount(), 1);
}

TEST_F(GridEditingTest, DoNotDeleteRefuses) {
    grid.DoNotDelete = true;
    grid.SetCell(2, 1, "kept");
    EXPECT_FALSE(grid.ConfirmDeleteRow(1, dialogs));
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Row deletion not allowed on this grid"}));
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Error);
    EXPECT_EQ(grid.Cell(2, 1), "kept");
}

TEST_F(GridEditingTest, MovingPastTheLastRowAddsOneWhenAllowed) {
    EXPECT_FALSE(grid.MovePastLastRow(2));
    EXPECT_TRUE(grid.MovePastLastRow(4));
    EXPECT_EQ(grid.RowCount(), 6);
    grid.RowAutoInc = false;
    EXPECT_FALSE(grid.MovePastLastRow(5));
    EXPECT_EQ(grid.RowCount(), 6);
}

TEST_F(GridEditingTest, TabStopsSkipReadOnlyColumns) {
    EXPECT_EQ(grid.LastTabColumn(), 3);
    EXPECT_EQ(grid.SkipToTabStop(1), 2);
    grid.SetColumnReadOnly(3);
    grid.SetColumnReadOnly(2);
    EXPECT_EQ(grid.LastTabColumn(), 0);
    EXPECT_EQ(grid.SkipToTabStop(1), 0);  // wraps past the last column
    EXPECT_EQ(grid.FirstTabColumn(), 0);
    grid.SetColumnEditable(1);
    EXPECT_EQ(grid.LastTabColumn(), 1);
    EXPECT_FALSE(grid.Spec(1).readOnly);
    EXPECT_EQ(grid.SkipToTabStop(1), 1);
    // A read-only column takes no typing; an editable one again does.
    EXPECT_FALSE(grid.TypeChar(2, "", false, 'x').accepted);
    grid.SetColumnEditable(2);
    EXPECT_TRUE(grid.TypeChar(2, "", false, 'x').accepted);
}

TEST_F(GridEditingTest, NoTabStopAnywhereLeavesTheColumn) {
    for (int c = 0; c < grid.ColCount(); ++c) grid.SetColumnReadOnly(c);
    EXPECT_EQ(grid.LastTabColumn(), -1);
    EXPECT_EQ(grid.SkipToTabStop(2), 2);
}

TEST_F(GridEditingTest, DisplayOnlyColumnTakesNoTyping) {
    grid.SetColumnDisplayOnly(3, true);
    EXPECT_TRUE(grid.Spec(3).displayOnly);
    EXPECT_TRUE(grid.Spec(3).tabStop);
    EXPECT_FALSE(grid.TypeChar(3, "", false, '1').accepted);
    grid.SetColumnDisplayOnly(3, false);
    EXPECT_TRUE(grid.TypeChar(3, "", false, '1').accepted);
}

TEST_F(GridEditingTest, ChoosingAnItemStoresItsCodeAndMovesOn) {
    const GridCell next = grid.ChoosePickItem(0, 1, "UA  - Active asset - Units in a unit trust");
    EXPECT_EQ(grid.Cell(0, 1), "UA");
    EXPECT_TRUE(grid.Modified());
    EXPECT_EQ(next, (GridCell{1, 1}));
    EXPECT_TRUE(grid.CheckCell(0, 1).accepted);
}

TEST_F(GridEditingTest, ChoosingInTheLastColumnOfTheLastRowAddsARow) {
    grid.DefineColumns({"Pick|0|0|3|0|F|T|0||||3|1|2|abc|def|"});
    EXPECT_EQ(grid.ChoosePickItem(0, 2, "defgh"), (GridCell{0, 3}));
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.ChoosePickItem(0, 4, "abc"), (GridCell{0, 5}));
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(0, 2), "def");
}

TEST_F(GridEditingTest, DropDownSelectsTheItemStartingWithTheText) {
    EXPECT_EQ(grid.PickListMatch(0, "OA"), 1);
    EXPECT_EQ(grid.PickListMatch(0, "UA"), 0);
    EXPECT_EQ(grid.PickListMatch(0, ""), 0);
    EXPECT_EQ(grid.PickListMatch(0, "ZZ"), -1);
    EXPECT_EQ(grid.PickListMatch(0, "UA  - Active asset - Units in a unit trust and more"), -1);
}

}  // namespace
}  // namespace cgt
