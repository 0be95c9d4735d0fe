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

TQCGT_19a::TQCGT_19a(QWidget* parent) : TEventScreen(parent) {
    SetUp(ui);
}

bool TQCGT_19a::Checks() {
    return CheckCompleteness() && CheckExpenses() && CheckAmounts() && CheckDateForProceeds() && CheckDatesOfAsset() &&
           CheckProceedsForDate();
}

bool TQCGT_19a::CheckCompleteness() {
    TCustomNumEdit* const needed[] = {ProceedsBox(), ui.AssetCost, EventDateBox()};
    TCustomNumEdit* const use[] = {ui.LVPFractionEdt, ui.SumofRednEdt, ui.TotDeclEdt};
    bool any = false, anyUse = false;
    for (TCustomNumEdit* box : needed) any = any || Filled(box);
    for (TCustomNumEdit* box : use) anyUse = anyUse || Filled(box);
    if (!any && !anyUse) return true;
    for (TCustomNumEdit* box : needed)
        if (!Filled(box)) return Reject(kMsgFillAmounts, box);
    if (!anyUse) return Reject(kMsgFillUse, ui.LVPFractionEdt);
    return true;
}

bool TQCGT_19a::CheckAmounts() {
    const bool dated = EventDate().has_value();
    const long double proceeds = AmountIn(ProceedsBox());
    if (!(!dated && proceeds == 0 && AmountIn(ui.AssetCost) == 0) &&
        (!dated || !Filled(ProceedsBox()) || !Filled(ui.AssetCost)))
        return Reject(kMsgAllThree, ui.AssetCost);
    const bool percentage = Filled(ui.LVPFractionEdt), reductions = Filled(ui.SumofRednEdt),
               decline = Filled(ui.TotDeclEdt);
    if (proceeds != 0) {
        if (!percentage && !reductions && !decline) return Reject(kMsgUseMissing, ui.LVPFractionEdt);
        if (percentage && (reductions || decline)) return Reject(kMsgUseTwice, ui.LVPFractionEdt);
        if (reductions != decline) return Reject(kMsgBothReductions, ui.SumofRednEdt);
    }
    if ((reductions || decline) && Round(AmountIn(ui.TotDeclEdt)) < Round(AmountIn(ui.SumofRednEdt)))
        return Reject(kMsgDeclineBelowReductions, ui.TotDeclEdt);
    return true;
}

}  // namespace cgt
