// A larger window gives the screens' grids more room: more columns show,
// the parts below a grid move down with it, and nothing overlaps.
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "screens_fixture.h"

namespace cgt::test {
namespace {

class WindowGrowth : public ScreenFrameTest {
protected:
    template <typename W>
    W* Control(const char* name) {
        return frame->CurrentScreen()->findChild<W*>(QString::fromLatin1(name));
    }
    // Columns drawn whole inside the grid's window.
    static int WholeColumns(const TXGrid* grid) {
        int n = 0;
        for (int c : grid->ShownColumns()) {
            const QRect r = grid->CellRect(c, 0);
            if (!r.isEmpty() && r.right() < grid->viewport()->width()) ++n;
        }
        return n;
    }
};

TEST_F(WindowGrowth, TheChoiceTableShowsMoreColumnsAndKeepsItsPartsInOrder) {
    ShowScreen(2103);
    Settle();
    auto* grid = Control<TXGrid>("XGrid1");
    auto* line = Control<QLabel>("NetCapGainLabel");
    auto* losses = Control<TXGrid>("XGrid2");
    auto* restart = Control<QPushButton>("RestartBtn");
    auto* help = Control<TTextLbl>("HelpLbl");
    ASSERT_TRUE(grid && line && losses && restart && help);
    const QRect gridAt800 = grid->geometry();
    const int columnsAt800 = WholeColumns(grid);
    const int lineTop = line->y();

    frame->resize(1280, 764);  // the frame of a 1280 x 800 window
    Settle();
    const int dx = 1280 - 800, dy = 764 - 539;
    EXPECT_EQ(frame->CurrentScreen()->size(), frame->ClientArea()->size());
    EXPECT_EQ(grid->geometry(), gridAt800.adjusted(0, 0, dx, dy));
    EXPECT_GT(WholeColumns(grid), columnsAt800);
    EXPECT_EQ(line->y(), lineTop + dy);
    EXPECT_EQ(line->width(), grid->width());
    EXPECT_GE(losses->y(), grid->geometry().bottom()) << "the losses grid stays below the table";
    EXPECT_EQ(restart->y(), losses->y()) << "the buttons stay beside the losses grid";
    EXPECT_EQ(help->geometry().bottom(), frame->ClientArea()->height() - 1) << "the help line stays at the foot";

    frame->resize(800, 539);
    Settle();
    EXPECT_EQ(grid->geometry(), gridAt800);
    EXPECT_EQ(line->y(), lineTop);
}

TEST_F(WindowGrowth, TheCostElementGridShowsItsDescriptionAndAmountInALargerWindow) {
    frame->pendingType = kWsShares;
    ShowScreen(2011);
    Settle();
    auto* grid = Control<TXGrid>("XGrid1");
    ASSERT_NE(grid, nullptr);
    frame->resize(1280, 764);
    Settle();
    // Every titled column whole in the window, none left to scroll to.
    for (int c : grid->ShownColumns()) {
        if (grid->Cell(c, 0).trimmed().isEmpty()) continue;
        EXPECT_LT(grid->CellRect(c, 0).right(), grid->viewport()->width()) << grid->Cell(c, 0).toStdString();
    }
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible() &&
                 grid->horizontalScrollBar()->maximum() > grid->horizontalScrollBar()->minimum());
}

}  // namespace
}  // namespace cgt::test
