#include "screens/info_screen.h"

#include "interview/interviewframe.h"

namespace cgt {

TInfoScreen::TInfoScreen(const FlowRow& row, QWidget* parent) : TFlowScreen(row, parent) {
    setShowNextButton(true);
}

void TInfoScreen::Shown(TInterviewFrame& frame) {
    ShowNavigatorEntry(frame);
    if (Row().hidesPicker) frame.ShowPicker(false);
    RegisterAnswerHandler(frame);
}

}  // namespace cgt
