#include "screens/calc_grid_screen.h"

#include <QKeyEvent>
#include <algorithm>

#include "base/dialogs.h"
#include "controls/xgrid.h"
#include "controls/xgrid_inplace_edit.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"

namespace cgt {

namespace {

// Each of these screens leads to the one after it.
constexpr int kNextScreenStep = 1;

}  // namespace

TCalcGridScreen::TCalcGridScreen(std::optional<EntryColumns> entry, QWidget* parent)
    : TChildForm(parent), entry_(entry) {}

void TCalcGridScreen::Created(TInterviewFrame& frame) {
    frame_ = &frame;
    // The screen sees the grid's keys first (the editor holds the keyboard).
    if (entry_) grid_->Editor()->installEventFilter(this);
}

FieldStore& TCalcGridScreen::Store() const {
    return frame_->Store();
}

void TCalcGridScreen::ShowRows(const std::vector<std::string>& cells) {
    grid_->LoadFromList(cells);
    const int rows = int(cells.size()) / std::max(1, grid_->colCount());
    grid_->setRowCount(std::max(rows, 1) + 1);
    grid_->Model().SetModified(false);
}

std::vector<std::vector<std::string>> TCalcGridScreen::Rows() const {
    return GridRows(grid_->Model());
}

void TCalcGridScreen::RegisterHandlers(Check check, bool onPrev, std::function<void()> writeBack) {
    if (check)
        frame_->SetValidationHandler([this, check = std::move(check), onPrev] {
            if (!onPrev && frame_->GoingBack()) return true;
            const auto failure = check();
            return !failure || Reject(*failure);
        });
    frame_->SetNextHandler([this, writeBack = std::move(writeBack)](FrameButton) {
        writeBack();
        frame_->Run().screenIndex += kNextScreenStep;
    });
}

bool TCalcGridScreen::Reject(const GridCheckFailure& failure) {
    frame_->Run().dialogs().Message(failure.message, "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
    // The cursor goes onto the cell first: taking the focus the usual way
    // would start the grid again at row 1.
    grid_->MoveTo(failure.column, failure.row + 1, false);
    grid_->setFocus(Qt::MouseFocusReason);
    return false;
}

TCalcGridScreen::KeyAction TCalcGridScreen::ActionFor(const QKeyEvent& key) const {
    const int col = grid_->Col();
    const auto mods = key.modifiers();
    switch (key.key()) {
        case Qt::Key_Delete: return mods & Qt::ControlModifier ? KeyAction::Swallow : KeyAction::Pass;
        case Qt::Key_Return:
        case Qt::Key_Enter: return col == entry_->last ? KeyAction::NextRow : KeyAction::Swallow;
        case Qt::Key_Backtab: break;
        case Qt::Key_Tab:
            if (mods & Qt::ShiftModifier) break;
            if (col < entry_->last) return KeyAction::Pass;
            return col == entry_->last ? KeyAction::NextRow : KeyAction::Swallow;
        default: return KeyAction::Pass;
    }
    // Shift+Tab
    if (col < entry_->first || col > entry_->last) return KeyAction::Swallow;
    return col == entry_->first ? KeyAction::PreviousRow : KeyAction::Pass;
}

bool TCalcGridScreen::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::KeyPress;
    if (watched != grid_->Editor() || (!press && event->type() != QEvent::KeyRelease))
        return TChildForm::eventFilter(watched, event);
    const KeyAction action = ActionFor(*static_cast<QKeyEvent*>(event));
    if (action == KeyAction::Pass) return false;
    // The grid acts on some keys when they are released (Ctrl+Delete).
    if (!press) return true;
    const int last = grid_->rowCount() - 1;
    const int row = grid_->Row();
    if (action == KeyAction::NextRow) grid_->MoveTo(entry_->first, row >= last ? 1 : row + 1);
    if (action == KeyAction::PreviousRow) grid_->MoveTo(entry_->last, row <= 1 ? last : row - 1);
    return true;
}

}  // namespace cgt
