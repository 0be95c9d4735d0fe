// The worksheet picker: switching, creating, deleting and naming instances.
#include <QListWidget>

#include "base/text.h"
#include "frame_fixture.h"
#include "interview/worksheet_picker.h"

namespace cgt::test {
namespace {

constexpr int kShares = 451;

class PickerTest : public FrameTest {
protected:
    // Instances of the share type, one per name ("" stores no name).
    void StoreShares(const std::vector<std::string>& names) {
        FieldStore& store = run.store();
        int n = 0;
        for (const std::string& name : names) {
            ++n;
            store.EmptyWorkingTags();
            if (!name.empty()) store.SetFieldStr(710, name);
            store.SetFieldStr(1101, "note " + std::to_string(n));
            store.StoreInstance(kShares, n);
        }
    }

    void ShowShareScreen(bool* accept = nullptr) {
        screens[2009] = {
            .validates = accept != nullptr, .accept = accept, .worksheetType = kShares, .build = [](TestScreen& s) {
                s.AddEdit("Name", 710, TCustomNumEdit::ntNone, 10);
                s.AddEdit("Note", 1101, TCustomNumEdit::ntNone, 40);
            }};
        screens[2010] = {};
        StartAt(2009);
    }

    std::string Shown(const char* edit) {
        return Trim(frame->CurrentScreen()->findChild<TTaxEdit*>(QString::fromLatin1(edit))->TextBytes());
    }

    QStringList Rows() {
        QStringList rows;
        for (int i = 0; i < frame->Picker()->RowCount(); ++i) rows << frame->Picker()->RowText(i);
        return rows;
    }
};

TEST_F(PickerTest, TheNewWorksheetRowOpensAnEmptyInstanceThatLeavesNoTraceWhenLeftBlank) {
    StoreShares({"Alpha", "Beta", "Gamma"});
    ShowShareScreen();
    EXPECT_EQ(Rows(), (QStringList{"Alpha", "Beta", "Gamma", "** Create new worksheet **"}));
    EXPECT_EQ(frame->Picker()->SelectedRow(), 0);
    EXPECT_EQ(Shown("Name"), "Alpha");
    EXPECT_EQ(frame->CurrentScreen()->completeFirst(), kCompleteFirstBlock);

    frame->PickerClick(3);
    EXPECT_EQ(run.store().EditedInstance(), 4);
    EXPECT_EQ(Shown("Name"), "");
    EXPECT_EQ(Shown("Note"), "");
    EXPECT_EQ(frame->Picker()->SelectedRow(), 3);

    frame->NextButton()->click();
    EXPECT_EQ(run.store().WorksheetCount(kShares), 3);
    EXPECT_EQ(run.store().EditedType(), 0);
    EXPECT_EQ(run.store().BuildNames(kShares),
              (std::vector<std::string>{"Alpha", "Beta", "Gamma", "** Create new worksheet **"}));
}

TEST_F(PickerTest, EditsAreKeptWhenSwitchingInstances) {
    StoreShares({"Alpha", "Beta"});
    ShowShareScreen();
    frame->CurrentScreen()->findChild<TTaxEdit*>(QStringLiteral("Note"))->SetTextValue("changed");
    frame->PickerClick(1);
    EXPECT_EQ(Shown("Name"), "Beta");
    frame->PickerClick(0);
    EXPECT_EQ(Shown("Note"), "changed");
}

TEST_F(PickerTest, DeletingTheMiddleInstanceRenumbersTheNextAndShowsIt) {
    StoreShares({"Alpha", "Beta", "Gamma"});
    ShowShareScreen();
    frame->PickerClick(1);
    dialogs.answers.push_back(MsgResult::Yes);
    frame->DeleteClick();

    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Are you sure you want to delete the selected worksheet?"});
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(Rows(), (QStringList{"Alpha", "Gamma", "** Create new worksheet **"}));
    EXPECT_EQ(frame->Picker()->SelectedRow(), 1);
    EXPECT_EQ(run.store().EditedInstance(), 2);
    EXPECT_EQ(Shown("Name"), "Gamma");
    EXPECT_EQ(Shown("Note"), "note 3");
}

TEST_F(PickerTest, DeletingTheOnlyInstanceLeavesTheNewWorksheetRowWithAnEmptyScreen) {
    StoreShares({"Alpha"});
    ShowShareScreen();
    dialogs.answers.push_back(MsgResult::Yes);
    frame->DeleteClick();
    EXPECT_EQ(Rows(), QStringList{"** Create new worksheet **"});
    EXPECT_EQ(frame->Picker()->SelectedRow(), 0);
    EXPECT_EQ(run.store().EditedInstance(), 1);
    EXPECT_EQ(Shown("Name"), "");
    EXPECT_EQ(run.store().WorksheetCount(kShares), 0);
}

TEST_F(PickerTest, AnsweringNoToDeleteKeepsEveryInstance) {
    StoreShares({"Alpha", "Beta"});
    ShowShareScreen();
    dialogs.answers.push_back(MsgResult::No);
    frame->DeleteClick();
    EXPECT_EQ(Rows(), (QStringList{"Alpha", "Beta", "** Create new worksheet **"}));
    EXPECT_EQ(Shown("Name"), "Alpha");
}

TEST_F(PickerTest, AnInstanceWithoutANameIsListedByItsNumber) {
    StoreShares({"Alpha", ""});
    ShowShareScreen();
    EXPECT_EQ(Rows(), (QStringList{"Alpha", "Worksheet No.2", "** Create new worksheet **"}));
}

TEST_F(PickerTest, ARejectingScreenKeepsThePreviousRow) {
    StoreShares({"Alpha", "Beta"});
    bool accept = false;
    ShowShareScreen(&accept);
    frame->Picker()->SelectRow(1);  // the click has moved the selection
    frame->PickerClick(1);
    EXPECT_EQ(frame->Picker()->SelectedRow(), 0);
    EXPECT_EQ(Shown("Name"), "Alpha");
    EXPECT_EQ(run.store().EditedInstance(), 1);
    // The screen is not left, so its check stays in force.
    EXPECT_TRUE(frame->HasValidationHandler());
}

}  // namespace
}  // namespace cgt::test
