// The grids and lists of the screens as a taxpayer reads them, through the
// real frame at the screens' design size: a long description typed or stored
// shows cut with "…" on one line, whole in its tooltip and, in the current
// cell, in the grid's status line; every titled column shows its title
// whole, with a horizontal scroll bar only where the columns cannot fit; a
// grid where nothing can be typed shows no selection; the navigator and the
// picker cut their long entries with the whole entry as a tooltip.
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeWidget>
#include <set>

#include "calc/choice_table.h"
#include "calc/cost_elements.h"
#include "concessions_fixture.h"
#include "controls/elided_item_tip.h"
#include "controls/xgrid_totals.h"
#include "interview/navigator.h"
#include "interview/worksheet_picker.h"

namespace cgt::test {
namespace {

constexpr QChar kEllipsis(0x2026);

// Pixels of a widget's picture in the colour the style marks a selection with.
int SelectionPixels(QWidget* w) {
    const QImage image = w->grab().toImage();
    const QRgb active = w->palette().color(QPalette::Active, QPalette::Highlight).rgb() | 0xff000000u;
    const QRgb inactive = w->palette().color(QPalette::Inactive, QPalette::Highlight).rgb() | 0xff000000u;
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xff000000u;
            if (p == active || p == inactive) ++n;
        }
    return n;
}

// Dark pixels (text) within a rectangle of a widget's picture.
int Ink(QWidget* w, const QRect& r) {
    const QImage image = w->grab().toImage();
    int n = 0;
    for (int y = std::max(0, r.top()); y <= std::min(image.height() - 1, r.bottom()); ++y)
        for (int x = std::max(0, r.left()); x <= std::min(image.width() - 1, r.right()); ++x)
            if (qGray(image.pixel(x, y)) < 100) ++n;
    return n;
}

// The titles of the columns drawn that do not show whole in their title
// cells, measured with the grid's font.
std::vector<std::string> CutTitles(const TXGrid* grid) {
    std::vector<std::string> cut;
    const QFontMetrics fm(grid->font());
    for (int c : grid->ShownColumns()) {
        QString title = grid->Cell(c, 0);
        title.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace('\r', '\n');
        if (title.trimmed().isEmpty()) continue;
        const QRect cell = grid->CellRect(c, 0);
        const int room = cell.width() - 8;  // the title's margins
        bool whole = cell.right() < grid->viewport()->width();
        for (const QString& word : title.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
            whole = whole && fm.horizontalAdvance(word) <= room;
        whole = whole && fm.boundingRect(QRect(0, 0, room, 1000), Qt::TextWordWrap, title).height() <=
                             grid->TitleRowHeight() - 4;
        if (!whole) cut.push_back(title.toStdString());
    }
    return cut;
}

// The tooltip a real hover over a point of a widget raises ("" when none shows).
QString HoverTip(QWidget* w, const QPoint& at) {
    // A tooltip being hidden stays up a moment: a marker put up first tells
    // a tip the hover raised from none.
    const QString marker = QStringLiteral("(no tip)");
    QToolTip::showText(w->mapToGlobal(at), marker, w);
    QHelpEvent e(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &e);
    const QString tip = QToolTip::isVisible() && QToolTip::text() != marker ? QToolTip::text() : QString();
    QToolTip::hideText();
    return tip;
}

QString CellTip(TXGrid* grid, int col, int row) {
    return HoverTip(grid->viewport(), grid->CellRect(col, row).center());
}

class GridReadability : public ConcessionScreenTest {
protected:
    TXGrid* GridNamed(const char* name) const { return Control<TXGrid>(name); }

    // Every titled column is drawn whole with its title whole at some
    // position of the horizontal scroll bar; the titles cut are returned.
    std::vector<std::string> TitlesCutAnywhere(TXGrid* grid) {
        std::vector<std::string> cut;
        std::set<int> drawn;
        QScrollBar* bar = grid->horizontalScrollBar();
        for (int v = bar->minimum(); v <= bar->maximum(); ++v) {
            bar->setValue(v);
            for (const std::string& t : CutTitles(grid)) cut.push_back(t);
            for (int c : grid->ShownColumns()) drawn.insert(c);
        }
        bar->setValue(bar->minimum());
        for (int c = 0; c < grid->colCount(); ++c)
            if (!grid->Model().ColumnHidden(c) && !grid->Cell(c, 0).trimmed().isEmpty() && !drawn.count(c))
                cut.push_back("never drawn: " + grid->Cell(c, 0).toStdString());
        return cut;
    }
    // A scroll bar only where the columns cannot fit side by side.
    static void ExpectScrollOnlyWhereNeeded(const TXGrid* grid) {
        const QScrollBar* bar = grid->horizontalScrollBar();
        const bool needed = grid->ColumnsWidth() > grid->viewport()->width();
        EXPECT_EQ(bar->maximum() > bar->minimum(), needed)
            << "columns " << grid->ColumnsWidth() << " in " << grid->viewport()->width();
        EXPECT_EQ(bar->isVisible(), needed);
    }
    // A cell cut on one line with "…", whole in its tooltip.
    static void ExpectCut(TXGrid* grid, int col, int row, const QString& whole) {
        const QString shown = grid->DisplayedText(col, row);
        EXPECT_TRUE(shown.endsWith(kEllipsis)) << shown.toStdString();
        EXPECT_TRUE(whole.startsWith(shown.chopped(1))) << shown.toStdString();
        EXPECT_LE(QFontMetrics(grid->font()).horizontalAdvance(shown), grid->CellRect(col, row).width());
        EXPECT_EQ(CellTip(grid, col, row), whole);
    }
    // The cell made current by a click: its editor shows the text from its
    // start, all of it selected, and the status line has it whole.
    void ExpectCurrentWhole(TXGrid* grid, int col, int row, const QString& whole) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(col, row).center());
        QApplication::processEvents();
        ASSERT_EQ(grid->Col(), col);
        ASSERT_EQ(grid->Row(), row);
        EXPECT_EQ(grid->Editor()->selectedText(), whole);
        EXPECT_EQ(grid->Editor()->cursorPosition(), 0);
        EXPECT_EQ(grid->Editor()->toolTip(), whole);
        EXPECT_EQ(grid->StatusText(), whole);
        EXPECT_TRUE(grid->StatusLine()->isVisible());
    }
    void ClickRadio(const char* name) {
        auto* radio = Control<QRadioButton>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
        QApplication::processEvents();
    }
    // Rows of the manual calculation table: description, asset type, discount gain.
    void StoreManualRows(const std::vector<std::array<const char*, 3>>& rows) {
        auto list = std::make_shared<TextList>();
        for (const auto& r : rows) {
            TextList row(choice::kColumnCount);
            row[choice::kDescription] = r[0];
            row[choice::kAssetType] = r[1];
            row[choice::kDiscountGain] = r[2];
            list->insert(list->end(), row.begin(), row.end());
        }
        run.store().SetFieldLst(kTagManualTable, list);
    }
};

TEST_F(GridReadability, TheManualTableCutsALongDescriptionAndShowsItWhole) {
    const QString typed = QStringLiteral("Private company shares sold to my brother-in-law");
    ShowScreen(2098);
    ShowScreen(2101);
    ASSERT_EQ(frame->CurrentScreenNumber(), 2101);
    TXGrid* grid = Grid();
    EXPECT_EQ(TitlesCutAnywhere(grid), std::vector<std::string>{});
    ExpectScrollOnlyWhereNeeded(grid);
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), grid->horizontalScrollBar()->minimum());

    ClickCell(choice::kDescription, 1);
    QTest::keyClicks(grid->Editor(), typed);
    EXPECT_EQ(grid->StatusText(), typed) << "while it is typed";
    QTest::keyClick(grid->Editor(), Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_EQ(grid->Col(), choice::kAssetType);
    EXPECT_EQ(grid->Cell(choice::kDescription, 1), typed);
    EXPECT_EQ(grid->StatusText(), "");
    ExpectCut(grid, choice::kDescription, 1, typed);
    ExpectCurrentWhole(grid, choice::kDescription, 1, typed);
}

TEST_F(GridReadability, TheCostElementGridShowsItsMainColumnsAndCutsALongDescription) {
    const QString typed = QStringLiteral("Stamp duty and the broker's commission");
    StoreAsset(kWsShares, {});
    ShowOnAsset(2011);
    TXGrid* grid = Grid();
    // The element, its date, description and amount in the window at once.
    for (int c : {kCostElementCode, kCostElementIncurred, kCostElementDescription, kCostElementAmount})
        EXPECT_TRUE(grid->ColumnVisible(c)) << grid->Cell(c, 0).toStdString();
    EXPECT_EQ(TitlesCutAnywhere(grid), std::vector<std::string>{});
    ExpectScrollOnlyWhereNeeded(grid);
    // The amount excluded from the reduced cost base has no width: it is
    // drawn nowhere, not even as a strip.
    QScrollBar* bar = grid->horizontalScrollBar();
    for (int v = bar->minimum(); v <= bar->maximum(); ++v) {
        bar->setValue(v);
        EXPECT_TRUE(grid->CellRect(kCostElementExcludedReduced, 0).isEmpty()) << v;
    }
    bar->setValue(bar->minimum());

    ClickCell(kCostElementDescription, 1);
    QTest::keyClicks(grid->Editor(), typed);
    QTest::keyClick(grid->Editor(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(grid->Cell(kCostElementDescription, 1), typed);
    ExpectCut(grid, kCostElementDescription, 1, typed);
    ExpectCurrentWhole(grid, kCostElementDescription, 1, typed);
    // The status line hides no row: the current one stays above it.
    EXPECT_LE(grid->CellRect(kCostElementDescription, 1).bottom(), grid->viewport()->height());
}

TEST_F(GridReadability, TheShareReceiptsShowEveryColumnWithoutScrolling) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(2012);
    EXPECT_EQ(TitlesCutAnywhere(Grid()), std::vector<std::string>{});
    ExpectScrollOnlyWhereNeeded(Grid());
    EXPECT_EQ(Grid()->horizontalScrollBar()->maximum(), Grid()->horizontalScrollBar()->minimum());
}

TEST_F(GridReadability, TheChoiceTableCutsALongDescriptionAndItsLossesShowExactlyTheirRows) {
    const QString description = QStringLiteral("BHP Billiton 1,000 ordinary shares - Disposal");
    StoreManualRows({{"BHP Billiton 1,000 ordinary shares - Disposal", "SN", "1600"}, {"Painting", "A", "500"}});
    run.store().SetFieldVal(kTagPriorCollectableLosses, 100);
    ShowFromChoices(2103);
    TXGrid* grid = Grid();
    EXPECT_EQ(TitlesCutAnywhere(grid), std::vector<std::string>{});
    ExpectScrollOnlyWhereNeeded(grid);
    ASSERT_EQ(grid->Cell(choice::kDescription, 1), description);
    ExpectCut(grid, choice::kDescription, 1, description);
    EXPECT_EQ(grid->DisplayedText(choice::kDescription, 2), "Painting");
    EXPECT_EQ(CellTip(grid, choice::kDescription, 2), "");
    ExpectCurrentWhole(grid, choice::kDescription, 1, description);

    // The unapplied losses: two rows, nothing under them, nothing to scroll,
    // nothing shown selected, the row titles whole.
    TXGrid* losses = GridNamed("XGrid2");
    ASSERT_EQ(losses->rowCount(), 3);
    EXPECT_EQ(losses->viewport()->height(), losses->RowsHeight());
    EXPECT_FALSE(losses->verticalScrollBar()->isVisible());
    EXPECT_FALSE(losses->horizontalScrollBar()->isVisible());
    EXPECT_EQ(SelectionPixels(losses), 0);
    EXPECT_EQ(losses->DisplayedText(0, 1), "Prior Years");
    EXPECT_EQ(losses->DisplayedText(0, 2), "Current Year");
    EXPECT_EQ(CutTitles(losses), std::vector<std::string>{});
}

TEST_F(GridReadability, TheConcessionElectionsCutALongDescription) {
    const QString description = QStringLiteral("Bakery Pty Ltd 5,000 ordinary shares - Disposal");
    AddAsset({kWsShares, "Bakery Pty Ltd 5,000 ordinary shares", "SA", {{kTagDiscountGain, 2000}}, {kTagHasProceeds}});
    run.store().SetFieldLst(
        kTagConcessionGains,
        std::make_shared<TextList>(TextList{description.toStdString(), "", "   1000.00", "", "", "", "", "451", "1"}));
    SetSchedule({{kTagSchedAfterLossesDiscount, 2000}, {kTagSchedDiscountActive, 1000}});
    ShowFromChoices(2104);
    TXGrid* grid = Grid();
    EXPECT_EQ(TitlesCutAnywhere(grid), std::vector<std::string>{});
    ExpectScrollOnlyWhereNeeded(grid);
    EXPECT_EQ(grid->horizontalScrollBar()->maximum(), grid->horizontalScrollBar()->minimum());
    ASSERT_EQ(grid->Cell(0, 1), description);
    ExpectCut(grid, 0, 1, description);
}

TEST_F(GridReadability, TheWorksheetViewCutsALongDescriptionShowsNoSelectionAndNoAmountTotal) {
    const char* description = "Ordinary shares bought through a broker";
    // Three cost bases entered (the Amount column holds each of them) and a cost.
    if (frame->CurrentScreen()) ShowScreen(2007);
    FieldStore& store = run.store();
    store.SetFieldStr(kTagAssetDescription, "BHP Billiton 1,000 shares");
    store.SetFieldStr(kTagAssetType, "SN");
    store.SetFieldStr(kTagAcquisitionDate, "01/03/1995");
    store.SetFieldStr(kTagCostBaseDate, "01/08/1999");
    store.SetFieldVal(kTagEnteredIndexedCostBase, 17500);
    store.SetFieldVal(kTagEnteredNonIndexedCostBase, 17000);
    store.SetFieldVal(kTagEnteredReducedCostBase, 17120);
    store.SetFieldLst(kTagCostElements,
                      std::make_shared<TextList>(TextList{"2A - Incidentals re holding & acquisition", "01/09/1999", "",
                                                          description, "95.00", "", "", ""}));
    store.SetFieldStr(kTagEventDate, "15/11/2002");
    store.SetFieldVal(kTagCapitalProceeds, 30000);
    store.SetFieldChecked(kTagRollOverNo);
    store.StoreInstance(kWsShares, 1);
    ShowOnAsset(2016);
    ClickRadio("WorksheetViewRadio");
    TXGrid* grid = GridNamed("WorksheetGrid");
    ASSERT_TRUE(grid->isVisible());
    int row = 1;
    while (row < grid->rowCount() && grid->Cell(1, row) != QString::fromLatin1(description)) ++row;
    ASSERT_LT(row, grid->rowCount()) << "the cost is on the worksheet";
    EXPECT_EQ(SelectionPixels(grid), 0);
    ExpectCut(grid, 1, row, QString::fromLatin1(description));

    // Totals under the amounts that add up; none under the Amount column.
    auto* totals = Control<TXGridTotals>("WorksheetTotals");
    const auto column = [&](int c) {
        const int left = grid->viewport()->geometry().left() + grid->ColumnX(c);
        return QRect(left + 2, 4, grid->ColumnWidth(c) - 4, totals->height() - 8);
    };
    EXPECT_EQ(Ink(totals, column(2)), 0) << "Amount";
    EXPECT_GT(Ink(totals, column(4)), 0) << "Net amount (not indexed)";

    // Clicked, the cell's whole text shows in the status line, framed but
    // not selected, and the grid grows by the line so that no row hides.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->CellRect(1, row).center());
    QApplication::processEvents();
    EXPECT_EQ(grid->StatusText(), QString::fromLatin1(description));
    EXPECT_EQ(SelectionPixels(grid), 0);
    const QRect last = grid->CellRect(1, grid->rowCount() - 1);
    ASSERT_FALSE(last.isEmpty());
    EXPECT_LE(last.bottom(), grid->viewport()->height());
    EXPECT_GE(totals->y(), grid->geometry().bottom() - 1);
}

TEST_F(GridReadability, GridsWhereNothingCanBeTypedShowNoSelection) {
    // The cost base history (2015) in its worksheet view.
    StoreAsset(kWsShares, {.costIncurred = "01/03/1995", .receipts = true});
    ShowOnAsset(2015);
    ClickRadio("WorksheetViewRadio");
    TXGrid* history = Grid();
    ASSERT_TRUE(history->isVisible());
    ASSERT_FALSE(history->Cell(4, 1).isEmpty());
    EXPECT_TRUE(history->ReadOnlyGrid());
    EXPECT_EQ(SelectionPixels(history), 0);

    // The 15-year exemption list (2105).
    AddAsset({kWsOtherAssets, "Goodwill of the bakery", "G ", {{kTagOtherGain, 500}}, {kTagFifteenYearExemption}});
    ShowFromChoices(2105);
    ASSERT_EQ(Grid()->Cell(0, 1), "Goodwill of the bakery");
    EXPECT_EQ(SelectionPixels(Grid()), 0);
}

TEST_F(GridReadability, TheNavigatorAndThePickerCutLongEntriesWithTheWholeEntryAsTooltip) {
    ShowScreen(2098);
    ShowScreen(2101);
    QTreeWidget* tree = frame->Navigator()->Tree();
    ASSERT_TRUE(tree->isVisible());
    EXPECT_EQ(tree->horizontalScrollBar()->maximum(), 0);
    const QFontMetrics fm(tree->font());
    int cut = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = tree->topLevelItem(i);
        const QRect rect = tree->visualItemRect(item);
        EXPECT_LE(rect.right(), tree->viewport()->width()) << item->text(0).toStdString();
        const int width = fm.horizontalAdvance(item->text(0));
        const QString tip = HoverTip(tree->viewport(), rect.center());
        if (width > rect.width()) {
            ++cut;
            EXPECT_EQ(tip, item->text(0));
        } else if (width < rect.width() - 12) {
            EXPECT_EQ(tip, "") << item->text(0).toStdString();
        }
    }
    EXPECT_GE(cut, 3) << "the long entries of the bar";

    // The picker of a registration screen, with a long name and a short one.
    StoreAsset(kWsShares, {.description = "BHP"}, 1);
    StoreAsset(kWsShares, {.description = "Telstra instalment receipts, second instalment"}, 2);
    ShowOnAsset(2009);
    QListWidget* list = frame->Picker()->List();
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->horizontalScrollBar()->maximum(), 0);
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        const QRect rect = list->visualItemRect(item);
        // Each row keeps to the list's width, so that its text is cut with "…".
        EXPECT_LE(rect.width(), list->viewport()->width()) << item->text().toStdString();
        const bool longEntry = QFontMetrics(list->font()).horizontalAdvance(item->text()) > rect.width();
        EXPECT_EQ(HoverTip(list->viewport(), rect.center()), longEntry ? item->text() : QString())
            << item->text().toStdString();
    }
    EXPECT_EQ(list->item(0)->text(), "BHP");
    EXPECT_TRUE(QFontMetrics(list->font()).horizontalAdvance(list->item(2)->text()) > list->viewport()->width())
        << "the new worksheet entry is long";
}

}  // namespace
}  // namespace cgt::test
