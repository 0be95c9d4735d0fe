// The created right screen (TQCGT_36a, screen 2075) reached from the
// question whether a CGT event happened to rights you created, driven with
// keys and clicks: the asset type chosen on leaving the description, the
// roll-over questions, then the message, the focus, the step and the store.
#include <QListWidget>

#include "controls/numedit.h"
#include "controls/typeahead_combo.h"
#include "interview/worksheet_picker.h"
#include "receipts_fixture.h"

namespace cgt::test {
namespace {

constexpr const char* kUnanswered = "You must advise if the gain or loss for this event can be deferred";
constexpr const char* kSelect = "You must select either 'Yes' or 'No'.";

constexpr int kQuestion = 2073;
constexpr int kRight = 2075;
constexpr int kAnother = 2081;

class CreatedRightTest : public ReceiptScreenTest {
protected:
    // Yes to "did a CGT event happen to rights you created?".
    void Arrive() { AnswerYes(kQuestion, kRight); }
    TTypeAheadCombo* TypeList() const { return Control<TTypeAheadCombo>("TypeTextComboBox"); }
};

const EntryCheck kCases[] = {
    {"ProceedsWithoutDescription", "", "5000", "600", {"Q2NoCheckBox"}, "", kMsgNoDescription, "DescEdit"},
    {"EqualAmounts", "Option over land", "600", "600", {"Q2NoCheckBox"}, "", kMsgNoAmount, "ProceedsEdit"},
    {"RollOverUnanswered", "Option over land", "5000", "600", {}, "", kUnanswered, "Q2YesCheckBox"},
    {"MarriageUnanswered", "Option over land", "5000", "600", {"Q2YesCheckBox"}, "", kSelect, "Q3YesCheckBox"},
    {"LossUnanswered", "Restrictive covenant", "", "900", {}, "", kUnanswered, "Q2YesCheckBox"},
    {"NoRollOver", "Option over land", "5000", "600", {"Q2NoCheckBox"}, "", nullptr, nullptr},
    {"MarriageBreakdown",
     "Right for former spouse",
     "5000",
     "",
     {"Q2YesCheckBox", "Q3YesCheckBox"},
     "",
     nullptr,
     nullptr},
    {"LeftEmpty", "", "", "", {}, "", nullptr, nullptr},
};

class CreatedRightChecks : public CreatedRightTest, public ::testing::WithParamInterface<EntryCheck> {};

TEST_P(CreatedRightChecks, Next) {
    const EntryCheck& c = GetParam();
    Arrive();
    Enter(c);
    Next();
    ExpectOutcome(c, kRight, kAnother);
}

INSTANTIATE_TEST_SUITE_P(Qcgt36a, CreatedRightChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CreatedRightTest, ShownWithThePickerAndTheTypesOfARight) {
    Arrive();
    EXPECT_TRUE(frame->Picker()->isVisible());
    EXPECT_FALSE(frame->reopen);
    ASSERT_EQ(TypeList()->count(), 2);
    EXPECT_EQ(TypeList()->itemText(0), QStringLiteral("OA - Active asset - Other asset or CGT event"));
    EXPECT_EQ(TypeList()->itemText(1), QStringLiteral("ON - Non-active asset - Other asset or CGT event"));
    EXPECT_EQ(TypeList()->currentIndex(), -1);
    EXPECT_FALSE(Control<QWidget>("Q3YesCheckBox")->isEnabled());
    EXPECT_FALSE(Control<QWidget>("Q3NoCheckBox")->isEnabled());
}

TEST_F(CreatedRightTest, LeavingTheDescriptionChoosesNonActive) {
    Arrive();
    auto* desc = Control<TTaxEdit>("DescEdit");
    ClickInto(desc);
    QTest::keyClick(desc, Qt::Key_Tab);  // nothing typed: nothing chosen
    EXPECT_EQ(TypeList()->currentIndex(), -1);
    TypeInto(desc, "Restrictive covenant");
    QTest::keyClick(desc, Qt::Key_Tab);
    EXPECT_EQ(TypeList()->currentText(), QStringLiteral("ON - Non-active asset - Other asset or CGT event"));
    // A type chosen stays.
    ClickInto(TypeList());
    QTest::keyClicks(TypeList(), QStringLiteral("o"));
    ASSERT_EQ(TypeList()->currentIndex(), 0);
    TypeInto(desc, " of 2003");
    QTest::keyClick(desc, Qt::Key_Tab);
    EXPECT_EQ(TypeList()->currentIndex(), 0);
}

TEST_F(CreatedRightTest, RightStoredWithItsAnswers) {
    Arrive();
    TypeInto(Control<TTaxEdit>("DescEdit"), "Option over land");
    QTest::keyClick(Control<TTaxEdit>("DescEdit"), Qt::Key_Tab);
    Type("ProceedsEdit", "5000");
    Type("CostsEdit", "600");
    EXPECT_EQ(TextOf("GainEdit"), "4400");
    EXPECT_EQ(TextOf("LossEdit"), "");
    Tick("Q2YesCheckBox");
    Tick("Q3NoCheckBox");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    ASSERT_EQ(run.store().WorksheetCount(kWsCreatedRights), 1);
    EXPECT_EQ(StoredText(kWsCreatedRights, kTagAssetDescription), "Option over land");
    EXPECT_EQ(StoredText(kWsCreatedRights, kTagAssetType), "ON");
    EXPECT_EQ(Stored(kWsCreatedRights, [](FieldStore& s) { return double(s.GetFieldVal(kTagOtherGain)); }), 4400);
    EXPECT_TRUE(StoredTicked(kWsCreatedRights, kTagHasProceeds));
    EXPECT_TRUE(StoredTicked(kWsCreatedRights, kTagRollOverYes));
    EXPECT_FALSE(StoredTicked(kWsCreatedRights, kTagRollOverNo));
    EXPECT_TRUE(StoredTicked(kWsCreatedRights, kTagMarriageBreakdownNo));
}

TEST_F(CreatedRightTest, LossWithoutProceedsLeavesTheProceedsFlagClear) {
    Arrive();
    Type("DescEdit", "Restrictive covenant");
    Type("CostsEdit", "900");
    EXPECT_EQ(TextOf("LossEdit"), "900");
    Tick("Q2NoCheckBox");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    EXPECT_FALSE(StoredTicked(kWsCreatedRights, kTagHasProceeds));
    EXPECT_EQ(Stored(kWsCreatedRights, [](FieldStore& s) { return double(s.GetFieldVal(kTagCapitalLoss)); }), 900);
}

TEST_F(CreatedRightTest, PickerReopensAnEarlierRight) {
    Arrive();
    Type("DescEdit", "Right for former spouse");
    Type("ProceedsEdit", "5000");
    Tick("Q2YesCheckBox");
    Tick("Q3YesCheckBox");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kAnother);
    Click(frame->YesButton());
    Settle();
    ASSERT_EQ(frame->CurrentScreenNumber(), kRight);
    EXPECT_EQ(TextOf("DescEdit"), "");
    EXPECT_FALSE(Control<QWidget>("Q3YesCheckBox")->isEnabled());
    // The first right, picked from the list: its marriage breakdown answer is open again.
    QListWidget* list = frame->Picker()->List();
    ASSERT_EQ(list->count(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    Settle();
    EXPECT_EQ(TextOf("DescEdit"), "Right for former spouse");
    EXPECT_EQ(TextOf("GainEdit"), "5000");
    EXPECT_TRUE(Ticked("Q2YesCheckBox"));
    EXPECT_TRUE(Ticked("Q3YesCheckBox"));
    EXPECT_TRUE(Control<QWidget>("Q3YesCheckBox")->isEnabled());
    EXPECT_TRUE(Control<QWidget>("Q3NoCheckBox")->isEnabled());
}

TEST_F(CreatedRightTest, RollOverNoClosesTheMarriageQuestion) {
    Arrive();
    Tick("Q2YesCheckBox");
    Tick("Q3YesCheckBox");
    Tick("Q2NoCheckBox");
    EXPECT_FALSE(Ticked("Q2YesCheckBox"));
    EXPECT_FALSE(Ticked("Q3YesCheckBox"));
    EXPECT_FALSE(Control<QWidget>("Q3YesCheckBox")->isEnabled());
}

}  // namespace
}  // namespace cgt::test
