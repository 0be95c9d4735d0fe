#include "screens/receipt_grid_screen.h"

#include "base/text.h"
#include "calc/calc_util.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

TReceiptGridScreen::TReceiptGridScreen(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {}

void TReceiptGridScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    // A scroll bar across only when the columns do not fit side by side.
    XGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    XGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(XGrid1, &TXGrid::cellEntered, this, GuardedSlot(this, [this](int col, int row) { XGrid1Click(col, row); }));
}

void TReceiptGridScreen::Shown(TInterviewFrame& frame) {
    ShowDescription();
    frame.ShowPicker(false);
    ShowColumnHelp(kColPaymentDate);
    RegisterChecks([this] { return Checks(); });
    RegisterNext([this] {
        BeforeSort();
        XGrid1->SortRows(SortKeys());
        return kBlockStep;
    });
}

void TReceiptGridScreen::ShowEvent(const char* item) {
    CGTEventEdit->setText(ToQt(item));
    Store().SetFieldStr(kTagReceiptEventCode, CodeOf(item));
}

void TReceiptGridScreen::ShowColumnHelp(int col) {
    HelpLbl->setCurrentSection(col + 1);
}

void TReceiptGridScreen::XGrid1Click(int col, int) {
    // The cursor passes over the columns without a Tab stop.
    ShowColumnHelp(XGrid1->Model().SkipToTabStop(col));
}

const char* TReceiptGridScreen::DateFault(int row) const {
    const auto paid = DateOfText(XGrid1->Model().Cell(kColPaymentDate, row));
    if (!paid) return nullptr;
    const auto acquired = FieldDate(Store(), kTagAcquisitionDate);
    if (acquired && *acquired > *paid) return kMsgReceiptBeforeAcquisition;
    const auto effective = FieldDate(Store(), kTagCostBaseDate);
    if (effective && *effective >= *paid) return kMsgReceiptBeforeCostBase;
    return nullptr;
}

const char* TReceiptGridScreen::IncompleteFault(int row, int required) const {
    const GridModel& grid = XGrid1->Model();
    const bool dated = !Trim(grid.Cell(kColPaymentDate, row)).empty();
    const bool filled = !Trim(grid.Cell(required, row)).empty();
    return dated == filled ? nullptr : kMsgReceiptIncomplete;
}

bool TReceiptGridScreen::Checks() {
    for (int row = 1; row < XGrid1->rowCount(); ++row) {
        const char* fault = RowFault(row);
        if (!fault) continue;
        Reject(fault, nullptr);
        // The cursor goes onto the row first: taking the focus the usual way
        // would start the grid again at row 1.
        XGrid1->MoveTo(kColPaymentDate, row, false);
        XGrid1->setFocus(Qt::MouseFocusReason);
        return false;
    }
    return true;
}

}  // namespace cgt
