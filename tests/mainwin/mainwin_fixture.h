#pragma once
// A main window on a run of its own, with a timer the test ticks, scripted
// dialogs and the close messages recorded.
#include <gtest/gtest.h>

#include <QApplication>
#include <filesystem>

#include "base/clock.h"
#include "controls/control_context.h"
#include "interview/interviewframe.h"
#include "mainwin/mainwindow.h"
#include "store/datafile.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"
#include "support/settings_sandbox.h"

namespace cgt::test {

QApplication& App();

class FakeTimer final : public TickTimer {
public:
    void Start(int ms) override {
        active = true;
        interval = ms;
        starts.push_back(ms);
    }
    void Stop() override { active = false; }
    bool Active() const override { return active; }
    int Interval() const override { return interval; }

    bool active = false;
    int interval = 0;
    std::vector<int> starts;
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() : clock(2003, 10, 1), run(dialogs, clock) { App(); }

    void SetUp() override {
        ClearModuleSettings();
        context = {&dialogs, &clock};
        auto t = std::make_unique<FakeTimer>();
        timer = t.get();
        window = std::make_unique<TMainWindow>(run, std::move(t));
        InstallControlContext(window.get(), &context);
        window->notify = [this](int m) { messages.push_back(m); };
        file =
            (std::filesystem::temp_directory_path() /
             ("cgt_mainwin_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".dat"))
                .string();
        std::filesystem::remove(file);
        run.identity = "TEST 987654321";
        run.store().SetFieldStr(kTagIdentity, run.identity);
        run.dataFileName = file;
        run.currentFileName = file;
    }

    void TearDown() override {
        window.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::filesystem::remove(file);
    }

    void StartAt(int number) {
        window->show();
        run.SetScreenNumber(number);
        window->Frame()->ShowCurrentScreen();
    }

    void Lodge() {
        FieldStore& s = run.store();
        s.SetFieldStr(kTagLodgeDate, "15/10/2003 ");
        s.SetFieldStr(kTagLodgeTime, " 10:42");
        s.SetFieldStr(kTagLodgeReference, "R12345");
        s.SetFieldStr(kTagLodgeMarker, "999999999");
    }

    ScriptedDialogs dialogs;
    FixedClock clock;
    ModuleRun run;
    ControlContext context;
    FakeTimer* timer = nullptr;
    std::unique_ptr<TMainWindow> window;
    std::vector<int> messages;
    std::string file;
};

}  // namespace cgt::test
