// The designer. A subcommand (generate, convert, check, --help, --version) runs the command line
// without a display; otherwise the main window opens, with the design file named after the
// program loaded as Load would.
#include "app/main_window.h"
#include "cli/command_line.h"
#include "cli/program_arguments.h"
#include "cli/standard_output.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <iostream>

namespace {

// Most of the screen, centred, but never smaller than a dialog window needs.
void placeOnScreen(QWidget &window)
{
    const QRect available = window.screen()->availableGeometry();
    const QSize size(std::max(900, available.width() * 4 / 5),
                     std::max(640, available.height() * 4 / 5));
    window.resize(size.boundedTo(available.size()));
    window.move(available.center() - window.rect().center());
}

} // namespace

int main(int argc, char *argv[])
{
    const kovrin::ProgramArguments commandLine(argc, argv);
    kovrin::useBinaryStandardStreams();
    if (const auto code = kovrin::runCommandLine(commandLine.count(), commandLine.words(),
                                                 std::cout, std::cerr, kovrin::Program::Designer))
        return *code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kovrin"));
    QApplication::setOrganizationName(QStringLiteral("Kovrin"));

    kovrin::MainWindow window;
    placeOnScreen(window);
    window.show();

    // Work a run that did not end cleanly left behind is offered first; then the design file
    // named after the program, once Qt has taken its own options out.
    const QStringList arguments = QApplication::arguments();
    QTimer::singleShot(0, &window, [&window, arguments] {
        window.startWith(arguments.size() > 1 ? arguments.at(1) : QString());
    });
    return QApplication::exec();
}
