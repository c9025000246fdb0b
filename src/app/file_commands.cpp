#include "app/file_commands.h"

#include "app/backups.h"
#include "app/dialog_workspace.h"
#include "app/file_dialog_folders.h"
#include "app/fs_path.h"
#include "model/problem_list.h"
#include "persist/design_loader.h"
#include "persist/design_writer.h"
#include "persist/file_identity.h"
#include "persist/file_io.h"
#include "surface_view/busy_cursor.h"
#include "surface_view/user_prompts.h"

#include <QDir>
#include <QFileInfo>

#include <exception>
#include <new>

namespace kovrin {
namespace {

const auto kWarning = QStringLiteral("WARNING");
const auto kSuffix = QStringLiteral("kvx");

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

QString listed(const std::vector<std::string> &lines)
{
    return fromUtf8(problemLines(listedProblems(lines)));
}

// Any exception of a load, out of memory included, as the refusal of a file that cannot be read:
// the set on screen is only replaced once the new one is whole.
LoadOutcome loadGuarded(DialogSet &loaded, const std::filesystem::path &path, char separator,
                        SurfaceSize surfaceSize)
{
    try {
        return loadDesignFile(loaded, path, separator, surfaceSize);
    } catch (const std::bad_alloc &) {
        loaded.discardAll();
        return {Status::failure(fileProblem(path, "there is not enough memory to load it")), {}};
    } catch (const std::exception &e) {
        loaded.discardAll();
        return {Status::failure(
                    fileProblem(path, std::string("it cannot be loaded (") + e.what() + ")")),
                {}};
    }
}

WriteOutcome writeGuarded(const DialogSet &set, const std::filesystem::path &path)
{
    try {
        return writeDesign(set, path);
    } catch (const std::bad_alloc &) {
        return {
            Status::failure(fileProblem(path, "there is not enough memory to save it")), {}, {}};
    } catch (const std::exception &e) {
        return {Status::failure(
                    fileProblem(path, std::string("it cannot be saved (") + e.what() + ")")),
                {},
                {}};
    }
}

} // namespace

FileCommands::FileCommands(DialogWorkspace &workspace, UserPrompts &prompts,
                           std::function<void()> afterLoad)
    : m_workspace(workspace)
    , m_prompts(prompts)
    , m_afterLoad(std::move(afterLoad))
{
}

QString FileCommands::fileFilter()
{
    // Shown as "ZTK Dialog (*.KVX)"; the file dialog matches its pattern ignoring case, so it
    // lists "menu.kvx" and "MENU.KVX" alike.
    return QStringLiteral("ZTK Dialog (*.KVX)");
}

bool FileCommands::save()
{
    const std::filesystem::path current = m_workspace.set().CurrentFile;
    if (current.empty())
        return saveAs();
    if (!writeTo(fromFsPath(current)))
        return false;
    m_workspace.markSaved(current);
    m_prompts.message(QStringLiteral("OPERATION SUCCESSFUL"), QStringLiteral("Saved."),
                      UserPrompts::Icon::Information);
    return true;
}

bool FileCommands::saveAs()
{
    const QString path = m_prompts.saveFileName(fileDialogFolder(), QStringLiteral("Save As..."),
                                                kSuffix, fileFilter());
    if (path.isEmpty())
        return false;
    rememberFileDialogFolder(path);
    if (!isSameFile(toFsPath(path), m_workspace.set().CurrentFile)) {
        if (const Status fresh = outputIsNotRead(m_workspace.filesRead(), toFsPath(path)); !fresh) {
            m_prompts.message(kWarning,
                              QStringLiteral("The dialogs were not saved.\r\n")
                                  + fromUtf8(fresh.message),
                              UserPrompts::Icon::Warning);
            return false;
        }
    }
    if (QFileInfo::exists(path)
        && !m_prompts.askYesNo(kWarning,
                               QStringLiteral("File already exists. Are you sure you want to "
                                              "overwrite it?"),
                               UserPrompts::Icon::Warning))
        return false;
    if (!writeTo(path))
        return false;
    m_workspace.markSaved(QFileInfo(path).filesystemAbsoluteFilePath());
    return true;
}

bool FileCommands::writeTo(const QString &path)
{
    // The version this save replaces is kept first; a save goes ahead even when it cannot be.
    const Status kept = keepReplacedVersion(path);
    const WriteOutcome outcome = writeGuarded(m_workspace.set(), toFsPath(path));
    if (!outcome.status) {
        m_prompts.message(kWarning,
                          QStringLiteral("The dialogs were not saved.\r\n")
                              + fromUtf8(outcome.status.message),
                          UserPrompts::Icon::Warning);
        return false;
    }
    QString notes;
    if (!kept)
        notes += QStringLiteral("The version this save replaced could not be kept in the backup "
                                "folder:\r\n")
            + fromUtf8(kept.message) + QStringLiteral("\r\n");
    if (!outcome.replacedTexts.empty())
        notes += QStringLiteral("Some characters cannot be stored in a design file and were "
                                "written as \"?\":\r\n")
            + listed(outcome.replacedTexts);
    if (!outcome.unreadableTexts.empty())
        notes += QStringLiteral("Some texts were saved as they are but will not read back whole "
                                "when the file is loaded:\r\n")
            + listed(outcome.unreadableTexts);
    if (!notes.isEmpty())
        m_prompts.message(kWarning, notes, UserPrompts::Icon::Warning);
    return true;
}

bool FileCommands::load(char decimalSeparator)
{
    const QString path = m_prompts.openFileName(fileDialogFolder(), QStringLiteral("Load Dialog"),
                                                kSuffix, fileFilter());
    if (path.isEmpty())
        return false;
    rememberFileDialogFolder(path);
    return loadFile(path, decimalSeparator);
}

bool FileCommands::loadFile(const QString &path, char decimalSeparator)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    return loadAs(
        absolute, absolute,
        QStringLiteral("The file was not loaded; the dialogs on screen are as they were."),
        decimalSeparator);
}

bool FileCommands::loadRecovered(const QString &recoveryPath, const QString &belongsTo,
                                 char decimalSeparator)
{
    if (!loadAs(recoveryPath, belongsTo,
                QStringLiteral("The unsaved work could not be recovered. Its file is kept for you "
                               "to look at: %1")
                    .arg(QDir::toNativeSeparators(recoveryPath)),
                decimalSeparator))
        return false;
    m_workspace.markModified();
    return true;
}

bool FileCommands::loadAs(const QString &path, const QString &standsFor, const QString &failure,
                          char decimalSeparator)
{
    BusyCursor busy;
    // Read into a set of its own first: the dialogs on screen go only once the file is in.
    DialogSet loaded;
    // Its safe-zone fields and surfaces are placed on the reference screen in use.
    loaded.setReferenceScreen(m_workspace.set().referenceScreen(), m_workspace.surfaceOuterSize());
    const LoadOutcome outcome
        = loadGuarded(loaded, toFsPath(path), decimalSeparator, m_workspace.surfaceOuterSize());
    if (!outcome.status) {
        busy.release();
        m_prompts.message(kWarning,
                          failure + QStringLiteral("\r\n") + fromUtf8(outcome.status.message),
                          UserPrompts::Icon::Warning);
        return false;
    }
    loaded.CurrentFile = toFsPath(standsFor);
    m_workspace.replaceSet(std::move(loaded));
    if (m_afterLoad)
        m_afterLoad();
    busy.release();
    if (!outcome.problems.empty())
        m_prompts.message(kWarning,
                          QStringLiteral("The file was loaded, but some of its values could not be "
                                         "read as they were:\r\n")
                              + listed(outcome.problems),
                          UserPrompts::Icon::Warning);
    return true;
}

} // namespace kovrin
