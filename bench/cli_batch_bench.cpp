// spanrix-cli analysing 1,000 example beams in one process, as a batch job would; reports
// beams per second (items_per_second).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kBeams = 1000;

// The shipped examples, each given again until there are kBeams of them.
std::string batchCommand()
{
    std::string files;
    int count = 0;
    while (count < kBeams) {
        for (const auto& entry : fs::directory_iterator(fs::path(SPANRIX_SOURCE_DIR) / "examples")) {
            if (entry.path().extension() != ".lod" || count == kBeams) continue;
            files += " '" + entry.path().string() + "'";
            ++count;
        }
    }
    return "'" SPANRIX_CLI_PATH "' analyze" + files + " >/dev/null";
}

void CliBatchOfThousandBeams(benchmark::State& state)
{
    const std::string command = batchCommand();
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("spanrix-cli failed on the examples");
            return;
        }
    }
    state.SetItemsProcessed(state.iterations() * kBeams);
}
BENCHMARK(CliBatchOfThousandBeams)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
