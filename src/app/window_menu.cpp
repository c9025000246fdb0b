#include "app/window_menu.h"

#include "app/dialog_sub_window.h"
#include "app/dialog_workspace.h"
#include "app/window_arrangement.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

namespace kovrin {

WindowMenu::WindowMenu(QMenu &menu, QAction *cascade, QAction *tile, DialogWorkspace &workspace,
                       QMdiArea &area, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
    , m_workspace(workspace)
    , m_area(area)
    , m_separator(menu.addSeparator())
{
    m_separator->setObjectName(QStringLiteral("mnu_window_sep"));
    connect(cascade, &QAction::triggered, this, [this] {
        restoreMinimized();
        cascadeWindows(m_area);
    });
    connect(tile, &QAction::triggered, this, [this] {
        restoreMinimized();
        tileWindows(m_area);
    });
    connect(&m_menu, &QMenu::aboutToShow, this, &WindowMenu::listDialogs);
    listDialogs();
}

void WindowMenu::listDialogs()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const DialogSet &set = m_workspace.set();
    m_separator->setVisible(set.count() > 0);
    QMdiSubWindow *active = m_area.activeSubWindow();
    for (std::size_t i = 0; i < set.count(); ++i) {
        DialogSubWindow *window = m_workspace.windowOf(set.dialog(i).FrmIndex);
        if (!window)
            continue;
        // An "&" in a name is a letter; the first nine entries take their number as access key.
        QString name = QString::fromStdString(set.dialog(i).Tag);
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        const QString text = i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(name) : name;
        QAction *entry = m_menu.addAction(text);
        entry->setObjectName(QStringLiteral("mnu_window%1").arg(i + 1));
        entry->setCheckable(true);
        entry->setChecked(window == active);
        QPointer<DialogSubWindow> chosen(window);
        connect(entry, &QAction::triggered, this, [this, chosen] {
            if (!chosen)
                return;
            if (chosen->isMinimized())
                chosen->showNormal();
            m_area.setActiveSubWindow(chosen); // the check marks follow at the next opening
        });
        m_entries << entry;
    }
}

void WindowMenu::restoreMinimized()
{
    for (QMdiSubWindow *window : m_area.subWindowList()) {
        if (window->isMinimized())
            window->showNormal();
    }
}

} // namespace kovrin
