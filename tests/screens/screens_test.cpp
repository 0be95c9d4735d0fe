// The screen factory, its table, the navigator groups and the first three
// screens driven through a frame.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <span>
#include <stdexcept>
#include <string>

#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "screens/flow_screen.h"
#include "screens/navigator_groups.h"
#include "screens/screen_forms.h"
#include "screens_fixture.h"

namespace cgt::test {
namespace {

TEST(ScreenFactory, EveryCatalogueClassHasExactlyOneFormAndEveryFormAClass) {
    const std::vector<ScreenClass>& classes = ScreenClasses();
    const std::span<const ScreenForm> forms = ScreenForms();
    ASSERT_EQ(forms.size(), classes.size());
    std::set<std::string> named;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        EXPECT_STREQ(forms[i].className, classes[i].className) << i;
        EXPECT_EQ(&FormOf(classes[i]), &forms[i]) << classes[i].className;
        EXPECT_TRUE(named.insert(forms[i].className).second) << forms[i].className << " has two forms";
    }
    // A copy is not the catalogue's class and has no form.
    const ScreenClass copy = classes.front();
    EXPECT_THROW(FormOf(copy), std::logic_error);
}

TEST(ScreenFactory, EveryScreenIsBuiltFromItsDefinitionWithTheCataloguesAttributes) {
    App();
    for (const ScreenDef& d : ScreenCatalogue()) {
        std::unique_ptr<TChildForm> s(CreateScreen(d.number));
        ASSERT_NE(s, nullptr) << d.number << " " << d.cls->className << " has no screen";
        EXPECT_EQ(s->objectName(), QString::fromLatin1(d.cls->className));
        // The question and information screens are their family's, made from rows.
        EXPECT_EQ(dynamic_cast<TFlowScreen*>(s.get()) != nullptr, FamilyBuiltFromRows(d.cls->family))
            << d.cls->className;
        EXPECT_EQ(s->helpContext(), d.cls->helpContext) << d.number;
        EXPECT_EQ(s->iconKind(), d.cls->icon) << d.number;
        EXPECT_EQ(s->completeFirst() == kCompleteFirstBlock, d.cls->savingBlocked) << d.number;
        EXPECT_EQ(s->windowTitle(), QString::fromLatin1(d.cls->caption)) << d.number;
        EXPECT_EQ(s->ShowPrevButton(), d.cls->showPrev) << d.number;
        // Yes and No come with the question screens' show handlers, not their definitions.
        EXPECT_FALSE(s->ShowYesButton()) << d.number;
        EXPECT_FALSE(s->ShowNoButton()) << d.number;
        if (FamilyBuiltFromRows(d.cls->family)) {
            EXPECT_EQ(s->ShowNextButton(), d.cls->family == ScreenFamily::Information) << d.number;
        }
        EXPECT_FALSE(s->findChildren<TTextLbl*>().isEmpty()) << d.number << " has no text";
    }
    // Each number gets a new object.
    std::unique_ptr<TChildForm> a(CreateScreen(2004)), b(CreateScreen(2004));
    EXPECT_NE(a.get(), b.get());
}

TEST(ScreenFactory, NumbersWithoutAScreenGiveNone) {
    App();
    for (int n :
         {0, 2003, 2008, 2021, 2034, 2044, 2054, 2064, 2076, 2080, 2082, 2087, 2089, 2095, 2099, 2100, 2108, 2201})
        EXPECT_EQ(CreateScreen(n), nullptr) << n;
}

TEST(NavigatorGroups, TheTreeEntriesAsTheWidgetTakesThem) {
    const auto& g = NavigatorGroups();
    ASSERT_EQ(g.size(), NavigatorTree().size());
    for (std::size_t i = 0; i < g.size(); ++i) {
        EXPECT_EQ(g[i].text, QString::fromLatin1(NavigatorTree()[i].text));
        EXPECT_EQ(g[i].screenNumber, NavigatorTree()[i].screenNumber);
    }
}

TEST_F(ScreenFrameTest, IntroductionLossesAndResidenceLeadToTheSharesQuestion) {
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
    EXPECT_EQ(frame->CurrentScreenNumber(), 2006);
    EXPECT_EQ(host.closes, 0);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2004, 2005, 2088, 2006}));
}

TEST_F(ScreenFrameTest, LossesScreenLeadsTo2088WhateverIsEntered) {
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
