#include "app/problems_dock.h"

#include "app/dialog_sub_window.h"
#include "app/dialog_workspace.h"
#include "cli/set_check.h"
#include "surface_view/surface_view.h"

#include <QListWidget>
#include <QMdiArea>
#include <QTimer>

namespace kovrin {
namespace {

// Where a line points, kept by the dialog's number and the control's tag rather than by
// positions, which a later change may shift.
constexpr int kFrmIndexRole = Qt::UserRole;
constexpr int kTagRole = Qt::UserRole + 1;

} // namespace

ProblemsDock::ProblemsDock(DialogWorkspace &workspace, QWidget *parent)
    : QDockWidget(QStringLiteral("Problems"), parent)
    , m_workspace(workspace)
    , m_list(new QListWidget(this))
    , m_pending(new QTimer(this))
{
    setObjectName(QStringLiteral("dock_problems"));
    m_list->setObjectName(QStringLiteral("lst_problems"));
    m_list->setUniformItemSizes(true);
    setWidget(m_list);
    m_pending->setSingleShot(true);
    m_pending->setInterval(0);
    connect(m_pending, &QTimer::timeout, this, &ProblemsDock::refresh);
    connect(m_list, &QListWidget::itemActivated, this, &ProblemsDock::goTo);
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool shown) {
        if (shown)
            scheduleRefresh();
    });
}

void ProblemsDock::scheduleRefresh()
{
    if (!isHidden())
        m_pending->start();
}

void ProblemsDock::refresh()
{
    m_pending->stop();
    if (isHidden())
        return;
    const DialogSet &set = m_workspace.set();
    const std::vector<DesignProblem> problems = setProblems(set);

    m_list->setUpdatesEnabled(false);
    m_list->clear();
    for (const DesignProblem &problem : problems) {
        auto *item = new QListWidgetItem(QString::fromStdString(problem.line));
        const Dialog &dialog = set.dialog(problem.dialog);
        item->setData(kFrmIndexRole, dialog.FrmIndex);
        if (problem.control)
            item->setData(kTagRole, QString::fromStdString(dialog.cControls[*problem.control].Tag));
        m_list->addItem(item);
    }
    // An empty list would not tell a set without problems from a list not yet filled.
    if (problems.empty()) {
        auto *none = new QListWidgetItem(QStringLiteral("No problems found."));
        none->setFlags(Qt::NoItemFlags);
        m_list->addItem(none);
    }
    m_list->setUpdatesEnabled(true);
}

void ProblemsDock::goTo(const QListWidgetItem *item)
{
    if (!item || !item->data(kFrmIndexRole).isValid())
        return;
    const auto frmIndex = static_cast<std::int16_t>(item->data(kFrmIndexRole).toInt());
    DialogSubWindow *window = m_workspace.windowOf(frmIndex);
    if (!window)
        return;
    if (QMdiArea *area = window->mdiArea())
        area->setActiveSubWindow(window);
    window->raise();
    const QVariant tag = item->data(kTagRole);
    if (tag.isValid())
        window->view()->selectOnly(tag.toString().toStdString());
    window->view()->setFocus();
}

} // namespace kovrin
