// The selection's rules on their own, without painting: the hit test of a rubber band over 5,000
// controls, an Arrange command on 1,000 picked controls, and a drag step of 1,000 picked
// controls. Run: build/bench/selection_bench
//
// Targets, printed at the end beside each figure: the band's hit test and a drag step well under
// the 8 ms a step may take with its painting, align of 1,000 controls under 50 ms.
#include "surface/arrange.h"
#include "surface/group_move.h"
#include "surface/selection.h"
#include "target_reporter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace kovrin;

namespace {

constexpr SurfaceSize kOuter {12030, 7635};

// A dialog of n controls of every kind spread over the surface.
DialogSet spreadControls(int n)
{
    DialogSet set;
    set.insertDialog();
    for (int i = 0; i < n; ++i) {
        const ControlKind kind
            = kDefinitionKinds[static_cast<std::size_t>(i) % kDefinitionKinds.size()];
        set.createControl(0, kind, (i % 100) * 120.0, ((i / 100) % 50) * 135.0, kOuter);
    }
    return set;
}

void bandHitTestOver5000(benchmark::State &state)
{
    const DialogSet set = spreadControls(5000);
    int n = 0;
    std::size_t touched = 0;
    for (auto _ : state) {
        const TwipRect band = bandBetween(75, 7100, 4500 + (n % 40) * 15.0, 1500 + (n % 25) * 15.0);
        ++n;
        touched = controlsTouchedBy(set.drawnControls(0), band).size();
        benchmark::DoNotOptimize(touched);
    }
    state.counters["touched"] = static_cast<double>(touched);
}

void alignOf1000(benchmark::State &state)
{
    DialogSet set = spreadControls(1000);
    Selection picked;
    picked.addAll(allShownControls(set.drawnControls(0)));
    SurfaceInteraction interaction;
    SurfaceRef s {set, 0, kOuter, interaction};
    int n = 0;
    for (auto _ : state) {
        // Left and right in turn, so that every run moves the controls.
        const ArrangeCommand command
            = n++ % 2 == 0 ? ArrangeCommand::AlignRight : ArrangeCommand::AlignLeft;
        benchmark::DoNotOptimize(arrangeControls(s, picked.tags(), command));
    }
}

void groupDragTrackOf1000(benchmark::State &state)
{
    DialogSet set = spreadControls(5000);
    Selection picked;
    const std::vector<std::string> all = allShownControls(set.drawnControls(0));
    for (std::size_t i = 0; i < all.size(); i += 5)
        picked.add(all[i]);
    GroupDrag drag;
    beginGroupDrag(drag, set.drawnControls(0), picked, picked.tags().front(), 100, 100);
    int n = 0;
    for (auto _ : state) {
        trackGroupDrag(drag, 100 + n % 40 * 15.0, 100 + n % 25 * 15.0, kOuter, 0.05f);
        ++n;
        benchmark::DoNotOptimize(groupOutline(drag));
    }
    state.counters["picked"] = static_cast<double>(drag.tags.size());
}

} // namespace

BENCHMARK(bandHitTestOver5000)->Unit(benchmark::kMillisecond);
BENCHMARK(alignOf1000)->Unit(benchmark::kMillisecond);
BENCHMARK(groupDragTrackOf1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    bench::TargetReporter reporter(
        {{"bandHitTestOver5000", 8}, {"alignOf1000", 50}, {"groupDragTrackOf1000", 8}});
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    reporter.printTargets();
    return 0;
}
