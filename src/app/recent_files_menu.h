#pragma once
// The recent design files at the end of the File menu: "&1 menu.kvx" and so on, each with its
// full path as tip, kept in the settings store as they change. A chosen entry is reported; the
// main window decides what opening it means.

#include "model/recent_files.h"

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;

namespace kovrin {

class RecentFilesMenu : public QObject
{
    Q_OBJECT
public:
    // The separator and the entries come from the menu bar, hidden; the list from the settings.
    RecentFilesMenu(QAction *separator, QList<QAction *> entries, QObject *parent = nullptr);

    QStringList paths() const;
    // A file was loaded or saved: it comes first.
    void use(const QString &path);
    void remove(const QString &path);

signals:
    void chosen(const QString &path);

private:
    void showList();

    RecentFiles m_list;
    QAction *m_separator;
    QList<QAction *> m_entries;
};

} // namespace kovrin
