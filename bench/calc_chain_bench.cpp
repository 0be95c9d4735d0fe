// The whole calculation chain of a return: every asset worksheet, the choice
// table with every automatic choice, the write-back, the schedule and the
// concession screens. Reported per asset, so near-linear growth shows as a
// flat time per asset between the two sizes.
#include <benchmark/benchmark.h>

#include <memory>

#include "calc/calc_chain.h"
#include "store/fieldstore.h"

namespace {

using namespace cgt;

// `assets` share parcels bought in 1995 and sold in 2002 (every fifth at a
// loss), and 1,000 trust distribution rows.
void BuildReturn(FieldStore& store, int assets) {
    for (int n = 1; n <= assets; ++n) {
        store.LoadInstance(451, n);
        store.SetFieldStr(710, "Parcel " + std::to_string(n));
        store.SetFieldStr(714, n % 3 == 0 ? "SA" : "SN");
        store.SetFieldStr(726, "15/03/1995");
        store.SetFieldLst(737, std::make_shared<TextList>(TextList{
                                   "1 - Acquisition", "15/03/1995", "15/03/1995", "Purchase", "10000.00", "", "", "",
                                   "2A - Brokerage", "15/03/1995", "15/03/1995", "Brokerage", "100.00", "", "", ""}));
        store.SetFieldStr(739, "10/10/2002");
        store.SetFieldVal(742, n % 5 == 0 ? 8000 : 12000 + n);
        store.SetFieldChecked(721);
        store.StoreInstance(451, n);
    }
    auto trusts = std::make_shared<TextList>();
    for (int m = 0; m < 1000; ++m) {
        TextList row(kTrustRowCells);
        row[0] = "Trust " + std::to_string(m);
        row[2] = std::to_string(100 + m);
        trusts->insert(trusts->end(), row.begin(), row.end());
    }
    store.SetFieldLst(kTagTrustTable, trusts);
    store.SetFieldVal(kTagPriorOtherLosses, 50000);
}

void BM_CalculationChain(benchmark::State& state) {
    const int assets = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto store = std::make_unique<FieldStore>();
        BuildReturn(*store, assets);
        state.ResumeTiming();
        const CalcChainResult result = RunCalculationChain(*store);
        benchmark::DoNotOptimize(result.table.rows.size());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(assets);
    state.counters["per_asset"] =
        benchmark::Counter(double(assets), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_CalculationChain)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace
BENCHMARK_MAIN();
