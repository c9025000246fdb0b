// The designer: a plain window with the product title until the main window exists.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Kovrin v0.61 BETA"));
    window.resize(1024, 700);
    window.show();
    return QApplication::exec();
}
