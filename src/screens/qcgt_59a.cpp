#include "screens/qcgt_59a.h"

#include "controls/xgrid.h"
#include "interview/interviewframe.h"

namespace cgt {

TQCGT_59a::TQCGT_59a(QWidget* parent) : TCostHistoryScreen(HistoryTwin::Shares, parent) {
    SetUp(ui);
}

void TQCGT_59a::Shown(TInterviewFrame& frame) {
    TCostHistoryScreen::Shown(frame);
    // Checked on the way on only, whatever the description.
    RegisterChecks([this] { return Frame().GoingBack() || DatesFromCgtStart(); }, true);
}

bool TQCGT_59a::DatesFromCgtStart() {
    const std::optional<int> row = FirstHistoryRowBeforeCgt(Store());
    if (!row) return true;
    Reject(kMsgHistoryDateTooEarly, nullptr);
    // The row is shown where it stands: in the grid of the Worksheet View.
    ShowView(kWorksheetView);
    XGrid1->MoveTo(0, *row, false);
    XGrid1->setFocus(Qt::MouseFocusReason);
    return false;
}

}  // namespace cgt
