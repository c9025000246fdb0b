#pragma once
// The "&Window" menu: Cascade and Tile for the dialog windows, then every dialog by name with the
// active one checked. Choosing a dialog brings its window back and makes it the current one,
// minimized or not, so no dialog window can be lost.

#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

namespace kovrin {

class DialogWorkspace;

class WindowMenu : public QObject
{
    Q_OBJECT
public:
    // The menu holds its two commands already; the dialogs follow them.
    WindowMenu(QMenu &menu, QAction *cascade, QAction *tile, DialogWorkspace &workspace,
               QMdiArea &area, QObject *parent = nullptr);

    // The list of dialogs as it stands; the menu calls it whenever it opens.
    void listDialogs();

private:
    // Cascade and Tile place every dialog window, minimized ones restored first.
    void restoreMinimized();

    QMenu &m_menu;
    DialogWorkspace &m_workspace;
    QMdiArea &m_area;
    QAction *m_separator;
    QList<QAction *> m_entries;
};

} // namespace kovrin
