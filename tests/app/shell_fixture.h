#pragma once
// A main window wired to scripted prompts and scripted windows, with helpers to reach its
// dialogs; a picture of all a change of the set can touch; and one dialog on screen with three
// controls placed by clicks, driven with the real mouse.

#include "../support/scripted_prompts.h"
#include "../support/scripted_windows.h"
#include "../support/test_settings.h"
#include "app/control_menu.h"
#include "app/dialog_sub_window.h"
#include "app/dialog_workspace.h"
#include "app/main_window.h"
#include "app/product.h"
#include "codegen/generate_code.h"
#include "surface_view/surface_view.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace kovrin {

using Names = std::vector<std::string>;

// The bytes of a file, or none when it cannot be read.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Writes the file and any folder it needs; false when it cannot.
inline bool writeFile(const QString &path, const QByteArray &bytes = {})
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size();
}

// A design file's text: the version line, then one record per dialog of that name and grid step.
inline QByteArray designText(const QList<QByteArray> &dialogs, const QByteArray &grid = "0")
{
    QByteArray text = "\"0.61\"\r\n";
    for (const QByteArray &name : dialogs)
        text += '"' + name + "\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n" + grid + "\r\n\"###\"\r\n";
    return text;
}

struct ShellFixture
{
    ScriptedPrompts prompts;
    ScriptedWindows windows;
    std::unique_ptr<MainWindow> window;

    ShellFixture()
        : window(std::make_unique<MainWindow>(&prompts))
    {
        windows.install(window->modalRunner());
    }

    DialogWorkspace &workspace() { return window->workspace(); }
    DialogSet &set() { return window->document(); }
    const MainMenus &menus() { return window->menus(); }
    QMdiArea *area() { return window->findChild<QMdiArea *>(QStringLiteral("mdi_area")); }
    const ScriptedPrompts::Shown &last() { return prompts.shown.last(); }
    // Every prompt shown so far as "kind title", a "!" marking the warning icon, then forgotten.
    QString asked()
    {
        QStringList out;
        for (const auto &shown : prompts.shown)
            out << shown.kind + ' ' + shown.title
                    + (shown.icon == UserPrompts::Icon::Warning ? "!" : "");
        prompts.shown.clear();
        return out.join(QStringLiteral(", "));
    }
    // The set in one line: the dialogs' names, how many windows show them, the current file's
    // name, the dialog counter and the mark of unsaved changes.
    QString state()
    {
        QStringList dialogs;
        for (const Dialog &dialog : set().cForms())
            dialogs << QString::fromStdString(dialog.Tag);
        return dialogs.join(',')
            + QStringLiteral(" windows %1 file '%2' counter %3")
                  .arg(area()->subWindowList().size())
                  .arg(QString::fromStdString(set().CurrentFile.filename().string()))
                  .arg(set().DialogCounter)
            + (workspace().isModified() ? " *" : "");
    }
    void insert(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            window->insertDialog();
    }

    Names names()
    {
        Names out;
        for (const Dialog &dialog : set().cForms())
            out.push_back(dialog.Tag);
        return out;
    }
    QStringList windowTitles()
    {
        QStringList out;
        for (SurfaceView *view : workspace().views())
            out << workspace().windowOf(view->frmIndex())->windowTitle();
        return out;
    }
    DialogSubWindow *windowNamed(const std::string &name)
    {
        for (const Dialog &dialog : set().cForms()) {
            if (dialog.Tag == name)
                return workspace().windowOf(dialog.FrmIndex);
        }
        return nullptr;
    }
    SurfaceView *viewOf(std::size_t dialog)
    {
        return workspace().windowOf(set().dialog(dialog).FrmIndex)->view();
    }
    void makeCurrent(const std::string &name) { area()->setActiveSubWindow(windowNamed(name)); }
};

// Everything a change of the set can touch, so that undo and redo can be compared with it:
// names, element numbers, records, drawn controls with their stacking, window titles and code.
struct SetPicture
{
    Names names;
    std::vector<std::int16_t> numbers;
    std::vector<DialogContent> contents;
    std::vector<DialogLayout> layouts;
    QStringList windowTitles;
    std::string code;
    bool operator==(const SetPicture &) const = default;
};

inline SetPicture pictureOf(ShellFixture &f)
{
    SetPicture picture {f.names(), {}, {}, {}, f.windowTitles(), generateCode(f.set())};
    for (std::size_t i = 0; i < f.set().count(); ++i) {
        picture.numbers.push_back(f.set().dialog(i).FrmIndex);
        picture.contents.push_back(f.set().content(i));
        picture.layouts.push_back(f.set().dialog(i).Layout);
    }
    return picture;
}

// One dialog on screen with a button, a text and an input box placed by clicks.
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
        return *dialog().drawn.findByTag(tags.at(record));
    }
    std::vector<std::string> picked() const { return view->selection().tags(); }
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

    void click(QPoint at, Qt::KeyboardModifiers keys = {})
    {
        QTest::mouseClick(window(), Qt::LeftButton, keys, at);
    }
    void placeByClick(ControlKind kind, QPoint surfacePixel)
    {
        f.window->toolbox()->arm(kind);
        click(onWindow(surfacePixel));
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
