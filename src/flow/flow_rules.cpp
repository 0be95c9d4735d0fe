#include "flow/flow_rules.h"

#include <algorithm>

#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {

namespace {

// Where the introductory and event questions lead when a category is
// skipped, and the index of the other-receipts question that ends the asset
// categories.
constexpr int kOtherReceipts = 96;

}  // namespace

const std::vector<FlowRow>& FlowRows() {
    // number, Yes (or Next), No, pending type, stage, stage on No, deleted on No, navigator entry,
    // numeric progress, hides picker
    static const std::vector<FlowRow> rows = [] {
        // clang-format off
        std::vector<FlowRow> r = {
            // Information screens
            {2004, StepBy(1),   {},          0,                0,  0, {},                                2004},
            {2005, StepTo(88),  {}},
            {2088, StepTo(6),   {},          0,                0,  0, {},                                2088},
            {2032, StepBy(1),   {},          0,                0,  0, {},                                0, false, true},
            {2074, StepBy(1),   {}},
            {2102, StepBy(1),   {},          0,                0,  0, {},                                2102},
            // Shares
            {2006, StepBy(1),   StepBy(12),  0,                1,  0, {ListFieldOf(kWsShares)},          2006, true},
            {2007, StepBy(2),   StepBy(11),  kWsShares,        1,  0, {ListFieldOf(kWsShares)},          2006},
            {2017, StepBy(-8),  StepBy(1)},
            // Trusts: a beneficiary's No deletes the trust interests and the distributions
            {2018, StepBy(1),   StepBy(13),  0,                2,  4, {ListFieldOf(kWsTrustInterest), ListFieldOf(kWsOtherTrust), kTagTrustTable}, 2018},
            {2020, StepBy(2),   StepBy(11),  kWsTrustInterest, 3,  0, {ListFieldOf(kWsTrustInterest)},   2020},
            {2030, StepBy(-8),  StepBy(1)},
            // Real estate
            {2031, StepBy(1),   StepBy(11),  0,                5,  0, {ListFieldOf(kWsRealEstate)},      2031},
            {2033, StepBy(2),   StepBy(9),   kWsRealEstate,    5,  0, {ListFieldOf(kWsRealEstate)},      2031},
            {2041, StepBy(-6),  StepBy(1)},
            // Depreciating assets
            {2042, StepBy(1),   StepBy(10),  0,                8,  0, {ListFieldOf(kWsDepreciating)},    2042},
            {2043, StepBy(2),   StepBy(9),   kWsDepreciating,  8,  0, {ListFieldOf(kWsDepreciating)},    2042},
            {2051, StepBy(-6),  StepBy(1)},
            // Personal use assets and collectables
            {2052, StepBy(1),   StepBy(10),  0,                6,  0, {ListFieldOf(kWsPersonalUse)},     2052},
            {2053, StepBy(2),   StepBy(9),   kWsPersonalUse,   6,  0, {ListFieldOf(kWsPersonalUse)},     2052},
            {2061, StepBy(-6),  StepBy(1)},
            // Other assets
            {2062, StepBy(1),   StepBy(10),  0,                7,  0, {ListFieldOf(kWsOtherAssets)},     2062},
            {2063, StepBy(2),   StepBy(9),   kWsOtherAssets,   7,  0, {ListFieldOf(kWsOtherAssets)},     2062},
            {2071, StepBy(-6),  StepBy(1)},
            // Rights created in another entity: the last category, so No goes on to other receipts
            {2072, StepBy(1),   StepTo(kOtherReceipts), 0,                8,  0, {ListFieldOf(kWsCreatedRights)}, 2072},
            {2073, StepBy(2),   StepTo(kOtherReceipts), kWsCreatedRights, 8,  0, {ListFieldOf(kWsCreatedRights)}, 2072},
            {2081, StepBy(-6),  StepTo(kOtherReceipts)},
            // Other receipts
            {2096, StepBy(1),   StepBy(3),   kWsOtherReceipts, 13, 0, {ListFieldOf(kWsOtherReceipts)},   2096},
            {2098, StepBy(-1),  StepBy(1)},
        };
        // clang-format on
        std::sort(r.begin(), r.end(), [](const FlowRow& a, const FlowRow& b) { return a.number < b.number; });
        return r;
    }();
    return rows;
}

const FlowRow* FindFlowRow(int number) {
    const auto& rows = FlowRows();
    const auto it =
        std::lower_bound(rows.begin(), rows.end(), number, [](const FlowRow& r, int n) { return r.number < n; });
    return it != rows.end() && it->number == number ? &*it : nullptr;
}

void RaiseProgress(FieldStore& store, int stage) {
    if (stage > 0 && store.GetFieldVal(kTagProgress) < stage) store.SetFieldVal(kTagProgress, stage);
}

void EnsureNumericField(FieldStore& store, int tag) {
    if (IsNumericType(store.FieldType(tag))) return;
    store.ClearField(tag);
    store.SetFieldType(tag, dtNumeric);
}

void EnsureNumericProgress(FieldStore& store) {
    EnsureNumericField(store, kTagProgress);
}

void ApplyAnswer(const FlowRow& row, Answer answer, FieldStore& store, FlowState& state) {
    if (row.pendingType != 0) state.pendingType = row.pendingType;
    RaiseProgress(store, row.stage);
    if (answer == Answer::No) {
        RaiseProgress(store, row.noStage);
        // Kept or not, the category is left.
        if (!row.deleteOnNo.empty()) store.ClearFields(row.deleteOnNo, true);
        state.screenIndex = row.no.Apply(state.screenIndex);
        return;
    }
    state.screenIndex = row.yes.Apply(state.screenIndex);
}

ScreenPosition ShownPosition(int section, int index) {
    if (section == 20 && index == 99) return {21, 1};
    return {section, index};
}

int BlockTypeOf(int screenNumber) {
    static const struct {
        int first, last, type;
    } blocks[] = {{2009, 2017, kWsShares},        {2022, 2030, kWsTrustInterest}, {2035, 2041, kWsRealEstate},
                  {2045, 2051, kWsDepreciating},  {2055, 2061, kWsPersonalUse},   {2065, 2071, kWsOtherAssets},
                  {2074, 2081, kWsCreatedRights}, {2097, 2098, kWsOtherReceipts}};
    for (const auto& b : blocks)
        if (screenNumber >= b.first && screenNumber <= b.last) return b.type;
    return 0;
}

int RegistrationStep(int worksheetType, bool described) {
    if (described) return kBlockStep;
    switch (worksheetType) {
        case kWsShares:
        case kWsTrustInterest: return 8;
        case kWsCeasingResidency: return 5;
        default: return worksheetType >= kWsRealEstate && worksheetType <= kWsDepreciating ? 6 : 1;
    }
}

int DeferralStep(int worksheetType, bool hasReceipts) {
    if (worksheetType == kWsShares || worksheetType == kWsTrustInterest) return hasReceipts ? 1 : 2;
    if (worksheetType >= kWsOtherTrust && worksheetType <= kWsCeasingResidency) return 1;
    return 2;
}

WorksheetOpening OpeningFor(WorksheetRole role, int pendingType, bool reopen, int worksheetNumber) {
    switch (role) {
        case WorksheetRole::None: return {};
        case WorksheetRole::Registration:
        case WorksheetRole::Receipt:
            if (reopen) return {WorksheetOpening::Instance, pendingType, worksheetNumber};
            return {WorksheetOpening::NewInstance, pendingType, 0};
        case WorksheetRole::BlockScreen: return {WorksheetOpening::Instance, pendingType, reopen ? worksheetNumber : 1};
    }
    return {};
}

}  // namespace cgt
