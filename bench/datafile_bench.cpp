// Saving and loading a return of 10,000 share worksheets of 30 items each,
// beside OpenSSL's raw Triple DES over the same number of bytes: the cipher
// is the floor, everything else must stay small beside it.
#include <unistd.h>

#include <filesystem>

#include "base/clock.h"
#include "base/dialogs.h"
#include "bench_ratios.h"
#include "raw_des.h"
#include "store/datafile.h"
#include "store/modulerun.h"

namespace cgt {
namespace {

constexpr int kShares = 451;
constexpr int kInstances = 10000;

Slot Make(std::uint8_t type) {
    Slot s;
    s.type = type;
    return s;
}

// One parcel of shares: a name, dates, amounts, answers and a cost grid.
void AddInstance(WorksheetItems& items, int n) {
    const auto instance = std::uint16_t(n);
    Slot name = Make(dtSmallStr);
    name.smallText = "BHP " + std::to_string(n % 100000);
    items.push_back({instance, 710, name});
    for (int d = 0; d < 2; ++d) {
        Slot date = Make(dtString);
        date.longText = "15/08/1999";
        items.push_back({instance, 711 + d, date});
    }
    for (int a = 0; a < 20; ++a) {
        Slot amount = Make(a % 3 == 0 ? dtCurrencyCnt : dtCurrency);
        amount.number = 1000.25L * (a + 1) + n;
        items.push_back({instance, 1100 + a, amount});
    }
    for (int c = 0; c < 4; ++c) {
        Slot check = Make(dtCheckbox);
        check.checked = true;
        items.push_back({instance, 1120 + c, check});
    }
    for (int s = 0; s < 2; ++s) {
        Slot code = Make(dtSmallStr);
        code.smallText = s ? "A1" : "SN";
        items.push_back({instance, 1124 + s, code});
    }
    Slot grid = Make(dtList);
    grid.list = std::make_shared<TextList>(
        TextList{"1|15/08/1999|12000.00|  |  |  |  ", "2|01/02/2000|150.00|  |  |  |  ", "3|  |  |  |  |  |  "});
    items.push_back({instance, 1126, grid});
}

struct Fixture {
    SilentDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    ModuleRun run{dialogs, clock};
    std::filesystem::path dir = std::filesystem::temp_directory_path() / ("cgt_bench_" + std::to_string(::getpid()));
    std::string file = (dir / "RETURN.DAT").string();
    std::size_t plainSize = 0;

    Fixture() {
        std::filesystem::create_directories(dir);
        run.identity = "123456789";
        run.store().SetFieldStr(kTagIdentity, run.identity);
        auto items = run.store().EnsureWorksheetList(kShares);
        for (int n = 1; n <= kInstances; ++n) AddInstance(*items, n);
        plainSize = WriteReturnContent(run.store(), ReturnPosition{}).size();
    }
    ~Fixture() { std::filesystem::remove_all(dir); }
};

Fixture& Shared() {
    static Fixture f;
    return f;
}

void BM_SaveAndLoadReturn(benchmark::State& state) {
    Fixture& f = Shared();
    SilentDialogs dialogs;
    FixedClock clock{2003, 7, 1};
    for (auto _ : state) {
        SaveReturnFile(f.run, f.file);
        ModuleRun loaded(dialogs, clock);
        loaded.identity = f.run.identity;
        LoadReturnFile(loaded, f.file);
        if (loaded.store().WorksheetCount(kShares) != kInstances) state.SkipWithError("return did not load back");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(2 * f.plainSize));
    state.counters["plain_bytes"] = double(f.plainSize);
}
BENCHMARK(BM_SaveAndLoadReturn)->Unit(benchmark::kMillisecond);

void BM_RawOpenSslSameBytes(benchmark::State& state) {
    const std::size_t size = (Shared().plainSize / 8 + 1) * 8;
    std::vector<std::uint8_t> plain(size, 0x5A), cipher(size), back(size);
    const CipherKey key = CipherKeyFor("123456789");
    for (auto _ : state) {
        bench::RawDesEde(key, plain, cipher, true);
        bench::RawDesEde(key, cipher, back, false);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(2 * size));
}
BENCHMARK(BM_RawOpenSslSameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cgt

CGT_BENCHMARK_MAIN_WITH_RATIOS({{"save + load / raw OpenSSL encrypt + decrypt of the same bytes",
                                 "BM_SaveAndLoadReturn", "BM_RawOpenSslSameBytes", 1.5, true}})
