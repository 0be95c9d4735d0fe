#pragma once
// A frame on the real screen factory, with scripted dialogs and a host that
// counts the ends of the interview.
#include <gtest/gtest.h>

#include <QApplication>
#include <functional>
#include <memory>
#include <string>

#include "base/clock.h"
#include "controls/control_context.h"
#include "interview/interviewframe.h"
#include "screens/navigator_groups.h"
#include "screens/screen_factory.h"
#include "store/modulerun.h"
#include "support/qt_print.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {

inline QApplication& App() {
    static int argc = 1;
    static char name[] = "cgt_screens_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

struct CountingHost : FrameHost {
    bool CloseQuery() override { return true; }
    void CloseHandler(CloseSender) override { ++closes; }
    void ShowHelpTopic(int context) override { topics.push_back(context); }
    void RevealToolButtons() override {}
    void PostStoreAndClose() override {}
    // What the taxpayer would see printed: the script and the store's
    // worksheet fields as they stand when it is laid out.
    void ShowPrintout(const std::string& script) override {
        printouts.push_back(script);
        if (onPrintout) onPrintout(script);
    }
    int closes = 0;
    std::vector<int> topics;
    std::vector<std::string> printouts;
    std::function<void(const std::string&)> onPrintout;
};

class ScreenFrameTest : public ::testing::Test {
protected:
    ScreenFrameTest() : clock(2003, 9, 1), run(dialogs, clock) { App(); }
    void SetUp() override {
        context = {&dialogs, &clock};
        frame = std::make_unique<TInterviewFrame>(run, host, [](int n) { return CreateScreen(n); });
        frame->SetNavigatorEntries(NavigatorGroups());
        InstallControlContext(frame.get(), &context);
        frame->resize(800, 539);
        frame->show();
    }
    void ShowScreen(int number) {
        run.SetScreenNumber(number);
        frame->ShowCurrentScreen();
    }
    // Lets the reload that Yes and No post run.
    void Settle() { QCoreApplication::processEvents(); }

    ScriptedDialogs dialogs;
    FixedClock clock;
    ModuleRun run;
    CountingHost host;
    ControlContext context;
    std::unique_ptr<TInterviewFrame> frame;
};

}  // namespace cgt::test
