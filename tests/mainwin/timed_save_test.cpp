// The timer: first tick after 2 s, then every minute; a change is saved at
// the first tick once five ticks have passed, unless the screen forbids it.
#include "mainwin_fixture.h"

namespace cgt::test {
namespace {

bool Saved(const std::string& file) {
    return std::filesystem::exists(file);
}

TEST_F(MainWindowTest, FirstTickAfterTwoSecondsThenEveryMinute) {
    StartAt(2004);
    EXPECT_EQ(timer->starts, std::vector<int>{2000});
    timer->Fire();
    EXPECT_EQ(timer->interval, 60000);
    EXPECT_EQ(window->TickCount(), 0);
    timer->Fire();
    EXPECT_EQ(window->TickCount(), 1);
}

TEST_F(MainWindowTest, AChangeAfterFiveQuietTicksIsSavedAtTheNextTick) {
    StartAt(2004);
    timer->Fire();  // the first tick only lays out
    run.SetDataChanged(false);
    for (int i = 0; i < 5; ++i) timer->Fire();
    EXPECT_EQ(window->TickCount(), 5);
    EXPECT_FALSE(Saved(file));

    run.store().SetFieldVal(920, 10);  // the change at 10:00
    ASSERT_TRUE(run.DataChanged());
    timer->Fire();
    EXPECT_TRUE(Saved(file));
    EXPECT_FALSE(run.DataChanged());
    EXPECT_EQ(window->TickCount(), 0);
    EXPECT_TRUE(timer->active);
    EXPECT_EQ(timer->interval, 60000);
}

TEST_F(MainWindowTest, ChangesWaitForFiveTicks) {
    StartAt(2004);
    timer->Fire();
    run.store().SetFieldVal(920, 10);
    for (int i = 0; i < 4; ++i) timer->Fire();
    EXPECT_FALSE(Saved(file));
    timer->Fire();
    EXPECT_TRUE(Saved(file));
}

TEST_F(MainWindowTest, AScreenWithAValidationHandlerHoldsTheSaveUntilLeft) {
    StartAt(2004);
    window->Frame()->SetValidationHandler([] { return true; });
    timer->Fire();
    run.store().SetFieldVal(920, 10);
    for (int i = 0; i < 5; ++i) timer->Fire();
    EXPECT_FALSE(Saved(file));
    EXPECT_TRUE(run.DataChanged());
    EXPECT_EQ(window->TickCount(), 0);

    window->Frame()->NextClick();  // on to 2005: no handler there
    ASSERT_EQ(window->Frame()->CurrentScreenNumber(), 2005);
    for (int i = 0; i < 5; ++i) timer->Fire();
    EXPECT_TRUE(Saved(file));
    EXPECT_FALSE(run.DataChanged());
}

TEST_F(MainWindowTest, ALodgedReturnIsNeverSavedByTheTimer) {
    StartAt(2004);
    Lodge();
    timer->Fire();
    for (int i = 0; i < 6; ++i) timer->Fire();
    EXPECT_FALSE(Saved(file));
    // Asked directly, the timed save only clears the flag.
    window->TimedSave(file);
    EXPECT_FALSE(Saved(file));
    EXPECT_FALSE(run.DataChanged());
}

TEST_F(MainWindowTest, TimedSaveWithoutANameOpensTheSaveBox) {
    StartAt(2004);
    int asked = 0;
    window->saveBox = [&](std::string&) {
        ++asked;
        return false;
    };
    run.store().SetFieldVal(920, 10);
    window->TimedSave("");
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(run.DataChanged());
}

}  // namespace
}  // namespace cgt::test
