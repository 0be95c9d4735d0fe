#include "screens/qcgt02_05.h"

#include "controls/control_context.h"
#include "controls/xgrid.h"
#include "flow/code_tables.h"
#include "store/tags.h"

namespace cgt {

TQCGT02_05::TQCGT02_05(QWidget* parent) : TEntryTableScreen(parent) {
    SetUp(ui);
}

TQCGT02_05::~TQCGT02_05() {
    // The grid outlives this part of the screen while it is taken down.
    XGrid1->Model().OnExitCell = nullptr;
}

void TQCGT02_05::Created(TInterviewFrame& frame) {
    TEntryTableScreen::Created(frame);
    // Every asset type: the list a departing resident's assets are offered.
    XGrid1->Model().SetPickList(choice::kAssetType, AssetTypeItems(kWsCeasingResidency));
    connect(XGrid1, &TXGrid::cellEntered, this,
            GuardedSlot(this, [this](int col, int row) { ManualCellClicked(XGrid1->Model(), col, row); }));
    XGrid1->Model().OnExitCell = [this](int col, int row, int, int, bool& enterExitCell) {
        XGrid1ExitCell(col, row, enterExitCell);
    };
}

void TQCGT02_05::Shown(TInterviewFrame& frame) {
    TEntryTableScreen::Shown(frame);
    XGrid1->setFocus();
}

void TQCGT02_05::XGrid1ExitCell(int col, int row, bool& enterExitCell) {
    const ManualCellLeft left = LeaveManualCell(XGrid1->Model(), col, row);
    for (const std::string& message : left.messages) ControlDialogs(XGrid1).Error(message);
    if (!left.Stays()) return;
    enterExitCell = false;
    if (left.moveToCol) XGrid1->MoveTo(*left.moveToCol, row, false);
}

std::optional<TableFault> TQCGT02_05::Fault() {
    return ManualTableFault(XGrid1->Model());
}

}  // namespace cgt
