#include "screens/receipt_entry_screen.h"

#include <cmath>

#include "base/text.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

namespace {

// A typed zero (held as 0.0011) is worth nothing in the sum.
long double Worth(long double amount) {
    return std::fabs(amount) <= 0.0011L ? 0 : amount;
}

}  // namespace

TReceiptEntryScreen::TReceiptEntryScreen(QWidget* parent) : TBlockScreen(WorksheetRole::Receipt, parent) {}

void TReceiptEntryScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    for (TTaxEdit* box : {DescEdit, ProceedsEdit, CostsEdit, DateofCGTEventEdit})
        connect(box, &QLineEdit::textChanged, this, GuardedSlot(this, [this] { ShowGainOrLoss(); }));
}

void TReceiptEntryScreen::Shown(TInterviewFrame& frame) {
    frame.ShowPicker(true);
    frame.reopen = false;
    // The description is asked here, so the checks do not wait for a stored one.
    RegisterChecks([this] { return Checks(); }, true);
    RegisterNext([this] {
        const bool hasProceeds = AmountIn(ProceedsEdit) > 0;
        if (hasProceeds)
            Store().SetFieldChecked(kTagHasProceeds);
        else
            Store().SetFieldUnchecked(kTagHasProceeds);
        Leaving(hasProceeds);
        return Step();
    });
}

void TReceiptEntryScreen::ShowGainOrLoss() {
    const long double gain = Worth(AmountIn(ProceedsEdit)) - Worth(AmountIn(CostsEdit));
    GainEdit->SetNumValue(gain > 0 ? gain : 0);
    LossEdit->SetNumValue(gain < 0 ? -gain : 0);
}

bool TReceiptEntryScreen::Checks() {
    if (Frame().GoingBack()) return true;
    const bool described = !Trim(DescEdit->TextBytes()).empty();
    const bool gain = AmountIn(GainEdit) != 0;
    if (!described && !gain) return true;
    if (!described) return Reject(kMsgReceiptNoDescription, DescEdit);
    if (!gain && AmountIn(LossEdit) == 0) return Reject(kMsgReceiptNoAmount, ProceedsEdit);
    return MoreChecks();
}

}  // namespace cgt
