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

TQCGT_19::TQCGT_19(QWidget* parent) : TEventScreen(parent) {}

void TQCGT_19::Created(TInterviewFrame& frame) {
    TEventScreen::Created(frame);
    const int type = WorksheetType();
    Offer(Find<TTypeAheadCombo>("CGTEventTextComboBox"), EventItems(type));
    // Trust interests are disposed of in parcels; ceasing to be a resident brings no proceeds.
    Find<QWidget>("PartialLbl")->setVisible(type == kWsTrustInterest);
    Find<QWidget>("ProceedsNoteLbl")->setVisible(type != kWsCeasingResidency);
    Find<QWidget>("NoProceedsNoteLbl")->setVisible(type == kWsCeasingResidency);

    PreLegalLbl = Find<QWidget>("PreLegalLbl");
    PreLegalYesCheckBox = Find<QAbstractButton>("PreLegalYesCheckBox");
    PreLegalNoCheckBox = Find<QAbstractButton>("PreLegalNoCheckBox");
    Exclusive(PreLegalYesCheckBox, PreLegalNoCheckBox);
    connect(EventDateBox(), &TCustomNumEdit::exited, this, GuardedSlot(this, [this] { FollowEventDate(); }));
}

void TQCGT_19::Shown(TInterviewFrame& frame) {
    TEventScreen::Shown(frame);
    FollowEventDate();
}

void TQCGT_19::FollowEventDate() {
    const bool onTheDay = EventDate() == kDiscountStart;
    PreLegalLbl->setVisible(onTheDay);
    PreLegalYesCheckBox->setVisible(onTheDay);
    PreLegalNoCheckBox->setVisible(onTheDay);
    if (!onTheDay) {
        PreLegalYesCheckBox->setChecked(false);
        PreLegalNoCheckBox->setChecked(false);
    }
}

bool TQCGT_19::Checks() {
    const std::optional<int> event = EventDate();
    if (event && *event < kCgtStart) return Reject(kMsgDateBeforeCgt, EventDateBox());
    if (!(CheckExpenses() && CheckDateForProceeds() && CheckDatesOfAsset() && CheckProceedsForDate())) return false;
    if (event == kDiscountStart && !PreLegalYesCheckBox->isChecked() && !PreLegalNoCheckBox->isChecked())
        return Reject(kMsgAnswer1145, PreLegalYesCheckBox);
    return true;
}

}  // namespace cgt
