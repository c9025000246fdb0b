#pragma once
// "Include &Folders for Import...": the list of folders imports may take included files from,
// edited in a small modal window; OK stores it, Cancel leaves it as it was.

#include <QDialog>

class QListWidget;

namespace kovrin {

class IncludeFoldersWindow : public QDialog
{
    Q_OBJECT
public:
    explicit IncludeFoldersWindow(QWidget *parent = nullptr);

    QStringList folders() const;
    void addFolder(const QString &folder);

private:
    QListWidget *m_list;
};

} // namespace kovrin
