#include "app/dialog_workspace.h"

#include "app/edit_steps.h"

namespace kovrin {

SetAddition DialogWorkspace::addImportedDialogs(const std::vector<ImportedDialog> &dialogs)
{
    SetAddition added = kovrin::addImportedDialogs(m_set, dialogs, surfaceOuterSize());
    if (!added.status) {
        // The counters are checked before anything is added; should one still fail, what was
        // added goes again, so the set is as it was.
        for (auto it = added.indices.rbegin(); it != added.indices.rend(); ++it)
            m_set.removeDialog(m_set.dialog(*it).FrmIndex);
        added.indices.clear();
        return added;
    }
    if (added.indices.empty())
        return added;
    m_history.stack().beginMacro(QStringLiteral("Import dialog code"));
    for (std::size_t index : added.indices) {
        openWindow(index);
        m_history.stack().push(new InsertDialogStep(*this, m_set.dialog(index).FrmIndex));
    }
    m_history.stack().endMacro();
    return added;
}

} // namespace kovrin
