// 10,000 share worksheets of 20 cost elements each, calculated in one run as
// the command-line calculation does: unpack, calculate, pack back.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "base/daynumber.h"
#include "calc/asset_worksheet.h"
#include "store/fieldstore.h"

namespace {

constexpr int kShares = 451;
constexpr int kAssets = 10000;
constexpr int kCostElements = 20;

void FillStore(cgt::FieldStore& store) {
    const char* codes[] = {"1 - Purchase/Acquisition cost", "2A - Incidentals re holding & acquisition",
                           "2B - Incidentals re specific CGT event", "3A - Non-capital costs of ownership",
                           "5 - Capital expenditure - maintain ownership"};
    for (int n = 1; n <= kAssets; ++n) {
        store.EmptyWorkingTags();
        store.SetFieldStr(710, "Parcel " + std::to_string(n));
        store.SetFieldStr(714, n % 2 ? "SA" : "SN");
        const int acquired = cgt::DayNumber(1986 + n % 14, 1 + n % 12, 1 + n % 28);
        store.SetFieldStr(726, cgt::DateToText(acquired));
        auto costs = std::make_shared<cgt::TextList>();
        for (int e = 0; e < kCostElements; ++e) {
            costs->insert(costs->end(), {codes[e % 5], cgt::DateToText(acquired + 90 * e), "", "Cost",
                                         std::to_string(1000 + 37 * e) + ".50", e % 3 ? "" : "10.00", "", ""});
        }
        store.SetFieldLst(737, costs);
        store.SetFieldStr(739, "15/08/2002");
        store.SetFieldVal(742, 250000 + n);
        store.StoreInstance(kShares, n);
    }
}

void BM_AssetWorksheets(benchmark::State& state) {
    cgt::FieldStore store;
    FillStore(store);
    for (auto _ : state) {
        for (int n = 1; n <= kAssets; ++n) {
            const cgt::AssetWorksheetResult r = cgt::CalculateAssetWorksheetInstance(store, kShares, n);
            benchmark::DoNotOptimize(r.wholeYears);
        }
    }
    state.SetItemsProcessed(state.iterations() * kAssets);
    // Seconds per asset.
    state.counters["per_asset"] = benchmark::Counter(double(state.iterations()) * kAssets,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_AssetWorksheets)->Unit(benchmark::kMillisecond);

// The calculation alone, on the working tags of one unpacked worksheet.
void BM_OneWorksheetCalculation(benchmark::State& state) {
    cgt::FieldStore store;
    FillStore(store);
    store.LoadInstance(kShares, kAssets / 2);
    for (auto _ : state) {
        const cgt::AssetWorksheetResult r = cgt::CalculateAssetWorksheet(store, kShares);
        benchmark::DoNotOptimize(r.wholeYears);
    }
}
BENCHMARK(BM_OneWorksheetCalculation)->Unit(benchmark::kMicrosecond);

}  // namespace
BENCHMARK_MAIN();
