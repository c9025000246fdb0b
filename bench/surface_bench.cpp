// Timings of the design surface holding 5,000 controls, headless (offscreen unless
// QT_QPA_PLATFORM says otherwise). Run: build/bench/surface_bench
//
// Targets on a 2-core machine, printed at the end beside each figure: a drag step with its
// outline repaint under 8 ms, a full repaint under 100 ms (also of 5,000 controls of the newer
// game's kinds, each drawn as what it is), placing under 1 ms, switching the
// grid on with step 0.0001 under 50 ms, a rubber band step over the 5,000 controls under 8 ms,
// a drag step of 1,000 picked controls with their outlines under 8 ms.
#include "send_mouse.h"
#include "support/fake_surface_host.h"
#include "surface/grid_step.h"
#include "surface/move_limits.h"
#include "surface_view/grid_switch.h"
#include "surface_view/surface_view.h"
#include "target_reporter.h"

#include <QApplication>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>
#include <span>
#include <string>
#include <vector>

using namespace kovrin;

namespace {

constexpr SurfaceSize kOuter {12030, 7635};
constexpr int kControls = 5000;

// A surface of 5,000 controls of the kinds given spread over it, shown, made up to the count with
// the filler's kind; a strip along the bottom stays empty for placing.
class BenchSurface
{
public:
    explicit BenchSurface(std::span<const ControlKind> kinds = kDefinitionKinds,
                          ControlKind filler = ControlKind::Text)
    {
        host.set.insertDialog();
        for (int i = 0; i < kControls; ++i) {
            const ControlKind kind = kinds[static_cast<std::size_t>(i) % kinds.size()];
            // Frames and maps would cover everything; one big frame is added below.
            if (kind == ControlKind::Frame || kind == ControlKind::Map)
                continue;
            const double left = (i % 100) * 120.0;
            const double top = ((i / 100) % 50) * 135.0;
            host.set.createControl(0, kind, left, top, kOuter);
        }
        while (host.set.dialog(0).cControls.size() < kControls)
            host.set.createControl(0, filler, 6000, 3000, kOuter);
        // A frame in front, as large as frames are made: its outline crosses many controls.
        host.set.createControl(0, ControlKind::Frame, 1500, 1200, kOuter);
        view = std::make_unique<SurfaceView>(host, 1);
        view->setOuterSizeOverride(kOuter);
        view->show();
        settle();
    }

    void settle() { QApplication::processEvents(); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        bench::sendMouse(*view, type, at, button, held);
    }

    FakeSurfaceHost host;
    std::unique_ptr<SurfaceView> view;
};

// Made on first use and let go before the application, whose widgets it holds.
std::unique_ptr<BenchSurface> &sharedSurface()
{
    static std::unique_ptr<BenchSurface> shared;
    return shared;
}

BenchSurface &surface()
{
    if (!sharedSurface())
        sharedSurface() = std::make_unique<BenchSurface>();
    return *sharedSurface();
}

void placeOneMoreControl(benchmark::State &state)
{
    BenchSurface &s = surface();
    const QPoint at(600, 470); // on the empty strip
    for (auto _ : state) {
        s.host.armed = ControlKind::Button;
        s.mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        s.mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        s.settle(); // the new control painted
        state.PauseTiming();
        // Deleted again (its drawn control hidden), so the next click lands on the strip too.
        s.host.set.removeRecord(0, s.host.set.dialog(0).cControls.size() - 1);
        state.ResumeTiming();
    }
    state.counters["controls"] = static_cast<double>(s.host.set.dialog(0).cControls.size());
}

// Press inside a control, then step the pointer back and forth with the button held; each step
// runs trackDrag and repaints the outline's old and new place.
void dragStep(benchmark::State &state, const QPoint grab)
{
    bench::dragSteps(state, *surface().view, grab);
}

void dragStepOfTheLargeFrame(benchmark::State &state)
{
    dragStep(state, QPoint(300, 200)); // inside the frame in front
}

void dragStepOfASmallControl(benchmark::State &state)
{
    surface().host.set.createControl(0, ControlKind::Button, 11100, 7000, kOuter);
    surface().settle();
    dragStep(state, QPoint(755, 470));
}

void fullRepaint(benchmark::State &state)
{
    BenchSurface &s = surface();
    for (auto _ : state)
        s.view->repaint();
}

void fullRepaintOfTheNewerKinds(benchmark::State &state)
{
    BenchSurface newer(kNewerKinds, ControlKind::StructuredText);
    for (auto _ : state)
        newer.view->repaint();
}

void snapToGrid(benchmark::State &state)
{
    BenchSurface &s = surface();
    s.host.set.setGridSize(0, state.range(0) == 0 ? 0.05f : kSmallestGridStep);
    const std::string tag = s.host.set.dialog(0).cControls.back().Tag; // the frame
    // A right click on the frame makes it the menu's control.
    const TwipRect frame = s.host.set.drawnControls(0).findByTag(tag)->rect();
    const QPoint onFrame(static_cast<int>((frame.left + frame.width / 2) / kTwipsPerPixel),
                         static_cast<int>((frame.top + frame.height / 2) / kTwipsPerPixel));
    s.mouse(QEvent::MouseButtonPress, onFrame, Qt::RightButton, Qt::RightButton);
    s.mouse(QEvent::MouseButtonRelease, onFrame, Qt::RightButton, Qt::NoButton);
    const std::size_t record = *s.host.set.dialog(0).recordIndexByTag(tag);
    int n = 0;
    for (auto _ : state) {
        // Off the grid again (not timed: a document operation, not the command), then the
        // command as the menu runs it.
        state.PauseTiming();
        TwipRect off = s.host.set.drawnControls(0).findByTag(tag)->rect();
        off.left = 1000 + (n++ % 50) * 7.5;
        const ControlRecord &r = s.host.set.dialog(0).cControls.at(record);
        s.host.set.setControlGeometry(0, tag, off, {r.X, r.Y, {}, {}});
        state.ResumeTiming();
        s.view->snapToGrid();
        s.settle();
    }
}

void gridOnAtTheFinestStep(benchmark::State &state)
{
    BenchSurface &s = surface();
    s.host.set.setGridSize(0, kSmallestGridStep);
    for (auto _ : state) {
        state.PauseTiming();
        removeAllGrids({s.view.get()});
        s.settle();
        state.ResumeTiming();
        buildAllGrids({s.view.get()});
        s.settle(); // the lines painted
    }
    const GridLines &grid = s.view->interaction().grid;
    state.counters["lines"] = static_cast<double>(grid.lnH.size() + grid.lnV.size());
}

// A rubber band drawn from the empty strip at the bottom up over the controls; each step moves
// its corner and repaints its edges.
void rubberBandStep(benchmark::State &state)
{
    BenchSurface &s = surface();
    const QPoint from(5, 476);
    s.mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    int n = 0;
    for (auto _ : state) {
        const QPoint at(300 + n % 40, 100 + n % 25);
        ++n;
        s.mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        s.settle();
    }
    s.mouse(QEvent::MouseButtonRelease, QPoint(300, 100), Qt::LeftButton, Qt::NoButton);
    s.settle();
    state.counters["picked"] = static_cast<double>(s.view->selection().size());
    s.view->clearSelection();
    s.settle();
}

// 1,000 small controls side by side, all picked; one is dragged and every outline follows.
void groupDragStepOf1000(benchmark::State &state)
{
    FakeSurfaceHost host;
    host.set.insertDialog();
    for (int i = 0; i < 1000; ++i) {
        const double left = (i % 40) * 300.0;
        const double top = (i / 40) * 285.0;
        const auto index = host.set.createControl(0, ControlKind::Picture, left, top, kOuter);
        const std::string tag = host.set.dialog(0).cControls.at(*index).Tag;
        const TwipRect rect {left, top, 225, 180};
        host.set.setControlGeometry(0, tag, rect, placeOf(rect, kOuter, true));
    }
    SurfaceView view(host, 1);
    view.setOuterSizeOverride(kOuter);
    view.show();
    QApplication::processEvents();
    view.selectAll();
    QApplication::processEvents();
    const auto send
        = [&view](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
              QMouseEvent event(type, QPointF(at), QPointF(view.mapToGlobal(at)), button, held,
                                Qt::NoModifier);
              QApplication::sendEvent(&view, &event);
          };
    const QPoint grab(7, 6); // inside the first control, away from its edges
    send(QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int n = 0;
    for (auto _ : state) {
        const QPoint at = grab + QPoint(3 + n % 40, 2 + n % 25);
        ++n;
        send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    send(QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
    state.counters["picked"] = static_cast<double>(view.selection().size());
}

} // namespace

BENCHMARK(placeOneMoreControl)->Unit(benchmark::kMillisecond)->Iterations(500);
BENCHMARK(dragStepOfTheLargeFrame)->Unit(benchmark::kMillisecond);
BENCHMARK(dragStepOfASmallControl)->Unit(benchmark::kMillisecond);
BENCHMARK(fullRepaint)->Unit(benchmark::kMillisecond);
BENCHMARK(fullRepaintOfTheNewerKinds)->Unit(benchmark::kMillisecond);
BENCHMARK(snapToGrid)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(gridOnAtTheFinestStep)->Unit(benchmark::kMillisecond);
BENCHMARK(rubberBandStep)->Unit(benchmark::kMillisecond);
BENCHMARK(groupDragStepOf1000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TargetReporter reporter({
        {"placeOneMoreControl/iterations:500", 1},
        {"dragStepOfTheLargeFrame", 8},
        {"dragStepOfASmallControl", 8},
        {"fullRepaint", 100},
        {"fullRepaintOfTheNewerKinds", 100},
        {"gridOnAtTheFinestStep", 50},
        {"rubberBandStep", 8},
        {"groupDragStepOf1000", 8},
    });
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    sharedSurface().reset();
    reporter.printTargets();
    return 0;
}
