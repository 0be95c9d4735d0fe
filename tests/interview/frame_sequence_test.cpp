// The frame's screen sequence: validation, history, Prev, Jump, the end of
// the interview, button visibility and the resize reload.
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "frame_fixture.h"
#include "interview/messages.h"

namespace cgt::test {
namespace {

TEST_F(FrameTest, RejectedValidationKeepsScreenPositionAndHistory) {
    bool accept = false;
    screens[2004] = {.validates = true, .accept = &accept};
    screens[2005] = {};
    StartAt(2004);
    TChildForm* shown = frame->CurrentScreen();
    run.store().SetDataChanged(false);

    frame->NextButton()->click();

    EXPECT_EQ(frame->CurrentScreen(), shown);
    EXPECT_EQ(run.ScreenNumber(), 2004);
    EXPECT_EQ(run.history, std::vector<std::int32_t>{2004});
    EXPECT_TRUE(run.screenShowing);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Check your entries."});

    // Once the entries are put right, the same button moves on.
    accept = true;
    frame->NextButton()->click();
    EXPECT_EQ(run.ScreenNumber(), 2005);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005}));
}

TEST_F(FrameTest, PrevAfterJumpReturnsToTheScreenBeforeTheJump) {
    run.SetHelpDesk(true);
    screens[2004] = {};
    screens[2005] = {};
    screens[2031] = {};
    StartAt(2004);
    frame->NextButton()->click();
    dialogs.inputAnswers.push_back("2031");
    frame->JumpClick();
    ASSERT_EQ(run.ScreenNumber(), 2031);
    EXPECT_EQ(host.reveals, 1);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005, 2031}));

    frame->PrevClick();
    EXPECT_EQ(run.ScreenNumber(), 2005);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005}));
    frame->PrevClick();
    EXPECT_EQ(run.ScreenNumber(), 2004);
    // A history of one entry: Prev does nothing.
    TChildForm* first = frame->CurrentScreen();
    frame->PrevClick();
    EXPECT_EQ(frame->CurrentScreen(), first);
    EXPECT_EQ(run.history, std::vector<std::int32_t>{2004});
}

TEST_F(FrameTest, JumpWithTextThatIsNoNumberMovesNothing) {
    run.SetHelpDesk(true);
    screens[2004] = {};
    StartAt(2004);
    dialogs.inputAnswers.push_back("20x4");
    frame->JumpClick();
    EXPECT_EQ(run.ScreenNumber(), 2004);
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"'20x4' is not a valid integer value"});
    EXPECT_EQ(dialogs.inputs, std::vector<std::string>{"Jump|Enter screen number to jump to: "});
    // An empty answer does nothing either.
    dialogs.inputAnswers.push_back("");
    frame->JumpClick();
    EXPECT_EQ(run.ScreenNumber(), 2004);
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(FrameTest, ScreenNumber2099IsShownAs2101AndANumberWithoutScreenEndsTheInterview) {
    screens[2098] = {};
    screens[2101] = {.goTo = 2201};
    StartAt(2098);
    frame->NextButton()->click();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2101);
    EXPECT_EQ(run.section, 21);
    EXPECT_EQ(run.screenIndex, 1);
    EXPECT_EQ(frame->ScreenNumberText(), QStringLiteral("2101"));
    EXPECT_EQ(frame->FailedScreenNumber(), 0);

    frame->NextButton()->click();
    EXPECT_EQ(frame->FailedScreenNumber(), 2201);
    EXPECT_FALSE(run.screenShowing);
    EXPECT_EQ(host.closes, std::vector<CloseSender>{CloseSender::YesButton});
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2098, 2101}));
}

TEST_F(FrameTest, ButtonVisibilityFollowsTheScreenAndNextOnlyWithoutNo) {
    const struct {
        bool next, yes, no;
        bool nextShown;
    } cases[] = {
        {true, false, false, true},
        {false, false, false, true},  // Next shows whenever No does not
        {true, true, true, false},    // No hides Next whatever the screen says
        {false, true, true, false},
    };
    int number = 2004;
    for (const auto& c : cases) {
        screens[number] = {.next = c.next, .yes = c.yes, .no = c.no};
        StartAt(number);
        EXPECT_EQ(frame->NextButton()->isVisibleTo(frame.get()), c.nextShown) << number;
        EXPECT_EQ(frame->YesButton()->isVisibleTo(frame.get()), c.yes) << number;
        EXPECT_EQ(frame->NoButton()->isVisibleTo(frame.get()), c.no) << number;
        EXPECT_TRUE(frame->MoreButton()->isVisibleTo(frame.get()));
        ++number;
    }
}

TEST_F(FrameTest, CloseIsRefusedWhileAScreenShows) {
    screens[2004] = {};
    StartAt(2004);
    frame->CloseClick();
    EXPECT_EQ(host.closeQueries, 1);
    EXPECT_TRUE(host.closes.empty());
}

TEST_F(FrameTest, MoreOpensTheScreensHelpTopic) {
    screens[2004] = {};
    StartAt(2004);
    frame->CurrentScreen()->setHelpContext(347);
    frame->MoreButton()->click();
    frame->MoreClick(29);
    EXPECT_EQ(host.topics, (std::vector<int>{347, 29}));
}

TEST_F(FrameTest, ForwardButtonWrapsFromIndex98ToTheNextSection) {
    run.SetHelpDesk(true);
    screens[2098] = {};
    screens[2101] = {};
    StartAt(2098);
    frame->ForwardClick();
    EXPECT_EQ(run.section, 21);
    EXPECT_EQ(run.screenIndex, 1);
    EXPECT_EQ(frame->CurrentScreenNumber(), 2101);
}

TEST_F(FrameTest, ResizeStretchesTheScreenInPlaceWithoutValidationAndKeepsTheFocus) {
    bool accept = false;
    int validations = 0;
    screens[2005] = {.validates = true, .accept = &accept, .validations = &validations, .build = [](TestScreen& s) {
                         s.AddEdit("Edit920", 920, TCustomNumEdit::ntCurrency, 10);
                         s.AddEdit("Edit921", 921, TCustomNumEdit::ntCurrency, 40);
                     }};
    StartAt(2005);
    TChildForm* before = frame->CurrentScreen();
    auto* second = before->findChild<TTaxEdit*>(QStringLiteral("Edit921"));
    second->setFocus();
    second->setText(QStringLiteral("123"));
    ASSERT_EQ(before->focusWidget(), second);
    const QFont font = second->font();

    frame->resize(1000, 700);
    Pump();

    // The same screen, what was typed still in it, the focus where it was
    // and the fonts as they were: only the room changed.
    EXPECT_EQ(frame->CurrentScreen(), before);
    EXPECT_EQ(validations, 0);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(run.history, std::vector<std::int32_t>{2005});
    EXPECT_EQ(before->focusWidget(), second);
    EXPECT_EQ(second->text(), QStringLiteral("123"));
    EXPECT_EQ(second->font(), font);
    EXPECT_EQ(before->size(), frame->ClientArea()->size());
    EXPECT_EQ(frame->ClientArea()->width(), 1000 - 160);
}

TEST_F(FrameTest, ReloadMessageShowsTheCurrentScreenAgain) {
    screens[2006] = {.yes = true, .no = true};
    screens[2018] = {};
    StartAt(2006);
    run.screenIndex = 18;
    QCoreApplication::postEvent(frame.get(), new QEvent(MessageType(kMsgReload)));
    Pump();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2018);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2006, 2018}));
}

TEST_F(FrameTest, LeavingASectionSetsTheDataChangedFlag) {
    screens[2106] = {};
    screens[2107] = {.goTo = 2201};
    screens[2201] = {};
    StartAt(2106);
    run.store().SetDataChanged(false);
    frame->NextButton()->click();
    EXPECT_FALSE(run.DataChanged());  // same section
    frame->NextButton()->click();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2201);
    EXPECT_TRUE(run.DataChanged());
}

TEST_F(FrameTest, NavigatorClickMovesUnlessTheScreenRejectsAndAnEntryWithoutScreenShowsItsText) {
    bool accept = false;
    screens[2004] = {.validates = true, .accept = &accept};
    screens[2088] = {};
    frame->SetNavigatorEntries({{QStringLiteral("Introduction screen"), 2004},
                                {QStringLiteral("Ceasing to be a resident"), 2088},
                                {QStringLiteral("Read me"), -1}});
    StartAt(2004);
    frame->ShowNavigator(2004);
    EXPECT_EQ(frame->Navigator()->SelectedText(), QStringLiteral("Introduction screen"));

    frame->Navigator()->ClickEntry(1);
    EXPECT_EQ(run.ScreenNumber(), 2004);
    EXPECT_EQ(run.history, std::vector<std::int32_t>{2004});

    frame->Navigator()->ClickEntry(2);
    EXPECT_EQ(dialogs.Texts().back(), "Read me");
    EXPECT_EQ(run.ScreenNumber(), 2004);

    accept = true;
    frame->Navigator()->ClickEntry(1);
    EXPECT_EQ(run.ScreenNumber(), 2088);
    // The bar is hidden whenever a screen is left.
    EXPECT_FALSE(frame->Navigator()->isVisibleTo(frame.get()));
}

TEST_F(FrameTest, PrevRejectedByTheScreenKeepsTheHistory) {
    bool accept = true;
    screens[2004] = {};
    screens[2005] = {.validates = true, .accept = &accept};
    StartAt(2004);
    frame->NextButton()->click();
    accept = false;
    frame->PrevClick();
    EXPECT_EQ(run.ScreenNumber(), 2005);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005}));
    EXPECT_FALSE(frame->GoingBack());
    accept = true;
    frame->PrevClick();
    EXPECT_EQ(run.ScreenNumber(), 2004);
    EXPECT_EQ(run.history, std::vector<std::int32_t>{2004});
}

TEST_F(FrameTest, HelpDeskAltF4AsksTheMainWindowToStoreAndClose) {
    screens[2004] = {};
    StartAt(2004);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    QCoreApplication::sendEvent(frame.get(), &press);
    EXPECT_EQ(host.storeAndClose, 0);  // only in help-desk mode
    run.SetHelpDesk(true);
    QCoreApplication::sendEvent(frame.get(), &press);
    EXPECT_EQ(host.storeAndClose, 1);
}

TEST_F(FrameTest, Message1029ClearsTheFocusedComboBox) {
    screens[2004] = {.build = [](TestScreen& s) {
        auto* combo = new QComboBox(&s);
        combo->addItems({QStringLiteral("A"), QStringLiteral("B")});
        combo->setCurrentIndex(1);
    }};
    StartAt(2004);
    auto* combo = frame->CurrentScreen()->findChild<QComboBox*>();
    combo->setFocus();
    ASSERT_EQ(frame->focusWidget(), combo);
    QCoreApplication::postEvent(frame.get(), new QEvent(MessageType(kMsgClearCombo)));
    Pump();
    EXPECT_EQ(combo->currentIndex(), -1);
}

}  // namespace
}  // namespace cgt::test
