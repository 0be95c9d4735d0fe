// The depreciating asset summary screen driven through the real frame: the
// termination value against the cost, scaled by the use that was not
// taxable, the indexation component, and the store it leaves behind.
#include "summary_fixture.h"

namespace cgt::test {
namespace {

constexpr int kScreen = 2050;

// A computer that cost 10000, acquired 01/07/2001 (no indexation), its
// balancing adjustment event on 15/08/2002 (held over a year: discount).
Answers Computer(long double termination, const char* taxableUse) {
    return {.description = "Computer",
            .typeCode = "ON",
            .acquired = "01/07/2001",
            .eventDate = "15/08/2002",
            .proceeds = termination,
            .cost = 10000,
            .taxableUse = taxableUse};
}

Answers Reductions(long double sum, long double decline) {
    Answers a = Computer(14000, "");
    a.reductions = sum;
    a.decline = decline;
    return a;
}

// Acquired in 1995 with its cost as a cost element, so that the indexed cost
// base is above the cost and the component comes off the indexed gain.
Answers IndexedPress() {
    Answers a = Computer(14000, "80.00%");
    a.description = "Printing press";
    a.acquired = "01/03/1995";
    a.costs = {{"1 - Purchase/Acquisition cost", "01/03/1995", "10000.00"}};
    return a;
}

// The boxes of each column, top to bottom, without the indexation component.
constexpr std::initializer_list<int> kColumnBoxes = {
    kTagIndexedProceeds,     kTagDepCostIndexed,       kTagDepBeforeIndexed,
    kTagDepFractionIndexed,  kTagDepReductionsIndexed, kTagDepAdjustedIndexed,
    kTagIndexedGain,         kTagDiscountProceeds,     kTagDepCostDiscount,
    kTagDepBeforeDiscount,   kTagDepFractionDiscount,  kTagDepReductionsDiscount,
    kTagDepAdjustedDiscount, kTagDiscountGain,         kTagOtherProceeds,
    kTagDepCostOther,        kTagDepBeforeOther,       kTagDepFractionOther,
    kTagDepReductionsOther,  kTagDepAdjustedOther,     kTagOtherGain,
    kTagLossProceeds,        kTagDepCostLoss,          kTagDepBeforeLoss,
    kTagDepFractionLoss,     kTagDepReductionsLoss,    kTagDepAdjustedLoss,
    kTagCapitalLoss};
const std::vector<int> kIndexedOff = {kTagIndexedProceeds,    kTagDepCostIndexed,       kTagDepBeforeIndexed,
                                      kTagDepFractionIndexed, kTagDepReductionsIndexed, kTagDepAdjustedIndexed,
                                      kTagIndexedGain};
const std::vector<int> kOtherOff = {kTagOtherProceeds,    kTagDepCostOther,       kTagDepBeforeOther,
                                    kTagDepFractionOther, kTagDepReductionsOther, kTagDepAdjustedOther,
                                    kTagOtherGain};
const std::vector<int> kLossOff = {kTagLossProceeds,      kTagDepCostLoss,     kTagDepBeforeLoss, kTagDepFractionLoss,
                                   kTagDepReductionsLoss, kTagDepAdjustedLoss, kTagCapitalLoss};

const FiguresCase kFigures[] = {
    // 14000 - 10000 = 4000; 80% taxable use leaves a fifth: 800.
    {"TaxableUse",
     kScreen,
     Computer(14000, "80.00%"),
     {{kTagDiscountProceeds, "14000"},
      {kTagDepCostDiscount, "10000"},
      {kTagDepBeforeDiscount, "4000"},
      {kTagDepFractionDiscount, "80.00%"},
      {kTagDepReductionsDiscount, ""},
      {kTagDepAdjustedDiscount, "800"},
      {kTagDiscountGain, "800"}},
     Off({kIndexedOff, kOtherOff, kLossOff}),
     "",
     ""},
    // Reductions of 3000 in a decline of 12000: a quarter of 4000.
    {"ReductionsOfDecline",
     kScreen,
     Reductions(3000, 12000),
     {{kTagDepFractionDiscount, ""},
      {kTagDepReductionsDiscount, "25.00%"},
      {kTagDepAdjustedDiscount, "1000"},
      {kTagDiscountGain, "1000"}},
     Off({kIndexedOff, kOtherOff, kLossOff}),
     "",
     ""},
    {"NeitherUseNorReductions",
     kScreen,
     Computer(14000, ""),
     {{kTagDepBeforeDiscount, "4000"}, {kTagDepAdjustedDiscount, ""}, {kTagDiscountGain, ""}},
     Off({kIndexedOff, kOtherOff}),
     kMsgNoGainOrLoss,
     ""},
    // 4000 below cost, scaled to 800; the other column goes with the loss.
    {"TerminationBelowCost",
     kScreen,
     Computer(6000, "80.00%"),
     {{kTagLossProceeds, "6000"},
      {kTagDepCostLoss, "10000"},
      {kTagDepBeforeLoss, "4000"},
      {kTagDepFractionLoss, "80.00%"},
      {kTagDepAdjustedLoss, "800"},
      {kTagCapitalLoss, "800"},
      {kTagDepBeforeDiscount, "0"}},
     Off({kIndexedOff, kOtherOff}),
     "",
     ""},
};

class DepreciatingFigures : public SummaryScreenTest, public ::testing::WithParamInterface<FiguresCase> {};

TEST_P(DepreciatingFigures, Shown) {
    const FiguresCase& c = GetParam();
    ExpectFigures(c, kColumnBoxes);
    EXPECT_EQ(Control<TCustomNumEdit>("IndexationComponentEdit")->isEnabled(),
              !std::ranges::binary_search(c.disabled, kTagIndexedGain));
}

INSTANTIATE_TEST_SUITE_P(Qcgt58A, DepreciatingFigures, ::testing::ValuesIn(kFigures),
                         [](const auto& info) { return std::string(info.param.name); });

using DepreciatingSummary = SummaryScreenTest;

TEST_F(DepreciatingSummary, IndexationComponentComesOffTheIndexedGain) {
    ShowOnAnswers(kScreen, IndexedPress());
    const auto amount = [this](int tag) { return std::stoll(Shown(tag)); };
    ASSERT_FALSE(Shown(kTagAdjustedIndexed).empty());
    const long long component = amount(kTagAdjustedIndexed) - amount(kTagAdjustedNonIndexed);
    ASSERT_GT(component, 0);
    EXPECT_EQ(Shown("IndexationComponentEdit"), std::to_string(component));
    EXPECT_TRUE(Control<TCustomNumEdit>("IndexationComponentEdit")->isEnabled());
    EXPECT_EQ(Shown(kTagDepAdjustedIndexed), "800");
    EXPECT_EQ(Shown(kTagIndexedGain), std::to_string(800 - component));
    EXPECT_EQ(Shown(kTagDiscountGain), "800");
    EXPECT_EQ(Message("MessageLbl2"), kMsgChooseMethod);
}

TEST_F(DepreciatingSummary, NoNonAssessablePartsOrPrintout) {
    ShowOnAnswers(kScreen, Computer(14000, "80.00%"));
    EXPECT_FALSE(Visible("PrintNonAssBtn"));
    EXPECT_TRUE(Visible("PrintWorksheetBtn"));
    EXPECT_TRUE(Visible("PrintRegisterBtn"));
    EXPECT_EQ(frame->CurrentScreen()->findChild<QWidget*>(QStringLiteral("NonAssessablePanel")), nullptr);
    EXPECT_EQ(frame->CurrentScreen()->findChild<QWidget*>(QStringLiteral("NotePanel")), nullptr);
    EXPECT_EQ(Control<QLabel>("DescLabel")->text().toStdString(), "Computer");
    EXPECT_EQ(Chosen("ActiveRadioGroup"), "Non-active");
    EXPECT_EQ(Chosen("TypeRadioGroup"), "Other");

    ClickRadio("RegisterViewRadio");
    EXPECT_TRUE(Visible("RegisterGrid"));
    EXPECT_EQ(GridRow("RegisterGrid", 1)[3], "Capital proceeds");
    ClickRadio("WorksheetViewRadio");
    EXPECT_TRUE(Visible("WorksheetPanel"));
}

struct StoredCase {
    const char* name;
    Answers answers;
    friend void PrintTo(const StoredCase& c, std::ostream* os) { *os << c.name; }
};

const StoredCase kStored[] = {
    {"TaxableUse", Computer(14000, "80.00%")},
    {"ReductionsOfDecline", Reductions(3000, 12000)},
    {"TerminationBelowCost", Computer(6000, "80.00%")},
    {"IndexedPress", IndexedPress()},
    {"NoEvent", {.description = "Tractor", .typeCode = "P ", .acquired = "01/07/2001", .cost = 30000}},
};

class DepreciatingStore : public SummaryScreenTest, public ::testing::WithParamInterface<StoredCase> {};

TEST_P(DepreciatingStore, LeftAsTheCalculationLeavesIt) {
    ExpectStoredAsCalculated(kScreen, GetParam().answers);
}

INSTANTIATE_TEST_SUITE_P(Qcgt58A, DepreciatingStore, ::testing::ValuesIn(kStored),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace cgt::test
