#pragma once
// What a design surface needs from the main window that owns it: the document and its named
// operations, the armed kind, the clipboard, the prompts, and the windows it opens (context menu,
// property editor, dialog-name prompt).

#include "model/control_kind.h"
#include "model/dialog_set.h"
#include "surface/clipboard.h"

#include <QPoint>
#include <QString>

#include <cstddef>
#include <optional>

namespace kovrin {

class SurfaceView;
class UserPrompts;

class SurfaceHost
{
public:
    virtual ~SurfaceHost() = default;

    virtual DialogSet &document() = 0;
    // CurrCommand: the kind the toolbox armed for the next click on a surface; none when none is.
    virtual std::optional<ControlKind> armedKind() const = 0;
    virtual void disarmToolbox() = 0; // the toolbox's cmd_Cancel_Click
    virtual ControlClipboard &clipboard() = 0; // CopyCtrl, shared by all dialogs
    virtual UserPrompts &prompts() = 0;
    virtual char decimalSeparator() const = 0;
    virtual bool gridVisible() const = 0;

    // The "Control Manager" menu at a global point; onControl false shows only "&Paste control".
    // The host remembers the view as PopUpForm and forwards the chosen command to it.
    virtual void showControlMenu(SurfaceView &view, bool onControl, const QPoint &globalPos) = 0;
    // The property editor on record recordIndex (0-based) of the view's dialog, modal.
    virtual void openPropertyEditor(SurfaceView &view, std::size_t recordIndex) = 0;
    // Double click on the empty background: the dialog-name prompt.
    virtual void renameDialog(SurfaceView &view) = 0;
    // Called after every change the view made to the document, once per gesture, with the name
    // the Edit menu gives its undo step ("Move control").
    virtual void documentChanged(SurfaceView &view, const QString &stepName) = 0;
    // The same for a change without a name of its own.
    void documentChanged(SurfaceView &view) { documentChanged(view, QString()); }
    // A change that joins the step before it when that one was reported with the same run
    // (an arrow key held down): one undo step for the whole run.
    virtual void documentChangedInRun(SurfaceView &view, const QString &stepName, int run)
    {
        (void)run;
        documentChanged(view, stepName);
    }

    // "Snap to grid while dragging": a move or resize ends on the nearest grid point.
    virtual bool snapWhileDragging() const { return false; }
    // Where the pointer is over a surface and what stands under it; "" when it left.
    virtual void showSurfaceStatus(const QString &text) { (void)text; }
};

} // namespace kovrin
