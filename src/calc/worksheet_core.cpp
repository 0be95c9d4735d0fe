#include "calc/worksheet_core.h"

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/calc_util.h"
#include "calc/cpi.h"
#include "calc/work_grid.h"
#include "calc/worksheet_grids.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

// Cells of a cost element row (field 737).
enum CostCell { kCostCode = 0, kCostIncurred, kCostPaid, kCostDescription, kCostAmount, kCostExcluded };
constexpr int kCostCells = 8;

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
    boxes.Add(1101, BoxKind::Date);
    for (int t = 1109; t <= 1120; ++t) boxes.Add(t, BoxKind::Dollars);
    boxes.Add(1121, BoxKind::Date);
    boxes.Add(1122, BoxKind::Cents);
    boxes.Add(1123, BoxKind::Dollars);
    boxes.Add(1124, BoxKind::Cents);
    boxes.Add(1125, BoxKind::Dollars);
    boxes.Add(1126, BoxKind::Dollars);
    for (int t : {1130, 1132, 1133, 1135, 1136, 1138, 1140, 1141}) boxes.Add(t, BoxKind::Dollars);

    for (int t = 1106; t <= 1120; ++t) store.SetFieldType(t, dtCurrencyCnt);
    for (int t = 1122; t <= 1124; ++t) store.SetFieldType(t, dtCurrencyCnt);
    store.SetFieldUnchecked(1196);

    core.typeCode = AssetTypeCode(store);
    const std::string& type = core.typeCode;
    result.activeChoice = ActiveChoiceOf(type);
    result.typeChoice = TypeChoiceOf(type);

    GridModel worksheet = MakeWorkGrid(WorksheetGridColumns());
    GridModel reg = MakeWorkGrid(RegisterGridColumns());

    // Base date, event date and proceeds.
    boxes.SetText(1101, BaseDateText(store));
    const int baseDate = DateOfText(boxes.Text(1101)).value_or(0);

    const std::optional<int> eventDate = FieldDate(store, 739);
    core.eventDatePresent = eventDate.has_value();
    const long double proceedsField = store.GetFieldVal(742);
    if (AmountPresent(proceedsField)) {
        store.SetFieldChecked(1196);
        core.eventDay = eventDate.value_or(0);
        core.proceeds = proceedsField;
    }
    const int E = core.eventDay;

    // Cost base starting point.
    HeadRows head;
    const long double adjIndexed = store.GetFieldVal(1153), adjNonIndexed = store.GetFieldVal(1152),
                      adjReduced = store.GetFieldVal(1154);
    const long double entIndexed = store.GetFieldVal(734), entNonIndexed = store.GetFieldVal(735),
                      entReduced = store.GetFieldVal(736);
    const bool enteredCostBase = AmountPresent(entIndexed) || AmountPresent(entNonIndexed) || AmountPresent(entReduced);
    if (AmountPresent(adjIndexed) || AmountPresent(adjNonIndexed) || AmountPresent(adjReduced)) {
        head = {
            true,
            FieldDate(store, 1151),
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
    if (enteredCostBase && store.FieldIsEmpty(734)) noIndexation = true;
    if (E > 0 && E < kDiscountStart) noDiscount = true;
    if (store.FieldChecked(741)) noDiscount = true;
    if (enteredCostBase && store.FieldIsEmpty(735)) noDiscount = true;

    const bool baseConverts = DateOfText(boxes.Text(1101)).has_value();
    result.wholeYears = baseConverts && E > 0 ? WholeYearsHeld(baseDate, E) : 0;
    core.heldTwelveMonths = result.wholeYears > 0;
    if (!core.heldTwelveMonths) noIndexation = noDiscount = true;

    // Event boxes. An event with a date but no positive proceeds still shows
    // its own date and quarter; E stays 0 for the rest of the calculation.
    if (eventDate) boxes.SetText(1121, DateToText(*eventDate));
    const long double eventCPI = QuarterCPIOfText(boxes.Text(1121), kFrozenCPI);
    boxes.Set(1122, eventCPI);
    if (core.proceeds > 0) boxes.Set(1123, Round(core.proceeds));
    boxes.Set(1124, store.GetFieldVal(743));
    boxes.Set(1125, Round(store.GetFieldVal(744)));
    boxes.Set(1126, Round(store.GetFieldVal(745)));
    for (int t : {1115, 1116, 1117}) boxes.Set(t, kExplicitZero);

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
    const TextListPtr costList = store.GetFieldLst(737);
    const std::optional<int> adjustedDate = FieldDate(store, 1151);
    std::vector<std::size_t> costRows;
    if (costList) {
        const std::size_t n = (costList->size() + kCostCells - 1) / kCostCells;
        for (std::size_t r = 0; r < n; ++r) {
            if (Trim(CellAt(*costList, r, kCostCode, kCostCells)).empty()) continue;
            const std::optional<int> incurred = DateOfText(CellAt(*costList, r, kCostIncurred, kCostCells));
            if (incurred) {
                if (adjustedDate ? *incurred <= *adjustedDate : *incurred < baseDate) continue;
            }
            costRows.push_back(r);
        }
    }
    long double adjNonIndexedBox = 0, adjReducedBox = 0;  // boxes 1109, 1111 as they run
    for (std::size_t r : costRows) {
        const TextList& l = *costList;
        const std::string code = CodeOf(CellAt(l, r, kCostCode, kCostCells));
        const std::string incurredText = CellAt(l, r, kCostIncurred, kCostCells);
        const std::string description = CellAt(l, r, kCostDescription, kCostCells);
        const long double amt = AmountOfText(CellAt(l, r, kCostAmount, kCostCells));
        const long double exc = AmountOfText(CellAt(l, r, kCostExcluded, kCostCells));
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
    boxes.Set(1109, adjNonIndexedBox);
    boxes.Set(1110, boxes.Value(1109));
    boxes.Set(1111, adjReducedBox);

    // Totals.
    const long double t4 = worksheet.ColumnTotal(4), t9 = worksheet.ColumnTotal(9), t11 = worksheet.ColumnTotal(11);
    store.SetFieldType(1106, dtCurrencyCnt);
    store.SetFieldVal(1106, t4);
    store.SetFieldType(1107, dtCurrencyCnt);
    store.SetFieldVal(1107, t9);
    store.SetFieldType(1108, dtCurrencyCnt);
    store.SetFieldVal(1108, t11);

    // Cost bases and adjusted cost bases.
    boxes.Set(1112, Round(t4 + boxes.Value(1109)));
    boxes.Set(1113, Round(t9 + boxes.Value(1110)));
    boxes.Set(1114, Round(t11 + boxes.Value(1111)));
    boxes.Set(1118, Round(boxes.Value(1112) - boxes.Value(1115)));
    boxes.Set(1119, Round(boxes.Value(1113) - boxes.Value(1116)));
    boxes.Set(1120, Round(boxes.Value(1114) - boxes.Value(1117)));

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
        const std::string code = CodeOf(CellAt(l, r, kCostCode, kCostCells));
        const std::string excluded = CellAt(l, r, kCostExcluded, kCostCells);
        reg.SetCell(1, regRow, CellAt(l, r, kCostIncurred, kCostCells));
        reg.SetCell(2, regRow, CellAt(l, r, kCostPaid, kCostCells));
        reg.SetCell(3, regRow, CellAt(l, r, kCostDescription, kCostCells));
        reg.SetCell(4, regRow, code);
        reg.SetCell(6, regRow, CellAt(l, r, kCostAmount, kCostCells));
        if (code != "3B" && code != "6R") reg.SetCell(7, regRow, excluded);
        if (code != "3A" && code != "6C") reg.SetCell(8, regRow, excluded);
        reg.SetCell(10, regRow, CellAt(l, r, 7, kCostCells));
        ++regRow;
    }
    if (core.proceeds > 0) {
        const std::string eventText = store.GetFieldStr(739);
        reg.SetCell(0, regRow, eventText);
        reg.SetCell(1, regRow, eventText);
        reg.SetCell(3, regRow, "Capital proceeds");
        reg.SetCell(4, regRow, "O");
        reg.SetCell(5, regRow, "O");
        reg.SetCell(6, regRow, AmountCell(core.proceeds));
        const char* mark = store.FieldChecked(721)   ? "N"
                           : store.FieldChecked(722) ? "Y"
                           : store.FieldChecked(723) ? "C"
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
    for (int t : {1142, 1143}) {
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
    else if (store.FieldChecked(722))
        first = kMsgDisregarded;
    else if (active && store.FieldChecked(746))
        first = kMsgFifteenYear;
    else if (active)
        first = smallBusinessText;
    else if (store.FieldChecked(723))
        first = kMsgRollOverChoice;
    if (first) {
        store.SetFieldStr(1142, first);
        core.result.message1 = first;
    } else {
        store.ClearField(1142);
    }

    const int E = core.eventDay;
    if (E >= kIncomeYearStart && E <= kIncomeYearEnd && indexedGain > kExplicitZero && discountGain > kExplicitZero) {
        store.SetFieldStr(1143, kMsgChooseMethod);
        core.result.message2 = kMsgChooseMethod;
    } else {
        store.ClearField(1143);
    }
}

}  // namespace cgt
