// The deferral screens (TQCGT_20 for depreciating, personal use and other
// assets, TQCGT_20a for real estate, TQCGT_20b for shares and trust
// interests) driven through the real frame: boxes ticked by clicks, then the
// message, the focus, where Next leads and what is stored.
#include <QLabel>
#include <algorithm>

#include "block_screens_fixture.h"
#include "controls/textlbl.h"

namespace cgt::test {
namespace {

constexpr const char* kUnanswered = "You must advise if the gain or loss for this event can be deferred";
constexpr const char* kSelect = "You must select either 'Yes' or 'No'.";
constexpr const char* kSold = "15/11/2002";

// One check per row: the screen, the asset, the boxes clicked in order, the
// message and the focus; accepted rows name the screen reached.
struct DeferralCase {
    const char* name;
    int screen;
    StoredAsset asset;
    std::vector<const char*> clicks;
    const char* message;
    const char* focus;
    int reached;
};

const DeferralCase kCases[] = {
    {"SharesUnanswered", 2014, {.eventDate = kSold}, {}, kUnanswered, "Q2YesCheckBox", 0},
    {"RealEstateUnanswered", 2039, {.typeCode = "RA", .eventDate = kSold}, {}, kUnanswered, "Q2YesCheckBox", 0},
    {"OtherAssetUnanswered", 2069, {.typeCode = "OA", .eventDate = kSold}, {}, kUnanswered, "Q2YesCheckBox", 0},
    {"SharesMarriage", 2014, {.eventDate = kSold}, {"Q2YesCheckBox"}, kSelect, "Q3YesCheckBox", 0},
    {"PersonalUseMarriage",
     2059,
     {.typeCode = "P ", .eventDate = kSold},
     {"Q2YesCheckBox"},
     kSelect,
     "Q3YesCheckBox",
     0},
    {"SharesScrip",
     2014,
     {.eventDate = kSold},
     {"Q2YesCheckBox", "Q3NoCheckBox"},
     kSelect,
     "ScripforScripYesCheckBox",
     0},
    {"NoEventDate", 2014, {}, {}, nullptr, nullptr, 2016},
    {"SharesNoReceipts", 2014, {.eventDate = kSold}, {"Q2NoCheckBox"}, nullptr, nullptr, 2016},
    {"SharesWithReceipts", 2014, {.eventDate = kSold, .receipts = true}, {"Q2NoCheckBox"}, nullptr, nullptr, 2015},
    {"TrustScripNo",
     2027,
     {.typeCode = "UA", .eventDate = kSold},
     {"Q2YesCheckBox", "Q3NoCheckBox", "ScripforScripNoCheckBox"},
     nullptr,
     nullptr,
     2029},
    {"RealEstateMarriage",
     2039,
     {.typeCode = "RA", .eventDate = kSold},
     {"Q2YesCheckBox", "Q3YesCheckBox"},
     nullptr,
     nullptr,
     2040},
    {"Depreciating", 2049, {.typeCode = "ON", .eventDate = kSold}, {"Q2NoCheckBox"}, nullptr, nullptr, 2050},
    {"PersonalUse", 2059, {.typeCode = "P ", .eventDate = kSold}, {"Q2NoCheckBox"}, nullptr, nullptr, 2060},
    {"OtherActiveAsset",
     2069,
     {.typeCode = "OA", .eventDate = kSold},
     {"Q2NoCheckBox", "Q1CheckBox"},
     nullptr,
     nullptr,
     2070},
};

class DeferralChecks : public BlockScreenTest, public ::testing::WithParamInterface<DeferralCase> {};

TEST_P(DeferralChecks, Next) {
    const DeferralCase& c = GetParam();
    const int type = BlockTypeOf(c.screen);
    StoreAsset(type, c.asset);
    ShowOnAsset(c.screen);
    for (const char* box : c.clicks) Tick(box);
    Next();
    if (c.message) {
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(FocusName(), c.focus);
        EXPECT_EQ(frame->CurrentScreenNumber(), c.screen);
        for (const char* box : c.clicks) EXPECT_TRUE(Ticked(box)) << box;
        return;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    EXPECT_EQ(run.section * 100 + run.screenIndex, c.reached);
    const std::vector<std::string> clicked(c.clicks.begin(), c.clicks.end());
    const auto was = [&](const char* box) { return std::find(clicked.begin(), clicked.end(), box) != clicked.end(); };
    const struct {
        const char* box;
        int tag;
    } boxes[] = {{"Q2YesCheckBox", kTagRollOverYes},
                 {"Q2NoCheckBox", kTagRollOverNo},
                 {"Q3YesCheckBox", kTagMarriageBreakdownYes},
                 {"Q3NoCheckBox", kTagMarriageBreakdownNo},
                 {"ScripforScripNoCheckBox", kTagScripRolloverNo},
                 {"Q1CheckBox", kTagFifteenYearExemption}};
    for (const auto& b : boxes) EXPECT_EQ(StoredTicked(type, b.tag), was(b.box)) << b.box;
}

INSTANTIATE_TEST_SUITE_P(Qcgt20, DeferralChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using DeferralScreenTest = BlockScreenTest;

TEST_F(DeferralScreenTest, QuestionAndExemptionByWorksheetType) {
    const struct {
        int screen;
        const char* code;
        int question;  // section of the roll-over question
        bool exemption;
    } cases[] = {{2014, "SA", 1, true},  {2027, "UA", 1, true},  {2039, "RA", 1, true},
                 {2049, "ON", 2, false}, {2059, "A ", 2, false}, {2069, "G ", 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screen);
        StoreAsset(BlockTypeOf(c.screen), {.description = "An asset", .typeCode = c.code});
        ShowOnAsset(c.screen);
        EXPECT_EQ(Control<QLabel>("DescLabel")->text(), QStringLiteral("An asset"));
        EXPECT_FALSE(frame->Picker()->isVisible());
        EXPECT_EQ(Control<TTextLbl>("Q2Lbl")->currentSection(), c.question);
        EXPECT_EQ(Control<QWidget>("Q1CheckBox")->isVisible(), c.exemption);
        EXPECT_EQ(Control<QWidget>("FifteenYearLbl")->isVisible(), c.exemption);
    }
}

TEST_F(DeferralScreenTest, DependentQuestionsAskedOnlyAfterRollOverYes) {
    const struct {
        int screen;
        const char *yes, *no;
    } cases[] = {{2014, "Q3YesCheckBox", "Q3NoCheckBox"},
                 {2039, "Q3YesCheckBox", "Q3NoCheckBox"},
                 {2069, "Q3YesCheckBox", "Q3NoCheckBox"},
                 {2014, "ScripforScripYesCheckBox", "ScripforScripNoCheckBox"},
                 {2027, "ScripforScripYesCheckBox", "ScripforScripNoCheckBox"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yes + std::string(" on ") + std::to_string(c.screen));
        StoreAsset(BlockTypeOf(c.screen), {.typeCode = "OA", .eventDate = kSold});
        ShowOnAsset(c.screen);
        const auto open = [&] { return Control<QWidget>(c.yes)->isEnabled() && Control<QWidget>(c.no)->isEnabled(); };
        EXPECT_FALSE(open());
        Tick("Q2YesCheckBox");
        EXPECT_TRUE(open());
        Tick(c.yes);
        Tick(c.no);
        EXPECT_FALSE(Ticked(c.yes));
        Tick("Q2NoCheckBox");
        EXPECT_FALSE(Ticked("Q2YesCheckBox"));
        EXPECT_FALSE(Ticked(c.no));
        EXPECT_FALSE(open());
        Tick("Q2YesCheckBox");
        Tick("Q2YesCheckBox");  // unticked again: nothing to depend on
        EXPECT_FALSE(open());
        Tick("Q2NoCheckBox");
    }
}

TEST_F(DeferralScreenTest, FifteenYearExemptionOnlyForActiveTypes) {
    const struct {
        const char* code;
        bool active;
    } cases[] = {{"OA", true}, {"G ", true}, {"ON", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        StoreAsset(kWsOtherAssets, {.typeCode = c.code, .fifteenYear = true});
        ShowOnAsset(2069);
        EXPECT_EQ(Control<QWidget>("Q1CheckBox")->isEnabled(), c.active);
        EXPECT_EQ(Ticked("Q1CheckBox"), c.active);
        ShowScreen(2007);
        EXPECT_EQ(StoredTicked(kWsOtherAssets, kTagFifteenYearExemption), c.active);
    }
}

}  // namespace
}  // namespace cgt::test
