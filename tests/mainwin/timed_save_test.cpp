// The timer: first tick after 2 s, then every minute; a change is saved at
// the first tick once five ticks have passed, unless the screen forbids it.
#include <fstream>

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

// A return the run did not open whole is kept as it was: the timer passes it
// over without a word (the start said why), and the Save button refuses it
// by any form of its name; another name takes the work.
TEST_F(MainWindowTest, AReturnNotOpenedWholeIsSavedByNeitherTimerNorButton) {
    StartAt(2004);
    run.unreadableFile = std::filesystem::absolute(file).string();
    std::ofstream(file) << "kept";
    timer->Fire();
    run.store().SetFieldVal(920, 10);
    for (int i = 0; i < 6; ++i) timer->Fire();
    EXPECT_TRUE(dialogs.shown.empty());

    const std::filesystem::path relative = std::filesystem::relative(file);
    std::string offered;
    for (const std::string& chosen : {file, relative.string(), "./" + relative.string()}) {
        window->saveBox = [&](std::string& name) {
            offered = name;
            name = chosen;
            return true;
        };
        EXPECT_FALSE(window->SaveWithDialog()) << chosen;
        EXPECT_EQ(offered.find(std::filesystem::path(file).filename().string()), std::string::npos)
            << "the return itself was offered";
        EXPECT_EQ(dialogs.Texts().back(), NotWrittenOverMessage(chosen));
    }
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "kept");
    EXPECT_EQ(run.currentFileName, file);

    const std::string other = file + ".other";
    window->saveBox = [&](std::string& name) {
        name = other;
        return true;
    };
    EXPECT_TRUE(window->SaveWithDialog());
    EXPECT_TRUE(Saved(other));
    EXPECT_EQ(run.currentFileName, other);
    std::filesystem::remove(other);
    std::filesystem::remove(std::filesystem::path(other).replace_extension(".BAK"));
}

// The save box never replaces a return another program holds.
TEST_F(MainWindowTest, TheSaveBoxNeverReplacesAReturnHeldByAnotherProgram) {
    StartAt(2004);
    const std::string other = file + ".held";
    std::ofstream(other) << "theirs";
    {
        const ReturnLock theirs(other);
        window->saveBox = [&](std::string& name) {
            name = other;
            return true;
        };
        EXPECT_FALSE(window->SaveWithDialog());
        EXPECT_EQ(dialogs.Texts().back(), InUseMessage(other));
    }
    std::ifstream in(other);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "theirs");
    std::filesystem::remove(other);
}

}  // namespace
}  // namespace cgt::test
