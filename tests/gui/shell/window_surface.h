#pragma once
// One dialog on screen in a main window, with three controls placed by clicks (a button, a text
// and an input box), and helpers that drive it with the real mouse.

#include "shell_fixture.h"

#include "app/control_menu.h"

#include <QAction>
#include <QtTest>

namespace kovrin {

struct WindowSurface
{
    ShellFixture f;
    SurfaceView *view = nullptr;
    std::vector<std::string> tags;

    WindowSurface()
    {
        f.window->resize(1200, 900);
        f.window->show();
        if (!QTest::qWaitForWindowExposed(f.window.get()))
            return;
        f.window->insertDialog();
        view = f.workspace().currentView();
        placeByClick(ControlKind::Button, QPoint(100, 100));
        placeByClick(ControlKind::Text, QPoint(300, 150));
        placeByClick(ControlKind::Input, QPoint(450, 300));
        for (const ControlRecord &record : dialog().cControls)
            tags.push_back(record.Tag);
    }

    const Dialog &dialog() { return f.set().dialog(0); }
    const DrawnControl &drawn(std::size_t record)
    {
        return *f.set().dialog(0).drawn.findByTag(tags.at(record));
    }
    QWindow *window() { return f.window->windowHandle(); }
    // A point of the surface (pixels) in the main window.
    QPoint onWindow(QPoint surfacePixel) { return view->mapTo(f.window.get(), surfacePixel); }
    // A point inside a control, in twips from its top-left corner.
    QPoint inside(std::size_t record, double x, double y)
    {
        const DrawnControl &control = drawn(record);
        return onWindow(QPoint(static_cast<int>((control.left + x) / 15),
                               static_cast<int>((control.top + y) / 15)));
    }
    QPoint middleOf(std::size_t record)
    {
        return inside(record, drawn(record).width / 2, drawn(record).height / 2);
    }

    void placeByClick(ControlKind kind, QPoint surfacePixel)
    {
        f.window->toolbox()->arm(kind);
        QTest::mouseClick(window(), Qt::LeftButton, {}, onWindow(surfacePixel));
    }
    void drag(QPoint from, QPoint to, int moves = 5)
    {
        QTest::mousePress(window(), Qt::LeftButton, {}, from);
        for (int i = 1; i <= moves; ++i)
            QTest::mouseMove(window(), from + (to - from) * i / moves);
        QTest::mouseRelease(window(), Qt::LeftButton, {}, to);
    }
    // A right click, then the entry of the "Control Manager" menu that it opened.
    void menuCommand(QPoint at, const char *entry)
    {
        QTest::mouseClick(window(), Qt::RightButton, {}, at);
        ControlMenu &menu = f.window->controlMenu();
        menu.findChild<QAction *>(QLatin1String(entry))->trigger();
        menu.hide();
    }
    void setGridStep(float step)
    {
        f.workspace().setGridSize(view->frmIndex(), step);
        view->buildGrid();
    }
};

} // namespace kovrin
