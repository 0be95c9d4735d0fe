// The interview's flow as data, without a display: where every answer of
// every question and information screen leads, what it writes on the way,
// the steps inside the asset blocks and the worksheet opening rules.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "flow/flow_rules.h"
#include "flow/screen_catalogue.h"
#include "store/fieldstore.h"
#include "store/tags.h"
#include "support/scripted_dialogs.h"

namespace cgt::test {
namespace {

// Answers an answer on a screen and gives the screen number shown next.
struct Outcome {
    int next;
    int pendingType;
};
Outcome Answer_(FieldStore& store, int number, Answer answer, int pendingBefore = 0) {
    const FlowRow* row = FindFlowRow(number);
    EXPECT_NE(row, nullptr) << number;
    if (!row) return {0, 0};
    FlowState state{number % 100, pendingBefore};
    ApplyAnswer(*row, answer, store, state);
    return {ShownPosition(number / 100, state.screenIndex).Number(), state.pendingType};
}

const char* AnswerName(Answer a) {
    return a == Answer::Yes ? "Yes" : a == Answer::No ? "No" : "Next";
}

TEST(FlowTable, EveryAnswerOfEveryQuestionAndInformationScreen) {
    const struct {
        int screen;
        Answer answer;
        int next;
    } cases[] = {
        {2004, Answer::Next, 2005},
        {2005, Answer::Next, 2088},
        {2088, Answer::Next, 2006},
        {2006, Answer::Yes, 2007},
        {2006, Answer::No, 2018},
        {2007, Answer::Yes, 2009},
        {2007, Answer::No, 2018},
        {2017, Answer::Yes, 2009},
        {2017, Answer::No, 2018},
        {2018, Answer::Yes, 2019},
        {2018, Answer::No, 2031},
        {2020, Answer::Yes, 2022},
        {2020, Answer::No, 2031},
        {2030, Answer::Yes, 2022},
        {2030, Answer::No, 2031},
        {2031, Answer::Yes, 2032},
        {2031, Answer::No, 2042},
        {2032, Answer::Next, 2033},
        {2033, Answer::Yes, 2035},
        {2033, Answer::No, 2042},
        {2041, Answer::Yes, 2035},
        {2041, Answer::No, 2042},
        {2042, Answer::Yes, 2043},
        {2042, Answer::No, 2052},
        {2043, Answer::Yes, 2045},
        {2043, Answer::No, 2052},
        {2051, Answer::Yes, 2045},
        {2051, Answer::No, 2052},
        {2052, Answer::Yes, 2053},
        {2052, Answer::No, 2062},
        {2053, Answer::Yes, 2055},
        {2053, Answer::No, 2062},
        {2061, Answer::Yes, 2055},
        {2061, Answer::No, 2062},
        {2062, Answer::Yes, 2063},
        {2062, Answer::No, 2072},
        {2063, Answer::Yes, 2065},
        {2063, Answer::No, 2072},
        {2071, Answer::Yes, 2065},
        {2071, Answer::No, 2072},
        {2072, Answer::Yes, 2073},
        {2072, Answer::No, 2096},
        {2073, Answer::Yes, 2075},
        {2073, Answer::No, 2096},
        {2074, Answer::Next, 2075},
        {2081, Answer::Yes, 2075},
        {2081, Answer::No, 2096},
        {2096, Answer::Yes, 2097},
        {2096, Answer::No, 2101},
        {2098, Answer::Yes, 2097},
        {2098, Answer::No, 2101},
        {2102, Answer::Next, 2103},
        // Next on a question screen takes the Yes road.
        {2007, Answer::Next, 2009},
    };
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        EXPECT_EQ(Answer_(store, c.screen, c.answer).next, c.next) << c.screen << " " << AnswerName(c.answer);
    }
}

TEST(FlowTable, EventQuestionsMakeTheirWorksheetTypePendingWhateverTheAnswer) {
    const struct {
        int screen;
        int type;
    } cases[] = {{2007, kWsShares},      {2020, kWsTrustInterest}, {2033, kWsRealEstate},    {2043, kWsDepreciating},
                 {2053, kWsPersonalUse}, {2063, kWsOtherAssets},   {2073, kWsCreatedRights}, {2096, kWsOtherReceipts}};
    for (const auto& c : cases) {
        for (Answer a : {Answer::Yes, Answer::No, Answer::Next}) {
            ScriptedDialogs dialogs;
            FieldStore store(&dialogs);
            EXPECT_EQ(Answer_(store, c.screen, a, 999).pendingType, c.type) << c.screen << " " << AnswerName(a);
        }
    }
    // The other screens leave the pending type as it was.
    for (int screen : {2006, 2017, 2018, 2031, 2041, 2042, 2081, 2098, 2004, 2032}) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        EXPECT_EQ(Answer_(store, screen, Answer::Yes, 455).pendingType, 455) << screen;
    }
}

TEST(FlowTable, StagesRaiseTheProgressFieldAndNeverLowerIt) {
    const struct {
        int screen;
        Answer answer;
        int stage;
    } cases[] = {{2006, Answer::No, 1},  {2007, Answer::Yes, 1}, {2018, Answer::Yes, 2}, {2018, Answer::No, 4},
                 {2020, Answer::No, 3},  {2031, Answer::No, 5},  {2033, Answer::Yes, 5}, {2042, Answer::No, 8},
                 {2043, Answer::Yes, 8}, {2052, Answer::No, 6},  {2053, Answer::No, 6},  {2062, Answer::No, 7},
                 {2063, Answer::Yes, 7}, {2072, Answer::No, 8},  {2073, Answer::Yes, 8}, {2096, Answer::No, 13}};
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        Answer_(store, c.screen, c.answer);
        EXPECT_EQ(store.GetFieldVal(kTagProgress), c.stage) << c.screen << " " << AnswerName(c.answer);
        // From a higher stage nothing goes down.
        store.SetFieldVal(kTagProgress, 20);
        Answer_(store, c.screen, c.answer);
        EXPECT_EQ(store.GetFieldVal(kTagProgress), 20) << c.screen;
    }
    // The another-event questions and the information screens write no stage.
    for (int screen : {2017, 2030, 2041, 2051, 2061, 2071, 2081, 2098, 2004, 2005, 2088, 2032, 2074, 2102}) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        Answer_(store, screen, Answer::No);
        Answer_(store, screen, Answer::Yes);
        EXPECT_TRUE(store.FieldIsEmpty(kTagProgress)) << screen;
    }
}

TEST(FlowTable, BeneficiaryQuestionAfterSharesThenAgain) {
    ScriptedDialogs dialogs;
    FieldStore store(&dialogs);
    Answer_(store, 2007, Answer::Yes);
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 1);
    Answer_(store, 2018, Answer::No);
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 4);
    Answer_(store, 2018, Answer::Yes);
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 4);
}

// A store holding one share worksheet, a trust interest and a trust distribution row.
void FillCategories(FieldStore& store) {
    store.SetFieldStr(kTagInstanceName, "BHP");
    store.StoreInstance(kWsShares, 1);
    store.SetFieldStr(kTagInstanceName, "Units");
    store.StoreInstance(kWsTrustInterest, 1);
    store.SetFieldLst(kTagTrustTable, std::make_shared<TextList>(TextList{"Trust A", "100"}));
}

TEST(CategoryDeletion, NoAsksOnceAndYesDeletesEveryListOfTheCategory) {
    ScriptedDialogs dialogs;
    FieldStore store(&dialogs);
    FillCategories(store);
    dialogs.answers = {MsgResult::Yes};
    EXPECT_EQ(Answer_(store, 2018, Answer::No).next, 2031);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Data exists for this item\r\rAre you sure you want to delete it?\r\rIf you select 'Yes' all data for "
              "this item will be lost");
    EXPECT_EQ(dialogs.shown[0].caption, "Warning");
    EXPECT_EQ(dialogs.shown[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(store.FieldIsEmpty(ListFieldOf(kWsTrustInterest)));
    EXPECT_TRUE(store.FieldIsEmpty(kTagTrustTable));
    // Another category's worksheets stay.
    EXPECT_TRUE(store.FieldHasData(ListFieldOf(kWsShares)));
}

TEST(CategoryDeletion, NoToTheQuestionKeepsTheWorksheetsAndStillMovesOn) {
    ScriptedDialogs dialogs;
    FieldStore store(&dialogs);
    FillCategories(store);
    dialogs.answers = {MsgResult::No};
    EXPECT_EQ(Answer_(store, 2006, Answer::No).next, 2018);
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(store.FieldHasData(ListFieldOf(kWsShares)));
}

TEST(CategoryDeletion, NothingStoredAsksNothing) {
    ScriptedDialogs dialogs;
    FieldStore store(&dialogs);
    FillCategories(store);
    for (int screen : {2031, 2033, 2042, 2043, 2052, 2053, 2062, 2063, 2072, 2073, 2096})
        Answer_(store, screen, Answer::No);
    EXPECT_TRUE(dialogs.shown.empty());
    // Yes never deletes.
    Answer_(store, 2006, Answer::Yes);
    Answer_(store, 2007, Answer::Yes);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(store.FieldHasData(ListFieldOf(kWsShares)));
}

TEST(CategoryDeletion, EachCategoryDeletesItsOwnList) {
    const struct {
        int screen;
        int type;
    } cases[] = {{2006, kWsShares},        {2007, kWsShares},       {2020, kWsTrustInterest}, {2031, kWsRealEstate},
                 {2033, kWsRealEstate},    {2042, kWsDepreciating}, {2043, kWsDepreciating},  {2052, kWsPersonalUse},
                 {2053, kWsPersonalUse},   {2062, kWsOtherAssets},  {2063, kWsOtherAssets},   {2072, kWsCreatedRights},
                 {2073, kWsCreatedRights}, {2096, kWsOtherReceipts}};
    for (const auto& c : cases) {
        ScriptedDialogs dialogs;
        FieldStore store(&dialogs);
        store.SetFieldStr(kTagInstanceName, "asset");
        store.StoreInstance(c.type, 1);
        dialogs.answers = {MsgResult::Yes};
        Answer_(store, c.screen, Answer::No);
        EXPECT_EQ(dialogs.shown.size(), 1u) << c.screen;
        EXPECT_TRUE(store.FieldIsEmpty(ListFieldOf(c.type))) << c.screen;
    }
}

TEST(ProgressField, MadeNumericWhenItHeldAnythingElse) {
    ScriptedDialogs dialogs;
    FieldStore store(&dialogs);
    store.SetFieldStr(kTagProgress, "junk");
    EnsureNumericProgress(store);
    EXPECT_TRUE(IsNumericType(store.FieldType(kTagProgress)));
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 0);
    RaiseProgress(store, 1);
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 1);
    // A number stays as it is.
    store.SetFieldVal(kTagProgress, 6);
    EnsureNumericProgress(store);
    EXPECT_EQ(store.GetFieldVal(kTagProgress), 6);
    // Only the shares introduction does it.
    EXPECT_TRUE(FindFlowRow(2006)->numericProgress);
    for (const FlowRow& r : FlowRows()) {
        if (r.number != 2006) {
            EXPECT_FALSE(r.numericProgress) << r.number;
        }
    }
}

TEST(ScreenNumbers, PastTheLastIndexOfSection20IsTheManualTable) {
    EXPECT_EQ(ShownPosition(20, 99), (ScreenPosition{21, 1}));
    EXPECT_EQ(ShownPosition(20, 98), (ScreenPosition{20, 98}));
    EXPECT_EQ(ShownPosition(21, 99), (ScreenPosition{21, 99}));
    EXPECT_EQ(ShownPosition(21, 1).Number(), 2101);
}

TEST(BlockSteps, RegistrationSkipsTheBlockWhenNothingIsRegistered) {
    const struct {
        int type;
        int empty;
    } cases[] = {{451, 8}, {452, 8}, {453, 1}, {454, 6}, {455, 6}, {456, 6}, {457, 6},
                 {458, 6}, {459, 1}, {460, 1}, {461, 5}, {462, 1}, {469, 1}, {0, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(RegistrationStep(c.type, false), c.empty) << c.type;
        EXPECT_EQ(RegistrationStep(c.type, true), 1) << c.type;
    }
    // The skip lands on each block's another-event question.
    EXPECT_EQ(2009 + RegistrationStep(kWsShares, false), 2017);
    EXPECT_EQ(2022 + RegistrationStep(kWsTrustInterest, false), 2030);
    EXPECT_EQ(2035 + RegistrationStep(kWsRealEstate, false), 2041);
    EXPECT_EQ(2045 + RegistrationStep(kWsDepreciating, false), 2051);
    EXPECT_EQ(2055 + RegistrationStep(kWsPersonalUse, false), 2061);
    EXPECT_EQ(2065 + RegistrationStep(kWsOtherAssets, false), 2071);
}

TEST(BlockSteps, DeferralGoesToTheCostBaseHistoryOnlyAfterReceipts) {
    const struct {
        int type;
        bool receipts;
        int step;
    } cases[] = {{451, true, 1},  {451, false, 2}, {452, true, 1},  {452, false, 2}, {453, false, 1},
                 {454, false, 1}, {455, true, 1},  {458, false, 1}, {461, false, 1}, {462, false, 2},
                 {462, true, 2},  {450, false, 2}, {469, false, 2}};
    for (const auto& c : cases) EXPECT_EQ(DeferralStep(c.type, c.receipts), c.step) << c.type << " " << c.receipts;
    // Shares: 2014 to the history on 2015, or past it to the worksheet on 2016.
    EXPECT_EQ(2014 + DeferralStep(kWsShares, true), 2015);
    EXPECT_EQ(2014 + DeferralStep(kWsShares, false), 2016);
    EXPECT_EQ(2075 + kCreatedRightStep, 2081);
}

TEST(BlockSteps, EveryBlockScreenBelongsToTheTypeItsEventQuestionSets) {
    for (const FlowRow& r : FlowRows()) {
        if (r.pendingType == 0) continue;
        // The screen the event question's Yes leads to is in its block.
        const int first = ShownPosition(r.number / 100, r.yes.Apply(r.number % 100)).Number();
        EXPECT_EQ(BlockTypeOf(first), r.pendingType) << r.number;
    }
    for (const ScreenDef& d : ScreenCatalogue()) {
        if (d.cls->worksheetRole == WorksheetRole::None) continue;
        EXPECT_NE(BlockTypeOf(d.number), 0) << d.number;
    }
    for (int n : {2004, 2006, 2007, 2018, 2019, 2031, 2042, 2096, 2101, 2103}) EXPECT_EQ(BlockTypeOf(n), 0) << n;
}

TEST(WorksheetOpening, ByRoleAndReopenFlag) {
    using K = WorksheetOpening::Kind;
    const struct {
        WorksheetRole role;
        bool reopen;
        WorksheetOpening expected;
    } cases[] = {
        {WorksheetRole::Registration, false, {K::NewInstance, 454, 0}},
        {WorksheetRole::Registration, true, {K::Instance, 454, 3}},
        {WorksheetRole::Receipt, false, {K::NewInstance, 454, 0}},
        {WorksheetRole::BlockScreen, false, {K::Instance, 454, 1}},
        {WorksheetRole::BlockScreen, true, {K::Instance, 454, 3}},
        {WorksheetRole::None, true, {}},
    };
    for (const auto& c : cases) EXPECT_EQ(OpeningFor(c.role, 454, c.reopen, 3), c.expected) << int(c.role) << c.reopen;
}

TEST(Catalogue, EveryNumberOnceAndTheNumbersWithoutAScreen) {
    std::set<int> numbers;
    for (const ScreenDef& d : ScreenCatalogue()) EXPECT_TRUE(numbers.insert(d.number).second) << d.number;
    EXPECT_EQ(numbers.size(), 78u);
    for (int n :
         {0, 2003, 2008, 2021, 2034, 2044, 2054, 2064, 2076, 2080, 2082, 2087, 2089, 2095, 2099, 2100, 2108, 2201})
        EXPECT_EQ(FindScreenClass(n), nullptr) << n;
    // Sections 20 and 21 only.
    for (int n : numbers) EXPECT_TRUE(n / 100 == 20 || n / 100 == 21) << n;
}

TEST(Catalogue, AttributesOfItsDefinitions) {
    const struct {
        int number;
        const char* cls;
        ScreenFamily family;
        int help;
        IconKind icon;
        bool blocked;
        const char* caption;
        bool prev;
    } cases[] = {
        {2004, "TQCGT_83", ScreenFamily::Information, 347, kIconInformation, false, kCaptionGainsAndLosses, true},
        {2005, "TQCGT_56", ScreenFamily::Information, 32, kIconArrow, false, kCaptionGainsAndLosses, true},
        {2006, "TQCGT_39a", ScreenFamily::IntroductoryQuestion, 3, kIconQuestion, false, kCaptionGainsOrLosses, true},
        {2055, "TQCGT_08", ScreenFamily::AssetBlock, 16, kIconArrow, true, kCaptionGainsAndLosses, true},
        {2020, "TQCGT_41", ScreenFamily::EventQuestion, 216, kIconQuestion, true, kCaptionGainsAndLosses, true},
        {2032, "TQCGT_43b", ScreenFamily::Information, 80, kIconInformation, true, kCaptionGainsAndLosses, true},
        {2031, "TQCGT_43a", ScreenFamily::IntroductoryQuestion, 7, kIconQuestion, false, kCaptionGainsOrLosses, true},
        {2052, "TQCGT_45a", ScreenFamily::IntroductoryQuestion, 8, kIconQuestion, false, kCaptionGainsOrLosses, true},
        {2081, "TQCGT_50", ScreenFamily::AnotherEventQuestion, 10, kIconQuestion, false, kCaptionGains, true},
        {2051, "TQCGT_82", ScreenFamily::AnotherEventQuestion, 345, kIconQuestion, false, kCaptionGains, true},
        {2098, "TQCGT_37", ScreenFamily::AnotherEventQuestion, 82, kIconQuestion, false, kCaptionGainsAndLosses, false},
        {2074, "TQCGT_08g", ScreenFamily::Information, 15, kIconInformation, false, kCaptionGainsAndLosses, true},
        {2102, "TQCGT_57", ScreenFamily::Information, 33, kIconInformation, false, kCaptionGainsAndLosses, true},
        {2107, "TQCGT_67", ScreenFamily::Calculation, 37, kIconInformation, false, kCaptionGainsAndLosses, true},
    };
    for (const auto& c : cases) {
        const ScreenClass* s = FindScreenClass(c.number);
        ASSERT_NE(s, nullptr) << c.number;
        EXPECT_STREQ(s->className, c.cls);
        EXPECT_EQ(s->family, c.family) << c.number;
        EXPECT_EQ(s->helpContext, c.help) << c.number;
        EXPECT_EQ(s->icon, c.icon) << c.number;
        EXPECT_EQ(s->savingBlocked, c.blocked) << c.number;
        EXPECT_STREQ(s->caption, c.caption);
        EXPECT_EQ(s->showPrev, c.prev) << c.number;
    }
}

TEST(Catalogue, QuestionAndInformationScreensHaveExactlyOneFlowRow) {
    auto fromRows = [](ScreenFamily f) {
        return f == ScreenFamily::Information || f == ScreenFamily::IntroductoryQuestion ||
               f == ScreenFamily::EventQuestion || f == ScreenFamily::AnotherEventQuestion;
    };
    for (const ScreenDef& d : ScreenCatalogue()) {
        const bool hasRow = FindFlowRow(d.number) != nullptr;
        EXPECT_EQ(hasRow, fromRows(d.cls->family)) << d.number << " " << d.cls->className;
    }
    std::set<int> rows;
    for (const FlowRow& r : FlowRows()) EXPECT_TRUE(rows.insert(r.number).second) << r.number;
    // An event question always has a type to make pending; no other screen does.
    for (const FlowRow& r : FlowRows())
        EXPECT_EQ(r.pendingType != 0, FindScreenClass(r.number)->family == ScreenFamily::EventQuestion) << r.number;
}

TEST(Navigator, FifteenEntriesInTreeOrderEachOnAScreen) {
    const auto& g = NavigatorTree();
    ASSERT_EQ(g.size(), 15u);
    EXPECT_STREQ(g.front().text, "Introduction screen");
    EXPECT_EQ(g[2].screenNumber, 2088);
    EXPECT_STREQ(g.back().text, "Application of choices");
    for (const auto& e : g) EXPECT_NE(FindScreenClass(e.screenNumber), nullptr) << e.screenNumber;
    // Each row's entry is one of the tree's.
    for (const FlowRow& r : FlowRows()) {
        if (r.navigatorEntry == 0) continue;
        bool found = false;
        for (const auto& e : g) found = found || e.screenNumber == r.navigatorEntry;
        EXPECT_TRUE(found) << r.number;
    }
}

}  // namespace
}  // namespace cgt::test
