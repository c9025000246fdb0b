#pragma once
// The grid commands of the main window: the switch "Visible &grid", which builds or removes the
// lines of every dialog, and "Change &Grid Size for current dialog", which asks for the current
// dialog's step.

class QString;
class QWidget;

namespace kovrin {

class DialogWorkspace;
class ModalRunner;
class SurfaceView;
class UserPrompts;

class GridCommands
{
public:
    GridCommands(DialogWorkspace &workspace, UserPrompts &prompts, const ModalRunner &runner,
                 QWidget *parent);

    // Build all (with the busy pointer) or remove all.
    void showGrid(bool visible);
    void buildAll();
    void removeAll();

    // Asks for the current dialog's step; nothing when there is no current dialog.
    void changeGridSize(char decimalSeparator, bool gridVisible);
    // The step entered for the view's dialog, from the prompt or the Properties panel: a step
    // greater than 0 becomes one undo step and the lines are drawn again; any other takes the
    // lines away and keeps the step.
    void enterGridSize(SurfaceView &view, const QString &text, bool gridVisible);

private:
    DialogWorkspace &m_workspace;
    UserPrompts &m_prompts;
    const ModalRunner &m_runner;
    QWidget *m_parent;
};

} // namespace kovrin
