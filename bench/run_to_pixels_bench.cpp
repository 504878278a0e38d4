// From the Run Calculations command to the three diagrams finished in the calculations
// screen's backing image, at the largest resolution on a beam at full capacity.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <memory>
#include <random>

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
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> input(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    int messages = 0;
};

// 50 point loads, 50 distributed loads, 50 moments and 20 supports with cantilevers at
// both ends, placed at random over the span with a fixed seed.
void loadFullCapacity(BeamModel& m)
{
    std::mt19937_64 rng(977);
    const double L = 480.0;
    std::uniform_real_distribution<double> along(0.0, L);
    std::uniform_real_distribution<double> load(-2000.0, 2000.0);
    std::uniform_real_distribution<double> intensity(-50.0, 50.0);
    std::uniform_real_distribution<double> couple(-20000.0, 20000.0);

    m.beamLength = L;
    m.modulusE = 29e6f;
    m.momentOfInertia = 100.0f;
    m.fiberDistance = 5.0f;
    auto support = [&](double at, const char* type) {
        const int k = appendFeature(m, FeatureKind::Support, "lb", "in");
        m.supportLoc[k] = at;
        m.supportType[k] = type;
    };
    support(0.0, "cant");
    for (int i = 0; i < kMaxPointLoads; ++i) {
        const int k = appendFeature(m, FeatureKind::PointLoad, "lb", "in");
        m.pointLoadMag[k] = load(rng);
        m.pointLoadLoc[k] = along(rng);
    }
    for (int i = 0; i < kMaxDistLoads; ++i) {
        double a = along(rng), b = along(rng);
        if (a > b) std::swap(a, b);
        const int k = appendFeature(m, FeatureKind::DistLoad, "pi", "in");
        m.distLoadStart[k] = a;
        m.distLoadEnd[k] = b + 1.0 > L ? L : b + 1.0;
        m.distLoadStartMag[k] = intensity(rng);
        m.distLoadEndMag[k] = intensity(rng);
    }
    for (int i = 0; i < kMaxMoments; ++i) {
        const int k = appendFeature(m, FeatureKind::Moment, "pi", "in");
        m.momentMag[k] = couple(rng);
        m.momentLoc[k] = along(rng);
    }
    std::uniform_real_distribution<double> within(0.1, 0.9);
    for (int i = 1; i <= kMaxSupports - 2; ++i) support(L * (i + within(rng)) / (kMaxSupports - 1), "simp");
    support(L, "cant");
}

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
    loadFullCapacity(context.state.model);
    context.state.model.resolution = static_cast<float>(kMaxResolution);
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
