#pragma once
// The dialog set on screen: the document (cForms and its run values) together with one child
// window per dialog in the main window's workspace. Every change of the set that the shell makes
// goes through the named operations here, so that undo and the modified mark can later be kept
// in one place.

#include "model/dialog_set.h"

#include <QList>
#include <QObject>

#include <cstdint>
#include <optional>

class QMdiArea;

namespace kovrin {

class DialogSubWindow;
class SurfaceHost;
class SurfaceView;
class UserPrompts;

class DialogWorkspace : public QObject
{
    Q_OBJECT
public:
    DialogWorkspace(SurfaceHost &host, UserPrompts &prompts, QMdiArea &area,
                    QObject *parent = nullptr);

    DialogSet &set() { return m_set; }
    const DialogSet &set() const { return m_set; }

    // --- where the dialogs are ---------------------------------------------------------------
    // The current dialog: the surface of the active child window; none when there is none.
    SurfaceView *currentView() const;
    // The dialog's position in the set, none for a surface that is no longer in it.
    std::optional<std::size_t> indexOf(const SurfaceView &view) const;
    // Every surface, in set order.
    QList<SurfaceView *> views() const;
    DialogSubWindow *windowOf(std::int16_t frmIndex) const;
    // A dialog window's outer size in twips, measured once on a real child window frame.
    SurfaceSize surfaceOuterSize();

    // --- changes -----------------------------------------------------------------------------
    // Insert new dialog; refused with a message at the counter limit.
    void insertDialog();
    void renameDialog(std::int16_t frmIndex, const QString &name);
    void setGridSize(std::int16_t frmIndex, float gridSize);
    // Remove current dialog: its window closes through the two questions.
    void removeCurrentDialog();
    // Discard all: every window closes without a question and the counters start again.
    void discardAll();
    // A set read from a file takes the place of the one on screen.
    void replaceSet(DialogSet loaded);
    // The main window is closing: every window closes without a question.
    void closeForShutdown();
    // The set now stands in this file (after Save As); the path is UTF-8.
    void markSaved(const std::string &path);
    // A surface changed its dialog's controls.
    void noteSurfaceChange() { emit changed(); }

signals:
    void changed();

private:
    void openWindow(std::size_t index);
    bool mayClose();
    void dialogClosed(std::int16_t frmIndex);

    SurfaceHost &m_host;
    UserPrompts &m_prompts;
    QMdiArea &m_area;
    DialogSet m_set;
    bool m_shuttingDown = false;
    std::optional<SurfaceSize> m_outerSize;
};

} // namespace kovrin
