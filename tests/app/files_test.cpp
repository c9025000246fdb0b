// Design files through the main window: Save, Save As and Load with their file dialogs, reports
// and a set on screen that survives every failure; the title's modified mark and the question
// before unsaved work would be lost; the recent files, a dropped file, the command line, and
// the import of dialog code; autosave to the recovery folder and recovery at the next start of
// what a run that did not end cleanly left; the versions saves replace kept in the backup folder.
// Everything stays in the test mode's data folder.
#include "app/autosave.h"
#include "app/backups.h"
#include "app/file_commands.h"
#include "app/fs_path.h"
#include "app/recent_files_menu.h"
#include "persist/backup_names.h"
#include "persist/design_writer.h"

#include "shell_fixture.h"

#include <QDesktopServices>
#include <QDropEvent>
#include <QLabel>
#include <QLockFile>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTreeWidget>
#include <QUndoStack>

#include <functional>

#include <sys/stat.h>

using namespace kovrin;
using Choice = UserPrompts::Choice;
using namespace std::chrono_literals;

namespace {

// The main window's title: the product, its version and what follows them.
QString title(const char *tail)
{
    return QStringLiteral("Kovrin v0.61 BETA") + QLatin1String(tail);
}

QStringList recentEntries(ShellFixture &f)
{
    QStringList out;
    for (QAction *entry : f.menus().recentFiles) {
        if (entry->isVisible())
            out << entry->text();
    }
    return out;
}

// Sends a drag and, when it was taken, the drop of these files; true when the drag was taken.
bool dropFiles(QWidget &window, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    const QPoint point(window.width() / 2, window.height() / 2);
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &drop);
    return true;
}

using Command = std::function<void(ShellFixture &)>;

QByteArray bytesOf(const DialogSet &set)
{
    return QByteArray::fromStdString(designBytes(set).bytes);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString left(const QString &file)
{
    return RecoverySlot::folder() + '/' + file;
}

// What a run that ended without a word left: its recovery file and whose it is.
void leaveRecovery(const QString &id, const QByteArray &design, const QString &source)
{
    QVERIFY(writeFile(left(id + ".kvx"), design));
    QVERIFY(writeFile(left(id + ".source"), source.toUtf8()));
}

const QString kMainMenu = QStringLiteral(KOVRIN_TEST_DATA "/main_menu.kvx");

} // namespace

class FilesTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;
    QList<QUrl> m_opened;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    QString design(const QString &name, const QByteArray &dialog)
    {
        return writeFile(path(name), designText({dialog})) ? path(name) : QString();
    }
    // A set saved as menu.kvx, then changed.
    void savedThenChanged(ShellFixture &f)
    {
        f.insert();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        f.insert();
        f.asked();
    }
    QString current(ShellFixture &f) { return fromFsPath(f.set().CurrentFile); }

public slots:
    void openedUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        TestSettings::clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QFile::remove(path("menu.kvx"));
    }

    void saveWithoutACurrentFileIsSaveAsThenSaveSaysSaved()
    {
        // The file dialogs open in the documents folder until a file is chosen in one of them:
        // here that of a home folder of the test's own, given back whatever the outcome.
        const struct HomeGivenBack
        {
            QByteArray home = qgetenv("HOME");
            ~HomeGivenBack() { qputenv("HOME", home); }
        } givenBack;
        qputenv("HOME", path("home").toLocal8Bit());
        const QString documents
            = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        ShellFixture f;
        f.insert();
        f.prompts.fileNames = {QString(), path("menu.kvx")};
        f.window->saveAs();
        QCOMPARE(f.window->windowTitle(), title(" *"));
        f.menus().save->trigger();
        QCOMPARE(f.last().text, documents + "|kvx|" + FileCommands::fileFilter());
        // And there again when the folder they last opened in has gone.
        TestSettings::setValue("SETTINGS/LASTFOLDER", path("gone"));
        f.prompts.fileNames = {QString()};
        f.window->saveAs();
        QVERIFY(f.last().text.startsWith(documents + '|'));
        // No "Saved." after Save As.
        QCOMPARE(f.asked(), "save Save As..., save Save As..., save Save As...");
        QVERIFY(fileContents(path("menu.kvx")).startsWith("\"0.61\"\r\n\"DIALOG1\"\r\n"));
        QCOMPARE(f.window->windowTitle(), title(" - menu.kvx"));

        f.insert();
        QCOMPARE(f.window->windowTitle(), title(" - menu.kvx *"));
        f.menus().undo->trigger(); // back where it was saved
        QCOMPARE(f.window->windowTitle(), title(" - menu.kvx"));
        f.menus().undo->trigger(); // before the save: changed against the file
        QCOMPARE(f.window->windowTitle(), title(" - menu.kvx *"));
        f.menus().redo->trigger();
        f.set().renameDialog(0, "MAIN");
        f.insert();
        f.window->save(); // now Save writes the same file, says so and clears the mark
        QCOMPARE(f.last().text, QStringLiteral("Saved."));
        QCOMPARE(f.asked(), "message OPERATION SUCCESSFUL");
        QVERIFY(fileContents(path("menu.kvx")).contains("\"MAIN\""));
        QCOMPARE(f.window->windowTitle(), title(" - menu.kvx"));
    }

    void overwriteIsAskedAndAFileThatCannotBeWrittenIsReported()
    {
        ShellFixture f;
        f.insert();
        QVERIFY(writeFile(path("old.kvx"), "old"));
        f.prompts.fileNames = {path("old.kvx"), path("old.kvx")};
        f.prompts.yesNoAnswers = {false, true};
        f.window->saveAs();
        QVERIFY(f.last().text.contains(QStringLiteral("overwrite")));
        QCOMPARE(f.asked(), "save Save As..., yesno WARNING!");
        QCOMPARE(fileContents(path("old.kvx")), QByteArray("old"));
        QVERIFY(f.set().CurrentFile.empty());
        f.window->saveAs();
        QVERIFY(fileContents(path("old.kvx")).startsWith("\"0.61\""));
        QCOMPARE(current(f), path("old.kvx"));

        QVERIFY(writeFile(path("plain"), "x")); // a folder that is a file stops even root
        f.prompts.fileNames = {path("plain/inside.kvx")};
        f.asked();
        f.window->saveAs();
        QVERIFY2(f.last().text.contains(path("plain/inside.kvx")), qPrintable(f.last().text));
        QCOMPARE(f.asked(), "save Save As..., message WARNING!");
        QCOMPARE(current(f), path("old.kvx"));
        // Save to a current file whose folder has gone: reported, no "Saved.".
        f.set().CurrentFile = toFsPath(path("gone/menu.kvx"));
        f.window->save();
        QCOMPARE(f.asked(), "message WARNING!");
        // Characters the file cannot hold are listed after the save.
        f.set().renameDialog(0, "MENU\xce\xa9"); // a Greek capital omega
        f.prompts.fileNames = {path("omega.kvx")};
        f.window->saveAs();
        QVERIFY(f.last().text.contains(QStringLiteral("\r\n- ")));
        QCOMPARE(f.asked(), "save Save As..., message WARNING!");
        QCOMPARE(current(f), path("omega.kvx"));
    }

    void loadReplacesTheSetWithTheFilesDialogsAndListsItsProblems()
    {
        ShellFixture f;
        f.insert(2);
        f.set().renameDialog(0, "MAIN");
        QVERIFY(f.set().createControl(0, ControlKind::Button, 1203, 763.5,
                                      f.workspace().surfaceOuterSize()));
        f.prompts.fileNames = {path("two.kvx"), path("two.kvx")};
        f.window->saveAs();
        f.insert();
        f.asked();
        f.prompts.saveDiscardAnswers = {Choice::Discard};
        f.menus().load->trigger();
        // Load opens where the set was saved.
        QCOMPARE(f.last().text, m_folder.path() + "|kvx|" + FileCommands::fileFilter());
        QCOMPARE(f.asked(), "savediscard WARNING!, open Load Dialog"); // no report: a clean load
        QCOMPARE(f.state(), "MAIN,DIALOG2 windows 2 file 'two.kvx' counter 2");
        QCOMPARE(f.windowTitles(), QStringList({"MAIN", "DIALOG2"}));
        // The drawn control stands where it stood: the loader used the real window frame.
        const DrawnControl &button = f.set().dialog(0).drawn.stackingOrder().back();
        QCOMPARE(qRound(button.left), 1203);
        QCOMPARE(qRound(button.top * 2), 1527);
        QVERIFY(!f.menus().undo->isEnabled());

        // What the reader replaced is listed in one message after loading.
        QVERIFY(writeFile(path("tiny.kvx"),
                          designText({"A"}, "0.00001") + designText({"B"}, "0.1").mid(8)));
        f.prompts.fileNames = {path("tiny.kvx")};
        f.window->load();
        QCOMPARE(f.names(), (Names {"A", "B"}));
        QVERIFY2(f.last().text.contains("\r\n- dialog \"A\""), qPrintable(f.last().text));
        QVERIFY(f.last().text.endsWith(QStringLiteral("\r\n")));
        QCOMPARE(f.asked(), "open Load Dialog, message WARNING!");
    }

    void aLoadThatBringsNoDesignLeavesTheSetAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // written to the file when there are any
        QTest::newRow("cancelled") << "" << QByteArray();
        QTest::newRow("missing") << "missing.kvx" << QByteArray();
        QTest::newRow("folder") << "." << QByteArray();
        QTest::newRow("not a design") << "noise.kvx" << QByteArray("\x89PNG\r\n\x1A\n\0\0", 10);
    }
    void aLoadThatBringsNoDesignLeavesTheSetAsItWas()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QVERIFY(bytes.isEmpty() || writeFile(path(name), bytes));
        ShellFixture f;
        f.insert(2);
        f.set().CurrentFile = "/kept/menu.kvx";
        const QStringList recent = recentEntries(f);
        const QString unreadable = name.isEmpty() ? name : QDir::cleanPath(path(name));
        f.prompts.saveDiscardAnswers = {Choice::Discard};
        f.prompts.fileNames = {unreadable};
        f.window->load();
        QVERIFY2(f.last().text.contains(unreadable), qPrintable(f.last().text));
        QCOMPARE(f.asked(),
                 "savediscard WARNING!, open Load Dialog"
                     + QString(name.isEmpty() ? "" : ", message WARNING!"));
        // Discard loses nothing until a file comes in.
        QCOMPARE(f.state(), "DIALOG1,DIALOG2 windows 2 file 'menu.kvx' counter 2 *");
        QCOMPARE(recentEntries(f), recent);
    }

    void aFileNamedOnTheCommandLineOrDroppedLoadsAsLoadWould()
    {
        design("cli.kvx", "FROM_CLI");
        ShellFixture f;
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        f.window->openFile(QStringLiteral("cli.kvx"));
        QDir::setCurrent(before);
        QCOMPARE(current(f), path("cli.kvx"));
        QCOMPARE(f.asked(), "");
        f.window->openFile(path("nothing-here.kvx"));
        QCOMPARE(f.asked(), "message WARNING!");
        QCOMPARE(f.state(), "FROM_CLI windows 1 file 'cli.kvx' counter 1");

        // A drop is taken only when it brings a design file, in any case of its suffix.
        f.insert();
        const QString dropped = design("dropped.KVX", "DROPPED");
        QVERIFY(writeFile(path("notes.txt")));
        QVERIFY(!dropFiles(*f.window, {path("notes.txt")}));
        f.prompts.saveDiscardAnswers = {Choice::Discard};
        QVERIFY(dropFiles(*f.window, {path("notes.txt"), dropped}));
        QCOMPARE(f.asked(), "savediscard WARNING!");
        QCOMPARE(f.state(), "DROPPED windows 1 file 'dropped.KVX' counter 1");
    }

    // Quit, the close box, Load, New, a recent file and a dropped file all ask first.
    void unsavedWorkIsAskedAboutAndCancelKeepsEverything_data()
    {
        QTest::addColumn<Command>("command");
        QTest::newRow("quit") << Command([](ShellFixture &f) { f.menus().quit->trigger(); });
        QTest::newRow("close box") << Command([](ShellFixture &f) { QVERIFY(!f.window->close()); });
        QTest::newRow("load") << Command([](ShellFixture &f) { f.menus().load->trigger(); });
        QTest::newRow("new") << Command([](ShellFixture &f) { f.menus().newDialog->trigger(); });
        QTest::newRow("recent file")
            << Command([](ShellFixture &f) { f.menus().recentFiles.at(0)->trigger(); });
        QTest::newRow("drop") << Command([](ShellFixture &f) {
            QVERIFY(dropFiles(*f.window, {fromFsPath(f.set().CurrentFile)}));
        });
    }
    void unsavedWorkIsAskedAboutAndCancelKeepsEverything()
    {
        QFETCH(Command, command);
        ShellFixture f;
        f.window->show();
        savedThenChanged(f);
        f.prompts.saveDiscardAnswers = {Choice::Cancel};
        command(f);
        QCOMPARE(f.last().text, QStringLiteral("Save changes to the dialogs before closing?"));
        QCOMPARE(f.asked(), "savediscard WARNING!");
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.state(), "DIALOG1,DIALOG2 windows 2 file 'menu.kvx' counter 2 *");
        // Unchanged again, nothing is asked.
        f.menus().undo->trigger();
        QVERIFY(f.window->close());
        QCOMPARE(f.asked(), "");
    }

    void theAnswersToTheUnsavedWorkQuestionAreFollowed()
    {
        // Quit: Discard writes nothing, Save writes the changed set first.
        for (const auto answer : {Choice::Discard, Choice::Save}) {
            QFile::remove(path("menu.kvx"));
            ShellFixture f;
            f.window->show();
            savedThenChanged(f);
            f.prompts.saveDiscardAnswers = {answer};
            QVERIFY(f.window->close());
            QVERIFY(!f.window->isVisible());
            QCOMPARE(fileContents(path("menu.kvx")).contains("\"DIALOG2\""),
                     answer == Choice::Save);
        }
        // Load after Save, then the file dialog: what was saved is what comes back.
        QFile::remove(path("menu.kvx"));
        ShellFixture f;
        savedThenChanged(f);
        f.prompts.saveDiscardAnswers = {Choice::Save, Choice::Discard};
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->load();
        QCOMPARE(f.state(), "DIALOG1,DIALOG2 windows 2 file 'menu.kvx' counter 2");
        QVERIFY(!f.menus().undo->isEnabled());
        f.insert();
        f.asked();
        f.window->newDialog(); // Discard is the answer: New asks nothing more
        QCOMPARE(f.asked(), "savediscard WARNING!");
        QCOMPARE(f.state(), " windows 0 file '' counter 0");
        QCOMPARE(f.workspace().history().count(), 0);

        // A save that does not happen (cancelled, or refused by the disk) keeps the program.
        f.insert(); // never saved: Save is Save As
        QVERIFY(writeFile(path("plain"))); // a folder that is a file stops the write
        f.prompts.saveDiscardAnswers = {Choice::Save, Choice::Save};
        f.prompts.fileNames = {QString(), path("plain/menu.kvx")};
        QVERIFY(!f.window->close());
        QVERIFY(!f.window->close());
        QCOMPARE(f.asked(),
                 "savediscard WARNING!, save Save As..., savediscard WARNING!, "
                 "save Save As..., message WARNING!");
        QCOMPARE(f.state(), "DIALOG1 windows 1 file '' counter 1 *");
    }

    // The order and the count of the list are the core's rule, held by its own test.
    void recentFilesAreListedKeptBetweenRunsAndAFileThatHasGoneIsTakenOff()
    {
        {
            ShellFixture f;
            QVERIFY(!f.menus().recentSeparator->isVisible());
            f.window->openFile(design("one.kvx", "D"));
            f.window->openFile(design("two.kvx", "D"));
            f.prompts.fileNames = {path("six & more.kvx")};
            f.window->saveAs(); // saving names a file as much as loading
            QCOMPARE(recentEntries(f),
                     QStringList({"&1 six && more.kvx", "&2 two.kvx", "&3 one.kvx"}));
            QVERIFY(f.menus().recentSeparator->isVisible());
            QCOMPARE(f.menus().recentFiles.at(0)->statusTip(),
                     QDir::toNativeSeparators(path("six & more.kvx")));
            // An entry loads its file through the unsaved work question.
            f.insert();
            f.prompts.saveDiscardAnswers = {Choice::Discard};
            f.menus().recentFiles.at(2)->trigger();
            QCOMPARE(f.asked(), "save Save As..., savediscard WARNING!");
            QCOMPARE(current(f), path("one.kvx"));
            QCOMPARE(recentEntries(f).first(), "&1 one.kvx");
        }
        ShellFixture f;
        QCOMPARE(f.window->recentFiles().paths(),
                 QStringList({path("one.kvx"), path("six & more.kvx"), path("two.kvx")}));
        QVERIFY(QFile::remove(path("two.kvx")));
        f.menus().recentFiles.at(2)->trigger();
        QVERIFY(f.last().text.contains(QDir::toNativeSeparators(path("two.kvx"))));
        QCOMPARE(f.asked(), "message WARNING!");
        QCOMPARE(recentEntries(f), QStringList({"&1 one.kvx", "&2 six && more.kvx"}));
        QCOMPARE(f.state(), " windows 0 file '' counter 0");
        QCOMPARE(ShellFixture().window->recentFiles().paths().size(), 2);
    }

    void importAddsDialogsInOneStepWithFreeNamesAndOneReport()
    {
        ShellFixture f;
        f.insert();
        f.workspace().renameDialog(f.set().dialog(0).FrmIndex, QStringLiteral("RadioDialog"));
        const int steps = f.workspace().history().count();
        f.prompts.fileNames = {KOVRIN_TEST_DATA "/import/mission.ext", path("report.txt")};
        // One report window: the free name under its cause, the properties left to the game
        // below; Save Report writes its lines.
        QStringList tree;
        f.windows.steps.push_back([&](QDialog &dialog) {
            const auto *shown = dialog.findChild<QTreeWidget *>(QStringLiteral("tre_report"));
            for (int i = 0; i < shown->topLevelItemCount(); ++i) {
                const QTreeWidgetItem *cause = shown->topLevelItem(i);
                tree << cause->text(0);
                for (int j = 0; j < cause->childCount(); ++j)
                    tree << "  " + cause->child(j)->text(0);
            }
            // Other properties come in with their controls: nothing is left to note.
            QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("lbl_notes")));
            dialog.findChild<QPushButton *>(QStringLiteral("cmd_save"))->click();
            dialog.accept();
        });
        f.menus().importCode->trigger();
        QCOMPARE(f.prompts.shown.at(0).kind, QStringLiteral("open"));
        QVERIFY(f.prompts.shown.at(0).text.contains(QStringLiteral("*.hpp")));
        QCOMPARE(f.windowTitles(), QStringList({"RadioDialog", "TerminalDialog", "RadioDialog_2"}));
        QCOMPARE(f.set().dialog(2).drawn.stackingOrder().size(), 4u);
        QCOMPARE(f.workspace().history().count(), steps + 1);
        QCOMPARE(f.windows.shown, QStringList {"frm_ImportReport"});
        const QString renamed = KOVRIN_TEST_DATA "/import/mission.ext:90:1: the dialog "
                                                 "RadioDialog is already in the set; it was "
                                                 "imported as RadioDialog_2";
        QCOMPARE(tree, QStringList({"dialogs renamed (1)", "  " + renamed}));
        // The properties without a field come in with the controls.
        QVERIFY(f.set().dialog(2).cControls.back().Others.find("soundPush"));
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.last().kind, QStringLiteral("save"));
        QCOMPARE(fileContents(path("report.txt")), (renamed + '\n').toUtf8());
        f.workspace().history().undo();
        QCOMPARE(f.windowTitles(), QStringList {"RadioDialog"});
        f.workspace().history().redo();
        QCOMPARE(f.names().size(), 3u);

        // Problems are reported; a file without dialogs adds nothing.
        f.prompts.fileNames
            = {KOVRIN_TEST_DATA "/import/titles.hpp", KOVRIN_TEST_DATA "/import/ui/defines.hpp"};
        const qsizetype asked = f.prompts.shown.size();
        f.menus().importCode->trigger();
        // The file dialog opens in the folder of the file imported before.
        QVERIFY(f.prompts.shown.at(asked).text.startsWith(KOVRIN_TEST_DATA "/import|"));
        QCOMPARE(f.names().back(), "HudClock");
        // Not saved: the window was closed.
        QCOMPARE(f.windows.unexpected, 1);
        f.menus().importCode->trigger();
        QCOMPARE(f.names().size(), 4u);
        QVERIFY(f.last().text.startsWith(QStringLiteral("No dialog was imported")));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    // Save As never writes over a file an import read, the file imported or one it includes from
    // an include folder of the setting; the document's own file stays Save's to write.
    void saveAsRefusesAFileAnImportRead()
    {
        ShellFixture f;
        QVERIFY(QDir().mkpath(path("lib")));
        const QByteArray dialog
            = "#include <lib.hpp>\nclass D { controls[] = {C}; class C { type = 0; }; };\n";
        QVERIFY(writeFile(path("main.hpp"), dialog)
                && writeFile(path("lib/lib.hpp"), "#define L 1\n"));
        TestSettings::setValue("SETTINGS/INCLUDEFOLDERS", path("lib"));
        f.prompts.fileNames = {path("main.hpp")};
        f.menus().importCode->trigger();
        QCOMPARE(f.names().size(), 1u);
        f.asked();
        for (const QString &read :
             {path("main.hpp"), path("lib/lib.hpp"), path("lib/../main.hpp")}) {
            f.prompts.fileNames = {read};
            f.window->saveAs();
            QVERIFY2(f.last().text.contains(QStringLiteral("choose another output")),
                     qPrintable(f.last().text));
            QCOMPARE(f.asked(), "save Save As..., message WARNING!");
        }
        QCOMPARE(fileContents(path("main.hpp")), dialog);
        QCOMPARE(fileContents(path("lib/lib.hpp")), QByteArray("#define L 1\n"));
        QVERIFY(f.set().CurrentFile.empty());
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        QCOMPARE(current(f), path("menu.kvx"));
    }

    // The stored interval and a clean quit leaving nothing behind are the end-to-end run's.
    void theRecoveryFileHoldsWhatSaveWritesUntilSaved()
    {
        ShellFixture f;
        f.window->autosave().setInterval(20ms); // autosaves a moment after each change
        const QString recovery = f.window->autosave().slot().designPath();
        const QString source = f.window->autosave().slot().sourcePath();
        f.insert();
        QTRY_COMPARE(fileContents(recovery), bytesOf(f.set()));
        QVERIFY(QFile::exists(f.window->autosave().slot().markerPath()));
        QCOMPARE(fileContents(source), QByteArray()); // never saved

        f.prompts.fileNames = {path("menu.kvx")};
        f.window->save();
        QCOMPARE(fileContents(path("menu.kvx")), bytesOf(f.set()));
        QTRY_VERIFY(!QFile::exists(recovery));
        f.insert(); // a change to a saved set says whose it is
        QTRY_COMPARE(fileContents(recovery), bytesOf(f.set()));
        QCOMPARE(fileContents(source), path("menu.kvx").toUtf8());
        f.menus().undo->trigger(); // back where it was saved: nothing to recover
        QTRY_VERIFY(!QFile::exists(recovery));
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void leftWorkIsOfferedAndYesBringsItBack()
    {
        const QByteArray design = fileContents(kMainMenu);
        const QString source = path("menu.kvx");
        leaveRecovery("gone-1", design, source);
        leaveRecovery("running-1", design, QString()); // an instance that still runs keeps its own
        QLockFile running(left("running-1.lock"));
        QVERIFY(running.tryLock(0));
        const QDateTime savedAt = QFileInfo(left("gone-1.kvx")).lastModified();

        ShellFixture f; // autosaves only after a minute: the taken-over file stays as it was
        f.prompts.yesNoAnswers = {true};
        f.window->recoverUnsavedWork();
        QVERIFY(f.last().text.contains(QDir::toNativeSeparators(source)));
        QVERIFY(f.last().text.contains(QLocale().toString(savedAt.time(), QLocale::ShortFormat)));
        QCOMPARE(f.asked(), "yesno Recover unsaved work");
        ShellFixture loaded;
        loaded.window->openFile(kMainMenu);
        QCOMPARE(bytesOf(f.set()), bytesOf(loaded.set()));
        QCOMPARE(current(f), source);
        QVERIFY(f.workspace().isModified());
        // This instance has taken the work over; the running one's is untouched.
        QCOMPARE(fileContents(f.window->autosave().slot().designPath()), design);
        QVERIFY(!QFile::exists(left("gone-1.kvx")));
        QVERIFY(QFile::exists(left("running-1.kvx")));
    }

    void noDeletesTheLeftWorkAndWorkThatCannotBeReadIsReportedAndKept()
    {
        leaveRecovery("gone-2", fileContents(kMainMenu), QString());
        {
            ShellFixture f;
            f.prompts.yesNoAnswers = {false};
            f.window->recoverUnsavedWork();
            QVERIFY(f.prompts.shown[0].text.contains("never saved"));
            QCOMPARE(f.set().count(), 0u);
            QCOMPARE(filesIn(RecoverySlot::folder()), QStringList());
        }
        // More dialogs than the counters hold: readable text, but no set can take it.
        QByteArray design = designText({"D0"});
        for (int i = 1; i <= 32767; ++i)
            design += designText({i % 2 ? "D1" : "D0"}).mid(8);
        leaveRecovery("gone-3", design, QString());
        ShellFixture f;
        f.prompts.yesNoAnswers = {true};
        f.window->recoverUnsavedWork();
        QVERIFY(f.last().text.contains(QDir::toNativeSeparators(left("gone-3.kvx"))));
        QCOMPARE(f.asked(), "yesno Recover unsaved work, message WARNING!");
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(fileContents(left("gone-3.kvx")), design);
    }

    // A left file that is not what autosave writes is reported once, set aside and never opened;
    // the question stays short whatever the note holds.
    void leftFilesThatCannotBeUsedAreReportedOnceAndSetAside_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("asked");
        const QString question = QStringLiteral("yesno Recover unsaved work");
        const QString reported = "message WARNING!, " + question;
        const auto row = [](const char *name, const char *file, const char *kind, QString asked) {
            QTest::newRow(name) << QString(file) << QString(kind) << asked;
        };
        row("note linked to /dev/zero", "gone.source", "zero", reported);
        row("note a named pipe", "gone.source", "pipe", reported);
        row("note of 1 MB noise", "gone.source", "1048576", reported);
        row("note of 60 KB noise", "gone.source", "61440", question);
        row("work linked to /dev/zero", "gone.kvx", "zero", "message WARNING!");
        row("work a named pipe", "gone.kvx", "pipe", "message WARNING!");
    }
    void leftFilesThatCannotBeUsedAreReportedOnceAndSetAside()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, asked);
        leaveRecovery("gone", fileContents(kMainMenu), QString());
        // A save's temporary file whose program is gone goes at the start too.
        QVERIFY(writeFile(left(".gone.kvx.999999999.0123abcd.tmp"), "left"));
        QVERIFY(QFile::remove(left(file)));
        if (kind == "zero")
            QVERIFY(QFile::link("/dev/zero", left(file)));
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(left(file).toLocal8Bit().constData(), 0600), 0);
        else {
            QByteArray noise(kind.toInt(), '\0');
            QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(noise.data()),
                                          noise.size() / 4);
            QVERIFY(writeFile(left(file), noise));
        }
        const bool setAside = asked.startsWith("message");
        {
            ShellFixture f;
            f.prompts.yesNoAnswers = {false}; // the work is deleted
            f.window->recoverUnsavedWork();
            if (setAside)
                QVERIFY(f.prompts.shown[0].text.contains(file + ".aside"));
            if (asked.endsWith("work")) {
                QVERIFY(f.last().text.size() < 600);
                QVERIFY(f.last().text.count('\n') < 6);
            }
            QCOMPARE(f.asked(), asked);
        }
        QCOMPARE(filesIn(RecoverySlot::folder()),
                 setAside ? QStringList {file + ".aside"} : QStringList());
        ShellFixture again;
        again.window->recoverUnsavedWork();
        QCOMPARE(again.asked(), QString());
    }

    // Work recovered at a start that names a design file is saved, or discarded by a question
    // that says so, before that file replaces it.
    void aFileNamedAtStartOpensOnlyOnceTheRecoveredWorkIsSettled_data()
    {
        QTest::addColumn<bool>("crashed");
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QString>("asked");
        QTest::newRow("no crash") << false << Choice::Cancel << QString();
        const QString settle = QStringLiteral("yesno Recover unsaved work, savediscard WARNING!");
        QTest::newRow("saved") << true << Choice::Save << settle + ", save Save As...";
        QTest::newRow("discarded") << true << Choice::Discard << settle;
        QTest::newRow("cancelled") << true << Choice::Cancel << settle;
    }
    void aFileNamedAtStartOpensOnlyOnceTheRecoveredWorkIsSettled()
    {
        QFETCH(bool, crashed);
        QFETCH(Choice, choice);
        QFETCH(QString, asked);
        const QByteArray recovered = fileContents(kMainMenu);
        if (crashed)
            leaveRecovery("gone", recovered, QString());
        const QString named = design("named.kvx", "NAMED");
        ShellFixture f;
        f.prompts.yesNoAnswers = {true};
        f.prompts.saveDiscardAnswers = {choice};
        f.prompts.fileNames = {path("saved.kvx")};
        f.window->startWith(named);
        if (crashed)
            QVERIFY(f.prompts.shown[1].text.contains("named.kvx"));
        QCOMPARE(f.asked(), asked);
        if (choice == Choice::Save)
            QVERIFY(fileContents(path("saved.kvx")).contains("\"MainMenu\""));
        if (!crashed || choice != Choice::Cancel) {
            QCOMPARE(f.set().count(), 1u);
            QCOMPARE(f.window->windowTitle(), title(" - named.kvx"));
            QTRY_VERIFY(!QFile::exists(f.window->autosave().slot().designPath()));
            return;
        }
        // Kept on screen, marked changed, and its recovery file holds it.
        QVERIFY(f.set().count() > 1);
        QCOMPARE(f.window->windowTitle(), title(" *"));
        QCOMPARE(fileContents(f.window->autosave().slot().designPath()), recovered);
    }

    void eachSaveKeepsTheVersionItReplacesTheNewestTenInAFolderTheMenuOpens()
    {
        const QString backups = backupFolder();
        ShellFixture f;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
        f.menus().openBackups->trigger(); // made if need be, then given to the file manager
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(backups)});
        QVERIFY(QFileInfo(backups).isDir() && f.prompts.shown.isEmpty());
        f.insert();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        QCOMPARE(filesIn(backups), QStringList());
        QList<QByteArray> versions {fileContents(path("menu.kvx"))};
        for (int save = 2; save <= 12; ++save) {
            f.insert();
            f.window->save();
            versions << fileContents(path("menu.kvx"));
        }
        // Saves in one second are told apart; the oldest went, in the order they were made.
        std::vector<std::string> names;
        for (const QString &file : filesIn(backups))
            names.push_back(file.toStdString());
        QList<QByteArray> kept;
        for (const std::string &name : backupsOf("menu", names))
            kept << fileContents(backups + '/' + QString::fromStdString(name));
        QCOMPARE(kept, versions.mid(1, 10));
        // A save over a version that is already kept adds nothing.
        f.window->save();
        const QStringList before = filesIn(backups);
        f.window->save();
        QCOMPARE(filesIn(backups), before);

        // The save goes ahead when the backup cannot be kept.
        QVERIFY(QDir(backups).removeRecursively());
        QVERIFY(writeFile(backups, "a file where the folder would be"));
        f.asked();
        f.insert();
        f.window->save();
        QVERIFY(fileContents(path("menu.kvx")).contains("\"DIALOG13\""));
        QVERIFY(!f.workspace().isModified());
        QVERIFY(f.prompts.shown[0].text.contains("backup folder"));
        QCOMPARE(f.asked(), "message WARNING!, message OPERATION SUCCESSFUL");
    }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"
