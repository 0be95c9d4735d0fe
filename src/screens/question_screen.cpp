#include "screens/question_screen.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "interview/interviewframe.h"

namespace cgt {

TQuestionScreen::TQuestionScreen(ScreenFamily family, const FlowRow& row, QWidget* parent)
    : TFlowScreen(row, parent), family_(family) {}

void TQuestionScreen::Shown(TInterviewFrame& frame) {
    frame.SetYesNoVisible(true);
    switch (family_) {
        case ScreenFamily::EventQuestion:
            // A long list of events starts at its top.
            for (QScrollArea* box : findChildren<QScrollArea*>()) box->verticalScrollBar()->setValue(0);
            [[fallthrough]];
        case ScreenFamily::IntroductoryQuestion: ShowNavigatorEntry(frame); break;
        case ScreenFamily::AnotherEventQuestion:
            // The next registration starts a new worksheet; there is no way back into the block.
            frame.reopen = false;
            frame.PrevButton()->hide();
            break;
        default: break;
    }
    RegisterAnswerHandler(frame);
}

}  // namespace cgt
