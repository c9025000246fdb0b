// The user-visible operations of the designer on a large design, headless (offscreen unless
// QT_QPA_PLATFORM says otherwise): start-up to the first shown main window, Load of a
// 10,000-control design until every surface is drawn, Save, Generate until the code window
// shows its text, and a full repaint of the largest surface. Each figure is printed beside its
// target. Run: build/bench/gui_timing [runs]

#include "app/dialog_workspace.h"
#include "app/main_window.h"
#include "design_fixture.h"
#include "persist/design_writer.h"
#include "support/scripted_prompts.h"
#include "surface/surface_view.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace kovrin;

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Resident memory of this process in MB, where the system tells it.
double residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    }
    return -1;
}

void report(const char *what, double value, const char *unit, double target)
{
    std::printf("%-52s %9.1f %-3s  target < %5.0f %-3s  %s\n", what, value, unit, target, unit,
                value >= 0 && value < target ? "met" : "NOT MET");
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

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer startUp;
    startUp.start();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    ScriptedPrompts prompts;
    auto window = std::make_unique<MainWindow>(&prompts);
    window->resize(1400, 900);
    window->show();
    QApplication::processEvents();
    window->repaint();
    const double startUpMs = static_cast<double>(startUp.nsecsElapsed()) / 1e6;

    QTemporaryDir folder;
    const QString design = folder.filePath(QStringLiteral("large.kvx"));
    {
        const DialogSet set = bench::makeDesign(10, 10000);
        if (!writeDesign(set, design.toStdString()).status) {
            std::fprintf(stderr, "could not write the design\n");
            return 2;
        }
    }

    std::vector<double> load, save, generate, repaint;
    double memory = -1;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        window->openFile(design);
        drawEverySurface(*window);
        load.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        memory = std::max(memory, residentMegabytes());

        t.restart();
        window->save(); // CurrentFile is the loaded file: no dialog, then "Saved."
        save.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);

        double shownMs = -1;
        window->modalRunner().replace([&](QDialog &code) {
            code.show();
            code.repaint();
            shownMs = static_cast<double>(t.nsecsElapsed()) / 1e6;
            const auto *text = code.findChild<QPlainTextEdit *>(QStringLiteral("txt_code"));
            if (!text || text->toPlainText().isEmpty())
                shownMs = -1;
            code.close();
        });
        t.restart();
        window->generate();
        generate.push_back(shownMs);

        if (SurfaceView *view = largestSurface(*window)) {
            t.restart();
            view->grab();
            repaint.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        }
    }

    std::printf("Kovrin designer timings, median of %d runs (10 dialogs, 10,000 controls)\n", runs);
    report("start-up to the first shown main window", startUpMs, "ms", 400);
    report("Load until every surface is drawn", median(load), "ms", 500);
    report("Save", median(save), "ms", 500);
    report("Generate until the code window shows its text", median(generate), "ms", 300);
    report("full repaint of the largest surface (1,000 controls)", median(repaint), "ms", 100);
    report("resident memory with the design loaded", memory, "MB", 150);
    window.reset();
    return 0;
}
