#pragma once
// The cost base and cost element screens through the real frame: the block
// screen fixture with Prev enabled from the start, so that each case can be
// left going back (which skips the checks), and the screen's control that
// holds the focus.
#include "block_screens_fixture.h"

namespace cgt::test {

class CostScreenTest : public BlockScreenTest {
protected:
    void SetUp() override {
        BlockScreenTest::SetUp();
        // The frame enables Prev at the first Next.
        ShowScreen(2088);
        Click(frame->NextButton());
    }
    // The screen's control holding the focus (a grid holds it in its editor).
    std::string FocusedControl() const {
        QWidget* w = QApplication::focusWidget();
        while (w && w->parentWidget() != frame->CurrentScreen()) w = w->parentWidget();
        return w ? w->objectName().toStdString() : "";
    }
    // Back to the event question before the block.
    void Leave() {
        for (int i = 0; i < 3 && frame->CurrentScreenNumber() != 2007; ++i) Click(frame->PrevButton());
        ASSERT_EQ(frame->CurrentScreenNumber(), 2007);
    }
};

}  // namespace cgt::test
