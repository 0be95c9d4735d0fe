#include "calc/cost_base_history.h"

#include <map>

#include "base/daynumber.h"
#include "base/income_year.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/calc_util.h"
#include "calc/cost_elements.h"
#include "calc/cpi.h"
#include "calc/shown_boxes.h"
#include "calc/work_grid.h"
#include "calc/worksheet_grids.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

// History grid columns.
enum HistoryCol {
    kSortDate = 0,
    kEffective = 1,
    kPaid = 2,
    kEventDate = 3,
    kDescription = 4,
    kCode = 5,
    kEvent = 6,
    kAmount = 7,
    kExcluded = 8,
    kNetNonIndexed = 9,
    kCostCPI = 10,
    kEventCPI = 11,
    kFactor = 12,
    kIndexed = 13,
    kExcludedReduced = 14,
    kReduced = 15,
    kReceipt = 16,
    kReceiptCostBase = 17,
    kReceiptReduced = 18,
    kTotalNonIndexed = 19,
    kTotalIndexed = 20,
    kTotalReduced = 21,
    kProcessed = 22,
};

constexpr int kShareReceiptCells = 6;
constexpr int kTrustReceiptCells = 8;
const char* const kProcessedMark = "*";

std::string CellAt(const TextList& list, std::size_t row, int cell, int cells) {
    const std::size_t i = row * std::size_t(cells) + std::size_t(cell);
    return i < list.size() ? list[i] : std::string();
}
std::size_t RowsIn(const TextListPtr& list, int cells) {
    return list ? (list->size() + std::size_t(cells) - 1) / std::size_t(cells) : 0;
}

// One receipt row of the grid before sorting.
struct Receipt {
    std::string eventDate;    // columns 0 and 3
    std::string paidDate;     // column 2
    std::string receipt;      // column 16
    std::string costBaseAdj;  // column 17
    std::string reducedAdj;   // column 18
};

// Shares: one row per receipt, receipts with the same date of CGT event
// combined, so that each date is replayed once.
std::vector<Receipt> ShareReceipts(const TextListPtr& list) {
    std::vector<Receipt> out;
    struct Sum {
        std::size_t index;
        long double amount, excluded;
        int rows;
    };
    std::map<int, Sum> byDay;
    for (std::size_t r = 0; r < RowsIn(list, kShareReceiptCells); ++r) {
        const std::string event = CellAt(*list, r, 0, kShareReceiptCells);
        if (event.empty()) continue;
        const std::string amount = CellAt(*list, r, 3, kShareReceiptCells);
        const std::string excluded = CellAt(*list, r, 4, kShareReceiptCells);
        const std::optional<int> day = DateOfText(event);
        if (day) {
            auto it = byDay.find(*day);
            if (it != byDay.end()) {
                Sum& s = it->second;
                s.amount += AmountOfText(amount);
                s.excluded += AmountOfText(excluded);
                ++s.rows;
                out[s.index].receipt = FormatGeneral(s.amount);
                out[s.index].costBaseAdj = FormatGeneral(s.excluded);
                out[s.index].reducedAdj = out[s.index].costBaseAdj;
                continue;
            }
            byDay[*day] = Sum{out.size(), AmountOfText(amount), AmountOfText(excluded), 1};
        }
        out.push_back({event, CellAt(*list, r, 1, kShareReceiptCells), amount, excluded, excluded});
    }
    return out;
}

// Trust interests: consecutive rows with the same date of CGT event make one
// receipt of their summed amounts.
std::vector<Receipt> TrustReceipts(const TextListPtr& list) {
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < RowsIn(list, kTrustReceiptCells); ++r)
        if (!CellAt(*list, r, 0, kTrustReceiptCells).empty()) rows.push_back(r);
    std::vector<Receipt> out;
    long double concession = 0, taxFree = 0, exempted = 0, deferred = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::size_t r = rows[i];
        concession += AmountOfText(CellAt(*list, r, 4, kTrustReceiptCells));
        taxFree += AmountOfText(CellAt(*list, r, 5, kTrustReceiptCells));
        exempted += AmountOfText(CellAt(*list, r, 6, kTrustReceiptCells));
        deferred += AmountOfText(CellAt(*list, r, 7, kTrustReceiptCells));
        const std::string event = CellAt(*list, r, 1, kTrustReceiptCells);
        if (i + 1 < rows.size()) {
            const std::string next = CellAt(*list, rows[i + 1], 1, kTrustReceiptCells);
            if (!next.empty() && next == event) continue;
        }
        out.push_back({event, CellAt(*list, r, 0, kTrustReceiptCells), "0", FormatGeneral(-(concession + deferred)),
                       FormatGeneral(-(concession + taxFree + deferred))});
        concession = taxFree = exempted = deferred = 0;
    }
    return out;
}

}  // namespace

bool CostBaseHistoryResult::IsDisabled(int tag) const {
    for (int t : disabledBoxes)
        if (t == tag) return true;
    return false;
}

CostBaseHistoryResult CalculateCostBaseHistory(FieldStore& store, HistoryTwin twin) {
    const bool shares = twin == HistoryTwin::Shares;
    CostBaseHistoryResult result;
    ShownBoxes boxes;
    boxes.Add(kTagBaseDate, BoxKind::Date);
    boxes.Add(kTagHistoryDate, BoxKind::Date);
    for (int t = kTagHistoryNonIndexed; t <= kTagLastHistoryResult; ++t) boxes.Add(t, BoxKind::Dollars);

    const std::string type = AssetTypeCode(store);
    result.activeChoice = ActiveChoiceOf(type);
    result.typeChoice = TypeChoiceOf(type);

    GridModel grid = MakeWorkGrid(HistoryGridColumns());
    grid.ClearRows();
    grid.SetRowCount(kGridDefaultRowCount);

    // Base date.
    boxes.SetText(kTagBaseDate, BaseDateText(store));
    const int baseDate = DateOfText(boxes.Text(kTagBaseDate)).value_or(0);

    const TextListPtr receiptList = store.GetFieldLst(kTagReceipts);
    const std::vector<Receipt> receipts = shares ? ShareReceipts(receiptList) : TrustReceipts(receiptList);
    int lastReceipt = 0;
    for (const Receipt& r : receipts)
        if (auto d = DateOfText(r.eventDate)) lastReceipt = std::max(lastReceipt, *d);

    int row = 1;
    if (AmountPresent(store.GetFieldVal(kTagEnteredIndexedCostBase)) ||
        AmountPresent(store.GetFieldVal(kTagEnteredNonIndexedCostBase)) ||
        AmountPresent(store.GetFieldVal(kTagEnteredReducedCostBase))) {
        const std::optional<int> d = CostBaseDate(store);
        const std::string dText = d ? DateToText(*d) : std::string();
        const struct {
            const char* label;
            const char* code;
            int tag;
        } starts[3] = {{"Cost base - indexed", "1A", kTagEnteredIndexedCostBase},
                       {shares ? "Cost base - non-indexed" : "Cost base - discount/non-indexed", "1B",
                        kTagEnteredNonIndexedCostBase},
                       {"Reduced cost base", "1C", kTagEnteredReducedCostBase}};
        for (const auto& s : starts) {
            grid.SetCell(kSortDate, row, dText);
            grid.SetCell(kEffective, row, dText);
            grid.SetCell(kDescription, row, s.label);
            grid.SetCell(kCode, row, s.code);
            grid.SetCell(kAmount, row, AmountCell(store.GetFieldVal(s.tag)));
            ++row;
        }
    }

    // Costs up to the last receipt. A cost whose date does not convert cannot
    // be placed in the history; the asset worksheet takes it in instead.
    const TextListPtr costs = store.GetFieldLst(kTagCostElements);
    for (std::size_t r = 0; r < RowsIn(costs, kCostElementCells); ++r) {
        const std::string codeCell = CellAt(*costs, r, kCostElementCode, kCostElementCells);
        if (codeCell.empty()) continue;
        const std::string incurred = CellAt(*costs, r, kCostElementIncurred, kCostElementCells);
        const std::optional<int> day = DateOfText(incurred);
        if (!day || *day > lastReceipt) continue;
        const std::string code = CodeOf(codeCell);
        const std::string excluded = CellAt(*costs, r, kCostElementExcluded, kCostElementCells);
        grid.SetCell(kSortDate, row, incurred);
        grid.SetCell(kEffective, row, incurred);
        grid.SetCell(kPaid, row, CellAt(*costs, r, kCostElementPaid, kCostElementCells));
        grid.SetCell(kDescription, row, CellAt(*costs, r, kCostElementDescription, kCostElementCells));
        grid.SetCell(kCode, row, code);
        grid.SetCell(kAmount, row, CellAt(*costs, r, kCostElementAmount, kCostElementCells));
        if (code != "3B") grid.SetCell(kExcluded, row, excluded);
        if (code != "3A") grid.SetCell(kExcludedReduced, row, excluded);
        ++row;
    }

    const std::string eventCode = CodeOf(Trim(store.FieldAsText(kTagReceiptEventCode)));
    for (const Receipt& r : receipts) {
        grid.SetCell(kSortDate, row, r.eventDate);
        grid.SetCell(kEventDate, row, r.eventDate);
        grid.SetCell(kPaid, row, r.paidDate);
        grid.SetCell(kDescription, row, "Capital receipt");
        grid.SetCell(kCode, row, "B");
        grid.SetCell(kEvent, row, eventCode);
        grid.SetCell(kReceipt, row, r.receipt);
        grid.SetCell(kReceiptCostBase, row, r.costBaseAdj);
        grid.SetCell(kReceiptReduced, row, r.reducedAdj);
        ++row;
    }
    grid.SortRows("0,5");

    // Processing.
    store.SetFieldUnchecked(kTagReceiptGainThisYear);
    bool noIndexation = IndexationExcludedByDates(store, baseDate), noDiscount = false;
    const std::optional<int> eventDate = FieldDate(store, kTagEventDate);
    if (eventDate && *eventDate < kDiscountStart) noDiscount = true;
    if (store.FieldChecked(kTagEventBefore1145am)) noDiscount = true;
    if (eventDate) {
        const bool baseConverts = DateOfText(boxes.Text(kTagBaseDate)).has_value();
        const int years = baseConverts ? WholeYearsHeld(baseDate, *eventDate) : 0;
        if (years <= 0) noIndexation = noDiscount = true;
    }
    result.indexationAvailable = !noIndexation;
    result.discountAvailable = !noDiscount;

    long double gainDiscountCurrent = 0, gainDiscountPrior = 0, gainIndexedCurrent = 0, gainIndexedPrior = 0;
    const int passes = grid.RowCount() - 1;
    int receiptRow = 0;
    int d = 0;
    for (int pass = 0; pass < passes; ++pass) {
        long double receipt = 0, adjNonIndexed = 0, adjIndexed = 0, adjReduced = 0;
        int found = 0;
        for (int r = 1; r < grid.RowCount(); ++r) {
            if (grid.Cell(kProcessed, r) != kProcessedMark && !grid.Cell(kEventDate, r).empty()) {
                found = r;
                break;
            }
        }
        if (found) {
            receiptRow = found;
            receipt = AmountOfText(grid.Cell(kReceipt, found));
            const long double rc = AmountOfText(grid.Cell(kReceiptCostBase, found));
            const long double rr = AmountOfText(grid.Cell(kReceiptReduced, found));
            d = DateOfText(grid.Cell(kEventDate, found)).value_or(0);
            grid.SetCell(kProcessed, found, kProcessedMark);
            adjNonIndexed = adjIndexed = receipt - rc;
            adjReduced = receipt - rr;
        }
        const long double p = QuarterCPI(d);

        long double w = 0, c = 0, dr = 0;
        for (int r = 1; r <= receiptRow && r < grid.RowCount(); ++r) {
            if (grid.Cell(kEffective, r).empty() || !grid.Cell(kProcessed, r).empty()) continue;
            const std::string code = CodeOf(grid.Cell(kCode, r));
            const bool indexed = code != "1B" && code != "1C";
            const bool nonIndexed = code != "1A" && code != "1C";
            const bool reduced = code != "1A" && code != "1B";
            const long double amount = AmountOfText(grid.Cell(kAmount, r));
            if (indexed) {
                const long double f = QuarterCPIOfText(grid.Cell(kEffective, r), p);
                grid.SetCell(kEventCPI, r, CPICell(p, 1));
                grid.SetCell(kCostCPI, r, CPICell(f, 1));
                const long double factor = IndexationFactor(p, f);
                grid.SetCell(kFactor, r, FactorCell(factor));
                const std::int64_t j = Round(amount - AmountOfText(grid.Cell(kExcluded, r)));
                const std::int64_t l = Round(j * factor);
                c += l;
                grid.SetCell(kIndexed, r, AmountCell(l));
            }
            if (nonIndexed) {
                const std::int64_t j = Round(amount - AmountOfText(grid.Cell(kExcluded, r)));
                w += j;
                grid.SetCell(kNetNonIndexed, r, AmountCell(j));
            }
            if (reduced) {
                const long double v = amount - AmountOfText(grid.Cell(kExcludedReduced, r));
                dr += v;
                grid.SetCell(kReduced, r, AmountCell(v));
            }
            grid.SetCell(kProcessed, r, kProcessedMark);
        }
        if (w <= 0 && c <= 0 && dr <= 0 && adjNonIndexed <= 0 && adjIndexed <= 0 && adjReduced <= 0) break;

        const std::string dText = DateToText(d);
        const bool currentYear = d >= kIncomeYearStart;
        long double g = w - adjNonIndexed, h = c - adjIndexed, i = dr - adjReduced;
        if (g < 0) {
            g = 0;
            (currentYear ? gainDiscountCurrent : gainDiscountPrior) += adjNonIndexed - w;
            if (currentYear) store.SetFieldChecked(kTagReceiptGainThisYear);
        }
        if (h < 0) {
            h = 0;
            (currentYear ? gainIndexedCurrent : gainIndexedPrior) += adjIndexed - c;
            if (currentYear) store.SetFieldChecked(kTagReceiptGainThisYear);
        }
        if (i < 0) i = 0;

        int at = LastUsedRow(grid) + 1;
        const auto append = [&](const std::string& label, const char* code, long double a, long double b,
                                long double e) {
            grid.SetCell(kSortDate, at, dText);
            grid.SetCell(kEffective, at, dText);
            grid.SetCell(kDescription, at, label);
            grid.SetCell(kCode, at, code);
            grid.SetCell(kTotalNonIndexed, at, AmountCell(a));
            grid.SetCell(kTotalIndexed, at, AmountCell(b));
            grid.SetCell(kTotalReduced, at, AmountCell(e));
            grid.SetCell(kProcessed, at, kProcessedMark);
            ++at;
        };
        append((shares ? "Total Cost bases at " : "Cost bases at ") + dText, "9", w, c, dr);
        append("Receipt adjustments at " + dText, "X", adjNonIndexed, adjIndexed, adjReduced);
        append("Adjusted Costbase " + dText, "Y", g, h, i);

        // The carried cost bases start the next pass; dated a day later so
        // that they sort after this receipt.
        const std::string nextDay = DateToText(d + 1);
        const struct {
            std::string label;
            const char* code;
            long double amount;
        } carried[3] = {{"Cost base - Indexed at " + dText, "1A", h},
                        {"Cost base - non-indexed  at " + dText, "1B", g},
                        {"Reduced cost base at " + dText, "1C", i}};
        for (const auto& s : carried) {
            grid.SetCell(kSortDate, at, nextDay);
            grid.SetCell(kEffective, at, shares ? nextDay : dText);
            grid.SetCell(kDescription, at, s.label);
            grid.SetCell(kCode, at, s.code);
            grid.SetCell(kAmount, at, AmountCell(s.amount));
            ++at;
        }
        grid.SortRows("0,5");

        boxes.SetText(kTagHistoryDate, dText);
        boxes.Set(kTagHistoryNonIndexed, Round(g));
        boxes.Set(kTagHistoryIndexed, Round(h));
        boxes.Set(kTagHistoryReduced, Round(i));
        boxes.Set(kTagReceiptGainDiscountCurrent, Round(gainDiscountCurrent));
        boxes.Set(kTagReceiptGainDiscountPrior, Round(gainDiscountPrior));
        boxes.Set(kTagReceiptGainIndexedCurrent, Round(gainIndexedCurrent));
        boxes.Set(kTagReceiptGainIndexedPrior, Round(gainIndexedPrior));
        boxes.Set(kTagReceiptGainOtherCurrent, 0);
        boxes.Set(kTagReceiptGainOtherPrior, 0);
        if (noIndexation) boxes.ZeroAndDisable({kTagReceiptGainIndexedCurrent, kTagReceiptGainIndexedPrior});
        if (noDiscount) {
            boxes.Set(kTagReceiptGainOtherCurrent, Round(gainDiscountCurrent));
            boxes.Set(kTagReceiptGainOtherPrior, Round(gainDiscountPrior));
            boxes.ZeroAndDisable({kTagReceiptGainDiscountCurrent, kTagReceiptGainDiscountPrior});
        }
        ++result.receiptsProcessed;
    }
    // With no receipt replayed the boxes stay blank: an adjusted cost base of
    // an earlier showing must not outlive its receipts.

    SaveGridToField(store, kTagHistoryGrid, grid);
    boxes.Save(store);
    result.disabledBoxes = boxes.DisabledTags();
    return result;
}

CostBaseHistoryResult CalculateCostBaseHistoryInstance(FieldStore& store, HistoryTwin twin, int worksheetType,
                                                       int instance) {
    store.LoadInstance(worksheetType, instance);
    CostBaseHistoryResult result = CalculateCostBaseHistory(store, twin);
    store.StoreInstance(worksheetType, instance);
    return result;
}

bool HasReceipts(FieldStore& store) {
    // As the deferral screens decide whether the history is shown: a saved
    // grid holds only rows with something in them.
    const TextListPtr list = store.GetFieldLst(kTagReceipts);
    return list && !list->empty();
}

void ClearCostBaseHistory(FieldStore& store) {
    for (int t = kTagFirstHistoryResult; t <= kTagLastHistoryResult; ++t) store.ClearField(t);
    store.ClearField(kTagReceiptGainThisYear);
    store.ClearField(kTagHistoryGrid);
}

std::optional<int> FirstHistoryRowBeforeCgt(FieldStore& store) {
    const TextListPtr list = store.GetFieldLst(kTagHistoryGrid);
    const int cols = int(HistoryGridColumns().size());
    const std::size_t rows = RowsIn(list, cols);
    for (std::size_t r = 0; r < rows; ++r)
        for (int c = 0; c <= 3; ++c)
            if (auto day = DateOfText(CellAt(*list, r, c, cols)); day && *day < kCgtStart) return int(r) + 1;
    return std::nullopt;
}

}  // namespace cgt
