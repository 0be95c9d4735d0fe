// The question and information screens driven through the real frame with
// clicks on its buttons: where each answer leads, what it leaves in the
// store, which buttons and navigator entry show, and the deletion question.
#include <QPushButton>
#include <QTest>

#include "interview/navigator.h"
#include "screens_fixture.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

using QuestionScreenTest = ScreenFrameTest;

void Click(QPushButton* button) {
    ASSERT_TRUE(button->isVisible()) << button->objectName().toStdString() << " is hidden";
    QTest::mouseClick(button, Qt::LeftButton);
}

// Stores one named instance of a worksheet type.
void StoreWorksheet(FieldStore& store, int type, const char* name) {
    store.SetFieldStr(kTagInstanceName, name);
    store.StoreInstance(type, 1);
}

TEST_F(QuestionScreenTest, QuestionScreensShowYesAndNoInsteadOfNextAndTheirNavigatorEntry) {
    const struct {
        int screen;
        const char* entry;  // nullptr: the outlook bar stays hidden
        bool prev;
    } cases[] = {{2006, "Shares", true},
                 {2007, "Shares", true},
                 {2018, "Trust information", true},
                 {2020, "CGT events affecting trusts", true},
                 {2031, "Real estate", true},
                 {2043, "Depreciating assets", true},
                 {2052, "Personal use or collectable assets", true},
                 {2063, "Other assets not mentioned", true},
                 {2072, "Creation of rights", true},
                 {2096, "Other receipts", true},
                 {2017, nullptr, false},
                 {2051, nullptr, false},
                 {2081, nullptr, false},
                 {2098, nullptr, false}};
    for (const auto& c : cases) {
        // A screen before it, so that Prev would have somewhere to go.
        ShowScreen(2004);
        ShowScreen(c.screen);
        ASSERT_EQ(frame->CurrentScreenNumber(), c.screen);
        EXPECT_TRUE(frame->YesButton()->isVisible()) << c.screen;
        EXPECT_TRUE(frame->NoButton()->isVisible()) << c.screen;
        EXPECT_FALSE(frame->NextButton()->isVisible()) << c.screen;
        EXPECT_EQ(frame->PrevButton()->isVisible(), c.prev) << c.screen;
        EXPECT_EQ(frame->IconShown(), kIconQuestion) << c.screen;
        EXPECT_EQ(frame->Navigator()->isVisible(), c.entry != nullptr) << c.screen;
        if (c.entry) {
            EXPECT_EQ(frame->Navigator()->SelectedText(), QString::fromLatin1(c.entry)) << c.screen;
        }
    }
}

TEST_F(QuestionScreenTest, SharesYesRoadSetsTheTypeAndStageAndOpensTheRegistration) {
    ShowScreen(2006);
    Click(frame->YesButton());
    Settle();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2007);
    EXPECT_EQ(run.store().GetFieldVal(kTagProgress), 1);
    EXPECT_EQ(frame->pendingType, 0);
    Click(frame->YesButton());
    Settle();
    EXPECT_EQ(frame->pendingType, kWsShares);
    EXPECT_EQ(frame->CurrentScreenNumber(), 2009);
    EXPECT_EQ(run.store().EditedType(), kWsShares);
    EXPECT_EQ(host.closes, 0);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2006, 2007, 2009}));
}

TEST_F(QuestionScreenTest, NoOnTheSharesQuestionAsksBeforeDeletingTheShareWorksheets) {
    for (MsgResult answer : {MsgResult::No, MsgResult::Yes}) {
        StoreWorksheet(run.store(), kWsShares, "BHP 1000");
        dialogs.shown.clear();
        dialogs.answers = {answer};
        ShowScreen(2006);
        Click(frame->NoButton());
        Settle();
        EXPECT_EQ(frame->CurrentScreenNumber(), 2018);
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].caption, "Warning");
        EXPECT_EQ(run.store().FieldHasData(ListFieldOf(kWsShares)), answer == MsgResult::No);
        EXPECT_EQ(run.store().GetFieldVal(kTagProgress), 1);
    }
}

TEST_F(QuestionScreenTest, BeneficiaryNoDeletesTheTrustListsAfterOneQuestion) {
    StoreWorksheet(run.store(), kWsTrustInterest, "Units");
    run.store().SetFieldLst(kTagTrustTable, std::make_shared<TextList>(TextList{"Trust", "100"}));
    dialogs.answers = {MsgResult::Yes};
    ShowScreen(2018);
    Click(frame->NoButton());
    Settle();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2031);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(run.store().FieldIsEmpty(ListFieldOf(kWsTrustInterest)));
    EXPECT_TRUE(run.store().FieldIsEmpty(kTagTrustTable));
    EXPECT_EQ(run.store().GetFieldVal(kTagProgress), 4);
}

TEST_F(QuestionScreenTest, AnotherEventQuestionEndsTheBlockWorksheet) {
    frame->reopen = true;
    frame->worksheetNumber = 3;
    ShowScreen(2004);
    ShowScreen(2041);
    EXPECT_FALSE(frame->reopen);
    EXPECT_FALSE(frame->PrevButton()->isVisible());
    Click(frame->NoButton());
    Settle();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2042);
}

TEST_F(QuestionScreenTest, CreatedRightsAndOtherReceiptsEndAtTheManualTable) {
    // 2072 No → 2096 No → 2099, shown as 2101.
    ShowScreen(2072);
    Click(frame->NoButton());
    Settle();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2096);
    Click(frame->NoButton());
    Settle();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2101);
    EXPECT_EQ(frame->FailedScreenNumber(), 0);
    EXPECT_EQ(run.section, 21);
    EXPECT_EQ(run.screenIndex, 1);
    EXPECT_EQ(run.store().GetFieldVal(kTagProgress), 13);
}

TEST_F(QuestionScreenTest, SharesIntroductionMakesTheProgressFieldNumeric) {
    run.store().SetFieldStr(kTagProgress, "x");
    ShowScreen(2006);
    EXPECT_EQ(run.store().FieldType(kTagProgress), dtNumeric);
    Click(frame->NoButton());
    Settle();
    EXPECT_EQ(run.store().GetFieldVal(kTagProgress), 1);
}

TEST_F(QuestionScreenTest, InformationScreensMoveOnByNext) {
    const struct {
        int screen;
        int next;
        const char* entry;
    } cases[] = {{2032, 2033, nullptr}, {2074, 2075, nullptr}, {2102, 2103, "Application of choices"}};
    for (const auto& c : cases) {
        ShowScreen(c.screen);
        ASSERT_EQ(frame->CurrentScreenNumber(), c.screen);
        EXPECT_FALSE(frame->YesButton()->isVisible()) << c.screen;
        EXPECT_EQ(frame->Navigator()->isVisible(), c.entry != nullptr) << c.screen;
        if (c.entry) {
            EXPECT_EQ(frame->Navigator()->SelectedText(), QString::fromLatin1(c.entry));
        }
        Click(frame->NextButton());
        EXPECT_EQ(run.section * 100 + run.screenIndex, c.next) << c.screen;
    }
}

TEST_F(QuestionScreenTest, MoreOpensTheScreensHelpTopic) {
    ShowScreen(2052);
    Click(frame->MoreButton());
    ShowScreen(2096);
    Click(frame->MoreButton());
    EXPECT_EQ(host.topics, (std::vector<int>{8, 82}));
}

}  // namespace
}  // namespace cgt::test
