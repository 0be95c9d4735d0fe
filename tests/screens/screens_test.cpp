// The screen factory, its table, the navigator groups and the first three
// screens driven through a frame.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "base/clock.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "interview/interviewframe.h"
#include "screens/navigator_groups.h"
#include "screens/screen_factory.h"
#include "screens/screen_table.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {
namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "cgt_screens_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

TEST(ScreenFactory, BuiltScreensCarryTheAttributesOfTheirDefinition) {
    App();
    const struct {
        int number;
        const char* cls;
        int help;
        int icon;
    } cases[] = {{2004, "cgt::TQCGT_83", 347, kIconInformation},
                 {2005, "cgt::TQCGT_56", 32, kIconArrow},
                 {2088, "cgt::TQCGT_60", 235, kIconInformation}};
    for (const auto& c : cases) {
        std::unique_ptr<TChildForm> s(CreateScreen(c.number));
        ASSERT_NE(s, nullptr) << c.number;
        EXPECT_STREQ(s->metaObject()->className(), c.cls);
        EXPECT_EQ(s->helpContext(), c.help) << c.number;
        EXPECT_EQ(s->iconKind(), c.icon) << c.number;
        EXPECT_NE(s->completeFirst(), kCompleteFirstBlock) << c.number;
        EXPECT_EQ(s->windowTitle(), QStringLiteral("17 - Income - Capital gains and capital losses"));
        EXPECT_TRUE(s->ShowNextButton());
        EXPECT_TRUE(s->ShowPrevButton());
        EXPECT_FALSE(s->ShowYesButton());
        EXPECT_FALSE(s->ShowNoButton());
    }
    // Each number gets a new object.
    std::unique_ptr<TChildForm> a(CreateScreen(2004)), b(CreateScreen(2004));
    EXPECT_NE(a.get(), b.get());
}

TEST(ScreenFactory, NumbersWithoutAScreenGiveNone) {
    App();
    for (int n :
         {0, 2003, 2008, 2021, 2034, 2044, 2054, 2064, 2076, 2080, 2082, 2087, 2089, 2095, 2099, 2100, 2108, 2201}) {
        EXPECT_EQ(FindScreenAttributes(n), nullptr) << n;
        EXPECT_EQ(CreateScreen(n), nullptr) << n;
    }
}

TEST(ScreenTable, AttributesOfTheWholeCatalogue) {
    const struct {
        int number;
        const char* cls;
        int help;
        int icon;
        bool blocked;
        const char* caption;
        bool prev;
    } cases[] = {
        {2006, "TQCGT_39a", 3, kIconQuestion, false, kCaptionGainsOrLosses, true},
        {2055, "TQCGT_08", 16, kIconArrow, true, kCaptionGainsAndLosses, true},
        {2020, "TQCGT_41", 216, kIconQuestion, true, kCaptionGainsAndLosses, true},
        {2032, "TQCGT_43b", 80, kIconInformation, true, kCaptionGainsAndLosses, true},
        {2081, "TQCGT_50", 10, kIconQuestion, false, kCaptionGains, true},
        {2051, "TQCGT_82", 345, kIconQuestion, false, kCaptionGains, true},
        {2098, "TQCGT_37", 82, kIconQuestion, false, kCaptionGainsAndLosses, false},
        {2107, "TQCGT_67", 37, kIconInformation, false, kCaptionGainsAndLosses, true},
    };
    for (const auto& c : cases) {
        const ScreenAttributes* a = FindScreenAttributes(c.number);
        ASSERT_NE(a, nullptr) << c.number;
        EXPECT_STREQ(a->className, c.cls);
        EXPECT_EQ(a->helpContext, c.help) << c.number;
        EXPECT_EQ(a->iconKind, c.icon) << c.number;
        EXPECT_EQ(a->savingBlocked, c.blocked) << c.number;
        EXPECT_STREQ(a->caption, c.caption);
        EXPECT_EQ(a->showPrev, c.prev) << c.number;
    }
    EXPECT_EQ(ScreenTable().size(), 78u);
}

TEST(NavigatorGroups, FifteenEntriesInTreeOrder) {
    const auto& g = NavigatorGroups();
    ASSERT_EQ(g.size(), 15u);
    EXPECT_EQ(g.front().text, QStringLiteral("Introduction screen"));
    EXPECT_EQ(g.front().screenNumber, 2004);
    EXPECT_EQ(g[2].text, QStringLiteral("Ceasing to be a resident"));
    EXPECT_EQ(g[2].screenNumber, 2088);
    EXPECT_EQ(g.back().text, QStringLiteral("Application of choices"));
    EXPECT_EQ(g.back().screenNumber, 2102);
    // Every entry leads to a screen of the catalogue.
    for (const auto& e : g) EXPECT_NE(FindScreenAttributes(e.screenNumber), nullptr) << e.screenNumber;
}

struct NullHost : FrameHost {
    bool CloseQuery() override { return true; }
    void CloseHandler(CloseSender) override { ++closes; }
    void ShowHelpTopic(int) override {}
    void RevealToolButtons() override {}
    void PostStoreAndClose() override {}
    int closes = 0;
};

class FirstScreensTest : public ::testing::Test {
protected:
    FirstScreensTest() : clock(2003, 9, 1), run(dialogs, clock) { App(); }
    void SetUp() override {
        context = {&dialogs, &clock};
        frame = std::make_unique<TInterviewFrame>(run, host, [](int n) { return CreateScreen(n); });
        frame->SetNavigatorEntries(NavigatorGroups());
        InstallControlContext(frame.get(), &context);
        frame->resize(800, 539);
        frame->show();
    }
    ScriptedDialogs dialogs;
    FixedClock clock;
    ModuleRun run;
    NullHost host;
    ControlContext context;
    std::unique_ptr<TInterviewFrame> frame;
};

TEST_F(FirstScreensTest, IntroductionLossesAndResidenceLeadToTheSharesQuestion) {
    run.SetScreenNumber(2004);
    frame->ShowCurrentScreen();
    EXPECT_TRUE(frame->Navigator()->isVisibleTo(frame.get()));
    EXPECT_EQ(frame->Navigator()->SelectedText(), QStringLiteral("Introduction screen"));
    EXPECT_EQ(frame->TitleText(), QStringLiteral("17 - Income - Capital gains and capital losses"));
    EXPECT_EQ(frame->IconShown(), kIconInformation);

    frame->NextClick();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2005);
    EXPECT_FALSE(frame->Navigator()->isVisibleTo(frame.get()));
    EXPECT_EQ(frame->IconShown(), kIconArrow);
    auto* collectables = frame->CurrentScreen()->findChild<TTaxEdit*>(QStringLiteral("Edit920"));
    auto* other = frame->CurrentScreen()->findChild<TTaxEdit*>(QStringLiteral("Edit921"));
    ASSERT_TRUE(collectables && other);
    for (TTaxEdit* e : {collectables, other}) {
        EXPECT_EQ(e->numericType(), TCustomNumEdit::ntCurrency);
        EXPECT_EQ(e->ravelleDataType(), TCustomNumEdit::atDollar);
        EXPECT_EQ(e->maxLength(), 8);
    }
    EXPECT_EQ(other->fieldTag(), 921);
    collectables->SetNumValue(800);

    frame->NextClick();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2088);
    EXPECT_EQ(run.store().GetFieldVal(920), 800);
    EXPECT_EQ(run.store().GetFieldVal(921), 0);
    EXPECT_EQ(frame->Navigator()->SelectedText(), QStringLiteral("Ceasing to be a resident"));

    frame->NextClick();
    EXPECT_EQ(frame->FailedScreenNumber(), 2006);  // the shares question is not built yet
    EXPECT_EQ(host.closes, 1);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005, 2088}));
}

TEST_F(FirstScreensTest, LossesScreenLeadsTo2088WhateverIsEntered) {
    run.store().SetFieldVal(920, 1500);
    run.SetScreenNumber(2005);
    frame->ShowCurrentScreen();
    auto* collectables = frame->CurrentScreen()->findChild<TTaxEdit*>(QStringLiteral("Edit920"));
    EXPECT_EQ(collectables->NumValue(), 1500);
    collectables->setText(QString());
    frame->NextClick();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2088);
}

}  // namespace
}  // namespace cgt::test
