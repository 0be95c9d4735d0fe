#pragma once
// The small business concession screens and the CGT schedule screen through
// the real frame: a return as the choice table leaves it (asset worksheets
// with their results, the active-asset gains list and the schedule
// worksheet), the user's clicks and keys in the grid, and what is stored.
#include <QScrollBar>
#include <map>
#include <string>
#include <vector>

#include "block_screens_fixture.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "store/fieldstore.h"

namespace cgt::test {

// An asset worksheet as its screens and its worksheet calculation leave it.
struct ResultAsset {
    int type;
    const char* description;
    const char* typeCode;
    std::map<int, long double> amounts;  // results by tag
    std::vector<int> ticked = {};
    std::map<int, std::string> texts = {};
};

// A cell of the grid.
struct At {
    int col;
    int row;
};

// A key pressed in the grid with the cursor on `start`, and where it goes.
struct GridKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    At start;
    At end;
};

class ConcessionScreenTest : public BlockScreenTest {
protected:
    void SetUp() override {
        BlockScreenTest::SetUp();
        // The frame enables Prev at the first Next.
        ShowScreen(2088);
        Click(frame->NextButton());
    }
    // Stores the next instance of the asset's type; returns its number.
    int AddAsset(const ResultAsset& a) {
        FieldStore& store = run.store();
        const int n = store.WorksheetCount(a.type) + 1;
        store.LoadInstance(a.type, n);
        store.SetFieldStr(kTagAssetDescription, a.description);
        store.SetFieldStr(kTagAssetType, a.typeCode);
        for (const auto& [tag, v] : a.amounts) store.SetFieldVal(tag, v);
        for (int tag : a.ticked) store.SetFieldChecked(tag);
        for (const auto& [tag, t] : a.texts) store.SetFieldStr(tag, t);
        store.StoreInstance(a.type, n);
        return n;
    }
    // Fields of the schedule worksheet as the choice table computed them.
    void SetSchedule(const std::map<int, long double>& amounts) {
        FieldStore& store = run.store();
        store.LoadInstance(kWsSchedule, 1);
        for (const auto& [tag, v] : amounts) store.SetFieldVal(tag, v);
        store.StoreInstance(kWsSchedule, 1);
    }
    long double Schedule(int tag) {
        return Stored(kWsSchedule, [tag](FieldStore& s) { return s.GetFieldVal(tag); });
    }
    bool ScheduleTicked(int tag) { return StoredTicked(kWsSchedule, tag); }
    long double AssetValue(int type, int tag, int n = 1) {
        return Stored(
            type, [tag](FieldStore& s) { return s.GetFieldVal(tag); }, n);
    }

    // Shown from the choice table's introduction, so that Prev leads there.
    void ShowFromChoices(int number) {
        ShowScreen(2102);
        ShowScreen(number);
        ASSERT_EQ(frame->CurrentScreenNumber(), number);
        QApplication::processEvents();
    }

    TXGrid* Grid() const { return Control<TXGrid>("XGrid1"); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(Grid()->Editor(), key, mods);
        QApplication::processEvents();
    }
    // A click on a cell, after scrolling it into view as the user would.
    void ClickCell(int col, int row) {
        QScrollBar* bar = Grid()->horizontalScrollBar();
        if (col >= Grid()->fixedCols() && col < Grid()->LeftCol()) bar->setValue(bar->minimum());
        while (Grid()->CellRect(col, row).isEmpty() && bar->value() < bar->maximum())
            bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        ASSERT_FALSE(Grid()->CellRect(col, row).isEmpty()) << col << "," << row;
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Grid()->CellRect(col, row).center());
        QApplication::processEvents();
    }
    // Clicks a cell and types over it.
    void TypeCell(int col, int row, const char* keys) {
        ClickCell(col, row);
        QTest::keyClicks(Grid()->Editor(), QString::fromLatin1(keys));
    }
    std::string CellText(int col, int row) const { return Grid()->Cell(col, row).trimmed().toStdString(); }
    // The screen's control holding the focus (a grid holds it in its editor).
    std::string FocusedControl() const {
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() != frame->CurrentScreen()) w = w->parentWidget();
        return w ? w->objectName().toStdString() : "";
    }
    // The grid's rows as the user reads them.
    std::vector<std::string> ShownRows() const {
        std::vector<std::string> cells;
        for (int r = 1; r < Grid()->rowCount(); ++r)
            for (int c = 0; c < Grid()->colCount(); ++c) cells.push_back(CellText(c, r));
        return cells;
    }
    // Each key from its start cell: the cursor's end cell, no message, the rows kept.
    void CheckKeys(const std::vector<GridKey>& keys) {
        const std::vector<std::string> rows = ShownRows();
        const int rowCount = Grid()->rowCount();
        for (const GridKey& k : keys) {
            SCOPED_TRACE(k.name);
            ClickCell(k.start.col, k.start.row);
            ASSERT_EQ(Grid()->Col(), k.start.col);
            ASSERT_EQ(Grid()->Row(), k.start.row);
            Key(k.key, k.mods);
            EXPECT_EQ(Grid()->Col(), k.end.col);
            EXPECT_EQ(Grid()->Row(), k.end.row);
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
            EXPECT_EQ(Grid()->rowCount(), rowCount);
            EXPECT_EQ(ShownRows(), rows);
        }
    }
};

}  // namespace cgt::test
