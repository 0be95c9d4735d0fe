#include "calc/asset_worksheet.h"

#include "base/rounding.h"
#include "calc/cost_base_history.h"
#include "calc/worksheet_core.h"
#include "store/fieldstore.h"

namespace cgt {

AssetWorksheetResult CalculateAssetWorksheet(FieldStore& store, int worksheetType) {
    // Without receipts the history is not shown, so adjustments it left
    // earlier would outlive the receipts they came from.
    if ((worksheetType == 451 || worksheetType == 452) && !HasReceipts(store)) ClearCostBaseHistory(store);

    WorksheetCore core;
    ShownBoxes& boxes = core.boxes;
    for (int t : {1131, 1134, 1137, 1139}) boxes.Add(t, BoxKind::Dollars);
    // Gains from non-assessable receipts are shown as the history left them.
    for (int t = 1155; t <= 1160; ++t) boxes.AddPassThrough(t, BoxKind::Dollars);
    RunWorksheetCore(store, core);
    AssetWorksheetResult& result = core.result;
    result.showReceiptGains = worksheetType == 451 || worksheetType == 452;

    // Partial disposal: apportion all but the "2B" costs, which belong to
    // the part disposed of.
    const long double pct = boxes.Value(1124);
    const bool partial = pct > kPresentAbove && pct != 100;
    if (partial) {
        boxes.Set(1131, Round(pct * (boxes.Value(1119) - core.s2bIndexed) / 100 + core.s2bIndexed));
        boxes.Set(1134, Round(pct * (boxes.Value(1118) - core.s2bNonIndexed) / 100 + core.s2bNonIndexed));
        boxes.Set(1139, Round(pct * (boxes.Value(1120) - core.s2bReduced) / 100 + core.s2bReduced));
        result.partialDisposal = true;
        result.remainingIndexed = Round((100 - pct) * (boxes.Value(1119) - core.s2bIndexed) / 100);
        result.remainingNonIndexed = Round((100 - pct) * (boxes.Value(1118) - core.s2bNonIndexed) / 100);
        result.remainingReduced = Round((100 - pct) * (boxes.Value(1120) - core.s2bReduced) / 100);
    } else {
        boxes.Set(1131, Round(boxes.Value(1119)));
        boxes.Set(1134, Round(boxes.Value(1118)));
        boxes.Set(1139, Round(boxes.Value(1120)));
    }
    boxes.Set(1137, Round(boxes.Value(1134)));
    const std::int64_t proceeds = Round(boxes.Value(1123));
    for (int t : {1130, 1133, 1136, 1140}) boxes.Set(t, proceeds);

    // Main residence: only the days not exempt count.
    const long double daysNotExempt = boxes.Value(1125), totalDays = boxes.Value(1126);
    const bool apportion = daysNotExempt >= 1 && totalDays >= 1;

    struct Column {
        int proceeds, costBase, gain;
    };
    for (const Column& c : {Column{1130, 1131, 1132}, Column{1133, 1134, 1135}, Column{1136, 1137, 1138}}) {
        long double gain = Round(boxes.Value(c.proceeds) - boxes.Value(c.costBase));
        if (gain < 1) gain = kExplicitZero;
        if (apportion) gain = Round(gain * daysNotExempt / totalDays);
        boxes.Set(c.gain, gain);
        if (!core.eventDatePresent) boxes.ZeroAndDisable({c.proceeds, c.costBase, c.gain});
    }

    long double loss = Round(boxes.Value(1139) - boxes.Value(1140));
    if (loss == 0) loss = kExplicitZero;
    if (apportion) loss = Round(loss * daysNotExempt / totalDays);
    // A loss on a personal-use asset is disregarded.
    if (loss > 0 && core.typeCode == "P") loss = kExplicitZero;
    boxes.Set(1141, loss);
    if (!core.eventDatePresent || loss < 0) boxes.ZeroAndDisable({1140, 1139, 1141});

    // Method selection.
    if (core.indexationUnavailable)
        boxes.ZeroAndDisable({1130, 1131, 1132});
    else
        boxes.ZeroAndDisable({1136, 1137, 1138});
    if (core.discountUnavailable)
        boxes.ZeroAndDisable({1133, 1134, 1135});
    else
        boxes.ZeroAndDisable({1136, 1137, 1138});
    if (boxes.Value(1141) > kExplicitZero) boxes.ZeroAndDisable({1136, 1137, 1138});

    WriteResultMessages(store, core, boxes.Value(1132), boxes.Value(1135), boxes.Value(1138), boxes.Value(1141),
                        kMsgSmallBusiness);

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
