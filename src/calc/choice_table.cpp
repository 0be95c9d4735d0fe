#include "calc/choice_table.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "base/clock.h"
#include "base/numtext.h"
#include "base/rounding.h"
#include "base/text.h"
#include "calc/asset_codes.h"
#include "grid/grid_model.h"
#include "grid/row_order.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

using namespace choice;

// A trust gain component: where it shows in the table and how it is grossed
// up (trust amounts arrive after the discount and the active asset reduction).
struct TrustPart {
    const char* code;
    const char* suffix;
    const char* assetType;
    int column;
    int factor;
    int collectableEntry, otherEntry, transferredEntry;  // in the losses-applied list
};

// In part-code order A1 .. A9.
constexpr TrustPart kTrustParts[kTrustComponents] = {
    {"A1", " - Trust Col/Ind", "A", kIndexedGain, 1, 5, 6, 25},
    {"A2", " - Trust Oth/Ind", "ON", kIndexedGain, 1, 7, 8, 26},
    {"A3", " - Trust SBAA/Ind", "OA", kIndexedGain, 2, 9, 10, 27},
    {"A4", " - Trust Col/Dis", "A", kDiscountGain, 2, 11, 12, 28},
    {"A5", " - Trust Oth/Dis", "ON", kDiscountGain, 2, 13, 14, 29},
    {"A6", " - Trust SBAA/Dis", "OA", kDiscountGain, 4, 15, 16, 30},
    {"A7", " - Trust Col/Oth", "A", kOtherGain, 1, 17, 18, 31},
    {"A8", " - Trust Oth/Oth", "ON", kOtherGain, 1, 19, 20, 32},
    {"A9", " - Trust SBAA/Oth", "OA", kOtherGain, 2, 21, 22, 33},
};
// A trust asset's worksheet keeps one field per component, in part-code order.
static_assert(std::size(kTrustParts) == kTagLastTrustComponent - kTagFirstTrustComponent + 1);
// The trust distribution table holds the components in this order.
constexpr int kTrustCellOrder[kTrustComponents] = {1, 4, 7, 0, 3, 6, 2, 5, 8};  // indexes into kTrustParts

struct LossEntries {
    int collectable, other, transferred;
};
constexpr LossEntries kDisposalEntries{1, 2, 23};
constexpr LossEntries kReceiptEntries{3, 4, 24};
constexpr int kLossesAppliedEntries = 34;

const TrustPart* PartByCode(const std::string& code) {
    for (const auto& p : kTrustParts)
        if (code == p.code) return &p;
    return nullptr;
}

// Position 0 .. 8 of a part in the trust table's component order; -1 for none.
int TrustComponentPosition(const std::string& code) {
    for (int k = 0; k < kTrustComponents; ++k)
        if (code == kTrustParts[kTrustCellOrder[k]].code) return k;
    return -1;
}

std::optional<LossEntries> EntriesOfPart(const std::string& code) {
    if (code == "C") return kDisposalEntries;
    if (code == "B") return kReceiptEntries;
    if (const TrustPart* p = PartByCode(code))
        return LossEntries{p->collectableEntry, p->otherEntry, p->transferredEntry};
    return std::nullopt;
}

double CellNumber(const std::string& text) {
    return double(StrToFloatDef(Trim(text), 0));
}

std::string WholeCell(long double v) {
    return FloatToStrWD(v, 10, 0);
}

bool IsExplicitZero(long double v) {
    return std::fabs(double(v) - 0.0011) < 1e-9;
}

// Both gains present, and not both the typed zero: the taxpayer must choose.
bool ChoiceNeeded(long double indexed, long double discount) {
    return indexed >= 0.0011L - 1e-12L && discount >= 0.0011L - 1e-12L &&
           !(IsExplicitZero(indexed) && IsExplicitZero(discount));
}

std::string ListEntry(const TextListPtr& list, int index) {
    if (!list || index < 0 || index >= int(list->size())) return {};
    return Trim((*list)[std::size_t(index)]);
}

void SetLossCells(ChoiceRow& row, const TextListPtr& list, const LossEntries& e) {
    row[kCollectableApplied] = ListEntry(list, e.collectable);
    row[kOtherApplied] = ListEntry(list, e.other);
    if (list && list->size() > 23) row[kTransferredApplied] = ListEntry(list, e.transferred);
}

ChoiceRow EmptyRow() {
    return ChoiceRow{};
}

bool BlankRow(const ChoiceRow& r) {
    return std::all_of(r.begin(), r.end(), [](const std::string& s) { return TrimView(s).empty(); });
}

}  // namespace

const std::vector<std::string>& ChoiceGridColumns() {
    static const std::vector<std::string> columns = {
        "Section / Grouping|2|0|30|0|T|F|0|||||-1|0|F|F|",
        "Asset Description|2|0|50|0|F|F|0|||||-1|0|",
        "Asset\rType|2|0|2|0|T|F|0|||||-1|0|",
        "Indexed\rgain\r(I)|2|1|10|0|F|F||F||||-1|0|F|",
        "Discount\rgain\r(D)|2|1|10|0|F|F||F||||-1|0|F|",
        "Choice\rReq'd|2|0|3|0|T|F|0|||||-1|0|",
        "Method\rchoice\r(I or D)|2|0|30|0|F|T|0||||2|1|2|Discount|Indexed|",
        "Other\rgain|2|1|10|0|F|F||F||||-1|0|F|",
        "Loss|2|1|10|0|F|F||F||||-1|0|F|",
        "Can\rgain be\rdeferred?|2|0|3|0|T|F|0|||||-1|0|F|F|",
        "Deferment\rautomatic|2|0|3|0|T|F|0|||||-1|0|F|F|",
        "Do you\rwant to\rdefer?|2|0|3|0|F|T|0||||2|1|2|No|Yes|",
        "Collect\r-able\rloss applied|2|1|8|0|F|F||F||||-1|0|F|",
        "Prior year\rcollect\r-able loss applied|2|1|10|0|T|F||F||||-1|0|F|",
        "Other\rloss applied|2|1|10|0|F|F||F||||-1|0|F|",
        "Prior year\rother loss\rapplied|2|1|10|0|T|F||F||||-1|0|F|",
        "Net gain|2|1|10|0|F|F|2|F||||-1|0|F|",
        "W/sheet number|2|1|3|0|T|F||F||||-1|0|T|",
        "W/sheet count|2|1|2|0|T|F||F||||-1|0|T|",
        "Part A or B|2|0|1|0|T|F|0|||||-1|0|",
        "Index factor|2|1|30|0|F|F|5|F||||-1|0|T|",
    };
    return columns;
}

const std::vector<std::string>& UnappliedLossGridColumns() {
    static const std::vector<std::string> columns = {
        "Unapplied losses|2|0|30|0|F|F|0|||||-1|0|F|T|",
        "Collectable\rloss|2|1|8|0|F|F||F||||-1|0|F|T|",
        "Other\rloss|2|1|8|0|F|F||F||||-1|0|F|T|",
    };
    return columns;
}

std::string SectionName(int typeTag) {
    static const char* const kNames[] = {"Shares",       "Trusts",       "Other trust",        "Real estate",
                                         "Personal use", "Other assets", "Creation of rights", "Depreciating assets",
                                         "SB status",    "Bankrupt",     "Residency",          "Other cap pay"};
    if (typeTag >= kFirstAssetType && typeTag <= kLastAssetType) return kNames[typeTag - kFirstAssetType];
    return "Not allocated";
}

std::string IndexFactorText(double indexed, double discount) {
    if (discount == 0) return FloatToStrWD(0, 10, 5);
    return FloatToStrWD(indexed / discount * 100.0, 10, 5);
}

std::string ChoiceTable::Section(const ChoiceRow& r) {
    const std::string s = Trim(r[kSection]);
    return s.empty() ? "Not Allocated" : s;
}
std::string ChoiceTable::AssetType(const ChoiceRow& r) {
    const std::string s = Trim(r[kAssetType]);
    return s.empty() ? "Z" : s;
}
static std::string YesNo(const std::string& cell) {
    const std::string s = Trim(cell);
    return s.empty() ? "No" : s;
}
std::string ChoiceTable::ChoiceReq(const ChoiceRow& r) {
    return YesNo(r[kChoiceReq]);
}
std::string ChoiceTable::CanDefer(const ChoiceRow& r) {
    return YesNo(r[kCanDefer]);
}
std::string ChoiceTable::DeferAuto(const ChoiceRow& r) {
    return YesNo(r[kDeferAuto]);
}
std::string ChoiceTable::WantDefer(const ChoiceRow& r) {
    return YesNo(r[kWantDefer]);
}
std::string ChoiceTable::Method(const ChoiceRow& r) {
    const std::string s = Trim(r[kMethod]);
    return s.empty() ? "None" : s;
}
bool ChoiceTable::Deferred(const ChoiceRow& r) {
    return DeferAuto(r) == "Yes" || WantDefer(r) == "Yes";
}

double ChoiceTable::Amount(const ChoiceRow& r, int column) {
    const std::string t = Trim(r[std::size_t(column)]);
    if (t.empty()) return 0;
    return double(Round(StrToFloatDef(t, 0)));
}

void ChoiceTable::Build(FieldStore& store, bool sortBySource) {
    rows.clear();
    currentCollectableLosses = 0;
    currentOtherLosses = 0;
    store.SetFieldChecked(kTagNoGains);
    store.SetFieldUnchecked(kTagGainsExist);
    auto sourcesExist = [&] {
        store.SetFieldChecked(kTagGainsExist);
        store.SetFieldUnchecked(kTagNoGains);
    };

    // 1. Trust distributions, one row per component present.
    if (const TextListPtr trusts = store.GetFieldLst(kTagTrustTable)) {
        const std::size_t count = trusts->size() / kTrustRowCells;
        for (std::size_t m = 0; m < count; ++m) {
            sourcesExist();
            const auto cell = [&](int c) { return (*trusts)[m * kTrustRowCells + std::size_t(c)]; };
            for (int k = 0; k < kTrustComponents; ++k) {
                const TrustComponentCells cells = TrustCellsOf(k);
                const std::string amount = cell(cells.gain);
                if (Trim(amount).empty()) continue;
                const TrustPart& part = kTrustParts[kTrustCellOrder[k]];
                ChoiceRow row = EmptyRow();
                row[kSection] = "Other trust";
                row[kDescription] = cell(kTrustNameCol) + part.suffix;
                row[kAssetType] = part.assetType;
                row[std::size_t(part.column)] =
                    part.factor == 1 ? amount : WholeCell(StrToFloatDef(Trim(amount), 0) * part.factor);
                row[kChoiceReq] = "No";
                row[kCanDefer] = "No";
                row[kCollectableApplied] = Trim(cell(cells.collectableApplied));
                row[kOtherApplied] = Trim(cell(cells.otherApplied));
                row[kTransferredApplied] = Trim(cell(cells.transferredApplied));
                row[kSourceTag] = std::to_string(kTagTrustTable);
                row[kSourceIndex] = std::to_string(m);
                row[kPart] = part.code;
                rows.push_back(row);
            }
        }
    }

    // 2. The manual calculation table.
    if (const TextListPtr manual = store.GetFieldLst(kTagManualTable)) {
        const std::size_t count = manual->size() / kColumnCount;
        for (std::size_t m = 0; m < count; ++m) {
            sourcesExist();
            const auto cell = [&](int c) -> const std::string& { return (*manual)[m * kColumnCount + std::size_t(c)]; };
            if (cell(kDescription).empty()) continue;
            ChoiceRow row = EmptyRow();
            for (int c : {0, 1, 2, 3, 4, 7, 8, 9, 10, 11, 12, 14, 15}) row[std::size_t(c)] = cell(c);
            const std::string i = Trim(cell(kIndexedGain)), d = Trim(cell(kDiscountGain));
            const long double iv = StrToFloatDef(i, 0), dv = StrToFloatDef(d, 0);
            if (!i.empty() && !d.empty() && ChoiceNeeded(iv, dv)) {
                row[kChoiceReq] = "Yes";
                row[kIndexFactor] = IndexFactorText(double(iv), double(dv));
                row[kMethod] = Trim(cell(kMethod));
            } else {
                row[kChoiceReq] = "No";
            }
            row[kSourceTag] = std::to_string(kTagManualTable);
            row[kSourceIndex] = std::to_string(m);
            row[kPart] = "C";
            rows.push_back(row);
        }
    }

    // 3. Every asset worksheet.
    for (int type = kFirstAssetType; type <= kLastAssetType; ++type) {
        const int count = store.WorksheetCount(type);
        const WorksheetListPtr list = store.WorksheetList(type);
        for (int n = 1; n <= count; ++n) {
            sourcesExist();
            store.LoadWorksheetInstance(list, n);
            const std::string assetType = Trim(store.GetFieldStr(kTagAssetType)).substr(0, 2);
            const std::string code = Trim(assetType);
            const auto val = [&](int tag) { return store.GetFieldVal(tag); };
            if (store.FieldChecked(kTagFifteenYearExemption) && IsActiveType(code) && !(val(kTagCapitalLoss) > 0))
                continue;
            const std::string name = store.GetFieldStr(kTagAssetDescription);
            const TextListPtr applied = store.GetFieldLst(kTagLossesApplied);
            const std::string method = Trim(store.GetFieldStr(kTagMethodChosen));
            // The receipts row keeps its method apart from the disposal row's;
            // a return saved before it had one kept it in the disposal's field,
            // which only the receipts row used when there was no disposal.
            const bool receiptMethodKept = store.FieldType(kTagReceiptMethodChosen) != dtNone;
            const std::string receiptMethod = receiptMethodKept || store.FieldChecked(kTagHasProceeds)
                                                  ? Trim(store.GetFieldStr(kTagReceiptMethodChosen))
                                                  : method;
            auto start = [&] {
                ChoiceRow row = EmptyRow();
                row[kSection] = SectionName(type);
                row[kSourceTag] = std::to_string(type);
                row[kSourceIndex] = std::to_string(n);
                return row;
            };
            if ((type == kWsTrustInterest || type == kWsOtherTrust) && store.FieldChecked(kTagTrustComponentsPresent)) {
                for (int p = 0; p < kTrustComponents; ++p) {
                    const long double v = val(kTagFirstTrustComponent + p);
                    if (!(v > 0)) continue;
                    const TrustPart& part = kTrustParts[p];
                    ChoiceRow row = start();
                    row[kDescription] = name + (p == 3 ? std::string(" - Trust Col/Disc") : part.suffix);
                    row[kAssetType] = part.assetType;
                    row[std::size_t(part.column)] = WholeCell(v * part.factor);
                    row[kChoiceReq] = "No";
                    row[kCanDefer] = "No";
                    SetLossCells(row, applied, {part.collectableEntry, part.otherEntry, part.transferredEntry});
                    row[kPart] = part.code;
                    rows.push_back(row);
                }
            }
            const auto gainsRow = [&](ChoiceRow& row, int indexedTag, int discountTag) {
                const long double iv = val(indexedTag), dv = val(discountTag);
                if (iv > 0) row[kIndexedGain] = WholeCell(iv);
                if (dv > 0) row[kDiscountGain] = WholeCell(dv);
                if (ChoiceNeeded(iv, dv)) {
                    row[kChoiceReq] = "Yes";
                    row[kIndexFactor] = IndexFactorText(double(iv), double(dv));
                    return true;
                }
                row[kChoiceReq] = "No";
                return false;
            };
            if ((type == kWsShares || type == kWsTrustInterest || type == kWsOtherTrust || type == kWsOtherAssets ||
                 type == kWsCreatedRights) &&
                store.FieldChecked(kTagReceiptGainThisYear)) {
                ChoiceRow row = start();
                row[kDescription] = name + " - Non-ass receipt";
                row[kAssetType] = "ON";
                if (gainsRow(row, kTagReceiptGainIndexedCurrent, kTagReceiptGainDiscountCurrent) &&
                    !receiptMethod.empty())
                    row[kMethod] = receiptMethod;
                if (val(kTagReceiptGainOtherCurrent) > 0.0011L)
                    row[kOtherGain] = WholeCell(val(kTagReceiptGainOtherCurrent));
                row[kCanDefer] = "No";
                SetLossCells(row, applied, kReceiptEntries);
                row[kPart] = "B";
                rows.push_back(row);
            }
            if (store.FieldChecked(kTagHasProceeds)) {
                ChoiceRow row = start();
                row[kDescription] = name + " - Disposal";
                row[kAssetType] = code;
                gainsRow(row, kTagIndexedGain, kTagDiscountGain);
                row[kMethod] = method;
                if (val(kTagOtherGain) > 0) row[kOtherGain] = WholeCell(val(kTagOtherGain));
                if (val(kTagCapitalLoss) > 0) row[kLoss] = WholeCell(val(kTagCapitalLoss));
                if (store.FieldChecked(kTagRollOverYes)) {
                    row[kCanDefer] = "Yes";
                    if (store.FieldChecked(kTagMarriageBreakdownYes))
                        row[kDeferAuto] = "Yes";
                    else
                        row[kWantDefer] = Trim(store.GetFieldStr(kTagDeferChosen));
                } else {
                    row[kCanDefer] = "No";
                }
                SetLossCells(row, applied, kDisposalEntries);
                row[kPart] = "C";
                rows.push_back(row);
            }
        }
    }
    store.EmptyWorkingTags();

    // 4. Current-year losses by pool, and their total.
    for (const auto& r : rows) {
        const double loss = CellNumber(r[kLoss]);
        if (IsCollectableType(AssetType(r)))
            currentCollectableLosses += loss;
        else
            currentOtherLosses += loss;
    }
    // The total the grid's column shows.
    NumberColumnTotal lossTotal;
    for (const auto& r : rows) lossTotal.Add(r[kLoss]);
    store.SetFieldVal(kTagLossTotal, lossTotal.Value());

    if (sortBySource) SortRows("17,18,19");
}

void ChoiceTable::SortRows(const std::string& keys) {
    // In the entry grid's row order on the grid's columns, so the table
    // orders rows exactly as the screen's grid does. Blank rows are dropped,
    // as the grid's list form does.
    const std::vector<int> keyCols = ParseSortKeys(keys, kColumnCount);
    if (!keyCols.empty() && rows.size() > 1) {
        std::vector<ColKind> kinds;
        for (int c : keyCols) kinds.push_back(ParseColumnSpecOnce(ChoiceGridColumns()[std::size_t(c)]).spec.kind);
        const std::vector<std::size_t> order =
            SortedRowOrder(rows.size(), keyCols, kinds, DefaultClock(),
                           [&](std::size_t row, int col) -> const std::string& { return rows[row][std::size_t(col)]; });
        // Put in order where they stand, one cycle of the order at a time:
        // a second table of an investor's rows is not needed.
        std::vector<bool> placed(rows.size());
        for (std::size_t start = 0; start < rows.size(); ++start) {
            if (placed[start]) continue;
            ChoiceRow first = std::move(rows[start]);
            std::size_t at = start;
            for (std::size_t from = order[at]; from != start; at = from, from = order[at]) {
                rows[at] = std::move(rows[from]);
                placed[at] = true;
            }
            rows[at] = std::move(first);
            placed[at] = true;
        }
    }
    rows.erase(std::remove_if(rows.begin(), rows.end(), BlankRow), rows.end());
}

void ChoiceTable::MakeMethodChoices() {
    for (auto& r : rows) {
        if (ChoiceReq(r) != "Yes" || Method(r) != "None") continue;
        r[kMethod] = Amount(r, kDiscountGain) / 2 > Amount(r, kIndexedGain) ? "Indexed" : "Discount";
    }
}

void ChoiceTable::ClearChoices() {
    for (auto& r : rows)
        for (int c :
             {kMethod, kWantDefer, kCollectableApplied, kPriorCollectableApplied, kOtherApplied, kTransferredApplied})
            r[std::size_t(c)].clear();
}

void ChoiceTable::MakeDeferChoices() {
    for (auto& r : rows) {
        if (CanDefer(r) != "Yes") continue;
        const std::string want = Trim(r[kWantDefer]);
        if (!want.empty() && want != "Yes") continue;
        const bool lossFilled = !Trim(r[kLoss]).empty() && CellNumber(r[kLoss]) > 0;
        r[kWantDefer] = lossFilled ? "No" : "Yes";
    }
}

std::vector<std::string> ChoiceTable::ToList() const {
    std::vector<std::string> list;
    list.reserve(rows.size() * kColumnCount);
    for (const auto& r : rows)
        if (!BlankRow(r)) list.insert(list.end(), r.begin(), r.end());
    return list;
}

void ChoiceTable::WriteBack(FieldStore& store) const {
    const TextListPtr trusts = store.GetFieldLst(kTagTrustTable);
    const TextListPtr manual = store.GetFieldLst(kTagManualTable);
    const auto setCell = [](const TextListPtr& list, std::size_t index, const std::string& text) {
        if (list && index < list->size()) (*list)[index] = text;
    };
    std::size_t i = 0;
    while (i < rows.size()) {
        const ChoiceRow& r = rows[i];
        const std::string tag = Trim(r[kSourceTag]);
        const auto m = TryStrToInt(r[kSourceIndex]);
        if (tag == std::to_string(kTagTrustTable) && m && *m >= 0) {
            if (const int k = TrustComponentPosition(Trim(r[kPart])); k >= 0) {
                const std::size_t base = std::size_t(*m) * kTrustRowCells;
                const TrustComponentCells cells = TrustCellsOf(k);
                setCell(trusts, base + std::size_t(cells.collectableApplied), r[kCollectableApplied]);
                setCell(trusts, base + std::size_t(cells.otherApplied), r[kOtherApplied]);
                setCell(trusts, base + std::size_t(cells.transferredApplied), r[kTransferredApplied]);
            }
            ++i;
            continue;
        }
        if (tag == std::to_string(kTagManualTable) && m && *m >= 0) {
            const std::size_t base = std::size_t(*m) * kColumnCount;
            for (int c : {kMethod, kWantDefer, kCollectableApplied, kOtherApplied, kTransferredApplied})
                setCell(manual, base + std::size_t(c), r[std::size_t(c)]);
            ++i;
            continue;
        }
        const auto type = TryStrToInt(tag);
        if (!type || *type < kFirstAssetType || *type > kLastAssetType || !m || *m < 1) {
            ++i;
            continue;
        }
        // The consecutive rows of one worksheet go back together.
        store.LoadInstance(int(*type), int(*m));
        auto applied = std::make_shared<TextList>(kLossesAppliedEntries, " ");
        (*applied)[0] = "Losses Applied";
        for (; i < rows.size() && rows[i][kSourceTag] == r[kSourceTag] && rows[i][kSourceIndex] == r[kSourceIndex];
             ++i) {
            const ChoiceRow& row = rows[i];
            const std::string part = Trim(row[kPart]);
            if (const auto e = EntriesOfPart(part)) {
                const auto put = [&](int entry, const std::string& text) {
                    (*applied)[std::size_t(entry)] = Trim(text).empty() ? std::string(" ") : text;
                };
                put(e->collectable, row[kCollectableApplied]);
                put(e->other, row[kOtherApplied]);
                put(e->transferred, row[kTransferredApplied]);
            }
            if (part == "B") store.SetFieldStr(kTagReceiptMethodChosen, row[kMethod]);
            if (part == "C") {
                store.SetFieldStr(kTagMethodChosen, row[kMethod]);
                store.SetFieldStr(kTagDeferChosen, row[kWantDefer]);
            }
        }
        if (store.FieldType(kTagLossesApplied) != dtNone && store.FieldType(kTagLossesApplied) != dtList)
            store.SetFieldType(kTagLossesApplied, dtNone);
        store.SetFieldLst(kTagLossesApplied, applied);
        store.StoreInstance(int(*type), int(*m));
    }
    if (trusts) store.SetFieldLst(kTagTrustTable, trusts);
    if (manual) store.SetFieldLst(kTagManualTable, manual);
}

}  // namespace cgt
