#include "app/import_report_window.h"

#include "app/file_dialog_folders.h"
#include "app/fs_path.h"
#include "classdef/import_limits.h"
#include "persist/file_identity.h"
#include "persist/file_io.h"
#include "surface_view/user_prompts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <array>

namespace kovrin {
namespace {

QString countedCause(ReadCause cause, std::size_t count)
{
    return QStringLiteral("%1 (%2)")
        .arg(QString::fromUtf8(readCauseInfo(cause).summary.data(),
                               static_cast<qsizetype>(readCauseInfo(cause).summary.size())))
        .arg(count);
}

// One branch for each cause with reports, in the causes' order, the lines kept below it.
void fillTree(QTreeWidget &tree, const ImportReport &report)
{
    std::array<QTreeWidgetItem *, kReadCauseCount> branches {};
    for (std::size_t i = 0; i < kReadCauseCount; ++i) {
        if (report.counts[i] == 0)
            continue;
        branches[i] = new QTreeWidgetItem(
            &tree, QStringList(countedCause(static_cast<ReadCause>(i), report.counts[i])));
    }
    for (const ImportReportLine &line : report.lines) {
        QTreeWidgetItem *branch = branches[static_cast<std::size_t>(line.cause)];
        if (branch)
            new QTreeWidgetItem(branch, QStringList(QString::fromStdString(line.text)));
    }
    if (report.notListed > 0)
        new QTreeWidgetItem(
            &tree,
            QStringList(QStringLiteral("%1 more problems are not listed").arg(report.notListed)));
    // A short report opens whole; a long one shows its causes, each opened on demand.
    if (report.lines.size() <= kShownProblems)
        tree.expandAll();
}

} // namespace

ImportReportWindow::ImportReportWindow(ImportReport report, const QString &heading,
                                       const QString &notes, UserPrompts &prompts,
                                       const FilesRead &filesRead, QWidget *parent)
    : QDialog(parent)
    , m_report(std::move(report))
    , m_prompts(prompts)
    , m_filesRead(filesRead)
    , m_tree(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("frm_ImportReport"));
    setWindowTitle(QStringLiteral("Import Report"));
    m_tree->setObjectName(QStringLiteral("tre_report"));
    m_tree->setHeaderHidden(true);
    m_tree->setColumnCount(1);
    // Lines are long: they scroll sideways rather than being cut.
    m_tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->setMinimumSize(m_tree->fontMetrics().averageCharWidth() * 90,
                           m_tree->fontMetrics().height() * 16);
    fillTree(*m_tree, m_report);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmd_OK"));
    auto *save
        = buttons->addButton(QStringLiteral("&Save Report..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("cmd_save"));
    connect(save, &QPushButton::clicked, this, [this] { saveReport(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    auto *head = new QLabel(heading, this);
    head->setWordWrap(true);
    layout->addWidget(head);
    layout->addWidget(m_tree);
    if (!notes.isEmpty()) {
        auto *below = new QLabel(notes, this);
        below->setObjectName(QStringLiteral("lbl_notes"));
        below->setWordWrap(true);
        below->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(below);
    }
    layout->addWidget(buttons);
}

bool ImportReportWindow::saveReport()
{
    const QString path = m_prompts.saveFileName(
        fileDialogFolder(), QStringLiteral("Save Import Report"), QStringLiteral("txt"),
        QStringLiteral("Text files (*.txt);;All files (*)"));
    // The folder of the files imported stays the one the next file dialog opens in.
    if (path.isEmpty())
        return false;
    const std::filesystem::path file = toFsPath(path);
    Status written = outputIsNotRead(m_filesRead, file);
    if (written)
        written = writeFileAtomically(file, reportFileText(m_report));
    if (!written) {
        m_prompts.message(QStringLiteral("WARNING"), QString::fromStdString(written.message),
                          UserPrompts::Icon::Warning);
        return false;
    }
    return true;
}

} // namespace kovrin
