// A slot wrapped by GuardedSlot: a failure inside it becomes the error box of
// the window's context instead of unwinding through Qt's event loop, and the
// body gets the signal's arguments it asks for.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <stdexcept>

#include "controls/control_context.h"
#include "controls/xgrid.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

class GuardedSlotTest : public ::testing::Test {
protected:
    void SetUp() override { InstallControlContext(&window, &context); }

    test::ScriptedDialogs dialogs;
    FixedClock clock{2003, 1, 15};
    ControlContext context{&dialogs, &clock};
    QWidget window;
};

TEST_F(GuardedSlotTest, AFailureBecomesTheErrorBox) {
    auto* button = new QPushButton(&window);
    int after = 0;
    QObject::connect(button, &QPushButton::clicked, &window,
                     GuardedSlot(&window, [] { throw std::runtime_error("Disk full"); }));
    QObject::connect(button, &QPushButton::clicked, &window, [&after] { ++after; });
    button->click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Disk full");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Error);
    // The signal went on to its other slots.
    EXPECT_EQ(after, 1);

    QObject::connect(button, &QPushButton::pressed, &window, GuardedSlot(&window, [] { throw 42; }));
    button->click();
    ASSERT_EQ(dialogs.shown.size(), 3u);
    EXPECT_EQ(dialogs.shown[1].text, kUnexpectedError);  // pressed comes before clicked
}

TEST_F(GuardedSlotTest, TheBodyTakesAllTheArgumentsTheFirstOrNone) {
    TXGrid grid(&window);
    std::vector<int> all, first;
    int none = 0;
    QObject::connect(&grid, &TXGrid::cellEntered, &window, GuardedSlot(&window, [&](int col, int row) {
        all = {col, row};
    }));
    QObject::connect(&grid, &TXGrid::cellEntered, &window, GuardedSlot(&window, [&](int col) { first = {col}; }));
    QObject::connect(&grid, &TXGrid::cellEntered, &window, GuardedSlot(&window, [&] { ++none; }));
    emit grid.cellEntered(3, 7);
    EXPECT_EQ(all, (std::vector<int>{3, 7}));
    EXPECT_EQ(first, std::vector<int>{3});
    EXPECT_EQ(none, 1);
    EXPECT_TRUE(dialogs.shown.empty());
}

}  // namespace
}  // namespace cgt
