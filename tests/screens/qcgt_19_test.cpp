// The CGT event screen driven through the real frame: the event date and
// proceeds typed into their boxes, the 11.45am question of 21/09/1999, the
// lists and texts of each worksheet type, then the message, the focus, the
// entries and the store.
#include <QLabel>

#include "base/rounding.h"
#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/qt_text.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"

namespace cgt::test {
namespace {

constexpr const char* kPreCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r\n"
    "there is an exception for some shares and trust interests. If your asset falls within\r\n"
    "this exception, you should manually calculate your capital gain or capital loss";
constexpr const char* kExpense = "The date asset disposed of cannot be earlier than date an expense was incurred.";
constexpr const char* kNoDate = "You must enter the date of the CGT event.";
constexpr const char* kBeforeAcquisition = "Check dates. A CGT event cannot occur prior to acquisition.";
constexpr const char* kBeforeCostBase =
    "Check dates. You cannot have a CGT event date prior to cost base effective date.";
constexpr const char* kNoProceeds =
    "You must enter the proceeds for this event.\rIf gain or loss is being deferred you can enter 0";
constexpr const char* kAnswer1145 = "If CGT event date was 21/09/1999, you must answer Yes or No.";

constexpr int kEventScreen = 2013;     // shares
constexpr int kDeferralScreen = 2014;  // what Next leads to

class EventScreenTest : public BlockScreenTest {
protected:
    TTaxEdit* EventDate() const { return Control<TTaxEdit>("DateofCGTEventEdit"); }
    TTaxEdit* Proceeds() const { return Control<TTaxEdit>("CapitalProceedsEdit"); }
    bool QuestionShown() const {
        return Control<QWidget>("PreLegalLbl")->isVisible() && Control<QWidget>("PreLegalYesCheckBox")->isVisible() &&
               Control<QWidget>("PreLegalNoCheckBox")->isVisible();
    }
    void TypeDate(const char* date) {
        TypeInto(EventDate(), date);
        QTest::keyClick(EventDate(), Qt::Key_Tab);
        Settle();
    }
};

// One check per row: what the earlier screens stored, what is typed, the
// message and where the focus goes (no message: accepted).
struct EventCase {
    const char* name;
    StoredAsset asset;
    const char* date;
    const char* proceeds;
    const char* message;
    const char* focus;
};

const EventCase kEventCases[] = {
    {"BeforeCgt", {.acquired = ""}, "19/09/1985", "5000", kPreCgt, "DateofCGTEventEdit"},
    {"ExpenseAfterEvent", {.costIncurred = "01/03/2003"}, "15/02/2003", "5000", kExpense, "DateofCGTEventEdit"},
    {"ProceedsWithoutDate", {}, "", "5000", kNoDate, "DateofCGTEventEdit"},
    {"TypedZeroWithoutDate", {}, "", "0", kNoDate, "DateofCGTEventEdit"},
    {"BeforeAcquisition", {.acquired = "01/03/2003"}, "15/02/2003", "5000", kBeforeAcquisition, "DateofCGTEventEdit"},
    {"BeforeCostBaseDate", {.costBaseDate = "01/03/2003"}, "15/02/2003", "5000", kBeforeCostBase, "DateofCGTEventEdit"},
    {"DateWithoutProceeds", {}, "15/02/2003", "", kNoProceeds, "CapitalProceedsEdit"},
    {"OnTheDayUnanswered", {}, "21/09/1999", "5000", kAnswer1145, "PreLegalYesCheckBox"},
    {"TypedZeroProceeds", {}, "15/02/2003", "0", nullptr, nullptr},
    {"CostsBeforeEvent", {.costIncurred = "01/03/1995"}, "15/02/2003", "14250", nullptr, nullptr},
    {"NothingEntered", {}, "", "", nullptr, nullptr},
};

class EventChecks : public EventScreenTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventChecks, Next) {
    const EventCase& c = GetParam();
    StoreAsset(kWsShares, c.asset);
    ShowOnAsset(kEventScreen);
    if (*c.date) TypeDate(c.date);
    if (*c.proceeds) TypeInto(Proceeds(), c.proceeds);
    Next();
    if (c.message) {
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(FocusName(), c.focus);
        EXPECT_EQ(frame->CurrentScreenNumber(), kEventScreen);
        EXPECT_EQ(EventDate()->TextBytes(), c.date);
        EXPECT_EQ(Proceeds()->TextBytes(), c.proceeds);
        return;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    EXPECT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
    EXPECT_EQ(StoredText(kWsShares, kTagEventDate), c.date);
    const long double proceeds = Stored(kWsShares, [](FieldStore& s) { return s.GetFieldVal(kTagCapitalProceeds); });
    const std::string typed = c.proceeds;
    EXPECT_EQ(proceeds, typed == "0" ? kExplicitZero : typed.empty() ? 0 : std::stold(typed));
}

INSTANTIATE_TEST_SUITE_P(Qcgt19, EventChecks, ::testing::ValuesIn(kEventCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EventScreenTest, PrevSkipsTheChecks) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kEventScreen);
    TypeDate("15/02/2003");
    TypeInto(Proceeds(), "5000");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
    // Back from the deferral screen with its question unanswered, then back
    // again with the proceeds taken away.
    Click(frame->PrevButton());
    ASSERT_EQ(frame->CurrentScreenNumber(), kEventScreen);
    Proceeds()->clear();
    Click(frame->PrevButton());
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2007);
    EXPECT_EQ(Stored(kWsShares, [](FieldStore& s) { return s.GetFieldVal(kTagCapitalProceeds); }), 0);
}

TEST_F(EventScreenTest, NoAssetNoChecks) {
    ShowOnAsset(kEventScreen);
    TypeInto(Proceeds(), "5000");
    Next();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
}

TEST_F(EventScreenTest, QuestionOf1145amOnlyFor21September1999) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kEventScreen);
    EXPECT_FALSE(QuestionShown());
    TypeDate("21/09/1999");
    EXPECT_TRUE(QuestionShown());
    EXPECT_EQ(FocusName(), "CapitalProceedsEdit");
    QTest::keyClicks(Proceeds(), QStringLiteral("5000"));
    QTest::keyClick(Proceeds(), Qt::Key_Tab);
    EXPECT_EQ(FocusName(), "PreLegalYesCheckBox");  // the question comes next
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kAnswer1145});
    Tick("PreLegalYesCheckBox");
    Tick("PreLegalNoCheckBox");  // the pair excludes each other
    EXPECT_FALSE(Ticked("PreLegalYesCheckBox"));
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
    EXPECT_FALSE(StoredTicked(kWsShares, kTagEventAfter1145am));
    EXPECT_TRUE(StoredTicked(kWsShares, kTagEventBefore1145am));
}

TEST_F(EventScreenTest, AnotherDateDropsThe1145amAnswer) {
    StoreAsset(kWsShares, {.eventDate = "21/09/1999"});
    run.store().LoadInstance(kWsShares, 1);
    run.store().SetFieldChecked(kTagEventBefore1145am);
    run.store().StoreInstance(kWsShares, 1);
    ShowOnAsset(kEventScreen);
    ASSERT_TRUE(QuestionShown());
    EXPECT_TRUE(Ticked("PreLegalNoCheckBox"));
    EventDate()->clear();
    TypeDate("22/09/1999");
    EXPECT_FALSE(QuestionShown());
    EXPECT_FALSE(Ticked("PreLegalNoCheckBox"));
    TypeInto(Proceeds(), "5000");
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
    EXPECT_FALSE(StoredTicked(kWsShares, kTagEventBefore1145am));
}

TEST_F(EventScreenTest, ListsAndTextsByWorksheetType) {
    const struct {
        int screen;
        int type;
        bool partialLine, proceedsNote, noProceedsNote;
    } cases[] = {
        {2013, kWsShares, false, true, false},      {2026, kWsTrustInterest, true, true, false},
        {2038, kWsRealEstate, false, true, false},  {2058, kWsPersonalUse, false, true, false},
        {2068, kWsOtherAssets, false, true, false}, {2013, kWsCeasingResidency, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        StoreAsset(c.type, {.description = "An asset", .typeCode = ""});
        ShowOnAsset(c.screen, c.type);
        EXPECT_EQ(Control<QLabel>("DescLabel")->text(), QStringLiteral("An asset"));
        EXPECT_FALSE(frame->Picker()->isVisible());
        const auto items = [](QComboBox* list) {
            ItemList texts;
            for (int i = 0; i < list->count(); ++i) texts.push_back(FromQt(list->itemText(i)));
            return texts;
        };
        auto* events = Control<TTypeAheadCombo>("CGTEventTextComboBox");
        auto* types = Control<TTypeAheadCombo>("TypeTextComboBox");
        EXPECT_EQ(items(events), EventItems(c.type));
        EXPECT_EQ(items(types), AssetTypeItems(c.type, TypeListScreen::Event));
        // Nothing stored: nothing chosen.
        EXPECT_EQ(events->currentIndex(), -1);
        EXPECT_EQ(types->currentIndex(), -1);
        EXPECT_EQ(Control<QWidget>("PartialLbl")->isVisible(), c.partialLine);
        EXPECT_EQ(Control<QWidget>("ProceedsNoteLbl")->isVisible(), c.proceedsNote);
        EXPECT_EQ(Control<QWidget>("NoProceedsNoteLbl")->isVisible(), c.noProceedsNote);
        EXPECT_FALSE(Control<QWidget>("PercDisposedEdit")->isVisible());
        run.store().ClearField(ListFieldOf(c.type));
    }
}

TEST_F(EventScreenTest, ChosenCodesAreStoredAndChosenAgain) {
    StoreAsset(kWsShares, {});
    ShowOnAsset(kEventScreen);
    auto* types = Control<TTypeAheadCombo>("TypeTextComboBox");
    EXPECT_EQ(types->currentText(), QStringLiteral("SA - Active asset - Shares"));
    TypeInto(types, "sn");
    EXPECT_EQ(types->currentText(), QStringLiteral("SN - Non-active asset - Shares"));
    TypeInto(Control<TTypeAheadCombo>("CGTEventTextComboBox"), "g3");
    TypeDate("15/02/2003");
    TypeInto(Proceeds(), "1");
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), kDeferralScreen);
    EXPECT_EQ(StoredText(kWsShares, kTagAssetType), "SN");
    EXPECT_EQ(StoredText(kWsShares, kTagEventCode), "G3");

    Tick("Q2NoCheckBox");
    ShowOnAsset(kEventScreen);
    EXPECT_EQ(Control<TTypeAheadCombo>("CGTEventTextComboBox")->currentText(),
              QStringLiteral("G3 - Liquidator declares shares worthless"));
    EXPECT_EQ(EventDate()->TextBytes(), "15/02/2003");
}

}  // namespace
}  // namespace cgt::test
