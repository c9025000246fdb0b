#include "app/grid_menu_commands.h"

#include "app/dialog_workspace.h"
#include "app/grid_size_prompt.h"
#include "app/modal_runner.h"
#include "model/number_text.h"
#include "surface/grid_step.h"
#include "surface_view/busy_cursor.h"
#include "surface_view/grid_switch.h"
#include "surface_view/surface_view.h"

namespace kovrin {

GridCommands::GridCommands(DialogWorkspace &workspace, UserPrompts &prompts,
                           const ModalRunner &runner, QWidget *parent)
    : m_workspace(workspace)
    , m_prompts(prompts)
    , m_runner(runner)
    , m_parent(parent)
{
}

void GridCommands::showGrid(bool visible)
{
    if (visible)
        buildAll();
    else
        removeAll();
}

void GridCommands::buildAll()
{
    buildAllGrids(m_workspace.views());
}

void GridCommands::removeAll()
{
    removeAllGrids(m_workspace.views());
}

void GridCommands::changeGridSize(char decimalSeparator, bool gridVisible)
{
    SurfaceView *view = m_workspace.currentView();
    if (!view)
        return;
    const auto index = m_workspace.indexOf(*view);
    if (!index)
        return;

    GridSizePrompt prompt(m_prompts, decimalSeparator, m_parent);
    const float current = m_workspace.set().dialog(*index).GridSize;
    prompt.setSizeText(QString::fromStdString(singleText(current, decimalSeparator)));
    m_runner.run(prompt);
    if (prompt.Cancelled || prompt.result() != QDialog::Accepted)
        return;

    enterGridSize(*view, prompt.sizeText(), gridVisible);
}

void GridCommands::enterGridSize(SurfaceView &view, const QString &text, bool gridVisible)
{
    const auto step = enteredGridStep(text.toStdString());
    if (!step) {
        view.removeGrid();
        return;
    }
    m_workspace.setGridSize(view.frmIndex(), *step);
    if (gridVisible) {
        BusyCursor busy;
        view.removeGrid();
        view.buildGrid();
    }
}

} // namespace kovrin
