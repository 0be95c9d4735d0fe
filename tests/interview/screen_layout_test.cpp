// How a screen follows the window, closes up hidden bands, orders Tab and
// names its controls.
#include "interview/screen_layout.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "controls/xgrid.h"
#include "interview/childform.h"

namespace cgt::test {

QApplication& App();

namespace {

template <typename W>
W* Add(QWidget* parent, const char* name, QRect r) {
    auto* w = new W(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(r);
    return w;
}

TTextLbl* Markup(QWidget* parent, const char* name, QRect r, const QStringList& lines) {
    auto* l = Add<TTextLbl>(parent, name, r);
    l->setTransparent(true);
    l->setText(lines);
    return l;
}

struct OrderCase {
    const char* name;
    std::vector<QRect> boxes;
    std::vector<int> order;
};

TEST(ReadingOrder, RowsFromTheTopEachFromTheLeft) {
    const OrderCase cases[] = {
        {"one column", {{10, 80, 100, 20}, {10, 10, 100, 20}, {10, 40, 100, 20}}, {1, 2, 0}},
        {"label and box a few pixels apart read as one row",
         {{300, 12, 100, 24}, {10, 16, 200, 20}, {10, 50, 200, 20}},
         {1, 0, 2}},
        {"a tall box beside a column of buttons comes first, then the buttons downwards",
         {{306, 360, 220, 23}, {10, 336, 284, 96}, {306, 336, 220, 23}, {306, 384, 220, 23}},
         {1, 2, 0, 3}},
        {"Yes and No on each of two questions",
         {{556, 74, 52, 24}, {496, 74, 52, 24}, {556, 28, 52, 24}, {496, 28, 52, 24}},
         {3, 2, 1, 0}},
    };
    for (const OrderCase& c : cases) EXPECT_EQ(ReadingOrder(c.boxes), c.order) << c.name;
}

class ScreenLayoutTest : public ::testing::Test {
protected:
    ScreenLayoutTest() { App(); }
    void SetUp() override {
        screen = std::make_unique<TChildForm>();
        screen->resize(640, 481);
    }
    std::unique_ptr<TChildForm> screen;
};

TEST_F(ScreenLayoutTest, AGrowingScreenWidensItsWidePartsAndGivesTheTallestGridTheHeight) {
    // The choice table's arrangement: a heading, the main grid, a line and a
    // small grid under it with buttons beside it, and a help line at the foot.
    auto* heading = Markup(screen.get(), "Heading", {0, 0, 640, 50}, {"<X10;Y8>Heading"});
    auto* grid = Add<TXGrid>(screen.get(), "Grid", {10, 50, 620, 234});
    auto* line = Add<QLabel>(screen.get(), "Line", {10, 310, 620, 22});
    auto* small = Add<TXGrid>(screen.get(), "Small", {10, 336, 284, 96});
    auto* button = Add<QPushButton>(screen.get(), "Button", {306, 336, 220, 23});
    auto* help = Markup(screen.get(), "Help", {0, 438, 640, 43}, {"<X10>Help"});
    auto* narrowBeside = Add<QPushButton>(screen.get(), "Beside", {10, 20, 50, 20});
    const std::vector<std::pair<QWidget*, QRect>> before = {{heading, heading->geometry()},
                                                            {grid, grid->geometry()},
                                                            {line, line->geometry()},
                                                            {small, small->geometry()},
                                                            {button, button->geometry()},
                                                            {help, help->geometry()},
                                                            {narrowBeside, narrowBeside->geometry()}};

    StretchScreen(screen.get(), QSize(1120, 761));  // 480 wider, 280 taller
    EXPECT_EQ(screen->size(), QSize(1120, 761));
    EXPECT_EQ(heading->geometry(), QRect(0, 0, 1120, 50));
    EXPECT_EQ(grid->geometry(), QRect(10, 50, 1100, 514));
    EXPECT_EQ(line->geometry(), QRect(10, 590, 1100, 22));
    EXPECT_EQ(small->geometry(), QRect(10, 616, 284, 96)) << "below the tallest grid: moves, keeps its size";
    EXPECT_EQ(button->geometry(), QRect(306, 616, 220, 23));
    EXPECT_EQ(help->geometry(), QRect(0, 718, 1120, 43));
    EXPECT_EQ(narrowBeside->geometry(), QRect(10, 20, 50, 20)) << "entry controls keep their size";

    // Back to the size it was drawn for, everything is where it was.
    StretchScreen(screen.get(), QSize(640, 481));
    for (const auto& [w, r] : before) EXPECT_EQ(w->geometry(), r) << w->objectName().toStdString();
}

TEST_F(ScreenLayoutTest, WhatStandsBesideAWidePartMovesRightAndPanelsPassTheRoomOn) {
    auto* grid = Add<TXGrid>(screen.get(), "Grid", {10, 20, 300, 100});
    auto* button = Add<QPushButton>(screen.get(), "Button", {320, 20, 100, 24});
    auto* below = Add<QPushButton>(screen.get(), "Below", {320, 130, 100, 24});
    auto* panel = Add<QGroupBox>(screen.get(), "Panel", {10, 160, 620, 300});
    auto* inner = Add<TXGrid>(panel, "Inner", {4, 20, 612, 270});
    StretchScreen(screen.get(), QSize(800, 581));
    EXPECT_EQ(grid->geometry(), QRect(10, 20, 460, 100));
    EXPECT_EQ(button->geometry(), QRect(480, 20, 100, 24)) << "beside the widened grid";
    EXPECT_EQ(below->geometry(), QRect(320, 130, 100, 24)) << "not beside it: stays";
    // The panel holds a grid and is the tallest part: it takes the height
    // and passes the room on to its grid.
    EXPECT_EQ(panel->geometry(), QRect(10, 160, 780, 400));
    EXPECT_EQ(inner->geometry(), QRect(4, 20, 772, 370));
}

TEST_F(ScreenLayoutTest, AQuestionKeepsItsBoxBesideIt) {
    auto* question = Add<QLabel>(screen.get(), "Question", {10, 100, 400, 40});
    auto* date = Add<TTaxEdit>(screen.get(), "Date", {470, 108, 110, 24});
    auto* note = Add<QLabel>(screen.get(), "Note", {10, 150, 400, 40});
    StretchScreen(screen.get(), QSize(800, 481));
    EXPECT_EQ(question->geometry(), QRect(10, 100, 400, 40));
    EXPECT_EQ(date->geometry(), QRect(470, 108, 110, 24));
    EXPECT_EQ(note->geometry(), QRect(10, 150, 560, 40)) << "a text with nothing beside it widens";
}

TEST_F(ScreenLayoutTest, TextBelowAGridOnAFullScreenLabelKeepsTheGridItsHeight) {
    // A screen-high markup label places its lines by position: a grid above
    // one of them may widen but not grow over it.
    Markup(screen.get(), "Text", {0, 0, 640, 481}, {"<X10;Y8>Above", "<X10;Y300>Below the grid"});
    auto* grid = Add<TXGrid>(screen.get(), "Grid", {10, 60, 620, 200});
    StretchScreen(screen.get(), QSize(800, 581));
    EXPECT_EQ(grid->geometry(), QRect(10, 60, 780, 200));
}

TEST_F(ScreenLayoutTest, HidingAControlClosesItsBandUnlessAnotherControlSharesIt) {
    auto* group = Add<QGroupBox>(screen.get(), "Group", {10, 96, 620, 146});
    auto* first = Add<QCheckBox>(group, "First", {12, 28, 52, 24});
    auto* label = Add<QLabel>(group, "Label", {70, 28, 300, 24});
    Add<QCheckBox>(group, "Middle", {12, 74, 52, 24});
    auto* last = Add<QCheckBox>(group, "Last", {12, 110, 596, 24});
    auto* note = Markup(screen.get(), "Note", {10, 250, 620, 48}, {"Note"});
    auto* more = Markup(screen.get(), "More", {10, 306, 620, 134}, {"More"});
    auto* help = Markup(screen.get(), "Help", {10, 444, 620, 24}, {"Help"});

    HideAndCloseUp(first);  // its label still shows on the line
    EXPECT_EQ(group->geometry(), QRect(10, 96, 620, 146));
    EXPECT_EQ(last->geometry(), QRect(12, 110, 596, 24));

    HideAndCloseUp(last);  // the last line of the group: the group shrinks
    EXPECT_FALSE(last->isVisibleTo(screen.get()));
    EXPECT_EQ(group->geometry(), QRect(10, 96, 620, 110)) << "keeps its 12-pixel foot below the label";
    EXPECT_EQ(note->y(), 214);
    EXPECT_EQ(more->y(), 270);
    EXPECT_EQ(help->y(), 408);
    EXPECT_EQ(label->y(), 28);

    HideAndCloseUp(note);  // what follows takes its place
    EXPECT_EQ(more->y(), 214);
    EXPECT_EQ(help->y(), 352);
}

TEST_F(ScreenLayoutTest, TabWalksTheControlsInReadingOrderWhateverOrderTheyWereMadeIn) {
    auto* no = Add<QRadioButton>(screen.get(), "No", {560, 40, 50, 22});
    auto* grid = Add<TXGrid>(screen.get(), "Grid", {10, 200, 400, 120});
    auto* amount = Add<TTaxEdit>(screen.get(), "Amount", {380, 100, 110, 24});
    auto* group = Add<QGroupBox>(screen.get(), "Group", {10, 140, 620, 40});
    auto* ticked = Add<QCheckBox>(group, "Ticked", {300, 10, 60, 22});
    auto* first = Add<QCheckBox>(group, "InGroupFirst", {10, 10, 60, 22});
    auto* yes = Add<QRadioButton>(screen.get(), "Yes", {500, 40, 50, 22});
    auto* next = Add<QPushButton>(screen.get(), "Print", {420, 200, 100, 24});
    yes->setAutoExclusive(false);
    no->setAutoExclusive(false);

    const std::vector<QWidget*> expected = {yes, no, amount, first, ticked, grid, next};
    EXPECT_EQ(TabControls(screen.get()), expected);

    ApplyReadingTabOrder(screen.get());
    screen->show();
    screen->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    yes->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> walked = {QApplication::focusWidget()};
    for (std::size_t i = 1; i < expected.size(); ++i) {
        QWidget* at = QApplication::focusWidget();
        // The grid takes Tab from cell to cell; past its last cell it leaves,
        // which is where the walk goes on.
        if (grid->isAncestorOf(at)) {
            QWidget* w = grid;
            do w = w->nextInFocusChain();
            while (grid->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isVisible());
            w->setFocus(Qt::TabFocusReason);
        } else {
            QTest::keyClick(at, Qt::Key_Tab);
        }
        QWidget* now = QApplication::focusWidget();
        walked.push_back(grid->isAncestorOf(now) ? grid : now);
    }
    EXPECT_EQ(walked, expected);
}

TEST_F(ScreenLayoutTest, EachControlIsNamedByItsOwnTextOrTheTextThatLabelsIt) {
    Markup(screen.get(), "Text", {0, 0, 640, 481},
           {"<X10;Y8;S12;T1>Unapplied net capital losses<.>", "<Y100;X10>Losses from <T1>collectables<.>",
            "<Y140;X40>Tick if the asset was an active asset", "<Y190;X10;T1;S12>Your shares<.>",
            "<Y210;X10>Enter a row for each parcel."});
    auto* collectables = Add<TTaxEdit>(screen.get(), "Collectables", {380, 96, 110, 24});
    auto* active = Add<QCheckBox>(screen.get(), "Active", {10, 138, 20, 20});
    auto* grid = Add<TXGrid>(screen.get(), "Grid", {10, 232, 600, 100});       // named by its heading
    auto* second = Add<TTaxEdit>(screen.get(), "Second", {500, 96, 110, 24});  // beyond the first box's line
    auto* print = Add<QPushButton>(screen.get(), "Print", {10, 400, 100, 24});
    print->setText(QStringLiteral("&Print && file"));
    auto* box = Add<QGroupBox>(screen.get(), "Box", {400, 340, 230, 60});
    box->setTitle(QStringLiteral("Type"));
    auto* inBox = Add<TTaxEdit>(box, "InBox", {10, 20, 100, 24});
    auto* named = Add<TTaxEdit>(screen.get(), "Named", {380, 420, 110, 24});
    named->setAccessibleName(QStringLiteral("Already named"));

    Markup(screen.get(), "Question", {0, 440, 400, 30}, {"<X10;Y4>Is it a roll-over?"});
    auto* yes = Add<QCheckBox>(screen.get(), "QYes", {420, 442, 52, 22});
    yes->setText(QStringLiteral("Yes"));
    auto* no = Add<QCheckBox>(screen.get(), "QNo", {480, 442, 52, 22});
    no->setText(QStringLiteral("No"));

    NameControls(screen.get());
    const std::pair<QWidget*, const char*> expected[] = {
        {collectables, "Losses from collectables"},
        {active, "Tick if the asset was an active asset"},
        {grid, "Your shares"},
        {second, ""},
        {print, "Print & file"},
        {inBox, "Type"},
        {named, "Already named"},
    };
    for (const auto& [w, name] : expected)
        EXPECT_EQ(w->accessibleName().toStdString(), name) << w->objectName().toStdString();
    // Yes and No read with the question they answer.
    for (QCheckBox* answer : {yes, no}) {
        EXPECT_EQ(answer->accessibleName(), answer->text());
        EXPECT_EQ(answer->accessibleDescription(), QStringLiteral("Is it a roll-over?"));
    }
}

}  // namespace
}  // namespace cgt::test
