#pragma once
// The receipt screens as a user drives them: the question answered that
// leads to a receipt screen, boxes typed over, cells of the receipts grid
// clicked and typed into, Tab from cell to cell; and the screens' messages
// as the user reads them.
#include <QScrollBar>
#include <initializer_list>
#include <vector>

#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"

namespace cgt::test {

inline constexpr const char* kMsgBeforeAcquisition =
    "Check dates. A non-assessable receipt cannot be received before the date of acquisition.";
inline constexpr const char* kMsgBeforeCostBase =
    "Check dates. A non-assessable receipt cannot be received before the cost base effective date.";
inline constexpr const char* kMsgIncomplete = "If either dates and amount are present then all must be completed.";
inline constexpr const char* kMsgPreCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\nAssets acquired before 20 September 1985 "
    "are generally not subject to CGT although there\r\nis an exception for some shares and trust interests.  If "
    "your asset falls within this exception,\r\nyou should manually calculate your capital gain or capital loss";
inline constexpr const char* kMsgNoDescription = "Please enter a description for this receipt.";
inline constexpr const char* kMsgNoAmount = "Please enter amount.";

// A payment as a check types it into a receipts grid: its date, its
// description and one amount.
struct Payment {
    const char* date;
    const char* description;
    const char* amount;
};
// One check of a receipts grid: the asset, the payments typed, the message
// and the row the cursor is put on (no message: accepted).
struct GridCheck {
    const char* name;
    StoredAsset asset;
    std::vector<Payment> payments;
    const char* message;
    int row;
};

// One check of a receipt entered in boxes: the entries typed, the boxes
// ticked in order, a stored event date that the screen reopens with, the
// message and the focus (no message: accepted).
struct EntryCheck {
    const char* name = "";
    const char* description = "";
    const char* proceeds = "";
    const char* costs = "";
    std::vector<const char*> ticks = {};
    const char* storedDate = "";
    const char* message = nullptr;
    const char* focus = nullptr;  // nullptr: the date box, which is hidden
};

class ReceiptScreenTest : public BlockScreenTest {
protected:
    // Yes to the question before a receipt screen, as the flow reaches it.
    void AnswerYes(int question, int reached) {
        ShowScreen(question);
        Click(frame->YesButton());
        Settle();
        ASSERT_EQ(frame->CurrentScreenNumber(), reached);
    }
    // Types over what a box holds ("" leaves it as it is).
    void Type(const char* box, const char* text) {
        if (!*text) return;
        auto* edit = Control<TTaxEdit>(box);
        ClickInto(edit);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QString::fromLatin1(text));
    }
    // Next accepted without a message (on to `next`), or refused with the
    // message; true when the screen stayed, to be looked at further.
    bool ExpectNext(const char* message, int screen, int next) {
        if (!message) {
            EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
            EXPECT_EQ(frame->CurrentScreenNumber(), next);
            return false;
        }
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{message});
        EXPECT_EQ(frame->CurrentScreenNumber(), screen);
        return frame->CurrentScreenNumber() == screen;
    }
    void Enter(const EntryCheck& c) {
        Type("DescEdit", c.description);
        Type("ProceedsEdit", c.proceeds);
        Type("CostsEdit", c.costs);
        for (const char* box : c.ticks) Tick(box);
    }
    // After Next: on to `next`, or the message with the focus where it
    // belongs and the entries as typed.
    void ExpectOutcome(const EntryCheck& c, int screen, int next) {
        if (!ExpectNext(c.message, screen, next)) return;
        if (c.focus) {
            EXPECT_EQ(FocusName(), c.focus);
        }
        if (*c.description) {
            EXPECT_EQ(TextOf("DescEdit"), c.description);
        }
        EXPECT_EQ(TextOf("ProceedsEdit"), c.proceeds);
        EXPECT_EQ(TextOf("CostsEdit"), c.costs);
        for (const char* box : c.ticks) EXPECT_TRUE(Ticked(box)) << box;
    }
};

class ReceiptGridTest : public ReceiptScreenTest {
protected:
    TXGrid* Grid() const { return Control<TXGrid>("XGrid1"); }
    // Scrolls the column into view, as the user would with the scroll bar, and clicks the cell.
    void ClickCell(int col, int row) {
        TXGrid* grid = Grid();
        if (grid->CellRect(col, row).isEmpty()) grid->horizontalScrollBar()->setValue(col);
        const QRect cell = grid->CellRect(col, row);
        ASSERT_FALSE(cell.isEmpty()) << col << "," << row;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
    }
    void Key(Qt::Key key) {
        QTest::keyClick(Grid()->Editor(), key);
        QApplication::processEvents();
    }
    // Clicks the row's first cell (or `firstCol`) and types its cells in Tab
    // order ("" leaves one as it is), then Tabs on so that the last one is
    // checked too.
    void TypeRow(int row, const std::vector<const char*>& cells, int firstCol = 0) {
        ClickCell(firstCol, row);
        bool first = true;
        for (const char* text : cells) {
            if (!first) Key(Qt::Key_Tab);
            first = false;
            QTest::keyClicks(Grid()->Editor(), QString::fromLatin1(text));
        }
        Key(Qt::Key_Tab);
    }
    std::string CellText(int col, int row) const { return Grid()->Model().Cell(col, row); }
    // After Next: on to `next`, or the message with the cursor at the start
    // of the row that broke a rule and the entries as typed.
    void ExpectOutcome(const GridCheck& c, int screen, int next) {
        if (!ExpectNext(c.message, screen, next)) return;
        EXPECT_EQ(FocusHolder(), "XGrid1");
        EXPECT_EQ(Grid()->Row(), c.row);
        EXPECT_EQ(Grid()->Col(), kDateCol);
        int row = 1;
        for (const Payment& p : c.payments) {
            EXPECT_EQ(CellText(kDateCol, row), p.date);
            EXPECT_EQ(CellText(kDescriptionCol, row), p.description);
            ++row;
        }
    }
    // Both grids begin with the payment's date and, after a column of
    // their own, its description.
    static constexpr int kDateCol = 0;
    static constexpr int kDescriptionCol = 2;
    // The control holding the focus, by name; the grid's cell editor counts as the grid.
    static std::string FocusHolder() {
        QWidget* w = QApplication::focusWidget();
        if (qobject_cast<TXGridInplaceEdit*>(w)) w = w->parentWidget()->parentWidget();
        return w ? w->objectName().toStdString() : "";
    }
};

}  // namespace cgt::test
