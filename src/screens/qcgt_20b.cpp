#include "screens/qcgt_20b.h"

#include <QAbstractButton>

#include "controls/control_context.h"
#include "screens/rollover_questions.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

TQCGT_20b::TQCGT_20b(QWidget* parent) : TDeferralScreen(parent) {
    SetUp(ui);
}

void TQCGT_20b::Created(TInterviewFrame& frame) {
    TDeferralScreen::Created(frame);
    Questions().AddDependentPair(ui.ScripforScripYesCheckBox, ui.ScripforScripNoCheckBox);

    connect(&Questions(), &RollOverQuestions::rollOverTicked, this, GuardedSlot(this, [this](bool yes) {
        if (yes) {
            StoreTick(kTagRollOverYes, true);
            StoreTick(kTagRollOverNo, false);
        } else {
            StoreTick(kTagScripRollover, false);
            StoreTick(kTagScripRolloverNo, false);
        }
    }));
    connect(Q3YesCheckBox, &QAbstractButton::clicked, this, GuardedSlot(this, [this](bool on) {
                if (!on) return;
                ui.ScripforScripNoCheckBox->setChecked(true);
                ui.ScripforScripYesCheckBox->setChecked(false);
            }));
    connect(ui.ScripforScripYesCheckBox, &QAbstractButton::clicked, this, GuardedSlot(this, [this](bool on) {
                if (!on) return;
                Q3YesCheckBox->setChecked(false);
                Q3NoCheckBox->setChecked(true);
            }));
    connect(ui.ScripforScripNoCheckBox, &QAbstractButton::clicked, this, GuardedSlot(this, [this](bool on) {
                if (!on) return;
                StoreTick(kTagScripRolloverNo, true);
                StoreTick(kTagScripRollover, false);
            }));
    connect(Q1CheckBox, &QAbstractButton::clicked, this,
            GuardedSlot(this, [this](bool on) { StoreTick(kTagFifteenYearExemption, on); }));
}

bool TQCGT_20b::MoreChecks() {
    if (Questions().RollOverYes() && !ui.ScripforScripYesCheckBox->isChecked() &&
        !ui.ScripforScripNoCheckBox->isChecked())
        return Reject(kMsgSelectYesOrNo, ui.ScripforScripYesCheckBox);
    return true;
}

void TQCGT_20b::StoreTick(int tag, bool ticked) {
    if (ticked)
        Store().SetFieldChecked(tag);
    else
        Store().SetFieldUnchecked(tag);
}

}  // namespace cgt
