#pragma once
// A frame on its own, with a fake main window and screens made in code.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <map>
#include <memory>

#include "base/clock.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "interview/childform.h"
#include "interview/interviewframe.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {

QApplication& App();

struct FakeHost : FrameHost {
    explicit FakeHost(ModuleRun& r) : run(r) {}
    bool CloseQuery() override {
        ++closeQueries;
        return !run.screenShowing;
    }
    void CloseHandler(CloseSender sender) override { closes.push_back(sender); }
    void ShowHelpTopic(int context) override { topics.push_back(context); }
    void RevealToolButtons() override { ++reveals; }
    void PostStoreAndClose() override { ++storeAndClose; }
    void ShowPrintout(const std::string& script) override { printouts.push_back(script); }

    ModuleRun& run;
    int closeQueries = 0;
    std::vector<CloseSender> closes;
    std::vector<int> topics;
    int reveals = 0;
    int storeAndClose = 0;
    std::vector<std::string> printouts;
};

// A screen whose behaviour the test sets: buttons, a validation that can
// reject, and a next handler that moves the index by `step`.
class TestScreen : public TChildForm {
public:
    struct Options {
        bool next = true;
        bool yes = false;
        bool no = false;
        bool validates = false;
        bool* accept = nullptr;      // what the validation answers
        int* validations = nullptr;  // counts validation calls
        int step = 1;
        int goTo = 0;           // when set, Next moves to this screen number
        int worksheetType = 0;  // opens instance 1 of this type and shows the picker
        std::function<void(TestScreen&)> build;
    };

    explicit TestScreen(Options o) : options_(std::move(o)) {
        setShowNextButton(options_.next);
        setShowPrevButton(true);
        setShowYesButton(options_.yes);
        setShowNoButton(options_.no);
        resize(400, 300);
        if (options_.build) options_.build(*this);
    }

    void Created(TInterviewFrame& frame) override {
        if (options_.worksheetType != 0) frame.OpenWorksheet(options_.worksheetType, 1);
    }

    void Shown(TInterviewFrame& frame) override {
        if (options_.worksheetType != 0) frame.ShowPicker(true);
        const int step = options_.step;
        const int goTo = options_.goTo;
        frame.SetNextHandler([&frame, step, goTo](FrameButton) {
            if (goTo != 0)
                frame.Run().SetScreenNumber(goTo);
            else
                frame.Run().screenIndex += step;
        });
        if (options_.validates) {
            frame.SetValidationHandler([this, &frame] {
                if (options_.validations) ++*options_.validations;
                const bool ok = !options_.accept || *options_.accept;
                if (!ok) frame.Run().dialogs().Error("Check your entries.");
                return ok;
            });
        }
    }

    TTaxEdit* AddEdit(const char* name, int tag, TCustomNumEdit::NumericType kind, int y) {
        auto* e = new TTaxEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setFieldTag(tag);
        e->setNumericType(kind);
        e->setGeometry(10, y, 120, 24);
        return e;
    }

private:
    Options options_;
};

class FrameTest : public ::testing::Test {
protected:
    FrameTest() : clock(2003, 6, 1), run(dialogs, clock), host(run) { App(); }

    void SetUp() override {
        context.dialogs = &dialogs;
        context.clock = &clock;
        frame = std::make_unique<TInterviewFrame>(run, host, [this](int n) -> TChildForm* {
            const auto it = screens.find(n);
            return it == screens.end() ? nullptr : new TestScreen(it->second);
        });
        InstallControlContext(frame.get(), &context);
        frame->resize(800, 539);
        frame->show();
    }

    void TearDown() override {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void StartAt(int number) {
        run.SetScreenNumber(number);
        frame->ShowCurrentScreen();
    }

    // Lets posted reloads and deferred deletes run.
    static void Pump() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    ScriptedDialogs dialogs;
    FixedClock clock;
    ModuleRun run;
    FakeHost host;
    ControlContext context;
    std::map<int, TestScreen::Options> screens;
    std::unique_ptr<TInterviewFrame> frame;
};

}  // namespace cgt::test
