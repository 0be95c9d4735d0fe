#pragma once
// Prints, after the benchmarks, the ratio of two of them measured in the same
// run, against its target. Performance goals are stated as such ratios so
// that they hold on any machine.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace cgt::bench {

struct Ratio {
    std::string label;
    std::string numerator;  // benchmark names, without arguments or with them ("BM_X/1000")
    std::string denominator;
    double target;
    bool atMost;  // the ratio must stay at or below the target (else at or above)
};

class RatioReporter : public ::benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
            const Times t{run.real_accumulated_time / double(run.iterations),
                          run.cpu_accumulated_time / double(run.iterations)};
            seconds_[run.run_name.function_name] = t;
            if (!run.run_name.args.empty()) seconds_[run.run_name.function_name + "/" + run.run_name.args] = t;
        }
    }

    // Prints every ratio; false when one misses its target.
    bool PrintRatios(const std::vector<Ratio>& ratios) const {
        bool ok = true;
        for (const auto& r : ratios) {
            const auto n = seconds_.find(r.numerator), d = seconds_.find(r.denominator);
            if (n == seconds_.end() || d == seconds_.end() || d->second.real <= 0) continue;
            const double ratio = n->second.real / d->second.real;
            const bool met = r.atMost ? ratio <= r.target : ratio >= r.target;
            ok = ok && met;
            // The processor-time ratio beside it: the wall clock of a busy
            // machine stretches both sides, not always alike.
            const double cpu = d->second.cpu > 0 ? n->second.cpu / d->second.cpu : 0;
            std::printf("%s: %.3f (target %s %.2f) %s; processor time %.3f\n", r.label.c_str(), ratio,
                        r.atMost ? "<=" : ">=", r.target, met ? "met" : "MISSED", cpu);
        }
        return ok;
    }

private:
    struct Times {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> seconds_;
};

// `after` runs once the ratios are printed (further figures of the program).
inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios, void (*after)() = nullptr) {
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    ::benchmark::Shutdown();
    reporter.PrintRatios(ratios);
    if (after) after();
    return 0;
}

}  // namespace cgt::bench

#define CGT_BENCHMARK_MAIN_WITH_RATIOS(...)                          \
    int main(int argc, char** argv) {                                \
        return ::cgt::bench::RunWithRatios(argc, argv, __VA_ARGS__); \
    }
