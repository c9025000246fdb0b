#pragma once
// The history of the dialog set: one undo stack for every dialog, and per dialog its content as
// the last step left it, from which that dialog's next step is measured. Steps are made here;
// what their undo and redo do to the set and its windows is the workspace's.

#include "model/content_change.h"
#include "model/dialog.h"
#include "model/dialog_content.h"

#include <QString>
#include <QUndoStack>

#include <cstdint>
#include <map>

namespace kovrin {

class ContentStep;
class DialogWorkspace;

class DialogHistory
{
public:
    // Steps kept for undo; the oldest go first.
    static constexpr int kUndoLimit = 100;
    enum class Direction { Back, Forward };

    explicit DialogHistory(DialogWorkspace &workspace);

    QUndoStack &stack() { return m_stack; }
    const QUndoStack &stack() const { return m_stack; }

    // A dialog shown: its content as it stands is where its next step starts.
    void keep(std::int16_t frmIndex, DialogContent content);
    // A dialog gone: it makes no more steps.
    void forget(std::int16_t frmIndex);
    // The dialog's change since its kept content as one step of that name; none when nothing
    // changed. With a run (0 or more), it joins the step before it when that one is of the same
    // run and still the latest.
    void recordContent(std::int16_t frmIndex, const Dialog &now, const QString &stepName, int run);
    // Undo or redo of a content step: the kept content turned back or forward, for the set to
    // take; none for a dialog that is not kept.
    const DialogContent *replay(std::int16_t frmIndex, const ContentChange &change,
                                Direction direction);
    // Every step and every kept content gone (a new or loaded set); clean again.
    void clear();

private:
    ContentStep *joinableStep(std::int16_t frmIndex, int run);

    DialogWorkspace &m_workspace;
    QUndoStack m_stack;
    std::map<std::int16_t, DialogContent> m_kept;
};

} // namespace kovrin
