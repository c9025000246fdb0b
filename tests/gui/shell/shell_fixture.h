#pragma once
// A main window wired to scripted prompts and scripted windows, with helpers to reach its
// dialogs.

#include "../support/scripted_prompts.h"
#include "../support/scripted_windows.h"
#include "app/dialog_sub_window.h"
#include "app/dialog_workspace.h"
#include "app/main_window.h"
#include "surface_view/surface_view.h"

#include <QFile>
#include <QMdiArea>

#include <memory>
#include <string>
#include <vector>

namespace kovrin {

// The bytes of a file, or none when it cannot be read.
inline QByteArray fileContents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    QMdiArea *area() { return window->findChild<QMdiArea *>(QStringLiteral("mdi_area")); }

    std::vector<std::string> names()
    {
        std::vector<std::string> out;
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
    void makeCurrent(const std::string &name) { area()->setActiveSubWindow(windowNamed(name)); }
};

} // namespace kovrin
