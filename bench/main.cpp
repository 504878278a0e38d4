// The benchmarks as Google Benchmark runs them, then the grid run measured against the
// least such a run must do, and combining one load combination against one grid run, each
// pair from this same run.

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
            if (!median && run.run_type != Run::RT_Iteration) continue;
            // A benchmark that does several items per iteration says how many in its
            // "per" counter; its time is then per item.
            const auto per = run.counters.find("per");
            const double items = per == run.counters.end() || per->second.value <= 0 ? 1.0 : per->second.value;
            times_[run.run_name.function_name] = {run.GetAdjustedCPUTime() / items, items};
        }
    }

    // target: what the ratio is held to, in words.
    void printRatio(const char* measured, const char* reference, const char* target) const
    {
        const auto m = times_.find(measured), r = times_.find(reference);
        if (m == times_.end() || r == times_.end() || r->second.time <= 0) return;
        const std::string each =
            m->second.items == 1.0 ? "" : " (each of " + std::to_string(static_cast<long>(m->second.items)) + " items)";
        std::printf("%s%s / %s = %.2f in CPU time (%s)\n", measured, each.c_str(), reference,
                    m->second.time / r->second.time, target);
    }

private:
    struct Time {
        double time, items;
    };
    std::map<std::string, Time> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("FullCapacityRun", "ReferenceGridRun", "target at most 1.30");
    reporter.printRatio("CombinePerCombination", "GridRunReference", "target: far less than 1");
    benchmark::Shutdown();
    return 0;
}
