#include "screens/qcgt_18b.h"

#include "base/daynumber.h"
#include "base/dialogs.h"
#include "base/income_year.h"
#include "calc/calc_util.h"
#include "controls/xgrid.h"
#include "flow/code_tables.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"
#include "store/tags.h"

namespace cgt {

namespace {

// The grid's columns (cells of kTagReceipts on this screen).
enum TrustReceiptColumn {
    kColPaid,
    kColEventDate,
    kColDescription,
    kColTotal,
    kColConcession,
    kColTaxFree,
    kColTaxExempted,
    kColTaxDeferred,
};

// From 1 July 1998 a payment's E4 event happens at the end of its income year.
std::string EventDateOf(int paid) {
    if (paid <= kDate30Jun1998) return DateToText(paid);
    const CivilDate d = CivilFromDayNumber(paid);
    return DateToText(DayNumber(d.month > 6 ? d.year + 1 : d.year, 6, 30));
}

}  // namespace

TQCGT_18b::TQCGT_18b(QWidget* parent) : TReceiptGridScreen(parent) {
    SetUp(ui);
}

void TQCGT_18b::Created(TInterviewFrame& frame) {
    TReceiptGridScreen::Created(frame);
    ShowEvent(kCapitalPaymentForTrustInterest);
}

void TQCGT_18b::Shown(TInterviewFrame& frame) {
    TReceiptGridScreen::Shown(frame);
    Store().SetFieldStr(kTagReceiptAssetType, CodeOf(ReceiptTypeItems().back()));
}

std::optional<int> TQCGT_18b::DateRow(int row) {
    GridModel& grid = XGrid1->Model();
    const auto paid = DateOfText(grid.Cell(kColPaid, row));
    if (!paid) {
        grid.SetCell(kColEventDate, row, std::string());
        return paid;
    }
    grid.SetCell(kColEventDate, row, EventDateOf(*paid));
    for (int col : {kColConcession, kColTaxFree, kColTaxExempted}) grid.SetColumnEditable(col);
    // The kinds of amount a payment of that date cannot include.
    const struct {
        int col;
        bool closed;
    } kinds[] = {{kColConcession, *paid < kDiscountStart},
                 {kColTaxFree, *paid < kDate18Dec1986},
                 {kColTaxExempted, *paid < kDate01Jul1990}};
    for (const auto& k : kinds) {
        if (!k.closed) continue;
        grid.SetCell(k.col, row, std::string());
        grid.SetColumnReadOnly(k.col);
    }
    // Concession amounts paid after 30 June 2001 no longer reduce the cost base.
    if (*paid > kDate30Jun2001) grid.SetCell(kColConcession, row, std::string());
    return paid;
}

void TQCGT_18b::XGrid1Click(int col, int row) {
    const auto paid = DateRow(row);
    col = XGrid1->Model().SkipToTabStop(col);
    ShowColumnHelp(col);
    if (paid && *paid > kDate30Jun2001 && col == kColConcession)
        Frame().Run().dialogs().Message(kMsgConcessionAfterJune2001, "", MsgIcon::None, MsgButtons::Ok, MsgResult::Ok);
}

const char* TQCGT_18b::RowFault(int row) const {
    if (const char* fault = DateFault(row)) return fault;
    return IncompleteFault(row, kColDescription);
}

void TQCGT_18b::BeforeSort() {
    // A payment date changed last, without moving on in the grid, still dates its event.
    for (int row = 1; row < XGrid1->rowCount(); ++row) DateRow(row);
}

}  // namespace cgt
