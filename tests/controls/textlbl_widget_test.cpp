// The markup label as the user meets it: painted offscreen, links under the
// mouse, heights from real font metrics.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "controls/textlbl.h"

namespace cgt {
namespace {

class TextLblWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(500, 400);
        label = new TTextLbl(&window);
        label->setGeometry(10, 10, 400, 100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    int HeightOfH() const { return QFontMetrics(label->font()).height(); }

    QWidget window;
    TTextLbl* label = nullptr;
};

TEST_F(TextLblWidgetTest, HandCursorAndClicksOverLinks) {
    label->setText({"Read <C12;T4;J310>click here<.> and <G42>go<.> now"});
    label->Relayout();
    ASSERT_EQ(label->JumpSpots().size(), 1u);
    ASSERT_EQ(label->ScreenSpots().size(), 1u);
    const HotSpot jump = label->JumpSpots()[0];
    const HotSpot screen = label->ScreenSpots()[0];
    QSignalSpy jumps(label, &TTextLbl::jumpClicked);
    QSignalSpy screens(label, &TTextLbl::screenClicked);
    struct {
        QPoint at;
        bool hand;
        int jumpId;
        int screenId;
    } cases[] = {
        {QPoint(jump.left + 2, jump.top + 2), true, 310, 0},
        {QPoint(jump.right, jump.bottom), true, 310, 0},  // edges count
        {QPoint(screen.left + 1, screen.top + 3), true, 0, 42},
        {QPoint(2, 2), false, 0, 0},
        {QPoint(jump.right + 3, jump.top + 2), false, 0, 0},
    };
    for (const auto& c : cases) {
        jumps.clear();
        screens.clear();
        QTest::mouseMove(label, c.at);
        EXPECT_EQ(label->cursor().shape() == Qt::PointingHandCursor, c.hand) << c.at.x();
        QTest::mouseClick(label, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_EQ(jumps.count(), c.jumpId ? 1 : 0) << c.at.x();
        EXPECT_EQ(screens.count(), c.screenId ? 1 : 0) << c.at.x();
        if (c.jumpId && jumps.count() == 1) {
            EXPECT_EQ(jumps[0][0].toInt(), c.jumpId);
        }
        if (c.screenId && screens.count() == 1) {
            EXPECT_EQ(screens[0][0].toInt(), c.screenId);
        }
    }
}

TEST_F(TextLblWidgetTest, CalculatedHeightAndParentBottomMargin) {
    label->setText({"one", "two", "three"});
    label->setCalculateHeight(true);
    label->Relayout();
    EXPECT_EQ(label->height(), 3 + 3 * HeightOfH());
    // Displays taller than 600 pixels place the label against a 482-pixel
    // screen; smaller ones against the parent's height.
    const int reference = label->screen()->geometry().height() > 600 ? 482 : window.height();
    label->setParentBottomMargin(10);
    label->Relayout();
    EXPECT_EQ(label->y(), reference - label->height() - 10);
    // A scaled screen always uses its parent's height.
    label->ScaleBy(5, 4);
    label->Relayout();
    EXPECT_EQ(label->y(), window.height() - label->height() - 10);
}

TEST_F(TextLblWidgetTest, SectionSwitchRepaintsTheOtherPart) {
    label->setText({"<s1>first <J5>link<.>", ";", "<s2>second <J6>link<.>"});
    label->Relayout();
    ASSERT_EQ(label->JumpSpots().size(), 1u);
    EXPECT_EQ(label->JumpSpots()[0].id, 5);
    label->setCurrentSection(2);
    label->Relayout();
    ASSERT_EQ(label->JumpSpots().size(), 1u);
    EXPECT_EQ(label->JumpSpots()[0].id, 6);
    EXPECT_EQ(label->JumpSpots()[0].top, 0);  // the second section starts at the top
}

TEST_F(TextLblWidgetTest, ScreenHandlersAnswerDuringLayout) {
    label->SetOnScreenTag([](TTextLbl*, int id, std::string& tag) { tag = id == 99999 ? "2003" : ""; });
    label->SetOnCheckTag([](TTextLbl*, int id, bool& pass) { pass = id != 1; });
    label->setText({"<v1>hidden <J9>x<.>", "year <V99999> <J8>y<.>"});
    label->Relayout();
    ASSERT_EQ(label->JumpSpots().size(), 1u);
    EXPECT_EQ(label->JumpSpots()[0].id, 8);
    EXPECT_EQ(label->JumpSpots()[0].top, 0);
    const QFontMetrics fm(label->font());
    EXPECT_EQ(label->JumpSpots()[0].left, fm.horizontalAdvance("year 2003 "));
}

TEST_F(TextLblWidgetTest, EmptyTextShowsTheComponentName) {
    label->setObjectName("TextLbl1");
    label->setColor(Qt::white);
    const QImage empty = label->grab().toImage();
    bool inked = false;
    for (int y = 0; y < empty.height() && !inked; ++y)
        for (int x = 0; x < empty.width() && !inked; ++x) inked = empty.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(inked);
}

TEST_F(TextLblWidgetTest, ScalingMovesPositionsAndFonts) {
    label->setText({"<X100>a"});
    label->ScaleBy(5, 4);
    label->setText({"<X100;J1>a"});
    label->Relayout();
    ASSERT_EQ(label->JumpSpots().size(), 1u);
    EXPECT_EQ(label->JumpSpots()[0].left, 125);
    EXPECT_EQ(label->width(), 500);
    EXPECT_EQ(label->font().pointSize(), 13);  // 10 x 5/4 rounded
}

}  // namespace
}  // namespace cgt
