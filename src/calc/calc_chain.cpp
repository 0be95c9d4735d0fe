#include "calc/calc_chain.h"

#include <memory>

#include "calc/asset_worksheet.h"
#include "calc/cgt_schedule.h"
#include "calc/concessions.h"
#include "calc/cost_base_history.h"
#include "store/fieldstore.h"
#include "store/tags.h"

namespace cgt {
namespace {

// A bound grid is saved into its field when its screen is left.
void SaveGrid(FieldStore& store, int tag, std::vector<std::string> list) {
    if (store.FieldType(tag) != dtNone && store.FieldType(tag) != dtList) store.SetFieldType(tag, dtNone);
    if (const TextListPtr existing = store.GetFieldLst(tag))
        *existing = std::move(list);
    else
        store.SetFieldLst(tag, std::make_shared<TextList>(std::move(list)));
}

}  // namespace

// One asset as the interview takes it: the receipts looked at (the cost
// base history worked out when there are any), the worksheet calculated,
// its outcome read, each step storing the instance and the next unpacking
// it again; with the instance kept unpacked in between, as storing and
// unpacking would leave it.
AssetOutcome CalculateAsset(FieldStore& store, int type, int instance) {
    store.LoadInstance(type, instance);
    if (type == kWsShares || type == kWsTrustInterest) {
        const TextListPtr receipts = store.GetFieldLst(kTagReceipts);
        if (receipts && !receipts->empty()) {
            store.StoreInstance(type, instance);
            CalculateCostBaseHistoryInstance(
                store, type == kWsShares ? HistoryTwin::Shares : HistoryTwin::TrustInterests, type, instance);
            store.LoadInstance(type, instance);
        } else {
            store.KeepAsStored(type, instance);
        }
    }
    const AssetWorksheetResult r =
        type == kWsDepreciating ? CalculateDepreciatingWorksheet(store) : CalculateAssetWorksheet(store, type);
    store.KeepAsStored(type, instance);
    AssetOutcome o{type,
                   instance,
                   store.GetFieldStr(kTagAssetDescription),
                   store.GetFieldVal(kTagIndexedGain, true),
                   store.GetFieldVal(kTagDiscountGain, true),
                   store.GetFieldVal(kTagOtherGain, true),
                   store.GetFieldVal(kTagCapitalLoss, true),
                   r.message1,
                   r.message2};
    store.StoreInstance(type, instance);
    return o;
}

CalcChainResult RunCalculationChain(FieldStore& store, const CalcChainOptions& options) {
    CalcChainResult result;
    store.EmptyWorkingTags();

    for (int type = kFirstAssetType; type <= kLastAssetType; ++type) {
        const int count = store.WorksheetCount(type);
        for (int n = 1; n <= count; ++n) result.assets.push_back(CalculateAsset(store, type, n));
    }

    // The choice table: shown, every choice made by the program, Next.
    ChoiceTable& table = result.table;
    // Shown, the table is sorted by source; "Delete all and start over"
    // rebuilds it in build order and clears every choice.
    table.Build(store, options.keepChoices);
    if (!options.keepChoices) table.ClearChoices();
    LossApplication losses(table, store);
    losses.RecomputeNets();
    losses.ApplyAutomatically();
    result.netGainLabel = losses.RecomputeNets();
    table.WriteBack(store);
    ComputeCgtSchedule(store, table, losses);
    SaveGrid(store, kTagChoiceGrid, table.ToList());
    result.unapplied = losses.Unapplied();
    // A failed check ends the chain where the interview would have stopped.
    const auto failed = [&](const auto& failure, const char* screen) {
        if (!failure) return false;
        result.failure = failure->message;
        result.failedScreen = screen;
        return true;
    };
    if (failed(losses.CheckOnNext(), "choice table")) return result;

    ConcessionElections elections;
    elections.Show(store);
    if (failed(elections.Validate(), "small business concession elections")) return result;
    elections.Next(store);
    SaveGrid(store, kTagConcessionGains, elections.ToList());

    FifteenYearExemption exemption;
    exemption.Show(store);
    exemption.Next(store);
    SaveGrid(store, kTagFifteenYearGrid, exemption.ToList());

    ScripForScrip scrip;
    scrip.Show(store);
    if (failed(scrip.Validate(), "scrip for scrip roll-over")) return result;
    scrip.Next(store);
    return result;
}

}  // namespace cgt
