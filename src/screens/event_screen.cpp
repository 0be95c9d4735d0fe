#include "screens/event_screen.h"

#include "calc/calc_util.h"
#include "calc/cost_elements.h"
#include "controls/numedit.h"
#include "controls/typeahead_combo.h"
#include "flow/code_tables.h"
#include "interview/interviewframe.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

TEventScreen::TEventScreen(QWidget* parent) : TBlockScreen(WorksheetRole::BlockScreen, parent) {}

void TEventScreen::Created(TInterviewFrame& frame) {
    TBlockScreen::Created(frame);
    const ItemList types = AssetTypeItems(WorksheetType(), TypeListScreen::Event);
    if (!types.empty()) Offer(types_, types);
}

void TEventScreen::Shown(TInterviewFrame& frame) {
    ShowDescription();
    frame.ShowPicker(false);
    RegisterChecks([this] { return Checks(); });
    RegisterNext([] { return kBlockStep; });
}

void TEventScreen::Offer(TTypeAheadCombo* list, const std::vector<std::string>& items) {
    if (!list) return;
    list->SetItems(items);
    list->Select(0);
}

bool TEventScreen::CheckExpenses() {
    const std::optional<int> event = EventDate();
    const TextListPtr costs = Store().GetFieldLst(kTagCostElements);
    if (!event || !costs) return true;
    // A row without a cost element keeps the date of the row before it.
    int incurred = 0;
    for (std::size_t row = 0; row + kCostElementIncurred < costs->size(); row += kCostElementCells) {
        if (!CodeOf((*costs)[row + kCostElementCode]).empty())
            incurred = DateOfText((*costs)[row + kCostElementIncurred]).value_or(0);
        if (*event < incurred) return Reject(kMsgExpenseAfterEvent, eventDate_);
    }
    return true;
}

bool TEventScreen::CheckDateForProceeds() {
    if (!EventDate() && AmountIn(proceeds_) != 0) return Reject(kMsgEventDateMissing, eventDate_);
    return true;
}

bool TEventScreen::CheckDatesOfAsset() {
    const std::optional<int> event = EventDate();
    if (!event) return true;
    const std::optional<int> acquired = FieldDate(Store(), kTagAcquisitionDate);
    if (acquired && *acquired > *event) return Reject(kMsgEventBeforeAcquisition, eventDate_);
    const std::optional<int> costBase = FieldDate(Store(), kTagCostBaseDate);
    if (costBase && *costBase > *event) return Reject(kMsgEventBeforeCostBaseDate, eventDate_);
    return true;
}

bool TEventScreen::CheckProceedsForDate() {
    if (EventDate() && AmountIn(proceeds_) == 0) return Reject(kMsgProceedsMissing, proceeds_);
    return true;
}

}  // namespace cgt
