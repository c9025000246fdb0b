// Timings of a design with controls groups, headless (offscreen unless QT_QPA_PLATFORM says
// otherwise). Run: build/bench/groups_bench
//
// 5,000 controls in one dialog, a third of them in groups three levels deep (grouped_design.h).
// Targets on a 2-core machine, printed at the end beside each figure: a drag step of the outer
// group holding 500 controls and more, with its outline repaint, under 8 ms; a full repaint under
// 16 ms; Load (reading and laying out) and Generate each at most 25 % slower per control than on
// the same design without groups, on the thread's CPU clock. The full repaint of the design
// without groups is printed beside it.
#include "bench_clock.h"
#include "codegen/generate_code.h"
#include "grouped_design.h"
#include "persist/design_loader.h"
#include "persist/design_reader.h"
#include "persist/design_writer.h"
#include "send_mouse.h"
#include "support/fake_surface_host.h"
#include "surface_view/surface_view.h"
#include "target_reporter.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

using namespace kovrin;
using namespace kovrin::bench;

namespace {

constexpr double kMostSlower = 1.25;

// The design, with or without groups, on a shown surface.
class GroupedSurface
{
public:
    explicit GroupedSurface(bool withGroups)
    {
        GroupedDesign design = makeGroupedDesign(withGroups);
        host.set = std::move(design.set);
        firstTree = design.firstTree;
        inFirstTree = design.inFirstTree;
        view = std::make_unique<SurfaceView>(host, 1);
        view->setOuterSizeOverride(kGroupedSurface);
        view->show();
        QApplication::processEvents();
    }

    FakeSurfaceHost host;
    std::unique_ptr<SurfaceView> view;
    std::string firstTree;
    std::size_t inFirstTree = 0;
};

// Made on first use and let go before the application, whose widgets they hold: without groups
// (0) and with them (1).
std::unique_ptr<GroupedSurface> &sharedSurface(bool withGroups)
{
    static std::unique_ptr<GroupedSurface> shared[2];
    return shared[withGroups ? 1 : 0];
}

GroupedSurface &surface(bool withGroups = true)
{
    if (!sharedSurface(withGroups))
        sharedSurface(withGroups) = std::make_unique<GroupedSurface>(withGroups);
    return *sharedSurface(withGroups);
}

// Grabbed on the outer group's own background, between its two middle groups (1900..1950
// twips in), then stepped back and forth with the button held.
void dragStepOfAGroupOf500(benchmark::State &state)
{
    GroupedSurface &s = surface();
    dragSteps(state, *s.view, QPoint(1925 / 15, 1000 / 15));
    state.counters["inside"] = static_cast<double>(s.inFirstTree);
}

void fullRepaint(benchmark::State &state)
{
    GroupedSurface &s = surface(state.range(0) == 1);
    for (auto _ : state)
        s.view->repaint();
}

// CPU milliseconds per run of Load and Generate, by name, for the comparison at the end.
std::map<std::string, double> &perRun()
{
    static std::map<std::string, double> all;
    return all;
}

template<typename Work> void timed(benchmark::State &state, const std::string &name, Work work)
{
    double seconds = 0;
    for (auto _ : state) {
        // The thread's CPU time: a neighbour's load stretches both designs' wall times unevenly.
        const double start = threadCpuSeconds();
        work();
        seconds += threadCpuSeconds() - start;
    }
    perRun()[name] = seconds / static_cast<double>(state.iterations()) * 1e3;
    state.counters["us_per_control"] = seconds / static_cast<double>(state.iterations())
        / static_cast<double>(kGroupedControls) * 1e6;
}

const char *designName(const benchmark::State &state)
{
    return state.range(0) == 1 ? "grouped" : "plain";
}

void load(benchmark::State &state)
{
    const std::string bytes = designBytes(makeGroupedDesign(state.range(0) == 1).set).bytes;
    timed(state, std::string("load ") + designName(state), [&] {
        DialogSet set;
        const Status loaded = loadIntoSet(set, parseDesign(bytes, '.'), kGroupedSurface, {});
        benchmark::DoNotOptimize(loaded);
    });
}

void generate(benchmark::State &state)
{
    const DialogSet set = makeGroupedDesign(state.range(0) == 1).set;
    timed(state, std::string("generate ") + designName(state), [&] {
        std::string code = generateCode(set);
        benchmark::DoNotOptimize(code);
    });
}

bool printComparison()
{
    bool allMet = true;
    for (const char *what : {"load", "generate"}) {
        const double grouped = perRun()[std::string(what) + " grouped"];
        const double plain = perRun()[std::string(what) + " plain"];
        if (plain <= 0)
            continue;
        const bool met = grouped <= plain * kMostSlower;
        allMet = allMet && met;
        std::printf("%-9s with groups %8.3f ms, without %8.3f ms: x %.2f  <= %.2f  %s\n", what,
                    grouped, plain, grouped / plain, kMostSlower, met ? "met" : "NOT MET");
    }
    return allMet;
}

} // namespace

BENCHMARK(dragStepOfAGroupOf500)->Unit(benchmark::kMillisecond);
BENCHMARK(fullRepaint)->ArgName("grouped")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(load)->ArgName("grouped")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(generate)->ArgName("grouped")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    TargetReporter reporter({
        {"dragStepOfAGroupOf500", 8},
        {"fullRepaint/grouped:1", 16},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    sharedSurface(false).reset();
    sharedSurface(true).reset();
    const bool timesMet = reporter.printTargets();
    const bool comparisonMet = printComparison();
    std::printf("%s\n", timesMet && comparisonMet ? "Every target met." : "Some targets NOT MET.");
    return 0;
}
