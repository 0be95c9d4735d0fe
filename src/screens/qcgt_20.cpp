#include "screens/qcgt_20.h"

#include <QAbstractButton>

#include "controls/textlbl.h"
#include "interview/screen_layout.h"
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
    // Personal use and depreciating assets are never active assets: their
    // small business questions go and the screen closes up.
    if (neverActive) {
        HideAndCloseUp(Q1CheckBox);
        HideAndCloseUp(ui.FifteenYearLbl);
    }
}

}  // namespace cgt
