#pragma once
// The "Problems" dock: what the check subcommand reports for the set on screen, kept up to date
// after each change. A double click on a line brings its dialog forward with its control picked.

#include <QDockWidget>

class QListWidget;
class QListWidgetItem;
class QTimer;

namespace kovrin {

class DialogWorkspace;

class ProblemsDock : public QDockWidget
{
    Q_OBJECT
public:
    ProblemsDock(DialogWorkspace &workspace, QWidget *parent);

    // The set changed: the list is made again once the events of this change are through, so a
    // drag's steps cost one check at most per turn of the event loop.
    void scheduleRefresh();
    // Checks the set now (only while the dock is shown).
    void refresh();
    QListWidget &list() { return *m_list; }

private:
    void goTo(const QListWidgetItem *item);

    DialogWorkspace &m_workspace;
    QListWidget *m_list = nullptr;
    QTimer *m_pending = nullptr;
};

} // namespace kovrin
