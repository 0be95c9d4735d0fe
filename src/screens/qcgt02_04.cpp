#include "screens/qcgt02_04.h"

#include "controls/control_context.h"
#include "controls/xgrid.h"

namespace cgt {

TQCGT02_04::TQCGT02_04(QWidget* parent) : TEntryTableScreen(parent) {
    SetUp(ui);
}

void TQCGT02_04::Created(TInterviewFrame& frame) {
    TEntryTableScreen::Created(frame);
    XGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The losses the choice table applies are kept out of sight and out of reach.
    for (int col = kTrustFirstAppliedCol; col < XGrid1->colCount(); ++col) {
        XGrid1->Model().SetColWidth(col, kGridHiddenColWidth);
        XGrid1->SetColumnReadOnly(col);
    }
    connect(XGrid1, &TXGrid::cellEntered, this, GuardedSlot(this, [this] { RecomputeTrustNetGains(XGrid1->Model()); }));
}

std::optional<TableFault> TQCGT02_04::Fault() {
    // The net gains are stored as the rows now stand, clicked or not.
    RecomputeTrustNetGains(XGrid1->Model());
    return TrustTableFault(XGrid1->Model());
}

}  // namespace cgt
