#include "screens/flow_screen.h"

#include "interview/interviewframe.h"
#include "store/modulerun.h"

namespace cgt {

TFlowScreen::TFlowScreen(const FlowRow& row, QWidget* parent) : TChildForm(parent), row_(row) {}

void TFlowScreen::Created(TInterviewFrame& frame) {
    if (row_.numericProgress) EnsureNumericProgress(frame.Store());
}

void TFlowScreen::RegisterAnswerHandler(TInterviewFrame& frame) {
    frame.SetNextHandler([this, &frame](FrameButton button) {
        ModuleRun& run = frame.Run();
        FlowState state{run.screenIndex, frame.pendingType};
        const Answer answer = button == FrameButton::Yes  ? Answer::Yes
                              : button == FrameButton::No ? Answer::No
                                                          : Answer::Next;
        ApplyAnswer(row_, answer, frame.Store(), state);
        run.screenIndex = state.screenIndex;
        frame.pendingType = state.pendingType;
        // Next moves on by itself; Yes and No ask the frame to.
        if (button != FrameButton::Next) frame.PostReload();
    });
}

void TFlowScreen::ShowNavigatorEntry(TInterviewFrame& frame) const {
    if (row_.navigatorEntry != 0) frame.ShowNavigator(row_.navigatorEntry);
}

}  // namespace cgt
