// What the entry grid shows, offscreen: a cell's text on one line, cut with
// "…" where it does not fit, its whole text in the tooltip and, while the cell
// is current, in the grid's status line; titles never narrower than they need
// to show whole; the spare width of a wide grid; hidden columns however
// narrow; and a grid where nothing can be typed showing no selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>

#include "base/clock.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

const QString kText = "Description|0|0|50|0|F|F|-1|||||-1|0|F|F|";
const QString kAmount = "Amount|1|1|10|0|F|F|2|F||||-1|0|F|F|";
const QString kNote = "Note|0|0|50|0|F|F|-1|||||-1|0|F|F|";
const QString kShownText = "Description|0|0|50|0|F|F|-1|||||-1|0|F|T|";
const QString kShownAmount = "Amount|1|1|10|0|T|F|2|F||||-1|0|F|F|";

const QString kLong = "BHP Billiton 1,000 ordinary shares - Disposal";

// Pixels of a widget's picture in the colour the style marks a selection with.
int SelectionPixels(QWidget* w) {
    const QImage image = w->grab().toImage();
    const QRgb active = w->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb inactive = w->palette().color(QPalette::Inactive, QPalette::Highlight).rgb();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xff000000u;
            if (p == (active | 0xff000000u) || p == (inactive | 0xff000000u)) ++n;
        }
    return n;
}

// The rows of `area` of the grid's viewport that hold ink (text).
std::pair<int, int> InkRows(TXGrid* grid, const QRect& area) {
    const QImage image = grid->viewport()->grab().toImage();
    int top = -1, bottom = -1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return {top, bottom};
}

class XGridDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallControlContext(&window, &context);
        window.resize(700, 300);
        before = new QLineEdit(&window);
        before->setGeometry(0, 0, 100, 20);
        grid = new TXGrid(&window);
        grid->setGeometry(0, 30, 400, 150);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void Columns(const QStringList& specs, const char* widths, int rows = 4) {
        grid->setColCount(int(specs.size()));
        grid->setDisplay(specs);
        grid->setRowCount(rows);
        grid->setColWidths(QString::fromLatin1(widths));
        grid->setStretchColumn(TXGrid::kNoStretch);
    }
    void EnterGrid() {
        before->setFocus(Qt::OtherFocusReason);
        QApplication::processEvents();
        QTest::keyClick(before, Qt::Key_Tab);
        QApplication::processEvents();
    }
    void Key(Qt::Key k) {
        QTest::keyClick(grid->Editor(), k);
        QApplication::processEvents();
    }
    // The tooltip a real hover over the cell raises ("" when none shows).
    QString HoverTip(int col, int row) {
        const QPoint at = grid->CellRect(col, row).center();
        // A tooltip being hidden stays up a moment: a marker put up first
        // tells a tip the hover raised from none.
        const QString marker = QStringLiteral("(no tip)");
        QToolTip::showText(grid->viewport()->mapToGlobal(at), marker, grid->viewport());
        QHelpEvent e(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &e);
        const QString tip = QToolTip::isVisible() && QToolTip::text() != marker ? QToolTip::text() : QString();
        QToolTip::hideText();
        return tip;
    }
    int TextRoom(int col) const { return grid->ColumnWidth(col) - 6; }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 1, 15};
    ControlContext context{&dialogs, &clock};
    QWidget window;
    QLineEdit* before = nullptr;
    TXGrid* grid = nullptr;
};

TEST_F(XGridDisplayTest, ALongTextIsCutOnOneLineAndShownWholeInItsTooltip) {
    Columns({"Description|0|0|50|77|F|F|-1|||||-1|0|F|F|", kAmount}, "120,80");
    grid->SetCell(0, 1, "Short");
    grid->SetCell(0, 2, kLong);
    grid->SetCell(1, 2, "12.50");
    grid->SetHintSource([](int id) { return id == 77 ? QString("What the payment was for") : QString(); });
    // The cursor stays in row 1, away from the cut cell.
    const QFontMetrics fm(grid->font());
    const QString shown = grid->DisplayedText(0, 2);
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    EXPECT_TRUE(kLong.startsWith(shown.chopped(1))) << shown.toStdString();
    EXPECT_LE(fm.horizontalAdvance(shown), TextRoom(0));
    EXPECT_EQ(grid->DisplayedText(0, 1), "Short");
    EXPECT_EQ(grid->DisplayedText(1, 2), "12.50");

    EXPECT_EQ(HoverTip(0, 2), kLong);
    EXPECT_EQ(HoverTip(0, 1), "");
    EXPECT_EQ(HoverTip(1, 2), "");
    // Over the titles the column hints show as before.
    EXPECT_EQ(HoverTip(0, 0), "What the payment was for");
    EXPECT_EQ(HoverTip(1, 0), "");

    // Drawn on one line inside the row: no second line cut in half.
    const QRect cell = grid->CellRect(0, 2);
    const auto [top, bottom] = InkRows(grid, cell.adjusted(1, 1, -1, -1));
    ASSERT_GE(top, 0);
    EXPECT_LE(bottom - top + 1, fm.height());
    EXPECT_GT(top, cell.top());
    EXPECT_LT(bottom, cell.bottom());
}

TEST_F(XGridDisplayTest, TheEditorShowsTheStartOfALongTextWithAllOfItSelected) {
    Columns({kText, kAmount}, "120,80");
    grid->SetCell(0, 1, kLong);
    EnterGrid();
    ASSERT_EQ(grid->Col(), 0);
    TXGridInplaceEdit* editor = grid->Editor();
    EXPECT_EQ(editor->selectedText(), kLong);
    EXPECT_EQ(editor->cursorPosition(), 0);
    editor->grab();  // laid out as drawn
    EXPECT_LT(editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 10)
        << "the editor is scrolled to the text's end";
    EXPECT_EQ(editor->toolTip(), kLong);
    // Typing replaces the whole text, as before.
    QTest::keyClicks(editor, "Sold");
    EXPECT_EQ(grid->Cell(0, 1), "Sold");
    EXPECT_EQ(editor->toolTip(), "");
}

TEST_F(XGridDisplayTest, TheStatusLineHoldsTheCurrentCellWhileItIsCut) {
    Columns({kText, kAmount}, "120,80", 8);
    grid->SetCell(0, 2, "Short");
    grid->SetCell(0, 7, kLong);
    const int fullHeight = grid->viewport()->height();
    EXPECT_EQ(grid->StatusText(), "");
    QSignalSpy toggled(grid, &TXGrid::statusLineToggled);

    grid->SetCell(0, 1, kLong);  // the current cell
    EXPECT_EQ(grid->StatusText(), kLong);
    EXPECT_TRUE(grid->StatusLine()->isVisible());
    EXPECT_EQ(grid->StatusLine()->geometry().top(), grid->viewport()->geometry().bottom() + 1)
        << "the line lies under the rows, hiding none of them";
    EXPECT_LT(grid->viewport()->height(), fullHeight);
    EXPECT_EQ(toggled.count(), 1);

    EnterGrid();
    EXPECT_EQ(grid->StatusText(), kLong);
    Key(Qt::Key_Down);
    EXPECT_EQ(grid->StatusText(), "");
    EXPECT_FALSE(grid->StatusLine()->isVisible());
    EXPECT_EQ(grid->viewport()->height(), fullHeight);
    EXPECT_EQ(toggled.count(), 2);

    // Typing past the cell's width brings the line back.
    Key(Qt::Key_End);
    QTest::keyClicks(grid->Editor(), " and some more words to go past the edge");
    EXPECT_EQ(grid->StatusText(), "Short and some more words to go past the edge");

    // The current row stays in sight above the line, the rows scrolling up.
    for (int i = 0; i < 5; ++i) Key(Qt::Key_Down);
    ASSERT_EQ(grid->Row(), 7);
    EXPECT_EQ(grid->StatusText(), kLong);
    EXPECT_GT(grid->TopRow(), 1);
    const QRect current = grid->CellRect(0, 7);
    ASSERT_FALSE(current.isEmpty());
    EXPECT_LE(current.bottom(), grid->viewport()->height());
}

TEST_F(XGridDisplayTest, AColumnOfAFewPixelsIsHiddenLikeAMinusOneColumn) {
    Columns({kText, kAmount, kAmount, kAmount, kNote}, "100,0,2,-1,100");
    EXPECT_EQ(grid->ShownColumns(), (std::vector<int>{0, 4}));
    for (int c : {1, 2, 3}) {
        EXPECT_TRUE(grid->CellRect(c, 0).isEmpty()) << c;
        EXPECT_EQ(grid->ColumnWidth(c), 0) << c;
    }
    EXPECT_EQ(grid->ColumnX(4), 101);
    // After the first column's line the last column's title begins: no strip.
    const QImage image = grid->viewport()->grab().toImage();
    const int titleY = grid->TitleRowHeight() - 3;
    EXPECT_EQ(QColor(image.pixel(101, titleY)), grid->palette().color(QPalette::Button));
    EXPECT_EQ(QColor(image.pixel(102, titleY)), grid->palette().color(QPalette::Button));

    // Clicks, Tab and the scroll bar pass them by.
    EnterGrid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(102, grid->CellRect(4, 2).center().y()));
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 2);
    grid->MoveTo(0, 1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 4);
    Key(Qt::Key_Backtab);
    EXPECT_EQ(grid->Col(), 0);
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), grid->horizontalScrollBar()->minimum());
}

TEST_F(XGridDisplayTest, AScrolledColumnIsDrawnWholeOrNotAtAll) {
    Columns({kText, kAmount, kAmount, kAmount, kAmount}, "150,80,80,80,80");
    // 150 + 3 x 80 and their lines take 394 of the viewport: the fourth
    // amount would show as a sliver.
    const int room = grid->viewport()->width();
    ASSERT_LT(grid->ColumnX(4), room);
    ASSERT_GT(grid->ColumnX(4) + grid->ColumnWidth(4), room);
    EXPECT_EQ(grid->ShownColumns(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_TRUE(grid->CellRect(4, 1).isEmpty());
    EXPECT_GT(grid->horizontalScrollBar()->maximum(), grid->horizontalScrollBar()->minimum());
    EnterGrid();
    grid->MoveTo(4, 1);
    ASSERT_FALSE(grid->CellRect(4, 1).isEmpty());
    EXPECT_LE(grid->CellRect(4, 1).right(), room);
}

// Titles at the widths a screen gives their columns, in title lines.
struct TitleCase {
    const char* name;
    const char* title;
    int width;
    int lines;
    bool widened;
};

const TitleCase kTitleCases[] = {
    {"WordWiderThanTheColumn", "Can gain be deferred?", 40, 3, true},
    {"TooManyLinesAtTheWidth", "Amount to be excluded from reduced cost base", 70, 2, true},
    {"WrittenLinesEachWhole", "Prior year\rcollect\r-able loss applied", 50, 4, true},
    {"OneLineTitle", "Description (not sent to the Ravelle)", 120, 1, true},
    {"WideEnoughAlready", "Amount", 90, 2, false},
};

class XGridTitleWidths : public XGridDisplayTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(XGridTitleWidths, ATitleIsNeverNarrowerThanItsWordsAndLinesAllow) {
    const TitleCase& c = GetParam();
    Columns({QString::fromLatin1(c.title) + "|2|0|20|0|F|F|-1|||||-1|0|F|F|", kAmount},
            QByteArray::number(c.width).append(",80").constData());
    grid->setTitleLines(c.lines);
    const QFontMetrics fm(grid->font());
    QString title = QString::fromLatin1(c.title);
    title.replace('\r', '\n');
    const int room = grid->ColumnWidth(0) - 8;
    for (const QString& word : title.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        EXPECT_LE(fm.horizontalAdvance(word), room) << word.toStdString();
    const QRect wrapped = fm.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, title);
    EXPECT_LE(wrapped.height(), grid->TitleRowHeight() - 4);
    if (c.widened)
        EXPECT_GT(grid->ColumnWidth(0), c.width);
    else
        EXPECT_EQ(grid->ColumnWidth(0), c.width);
    // The column's own width is kept: a larger font may need less.
    EXPECT_EQ(grid->colWidths(), QString::number(c.width) + ",80");
}

INSTANTIATE_TEST_SUITE_P(Titles, XGridTitleWidths, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(XGridDisplayTest, TheStretchColumnTakesTheSpareWidth) {
    const QStringList specs{kAmount, kText, kAmount, kNote};
    struct {
        const char* name;
        int stretch;
        const char* widths;
        std::vector<int> expected;  // -1: the spare width added to the design width
    } cases[] = {
        {"TheWidestTextColumnByDefault", TXGrid::kAutoStretch, "60,100,60,80", {60, -1, 60, 80}},
        {"TheColumnNamed", 3, "60,100,60,80", {60, 100, 60, -1}},
        {"None", TXGrid::kNoStretch, "60,100,60,80", {60, 100, 60, 80}},
        {"NoSpareWhenTheColumnsScroll", TXGrid::kAutoStretch, "60,200,60,200", {60, 200, 60, 200}},
    };
    for (const auto& c : cases) {
        Columns(specs, c.widths);
        grid->setStretchColumn(c.stretch);
        const int lines = 4;
        int designTotal = 0;
        for (const QString& w : QString::fromLatin1(c.widths).split(',')) designTotal += w.toInt();
        const int spare = grid->viewport()->width() - designTotal - lines;
        for (int col = 0; col < 4; ++col) {
            const int design = QString::fromLatin1(c.widths).split(',')[col].toInt();
            const int expected = c.expected[std::size_t(col)] < 0 ? design + spare : c.expected[std::size_t(col)];
            EXPECT_EQ(grid->ColumnWidth(col), expected) << c.name << " column " << col;
        }
    }
    // A wider grid widens the stretch column again.
    Columns(specs, "60,100,60,80");
    grid->setStretchColumn(TXGrid::kAutoStretch);
    const int at400 = grid->ColumnWidth(1);
    grid->resize(600, grid->height());
    EXPECT_EQ(grid->ColumnWidth(1), at400 + 200);
}

TEST_F(XGridDisplayTest, AGridWhereNothingCanBeTypedShowsNoSelection) {
    struct {
        const char* name;
        QStringList specs;
        bool readOnlyProperty;
        bool readOnly;
    } cases[] = {
        {"Editable", {kText, kAmount}, false, false},
        {"EveryColumnReadOnlyOrDisplayOnly", {kShownText, kShownAmount}, false, true},
        {"MarkedReadOnly", {kText, kAmount}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Columns(c.specs, "120,80");
        grid->setReadOnly(c.readOnlyProperty);
        grid->SetCell(0, 1, kLong);
        grid->SetCell(1, 1, "12.50");
        EXPECT_EQ(grid->ReadOnlyGrid(), c.readOnly);
        // Shown on the screen, and with the keyboard in it.
        before->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(SelectionPixels(grid) > 0, !c.readOnly);
        EXPECT_EQ(grid->StatusText(), c.readOnly ? "" : kLong) << "a cut current cell";
        EnterGrid();
        ASSERT_TRUE(grid->Editor()->hasFocus());
        EXPECT_EQ(SelectionPixels(grid) > 0, !c.readOnly);
        EXPECT_EQ(grid->StatusText(), kLong);
        if (!c.readOnly) continue;
        // Nothing typed, no row added or taken.
        QTest::keyClicks(grid->Editor(), "x");
        QTest::keyClick(grid->Editor(), Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(grid->Editor(), Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(grid->Cell(0, 1), kLong);
        EXPECT_EQ(grid->rowCount(), 4);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(XGridDisplayTest, AGridFittedToItsRowsShowsThemAndNothingBelow) {
    Columns({kShownText, kShownAmount}, "120,80", 3);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->SetCell(0, 1, "Prior Years");
    grid->SetCell(0, 2, "Current Year");
    // Taller than its rows, the grid draws no line below the last of them.
    const int lastLine = grid->RowsHeight() - 1;
    const QImage tall = grid->viewport()->grab().toImage();
    const int lineX = grid->CellRect(0, 0).right() + 1;
    EXPECT_NE(QColor(tall.pixel(lineX, lastLine - 2)), grid->palette().color(QPalette::Base));
    EXPECT_EQ(QColor(tall.pixel(lineX, lastLine + 4)), grid->palette().color(QPalette::Base));

    grid->FitHeightToRows();
    EXPECT_EQ(grid->viewport()->height(), grid->RowsHeight());
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), grid->verticalScrollBar()->minimum());
    EXPECT_FALSE(grid->CellRect(1, 2).isEmpty());
    EXPECT_EQ(grid->CellRect(1, 2).bottom() + 2, grid->viewport()->height());
}

}  // namespace
}  // namespace cgt
