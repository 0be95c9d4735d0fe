// The registration screen driven through the real frame: descriptions,
// types and dates typed into its boxes, Next and Prev clicked, then the
// message, the focus, the entries and the store.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/textlbl.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "flow/flow_rules.h"
#include "interview/worksheet_picker.h"
#include "store/tags.h"

namespace cgt::test {
namespace {

constexpr const char* kNoWorksheet = "You must select a curent worksheet or enter a description for this asset/event.";
constexpr const char* kPreCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although\r\n"
    "there is an exception for some shares and trust interests. If your asset falls within\r\n"
    "this exception, you should manually calculate your capital gain or capital loss";
constexpr const char* kNoDate = "You must enter the acquisition date.";
constexpr const char* kNoType = "You must select the Asset/Event type from the drop down box.";
constexpr const char* kNoDescription = "You must enter a description for this asset/event.";
constexpr const char* kCreateNew = "** Create new worksheet **";

// What the user types: the description, keys in the type list ('\b' is
// Backspace; nullptr leaves the list alone) and the date.
struct Entries {
    const char* description = "";
    const char* typeKeys = nullptr;
    const char* date = "";
};

enum class Leave { Next, Prev };

class RegistrationTest : public BlockScreenTest {
protected:
    // Each case starts on a new frame with no worksheets and no history.
    void Restart() {
        frame->CloseFrame();
        for (int type = kFirstAssetType; type <= kLastAssetType; ++type) run.store().ClearField(ListFieldOf(type));
        run.history.clear();
        SetUp();
    }

    // The registration screen of the block of a worksheet type (2009 for the
    // types without a block of their own), reached from the event question.
    void ShowRegistration(int type) {
        Restart();
        int number = 2009;
        for (const ScreenDef& d : ScreenCatalogue())
            if (std::string_view(d.cls->className) == "TQCGT_08" && BlockTypeOf(d.number) == type) number = d.number;
        // Next from the residence information (which enables Prev), Yes to
        // shares, then on as the category's event question leads.
        ShowScreen(2088);
        Next();
        Click(frame->YesButton());
        Settle();
        ASSERT_EQ(frame->CurrentScreenNumber(), 2007);
        frame->pendingType = type;
        ShowScreen(number);
        ASSERT_EQ(frame->CurrentScreenNumber(), number);
        QApplication::processEvents();
    }

    TTaxEdit* Desc() const { return Control<TTaxEdit>("DescEdit"); }
    TTypeAheadCombo* TypeList() const { return Control<TTypeAheadCombo>("TypeTextComboBox"); }
    TTaxEdit* Date() const { return Control<TTaxEdit>("DateofAcqEdit"); }

    // Types the entries box by box, as the user clicks into each.
    void Enter(const Entries& e) {
        if (*e.description) TypeInto(Desc(), e.description);
        if (e.typeKeys) TypeInto(TypeList(), e.typeKeys);
        if (*e.date) TypeInto(Date(), e.date);
    }
    void LeaveBy(Leave how) { Click(how == Leave::Next ? frame->NextButton() : frame->PrevButton()); }
};

TEST_F(RegistrationTest, HeadingTextsLinkAndTypeListFollowTheWorksheetType) {
    const struct {
        int type;
        const char* heading;
        int topic;
        int question;  // section of AcqLbl shown; 0 hidden
        int note;      // section of DepnAssetsLbl shown; 0 hidden
        bool date;
    } cases[] = {
        {kWsShares, "Shares in a company", 192, 1, 0, true},
        {kWsTrustInterest, "Trust interest", 194, 1, 0, true},
        {kWsOtherTrust, "Interest in a trust other than a unit trust", 194, 0, 0, false},
        {kWsRealEstate, "Real estate", 256, 1, 0, true},
        {kWsPersonalUse, "Personal use or collectable assets", 307, 1, 0, true},
        {kWsOtherAssets,
         "Intangible property, contractual rights, leases and any other asset not previously mentioned. ", 318, 2, 0,
         true},
        {kWsCreatedRights, "Rights you created in another entity", 318, 1, 0, true},
        {kWsDepreciating, "Depreciating Assets", 354, 3, 1, true},
        {kWsCeasingResidency, "Ceasing to be an Australian resident", 318, 1, 2, true},
        {kWsOtherReceipts, "Set by code :", 318, 1, 1, true},
    };
    for (const auto& c : cases) {
        ShowRegistration(c.type);
        EXPECT_EQ(Control<QLabel>("DescLabel")->text().toStdString(), c.heading) << c.type;
        auto* question = Control<TTextLbl>("AcqLbl");
        auto* note = Control<TTextLbl>("DepnAssetsLbl");
        EXPECT_EQ(question->isVisible(), c.question != 0) << c.type;
        if (c.question) {
            EXPECT_EQ(question->currentSection(), c.question) << c.type;
        }
        EXPECT_EQ(note->isVisible(), c.note != 0) << c.type;
        if (c.note) {
            EXPECT_EQ(note->currentSection(), c.note) << c.type;
        }
        EXPECT_EQ(Date()->isVisible(), c.date) << c.type;

        // The list offers the type's items with none chosen for a new asset.
        const ItemList items = AssetTypeItems(c.type);
        ASSERT_EQ(TypeList()->count(), int(items.size())) << c.type;
        for (int i = 0; i < TypeList()->count(); ++i)
            EXPECT_EQ(TypeList()->itemText(i).toStdString(), items[std::size_t(i)]);
        EXPECT_EQ(TypeList()->currentIndex(), -1) << c.type;
        EXPECT_EQ(TypeList()->currentText(), "") << c.type;

        // The picker offers a new worksheet, selected.
        TWorksheetPicker* picker = frame->Picker();
        EXPECT_TRUE(picker->isVisible()) << c.type;
        ASSERT_EQ(picker->RowCount(), 1) << c.type;
        EXPECT_EQ(picker->RowText(0).toStdString(), kCreateNew);
        EXPECT_EQ(picker->SelectedRow(), 0) << c.type;

        // "click here" opens the type's topic; More the screen's own.
        auto* link = Control<TTextLbl>("lblClickHere");
        EXPECT_FALSE(link->text().join(QString()).contains(QStringLiteral("DynamicHelpLink"), Qt::CaseInsensitive));
        link->repaint();
        ASSERT_EQ(link->JumpSpots().size(), 1u) << c.type;
        const HotSpot spot = link->JumpSpots()[0];
        const QPoint at((spot.left + spot.right) / 2, (spot.top + spot.bottom) / 2);
        host.topics.clear();
        QTest::mouseMove(link, QPoint(1, 1));
        QTest::mouseMove(link, at);
        QTest::mouseClick(link, Qt::LeftButton, {}, at);
        Click(frame->MoreButton());
        EXPECT_EQ(host.topics, (std::vector<int>{c.topic, 16})) << c.type;
        EXPECT_FALSE(frame->reopen);
        EXPECT_TRUE(dialogs.shown.empty());
    }
}

TEST_F(RegistrationTest, LeavingTheDescriptionChoosesTheNonActiveType) {
    const struct {
        int type;
        const char* typeFirst;  // keys typed into the list before the description; nullptr none
        const char* description;
        const char* chosen;
    } cases[] = {
        {kWsShares, nullptr, "BHP 1000 shares", "SN - Non-active asset - Shares"},
        {kWsTrustInterest, nullptr, "Units", "UN - Non-active asset - Units in a unit trust"},
        {kWsOtherTrust, nullptr, "Family trust", "ON - Non-active asset - Other asset or CGT event"},
        {kWsRealEstate, nullptr, "Rental flat", "RN - Non-active asset - Real estate"},
        {kWsPersonalUse, nullptr, "Stamp collection", ""},
        {kWsOtherAssets, nullptr, "Lease", "ON - Non-active asset - Other asset or CGT event"},
        {kWsCreatedRights, nullptr, "Option granted", "ON - Non-active asset - Other asset or CGT event"},
        {kWsDepreciating, nullptr, "Delivery van", "ON - Non-active asset - Other asset or CGT event"},
        {kWsCeasingResidency, nullptr, "Shares in XYZ", "ON - Non-active asset - Other asset or CGT event"},
        // A type already chosen stays; a blank description chooses none.
        {kWsShares, "sa", "BHP", "SA - Active asset - Shares"},
        {kWsShares, nullptr, "   ", ""},
    };
    for (const auto& c : cases) {
        ShowRegistration(c.type);
        if (c.typeFirst) TypeInto(TypeList(), c.typeFirst);
        TypeInto(Desc(), c.description);
        QTest::keyClick(Desc(), Qt::Key_Tab);
        QApplication::processEvents();
        EXPECT_EQ(TypeList()->currentText().toStdString(), c.chosen) << c.type << " " << c.description;
        EXPECT_EQ(TypeList()->currentIndex() >= 0, *c.chosen != 0) << c.type;
    }
}

TEST_F(RegistrationTest, ChecksShowTheirMessageAndKeepTheScreenAndEntries) {
    const struct {
        int type;
        Entries typed;
        Leave leave;
        const char* message;
        const char* focus;
        const char* typeShown;
        const char* dateShown;
    } cases[] = {
        // The date is checked first, even with no type chosen.
        {kWsPersonalUse,
         {"Stamp collection", nullptr, "19091985"},
         Leave::Next,
         kPreCgt,
         "DateofAcqEdit",
         "",
         "19/09/1985"},
        {kWsRealEstate,
         {"Holiday house", "ra", "19/09/1985"},
         Leave::Prev,
         kPreCgt,
         "DateofAcqEdit",
         "RA - Active asset - Real estate",
         "19/09/1985"},
        {kWsShares,
         {"BHP 1000 shares", nullptr, ""},
         Leave::Next,
         kNoDate,
         "DateofAcqEdit",
         "SN - Non-active asset - Shares",
         ""},
        {kWsPersonalUse, {"Painting", nullptr, "01071995"}, Leave::Next, kNoType, "TypeTextComboBox", "", "01/07/1995"},
        {kWsShares, {"BHP", "\b", "20091985"}, Leave::Next, kNoType, "TypeTextComboBox", "", "20/09/1985"},
        {kWsShares, {"", "s", ""}, Leave::Prev, kNoDescription, "DescEdit", "SA - Active asset - Shares", ""},
        {kWsRealEstate, {"", nullptr, "01071995"}, Leave::Prev, kNoDescription, "DescEdit", "", "01/07/1995"},
    };
    for (const auto& c : cases) {
        ShowRegistration(c.type);
        const int number = frame->CurrentScreenNumber();
        const TChildForm* screen = frame->CurrentScreen();
        Enter(c.typed);
        dialogs.shown.clear();
        LeaveBy(c.leave);
        const std::string where = std::to_string(c.type) + " " + c.typed.description + " " + c.typed.date;
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message}) << where;
        ASSERT_EQ(frame->CurrentScreen(), screen) << where;
        EXPECT_EQ(frame->CurrentScreenNumber(), number) << where;
        EXPECT_EQ(run.history.back(), number) << where;
        EXPECT_EQ(FocusName(), c.focus) << where;
        EXPECT_EQ(Desc()->text().toStdString(), c.typed.description) << where;
        EXPECT_EQ(TypeList()->currentText().toStdString(), c.typeShown) << where;
        EXPECT_EQ(Date()->text().toStdString(), c.dateShown) << where;
        EXPECT_TRUE(run.store().FieldIsEmpty(ListFieldOf(c.type))) << where;
    }
}

TEST_F(RegistrationTest, AcceptedEntriesAreStoredAndTheBlockGoesOn) {
    const struct {
        int type;
        Entries typed;
        Leave leave;
        int index;         // screen index reached
        const char* code;  // type code stored; nullptr: no worksheet is kept
        const char* date;
    } cases[] = {
        // Nothing registered: on to the another-event question, or back.
        {kWsShares, {}, Leave::Next, 17, nullptr, ""},
        {kWsRealEstate, {}, Leave::Next, 41, nullptr, ""},
        {kWsShares, {}, Leave::Prev, 7, nullptr, ""},
        {kWsShares, {"BHP 1000 shares", nullptr, "01071995"}, Leave::Next, 10, "SN", "01/07/1995"},
        {kWsPersonalUse, {"Painting", "a", "20091985"}, Leave::Next, 56, "A ", "20/09/1985"},
        {kWsDepreciating, {"Delivery van", "p", "01072001"}, Leave::Next, 46, "P ", "01/07/2001"},
        // No date is asked for an interest in a trust other than a unit trust.
        {kWsOtherTrust, {"Family trust", nullptr, ""}, Leave::Next, 10, "ON", ""},
    };
    for (const auto& c : cases) {
        ShowRegistration(c.type);
        Enter(c.typed);
        dialogs.shown.clear();
        LeaveBy(c.leave);
        const std::string where = std::to_string(c.type) + " " + c.typed.description;
        EXPECT_TRUE(dialogs.shown.empty()) << where;
        EXPECT_EQ(run.screenIndex, c.index) << where;
        if (!c.code) {
            EXPECT_FALSE(run.store().FieldHasData(ListFieldOf(c.type))) << where;
            continue;
        }
        EXPECT_EQ(frame->worksheetNumber, 1) << where;
        EXPECT_EQ(StoredText(c.type, kTagAssetDescription), c.typed.description) << where;
        EXPECT_EQ(StoredText(c.type, kTagAssetType), c.code) << where;
        EXPECT_EQ(StoredText(c.type, kTagAcquisitionDate), c.date) << where;
    }
}

TEST_F(RegistrationTest, NothingRegisteredLeavesNoWorksheetAndTheAnotherEventQuestion) {
    ShowRegistration(kWsShares);
    Next();
    EXPECT_EQ(frame->CurrentScreenNumber(), 2017);
    EXPECT_EQ(frame->CurrentScreen()->objectName(), "TQCGT_40");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(run.store().FieldHasData(ListFieldOf(kWsShares)));
    EXPECT_FALSE(frame->reopen);  // the another-event question ends the asset
}

TEST_F(RegistrationTest, ATypeWithoutADescriptionStartsTheScreenAfresh) {
    ShowRegistration(kWsShares);
    const TChildForm* first = frame->CurrentScreen();
    Enter({"", "s", ""});
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{kNoWorksheet});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2009);
    EXPECT_NE(frame->CurrentScreen(), first);
    EXPECT_EQ(run.history, (std::vector<std::int32_t>{2088, 2006, 2007, 2009}));
    EXPECT_FALSE(frame->reopen);
    EXPECT_EQ(Desc()->text(), "");
    EXPECT_EQ(TypeList()->currentIndex(), -1);
    EXPECT_EQ(frame->Picker()->RowText(frame->Picker()->SelectedRow()).toStdString(), kCreateNew);
}

TEST_F(RegistrationTest, PrevBackToARegisteredAssetShowsItsEntries) {
    StoreAsset(kWsShares, {.description = "Telstra instalment receipts", .typeCode = "SA", .acquired = "01/12/1997"});
    StoreAsset(kWsShares, {.description = "BHP 1000 shares", .typeCode = "SN", .acquired = "01/07/1995"}, 2);
    // Next from the residence information enables Prev; then the road as it
    // stands after the second share was registered on 2009 and Next led to 2010.
    ShowScreen(2088);
    Next();
    frame->pendingType = kWsShares;
    frame->reopen = true;
    frame->worksheetNumber = 2;
    run.history = {2006, 2007, 2009, 2010};
    Click(frame->PrevButton());

    ASSERT_EQ(frame->CurrentScreenNumber(), 2009);
    EXPECT_EQ(Desc()->text(), "BHP 1000 shares");
    EXPECT_EQ(TypeList()->currentText(), "SN - Non-active asset - Shares");
    EXPECT_EQ(Date()->text(), "01/07/1995");
    EXPECT_FALSE(frame->reopen);
    TWorksheetPicker* picker = frame->Picker();
    ASSERT_EQ(picker->RowCount(), 3);
    EXPECT_EQ(picker->RowText(0), "Telstra instalment receipts");
    EXPECT_EQ(picker->RowText(1), "BHP 1000 shares");
    EXPECT_EQ(picker->SelectedRow(), 1);

    // A changed type is stored in the same worksheet.
    TypeInto(TypeList(), "sa");
    Next();
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(run.screenIndex, 10);
    EXPECT_EQ(frame->worksheetNumber, 2);
    EXPECT_TRUE(frame->reopen);
    EXPECT_EQ(StoredText(kWsShares, kTagAssetType, 2), "SA");
    EXPECT_EQ(StoredText(kWsShares, kTagAssetDescription, 2), "BHP 1000 shares");
    EXPECT_EQ(StoredText(kWsShares, kTagAssetDescription), "Telstra instalment receipts");
}

}  // namespace
}  // namespace cgt::test
