#include "screens/qcgt_11.h"

#include <QCheckBox>

#include "base/income_year.h"
#include "base/rounding.h"
#include "calc/calc_util.h"
#include "calc/cost_base_history.h"
#include "controls/control_context.h"
#include "controls/numedit.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

namespace {

// kTagInherited holds the answer as a number.
constexpr int kInheritedYes = 1;
constexpr int kInheritedNo = 2;

constexpr const char* kNoRollOverCostBase = "You must enter the cost base of the asset at the time of roll-over.";
constexpr const char* kDiscountZero =
    "You cannot enter a value of zero. If you do not wish to use the discount method then leave blank.";
constexpr const char* kIndexationZero =
    "You cannot enter a value of zero. If you do not wish to use indexation then leave blank.";
constexpr const char* kFreezeDayUnanswered = "If acquisition date was 21/09/1999, you must answer Yes or No.";
constexpr const char* kInheritedUnanswered = "If acquisition date is present, you must advise if asset was inherited.";
constexpr const char* kNoRollOverReducedCostBase =
    "You must enter the reduced cost base of the asset at the time of roll-over.";
constexpr const char* kRollOverAfterAcquisition =
    "Check dates. The date of acquisition of the asset that was rolled over\rcannot be later than the date you "
    "acquired the current asset.";
constexpr const char* kIndexedAfterFreeze =
    "Cannot have a Indexed cost base if the date original asset acquired was after 21/09/1999.";
constexpr const char* kNoEffectiveDate = "You must enter the effective date of the cost base and reduced cost base.";
constexpr const char* kEffectiveBeforeAcquisition =
    "The effective date of the cost base cannot be earlier than the date of acquisition.";

// A blank amount holds less than the typed zero.
bool Blank(long double amount) {
    return amount < kExplicitZero;
}

void OpenPair(QCheckBox* yes, QCheckBox* no, bool open) {
    yes->setEnabled(open);
    no->setEnabled(open);
    if (!open) {
        yes->setChecked(false);
        no->setChecked(false);
    }
}

}  // namespace

TQCGT_11::TQCGT_11(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {
    SetUp(ui);
}

void TQCGT_11::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    FieldStore& store = Store();
    // Older files may hold the answer as text.
    EnsureNumericField(store, kTagInherited);
    if (store.FieldIsEmpty(kTagInherited)) store.SetFieldVal(kTagInherited, kInheritedNo);

    Exclusive(ui.PreLegalYesCheckBox, ui.PreLegalNoCheckBox);
    Exclusive(ui.DeceasedCheckBoxYes, ui.DeceasedCheckBoxNo);
    // Acquired on the freeze day but not after 11.45am: indexation stays open.
    connect(ui.PreLegalNoCheckBox, &QCheckBox::clicked, this, GuardedSlot(this, [this](bool on) {
                if (on) ui.AssetIndCostBaseEdit->setEnabled(true);
            }));
    // The inherited answer is not bound: a tick writes it at once.
    connect(ui.DeceasedCheckBoxYes, &QCheckBox::clicked, this, GuardedSlot(this, [this](bool on) {
                if (on) Store().SetFieldVal(kTagInherited, kInheritedYes);
            }));
    connect(ui.DeceasedCheckBoxNo, &QCheckBox::clicked, this, GuardedSlot(this, [this](bool on) {
                if (on) Store().SetFieldVal(kTagInherited, kInheritedNo);
            }));
    connect(ui.DateofRolloverEdit, &TCustomNumEdit::exited, this,
            GuardedSlot(this, [this] { DateofRolloverEditExit(); }));
}

void TQCGT_11::Shown(TInterviewFrame& frame) {
    // The definition leaves the indexed cost base disabled.
    if (IndexationOpen()) ui.AssetIndCostBaseEdit->setEnabled(true);
    ShowDescription();
    frame.ShowPicker(false);
    RegisterChecks([this] { return Checks(); });
    RegisterNext([] { return kBlockStep; });
    FollowRollOverDate(DateIn(ui.DateofRolloverEdit) == kDiscountStart);
}

bool TQCGT_11::IndexationOpen() const {
    FieldStore& store = Store();
    if (const auto acquired = FieldDate(store, kTagAcquisitionDate)) {
        if (*acquired < kDiscountStart || store.FieldChecked(kTagAcquiredBefore1145am)) return true;
    }
    if (const auto rollOver = DateIn(ui.DateofRolloverEdit)) {
        if (*rollOver < kDiscountStart || ui.PreLegalNoCheckBox->isChecked()) return true;
    }
    return false;
}

void TQCGT_11::FollowRollOverDate(bool focusInherited) {
    const auto rollOver = DateIn(ui.DateofRolloverEdit);
    OpenPair(ui.DeceasedCheckBoxYes, ui.DeceasedCheckBoxNo, rollOver.has_value());
    if (rollOver) {
        const long double inherited = Store().GetFieldVal(kTagInherited);
        if (inherited == kInheritedYes) ui.DeceasedCheckBoxYes->setChecked(true);
        if (inherited == kInheritedNo) ui.DeceasedCheckBoxNo->setChecked(true);
    }
    OpenPair(ui.PreLegalYesCheckBox, ui.PreLegalNoCheckBox, rollOver == kDiscountStart);
    if (focusInherited && rollOver) ui.DeceasedCheckBoxYes->setFocus();
}

void TQCGT_11::DateofRolloverEditExit() {
    const auto rollOver = DateIn(ui.DateofRolloverEdit);
    if (rollOver && *rollOver < kDiscountStart) ui.AssetIndCostBaseEdit->setEnabled(true);
    FollowRollOverDate(true);
}

QWidget* TQCGT_11::IndexedFocus() const {
    return ui.AssetIndCostBaseEdit->isEnabled() ? static_cast<QWidget*>(ui.AssetIndCostBaseEdit)
                                                : ui.AssetDisCostBaseEdit;
}

bool TQCGT_11::Checks() {
    const auto rollOver = DateIn(ui.DateofRolloverEdit);
    const auto effective = DateIn(ui.EffectiveDateEdit);
    const auto acquired = FieldDate(Store(), kTagAcquisitionDate);
    const long double indexed = AmountIn(ui.AssetIndCostBaseEdit);
    const long double discount = AmountIn(ui.AssetDisCostBaseEdit);
    const long double reduced = AmountIn(ui.AssetRedCostBaseEdit);

    if (rollOver && Blank(indexed) && Blank(discount)) return Reject(kNoRollOverCostBase, IndexedFocus());
    if (AmountPresent(indexed) && discount == kExplicitZero) return Reject(kDiscountZero, ui.AssetDisCostBaseEdit);
    if (indexed == kExplicitZero && AmountPresent(discount)) return Reject(kIndexationZero, IndexedFocus());
    if (rollOver == kDiscountStart && !ui.PreLegalYesCheckBox->isChecked() && !ui.PreLegalNoCheckBox->isChecked())
        return Reject(kFreezeDayUnanswered, ui.PreLegalYesCheckBox);
    if (rollOver && !ui.DeceasedCheckBoxYes->isChecked() && !ui.DeceasedCheckBoxNo->isChecked())
        return Reject(kInheritedUnanswered, ui.DeceasedCheckBoxNo);
    if (rollOver && *rollOver < kCgtStart) return Reject(kMsgHistoryDateTooEarly, ui.DateofRolloverEdit);
    // A personal use asset has no reduced cost base: its losses are disregarded.
    if (reduced == 0 && rollOver && AssetTypeCode(Store()) != "P")
        return Reject(kNoRollOverReducedCostBase, ui.AssetRedCostBaseEdit);
    if (rollOver && acquired && *rollOver > *acquired) return Reject(kRollOverAfterAcquisition, ui.DateofRolloverEdit);
    if (indexed > 0 && (ui.PreLegalYesCheckBox->isChecked() || (rollOver && *rollOver > kDiscountStart)))
        return Reject(kIndexedAfterFreeze, IndexedFocus());
    if ((indexed > 0 || discount > 0 || reduced > 0) && !effective)
        return Reject(kNoEffectiveDate, ui.EffectiveDateEdit);
    if (effective && acquired && *acquired > *effective)
        return Reject(kEffectiveBeforeAcquisition, ui.EffectiveDateEdit);
    return true;
}

}  // namespace cgt
