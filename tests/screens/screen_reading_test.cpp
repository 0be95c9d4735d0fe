// Every screen as a keyboard user and a screen reader meet it: Tab takes the
// controls in reading order, and every control has a name to be read out.
#include <QAbstractButton>
#include <QApplication>

#include "controls/xgrid.h"
#include "flow/flow_rules.h"
#include "flow/screen_catalogue.h"
#include "interview/screen_layout.h"
#include "screens_fixture.h"

namespace cgt::test {
namespace {

bool Reachable(const QWidget* w, const QWidget* screen) {
    return w->isVisibleTo(screen) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
}

// The controls Tab reaches from the first one, as Qt's focus chain takes
// them (only widgets that take the focus by Tab), until the chain comes round
// again. A control's own parts (a grid's cell editor) count as the control.
std::vector<QWidget*> TabWalk(QWidget* screen, QWidget* first) {
    std::vector<QWidget*> walked{first};
    const std::vector<QWidget*> controls = TabControls(screen);
    auto ownerOf = [&](QWidget* w) -> QWidget* {
        for (QWidget* c : controls)
            if (c == w || c->isAncestorOf(w)) return c;
        return nullptr;
    };
    QWidget* w = first;
    for (int guard = 0; guard < 10000; ++guard) {
        w = w->nextInFocusChain();
        if (w == first) break;
        if (!screen->isAncestorOf(w) || !Reachable(w, screen)) continue;
        QWidget* owner = ownerOf(w);
        if (!owner || owner == walked.back() || !Reachable(owner, screen)) continue;
        if (std::find(walked.begin(), walked.end(), owner) != walked.end()) break;
        walked.push_back(owner);
    }
    return walked;
}

class ScreenReading : public ScreenFrameTest {
protected:
    void ShowNumber(int number) {
        if (const int type = BlockTypeOf(number); type != 0) frame->pendingType = type;
        ShowScreen(number);
        Settle();
    }
};

TEST_F(ScreenReading, EveryScreenTabsInReadingOrderAndNamesEachControl) {
    int screens = 0;
    for (const ScreenDef& d : ScreenCatalogue()) {
        ShowNumber(d.number);
        TChildForm* screen = frame->CurrentScreen();
        if (!screen || frame->CurrentScreenNumber() != d.number) continue;  // a screen that moves on by itself
        ++screens;
        std::vector<QWidget*> expected;
        for (QWidget* c : TabControls(screen))
            if (Reachable(c, screen)) expected.push_back(c);
        for (QWidget* c : expected)
            EXPECT_FALSE(c->accessibleName().trimmed().isEmpty())
                << d.number << " " << c->objectName().toStdString() << " has no accessible name";
        if (expected.empty()) continue;
        const std::vector<QWidget*> walked = TabWalk(screen, expected.front());
        std::vector<std::string> want, got;
        for (QWidget* c : expected) want.push_back(c->objectName().toStdString());
        for (QWidget* c : walked) got.push_back(c->objectName().toStdString());
        EXPECT_EQ(got, want) << "Tab order of screen " << d.number;
    }
    EXPECT_EQ(screens, int(ScreenCatalogue().size())) << "every screen is walked";
}

TEST_F(ScreenReading, TheLossesScreenReadsItsBoxesByTheirLines) {
    ShowNumber(2005);
    TChildForm* screen = frame->CurrentScreen();
    ASSERT_NE(screen, nullptr);
    auto* collectables = screen->findChild<QWidget*>(QStringLiteral("Edit920"));
    auto* other = screen->findChild<QWidget*>(QStringLiteral("Edit921"));
    ASSERT_TRUE(collectables && other);
    EXPECT_EQ(collectables->accessibleName(), QStringLiteral("Unapplied net capital losses from collectables"));
    EXPECT_EQ(other->accessibleName(), QStringLiteral("Other unapplied net capital losses"));
    EXPECT_EQ(screen->focusWidget(), collectables) << "the first box in reading order takes the focus";
}

}  // namespace
}  // namespace cgt::test
