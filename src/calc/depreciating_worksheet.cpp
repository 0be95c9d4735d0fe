#include "base/rounding.h"
#include "calc/asset_worksheet.h"
#include "calc/calc_util.h"
#include "calc/worksheet_core.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

// The boxes of one column of the screen, top to bottom.
struct DepColumn {
    int proceeds, cost, before, fraction, reductions, adjusted, gain;
    int storedCost;  // the column's cost base: written directly
};
constexpr DepColumn kIndexed{kTagIndexedProceeds,    kTagDepCostIndexed,       kTagDepBeforeIndexed,
                             kTagDepFractionIndexed, kTagDepReductionsIndexed, kTagDepAdjustedIndexed,
                             kTagIndexedGain,        kTagIndexedCostBase};
constexpr DepColumn kDiscount{kTagDiscountProceeds,    kTagDepCostDiscount,       kTagDepBeforeDiscount,
                              kTagDepFractionDiscount, kTagDepReductionsDiscount, kTagDepAdjustedDiscount,
                              kTagDiscountGain,        kTagDiscountCostBase};
constexpr DepColumn kOther{kTagOtherProceeds,      kTagDepCostOther,     kTagDepBeforeOther, kTagDepFractionOther,
                           kTagDepReductionsOther, kTagDepAdjustedOther, kTagOtherGain,      kTagOtherCostBase};
constexpr DepColumn kLoss{kTagLossProceeds,      kTagDepCostLoss,     kTagDepBeforeLoss, kTagDepFractionLoss,
                          kTagDepReductionsLoss, kTagDepAdjustedLoss, kTagCapitalLoss,   kTagLossCostBase};

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

    const long double component = Round(boxes.Value(kTagAdjustedIndexed)) - Round(boxes.Value(kTagAdjustedNonIndexed));
    result.indexationComponent = component;
    const std::int64_t cost = Round(store.GetFieldVal(kTagDepreciatingCost));
    const std::int64_t proceeds = Round(boxes.Value(kTagProceedsBox));

    const std::string useText = store.FieldAsText(kTagTaxableUsePercent);
    const long double reductionsSum = store.GetFieldVal(kTagSumOfReductions),
                      totalDecline = store.GetFieldVal(kTagTotalDecline);
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

    WriteResultMessages(store, core, boxes.Value(kIndexed.gain), boxes.Value(kDiscount.gain), boxes.Value(kOther.gain),
                        boxes.Value(kLoss.gain), kMsgSmallBusinessDepreciating);

    boxes.Save(store);
    result.disabledBoxes = boxes.DisabledTags();
    return result;
}

AssetWorksheetResult CalculateDepreciatingWorksheetInstance(FieldStore& store, int instance) {
    store.LoadInstance(kWsDepreciating, instance);
    AssetWorksheetResult result = CalculateDepreciatingWorksheet(store);
    store.StoreInstance(kWsDepreciating, instance);
    return result;
}

}  // namespace cgt
