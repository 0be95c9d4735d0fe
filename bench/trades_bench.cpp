// A broker's file of 10,000 to 100,000 trades in 50 codes over four and a
// half years, read and matched as `cgt trades` does. The time per trade
// should stay flat as the file grows.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <string>

#include "base/daynumber.h"
#include "calc/trade_matching.h"

namespace {

constexpr int kCodes = 50;

// Buys and sells in date order; a sale takes part of what its code holds,
// so that it uses one parcel or several.
std::string TradesFile(int trades) {
    std::uint64_t seed = 12345;
    auto next = [&seed](std::uint64_t below) {
        seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        return (seed >> 33) % below;
    };
    const int first = cgt::DayNumber(1999, 1, 1), days = cgt::DayNumber(2003, 6, 30) - first;
    std::array<std::int64_t, kCodes> held{};
    std::string csv = "Date,Code,Type,Quantity,Price,Brokerage\n";
    for (int i = 0; i < trades; ++i) {
        const int date = first + int(std::int64_t(days) * i / trades);
        const std::size_t code = next(kCodes);
        const bool sell = held[code] > 0 && next(3) == 0;
        const std::int64_t units = sell ? 1 + std::int64_t(next(std::uint64_t(held[code]))) : 100 + next(2000);
        held[code] += sell ? -units : units;
        csv += cgt::DateToText(date) + ",C" + std::to_string(code) + (sell ? ",Sell," : ",Buy,") +
               std::to_string(units) + "," + std::to_string(5 + next(20)) + "." + std::to_string(10 + next(90)) +
               ",19.95\n";
    }
    return csv;
}

void ReadAndMatch(benchmark::State& state, cgt::MatchOrder order) {
    const int trades = int(state.range(0));
    const std::string csv = TradesFile(trades);
    for (auto _ : state) {
        const std::vector<cgt::Trade> read = cgt::ReadTradesCsv(csv);
        const cgt::TradeMatching matching = cgt::MatchTrades(read, order);
        benchmark::DoNotOptimize(matching.held.size());
    }
    state.SetItemsProcessed(state.iterations() * trades);
    // Seconds per trade.
    state.counters["per_trade"] = benchmark::Counter(double(state.iterations()) * trades,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_TradesFifo(benchmark::State& state) {
    ReadAndMatch(state, cgt::MatchOrder::Fifo);
}
void BM_TradesHighestCost(benchmark::State& state) {
    ReadAndMatch(state, cgt::MatchOrder::HighestCost);
}
BENCHMARK(BM_TradesFifo)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TradesHighestCost)->Arg(10000)->Arg(50000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
