#include "screens/qcgt_19a.h"

#include "base/rounding.h"
#include "controls/numedit.h"

namespace cgt {

namespace {

constexpr const char* kMsgFillAmounts =
    "You must enter amounts in \"Cost\", \"Termination value\" and \"Date of CGT event\" before moving on.";
constexpr const char* kMsgFillUse =
    "You must fill in either \"Taxable use percentage\" or both \"Sum of reductions\" and \"Total decline\" before "
    "moving on.";
constexpr const char* kMsgAllThree = "Asset cost, Termination value and date of the CGT event must all be entered.";
constexpr const char* kMsgUseMissing =
    "Either taxable use percentage or sum of reductions and total decline must be entered.";
constexpr const char* kMsgUseTwice =
    "Only one of taxable use percentage or sum of reductions and total decline can be present.";
constexpr const char* kMsgBothReductions = "Both sum of reductions and total decline amount are required.";
constexpr const char* kMsgDeclineBelowReductions =
    "Total decline amount must be greater than or equal to the sum of reductions amount.";

// A box holds an entry when its text is not empty.
bool Filled(const TCustomNumEdit* box) {
    return !box->TextBytes().empty();
}

}  // namespace

TQCGT_19a::TQCGT_19a(QWidget* parent) : TEventScreen(parent) {}

void TQCGT_19a::Created(TInterviewFrame& frame) {
    TEventScreen::Created(frame);
    AssetCost = Find<TCustomNumEdit>("AssetCost");
    LVPFractionEdt = Find<TCustomNumEdit>("LVPFractionEdt");
    SumofRednEdt = Find<TCustomNumEdit>("SumofRednEdt");
    TotDeclEdt = Find<TCustomNumEdit>("TotDeclEdt");
}

bool TQCGT_19a::Checks() {
    return CheckCompleteness() && CheckExpenses() && CheckAmounts() && CheckDateForProceeds() && CheckDatesOfAsset() &&
           CheckProceedsForDate();
}

bool TQCGT_19a::CheckCompleteness() {
    TCustomNumEdit* const needed[] = {ProceedsBox(), AssetCost, EventDateBox()};
    TCustomNumEdit* const use[] = {LVPFractionEdt, SumofRednEdt, TotDeclEdt};
    bool any = false, anyUse = false;
    for (TCustomNumEdit* box : needed) any = any || Filled(box);
    for (TCustomNumEdit* box : use) anyUse = anyUse || Filled(box);
    if (!any && !anyUse) return true;
    for (TCustomNumEdit* box : needed)
        if (!Filled(box)) return Reject(kMsgFillAmounts, box);
    if (!anyUse) return Reject(kMsgFillUse, LVPFractionEdt);
    return true;
}

bool TQCGT_19a::CheckAmounts() {
    const bool dated = EventDate().has_value();
    const long double proceeds = AmountIn(ProceedsBox());
    if (!(!dated && proceeds == 0 && AmountIn(AssetCost) == 0) &&
        (!dated || !Filled(ProceedsBox()) || !Filled(AssetCost)))
        return Reject(kMsgAllThree, AssetCost);
    const bool percentage = Filled(LVPFractionEdt), reductions = Filled(SumofRednEdt), decline = Filled(TotDeclEdt);
    if (proceeds != 0) {
        if (!percentage && !reductions && !decline) return Reject(kMsgUseMissing, LVPFractionEdt);
        if (percentage && (reductions || decline)) return Reject(kMsgUseTwice, LVPFractionEdt);
        if (reductions != decline) return Reject(kMsgBothReductions, SumofRednEdt);
    }
    if ((reductions || decline) && Round(AmountIn(TotDeclEdt)) < Round(AmountIn(SumofRednEdt)))
        return Reject(kMsgDeclineBelowReductions, TotDeclEdt);
    return true;
}

}  // namespace cgt
