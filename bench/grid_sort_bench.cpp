// Sorting 50,000 rows of 21 columns, as the largest choice table might hold.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/daynumber.h"
#include "base/numtext.h"
#include "grid/grid_model.h"

namespace {

constexpr int kRows = 50000;
constexpr int kCols = 21;

// Columns 0-2 dates, 3-16 numbers, the rest text; the keys below mix all three.
std::vector<std::string> Specs() {
    std::vector<std::string> specs;
    for (int c = 0; c < kCols; ++c) {
        if (c < 3)
            specs.push_back("D|0|2|10|");
        else if (c < 17)
            specs.push_back("N|0|1|10|0|F|F|2|T|");
        else
            specs.push_back("T|0|0|30|");
    }
    return specs;
}

cgt::TextList RandomRows() {
    std::mt19937 rng(2003);
    cgt::TextList list;
    list.reserve(std::size_t(kRows) * kCols);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            if (rng() % 10 == 0) {
                list.emplace_back();
            } else if (c < 3) {
                list.push_back(cgt::DateToText(31310 + int(rng() % 6500)));
            } else if (c < 17) {
                list.push_back(cgt::FloatToStrWD((long double)(int(rng() % 2000000) - 100000) / 100, 10, 2));
            } else {
                list.push_back("Asset " + std::to_string(rng() % 5000));
            }
        }
    }
    return list;
}

void BM_SortRows(benchmark::State& state, const char* keys) {
    const cgt::FixedClock clock(2003, 6, 30);
    cgt::GridModel grid(clock);
    grid.DefineColumns(Specs());
    const cgt::TextList rows = RandomRows();
    for (auto _ : state) {
        state.PauseTiming();
        grid.LoadFromList(rows);
        state.ResumeTiming();
        grid.SortRows(keys);
        benchmark::DoNotOptimize(grid.Cell(0, 1));
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

BENCHMARK_CAPTURE(BM_SortRows, date_text_number, "0,17,3")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortRows, number, "5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SortRows, text_date, "18,1,2")->Unit(benchmark::kMillisecond);

}  // namespace
BENCHMARK_MAIN();
