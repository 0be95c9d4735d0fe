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
    std::string numerator;  // benchmark names (without arguments)
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
            std::string name = run.benchmark_name();
            if (const auto slash = name.find('/'); slash != std::string::npos) name = name.substr(0, slash);
            seconds_[name] = run.real_accumulated_time / double(run.iterations);
        }
    }

    // Prints every ratio; false when one misses its target.
    bool PrintRatios(const std::vector<Ratio>& ratios) const {
        bool ok = true;
        for (const auto& r : ratios) {
            const auto n = seconds_.find(r.numerator), d = seconds_.find(r.denominator);
            if (n == seconds_.end() || d == seconds_.end() || d->second <= 0) continue;
            const double ratio = n->second / d->second;
            const bool met = r.atMost ? ratio <= r.target : ratio >= r.target;
            ok = ok && met;
            std::printf("%s: %.3f (target %s %.2f) %s\n", r.label.c_str(), ratio, r.atMost ? "<=" : ">=", r.target,
                        met ? "met" : "MISSED");
        }
        return ok;
    }

private:
    std::map<std::string, double> seconds_;
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    ::benchmark::Initialize(&argc, argv);
    if (::benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    ::benchmark::RunSpecifiedBenchmarks(&reporter);
    ::benchmark::Shutdown();
    reporter.PrintRatios(ratios);
    return 0;
}

}  // namespace cgt::bench

#define CGT_BENCHMARK_MAIN_WITH_RATIOS(...)                          \
    int main(int argc, char** argv) {                                \
        return ::cgt::bench::RunWithRatios(argc, argv, __VA_ARGS__); \
    }
