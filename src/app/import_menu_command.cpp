#include "app/import_menu_command.h"

#include "app/dialog_workspace.h"
#include "app/file_dialog_folders.h"
#include "app/fs_path.h"
#include "app/import_report_window.h"
#include "app/include_folders_setting.h"
#include "app/modal_runner.h"
#include "classdef/dialog_import.h"
#include "classdef/import_report.h"
#include "model/problem_list.h"
#include "surface_view/busy_cursor.h"
#include "surface_view/user_prompts.h"

#include <QFileInfo>

namespace kovrin {
namespace {

const auto kWarning = QStringLiteral("WARNING");

// A message box stays readable: the first lines, then how many more there are.
constexpr std::size_t kShownLines = 30;

QString linesOf(std::vector<std::string> lines)
{
    if (lines.size() > kShownLines) {
        const std::size_t more = lines.size() - kShownLines;
        lines.resize(kShownLines);
        lines.push_back("... and " + std::to_string(more) + " more");
    }
    return QString::fromStdString(problemLines(lines));
}

} // namespace

ImportCommand::ImportCommand(DialogWorkspace &workspace, UserPrompts &prompts,
                             const ModalRunner &runner, QWidget *parent)
    : m_workspace(workspace)
    , m_prompts(prompts)
    , m_runner(runner)
    , m_parent(parent)
{
}

QString ImportCommand::fileFilter()
{
    return QStringLiteral("Dialog code (*.ext *.hpp *.h *.inc);;Mission description (*.ext);;"
                          "Headers (*.hpp *.h);;Included files (*.inc);;All files (*)");
}

bool ImportCommand::run(char decimalSeparator)
{
    const QString path = m_prompts.openFileName(
        fileDialogFolder(), QStringLiteral("Import Dialog Code"), QString(), fileFilter());
    if (path.isEmpty())
        return false;
    rememberFileDialogFolder(path);
    return importFile(path, decimalSeparator);
}

bool ImportCommand::importFile(const QString &path, char decimalSeparator)
{
    BusyCursor busy;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const std::filesystem::path file = toFsPath(absolute);
    const DialogImport imported = importDialogs(
        file, diskSourceLoader(file, includeFolders(), &m_workspace.filesRead()), decimalSeparator);
    if (!imported.readable || imported.dialogs.empty()) {
        busy.release();
        QString text = imported.readable
            ? QStringLiteral("No dialog was imported: the file holds no class with controls[] "
                             "or controlsBackground[].\r\n")
                + linesOf(imported.problemLines())
            : QString::fromStdString(imported.failure);
        m_prompts.message(kWarning, text, UserPrompts::Icon::Warning);
        return false;
    }
    const SetAddition added = m_workspace.addImportedDialogs(imported.dialogs);
    busy.release();
    if (!added.status) {
        m_prompts.message(kWarning, QString::fromStdString(added.status.message),
                          UserPrompts::Icon::Warning);
        return false;
    }

    ImportReport problems = importReport(imported);
    for (const ReadProblem &problem : added.renamed)
        problems.add(problem.cause, readProblemText(problem, imported.files));
    QString notes;
    if (const std::string forms = imported.formsLine(); !forms.empty())
        notes += (notes.isEmpty() ? QString() : QStringLiteral("\r\n"))
            + QString::fromStdString(forms) + QStringLiteral("\r\n");
    if (!problems.empty()) {
        ImportReportWindow window(std::move(problems),
                                  QStringLiteral("The dialogs were added, but not everything came "
                                                 "in as written:"),
                                  notes, m_prompts, m_workspace.filesRead(), m_parent);
        m_runner.run(window);
    } else if (!notes.isEmpty()) {
        m_prompts.message(QStringLiteral("Import dialog code"), notes,
                          UserPrompts::Icon::Information);
    }
    return true;
}

} // namespace kovrin
