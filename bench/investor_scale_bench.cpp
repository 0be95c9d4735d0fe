// An investor's return of 1,000, 10,000 and 50,000 share parcels with 300
// trust distribution rows, made through `cgt import` and calculated once.
// Measured in one run: the calculation chain and `cgt calc --save` (load,
// chain and save through the real command, in process), each beside
// OpenSSL's raw Triple DES decrypting and encrypting as many bytes as the
// return holds; then the peak memory of the real `cgt` program for calc
// --save, export, import and dump of each return, against its plain size.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "bench_ratios.h"
#include "calc/calc_chain.h"
#include "command.h"
#include "investor_return.h"
#include "peak_memory.h"
#include "raw_des.h"
#include "session.h"
#include "store/datafile.h"
#include "store/datafile_fs.h"

namespace cgt::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kTrustRows = 300;
constexpr int kSizes[] = {1000, 10000, 50000};
// Peak memory of any command against the plain size of its return.
constexpr double kMemoryTarget = 4.0;

int Cgt(const std::vector<std::string>& args) {
    std::istringstream in;
    std::ostream out(nullptr);
    std::ostringstream err;
    cli::Io io{in, out, err};
    std::vector<std::string> argv{"cgt"};
    argv.insert(argv.end(), args.begin(), args.end());
    const int status = cli::Main(argv, io);
    if (status != 0) throw std::runtime_error("cgt " + args[0] + ": " + err.str());
    return status;
}

struct Scale {
    int parcels = 0;
    fs::path dir;
    std::string file, json, imported;
    std::size_t plainSize = 0;

    explicit Scale(int n) : parcels(n) {
        dir = fs::temp_directory_path() / ("cgt_scale_" + std::to_string(::getpid()) + "_" + std::to_string(n));
        fs::create_directories(dir);
        file = (dir / "INVESTOR.DAT").string();
        json = (dir / "investor.json").string();
        imported = (dir / "IMPORTED.DAT").string();
        std::ofstream(json) << InvestorReturnJson(n, kTrustRows);
        Cgt({"import", file, json, "--id", kInvestorIdentity});
        // Calculated once, the return holds its grids and choices: what a
        // later calc --save reads and writes again.
        Cgt({"calc", file, "--id", kInvestorIdentity, "--save"});
        plainSize = DecryptBytes(RealFileSystem().ReadAll(file), ReturnFileKey(kInvestorIdentity)).size();
    }
    ~Scale() { fs::remove_all(dir); }
};

// The returns made so far, by size (those of the benchmarks that ran).
std::map<int, std::unique_ptr<Scale>>& Scales() {
    static std::map<int, std::unique_ptr<Scale>> scales;
    return scales;
}

Scale& ScaleOf(int parcels) {
    auto& s = Scales()[parcels];
    if (!s) s = std::make_unique<Scale>(parcels);
    return *s;
}

double MiB(double bytes) {
    return bytes / (1024 * 1024);
}

void Counters(benchmark::State& state, const Scale& s) {
    state.counters["plain_MiB"] = MiB(double(s.plainSize));
    state.counters["per_parcel"] = benchmark::Counter(
        double(s.parcels), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CalcSave(benchmark::State& state) {
    const Scale& s = ScaleOf(int(state.range(0)));
    for (auto _ : state) Cgt({"calc", s.file, "--id", kInvestorIdentity, "--save"});
    Counters(state, s);
}

void BM_Chain(benchmark::State& state) {
    const Scale& s = ScaleOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto session = std::make_unique<cli::Session>(kInvestorIdentity);
        session->Load(s.file);
        state.ResumeTiming();
        const CalcChainResult result = RunCalculationChain(session->store());
        benchmark::DoNotOptimize(result.table.rows.size());
        state.PauseTiming();
        session.reset();
        state.ResumeTiming();
    }
    Counters(state, s);
}

void BM_RawCipher(benchmark::State& state) {
    const Scale& s = ScaleOf(int(state.range(0)));
    const std::size_t size = (s.plainSize / kDesBlock + 1) * kDesBlock;
    std::vector<std::uint8_t> plain(size, 0x5A), cipher(size), back(size);
    const CipherKey key = ReturnFileKey(kInvestorIdentity);
    for (auto _ : state) {
        RawDesEde(key, plain, cipher, true);
        RawDesEde(key, cipher, back, false);
        benchmark::DoNotOptimize(back.data());
    }
    Counters(state, s);
}

void Sizes(benchmark::internal::Benchmark* b) {
    for (int n : kSizes) b->Arg(n);
    b->Unit(benchmark::kMillisecond);
}
// The raw cipher of each size runs right after that size's work.
BENCHMARK(BM_RawCipher)->Apply(Sizes);
BENCHMARK(BM_Chain)->Apply(Sizes);
BENCHMARK(BM_CalcSave)->Apply(Sizes);

std::vector<Ratio> Ratios() {
    std::vector<Ratio> ratios;
    for (int n : kSizes) {
        const std::string arg = "/" + std::to_string(n);
        ratios.push_back({"calc --save / raw cipher, " + std::to_string(n) + " parcels", "BM_CalcSave" + arg,
                          "BM_RawCipher" + arg, 1.5, true});
        ratios.push_back({"chain alone / raw cipher, " + std::to_string(n) + " parcels", "BM_Chain" + arg,
                          "BM_RawCipher" + arg, 1.5, true});
    }
    return ratios;
}

struct Files {
    std::string file, json, imported;
};

// The commands measured, on a return's files (export writes the JSON that
// import reads).
std::vector<std::pair<const char*, std::function<ChildRun(const Files&)>>> Commands() {
    const std::string cgt = CGT_EXE, id = kInvestorIdentity;
    return {
        {"calc --save",
         [=](const Files& f) {
             return RunChild({cgt, "calc", f.file, "--id", id, "--save"});
         }},
        {"export",
         [=](const Files& f) {
             return RunChild({cgt, "export", f.file, "--id", id}, "/dev/null", f.json);
         }},
        {"import",
         [=](const Files& f) {
             return RunChild({cgt, "import", f.imported, f.json, "--id", id});
         }},
        {"dump",
         [=](const Files& f) {
             return RunChild({cgt, "dump", f.file, "--id", id});
         }},
    };
}

// The target is on what a command takes for the return: beyond what the
// same command takes for an empty one (the program, its libraries and its
// fixed tables, the same whatever the return's size).
void PrintPeakMemory() {
    const fs::path dir = fs::temp_directory_path() / ("cgt_scale_" + std::to_string(::getpid()) + "_empty");
    fs::create_directories(dir);
    const Files empty{(dir / "EMPTY.DAT").string(), (dir / "empty.json").string(), (dir / "IMPORTED.DAT").string()};
    Cgt({"new", empty.file, "--id", kInvestorIdentity});
    std::printf("peak memory of cgt help (the program alone): %.1f MiB\n",
                double(RunChild({CGT_EXE, "help"}).peakKb) / 1024);
    for (const auto& [name, run] : Commands()) {
        const long emptyKb = run(empty).peakKb;
        for (const auto& [n, scale] : Scales()) {
            const Scale& s = *scale;
            const ChildRun r = run({s.file, s.json, s.imported});
            const double beyond = double(r.peakKb - emptyKb) * 1024;
            const double ratio = beyond / double(s.plainSize);
            const bool met = r.status == 0 && ratio <= kMemoryTarget;
            std::printf(
                "peak memory, %-11s %6d parcels: %7.1f MiB (%.1f MiB for an empty return), %7.1f MiB for the return "
                "= %5.2f x plain %6.1f MiB (target <= %.2f) %s%s\n",
                name, s.parcels, double(r.peakKb) / 1024, double(emptyKb) / 1024, MiB(beyond), ratio,
                MiB(double(s.plainSize)), kMemoryTarget, met ? "met" : "MISSED",
                r.status == 0 ? "" : " (the command failed)");
        }
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace cgt::bench

int main(int argc, char** argv) {
    if (cgt::bench::RelayPeakChild(argc, argv)) return 0;
    return cgt::bench::RunWithRatios(argc, argv, cgt::bench::Ratios(), cgt::bench::PrintPeakMemory);
}
