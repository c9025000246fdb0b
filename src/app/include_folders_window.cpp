#include "app/include_folders_window.h"

#include "app/include_folders_setting.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovrin {

IncludeFoldersWindow::IncludeFoldersWindow(QWidget *parent)
    : QDialog(parent)
    , m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("frm_IncludeFolders"));
    setWindowTitle(QStringLiteral("Include Folders for Import"));
    m_list->setObjectName(QStringLiteral("lst_folders"));
    // Room for a folder's whole path as most are written.
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 60);
    for (const QString &folder : readIncludeFolders())
        addFolder(folder);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto *add = new QPushButton(QStringLiteral("&Add Folder..."), this);
    auto *remove = new QPushButton(QStringLiteral("&Remove"), this);
    add->setObjectName(QStringLiteral("cmd_add"));
    remove->setObjectName(QStringLiteral("cmd_remove"));
    connect(add, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, windowTitle());
        if (!folder.isEmpty())
            addFolder(folder);
    });
    connect(remove, &QPushButton::clicked, this, [this] { delete m_list->currentItem(); });
    // Remove acts on the chosen folder only: without one it has nothing to act on.
    const auto updateRemove = [this, remove] {
        remove->setEnabled(m_list->currentItem());
    };
    connect(m_list, &QListWidget::currentItemChanged, this, updateRemove);
    updateRemove();
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        writeIncludeFolders(folders());
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *explanation = new QLabel(QStringLiteral("Besides the folder of the file imported, "
                                                  "#include may read files only from these "
                                                  "folders and the folders inside them:"),
                                   this);
    explanation->setWordWrap(true);
    // The list's own buttons beside it, the window's below, as list editors place them.
    auto *listButtons = new QVBoxLayout;
    listButtons->addWidget(add);
    listButtons->addWidget(remove);
    listButtons->addStretch();
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(m_list);
    listRow->addLayout(listButtons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(listRow);
    layout->addWidget(buttons);
}

QStringList IncludeFoldersWindow::folders() const
{
    QStringList folders;
    for (int i = 0; i < m_list->count(); ++i)
        folders << QDir::fromNativeSeparators(m_list->item(i)->text());
    return folders;
}

void IncludeFoldersWindow::addFolder(const QString &folder)
{
    const QString shown = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (m_list->findItems(shown, Qt::MatchExactly).isEmpty())
        m_list->addItem(shown);
}

} // namespace kovrin
