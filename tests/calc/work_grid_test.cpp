#include "calc/work_grid.h"

#include <gtest/gtest.h>

#include "calc/worksheet_grids.h"

namespace cgt {
namespace {

// The grid as a screen makes it, the long way.
GridModel MadeAfresh(const std::vector<std::string>& columns) {
    GridModel grid(int(columns.size()), kGridDefaultRowCount);
    grid.DefineColumns(columns);
    return grid;
}

void ExpectLike(const GridModel& made, const GridModel& fresh, const char* what) {
    ASSERT_EQ(made.ColCount(), fresh.ColCount()) << what;
    EXPECT_EQ(made.RowCount(), fresh.RowCount()) << what;
    EXPECT_EQ(made.Display(), fresh.Display()) << what;
    EXPECT_EQ(made.LastTabColumn(), fresh.LastTabColumn()) << what;
    for (int c = 0; c < made.ColCount(); ++c) {
        EXPECT_EQ(made.Spec(c).kind, fresh.Spec(c).kind) << what << " column " << c;
        EXPECT_EQ(made.Spec(c).readOnly, fresh.Spec(c).readOnly) << what << " column " << c;
        for (int r = 0; r < fresh.RowCount(); ++r) EXPECT_EQ(made.Cell(c, r), fresh.Cell(c, r)) << what;
    }
}

// Grids are made from one kept per set of columns; what is done to one
// never reaches the next.
TEST(WorkGridTest, EachGridStartsAsIfMadeAfresh) {
    for (const auto* columns : {&WorksheetGridColumns(), &RegisterGridColumns(), &HistoryGridColumns()}) {
        GridModel first = MakeWorkGrid(*columns);
        ExpectLike(first, MadeAfresh(*columns), "first");
        first.SetCell(1, 1, "typed");
        first.SetCell(2, 9, "far down");
        first.SetColumnReadOnly(1);
        first.SetPickList(0, {"X"});
        first.MoveColumn(0, 1);
        ExpectLike(MakeWorkGrid(*columns), MadeAfresh(*columns), "next");
    }
    EXPECT_EQ(MakeWorkGrid(WorksheetGridColumns()).ColCount(), 12);
    EXPECT_EQ(MakeWorkGrid(RegisterGridColumns()).ColCount(), 11);
}

}  // namespace
}  // namespace cgt
