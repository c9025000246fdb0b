#include "app/dialog_history.h"

#include "app/edit_steps.h"

namespace kovrin {

DialogHistory::DialogHistory(DialogWorkspace &workspace)
    : m_workspace(workspace)
{
    m_stack.setUndoLimit(kUndoLimit);
}

void DialogHistory::keep(std::int16_t frmIndex, DialogContent content)
{
    m_kept[frmIndex] = std::move(content);
}

void DialogHistory::forget(std::int16_t frmIndex)
{
    m_kept.erase(frmIndex);
}

ContentStep *DialogHistory::joinableStep(std::int16_t frmIndex, int run)
{
    const int count = m_stack.count();
    // Not after an undo, and not across a save: the saved state must stay a step of its own.
    if (run < 0 || count == 0 || m_stack.index() != count || m_stack.cleanIndex() == count)
        return nullptr;
    auto *last
        = dynamic_cast<ContentStep *>(const_cast<QUndoCommand *>(m_stack.command(count - 1)));
    return last && last->frmIndex() == frmIndex && last->run() == run ? last : nullptr;
}

void DialogHistory::recordContent(std::int16_t frmIndex, const Dialog &now, const QString &stepName,
                                  int run)
{
    const auto kept = m_kept.find(frmIndex);
    if (kept == m_kept.end())
        return;
    ContentChange change = changeBetween(kept->second, now);
    if (change.empty())
        return;
    if (ContentStep *last = joinableStep(frmIndex, run)) {
        DialogContent before = kept->second;
        undoChange(before, last->change());
        redoChange(kept->second, change);
        last->replaceChange(changeBetween(before, now));
        return;
    }
    redoChange(kept->second, change);
    // Kept, so the next step starts from what stands, but no step of its own: the user would see
    // a change mark for nothing they can see or save.
    if (change.belowATwip())
        return;
    m_stack.push(new ContentStep(m_workspace, frmIndex, std::move(change), stepName, run));
}

const DialogContent *DialogHistory::replay(std::int16_t frmIndex, const ContentChange &change,
                                           Direction direction)
{
    const auto kept = m_kept.find(frmIndex);
    if (kept == m_kept.end())
        return nullptr;
    if (direction == Direction::Back)
        undoChange(kept->second, change);
    else
        redoChange(kept->second, change);
    return &kept->second;
}

void DialogHistory::clear()
{
    m_stack.clear();
    // An empty stack marked changed (recovered work) is left so by clear(); a set that replaced
    // it is unchanged.
    m_stack.setClean();
}

} // namespace kovrin
