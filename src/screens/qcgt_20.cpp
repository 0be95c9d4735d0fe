#include "screens/qcgt_20.h"

#include <QAbstractButton>

#include "controls/textlbl.h"
#include "store/tags.h"

namespace cgt {

namespace {

// Sections of the roll-over question.
enum QuestionText { kSmallBusinessQuestion = 1, kPlainQuestion = 2 };

}  // namespace

TQCGT_20::TQCGT_20(QWidget* parent) : TDeferralScreen(parent) {
    SetUp(ui);
}

void TQCGT_20::Created(TInterviewFrame& frame) {
    TDeferralScreen::Created(frame);
    const int type = WorksheetType();
    const bool neverActive = type == kWsPersonalUse || type == kWsDepreciating;
    ui.Q2Lbl->setCurrentSection(neverActive ? kPlainQuestion : kSmallBusinessQuestion);
    Q1CheckBox->setVisible(!neverActive);
    ui.FifteenYearLbl->setVisible(!neverActive);
}

}  // namespace cgt
