#include "screens/qcgt_19.h"

#include <QAbstractButton>

#include "base/income_year.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "store/tags.h"

namespace cgt {

namespace {

constexpr const char* kMsgAnswer1145 = "If CGT event date was 21/09/1999, you must answer Yes or No.";

}  // namespace

TQCGT_19::TQCGT_19(QWidget* parent) : TEventScreen(parent) {
    SetUp(ui);
}

void TQCGT_19::Created(TInterviewFrame& frame) {
    TEventScreen::Created(frame);
    const int type = WorksheetType();
    Offer(ui.CGTEventTextComboBox, EventItems(type));
    // Trust interests are disposed of in parcels; ceasing to be a resident brings no proceeds.
    ui.PartialLbl->setVisible(type == kWsTrustInterest);
    ui.ProceedsNoteLbl->setVisible(type != kWsCeasingResidency);
    ui.NoProceedsNoteLbl->setVisible(type == kWsCeasingResidency);

    Exclusive(ui.PreLegalYesCheckBox, ui.PreLegalNoCheckBox);
    connect(EventDateBox(), &TCustomNumEdit::exited, this, GuardedSlot(this, [this] { FollowEventDate(); }));
}

void TQCGT_19::Shown(TInterviewFrame& frame) {
    TEventScreen::Shown(frame);
    FollowEventDate();
}

void TQCGT_19::FollowEventDate() {
    const bool onTheDay = EventDate() == kDiscountStart;
    ui.PreLegalLbl->setVisible(onTheDay);
    ui.PreLegalYesCheckBox->setVisible(onTheDay);
    ui.PreLegalNoCheckBox->setVisible(onTheDay);
    if (!onTheDay) {
        ui.PreLegalYesCheckBox->setChecked(false);
        ui.PreLegalNoCheckBox->setChecked(false);
    }
}

bool TQCGT_19::Checks() {
    const std::optional<int> event = EventDate();
    if (event && *event < kCgtStart) return Reject(kMsgDateBeforeCgt, EventDateBox());
    if (!(CheckExpenses() && CheckDateForProceeds() && CheckDatesOfAsset() && CheckProceedsForDate())) return false;
    if (event == kDiscountStart && !ui.PreLegalYesCheckBox->isChecked() && !ui.PreLegalNoCheckBox->isChecked())
        return Reject(kMsgAnswer1145, ui.PreLegalYesCheckBox);
    return true;
}

}  // namespace cgt
