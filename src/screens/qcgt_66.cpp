#include "screens/qcgt_66.h"

#include <algorithm>

#include "controls/control_context.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"

namespace cgt {

namespace {

// The market value of the replacement interests and the cash received.
constexpr EntryColumns kExchangeColumns{2, 3};
// The help label's texts: one for each of the first three columns, the
// fourth for the cash and the total proceeds.
constexpr int kMarketValueHelp = 3;
constexpr int kLastHelp = 4;

}  // namespace

TQCGT_66::TQCGT_66(QWidget* parent) : TCalcGridScreen(kExchangeColumns, parent) {
    SetUp(ui);
}

void TQCGT_66::Created(TInterviewFrame& frame) {
    TCalcGridScreen::Created(frame);
    // A click on the description or the cost base lands on the market value
    // (the grid passes over columns that take no entry), with the help of
    // the column clicked.
    connect(Grid(), &TXGrid::cellEntered, this, GuardedSlot(this, [this](int col, int) { XGrid1Click(col); }));
}

void TQCGT_66::Shown(TInterviewFrame&) {
    ShowThrough(scrip_, false);
    ui.HelpLbl->setCurrentSection(kMarketValueHelp);
}

void TQCGT_66::XGrid1Click(int col) {
    ui.HelpLbl->setCurrentSection(std::min(col + 1, kLastHelp));
}

}  // namespace cgt
