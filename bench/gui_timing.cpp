// The user-visible operations of the designer on a large design, headless (offscreen unless
// QT_QPA_PLATFORM says otherwise): start-up from launch to the first shown main window, Load of a
// 10,000-control design until every surface is drawn, Save, Generate until the code window
// shows its text, a full repaint of the largest surface, an autosave's share of the
// user-interface thread, and the Problems list made again after a change; Load, repaint and
// Generate again with every control in the safe-zone form. Each figure is the median of the runs,
// as wall time and as this process's CPU time, printed beside its target (judged on the wall time).
// Run: build/bench/gui_timing [runs]

#include "app/autosave.h"
#include "app/code_view.h"
#include "app/dialog_workspace.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/problems_dock.h"
#include "design_fixture.h"
#include "gui_figures.h"
#include "persist/design_writer.h"
#include "support/scripted_prompts.h"
#include "surface_view/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

using namespace kovrin;
using bench::monotonicSeconds;
using bench::processCpuSeconds;
using bench::report;
using bench::Timing;

namespace {

const char *const kStartUpOnly = "--start-up-only";

// A field of /proc/self/status in MB (VmRSS now, VmHWM the peak), where the system tells it.
double statusMegabytes(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::size_t length = std::strlen(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0 && line.size() > length && line[length] == ':')
            return std::stod(line.substr(length + 1)) / 1024.0;
    }
    return -1;
}

bool reportMemory(const char *what, double megabytes, double target)
{
    const bool met = megabytes >= 0 && megabytes < target;
    std::printf("%-50s %8.1f MB %11s  < %4.0f MB  %s\n", what, megabytes, "", target,
                met ? "met" : "NOT MET");
    return met;
}

// The window as the program shows it at start-up: its size, shown, painted once.
std::unique_ptr<MainWindow> showMainWindow(ScriptedPrompts &prompts)
{
    auto window = std::make_unique<MainWindow>(&prompts);
    window->resize(1400, 900);
    window->show();
    QApplication::processEvents();
    window->repaint();
    return window;
}

// A fresh process of this program that only starts up: it prints the monotonic time and its CPU
// time at the moment its main window has been painted.
int startUpOnly(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    ScriptedPrompts prompts;
    auto window = showMainWindow(prompts);
    std::printf("%.9f %.9f\n", monotonicSeconds(), processCpuSeconds());
    return 0;
}

// Launches the start-up-only process and takes its figures: wall time from the launch, CPU time
// of the started process.
bool timeStartUp(Timing &timing)
{
    QProcess child;
    const double launched = monotonicSeconds();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kStartUpOnly)});
    if (!child.waitForFinished(30000) || child.exitCode() != 0)
        return false;
    double shownAt = 0;
    double cpu = 0;
    if (std::sscanf(child.readAllStandardOutput().constData(), "%lf %lf", &shownAt, &cpu) != 2)
        return false;
    timing.add((shownAt - launched) * 1e3, cpu * 1e3);
    return true;
}

// Every surface painted whole, even those the top one hides (the worst case of a load).
void drawEverySurface(MainWindow &window)
{
    QApplication::processEvents();
    for (SurfaceView *view : window.workspace().views())
        view->grab();
}

SurfaceView *largestSurface(MainWindow &window)
{
    SurfaceView *largest = nullptr;
    std::size_t most = 0;
    for (SurfaceView *view : window.workspace().views()) {
        const auto index = window.workspace().indexOf(*view);
        const std::size_t count = index ? window.document().dialog(*index).cControls.size() : 0;
        if (!largest || count > most) {
            largest = view;
            most = count;
        }
    }
    return largest;
}

// The code the window shows, as the user would copy it.
bool showsCode(const QDialog &code)
{
    const auto *text = code.findChild<CodeView *>(QStringLiteral("txt_code"));
    return text && !text->toPlainText().isEmpty();
}

// The operations on one design, timed run after run.
struct DesignTimings
{
    Timing load, save, generate, repaint, autosave;
    double loadedMegabytes = -1;
};

bool timeDesign(MainWindow &window, const QString &folder, std::size_t controls, int runs,
                DesignTimings &t, DialogLayout layout = DialogLayout::Screen)
{
    const QString design = folder
        + QStringLiteral("/design%1%2.kvx")
              .arg(controls)
              .arg(layout == DialogLayout::SafeZone ? QStringLiteral("-safezone") : QString());
    if (!writeDesign(bench::makeDesign(10, controls, layout), design.toStdString()).status) {
        std::fprintf(stderr, "could not write the design\n");
        return false;
    }
    for (int run = 0; run < runs; ++run) {
        t.load.start();
        window.openFile(design);
        drawEverySurface(window);
        t.load.stop();
        t.loadedMegabytes = std::max(t.loadedMegabytes, statusMegabytes("VmRSS"));

        t.save.start();
        window.save(); // CurrentFile is the loaded file: no dialog, then "Saved."
        t.save.stop();

        // What an autosave takes from the user-interface thread: the bytes; the worker writes.
        window.workspace().markModified();
        t.autosave.start();
        window.autosave().saveNow();
        t.autosave.stop();
        window.autosave().waitForWrites();
        window.workspace().markSaved(window.document().CurrentFile);

        bool shown = false;
        window.modalRunner().replace([&](QDialog &code) {
            code.show();
            code.repaint();
            t.generate.stop();
            shown = showsCode(code);
            code.close();
        });
        t.generate.start();
        window.generate();
        if (!shown) {
            std::fprintf(stderr, "the code window did not show the code\n");
            return false;
        }

        if (SurfaceView *view = largestSurface(window)) {
            t.repaint.start();
            view->grab();
            t.repaint.stop();
        }
    }
    return true;
}

// The check of the whole set and the list shown again, as after each change with the Problems dock
// open; a design of this many controls in 10 dialogs.
bool timeProblems(MainWindow &window, const QString &folder, std::size_t controls, int runs,
                  Timing &timing)
{
    const QString design = folder + QStringLiteral("/problems%1.kvx").arg(controls);
    if (!writeDesign(bench::makeDesign(10, controls), design.toStdString()).status) {
        std::fprintf(stderr, "could not write the design\n");
        return false;
    }
    window.openFile(design);
    if (!window.menus().problems->isChecked())
        window.menus().problems->trigger();
    QApplication::processEvents();
    ProblemsDock &dock = window.problemsDock();
    for (int run = 0; run < runs; ++run) {
        timing.start();
        dock.refresh();
        dock.repaint();
        timing.stop();
    }
    window.menus().problems->trigger(); // the other figures are taken with the dock closed
    return true;
}

// Linear cost: four times the controls may cost at most this much more than four times as much.
constexpr double kLinearSlack = 1.25;

bool reportGrowth(const char *what, const Timing &small, const Timing &large, double factor)
{
    const double growth = large.cpuMs() / small.cpuMs();
    const bool met = growth <= factor * kLinearSlack;
    std::printf("%-50s %8.1f ms %8.1f ms  x%.2f for x%.0f controls (<= x%.1f)  %s\n", what,
                small.cpuMs(), large.cpuMs(), growth, factor, factor * kLinearSlack,
                met ? "met" : "NOT MET");
    return met;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useQuietOffscreenPlatform();
    if (argc > 1 && std::strcmp(argv[1], kStartUpOnly) == 0)
        return startUpOnly(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);

    Timing startUp;
    for (int run = 0; run < runs; ++run) {
        if (!timeStartUp(startUp)) {
            std::fprintf(stderr, "the start-up process failed\n");
            return 2;
        }
    }

    ScriptedPrompts prompts;
    auto window = showMainWindow(prompts);
    const double baseMegabytes = statusMegabytes("VmRSS");
    QTemporaryDir folder;
    DesignTimings large;
    if (!timeDesign(*window, folder.path(), 10000, runs, large))
        return 2;
    const double peakMegabytes = statusMegabytes("VmHWM");
    // The same design with every control in the safe-zone form, timed right after it.
    DesignTimings safeZone;
    if (!timeDesign(*window, folder.path(), 10000, runs, safeZone, DialogLayout::SafeZone))
        return 2;
    Timing problems;
    if (!timeProblems(*window, folder.path(), 1000, runs, problems))
        return 2;

    std::printf("Kovrin designer timings, median of %d runs (10 dialogs, 10,000 controls)\n", runs);
    std::printf("%-50s %11s %11s  %9s\n", "", "wall", "CPU", "target");
    bool met = report("start-up from launch to the first shown main window", startUp, 400);
    met = report("Load until every surface is drawn", large.load, 500) && met;
    met = report("Save", large.save, 500) && met;
    met = report("Autosave, on the user-interface thread", large.autosave, 50) && met;
    met = report("Generate until the code window shows its text", large.generate, 300) && met;
    met = report("full repaint of the largest surface (1,000 controls)", large.repaint, 100) && met;
    met = report("Problems list after a change (1,000 controls)", problems, 100) && met;
    met = reportMemory("resident memory with the design loaded", large.loadedMegabytes, 150) && met;
    std::printf("%-50s %8.1f MB\n", "  of which the empty main window", baseMegabytes);
    met = reportMemory("peak resident memory until then", peakMegabytes, 150) && met;

    std::printf("\nThe same 10,000 controls, every one in the safe-zone form\n");
    met = report("Load until every surface is drawn", safeZone.load, 500) && met;
    met = report("full repaint of the largest surface (1,000 controls)", safeZone.repaint, 100)
        && met;
    met = report("Generate until the code window shows its text", safeZone.generate, 300) && met;

    // The same on a quarter of the controls and on twice as many, CPU time.
    DesignTimings quarter, twice;
    if (!timeDesign(*window, folder.path(), 2500, runs, quarter)
        || !timeDesign(*window, folder.path(), 20000, runs, twice))
        return 2;
    std::printf("\nCost against the number of controls (CPU, 2,500 against 10,000 and 20,000)\n");
    met = reportGrowth("Load until drawn, 2,500 -> 10,000", quarter.load, large.load, 4) && met;
    met = reportGrowth("Load until drawn, 10,000 -> 20,000", large.load, twice.load, 2) && met;
    met = reportGrowth("Save, 2,500 -> 10,000", quarter.save, large.save, 4) && met;
    met = reportGrowth("Generate until shown, 2,500 -> 10,000", quarter.generate, large.generate, 4)
        && met;
    met = reportGrowth("Generate until shown, 10,000 -> 20,000", large.generate, twice.generate, 2)
        && met;
    std::printf("%-50s %8.1f MB\n", "resident memory with 20,000 controls loaded",
                twice.loadedMegabytes);

    std::printf("%s\n", met ? "Every target met." : "Some targets NOT MET.");
    window.reset();
    return 0;
}
