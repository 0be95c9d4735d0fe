#include "store/fieldstore.h"

#include <gtest/gtest.h>

#include <functional>

#include "base/clock.h"
#include "store/modulerun.h"
#include "support/scripted_dialogs.h"

namespace cgt {
namespace {

class FieldStoreTest : public ::testing::Test {
protected:
    test::ScriptedDialogs dialogs;
    FieldStore store{&dialogs};
};

TEST_F(FieldStoreTest, StringsSwitchBetweenInlineAndLongByLength) {
    store.SetFieldStr(100, "123456789");
    EXPECT_EQ(store.FieldType(100), dtSmallStr);
    store.SetFieldStr(100, "1234567890");
    EXPECT_EQ(store.FieldType(100), dtString);
    EXPECT_EQ(store.GetFieldStr(100), "1234567890");
    store.SetFieldStr(100, "short");
    EXPECT_EQ(store.FieldType(100), dtSmallStr);
    EXPECT_FALSE(store.SlotAt(100).longText.has_value());
    EXPECT_EQ(store.GetFieldStr(100), "short");

    store.SetFieldStr(101, std::string(300, 'a') + "b");
    EXPECT_EQ(store.GetFieldStr(101), std::string(255, 'a'));
}

TEST_F(FieldStoreTest, ChangedFlagOnlyWhenAValueReallyChanges) {
    struct Step {
        const char* what;
        std::function<void(FieldStore&)> act;
        bool changes;
    } steps[] = {
        {"first amount", [](FieldStore& s) { s.SetFieldVal(200, 5); }, true},
        {"same amount", [](FieldStore& s) { s.SetFieldVal(200, 5); }, false},
        {"int of same amount", [](FieldStore& s) { s.SetFieldInt(200, 5); }, false},
        {"text", [](FieldStore& s) { s.SetFieldStr(201, "abc"); }, true},
        {"same text", [](FieldStore& s) { s.SetFieldStr(201, "abc"); }, false},
        {"long text cut to the same", [](FieldStore& s) { s.SetFieldStr(202, std::string(300, 'x')); }, true},
        {"again", [](FieldStore& s) { s.SetFieldStr(202, std::string(301, 'x')); }, false},
        {"check", [](FieldStore& s) { s.SetFieldChecked(203); }, true},
        {"check again", [](FieldStore& s) { s.SetFieldChecked(203); }, false},
        {"uncheck", [](FieldStore& s) { s.SetFieldUnchecked(203); }, true},
        {"list", [](FieldStore& s) { s.SetFieldLst(204, std::make_shared<TextList>(TextList{"a"})); }, false},
        {"text on a list slot", [](FieldStore& s) { s.SetFieldStr(204, "x"); }, false},
        {"amount on a text slot", [](FieldStore& s) { s.SetFieldVal(201, 7); }, false},
    };
    for (const auto& step : steps) {
        store.SetDataChanged(false);
        step.act(store);
        EXPECT_EQ(store.DataChanged(), step.changes) << step.what;
    }
}

TEST_F(FieldStoreTest, NumbersKeepTheirTypeAndFormatByIt) {
    store.SetFieldVal(300, 1234.56L);
    EXPECT_EQ(store.FieldType(300), dtCurrency);
    EXPECT_EQ(store.FieldAsText(300), "1235");
    store.SetFieldType(300, dtCurrencyCnt);
    EXPECT_EQ(store.FieldAsText(300), "1234.56");
    store.SetFieldType(300, dtNumeric);
    EXPECT_EQ(store.FieldAsText(300), "1235");
    store.SetFieldVal(300, 2.5L);
    EXPECT_EQ(store.FieldAsText(300), "2");  // whole numbers round halves to even

    store.SetFieldVal(301, 0.0009L);
    EXPECT_TRUE(store.FieldIsEmpty(301));
    EXPECT_EQ(store.FieldAsText(301), "");
    store.SetFieldVal(301, -0.0011L);
    EXPECT_FALSE(store.FieldIsEmpty(301));

    store.SetFieldVal(302, 123456789.0L);
    EXPECT_EQ(store.FieldAsText(302), "1.2345679E8");
    EXPECT_EQ(store.GetFieldRounded(302), 123456789);
}

TEST_F(FieldStoreTest, ExplicitZeroIsReadAsZeroOnlyWhenAsked) {
    store.SetFieldVal(400, 0.0011L);
    EXPECT_EQ(store.GetFieldVal(400, true), 0);
    EXPECT_EQ(store.GetFieldVal(400), 0.0011L);
    store.SetFieldVal(401, 0.005L);
    EXPECT_EQ(store.GetFieldVal(401, true), 0.005L);
    store.SetFieldVal(402, -0.001L);
    EXPECT_EQ(store.GetFieldVal(402, true), -0.001L);
}

TEST_F(FieldStoreTest, PairedCheckBoxesUncheckTheirPartner) {
    struct Case {
        int checked;
        int partner;
    } cases[] = {{9, 10},  {10, 9},    {17, 18},   {20, 19},   {33, 34},
                 {34, 33}, {132, 133}, {133, 132}, {142, 143}, {143, 142}};
    for (const auto& c : cases) {
        store.SetFieldChecked(c.partner);
        store.SetDataChanged(false);
        store.SetFieldChecked(c.checked);
        EXPECT_TRUE(store.FieldChecked(c.checked)) << c.checked;
        EXPECT_FALSE(store.FieldChecked(c.partner)) << c.checked;
        EXPECT_TRUE(store.DataChanged());
    }
    store.SetFieldChecked(12);
    store.SetFieldChecked(11);
    EXPECT_TRUE(store.FieldChecked(12));
    // A partner that holds something else is left as it is.
    store.SetFieldVal(135, 42);
    store.SetFieldChecked(134);
    EXPECT_EQ(store.GetFieldVal(135), 42);
}

TEST_F(FieldStoreTest, WrongTypeIsSkippedAndReportedOnlyInHelpDeskMode) {
    store.SetFieldLst(500, std::make_shared<TextList>(TextList{"first", "second"}));
    store.SetFieldStr(500, "x");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(store.FieldType(500), dtList);

    store.SetHelpDesk(true);
    store.SetEditedType(451);
    store.SetFieldStr(500, "x");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "DEBUG: bad field tag 500  DataType = dtList  Contents = first  Worksheet = 451 - not defined  "
              "SetFieldStr");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(store.GetFieldLst(500)->size(), 2u);

    struct Case {
        std::function<void(FieldStore&)> act;
        const char* function;
    } cases[] = {
        {[](FieldStore& s) { s.SetFieldVal(500, 1); }, "SetFieldVal"},
        {[](FieldStore& s) { s.SetFieldChecked(500); }, "SetFieldChecked"},
        {[](FieldStore& s) { s.SetFieldUnchecked(500); }, "SetFieldUnchecked"},
        {[](FieldStore& s) { EXPECT_FALSE(s.FieldChecked(500)); }, "FieldChecked"},
        {[](FieldStore& s) { EXPECT_EQ(s.GetFieldVal(500), 0); }, "GetFieldVal"},
        {[](FieldStore& s) { EXPECT_EQ(s.GetFieldStr(500), ""); }, "GetFieldStr"},
        {[](FieldStore& s) {
             s.SetFieldLst(501, nullptr);
             s.SetFieldVal(502, 1);
             s.SetFieldLst(502, nullptr);
         },
         "SetFieldLst"},
        {[](FieldStore& s) { EXPECT_EQ(s.GetFieldLst(502), nullptr); }, "GetFieldLst"},
    };
    for (const auto& c : cases) {
        dialogs.shown.clear();
        c.act(store);
        ASSERT_EQ(dialogs.shown.size(), 1u) << c.function;
        const std::string& text = dialogs.shown[0].text;
        EXPECT_EQ(text.substr(text.size() - std::string(c.function).size()), c.function);
    }
}

TEST_F(FieldStoreTest, InvalidTagsAreIgnoredWithoutReport) {
    store.SetHelpDesk(true);
    for (int tag : {0, -1, 2000, 100000}) {
        store.SetFieldVal(tag, 1);
        store.SetFieldStr(tag, "x");
        EXPECT_EQ(store.GetFieldStr(tag), "");
        EXPECT_EQ(store.GetFieldVal(tag), 0);
        EXPECT_EQ(store.GetFieldLst(tag), nullptr);
        EXPECT_EQ(store.FieldType(tag), dtNone);
        EXPECT_TRUE(store.FieldIsEmpty(tag));
        EXPECT_FALSE(store.FieldChecked(tag));
    }
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_FALSE(store.DataChanged());
}

TEST_F(FieldStoreTest, WorksheetDescriptionsNameTheHostTypes) {
    struct Case {
        int type;
        const char* text;
    } cases[] = {{0, "0 - not defined"},
                 {1, "1 - Salary & Wages / Lump Sum"},
                 {2, "2 - ETP Statements"},
                 {3, "3 - Item 7 / D8 / T3"},
                 {4, "4 - Rental Statements"},
                 {5, "5 - Other Deductions"},
                 {6, "6 - not defined"},
                 {7, "7 - Motor Vehicle"},
                 {10, "10 - D5 Depreciation - Non WRE"},
                 {11, "11 - Business PP Depreciation"},
                 {12, "12 - Business NPP Depreciation"},
                 {180, "180 - Rental Depreciation"},
                 {199, "199 - Rental Depreciation"},
                 {200, "200 - not defined"},
                 {249, "249 - D5 Depreciation - WRE"},
                 {253, "253 - D5 Depreciation - WRE"},
                 {469, "469 - not defined"}};
    for (const auto& c : cases) EXPECT_EQ(WorksheetTypeDescription(c.type), c.text);
}

TEST_F(FieldStoreTest, ClearFieldLeavesEachTypeAsSpecified) {
    store.SetFieldVal(600, 5);
    store.SetFieldType(600, dtCurrencyCnt);
    store.SetFieldStr(601, "small");
    store.SetFieldStr(602, "a long text here");
    store.SetFieldChecked(603);
    store.SetFieldLst(604, std::make_shared<TextList>(TextList{"x"}));
    store.EnsureWorksheetList(451)->push_back({1, 710, {}});
    for (int t : {600, 601, 602, 603, 604, 451 + 751}) store.ClearField(t);
    EXPECT_EQ(store.FieldType(600), dtCurrencyCnt);
    EXPECT_EQ(store.GetFieldVal(600), 0);
    EXPECT_EQ(store.FieldType(601), dtSmallStr);
    EXPECT_EQ(store.FieldType(602), dtNone);
    EXPECT_EQ(store.FieldType(603), dtCheckbox);
    EXPECT_FALSE(store.FieldChecked(603));
    EXPECT_EQ(store.FieldType(604), dtNone);
    EXPECT_EQ(store.GetFieldLst(604), nullptr);
    EXPECT_EQ(store.FieldType(451 + 751), dtNone);
    for (int t : {600, 601, 602, 603, 604, 451 + 751}) EXPECT_TRUE(store.FieldIsEmpty(t)) << t;
}

TEST_F(FieldStoreTest, SetFieldTypeKeepsNumbersAndReleasesReferences) {
    store.SetFieldVal(610, 12.34L);
    store.SetFieldType(610, dtCurrencyCnt);
    EXPECT_EQ(store.GetFieldVal(610), 12.34L);
    store.SetFieldStr(611, "a long text here");
    store.SetFieldType(611, dtString);
    EXPECT_EQ(store.GetFieldStr(611), "");
    EXPECT_FALSE(store.SlotAt(611).longText);
    store.SetFieldStr(612, "abc");
    store.SetFieldType(612, dtCurrency);  // not a number: starts at zero
    EXPECT_EQ(store.GetFieldVal(612), 0);
    store.SetFieldChecked(613);
    store.SetFieldType(613, dtCheckbox);
    EXPECT_TRUE(store.FieldChecked(613));
    store.SetFieldType(613, dtSmallStr);
    EXPECT_EQ(store.GetFieldStr(613), "");
}

TEST_F(FieldStoreTest, FieldAsTextAndEmptinessByType) {
    store.SetFieldStr(620, "   ");
    EXPECT_TRUE(store.FieldIsEmpty(620));
    EXPECT_EQ(store.FieldAsText(620), "   ");
    store.SetFieldChecked(621);
    EXPECT_EQ(store.FieldAsText(621), "X");
    store.SetFieldLst(622, std::make_shared<TextList>());
    EXPECT_TRUE(store.FieldIsEmpty(622));
    store.GetFieldLst(622)->push_back("line one");
    store.GetFieldLst(622)->push_back("line two");
    EXPECT_EQ(store.FieldAsText(622), "line one");
    EXPECT_FALSE(store.FieldIsEmpty(622));
    store.EnsureWorksheetList(460);
    EXPECT_TRUE(store.FieldIsEmpty(460 + 751));
    EXPECT_EQ(store.FieldAsText(460 + 751), "");
}

TEST_F(FieldStoreTest, ClearFieldsAsksOnlyWhenThereIsData) {
    const int tags[] = {700, 701};
    EXPECT_TRUE(store.ClearFields(tags, true));
    EXPECT_TRUE(dialogs.shown.empty());

    store.SetFieldVal(701, 9);
    dialogs.answers = {MsgResult::No};
    EXPECT_FALSE(store.ClearFields(tags, true));
    EXPECT_EQ(store.GetFieldVal(701), 9);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Data exists for this item\r\rAre you sure you want to delete it?\r\rIf you select 'Yes' all data "
              "for this item will be lost");
    EXPECT_EQ(dialogs.shown[0].caption, "Warning");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Warning);
    EXPECT_EQ(dialogs.shown[0].defaultButton, MsgResult::No);

    dialogs.answers = {MsgResult::Yes};
    EXPECT_TRUE(store.ClearFields(tags, true));
    EXPECT_EQ(store.GetFieldVal(701), 0);

    store.SetFieldVal(701, 9);
    EXPECT_TRUE(store.ClearFields(tags, false));
    EXPECT_EQ(store.GetFieldVal(701), 0);
    EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(FieldStoreTest, DateTextChecks) {
    struct Case {
        const char* text;
        bool bad;
    } cases[] = {{"01/07/2002", false}, {"31/02/2003", true}, {"  /  /    ", true},      {"", true},
                 {"   ", true},         {"1/7/02", false},    {"01/07/2002junk", false}, {"ab/cd/efgh", true}};
    for (const auto& c : cases) EXPECT_EQ(IsDateTextBad(c.text), c.bad) << c.text;
}

TEST_F(FieldStoreTest, LodgedReturnNeedsAllThreeDetailsAndTheMarker) {
    EXPECT_FALSE(store.IsReturnLodged());
    store.SetFieldStr(kTagLodgeReference, "REF123");
    store.SetFieldStr(kTagLodgeDate, "15/10/2003");
    store.SetFieldStr(kTagLodgeTime, "10:15");
    EXPECT_FALSE(store.IsReturnLodged());
    store.SetFieldVal(kTagLodgeMarker, 999999999);
    EXPECT_FALSE(store.IsReturnLodged());  // an amount shows as 1E9
    store.SetFieldType(kTagLodgeMarker, dtNone);
    store.SetFieldStr(kTagLodgeMarker, "999999999");
    EXPECT_TRUE(store.IsReturnLodged());
    store.SetFieldStr(kTagLodgeTime, "");
    EXPECT_FALSE(store.IsReturnLodged());

    store.ShowLodgedMessage();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "This data file has been lodged and is locked to preserve your lodgment details.\r\n\r\nYou will not "
              "be able to change the information contained in this file.\r\n\r\nHowever, you can continue to view "
              "the details of this file.");
    EXPECT_EQ(dialogs.shown[0].icon, MsgIcon::Information);
}

TEST_F(FieldStoreTest, FreedStoreIgnoresEveryAccess) {
    store.SetFieldVal(800, 3);
    store.FreeStore();
    store.SetFieldVal(800, 4);
    EXPECT_EQ(store.GetFieldVal(800), 0);
    store.EmptyWorkingTags();
    store.StoreInstance(451, 1);
    EXPECT_EQ(store.WorksheetCount(451), 0);
    store.Allocate();
    EXPECT_EQ(store.GetFieldVal(800), 0);
}

TEST(ModuleRunTest, SplitsTheScreenNumber) {
    test::ScriptedDialogs dialogs;
    ModuleRun run(dialogs, DefaultClock());
    run.SetScreenNumber(2004);
    EXPECT_EQ(run.section, 20);
    EXPECT_EQ(run.screenIndex, 4);
    EXPECT_EQ(run.ScreenNumber(), 2004);
    const char* args[] = {"host", "HelpDesk"};
    EXPECT_TRUE(HelpDeskRequested(2, args));
    const char* other[] = {"host", "file", "HELPDESK"};
    EXPECT_FALSE(HelpDeskRequested(3, other));
    EXPECT_FALSE(HelpDeskRequested(1, args));
}

}  // namespace
}  // namespace cgt
