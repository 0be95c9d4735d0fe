#include "screens/info_screen.h"

#include "interview/interviewframe.h"
#include "store/modulerun.h"

namespace cgt {

TInfoScreen::TInfoScreen(QWidget* parent) : TChildForm(parent) {
    setShowNextButton(true);
}

void TInfoScreen::Shown(TInterviewFrame& frame) {
    if (const int entry = NavigatorEntry(); entry != 0) frame.ShowNavigator(entry);
    frame.SetNextHandler([this, &frame](FrameButton) {
        ModuleRun& run = frame.Run();
        run.screenIndex = NextIndex(run.screenIndex);
    });
}

}  // namespace cgt
