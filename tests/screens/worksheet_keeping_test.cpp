// When leaving a block screen keeps or drops the worksheet being edited: an
// asset is kept whatever its optional screens hold; a new worksheet left
// empty leaves no trace, and so does a registration screen left with only a
// type picked from its list.
#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"

namespace cgt::test {
namespace {

constexpr const char* kNoWorksheet = "You must select a curent worksheet or enter a description for this asset/event.";

class WorksheetKeepingTest : public BlockScreenTest {
protected:
    // Yes to a block's event question, on from the residence information
    // (which enables Prev), as the interview reaches the block's first screen.
    void ReachByYes(int question, int registration) {
        ShowScreen(2088);
        Next();
        ShowScreen(question);
        Click(frame->YesButton());
        Settle();
        ASSERT_EQ(frame->CurrentScreenNumber(), registration);
        QApplication::processEvents();
    }
    // Picks the list's first type by its first letter, the only entry made.
    void PickFirstType() {
        auto* list = Control<TTypeAheadCombo>("TypeTextComboBox");
        ASSERT_GT(list->count(), 0);
        TypeInto(list, list->itemText(0).left(1).toLatin1().constData());
        ASSERT_EQ(list->currentIndex(), 0);
    }
    std::vector<std::string> PickerRows() const {
        std::vector<std::string> rows;
        for (int r = 0; r < frame->Picker()->RowCount(); ++r) rows.push_back(frame->Picker()->RowText(r).toStdString());
        return rows;
    }
};

TEST_F(WorksheetKeepingTest, AnAssetLeftWithItsOptionalScreensBlankIsKept) {
    // The cost base, cost element and receipt screens have nothing typed on
    // them; each is left with Next in turn.
    for (int screen : {2010, 2011, 2012}) {
        StoreAsset(kWsShares, {});
        ShowOnAsset(screen);
        Next();
        ASSERT_NE(frame->CurrentScreenNumber(), screen) << dialogs.Texts().size();
        ShowScreen(2007);
        EXPECT_EQ(run.store().BuildNames(kWsShares),
                  (std::vector<std::string>{"BHP Billiton 1,000 shares", kNewWorksheetEntry}))
            << screen;
        run.store().LoadInstance(kWsShares, 1);
        EXPECT_EQ(run.store().GetFieldStr(kTagAcquisitionDate), "01/03/1995") << screen;
        EXPECT_EQ(run.store().GetFieldStr(kTagAssetType), "SA") << screen;
        run.store().EmptyWorkingTags();
        run.store().ClearField(ListFieldOf(kWsShares));
    }
}

TEST_F(WorksheetKeepingTest, ANewWorksheetLeftEmptyLeavesNoTrace) {
    StoreAsset(kWsShares, {});
    ShowScreen(2007);
    frame->pendingType = kWsShares;
    frame->reopen = false;
    ShowScreen(2009);
    // A second, new worksheet: registration left with nothing typed.
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2017);
    EXPECT_EQ(run.store().BuildNames(kWsShares),
              (std::vector<std::string>{"BHP Billiton 1,000 shares", kNewWorksheetEntry}));
}

TEST_F(WorksheetKeepingTest, ATypeAloneOnTheShareRegistrationLeavesNoWorksheet) {
    ReachByYes(2007, 2009);
    PickFirstType();
    Next();
    // Refused: the screen starts afresh on a new worksheet, and the one that
    // held only the type is gone.
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kNoWorksheet});
    ASSERT_EQ(frame->CurrentScreenNumber(), 2009);
    EXPECT_EQ(PickerRows(), std::vector<std::string>{kNewWorksheetEntry});
    EXPECT_EQ(run.store().WorksheetCount(kWsShares), 0);

    // The real parcel is worksheet 1.
    dialogs.shown.clear();
    TypeInto(Control<TTaxEdit>("DescEdit"), "BHP 1000 shares");
    TypeInto(Control<TTaxEdit>("DateofAcqEdit"), "01071995");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2010) << ::testing::PrintToString(dialogs.Texts());
    EXPECT_EQ(frame->worksheetNumber, 1);
    EXPECT_EQ(run.store().BuildNames(kWsShares), (std::vector<std::string>{"BHP 1000 shares", kNewWorksheetEntry}));
    EXPECT_EQ(StoredText(kWsShares, kTagAssetType), "SN");

    // Back on the registration screen the picker lists it alone, selected.
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), 2009);
    EXPECT_EQ(PickerRows(), (std::vector<std::string>{"BHP 1000 shares", kNewWorksheetEntry}));
    EXPECT_EQ(frame->Picker()->SelectedRow(), 0);
    EXPECT_EQ(Control<TTaxEdit>("DescEdit")->text(), "BHP 1000 shares");
}

TEST_F(WorksheetKeepingTest, ATypeAloneOnAnyRegistrationScreenLeavesNoWorksheet) {
    // An asset's registration refuses and starts afresh; the created right
    // goes on to the question of another right.
    const struct {
        int question;
        int registration;
        int type;
        int after;
    } cases[] = {
        {2007, 2009, kWsShares, 2009},        {2020, 2022, kWsTrustInterest, 2022}, {2033, 2035, kWsRealEstate, 2035},
        {2043, 2045, kWsDepreciating, 2045},  {2053, 2055, kWsPersonalUse, 2055},   {2063, 2065, kWsOtherAssets, 2065},
        {2073, 2075, kWsCreatedRights, 2081},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.registration);
        ReachByYes(c.question, c.registration);
        PickFirstType();
        Next();
        EXPECT_EQ(frame->CurrentScreenNumber(), c.after);
        EXPECT_EQ(run.store().WorksheetCount(c.type), 0);
        EXPECT_FALSE(run.store().FieldHasData(ListFieldOf(c.type)));
        dialogs.shown.clear();
    }
}

TEST_F(WorksheetKeepingTest, AKeptAssetWhoseRegistrationIsClearedIsNotDropped) {
    // Only a new worksheet goes: an asset already kept may hold the rest of
    // itself on its later screens.
    ReachByYes(2007, 2009);
    TypeInto(Control<TTaxEdit>("DescEdit"), "BHP 1000 shares");
    TypeInto(Control<TTaxEdit>("DateofAcqEdit"), "01071995");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2010);
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), 2009);
    for (const char* name : {"DescEdit", "DateofAcqEdit"}) {
        auto* edit = Control<TTaxEdit>(name);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    Next();
    EXPECT_EQ(run.store().WorksheetCount(kWsShares), 1) << ::testing::PrintToString(dialogs.Texts());
    EXPECT_EQ(StoredText(kWsShares, kTagAssetType), "SN");
}

TEST_F(WorksheetKeepingTest, AnAssetRegisteredWithItsOptionalScreensLeftBlankIsKept) {
    ReachByYes(2007, 2009);
    TypeInto(Control<TTaxEdit>("DescEdit"), "BHP 1000 shares");
    TypeInto(Control<TTaxEdit>("DateofAcqEdit"), "01071995");
    // The registration, then the cost base, cost element and receipt screens
    // with nothing typed on them.
    for (int screen : {2009, 2010, 2011, 2012}) {
        ASSERT_EQ(frame->CurrentScreenNumber(), screen);
        Next();
        ASSERT_NE(frame->CurrentScreenNumber(), screen) << ::testing::PrintToString(dialogs.Texts());
    }
    EXPECT_EQ(run.store().BuildNames(kWsShares), (std::vector<std::string>{"BHP 1000 shares", kNewWorksheetEntry}));
    EXPECT_EQ(StoredText(kWsShares, kTagAcquisitionDate), "01/07/1995");
}

}  // namespace
}  // namespace cgt::test
