// The cost base screen (section 2) driven through the real frame: dates and
// amounts typed into its boxes, check boxes ticked, Next and Prev clicked,
// then the message, the focus, the entries and the store.
#include <QCheckBox>
#include <map>
#include <vector>

#include "base/rounding.h"
#include "controls/numedit.h"
#include "cost_screens_fixture.h"
#include "store/fieldstore.h"

namespace cgt::test {
namespace {

constexpr const char* kNoRollOverCostBase = "You must enter the cost base of the asset at the time of roll-over.";
constexpr const char* kDiscountZero =
    "You cannot enter a value of zero. If you do not wish to use the discount method then leave blank.";
constexpr const char* kIndexationZero =
    "You cannot enter a value of zero. If you do not wish to use indexation then leave blank.";
constexpr const char* kFreezeDayUnanswered = "If acquisition date was 21/09/1999, you must answer Yes or No.";
constexpr const char* kInheritedUnanswered = "If acquisition date is present, you must advise if asset was inherited.";
constexpr const char* kRollOverBeforeCgt =
    "Check your date. You cannot enter a date earlier than 20/09/1985. \r\n"
    "Assets acquired before 20 September 1985 are generally not subject to CGT although there\r\n"
    "is an exception for some shares and trust interests.  If your asset falls within this exception,\r\n"
    "you should manually calculate your capital gain or capital loss";
constexpr const char* kNoReducedCostBase =
    "You must enter the reduced cost base of the asset at the time of roll-over.";
constexpr const char* kRollOverAfterAcquisition =
    "Check dates. The date of acquisition of the asset that was rolled over\r"
    "cannot be later than the date you acquired the current asset.";
constexpr const char* kIndexedAfterFreeze =
    "Cannot have a Indexed cost base if the date original asset acquired was after 21/09/1999.";
constexpr const char* kNoEffectiveDate = "You must enter the effective date of the cost base and reduced cost base.";
constexpr const char* kEffectiveBeforeAcquisition =
    "The effective date of the cost base cannot be earlier than the date of acquisition.";

// Box names.
constexpr const char* kEffective = "EffectiveDateEdit";
constexpr const char* kRollOver = "DateofRolloverEdit";
constexpr const char* kIndexed = "AssetIndCostBaseEdit";
constexpr const char* kDiscount = "AssetDisCostBaseEdit";
constexpr const char* kReduced = "AssetRedCostBaseEdit";
constexpr const char* kAfter1145Yes = "PreLegalYesCheckBox";
constexpr const char* kAfter1145No = "PreLegalNoCheckBox";
constexpr const char* kInheritedYes = "DeceasedCheckBoxYes";
constexpr const char* kInheritedNo = "DeceasedCheckBoxNo";

// Keys typed into a box, replacing its text; without keys, a click on a check box.
struct Entry {
    const char* control;
    const char* keys = nullptr;
};

StoredAsset Acquired(const char* date, const char* typeCode = "SN") {
    StoredAsset a;
    a.acquired = date;
    a.typeCode = typeCode;
    return a;
}

class CostBaseTest : public CostScreenTest {
protected:
    void Enter(const std::vector<Entry>& entries) {
        for (const Entry& e : entries) {
            if (!e.keys) {
                Tick(e.control);
                continue;
            }
            auto* box = Control<TTaxEdit>(e.control);
            ClickInto(box);
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            if (*e.keys)
                QTest::keyClicks(box, QString::fromLatin1(e.keys));
            else
                QTest::keyClick(box, Qt::Key_Delete);
            // Tab on, so that the box's exit runs.
            QTest::keyClick(box, Qt::Key_Tab);
            QApplication::processEvents();
        }
    }
    bool Enabled(const char* name) const { return Control<QWidget>(name)->isEnabled(); }
};

TEST_F(CostBaseTest, ChecksInOrder) {
    const struct {
        const char* name;
        StoredAsset asset;
        std::vector<Entry> entries;
        const char* message;  // nullptr: accepted
        const char* focus;
        int screen = 2010;
    } cases[] = {
        {"roll-over without cost base",
         Acquired("01/03/1995"),
         {{kRollOver, "01/01/1995"}},
         kNoRollOverCostBase,
         kIndexed},
        {"roll-over without cost base, indexation closed",
         Acquired("01/06/2001"),
         {{kRollOver, "01/01/2000"}},
         kNoRollOverCostBase,
         kDiscount},
        {"indexed 500, non-indexed 0",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kIndexed, "500"}, {kDiscount, "0"}},
         kDiscountZero,
         kDiscount},
        {"indexed 0, non-indexed 500",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kIndexed, "0"}, {kDiscount, "500"}},
         kIndexationZero,
         kIndexed},
        {"indexed blank, non-indexed 500",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kDiscount, "500"}},
         nullptr,
         nullptr},
        {"21/09/1999 without the 11.45am answer",
         Acquired("01/03/2000"),
         {{kEffective, "01/03/2000"}, {kRollOver, "21/09/1999"}, {kDiscount, "500"}, {kReduced, "400"}},
         kFreezeDayUnanswered,
         kAfter1145Yes},
        {"21/09/1999 without the inherited answer",
         Acquired("01/03/2000"),
         {{kEffective, "01/03/2000"},
          {kRollOver, "21/09/1999"},
          {kAfter1145No},
          {kInheritedNo},
          {kDiscount, "500"},
          {kReduced, "400"}},
         kInheritedUnanswered,
         kInheritedNo},
        {"21/09/1999 with both answers",
         Acquired("01/03/2000"),
         {{kEffective, "01/03/2000"},
          {kRollOver, "21/09/1999"},
          {kAfter1145No},
          {kInheritedYes},
          {kIndexed, "450"},
          {kDiscount, "500"},
          {kReduced, "400"}},
         nullptr,
         nullptr},
        {"22/09/1999 with the inherited answer only",
         Acquired("01/03/2000"),
         {{kEffective, "01/03/2000"}, {kRollOver, "22/09/1999"}, {kDiscount, "500"}, {kReduced, "400"}},
         nullptr,
         nullptr},
        {"roll-over before CGT",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kRollOver, "19/09/1985"}, {kDiscount, "500"}, {kReduced, "400"}},
         kRollOverBeforeCgt,
         kRollOver},
        {"roll-over without reduced cost base",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kRollOver, "01/01/1990"}, {kDiscount, "500"}},
         kNoReducedCostBase,
         kReduced},
        {"roll-over of a personal use asset without reduced cost base",
         Acquired("01/06/2001", "P "),
         {{kEffective, "01/06/2001"}, {kRollOver, "01/01/2000"}, {kDiscount, "500"}},
         nullptr,
         nullptr,
         2056},
        {"roll-over after the acquisition",
         Acquired("01/03/1995"),
         {{kEffective, "01/03/1995"}, {kRollOver, "01/06/1995"}, {kDiscount, "500"}, {kReduced, "400"}},
         kRollOverAfterAcquisition,
         kRollOver},
        {"22/09/1999 with an indexed cost base",
         Acquired(""),
         {{kEffective, "01/03/2000"},
          {kRollOver, "01/01/1999"},
          {kIndexed, "450"},
          {kRollOver, "22/09/1999"},
          {kDiscount, "500"},
          {kReduced, "400"}},
         kIndexedAfterFreeze,
         kIndexed},
        {"after 11.45am with an indexed cost base",
         Acquired(""),
         {{kEffective, "01/03/2000"},
          {kRollOver, "21/09/1999"},
          {kAfter1145No},
          {kIndexed, "450"},
          {kAfter1145Yes},
          {kDiscount, "500"},
          {kReduced, "400"}},
         kIndexedAfterFreeze,
         kIndexed},
        {"cost base without effective date",
         Acquired("01/03/1995"),
         {{kDiscount, "500"}},
         kNoEffectiveDate,
         kEffective},
        {"effective date before the acquisition",
         Acquired("01/03/1995"),
         {{kEffective, "01/02/1995"}, {kDiscount, "500"}},
         kEffectiveBeforeAcquisition,
         kEffective},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoreAsset(BlockTypeOf(c.screen), c.asset);
        ShowOnAsset(c.screen);
        Enter(c.entries);
        dialogs.shown.clear();
        Next();
        if (!c.message) {
            EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
            EXPECT_EQ(frame->CurrentScreenNumber(), c.screen + 1);
            Leave();
            continue;
        }
        ASSERT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(frame->CurrentScreenNumber(), c.screen);
        EXPECT_EQ(FocusedControl(), c.focus);
        // The entries stay as typed (the last one typed into a box counts).
        std::map<std::string, std::string> typed;
        for (const Entry& e : c.entries)
            if (e.keys) typed[e.control] = e.keys;
        for (const auto& [control, keys] : typed) EXPECT_EQ(TextOf(control.c_str()), keys) << control;
        Leave();
    }
}

TEST_F(CostBaseTest, AcceptedEntriesAreStoredWithTheAsset) {
    StoreAsset(kWsShares, Acquired("01/03/2000"));
    ShowOnAsset(2010);
    Enter({{kEffective, "01/03/2000"},
           {kRollOver, "21/09/1999"},
           {kAfter1145No},
           {kInheritedYes},
           {kIndexed, "450"},
           {kDiscount, "500"},
           {kReduced, "0"}});
    Next();
    ASSERT_EQ(frame->CurrentScreenNumber(), 2011);
    EXPECT_EQ(StoredText(kWsShares, kTagCostBaseDate), "01/03/2000");
    EXPECT_EQ(StoredText(kWsShares, kTagRollOverAcquisitionDate), "21/09/1999");
    EXPECT_FALSE(StoredTicked(kWsShares, kTagRollOverAcquiredAfter1145am));
    EXPECT_TRUE(StoredTicked(kWsShares, kTagRollOverAcquiredBefore1145am));
    auto value = [this](int tag) { return Stored(kWsShares, [tag](FieldStore& s) { return s.GetFieldVal(tag); }); };
    EXPECT_EQ(value(kTagInherited), 1);
    EXPECT_EQ(value(kTagEnteredIndexedCostBase), 450);
    EXPECT_EQ(value(kTagEnteredNonIndexedCostBase), 500);
    EXPECT_EQ(value(kTagEnteredReducedCostBase), kExplicitZero);  // a typed zero is an entry
}

TEST_F(CostBaseTest, NoChecksGoingBackOrWithoutDescription) {
    StoreAsset(kWsShares, Acquired("01/03/1995"));
    ShowOnAsset(2010);
    Enter({{kRollOver, "01/01/1995"}});
    dialogs.shown.clear();
    Leave();
    EXPECT_TRUE(dialogs.shown.empty());

    // No real estate has been registered: the screen shows an empty instance.
    ShowOnAsset(2036);
    ASSERT_EQ(TextOf("DescLabel"), "");
    Enter({{kRollOver, "01/01/1995"}});
    Next();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{});
    EXPECT_EQ(frame->CurrentScreenNumber(), 2037);
}

TEST_F(CostBaseTest, ShowingOpensTheBoxesByTheStoredDates) {
    const struct {
        const char* name;
        const char* acquired;
        bool acquiredBefore1145;  // field 728
        const char* rollOver;
        bool rollOverBefore1145;  // field 733
        bool indexed, inherited, after1145;
    } cases[] = {
        {"acquired before the freeze", "01/03/1995", false, "", false, true, false, false},
        {"acquired after the freeze", "01/06/2001", false, "", false, false, false, false},
        {"acquired on the freeze day before 11.45am", "21/09/1999", true, "", false, true, false, false},
        {"roll-over before the freeze", "01/06/2001", false, "01/01/1999", false, true, true, false},
        {"roll-over after the freeze", "01/06/2001", false, "01/01/2000", false, false, true, false},
        {"roll-over on the freeze day", "01/06/2001", false, "21/09/1999", false, false, true, true},
        {"roll-over on the freeze day before 11.45am", "01/06/2001", false, "21/09/1999", true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run.store().SetFieldStr(kTagRollOverAcquisitionDate, c.rollOver);
        if (c.acquiredBefore1145) run.store().SetFieldChecked(kTagAcquiredBefore1145am);
        if (c.rollOverBefore1145) run.store().SetFieldChecked(kTagRollOverAcquiredBefore1145am);
        StoreAsset(kWsShares, Acquired(c.acquired));
        ShowOnAsset(2010);
        EXPECT_EQ(Enabled(kIndexed), c.indexed);
        EXPECT_EQ(Enabled(kInheritedYes), c.inherited);
        EXPECT_EQ(Enabled(kInheritedNo), c.inherited);
        // The stored "No" of field 731 is ticked wherever the question is open.
        EXPECT_EQ(Ticked(kInheritedNo), c.inherited);
        EXPECT_FALSE(Ticked(kInheritedYes));
        EXPECT_EQ(Enabled(kAfter1145Yes), c.after1145);
        EXPECT_EQ(Enabled(kAfter1145No), c.after1145);
        EXPECT_EQ(Ticked(kAfter1145No), c.after1145 && c.rollOverBefore1145);
        Leave();
    }
}

TEST_F(CostBaseTest, LeavingTheRollOverDateOpensAndClosesTheQuestions) {
    StoreAsset(kWsShares, Acquired("01/06/2001"));
    ShowOnAsset(2010);
    ASSERT_FALSE(Enabled(kInheritedYes));
    ASSERT_FALSE(Enabled(kIndexed));

    Enter({{kRollOver, "21/09/1999"}});
    EXPECT_EQ(FocusedControl(), kInheritedYes);
    EXPECT_TRUE(Enabled(kInheritedYes));
    EXPECT_TRUE(Ticked(kInheritedNo));
    EXPECT_TRUE(Enabled(kAfter1145Yes));
    EXPECT_TRUE(Enabled(kAfter1145No));
    EXPECT_FALSE(Enabled(kIndexed));
    // Not after 11.45am: indexation is open.
    Enter({{kAfter1145Yes}, {kAfter1145No}});
    EXPECT_FALSE(Ticked(kAfter1145Yes));
    EXPECT_TRUE(Ticked(kAfter1145No));
    EXPECT_TRUE(Enabled(kIndexed));

    // Another day closes the 11.45am question; no date closes both.
    Enter({{kRollOver, "01/01/2000"}});
    EXPECT_FALSE(Enabled(kAfter1145No));
    EXPECT_FALSE(Ticked(kAfter1145No));
    EXPECT_TRUE(Enabled(kInheritedNo));
    EXPECT_TRUE(Ticked(kInheritedNo));
    Enter({{kRollOver, ""}});
    EXPECT_FALSE(Enabled(kInheritedNo));
    EXPECT_FALSE(Ticked(kInheritedNo));
    EXPECT_FALSE(Enabled(kAfter1145No));
}

TEST_F(CostBaseTest, InheritedBoxesWriteTheirAnswerAtOnce) {
    run.store().SetFieldStr(kTagRollOverAcquisitionDate, "01/01/1999");
    StoreAsset(kWsShares, Acquired("01/06/2001"));
    ShowOnAsset(2010);
    FieldStore& store = run.store();
    ASSERT_EQ(store.GetFieldVal(kTagInherited), 2);
    Enter({{kInheritedYes}});
    EXPECT_TRUE(Ticked(kInheritedYes));
    EXPECT_FALSE(Ticked(kInheritedNo));
    EXPECT_EQ(store.GetFieldVal(kTagInherited), 1);
    Enter({{kInheritedNo}});
    EXPECT_FALSE(Ticked(kInheritedYes));
    EXPECT_EQ(store.GetFieldVal(kTagInherited), 2);
    // Unticking writes nothing.
    Enter({{kInheritedNo}});
    EXPECT_FALSE(Ticked(kInheritedNo));
    EXPECT_EQ(store.GetFieldVal(kTagInherited), 2);
}

TEST_F(CostBaseTest, InheritedAnswerMadeNumeric) {
    enum class Held { Nothing, Text, Yes };
    const struct {
        const char* name;
        Held held;
        long double shown;
    } cases[] = {{"nothing", Held::Nothing, 2}, {"text", Held::Text, 2}, {"yes", Held::Yes, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FieldStore& store = run.store();
        store.SetFieldStr(kTagRollOverAcquisitionDate, "01/01/1999");
        if (c.held == Held::Text) {
            store.SetFieldType(kTagInherited, dtString);
            store.SetFieldStr(kTagInherited, "Y");
        }
        if (c.held == Held::Yes) store.SetFieldVal(kTagInherited, 1);
        StoreAsset(kWsShares, Acquired("01/06/2001"));
        ShowOnAsset(2010);
        EXPECT_TRUE(IsNumericType(store.FieldType(kTagInherited)));
        EXPECT_EQ(store.GetFieldVal(kTagInherited), c.shown);
        EXPECT_EQ(Ticked(kInheritedYes), c.shown == 1);
        EXPECT_EQ(Ticked(kInheritedNo), c.shown == 2);
        Leave();
    }
}

}  // namespace
}  // namespace cgt::test
