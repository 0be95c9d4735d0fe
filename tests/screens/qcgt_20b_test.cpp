// The share and trust interest deferral screen through the real frame: the
// scrip for scrip question beside the marriage breakdown question, the
// answers stored as they are ticked, and the 15-year exemption of an asset
// whose type was changed to a non-active one on the event screen.
#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"

namespace cgt::test {
namespace {

constexpr int kDeferral = 2014;

using ScripScreenTest = BlockScreenTest;

TEST_F(ScripScreenTest, ScripAndMarriageBreakdownExcludeEachOther) {
    StoreAsset(kWsShares, {.eventDate = "15/11/2002"});
    ShowOnAsset(kDeferral);
    Tick("Q2YesCheckBox");
    Tick("Q3YesCheckBox");
    EXPECT_TRUE(Ticked("ScripforScripNoCheckBox"));
    EXPECT_FALSE(Ticked("ScripforScripYesCheckBox"));
    Tick("ScripforScripYesCheckBox");
    EXPECT_FALSE(Ticked("Q3YesCheckBox"));
    EXPECT_TRUE(Ticked("Q3NoCheckBox"));
    EXPECT_FALSE(Ticked("ScripforScripNoCheckBox"));
    Next();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(StoredTicked(kWsShares, kTagMarriageBreakdownNo));
    EXPECT_TRUE(StoredTicked(kWsShares, kTagScripRollover));
}

TEST_F(ScripScreenTest, AnswersStoredAsTheyAreTicked) {
    StoreAsset(kWsShares, {.eventDate = "15/11/2002"});
    ShowOnAsset(kDeferral);
    FieldStore& store = run.store();  // the working tags of the asset on display
    Tick("Q2YesCheckBox");
    EXPECT_TRUE(store.FieldChecked(kTagRollOverYes));
    EXPECT_FALSE(store.FieldChecked(kTagRollOverNo));
    Tick("ScripforScripNoCheckBox");
    EXPECT_TRUE(store.FieldChecked(kTagScripRolloverNo));
    EXPECT_FALSE(store.FieldChecked(kTagScripRollover));
    Tick("Q1CheckBox");
    EXPECT_TRUE(store.FieldChecked(kTagFifteenYearExemption));
    Tick("Q1CheckBox");
    EXPECT_FALSE(store.FieldChecked(kTagFifteenYearExemption));
    Tick("Q2NoCheckBox");
    EXPECT_FALSE(store.FieldChecked(kTagScripRolloverNo));
    EXPECT_FALSE(store.FieldChecked(kTagScripRollover));
}

TEST_F(ScripScreenTest, ShareChangedToNonActiveLosesTheExemption) {
    for (const char* keys : {"sa", "sn"}) {
        SCOPED_TRACE(keys);
        StoreAsset(kWsShares, {.typeCode = "SA", .eventDate = "15/11/2002", .fifteenYear = true});
        ShowOnAsset(2013);
        TypeInto(Control<TTypeAheadCombo>("TypeTextComboBox"), keys);
        TypeInto(Control<TTaxEdit>("CapitalProceedsEdit"), "14250");
        Next();
        ASSERT_EQ(frame->CurrentScreenNumber(), kDeferral);
        const bool active = std::string(keys) == "sa";
        EXPECT_EQ(Control<QWidget>("Q1CheckBox")->isEnabled(), active);
        EXPECT_EQ(Ticked("Q1CheckBox"), active);
        Tick("Q2NoCheckBox");
        Next();
        EXPECT_TRUE(dialogs.shown.empty());
        EXPECT_EQ(run.screenIndex, 16);
        EXPECT_EQ(StoredText(kWsShares, kTagAssetType), active ? "SA" : "SN");
        EXPECT_EQ(StoredTicked(kWsShares, kTagFifteenYearExemption), active);
    }
}

}  // namespace
}  // namespace cgt::test
