#include "screens/qcgt_18.h"

#include "base/income_year.h"
#include "calc/calc_util.h"
#include "calc/cost_base_history.h"
#include "controls/textlbl.h"
#include "controls/typeahead_combo.h"
#include "controls/xgrid.h"
#include "flow/code_tables.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

// The grid's columns (cells of kTagReceipts on this screen).
enum ShareReceiptColumn { kColEventDate, kColReceived, kColDescription, kColAmount, kColExcluded, kColComments };

// Screen 2012, the share block's receipts, does not ask for the date received.
constexpr int kShareReceiptsIndex = 12;
// Sections of the body text.
enum BodyText { kReceiptsText = 1, kSharesText = 2 };
constexpr int kSharesHelpTopic = 184;
// The receipts are always a non-active asset: "ON", the second item of the hidden type list.
constexpr int kNonActiveReceipt = 1;

}  // namespace

TQCGT_18::TQCGT_18(QWidget* parent) : TReceiptGridScreen(parent) {
    SetUp(ui);
}

void TQCGT_18::Created(TInterviewFrame& frame) {
    TReceiptGridScreen::Created(frame);
    ui.TypeTextComboBox->SetItems(ReceiptTypeItems());
    if (frame.Run().screenIndex == kShareReceiptsIndex) {
        XGrid1->Model().SetColWidth(kColReceived, kGridHiddenColWidth);
        XGrid1->Model().SetTabStop(kColReceived, false);
    }
    if (WorksheetType() == kWsShares) {
        setHelpContext(kSharesHelpTopic);
        ui.TextLbl1->setCurrentSection(kSharesText);
        ShowEvent(kCapitalPaymentForShares);
    }
}

void TQCGT_18::Shown(TInterviewFrame& frame) {
    TReceiptGridScreen::Shown(frame);
    ui.TypeTextComboBox->Select(kNonActiveReceipt);
}

const char* TQCGT_18::RowFault(int row) const {
    if (const char* fault = DateFault(row)) return fault;
    if (const char* fault = IncompleteFault(row, kColAmount)) return fault;
    const GridModel& grid = XGrid1->Model();
    for (int col : {kColEventDate, kColReceived}) {
        const auto date = DateOfText(grid.Cell(col, row));
        if (date && *date < kCgtStart) return kMsgHistoryDateTooEarly;
    }
    return nullptr;
}

}  // namespace cgt
