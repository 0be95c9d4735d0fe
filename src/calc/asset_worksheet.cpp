#include "calc/asset_worksheet.h"

#include "base/rounding.h"
#include "calc/cost_base_history.h"
#include "calc/worksheet_core.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

// The boxes of one column of the summary: capital proceeds, cost base and
// the gain or loss.
struct Column {
    int proceeds, costBase, gain;
};
constexpr Column kIndexedColumn{kTagIndexedProceeds, kTagIndexedCostBase, kTagIndexedGain};
constexpr Column kDiscountColumn{kTagDiscountProceeds, kTagDiscountCostBase, kTagDiscountGain};
constexpr Column kOtherColumn{kTagOtherProceeds, kTagOtherCostBase, kTagOtherGain};
constexpr Column kLossColumn{kTagLossProceeds, kTagLossCostBase, kTagCapitalLoss};

void ZeroAndDisable(ShownBoxes& boxes, const Column& c) {
    boxes.ZeroAndDisable({c.proceeds, c.costBase, c.gain});
}

}  // namespace

AssetWorksheetResult CalculateAssetWorksheet(FieldStore& store, int worksheetType) {
    // Without receipts the history is not shown, so adjustments it left
    // earlier would outlive the receipts they came from.
    if ((worksheetType == kWsShares || worksheetType == kWsTrustInterest) && !HasReceipts(store))
        ClearCostBaseHistory(store);

    WorksheetCore core;
    ShownBoxes& boxes = core.boxes;
    for (int t : {kTagIndexedCostBase, kTagDiscountCostBase, kTagOtherCostBase, kTagLossCostBase})
        boxes.Add(t, BoxKind::Dollars);
    // Gains from non-assessable receipts are shown as the history left them.
    for (int t = kTagFirstReceiptGain; t <= kTagLastReceiptGain; ++t) boxes.AddPassThrough(t, BoxKind::Dollars);
    RunWorksheetCore(store, core);
    AssetWorksheetResult& result = core.result;
    result.showReceiptGains = worksheetType == kWsShares || worksheetType == kWsTrustInterest;

    // Partial disposal: apportion all but the "2B" costs, which belong to
    // the part disposed of.
    const long double pct = boxes.Value(kTagPercentDisposedBox);
    const bool partial = pct > kPresentAbove && pct != 100;
    if (partial) {
        boxes.Set(kTagIndexedCostBase,
                  Round(pct * (boxes.Value(kTagAdjustedIndexed) - core.s2bIndexed) / 100 + core.s2bIndexed));
        boxes.Set(kTagDiscountCostBase,
                  Round(pct * (boxes.Value(kTagAdjustedNonIndexed) - core.s2bNonIndexed) / 100 + core.s2bNonIndexed));
        boxes.Set(kTagLossCostBase,
                  Round(pct * (boxes.Value(kTagAdjustedReduced) - core.s2bReduced) / 100 + core.s2bReduced));
        result.partialDisposal = true;
        result.remainingIndexed = Round((100 - pct) * (boxes.Value(kTagAdjustedIndexed) - core.s2bIndexed) / 100);
        result.remainingNonIndexed =
            Round((100 - pct) * (boxes.Value(kTagAdjustedNonIndexed) - core.s2bNonIndexed) / 100);
        result.remainingReduced = Round((100 - pct) * (boxes.Value(kTagAdjustedReduced) - core.s2bReduced) / 100);
    } else {
        boxes.Set(kTagIndexedCostBase, Round(boxes.Value(kTagAdjustedIndexed)));
        boxes.Set(kTagDiscountCostBase, Round(boxes.Value(kTagAdjustedNonIndexed)));
        boxes.Set(kTagLossCostBase, Round(boxes.Value(kTagAdjustedReduced)));
    }
    boxes.Set(kTagOtherCostBase, Round(boxes.Value(kTagDiscountCostBase)));
    const std::int64_t proceeds = Round(boxes.Value(kTagProceedsBox));
    for (int t : {kTagIndexedProceeds, kTagDiscountProceeds, kTagOtherProceeds, kTagLossProceeds})
        boxes.Set(t, proceeds);

    // Main residence: only the days not exempt count.
    const long double daysNotExempt = boxes.Value(kTagDaysNotExemptBox), totalDays = boxes.Value(kTagTotalDaysBox);
    const bool apportion = daysNotExempt >= 1 && totalDays >= 1;

    for (const Column& c : {kIndexedColumn, kDiscountColumn, kOtherColumn}) {
        long double gain = Round(boxes.Value(c.proceeds) - boxes.Value(c.costBase));
        if (gain < 1) gain = kExplicitZero;
        if (apportion) gain = Round(gain * daysNotExempt / totalDays);
        boxes.Set(c.gain, gain);
        if (!core.eventDatePresent) ZeroAndDisable(boxes, c);
    }

    long double loss = Round(boxes.Value(kTagLossCostBase) - boxes.Value(kTagLossProceeds));
    if (loss == 0) loss = kExplicitZero;
    if (apportion) loss = Round(loss * daysNotExempt / totalDays);
    // A loss on a personal-use asset is disregarded.
    if (loss > 0 && core.typeCode == "P") loss = kExplicitZero;
    boxes.Set(kTagCapitalLoss, loss);
    if (!core.eventDatePresent || loss < 0) ZeroAndDisable(boxes, kLossColumn);

    // Method selection.
    if (core.indexationUnavailable)
        ZeroAndDisable(boxes, kIndexedColumn);
    else
        ZeroAndDisable(boxes, kOtherColumn);
    if (core.discountUnavailable)
        ZeroAndDisable(boxes, kDiscountColumn);
    else
        ZeroAndDisable(boxes, kOtherColumn);
    if (boxes.Value(kTagCapitalLoss) > kExplicitZero) ZeroAndDisable(boxes, kOtherColumn);

    WriteResultMessages(store, core, boxes.Value(kTagIndexedGain), boxes.Value(kTagDiscountGain),
                        boxes.Value(kTagOtherGain), boxes.Value(kTagCapitalLoss), kMsgSmallBusiness);

    boxes.Save(store);
    result.disabledBoxes = boxes.DisabledTags();
    return result;
}

AssetWorksheetResult CalculateAssetWorksheetInstance(FieldStore& store, int worksheetType, int instance) {
    store.LoadInstance(worksheetType, instance);
    AssetWorksheetResult result = CalculateAssetWorksheet(store, worksheetType);
    store.StoreInstance(worksheetType, instance);
    return result;
}

}  // namespace cgt
