// The benchmarks as Google Benchmark runs them, then the grid run measured against the
// least such a run must do, both from this same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Keeps the median (or, without repetitions, the single) CPU time of each benchmark: on
// shared cores the wall-clock time mostly measures the other processes.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || run.run_type == Run::RT_Iteration)
                times_[run.run_name.function_name] = run.GetAdjustedCPUTime();
        }
    }

    void printRatio(const char* measured, const char* reference, double target) const
    {
        const auto m = times_.find(measured), r = times_.find(reference);
        if (m == times_.end() || r == times_.end() || r->second <= 0) return;
        std::printf("%s / %s = %.2f in CPU time (target at most %.2f)\n", measured, reference,
                    m->second / r->second, target);
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("FullCapacityRun", "ReferenceGridRun", 1.3);
    benchmark::Shutdown();
    return 0;
}
