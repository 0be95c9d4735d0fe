#include "base/rounding.h"
#include "calc/asset_worksheet.h"
#include "calc/calc_util.h"
#include "calc/worksheet_core.h"
#include "store/fieldstore.h"

namespace cgt {
namespace {

constexpr int kDepreciatingWorksheetType = 458;

// The boxes of one column of the screen, top to bottom.
struct DepColumn {
    int proceeds, cost, before, fraction, reductions, adjusted, gain;
    int storedCost;  // 1131, 1134, 1137, 1139: written directly
};
constexpr DepColumn kIndexed{1130, 716, 749, 1149, 1166, 1171, 1132, 1131};
constexpr DepColumn kDiscount{1133, 717, 1127, 1161, 1167, 1172, 1135, 1134};
constexpr DepColumn kOther{1136, 718, 1128, 1162, 1168, 1193, 1138, 1137};
constexpr DepColumn kLoss{1140, 747, 1144, 1165, 1169, 1194, 1141, 1139};

void ClearColumn(FieldStore& store, ShownBoxes& boxes, const DepColumn& c) {
    boxes.ZeroAndDisable({c.proceeds, c.cost, c.before, c.fraction, c.reductions, c.adjusted, c.gain});
    store.ClearField(c.storedCost);
}

}  // namespace

AssetWorksheetResult CalculateDepreciatingWorksheet(FieldStore& store) {
    WorksheetCore core;
    ShownBoxes& boxes = core.boxes;
    for (const DepColumn& c : {kIndexed, kDiscount, kOther, kLoss}) {
        boxes.Add(c.cost, BoxKind::Dollars);
        boxes.Add(c.before, BoxKind::Dollars);
        boxes.Add(c.fraction, BoxKind::Percent);
        boxes.Add(c.reductions, BoxKind::Percent);
        boxes.Add(c.adjusted, BoxKind::Dollars);
    }
    RunWorksheetCore(store, core);
    AssetWorksheetResult& result = core.result;

    const long double component = Round(boxes.Value(1119)) - Round(boxes.Value(1118));
    result.indexationComponent = component;
    const std::int64_t cost = Round(store.GetFieldVal(715));
    const std::int64_t proceeds = Round(boxes.Value(1123));

    const std::string useText = store.FieldAsText(711);
    const long double reductionsSum = store.GetFieldVal(712), totalDecline = store.GetFieldVal(713);
    // A decline of 0 cannot divide: the reductions then count for nothing.
    const long double reductions =
        AmountPresent(reductionsSum) && totalDecline > kPresentAbove ? reductionsSum / totalDecline * 100 : 0;

    // Scales a gain or loss by the use that was not taxable, or by the
    // reductions of the decline when no taxable use was given. A typed 0%
    // taxable use leaves the whole amount.
    const auto scale = [&](const DepColumn& c, long double before) -> long double {
        boxes.SetText(c.fraction, useText);
        boxes.Set(c.reductions, reductions);
        const long double fraction = boxes.Value(c.fraction);
        if (fraction > 0) {
            const long double f = fraction > kPresentAbove ? fraction : 0;
            return Round((100 - f) * before / 100);
        }
        return Round(boxes.Value(c.reductions) / 100 * before);
    };

    for (const DepColumn& c : {kIndexed, kDiscount, kOther}) {
        boxes.Set(c.proceeds, proceeds);
        boxes.Set(c.cost, cost);
        long double before = Round(proceeds - cost);
        if (before < 1) before = kExplicitZero;
        boxes.Set(c.before, before);
        long double adjusted = scale(c, boxes.Value(c.before));
        if (c.gain == kIndexed.gain) {
            const bool nothingBefore = boxes.Value(c.before) == kExplicitZero;
            if (nothingBefore) adjusted = kExplicitZero;
            boxes.Set(c.adjusted, adjusted);
            long double gain = boxes.Value(c.adjusted) - component;
            if (gain < 1) gain = kExplicitZero;
            if (nothingBefore) gain = kExplicitZero;
            boxes.Set(c.gain, gain);
            store.SetFieldVal(c.storedCost, component + cost);
        } else {
            boxes.Set(c.adjusted, adjusted);
            boxes.Set(c.gain, boxes.Value(c.adjusted));
            store.SetFieldVal(c.storedCost, cost);
        }
        if (!core.eventDatePresent) ClearColumn(store, boxes, c);
    }

    boxes.Set(kLoss.proceeds, proceeds);
    boxes.Set(kLoss.cost, cost);
    long double lossBefore = Round(cost - proceeds);
    if (lossBefore == 0) lossBefore = kExplicitZero;
    boxes.Set(kLoss.before, lossBefore);
    boxes.Set(kLoss.adjusted, scale(kLoss, boxes.Value(kLoss.before)));
    boxes.Set(kLoss.gain, boxes.Value(kLoss.adjusted));
    store.SetFieldVal(kLoss.storedCost, cost);
    if (!core.eventDatePresent || boxes.Value(kLoss.gain) < 0) ClearColumn(store, boxes, kLoss);

    if (core.indexationUnavailable)
        ClearColumn(store, boxes, kIndexed);
    else
        ClearColumn(store, boxes, kOther);
    if (core.discountUnavailable)
        ClearColumn(store, boxes, kDiscount);
    else
        ClearColumn(store, boxes, kOther);
    if (boxes.Value(kLoss.gain) > kExplicitZero) ClearColumn(store, boxes, kOther);

    WriteResultMessages(store, core, boxes.Value(1132), boxes.Value(1135), boxes.Value(1138), boxes.Value(1141),
                        kMsgSmallBusinessDepreciating);

    boxes.Save(store);
    result.disabledBoxes = boxes.DisabledTags();
    return result;
}

AssetWorksheetResult CalculateDepreciatingWorksheetInstance(FieldStore& store, int instance) {
    store.LoadInstance(kDepreciatingWorksheetType, instance);
    AssetWorksheetResult result = CalculateDepreciatingWorksheet(store);
    store.StoreInstance(kDepreciatingWorksheetType, instance);
    return result;
}

}  // namespace cgt
