// The depreciating asset event screen driven through the real frame: the
// cost, termination value, date and use typed into their boxes, then the
// message, the focus, the entries and the store.
#include "block_screens_fixture.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"

namespace cgt::test {
namespace {

constexpr const char* kFillAmounts =
    "You must enter amounts in \"Cost\", \"Termination value\" and \"Date of CGT event\" before moving on.";
constexpr const char* kFillUse =
    "You must fill in either \"Taxable use percentage\" or both \"Sum of reductions\" and \"Total decline\" before "
    "moving on.";
constexpr const char* kExpense = "The date asset disposed of cannot be earlier than date an expense was incurred.";
constexpr const char* kAllThree = "Asset cost, Termination value and date of the CGT event must all be entered.";
constexpr const char* kUseTwice =
    "Only one of taxable use percentage or sum of reductions and total decline can be present.";
constexpr const char* kBoth = "Both sum of reductions and total decline amount are required.";
constexpr const char* kDeclineBelow =
    "Total decline amount must be greater than or equal to the sum of reductions amount.";
constexpr const char* kBeforeAcquisition = "Check dates. A CGT event cannot occur prior to acquisition.";
constexpr const char* kBeforeCostBase =
    "Check dates. You cannot have a CGT event date prior to cost base effective date.";

constexpr int kEventScreen = 2046;
constexpr int kNextScreen = 2047;

// The boxes in the order they are typed into, with what is typed ("" leaves one blank).
struct Entries {
    const char* termination = "";
    const char* cost = "";
    const char* date = "";
    const char* percentage = "";
    const char* reductions = "";
    const char* decline = "";
};
constexpr const char* kBoxes[] = {"CapitalProceedsEdit", "AssetCost",    "DateofCGTEventEdit",
                                  "LVPFractionEdt",      "SumofRednEdt", "TotDeclEdt"};

struct DepreciatingCase {
    const char* name;
    StoredAsset asset;
    Entries typed;
    const char* message;  // nullptr: accepted
    const char* focus;
};

constexpr Entries kSold{.termination = "14000", .cost = "10000", .date = "15/02/2003", .percentage = "80"};

const DepreciatingCase kCases[] = {
    {"OnlyPercentage", {}, {.percentage = "80"}, kFillAmounts, "CapitalProceedsEdit"},
    {"NoCost", {}, {.termination = "14000", .date = "15/02/2003", .percentage = "80"}, kFillAmounts, "AssetCost"},
    {"NoDate", {}, {.termination = "14000", .cost = "10000", .percentage = "80"}, kFillAmounts, "DateofCGTEventEdit"},
    {"NoUse", {}, {.termination = "14000", .cost = "10000", .date = "15/02/2003"}, kFillUse, "LVPFractionEdt"},
    {"ExpenseAfterEvent", {.costIncurred = "01/03/2003"}, kSold, kExpense, "DateofCGTEventEdit"},
    {"BlankDateMask",
     {.eventDate = "  /  /    "},
     {.termination = "14000", .cost = "10000", .percentage = "80"},
     kAllThree,
     "AssetCost"},
    {"PercentageAndReductions",
     {},
     {.termination = "14000", .cost = "10000", .date = "15/02/2003", .percentage = "80", .reductions = "100"},
     kUseTwice,
     "LVPFractionEdt"},
    {"OnlyReductions",
     {},
     {.termination = "14000", .cost = "10000", .date = "15/02/2003", .reductions = "100"},
     kBoth,
     "SumofRednEdt"},
    {"DeclineBelowReductions",
     {},
     {.termination = "14000", .cost = "10000", .date = "15/02/2003", .reductions = "100", .decline = "50"},
     kDeclineBelow,
     "TotDeclEdt"},
    {"BeforeAcquisition", {.acquired = "01/03/2003"}, kSold, kBeforeAcquisition, "DateofCGTEventEdit"},
    {"BeforeCostBaseDate", {.costBaseDate = "01/03/2003"}, kSold, kBeforeCostBase, "DateofCGTEventEdit"},
    {"ReductionsEqualDecline",
     {},
     {.termination = "14000", .cost = "10000", .date = "15/02/2003", .reductions = "100", .decline = "100"},
     nullptr,
     nullptr},
    {"Percentage", {.costIncurred = "01/07/2001"}, kSold, nullptr, nullptr},
    {"TypedZeroTermination",
     {},
     {.termination = "0", .cost = "10000", .date = "15/02/2003", .percentage = "80"},
     nullptr,
     nullptr},
    {"NothingEntered", {}, {}, nullptr, nullptr},
};

class DepreciatingChecks : public BlockScreenTest, public ::testing::WithParamInterface<DepreciatingCase> {};

TEST_P(DepreciatingChecks, Next) {
    const DepreciatingCase& c = GetParam();
    StoredAsset asset = c.asset;
    asset.description = "Laptop computer";
    asset.typeCode = "P ";
    StoreAsset(kWsDepreciating, asset);
    ShowOnAsset(kEventScreen);
    const char* const typed[] = {c.typed.termination, c.typed.cost,       c.typed.date,
                                 c.typed.percentage,  c.typed.reductions, c.typed.decline};
    for (std::size_t i = 0; i < std::size(kBoxes); ++i)
        if (*typed[i]) TypeInto(Control<TTaxEdit>(kBoxes[i]), typed[i]);
    Next();
    if (c.message) {
        EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(FocusName(), c.focus);
        ASSERT_EQ(frame->CurrentScreenNumber(), kEventScreen);
        for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
            if (*typed[i]) {
                EXPECT_FALSE(Control<TTaxEdit>(kBoxes[i])->TextBytes().empty()) << kBoxes[i];
            }
        }
        return;
    }
    EXPECT_TRUE(dialogs.shown.empty()) << dialogs.Texts().front();
    EXPECT_NE(frame->CurrentScreenNumber(), kEventScreen);
    EXPECT_EQ(run.screenIndex, kNextScreen % 100);
    EXPECT_EQ(StoredText(kWsDepreciating, kTagEventDate), c.typed.date);
    EXPECT_EQ(StoredText(kWsDepreciating, kTagTaxableUsePercent), *c.typed.percentage ? "80.00%" : "");
}

INSTANTIATE_TEST_SUITE_P(Qcgt19a, DepreciatingChecks, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

using DepreciatingScreenTest = BlockScreenTest;

TEST_F(DepreciatingScreenTest, TypesAndBoxes) {
    StoreAsset(kWsDepreciating, {.description = "Laptop computer", .typeCode = "ON"});
    ShowOnAsset(kEventScreen);
    auto* types = Control<TTypeAheadCombo>("TypeTextComboBox");
    ItemList texts;
    for (int i = 0; i < types->count(); ++i) texts.push_back(types->itemText(i).toStdString());
    EXPECT_EQ(texts, (ItemList{"P - Personal use asset", "ON - Non-active asset - Other asset or CGT event"}));
    EXPECT_EQ(types->currentIndex(), 1);
    EXPECT_EQ(frame->CurrentScreen()->findChild<QWidget*>(QStringLiteral("CGTEventTextComboBox")), nullptr);
    EXPECT_FALSE(frame->Picker()->isVisible());

    // The percentage box takes 0 to 100 only.
    auto* percentage = Control<TTaxEdit>("LVPFractionEdt");
    TypeInto(percentage, "120");
    QTest::keyClick(percentage, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"Value must be between 0 and 100"});
    EXPECT_TRUE(percentage->hasFocus());
}

}  // namespace
}  // namespace cgt::test
