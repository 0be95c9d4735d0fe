#include "screens/qcgt_36a.h"

#include <QAbstractButton>

#include "base/text.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "screens/deferral_screen.h"
#include "screens/rollover_questions.h"
#include "store/tags.h"

namespace cgt {

TQCGT_36a::TQCGT_36a(QWidget* parent) : TReceiptEntryScreen(parent) {
    SetUp(ui);
}

void TQCGT_36a::Created(TInterviewFrame& frame) {
    TReceiptEntryScreen::Created(frame);
    ui.TypeTextComboBox->SetItems(AssetTypeItems(kWsCreatedRights));
    questions_ = new RollOverQuestions(ui.Q2YesCheckBox, ui.Q2NoCheckBox, ui.Q3YesCheckBox, ui.Q3NoCheckBox, this);
    connect(DescEdit, &TCustomNumEdit::exited, this, GuardedSlot(this, [this] { DescEditExit(); }));
}

void TQCGT_36a::Shown(TInterviewFrame& frame) {
    TReceiptEntryScreen::Shown(frame);
    questions_->Sync();
}

void TQCGT_36a::DescEditExit() {
    if (Trim(DescEdit->TextBytes()).empty() || ui.TypeTextComboBox->currentIndex() >= 0) return;
    if (const auto item = NonActiveItemIndex(kWsCreatedRights)) ui.TypeTextComboBox->Select(*item);
}

bool TQCGT_36a::MoreChecks() {
    if (!questions_->RollOverAnswered()) return Reject(kMsgRollOverUnanswered, questions_->Yes());
    if (questions_->RollOverYes() && !questions_->MarriageAnswered())
        return Reject(kMsgSelectYesOrNo, questions_->MarriageYes());
    return true;
}

}  // namespace cgt
