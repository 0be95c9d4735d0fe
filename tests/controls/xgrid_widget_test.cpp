// The entry grid driven through its editor with keys and the mouse,
// offscreen; boxes and beeps recorded by scripted dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "base/clock.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "controls/xgrid_picklist.h"
#include "controls/xgrid_totals.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

const QString kText = "Description|0|0|20|0|F|F|-1|||||-1|0|F|F|";
const QString kAmount = "Amount|1|1|10|0|F|F|2|F||||-1|0|F|F|";
const QString kDate = "Date|2|2|10|0|F|F||||||-1|0|F|F|";
const QString kCode =
    "Code|0|0|2|0|F|T|1||||4|1|3|UA  - Active asset - Units in a unit trust|SH  - Shares|"
    "RE  - Real estate|F|F|";
const QString kReadOnly = "Index|1|1|8|0|T|F|2|F||||-1|0|T|F|";
const QString kEllipsis = "More|0|0|10|0|F|T|-1||||-1|2|0|T|F|";

class XGridWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallControlContext(&window, &context);
        window.resize(700, 300);
        before = new QLineEdit(&window);
        before->setGeometry(0, 0, 100, 20);
        grid = new TXGrid(&window);
        grid->setGeometry(0, 30, 680, 150);
        after = new QLineEdit(&window);
        after->setGeometry(0, 250, 100, 20);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void Columns(const QStringList& specs, int rows = 3) {
        grid->setColCount(int(specs.size()));
        grid->setDisplay(specs);
        grid->setRowCount(rows);
    }
    // Tab from the widget before the grid, as a user arrives.
    void EnterGrid() {
        before->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QTest::keyClick(before, Qt::Key_Tab);
        QApplication::processEvents();
    }
    TXGridInplaceEdit* Ed() { return grid->Editor(); }
    void Type(const char* keys) { QTest::keyClicks(Ed(), keys); }
    void Key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(Ed(), k, m);
        QApplication::processEvents();
    }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 1, 15};
    ControlContext context{&dialogs, &clock};
    QWidget window;
    QLineEdit* before = nullptr;
    TXGrid* grid = nullptr;
    QLineEdit* after = nullptr;
};

TEST_F(XGridWidgetTest, ArrivingByTabStartsInRowOneOfTheFirstTabColumn) {
    Columns({kReadOnly, kText, kAmount});
    QSignalSpy entered(grid, &TXGrid::cellEntered);
    EnterGrid();
    EXPECT_TRUE(Ed()->hasFocus());
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);
    ASSERT_GE(entered.count(), 1);
    EXPECT_EQ(entered.last()[0].toInt(), 1);
}

TEST_F(XGridWidgetTest, TabAndDownPastTheLastRow) {
    struct {
        bool rowAutoInc;
        Qt::Key key;
        int rowsAfter;
        int rowAfter;
        bool focusLeaves;
    } cases[] = {
        {true, Qt::Key_Tab, 4, 3, false},
        {false, Qt::Key_Tab, 3, 2, true},
        {true, Qt::Key_Down, 4, 3, false},
        {false, Qt::Key_Down, 3, 2, false},
    };
    for (const auto& c : cases) {
        Columns({kText, kAmount}, 3);
        grid->Model().ClearRows();
        grid->setRowCount(3);
        grid->setRowAutoInc(c.rowAutoInc);
        EnterGrid();
        grid->MoveTo(1, 2);
        Key(c.key);
        EXPECT_EQ(grid->rowCount(), c.rowsAfter) << c.rowAutoInc << " " << c.key;
        EXPECT_EQ(Ed()->hasFocus(), !c.focusLeaves) << c.rowAutoInc << " " << c.key;
        if (!c.focusLeaves) {
            EXPECT_EQ(grid->Row(), c.rowAfter);
        }
    }
}

TEST_F(XGridWidgetTest, DeletedWhileACellIsEditedKeepsNothingOfIt) {
    // A screen is freed while the user is in a cell: the editor's focus
    // leaves as the grid goes, and must not reach the grid's cells.
    Columns({kText, kAmount});
    EnterGrid();
    Type("abc");
    ASSERT_TRUE(Ed()->hasFocus());
    delete grid;
    grid = nullptr;
    QApplication::processEvents();
    EXPECT_FALSE(window.findChild<TXGrid*>());
}

TEST_F(XGridWidgetTest, TabSkipsReadOnlyColumnsAndWrapsToTheNextRow) {
    Columns({kText, kReadOnly, kAmount}, 4);
    EnterGrid();
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 2);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->Row(), 2);
    Key(Qt::Key_Backtab);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Row(), 1);
}

TEST_F(XGridWidgetTest, TypingIntoANumberCell) {
    struct {
        const char* keys;
        const char* text;
        int beeps;
    } cases[] = {
        {"12345678", "1234567", 1},  // after seven digits only the point
        {"1234567.891", "1234567.89", 1},
        {"12a-", "12", 2},  // no letters, no negatives in this column
        {"1.2.", "1.2", 1},
    };
    Columns({kAmount, kText});
    EnterGrid();
    for (const auto& c : cases) {
        dialogs.beeps = 0;
        Ed()->clear();
        grid->SetCell(0, 1, "");
        Type(c.keys);
        EXPECT_EQ(Ed()->text().toStdString(), c.text) << c.keys;
        EXPECT_EQ(grid->Cell(0, 1).toStdString(), c.text) << c.keys;
        EXPECT_EQ(dialogs.beeps, c.beeps) << c.keys;
    }
    EXPECT_TRUE(grid->Model().Modified());
}

TEST_F(XGridWidgetTest, LeavingACellChecksAndReformatsIt) {
    struct {
        QString spec;
        const char* typed;
        const char* cell;
        bool moves;
        const char* message;
    } cases[] = {
        {kAmount, "0", "0.00", true, ""},
        {kAmount, "12.5", "12.50", true, ""},
        {kDate, "15082002", "15/08/2002", true, ""},
        {kDate, "150802", "15/08/2002", true, ""},
        {kDate, "31/02/2002", "31/02/2002", false, "Enter date in dd/mm/yyyy format"},
        {kCode, "UA", "UA", true, ""},
        {kCode, "XX", "XX", false, "Entry must match one of the picklist entries"},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        Columns({c.spec, kText}, 3);
        grid->Model().ClearRows();
        EnterGrid();
        ASSERT_EQ(grid->Col(), 0);
        Type(c.typed);
        Key(Qt::Key_Tab);
        EXPECT_EQ(grid->Cell(0, 1).toStdString(), c.cell) << c.typed;
        EXPECT_EQ(grid->Col(), c.moves ? 1 : 0) << c.typed;
        const std::vector<std::string> expected =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(dialogs.Texts(), expected) << c.typed;
    }
}

TEST_F(XGridWidgetTest, ZerosSaveAsTextAndTotalToTheExplicitZero) {
    Columns({kAmount, kText}, 3);
    auto* totals = new TXGridTotals(&window);
    totals->SetXGrid(grid);
    EnterGrid();
    Type("0");
    Key(Qt::Key_Down);
    Type("0");
    Key(Qt::Key_Tab);
    const TextList saved = grid->Model().SaveToList();
    EXPECT_EQ(saved, (TextList{"0.00", "", "0.00", ""}));
    EXPECT_NEAR(double(grid->Model().ColumnTotal(0)), 0.0011, 1e-12);
    EXPECT_EQ(grid->Model().ColumnTotalText(0), "0.00");
    // The strip sits one pixel above the grid's bottom edge, two narrower.
    EXPECT_EQ(totals->geometry(), QRect(0, 30 + 150 - 1, 678, grid->defaultRowHeight() + 2));
    delete totals;
    EXPECT_EQ(grid->Totals(), nullptr);
    EXPECT_FALSE(grid->Model().HasTotals);
}

TEST_F(XGridWidgetTest, CtrlDeleteAndCtrlInsert) {
    struct {
        int rows;
        bool doNotDelete;
        MsgResult answer;
        int rowsAfter;
        const char* firstCellAfter;
        std::vector<std::string> messages;
    } cases[] = {
        {2, false, MsgResult::Ok, 2, "", {"Are you sure you want to delete this row?"}},
        {3, false, MsgResult::Ok, 2, "second", {"Are you sure you want to delete this row?"}},
        {3, false, MsgResult::Cancel, 3, "first", {"Are you sure you want to delete this row?"}},
        {3, true, MsgResult::Ok, 3, "first", {"Row deletion not allowed on this grid"}},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        dialogs.answers = {c.answer};
        Columns({kText, kAmount}, c.rows);
        grid->Model().ClearRows();
        grid->setDoNotDelete(c.doNotDelete);
        grid->SetCell(0, 1, "first");
        if (c.rows > 2) grid->SetCell(0, 2, "second");
        EnterGrid();
        QTest::keyClick(Ed(), Qt::Key_Delete, Qt::ControlModifier);
        QApplication::processEvents();
        EXPECT_EQ(grid->rowCount(), c.rowsAfter) << c.rows << c.doNotDelete;
        EXPECT_EQ(grid->Cell(0, 1).toStdString(), c.firstCellAfter) << c.rows << c.doNotDelete;
        EXPECT_EQ(dialogs.Texts(), c.messages) << c.rows << c.doNotDelete;
        dialogs.answers.clear();
    }
    // Ctrl+Insert puts an empty row at the cursor.
    Columns({kText, kAmount}, 3);
    grid->setDoNotDelete(false);
    grid->Model().ClearRows();
    grid->SetCell(0, 1, "first");
    EnterGrid();
    Key(Qt::Key_Insert, Qt::ControlModifier);
    EXPECT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(grid->Cell(0, 1), "");
    EXPECT_EQ(grid->Cell(0, 2), "first");
}

TEST_F(XGridWidgetTest, PickListOpensSearchesAndAccepts) {
    Columns({kCode, kText}, 3);
    EnterGrid();
    ASSERT_EQ(grid->Col(), 0);
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->PickListOpen());
    XGridPickList* list = grid->PickListPopup();
    // Below the cell, at least as wide as the cell, three lines for three items.
    const QRect cell = grid->CellRect(0, 1);
    EXPECT_EQ(list->geometry().top(), grid->viewport()->mapToGlobal(cell.bottomLeft()).y() + 1);
    EXPECT_GE(list->width(), cell.width());
    struct {
        const char* keys;
        std::chrono::seconds pauseBefore;
        int selected;
    } searches[] = {
        {"r", std::chrono::seconds(0), 2},
        {"s", std::chrono::seconds(3), 1},  // a pause starts a new search
        {"h", std::chrono::seconds(1), 1},  // "sh"
        {"x", std::chrono::seconds(1), 1},  // "shx" matches nothing: selection stays
    };
    for (const auto& s : searches) {
        clock.Advance(s.pauseBefore);
        QTest::keyClicks(list, s.keys);
        EXPECT_EQ(list->currentRow(), s.selected) << s.keys;
    }
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(grid->PickListOpen());
    EXPECT_EQ(grid->Cell(0, 1), "");

    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->PickListOpen());
    clock.Advance(std::chrono::seconds(5));
    QTest::keyClicks(list, "u");
    QTest::keyClick(list, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(grid->PickListOpen());
    EXPECT_EQ(grid->Cell(0, 1), "UA");  // cut to the column's two characters
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_TRUE(grid->Model().Modified());
}

TEST_F(XGridWidgetTest, PickListByTheButtonAndAClick) {
    Columns({kCode, kText}, 3);
    EnterGrid();
    const QRect button = Ed()->ButtonRect();
    ASSERT_FALSE(button.isEmpty());
    QTest::mouseClick(Ed(), Qt::LeftButton, Qt::NoModifier, button.center());
    ASSERT_TRUE(grid->PickListOpen());
    XGridPickList* list = grid->PickListPopup();
    const QRect second = list->visualItemRect(list->item(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    QApplication::processEvents();
    EXPECT_FALSE(grid->PickListOpen());
    EXPECT_EQ(grid->Cell(0, 1), "SH");
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(XGridWidgetTest, PickListRefreshedByTheScreenBeforeItDrops) {
    Columns({kCode, kText}, 3);
    grid->Model().OnPicklistDropdown = [](int, int, std::vector<std::string>& items) {
        items = {"AB  - Replaced", "CD  - Also"};
    };
    EnterGrid();
    Key(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(grid->PickListOpen());
    EXPECT_EQ(grid->PickListPopup()->count(), 2);
    EXPECT_EQ(grid->PickListPopup()->item(0)->text(), "AB  - Replaced");
    QTest::keyClick(grid->PickListPopup(), Qt::Key_Escape);
}

TEST_F(XGridWidgetTest, BackspaceEmptiesAPickListCell) {
    Columns({kCode, kText}, 3);
    grid->SetCell(0, 1, "UA");
    EnterGrid();
    QTest::keyClick(Ed(), Qt::Key_End);
    Key(Qt::Key_Backspace);
    EXPECT_EQ(grid->Cell(0, 1), "");
}

TEST_F(XGridWidgetTest, EllipsisByButtonAndCtrlEnter) {
    Columns({kEllipsis, kText}, 3);
    QSignalSpy clicks(grid, &TXGrid::elippsisClicked);
    EnterGrid();
    Key(Qt::Key_Return, Qt::ControlModifier);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 0);
    EXPECT_EQ(clicks[0][1].toInt(), 1);
    const QRect b = Ed()->ButtonRect();
    ASSERT_FALSE(b.isEmpty());
    QTest::mouseClick(Ed(), Qt::LeftButton, Qt::NoModifier, b.center());
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(Ed(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(XGridWidgetTest, ClicksMoveTheCursorThroughTheChecks) {
    Columns({kText, kReadOnly, kAmount}, 4);
    EnterGrid();
    struct {
        int col;
        int row;
        int expectCol;
        int expectRow;
    } clicks[] = {
        {2, 3, 2, 3},
        {1, 2, 2, 2},  // a read-only column passes the cursor on
        {0, 1, 0, 1},
    };
    for (const auto& c : clicks) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(c.col, c.row).center());
        EXPECT_EQ(grid->Col(), c.expectCol) << c.col << "," << c.row;
        EXPECT_EQ(grid->Row(), c.expectRow) << c.col << "," << c.row;
    }
    // A bad number refuses the click elsewhere.
    grid->MoveTo(2, 1);
    Ed()->setText("1.2.3");
    grid->SetCell(2, 1, "1.2.3");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->CellRect(0, 3).center());
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(dialogs.Texts(),
              std::vector<std::string>{"1.2.3 is an invalid numeric entry. Please re-enter amount before continuing."});
    EXPECT_EQ(grid->Cell(2, 1), "");
}

TEST_F(XGridWidgetTest, LeavingTheGridEmptiesACellThatFails) {
    Columns({kDate, kText}, 3);
    EnterGrid();
    Type("31022002");
    after->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cell(0, 1), "");
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Enter date in dd/mm/yyyy format"});
}

TEST_F(XGridWidgetTest, ColumnHintsOverTheTitleRowOnly) {
    Columns({"Amount|1|1|10|77|F|F|2|F||||-1|0|F|F|", kText}, 3);
    grid->SetHintSource([](int id) { return id == 77 ? QString("Enter the amount") : QString(); });
    const QRect title = grid->CellRect(0, 0);
    EXPECT_EQ(grid->HintAt(title.center()), "Enter the amount");
    EXPECT_EQ(grid->HintAt(grid->CellRect(1, 0).center()), "");
    EXPECT_EQ(grid->HintAt(grid->CellRect(0, 1).center()), "");
    grid->setShowColHints(false);
    EXPECT_EQ(grid->HintAt(title.center()), "");
}

TEST_F(XGridWidgetTest, TitleLinesSetTheTitleRowHeight) {
    const int w = QFontMetrics(grid->font()).boundingRect("W").height();
    grid->setTitleLines(3);
    EXPECT_EQ(grid->TitleRowHeight(), w * 3 + 4);
    grid->setTitleLines(1);
    EXPECT_EQ(grid->TitleRowHeight(), w + 4);
}

TEST_F(XGridWidgetTest, ScalingScalesWidthsRowsAndFont) {
    Columns({kText, kAmount}, 3);
    grid->setColWidths("100,-1");
    grid->ScaleBy(5, 4);
    EXPECT_EQ(grid->colWidths(), "125,-1");
    EXPECT_EQ(grid->defaultRowHeight(), 25);
    EXPECT_EQ(grid->width(), 850);
}

// Fixed leading columns stay at the left while the others scroll under the
// cursor; a click on a fixed column still finds it.
TEST_F(XGridWidgetTest, FixedColumnsStayWhileTheRestScroll) {
    Columns({kText, kText, kAmount, kAmount, kAmount, kAmount, kAmount, kAmount}, 3);
    grid->setColWidths("80,150,100,100,100,100,100,100");
    grid->setFixedCols(2);
    const int fixedWidth = 80 + 1 + 150 + 1;
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(grid->ColumnX(2), fixedWidth);

    EnterGrid();
    ASSERT_TRUE(grid->MoveTo(7, 1));
    EXPECT_GT(grid->LeftCol(), 2);
    EXPECT_FALSE(grid->ColumnVisible(2));
    EXPECT_TRUE(grid->ColumnVisible(1));
    EXPECT_EQ(grid->CellRect(1, 1).left(), 81);
    EXPECT_EQ(grid->ColumnX(grid->LeftCol()), fixedWidth);
    EXPECT_LE(grid->CellRect(7, 1).right(), grid->viewport()->width());

    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, 2).center());
    QApplication::processEvents();
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 2);
    // The scroll bar cannot uncover a column behind the fixed ones.
    EXPECT_EQ(grid->horizontalScrollBar()->minimum(), 2);
}

}  // namespace
}  // namespace cgt
