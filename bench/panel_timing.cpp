// The Properties panel on a dialog of 1,000 controls, headless (offscreen unless QT_QPA_PLATFORM
// says otherwise): picking another control until the panel shows its fields, and a colour typed
// for all 1,000 picked controls until the step is recorded and the surface and the panel show it.
// Each figure is the median of the runs, wall and CPU time, beside its target (judged on the wall
// time). Run: build/bench/panel_timing [runs]

#include "app/dialog_workspace.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "design_fixture.h"
#include "gui_figures.h"
#include "persist/design_writer.h"
#include "props_window/property_panel.h"
#include "support/scripted_prompts.h"
#include "surface_view/surface_view.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace kovrin;
using bench::report;
using bench::Timing;

namespace {

constexpr std::size_t kControls = 1000;

} // namespace

int main(int argc, char *argv[])
{
    bench::useQuietOffscreenPlatform();
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;

    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    ScriptedPrompts prompts;
    MainWindow window(&prompts);
    window.resize(1400, 900);
    window.show();
    QApplication::processEvents();

    QTemporaryDir folder;
    const QString design = folder.path() + QStringLiteral("/panel.kvx");
    if (!writeDesign(bench::makeDesign(1, kControls), design.toStdString()).status) {
        std::fprintf(stderr, "could not write the design\n");
        return 2;
    }
    window.openFile(design);
    if (!window.menus().propertiesPanel->isChecked())
        window.menus().propertiesPanel->trigger();
    QApplication::processEvents();
    SurfaceView *view = window.workspace().currentView();
    if (!view || window.document().dialog(0).cControls.size() != kControls) {
        std::fprintf(stderr, "the design did not load\n");
        return 2;
    }
    PropertyPanel &panel = window.propertyPanel();
    const auto &records = window.document().dialog(0).cControls;

    // Between two controls of other kinds, painted each time as the user sees it.
    Timing pick;
    for (int run = 0; run < runs; ++run) {
        pick.start();
        view->selectOnly(records[static_cast<std::size_t>(run % 2) * 3].Tag);
        QApplication::processEvents();
        panel.repaint();
        pick.stop();
    }

    // The foreground's red typed for all, which every kind has; Enter writes it.
    Timing colour;
    view->selectAll();
    QLineEdit *red = panel.field(QStringLiteral("txt_fg_r"));
    QUndoStack &history = window.workspace().history();
    for (int run = 0; run < runs; ++run) {
        red->setFocus();
        red->setText(run % 2 ? QStringLiteral("0.25") : QStringLiteral("0.75"));
        const int steps = history.index();
        colour.start();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(red, &enter);
        QApplication::processEvents(); // what the change set waiting
        view->repaint();
        panel.repaint();
        colour.stop();
        if (history.index() != steps + 1) {
            std::fprintf(stderr, "the colour was not written as one step\n");
            return 2;
        }
    }

    std::printf("Properties panel, median of %d runs (one dialog of 1,000 controls)\n", runs);
    std::printf("%-50s %11s %11s  %9s\n", "", "wall", "CPU", "target");
    bool met = report("another control picked until the panel shows it", pick, 10);
    met = report("a colour typed for 1,000 picked controls", colour, 100) && met;
    std::printf("%s\n", met ? "Every target met." : "Some targets NOT MET.");
    return 0;
}
