#include "calc/worksheet_core.h"

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/calc_util.h"
#include "calc/cost_elements.h"
#include "calc/cpi.h"
#include "calc/work_grid.h"
#include "calc/worksheet_grids.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

std::string CellAt(const TextList& list, std::size_t row, int cell, int cells) {
    const std::size_t i = row * std::size_t(cells) + std::size_t(cell);
    return i < list.size() ? list[i] : std::string();
}

struct HeadRows {
    bool present = false;
    std::optional<int> date;  // D
    long double indexed = 0, nonIndexed = 0, reduced = 0;
    const char* worksheetLabels[3] = {};
    const char* registerLabels[3] = {};
};

}  // namespace

bool AssetWorksheetResult::IsDisabled(int tag) const {
    for (int t : disabledBoxes)
        if (t == tag) return true;
    return false;
}

void RunWorksheetCore(FieldStore& store, WorksheetCore& core) {
    ShownBoxes& boxes = core.boxes;
    AssetWorksheetResult& result = core.result;

    // Every result box starts blank.
    boxes.Add(kTagBaseDate, BoxKind::Date);
    for (int t = kTagFirstCostBaseBox; t <= kTagLastCostBaseBox; ++t) boxes.Add(t, BoxKind::Dollars);
    boxes.Add(kTagEventDateBox, BoxKind::Date);
    boxes.Add(kTagEventCPI, BoxKind::Cents);
    boxes.Add(kTagProceedsBox, BoxKind::Dollars);
    boxes.Add(kTagPercentDisposedBox, BoxKind::Cents);
    boxes.Add(kTagDaysNotExemptBox, BoxKind::Dollars);
    boxes.Add(kTagTotalDaysBox, BoxKind::Dollars);
    for (int t : {kTagIndexedProceeds, kTagIndexedGain, kTagDiscountProceeds, kTagDiscountGain, kTagOtherProceeds,
                  kTagOtherGain, kTagLossProceeds, kTagCapitalLoss})
        boxes.Add(t, BoxKind::Dollars);

    // The worksheet totals through the adjusted cost bases, and the event's
    // CPI, proceeds and percentage, keep cents.
    for (int t = kTagWorksheetTotalNonIndexed; t <= kTagLastCostBaseBox; ++t) store.SetFieldType(t, dtCurrencyCnt);
    for (int t = kTagEventCPI; t <= kTagPercentDisposedBox; ++t) store.SetFieldType(t, dtCurrencyCnt);
    store.SetFieldUnchecked(kTagHasProceeds);

    core.typeCode = AssetTypeCode(store);
    const std::string& type = core.typeCode;
    result.activeChoice = ActiveChoiceOf(type);
    result.typeChoice = TypeChoiceOf(type);

    GridModel worksheet = MakeWorkGrid(WorksheetGridColumns());
    GridModel reg = MakeWorkGrid(RegisterGridColumns());

    // Base date, event date and proceeds.
    boxes.SetText(kTagBaseDate, BaseDateText(store));
    const int baseDate = DateOfText(boxes.Text(kTagBaseDate)).value_or(0);

    const std::optional<int> eventDate = FieldDate(store, kTagEventDate);
    core.eventDatePresent = eventDate.has_value();
    const long double proceedsField = store.GetFieldVal(kTagCapitalProceeds);
    if (AmountPresent(proceedsField)) {
        store.SetFieldChecked(kTagHasProceeds);
        core.eventDay = eventDate.value_or(0);
        core.proceeds = proceedsField;
    }
    const int E = core.eventDay;

    // Cost base starting point.
    HeadRows head;
    const long double adjIndexed = store.GetFieldVal(kTagHistoryIndexed),
                      adjNonIndexed = store.GetFieldVal(kTagHistoryNonIndexed),
                      adjReduced = store.GetFieldVal(kTagHistoryReduced);
    const long double entIndexed = store.GetFieldVal(kTagEnteredIndexedCostBase),
                      entNonIndexed = store.GetFieldVal(kTagEnteredNonIndexedCostBase),
                      entReduced = store.GetFieldVal(kTagEnteredReducedCostBase);
    const bool enteredCostBase = AmountPresent(entIndexed) || AmountPresent(entNonIndexed) || AmountPresent(entReduced);
    if (AmountPresent(adjIndexed) || AmountPresent(adjNonIndexed) || AmountPresent(adjReduced)) {
        head = {
            true,
            FieldDate(store, kTagHistoryDate),
            adjIndexed,
            adjNonIndexed,
            adjReduced,
            {"Adjusted cost base - indexed", "Adjusted cost base - discount/non-indexed", "Adjusted reduced cost base"},
            {"Adjusted Cost base - indexed", "Adjusted Cost base - discount/non-indexed",
             "Adjusted Reduced cost base"}};
    } else if (enteredCostBase) {
        head = {true,
                CostBaseDate(store),
                entIndexed,
                entNonIndexed,
                entReduced,
                {"Cost base - indexed", "Cost base - discount/non-indexed", "Reduced cost base"},
                {"Cost base - indexed", "Cost base - discount/non-indexed", "Reduced cost base"}};
    }

    // Method availability and whole years held.
    bool noIndexation = false, noDiscount = false;
    if (IndexationExcludedByDates(store, baseDate)) noIndexation = true;
    if (enteredCostBase && store.FieldIsEmpty(kTagEnteredIndexedCostBase)) noIndexation = true;
    if (E > 0 && E < kDiscountStart) noDiscount = true;
    if (store.FieldChecked(kTagEventBefore1145am)) noDiscount = true;
    if (enteredCostBase && store.FieldIsEmpty(kTagEnteredNonIndexedCostBase)) noDiscount = true;

    const bool baseConverts = DateOfText(boxes.Text(kTagBaseDate)).has_value();
    result.wholeYears = baseConverts && E > 0 ? WholeYearsHeld(baseDate, E) : 0;
    core.heldTwelveMonths = result.wholeYears > 0;
    if (!core.heldTwelveMonths) noIndexation = noDiscount = true;

    // Event boxes. An event with a date but no positive proceeds still shows
    // its own date and quarter; E stays 0 for the rest of the calculation.
    if (eventDate) boxes.SetText(kTagEventDateBox, DateToText(*eventDate));
    const long double eventCPI = QuarterCPIOfText(boxes.Text(kTagEventDateBox), kFrozenCPI);
    boxes.Set(kTagEventCPI, eventCPI);
    if (core.proceeds > 0) boxes.Set(kTagProceedsBox, Round(core.proceeds));
    boxes.Set(kTagPercentDisposedBox, store.GetFieldVal(kTagPercentDisposed));
    boxes.Set(kTagDaysNotExemptBox, Round(store.GetFieldVal(kTagDaysNotExempt)));
    boxes.Set(kTagTotalDaysBox, Round(store.GetFieldVal(kTagTotalDays)));
    for (int t : {kTagNonAssessableNonIndexed, kTagNonAssessableIndexed, kTagNonAssessableReduced})
        boxes.Set(t, kExplicitZero);

    // Worksheet rows.
    int row = 1;
    const std::string headDate = head.date ? DateToText(*head.date) : std::string();
    if (head.present) {
        long double costCPI = 100.0L, factor = 1.0L;
        if (core.heldTwelveMonths) {
            costCPI = head.date ? QuarterCPI(*head.date) : eventCPI;
            factor = IndexationFactor(eventCPI, costCPI);
        }
        worksheet.SetCell(0, row, headDate);
        worksheet.SetCell(1, row, head.worksheetLabels[0]);
        worksheet.SetCell(2, row, AmountCell(head.indexed));
        worksheet.SetCell(5, row, AmountCell(head.indexed));
        worksheet.SetCell(6, row, CPICell(costCPI, 2));
        worksheet.SetCell(7, row, CPICell(eventCPI, 2));
        worksheet.SetCell(8, row, FactorCell(factor));
        worksheet.SetCell(9, row, AmountCell(Round(head.indexed * factor)));
        ++row;
        worksheet.SetCell(0, row, headDate);
        worksheet.SetCell(1, row, head.worksheetLabels[1]);
        worksheet.SetCell(2, row, AmountCell(head.nonIndexed));
        worksheet.SetCell(4, row, AmountCell(head.nonIndexed));
        ++row;
        worksheet.SetCell(0, row, headDate);
        worksheet.SetCell(1, row, head.worksheetLabels[2]);
        worksheet.SetCell(2, row, AmountCell(head.reduced));
        worksheet.SetCell(11, row, AmountCell(head.reduced));
        ++row;
    }

    // Cost element rows after the adjusted cost base date, or from the base
    // date on. A row whose date does not convert cannot be placed before
    // either, so it is taken in (without indexation).
    const TextListPtr costList = store.GetFieldLst(kTagCostElements);
    const std::optional<int> adjustedDate = FieldDate(store, kTagHistoryDate);
    std::vector<std::size_t> costRows;
    if (costList) {
        const std::size_t n = (costList->size() + kCostElementCells - 1) / kCostElementCells;
        for (std::size_t r = 0; r < n; ++r) {
            if (Trim(CellAt(*costList, r, kCostElementCode, kCostElementCells)).empty()) continue;
            const std::optional<int> incurred =
                DateOfText(CellAt(*costList, r, kCostElementIncurred, kCostElementCells));
            if (incurred) {
                if (adjustedDate ? *incurred <= *adjustedDate : *incurred < baseDate) continue;
            }
            costRows.push_back(r);
        }
    }
    long double adjNonIndexedBox = 0, adjReducedBox = 0;  // balancing adjustment boxes as they run
    for (std::size_t r : costRows) {
        const TextList& l = *costList;
        const std::string code = CodeOf(CellAt(l, r, kCostElementCode, kCostElementCells));
        const std::string incurredText = CellAt(l, r, kCostElementIncurred, kCostElementCells);
        const std::string description = CellAt(l, r, kCostElementDescription, kCostElementCells);
        const long double amt = AmountOfText(CellAt(l, r, kCostElementAmount, kCostElementCells));
        const long double exc = AmountOfText(CellAt(l, r, kCostElementExcluded, kCostElementCells));
        if (code == "3B" || code == "6R") {
            adjReducedBox = Round(adjReducedBox + (amt - exc));
            continue;
        }
        if (code == "6C") {
            adjNonIndexedBox = Round(adjNonIndexedBox + (amt - exc));
            continue;
        }
        if (code == "3A") {
            // Non-capital costs of ownership never count for personal-use
            // assets and collectables.
            if (type == "P" || type == "A") continue;
            worksheet.SetCell(0, row, incurredText);
            worksheet.SetCell(1, row, description);
            worksheet.SetCell(2, row, AmountCell(amt));
            worksheet.SetCell(3, row, AmountCell(exc));
            worksheet.SetCell(4, row, AmountCell(amt - exc));
            worksheet.SetCell(9, row, AmountCell(amt - exc));
            ++row;
            continue;
        }
        const std::int64_t u = Round(amt - exc);
        const long double costCPI = QuarterCPIOfText(incurredText, eventCPI);
        const long double factor = IndexationFactor(eventCPI, costCPI);
        const std::int64_t v = Round(u * factor);
        worksheet.SetCell(0, row, incurredText);
        worksheet.SetCell(1, row, description);
        worksheet.SetCell(2, row, AmountCell(amt));
        worksheet.SetCell(3, row, AmountCell(exc));
        worksheet.SetCell(4, row, AmountCell(u));
        worksheet.SetCell(6, row, CPICell(costCPI, 2));
        worksheet.SetCell(8, row, FactorCell(factor));
        worksheet.SetCell(9, row, AmountCell(v));
        worksheet.SetCell(10, row, AmountCell(exc));
        worksheet.SetCell(11, row, AmountCell(amt - exc));
        ++row;
        if (code == "2B") {
            core.s2bNonIndexed = Round(core.s2bNonIndexed + u);
            core.s2bIndexed += v;
            core.s2bReduced += amt - exc;
        }
    }
    boxes.Set(kTagBalancingNonIndexed, adjNonIndexedBox);
    boxes.Set(kTagBalancingIndexed, boxes.Value(kTagBalancingNonIndexed));
    boxes.Set(kTagBalancingReduced, adjReducedBox);

    // Totals.
    const long double t4 = worksheet.ColumnTotal(4), t9 = worksheet.ColumnTotal(9), t11 = worksheet.ColumnTotal(11);
    store.SetFieldType(kTagWorksheetTotalNonIndexed, dtCurrencyCnt);
    store.SetFieldVal(kTagWorksheetTotalNonIndexed, t4);
    store.SetFieldType(kTagWorksheetTotalIndexed, dtCurrencyCnt);
    store.SetFieldVal(kTagWorksheetTotalIndexed, t9);
    store.SetFieldType(kTagWorksheetTotalReduced, dtCurrencyCnt);
    store.SetFieldVal(kTagWorksheetTotalReduced, t11);

    // Cost bases and adjusted cost bases.
    boxes.Set(kTagCostBaseNonIndexed, Round(t4 + boxes.Value(kTagBalancingNonIndexed)));
    boxes.Set(kTagCostBaseIndexed, Round(t9 + boxes.Value(kTagBalancingIndexed)));
    boxes.Set(kTagReducedCostBase, Round(t11 + boxes.Value(kTagBalancingReduced)));
    boxes.Set(kTagAdjustedNonIndexed,
              Round(boxes.Value(kTagCostBaseNonIndexed) - boxes.Value(kTagNonAssessableNonIndexed)));
    boxes.Set(kTagAdjustedIndexed, Round(boxes.Value(kTagCostBaseIndexed) - boxes.Value(kTagNonAssessableIndexed)));
    boxes.Set(kTagAdjustedReduced, Round(boxes.Value(kTagReducedCostBase) - boxes.Value(kTagNonAssessableReduced)));

    // Asset register.
    int regRow = 1;
    if (head.present) {
        const char* codes[3] = {"1A", "1B", "1C"};
        const long double amounts[3] = {head.indexed, head.nonIndexed, head.reduced};
        for (int i = 0; i < 3; ++i, ++regRow) {
            reg.SetCell(1, regRow, headDate);
            reg.SetCell(3, regRow, head.registerLabels[i]);
            reg.SetCell(4, regRow, codes[i]);
            reg.SetCell(6, regRow, AmountCell(amounts[i]));
        }
    }
    for (std::size_t r : costRows) {
        const TextList& l = *costList;
        const std::string code = CodeOf(CellAt(l, r, kCostElementCode, kCostElementCells));
        const std::string excluded = CellAt(l, r, kCostElementExcluded, kCostElementCells);
        reg.SetCell(1, regRow, CellAt(l, r, kCostElementIncurred, kCostElementCells));
        reg.SetCell(2, regRow, CellAt(l, r, kCostElementPaid, kCostElementCells));
        reg.SetCell(3, regRow, CellAt(l, r, kCostElementDescription, kCostElementCells));
        reg.SetCell(4, regRow, code);
        reg.SetCell(6, regRow, CellAt(l, r, kCostElementAmount, kCostElementCells));
        if (code != "3B" && code != "6R") reg.SetCell(7, regRow, excluded);
        if (code != "3A" && code != "6C") reg.SetCell(8, regRow, excluded);
        reg.SetCell(10, regRow, CellAt(l, r, kCostElementComments, kCostElementCells));
        ++regRow;
    }
    if (core.proceeds > 0) {
        const std::string eventText = store.GetFieldStr(kTagEventDate);
        reg.SetCell(0, regRow, eventText);
        reg.SetCell(1, regRow, eventText);
        reg.SetCell(3, regRow, "Capital proceeds");
        reg.SetCell(4, regRow, "O");
        reg.SetCell(5, regRow, "O");
        reg.SetCell(6, regRow, AmountCell(core.proceeds));
        const char* mark = store.FieldChecked(kTagRollOverNo)             ? "N"
                           : store.FieldChecked(kTagMarriageBreakdownYes) ? "Y"
                           : store.FieldChecked(kTagMarriageBreakdownNo)  ? "C"
                                                                          : "";
        reg.SetCell(9, regRow, mark);
    }

    SaveGridToField(store, kTagRegisterGrid, reg);
    SaveGridToField(store, kTagWorksheetGrid, worksheet);

    core.indexationUnavailable = noIndexation;
    core.discountUnavailable = noDiscount;
    result.indexationAvailable = !noIndexation;
    result.discountAvailable = !noDiscount;
}

void WriteResultMessages(FieldStore& store, WorksheetCore& core, long double indexedGain, long double discountGain,
                         long double otherGain, long double loss, const char* smallBusinessText) {
    for (int t : {kTagResultMessage1, kTagResultMessage2}) {
        if (store.FieldType(t) != dtString) {
            store.ClearField(t);
            store.SetFieldType(t, dtString);
        }
    }
    const bool anyResult = indexedGain >= 1 || discountGain >= 1 || otherGain >= 1 || loss >= 1;
    const bool active = IsActiveType(core.typeCode);
    const char* first = nullptr;
    if (!anyResult)
        first = kMsgNoGainOrLoss;
    else if (store.FieldChecked(kTagMarriageBreakdownYes))
        first = kMsgDisregarded;
    else if (active && store.FieldChecked(kTagFifteenYearExemption))
        first = kMsgFifteenYear;
    else if (active)
        first = smallBusinessText;
    else if (store.FieldChecked(kTagMarriageBreakdownNo))
        first = kMsgRollOverChoice;
    if (first) {
        store.SetFieldStr(kTagResultMessage1, first);
        core.result.message1 = first;
    } else {
        store.ClearField(kTagResultMessage1);
    }

    const int E = core.eventDay;
    if (E >= kIncomeYearStart && E <= kIncomeYearEnd && indexedGain > kExplicitZero && discountGain > kExplicitZero) {
        store.SetFieldStr(kTagResultMessage2, kMsgChooseMethod);
        core.result.message2 = kMsgChooseMethod;
    } else {
        store.ClearField(kTagResultMessage2);
    }
}

}  // namespace cgt
