#include "screens/entry_table_screen.h"

#include "base/dialogs.h"
#include "controls/xgrid.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"

namespace cgt {

TEntryTableScreen::TEntryTableScreen(QWidget* parent) : TChildForm(parent) {}

void TEntryTableScreen::Created(TInterviewFrame& frame) {
    frame_ = &frame;
    XGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TEntryTableScreen::Shown(TInterviewFrame& frame) {
    frame.ShowNavigator(frame.CurrentScreenNumber());
    frame.SetValidationHandler([this] { return Checks(); });
    frame.SetNextHandler([&frame](FrameButton) { ++frame.Run().screenIndex; });
}

bool TEntryTableScreen::Checks() {
    const std::optional<TableFault> fault = Fault();
    if (!fault) return true;
    frame_->Run().dialogs().Message(fault->message, "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
    // The cursor goes onto the row first: taking the focus the usual way
    // would start the grid again at row 1.
    XGrid1->MoveTo(fault->col, fault->row, false);
    XGrid1->setFocus(Qt::MouseFocusReason);
    return false;
}

}  // namespace cgt
