// Cells, rows and the list form a field stores.
#include <gtest/gtest.h>

#include <stdexcept>

#include "grid/grid_model.h"

namespace cgt {
namespace {

// Three text columns, five rows (titles + four data rows).
class GridListTest : public ::testing::Test {
protected:
    GridListTest() { grid.DefineColumns({"A|0|0|10|", "B|0|0|10|", "C|0|0|10|"}); }
    void FillRow(int row, const std::string& a, const std::string& b, const std::string& c) {
        grid.SetCell(0, row, a);
        grid.SetCell(1, row, b);
        grid.SetCell(2, row, c);
    }
    GridModel grid;
};

TEST_F(GridListTest, TitlesAreRowZero) {
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(0, 0), "A");
    EXPECT_EQ(grid.Cell(2, 0), "C");
}

TEST_F(GridListTest, SetCellGrowsTheGrid) {
    grid.SetCell(1, 9, "x");
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.Cell(1, 9), "x");
    EXPECT_EQ(grid.Cell(0, 9), "");
    EXPECT_EQ(grid.Cell(0, 50), "");  // outside reads as empty
    EXPECT_EQ(grid.Cell(7, 1), "");
    EXPECT_THROW(grid.SetCell(3, 1, "x"), std::out_of_range);
    EXPECT_THROW(grid.SetCell(0, -1, "x"), std::out_of_range);
}

TEST_F(GridListTest, SaveSkipsEmptyRowsAndLoadEmptiesTheRest) {
    grid.SetRowCount(6);
    FillRow(1, "a1", "b1", "");
    FillRow(2, " ", "", "  ");  // blanks only: an empty row
    FillRow(3, "", "", "c3");
    FillRow(5, "a5", " b5 ", "c5");
    TextList list = grid.SaveToList();
    EXPECT_EQ(list, (TextList{"a1", "b1", "", "", "", "c3", "a5", " b5 ", "c5"}));

    GridModel other;
    other.DefineColumns({"A|", "B|", "C|"});
    other.SetCell(0, 4, "stale");
    other.LoadFromList(list);
    EXPECT_EQ(other.RowCount(), 5);  // never shrinks
    EXPECT_EQ(other.Cell(0, 1), "a1");
    EXPECT_EQ(other.Cell(2, 2), "c3");
    EXPECT_EQ(other.Cell(1, 3), " b5 ");
    EXPECT_EQ(other.Cell(0, 4), "");
    EXPECT_EQ(other.SaveToList(), list);
}

TEST_F(GridListTest, LoadGrowsAndFillsAShortLastRow) {
    grid.LoadFromList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16"});
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.Cell(2, 5), "15");
    EXPECT_EQ(grid.Cell(0, 6), "16");
    EXPECT_EQ(grid.Cell(1, 6), "");
    EXPECT_EQ(grid.Cell(0, 0), "A");  // titles untouched
}

TEST_F(GridListTest, SaveToAnExistingListReplacesIt) {
    FillRow(2, "x", "y", "z");
    TextList list{"junk"};
    grid.SaveToList(list);
    EXPECT_EQ(list, (TextList{"x", "y", "z"}));
}

TEST_F(GridListTest, SavingWithEmptyRowsTwoAndFourOfFive) {
    grid.SetRowCount(6);
    FillRow(1, "1", "", "");
    FillRow(3, "", "3", "");
    FillRow(5, "", "", "5");
    const TextList list = grid.SaveToList();
    ASSERT_EQ(list.size(), 3u * 3u);

    GridModel five;
    five.DefineColumns({"A|", "B|", "C|"});
    five.SetRowCount(6);
    for (int r = 1; r <= 5; ++r) five.SetCell(0, r, "old");
    five.LoadFromList(list);
    EXPECT_EQ(five.Cell(0, 1), "1");
    EXPECT_EQ(five.Cell(1, 2), "3");
    EXPECT_EQ(five.Cell(2, 3), "5");
    for (int r = 4; r <= 5; ++r)
        for (int c = 0; c < 3; ++c) EXPECT_EQ(five.Cell(c, r), "") << c << "," << r;
}

TEST_F(GridListTest, ClearRowsEmptiesDataButKeepsRowsAndTitles) {
    FillRow(1, "a", "b", "c");
    grid.SetCell(0, 7, "z");
    grid.ClearRows();
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_TRUE(grid.SaveToList().empty());
    EXPECT_EQ(grid.Cell(1, 0), "B");
}

TEST_F(GridListTest, InsertAndDeleteRows) {
    FillRow(1, "r1", "", "");
    FillRow(2, "r2", "", "");
    FillRow(3, "r3", "", "");
    grid.InsertRow(2);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Cell(0, 1), "r1");
    EXPECT_EQ(grid.Cell(0, 2), "");
    EXPECT_EQ(grid.Cell(0, 3), "r2");
    EXPECT_EQ(grid.Cell(0, 4), "r3");
    grid.DeleteRow(1);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(0, 1), "");
    EXPECT_EQ(grid.Cell(0, 2), "r2");
    // The title row and rows outside the grid are never deleted.
    grid.DeleteRow(0);
    grid.DeleteRow(5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cell(0, 0), "A");
    // Inserting at the end appends; before the titles means row 1.
    grid.InsertRow(99);
    EXPECT_EQ(grid.RowCount(), 6);
    grid.InsertRow(0);
    EXPECT_EQ(grid.Cell(0, 0), "A");
    EXPECT_EQ(grid.Cell(0, 1), "");
    EXPECT_EQ(grid.Cell(0, 3), "r2");
}

TEST_F(GridListTest, MoveColumnTakesCellsSpecAndWidth) {
    grid.DefineColumns({"A|0|1|8|", "B|0|2|10|", "C|0|0|10|"});
    grid.SetColWidth(0, 90);
    FillRow(1, "1", "2", "3");
    grid.MoveColumn(0, 2);
    EXPECT_EQ(grid.Cell(2, 0), "A");
    EXPECT_EQ(grid.Cell(2, 1), "1");
    EXPECT_EQ(grid.Cell(0, 1), "2");
    EXPECT_EQ(grid.ColumnKind(2), ColKind::Number);
    EXPECT_EQ(grid.ColumnKind(0), ColKind::Date);
    EXPECT_EQ(grid.ColWidth(2), 90);
    EXPECT_EQ(grid.Display()[2], "A|0|1|8|");
}

TEST_F(GridListTest, ColumnsWithoutSpecificationUseTheDefault) {
    GridModel g(4, 3);
    const auto errors = g.SetDisplay({"Only|0|1|5|", "Bad|0|0|5|0|F|F|0|xy|"});
    EXPECT_EQ(errors, (std::vector<std::string>{"Bad character set !"}));
    EXPECT_EQ(g.ColumnKind(0), ColKind::Number);
    EXPECT_EQ(g.Cell(1, 0), "Bad");
    EXPECT_EQ(g.Cell(2, 0), "Title");
    EXPECT_EQ(g.Spec(3).maxLength, 30);
    // Widening takes the default too.
    EXPECT_TRUE(g.SetColCount(5).empty());
    EXPECT_EQ(g.Cell(4, 0), "Title");
}

TEST_F(GridListTest, ChangeListenerHearsLoads) {
    int calls = 0;
    grid.OnChanged = [&] { ++calls; };
    grid.LoadFromList({"a", "b", "c"});
    EXPECT_GT(calls, 0);
}

TEST_F(GridListTest, ColumnWidthsScaleExceptHidden) {
    grid.SetColWidth(0, 100);
    grid.SetColWidth(1, kGridHiddenColWidth);
    grid.SetColWidth(2, 75);
    grid.ScaleColWidths(1.25);
    EXPECT_EQ(grid.ColWidth(0), 125);
    EXPECT_EQ(grid.ColWidth(1), -1);
    EXPECT_EQ(grid.ColWidth(2), 94);
}

}  // namespace
}  // namespace cgt
