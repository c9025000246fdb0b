#pragma once
// The "&Arrange" menu: align, distribute and same-size commands on the picked controls of the
// current dialog. It stands after "&View" and before the window and help menus; an entry is
// enabled only while enough controls are picked.

#include "surface/arrange.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace kovrin {

class ArrangeMenu : public QObject
{
    Q_OBJECT
public:
    // run gets the command and its undo step's name.
    ArrangeMenu(QMenuBar &bar, std::function<void(ArrangeCommand, const QString &)> run,
                QObject *parent = nullptr);

    // Enables the entries that this many picked controls allow.
    void enableFor(std::size_t picked);
    QAction *action(ArrangeCommand command) const;
    QMenu &menu() const { return *m_menu; }

private:
    struct Entry
    {
        ArrangeCommand command;
        QAction *action;
    };
    QList<Entry> m_entries;
    QMenu *m_menu = nullptr;
};

} // namespace kovrin
