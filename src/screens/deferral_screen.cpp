#include "screens/deferral_screen.h"

#include <QAbstractButton>

#include "calc/calc_util.h"
#include "calc/cost_base_history.h"
#include "interview/interviewframe.h"
#include "screens/rollover_questions.h"
#include "store/tags.h"

namespace cgt {

TDeferralScreen::TDeferralScreen(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {}

void TDeferralScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    questions_ = new RollOverQuestions(Q2YesCheckBox, Q2NoCheckBox, Q3YesCheckBox, Q3NoCheckBox, this);
}

void TDeferralScreen::Shown(TInterviewFrame& frame) {
    ShowDescription();
    // Only an active asset can qualify for the 15-year exemption.
    const bool active = ActiveAsset();
    Q1CheckBox->setEnabled(active);
    if (!active) Q1CheckBox->setChecked(false);
    frame.ShowPicker(false);
    questions_->Sync();
    RegisterChecks([this] { return Checks(); });
    RegisterNext([this] { return DeferralStep(WorksheetType(), HasReceipts(Store())); });
}

bool TDeferralScreen::ActiveAsset() const {
    return IsActiveType(AssetTypeCode(Store()));
}

bool TDeferralScreen::Checks() {
    if (!questions_->RollOverAnswered() && FieldDate(Store(), kTagEventDate))
        return Reject(kMsgRollOverUnanswered, Q2YesCheckBox);
    if (questions_->RollOverYes() && !questions_->MarriageAnswered()) return Reject(kMsgSelectYesOrNo, Q3YesCheckBox);
    if (!MoreChecks()) return false;
    if (Q1CheckBox->isChecked() && !ActiveAsset()) return Reject(kMsgFifteenYearNotActive, Q1CheckBox);
    return true;
}

}  // namespace cgt
