#include "calc/concessions.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/asset_codes.h"
#include "calc/cgt_schedule.h"
#include "calc/choice_table.h"
#include "grid/grid_model.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

constexpr const char* kElectionsTitle = "SBAA concessions";

double Cell(const std::vector<std::string>& row, std::size_t c) {
    return c < row.size() ? double(StrToFloatDef(Trim(row[c]), 0)) : 0;
}
bool Filled(const std::vector<std::string>& row, std::size_t c) {
    return c < row.size() && !Trim(row[c]).empty();
}
std::string WholeCell(double v) {
    return FloatToStrWD(v, 10, 0);
}

std::vector<std::string> Flatten(const std::vector<std::vector<std::string>>& rows) {
    std::vector<std::string> list;
    for (const auto& r : rows) {
        if (std::all_of(r.begin(), r.end(), [](const std::string& s) { return Trim(s).empty(); })) continue;
        list.insert(list.end(), r.begin(), r.end());
    }
    return list;
}

std::vector<std::vector<std::string>> Rows(const TextListPtr& list, std::size_t width) {
    std::vector<std::vector<std::string>> rows;
    if (!list) return rows;
    for (std::size_t k = 0; k * width < list->size(); ++k) {
        std::vector<std::string> row(width);
        for (std::size_t c = 0; c < width; ++c)
            if (k * width + c < list->size()) row[c] = (*list)[k * width + c];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::pair<int, int>> Source(const std::vector<std::string>& row, std::size_t typeCol) {
    const auto type = TryStrToInt(row[typeCol]);
    const auto number = TryStrToInt(row[typeCol + 1]);
    if (!type || !number) return std::nullopt;
    return std::make_pair(int(*type), int(*number));
}

// Where the elections for a gain of the concessions list are kept.
struct ElectionHome {
    enum Kind { None, Worksheet, TrustRow, ManualRow };
    Kind kind = None;
    int type = 0;  // the worksheet type
    int n = 0;     // the worksheet number, or the row of the table (from 0)
};

ElectionHome HomeOf(const std::vector<std::string>& row) {
    const auto source = Source(row, 7);
    if (!source) return {};
    const auto [tag, n] = *source;
    if (tag == kTagTrustTable && n >= 0) return {ElectionHome::TrustRow, 0, n};
    if (tag == kTagManualTable && n >= 0) return {ElectionHome::ManualRow, 0, n};
    if (tag >= kFirstAssetType && tag <= kLastAssetType && n >= 1) return {ElectionHome::Worksheet, tag, n};
    return {};
}

// The cell of the trust table that keeps the 50% active asset reduction of a
// trust's gain: by the method of its net gain, which tells its part (the
// active-asset gain is indexed, discounted or other).
std::optional<std::size_t> TrustReductionCell(const std::vector<std::string>& row, int m) {
    for (int method = 0; method < 3; ++method)
        if (Filled(row, std::size_t(1 + method)))
            return std::size_t(m) * kTrustRowCells + std::size_t(kTrustFirstReductionCol + method);
    return std::nullopt;
}

std::size_t ManualElectionCell(int m, int kind) {
    return std::size_t(m) * choice::kColumnCount + std::size_t(kManualFirstElectionCol + kind);
}

// A kept election fills its cell; a blank one leaves it as the list has it.
void FillElection(std::string& cell, const std::string& kept) {
    if (!Trim(kept).empty()) cell = kept;
}

// A table's list, copied for the elections to be written into it.
TextListPtr CopyOfList(FieldStore& store, int tag) {
    const TextListPtr list = store.GetFieldLst(tag);
    return list ? std::make_shared<TextList>(*list) : nullptr;
}

// Calls `visit` with every asset worksheet unpacked in the working tags
// (read only: nothing is stored back).
template <typename Visit>
void ForEachAssetWorksheet(FieldStore& store, int firstType, int lastType, Visit visit) {
    for (int type = firstType; type <= lastType; ++type) {
        const WorksheetListPtr list = store.WorksheetList(type);
        const int count = store.WorksheetCount(type);
        for (int n = 1; n <= count; ++n) {
            store.LoadWorksheetInstance(list, n);
            visit(type, n);
        }
    }
    store.EmptyWorkingTags();
}

}  // namespace

std::vector<std::vector<std::string>> GridRows(const GridModel& grid) {
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < grid.RowCount(); ++r) rows.push_back(grid.Row(r));
    return rows;
}

void ConcessionElections::Show(FieldStore& store) {
    rows = Rows(store.GetFieldLst(kTagConcessionGains), kConcessionGainCells);
    const TextListPtr trusts = store.GetFieldLst(kTagTrustTable);
    const TextListPtr manual = store.GetFieldLst(kTagManualTable);
    for (auto& row : rows) {
        if (Trim(row[0]).empty()) continue;
        const ElectionHome home = HomeOf(row);
        switch (home.kind) {
            case ElectionHome::Worksheet:
                store.LoadInstance(home.type, home.n);
                if (const TextListPtr elections = store.GetFieldLst(kTagElections); elections && !elections->empty()) {
                    for (std::size_t k = 1; k <= 3 && k < elections->size(); ++k)
                        FillElection(row[3 + k], (*elections)[k]);
                }
                store.StoreInstance(home.type, home.n);
                break;
            case ElectionHome::TrustRow:
                if (const auto cell = TrustReductionCell(row, home.n); cell && trusts && *cell < trusts->size())
                    FillElection(row[4], (*trusts)[*cell]);
                break;
            case ElectionHome::ManualRow:
                for (int kind = 0; kind < 3; ++kind)
                    if (const std::size_t cell = ManualElectionCell(home.n, kind); manual && cell < manual->size())
                        FillElection(row[std::size_t(4 + kind)], (*manual)[cell]);
                break;
            case ElectionHome::None: break;
        }
    }
}

std::optional<GridCheckFailure> ConcessionElections::Validate() const {
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto& row = rows[std::size_t(i)];
        if (Trim(row[0]).empty()) continue;
        const double g = Filled(row, 1)   ? Cell(row, 1)
                         : Filled(row, 2) ? Cell(row, 2)
                         : Filled(row, 3) ? Cell(row, 3)
                                          : 0;
        const double a = Cell(row, 4), e = Cell(row, 5), o = Cell(row, 6);
        if (a > g / 2)
            return GridCheckFailure{"Check amount. SBAA concession cannot be greater than 50% of net capital gain.", i,
                                    4};
        if (HomeOf(row).kind == ElectionHome::TrustRow && (e != 0 || o != 0))
            return GridCheckFailure{kMsgTrustConcessionNotOpen, i, e != 0 ? 5 : 6};
        if (e > g / 2)
            return GridCheckFailure{"Check amount. SBRE concession cannot be greater than 50% of net capital gain.", i,
                                    5};
        if (o > g / 2)
            return GridCheckFailure{"Check amount. SBRO concession cannot be greater than 50% of net capital gain.", i,
                                    6};
        if (g < a + e + o)
            return GridCheckFailure{"Check amounts. Total concession cannot be greater than 50% of net capital gain.",
                                    i, 4};
    }
    return std::nullopt;
}

void ConcessionElections::Next(FieldStore& store) const {
    double totals[3][3] = {};  // [SBAAR, SBRE, SBRO][indexed, discount, other]
    // The tables' rows take their elections in copies, stored whole at the end.
    TextListPtr trusts, manual;
    for (const auto& row : rows) {
        if (Trim(row[0]).empty()) continue;
        const ElectionHome home = HomeOf(row);
        switch (home.kind) {
            case ElectionHome::Worksheet:
                store.LoadInstance(home.type, home.n);
                if (store.FieldType(kTagElections) != dtNone && store.FieldType(kTagElections) != dtList)
                    store.SetFieldType(kTagElections, dtNone);
                store.SetFieldLst(kTagElections,
                                  std::make_shared<TextList>(TextList{kElectionsTitle, row[4], row[5], row[6]}));
                store.StoreInstance(home.type, home.n);
                break;
            case ElectionHome::TrustRow:
                if (!trusts) trusts = CopyOfList(store, kTagTrustTable);
                if (const auto cell = TrustReductionCell(row, home.n); cell && trusts && *cell < trusts->size())
                    (*trusts)[*cell] = row[4];
                break;
            case ElectionHome::ManualRow:
                if (!manual) manual = CopyOfList(store, kTagManualTable);
                for (int kind = 0; kind < 3; ++kind)
                    if (const std::size_t cell = ManualElectionCell(home.n, kind); manual && cell < manual->size())
                        (*manual)[cell] = row[std::size_t(4 + kind)];
                break;
            case ElectionHome::None: break;
        }
        for (int kind = 0; kind < 3; ++kind)
            for (int method = 0; method < 3; ++method)
                if (Filled(row, std::size_t(1 + method))) totals[kind][method] += Cell(row, std::size_t(4 + kind));
    }
    if (trusts) store.SetFieldLst(kTagTrustTable, trusts);
    if (manual) store.SetFieldLst(kTagManualTable, manual);
    store.LoadInstance(kScheduleType, 1);
    // Part G holds a three-column row per concession, in the order of `totals`.
    for (int kind = 0; kind < 3; ++kind)
        for (int method = 0; method < 3; ++method)
            store.SetFieldVal(kTagSchedReductionIndexed + kind * 3 + method, double(Round(totals[kind][method])));
    RecomputeScheduleTotals(store);
    store.StoreInstance(kScheduleType, 1);
}

std::vector<std::string> ConcessionElections::ToList() const {
    return Flatten(rows);
}

void FifteenYearExemption::Show(FieldStore& store) {
    rows.clear();
    ForEachAssetWorksheet(store, kFirstAssetType, kLastAssetType, [&](int, int) {
        const std::string code = Trim(store.GetFieldStr(kTagAssetType)).substr(0, 2);
        const std::string type = Trim(code);
        if (!store.FieldChecked(kTagFifteenYearExemption) || type.empty() || !IsActiveType(type)) return;
        if (store.GetFieldVal(kTagCapitalLoss) > 0) return;
        double gain = 0;
        if (store.GetFieldVal(kTagIndexedGain) > 0.0011L)
            gain = double(store.GetFieldVal(kTagIndexedGain));
        else if (store.GetFieldVal(kTagDiscountGain) > 0)
            gain = double(store.GetFieldVal(kTagDiscountGain));
        else if (store.GetFieldVal(kTagOtherGain) > 0)
            gain = double(store.GetFieldVal(kTagOtherGain));
        rows.push_back({store.GetFieldStr(kTagAssetDescription), type.substr(0, 1), WholeCell(gain)});
    });
    // By gain, then asset type; ties keep their order.
    std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
        const double x = Cell(a, 2), y = Cell(b, 2);
        if (x != y) return x < y;
        return UpperCase(a[1]) < UpperCase(b[1]);
    });
}

void FifteenYearExemption::Next(FieldStore& store) const {
    std::string code;
    if (!rows.empty() && !Trim(rows[0][0]).empty() && !rows[0][1].empty()) code = rows[0][1].substr(0, 1);
    double amount = 0;
    for (const auto& row : rows) amount += Cell(row, 2);
    store.LoadInstance(kScheduleType, 1);
    store.SetFieldVal(kTagSchedExemptGains, amount);
    store.SetFieldStr(kTagSchedExemptionCode, code);
    store.StoreInstance(kScheduleType, 1);
}

std::vector<std::string> FifteenYearExemption::ToList() const {
    return Flatten(rows);
}

void ScripForScrip::Show(FieldStore& store) {
    rows.clear();
    ForEachAssetWorksheet(store, kWsShares, kWsTrustInterest, [&](int type, int n) {
        if (!store.FieldChecked(kTagScripRollover) || Trim(store.GetFieldStr(kTagDeferChosen)) != "Yes") return;
        const auto v = [&](int tag) { return double(store.GetFieldVal(tag)); };
        const double costBase = v(kTagDiscountCostBase) > 0.0011 ? v(kTagDiscountCostBase)
                                : v(kTagOtherCostBase) > 0       ? v(kTagOtherCostBase)
                                                                 : 0;
        const double proceeds = v(kTagDiscountProceeds) > 0.0011 ? v(kTagDiscountProceeds)
                                : v(kTagOtherProceeds) > 0       ? v(kTagOtherProceeds)
                                                                 : 0;
        rows.push_back({store.GetFieldStr(kTagAssetDescription), WholeCell(costBase),
                        WholeCell(v(kTagScripMarketValue) > 0 ? v(kTagScripMarketValue) : 0),
                        WholeCell(v(kTagScripCash) > 0 ? v(kTagScripCash) : 0), WholeCell(proceeds),
                        std::to_string(type), std::to_string(n)});
    });
}

std::optional<GridCheckFailure> ScripForScrip::Validate() const {
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto& row = rows[std::size_t(i)];
        if (std::trunc(Cell(row, 4)) != std::trunc(Cell(row, 2) + Cell(row, 3)))
            return GridCheckFailure{
                "Market value of replacement plus other consideration must equal total capital proceeds.", i, 2};
    }
    return std::nullopt;
}

void ScripForScrip::Next(FieldStore& store) const {
    double totals[3] = {};
    for (const auto& row : rows) {
        if (Trim(row[0]).empty()) continue;
        if (const auto source = Source(row, 5)) {
            store.LoadInstance(source->first, source->second);
            store.SetFieldVal(kTagScripMarketValue, Cell(row, 2));
            store.SetFieldVal(kTagScripCash, Cell(row, 3));
            store.StoreInstance(source->first, source->second);
        }
    }
    for (const auto& row : rows)
        for (int k = 0; k < 3; ++k) totals[k] += Cell(row, std::size_t(1 + k));
    store.LoadInstance(kScheduleType, 1);
    if (!rows.empty() && !Trim(rows[0][0]).empty()) {
        store.SetFieldChecked(kTagSchedScripYes);
        store.SetFieldUnchecked(kTagSchedScripNo);
    } else {
        store.SetFieldChecked(kTagSchedScripNo);
        store.SetFieldUnchecked(kTagSchedScripYes);
    }
    store.SetFieldVal(kTagSchedScripCostBase, totals[0]);
    store.SetFieldVal(kTagSchedScripMarketValue, totals[1]);
    store.SetFieldVal(kTagSchedScripCash, totals[2]);
    store.StoreInstance(kScheduleType, 1);
}

std::vector<std::string> ScripForScrip::ToList() const {
    return Flatten(rows);
}

}  // namespace cgt
