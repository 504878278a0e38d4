// From the Run Calculations command, and from a change of the beam while the calculations
// screen is open, to the three diagrams finished in the screen's backing image, at the
// largest resolution on a beam at full capacity.

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
    SaveChoice askSaveChanges(const std::string&, const std::string&) override
    {
        return SaveChoice::Discard;
    }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    int messages = 0;
};

void ensureApplication()
{
    static int argc = 1;
    static char name[] = "spanrix_bench";
    static char* argv[] = {name, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
}

void RunToPixels(benchmark::State& state)
{
    ensureApplication();

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

// One change of the beam (a point load's magnitude, as an edit makes it) with the
// calculations screen open: the sketch erased and drawn, the analysis repeated, the
// reactions written and the three diagrams drawn afresh.
void ChangeToPixels(benchmark::State& state)
{
    ensureApplication();
    SilentPrompts prompts;
    AppContext context(prompts);
    context.state.geometry = screenGeometry(28800, 16200);
    context.state.sigFigs = 3;
    auto loading = std::make_unique<LoadingWindow>(context);
    CalcCommands* commands = installCalcCommands(*loading, context);
    context.state.model = bench::fullCapacityBeam();
    loading->drawSketch(13);
    loading->action("runcalc")->trigger();
    if (prompts.messages != 0 || !commands->screen()) {
        state.SkipWithError("the full-capacity beam did not run");
        return;
    }
    BeamModel edits[2] = {context.state.model, context.state.model};
    edits[1].pointLoadMag[1] = edits[1].pointLoadMag[1] * 0.5;
    int next = 1;
    for (auto _ : state) {
        context.document.change("Edit Feature 1", edits[next]);
        next = 1 - next;
        benchmark::DoNotOptimize(commands->screen()->surface().image().constBits());
        benchmark::ClobberMemory();
    }
    if (!context.document.analysis()) state.SkipWithError("a change was refused");
}
BENCHMARK(ChangeToPixels)->Unit(benchmark::kMillisecond);

}  // namespace
