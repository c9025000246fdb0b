#include "app/recent_files_menu.h"

#include "app/recent_files_setting.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace kovrin {

RecentFilesMenu::RecentFilesMenu(QAction *separator, QList<QAction *> entries, QObject *parent)
    : QObject(parent)
    , m_list(readRecentFiles())
    , m_separator(separator)
    , m_entries(std::move(entries))
{
    for (QAction *entry : m_entries) {
        connect(entry, &QAction::triggered, this,
                [this, entry] { emit chosen(entry->data().toString()); });
    }
    showList();
}

QStringList RecentFilesMenu::paths() const
{
    QStringList out;
    for (const std::string &path : m_list.paths())
        out << QString::fromStdString(path);
    return out;
}

void RecentFilesMenu::use(const QString &path)
{
    m_list.use(path.toStdString());
    writeRecentFiles(m_list.paths());
    showList();
}

void RecentFilesMenu::remove(const QString &path)
{
    if (!m_list.remove(path.toStdString()))
        return;
    writeRecentFiles(m_list.paths());
    showList();
}

void RecentFilesMenu::showList()
{
    const QStringList listed = paths();
    m_separator->setVisible(!listed.isEmpty());
    for (int i = 0; i < m_entries.size(); ++i) {
        QAction *entry = m_entries[i];
        entry->setVisible(i < listed.size());
        if (i >= listed.size())
            continue;
        const QString &path = listed[i];
        // An "&" in a file name is a letter, not an access key.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setData(path);
        entry->setStatusTip(QDir::toNativeSeparators(path));
        entry->setToolTip(QDir::toNativeSeparators(path));
    }
}

} // namespace kovrin
