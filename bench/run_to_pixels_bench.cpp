// From the Run Calculations command to the three diagrams finished in the calculations
// screen's backing image, at the largest resolution on a beam at full capacity.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>

#include "full_capacity_beam.h"
#include "ui/app_context.h"
#include "ui/calc/calc_commands.h"
#include "ui/calc/calculations_window.h"
#include "ui/loading/loading_window.h"
#include "ui/qt_surface.h"

namespace {

using namespace spanrix;

// Says nothing and keeps iterating: a benchmark must never wait for a user.
class SilentPrompts : public Prompts {
public:
    void message(const std::string&, const std::string&) override { ++messages; }
    void explainedMessage(const std::string&, const std::string&, const std::string&) override
    {
        ++messages;
    }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    int messages = 0;
};

void RunToPixels(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "spanrix_bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);

    SilentPrompts prompts;
    AppContext context(prompts);
    context.state.geometry = screenGeometry(28800, 16200);  // a 1920 x 1080 work area
    context.state.sigFigs = 3;
    auto loading = std::make_unique<LoadingWindow>(context);
    CalcCommands* commands = installCalcCommands(*loading, context);
    context.state.model = bench::fullCapacityBeam();
    QAction* run = loading->action("runcalc");

    run->trigger();  // the first run creates the screen
    if (prompts.messages != 0 || !commands->screen()) {
        state.SkipWithError("the full-capacity beam did not run");
        return;
    }
    for (auto _ : state) {
        run->trigger();
        benchmark::DoNotOptimize(commands->screen()->surface().image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(RunToPixels)->Unit(benchmark::kMillisecond);

}  // namespace
