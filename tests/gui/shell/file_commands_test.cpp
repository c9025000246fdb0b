// Save, Save As and Load through the main window: the file dialogs, the overwrite question, the
// reports, and a set on screen that survives every failure.
#include "../support/test_settings.h"
#include "app/file_commands.h"
#include "app/fs_path.h"
#include "shell_fixture.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kovrin;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class FileCommandsTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }

private slots:
    void saveWithoutACurrentFileIsSaveAs()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.fileNames = {path("first.kvx")};
        f.window->menus().save->trigger();

        QCOMPARE(f.prompts.shown.size(), 1); // the file dialog, and no "Saved." after Save As
        const auto &dialog = f.prompts.shown[0];
        QCOMPARE(dialog.kind, QStringLiteral("save"));
        QCOMPARE(dialog.title, QStringLiteral("Save As..."));
        QCOMPARE(dialog.text, FileCommands::initialFolder() + "|kvx|ZTK Dialog (*.KVX)");
        QVERIFY(fileContents(path("first.kvx")).startsWith("\"0.61\"\r\n\"DIALOG1\"\r\n"));
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("first.kvx"));

        // Now Save writes to the same file and says so.
        f.set().renameDialog(0, "MAIN");
        f.window->save();
        QCOMPARE(f.prompts.shown.last().kind, QStringLiteral("message"));
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("OPERATION SUCCESSFUL"));
        QCOMPARE(f.prompts.shown.last().text, QStringLiteral("Saved."));
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::Information);
        QVERIFY(fileContents(path("first.kvx")).contains("\"MAIN\""));
    }

    void cancelledSaveAsChangesNothing()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.fileNames = {QString()};
        f.window->saveAs();
        QVERIFY(f.set().CurrentFile.empty());
        QCOMPARE(f.prompts.shown.size(), 1);
    }

    void overwriteAnsweredNoWritesNothing()
    {
        ShellFixture f;
        f.window->insertDialog();
        writeBytes(path("old.kvx"), "old");
        f.prompts.fileNames = {path("old.kvx")};
        f.prompts.yesNoAnswers = {false};
        f.window->saveAs();
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("WARNING"));
        QCOMPARE(f.prompts.shown.last().text,
                 QStringLiteral("File already exists. Are you sure you want to overwrite it?"));
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::Warning);
        QCOMPARE(fileContents(path("old.kvx")), QByteArray("old"));
        QVERIFY(f.set().CurrentFile.empty());

        f.prompts.fileNames = {path("old.kvx")};
        f.prompts.yesNoAnswers = {true};
        f.window->saveAs();
        QVERIFY(fileContents(path("old.kvx")).startsWith("\"0.61\""));
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("old.kvx"));
    }

    void aFileThatCannotBeWrittenIsReportedAndCurrentFileKept()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.fileNames = {path("kept.kvx")};
        f.window->saveAs();
        // A folder that is a regular file stops the write even for root.
        writeBytes(path("plain"), "x");
        const QString blocked = path("plain/inside.kvx");
        f.prompts.fileNames = {blocked};
        f.window->saveAs();
        const auto report = f.prompts.shown.last();
        QCOMPARE(report.title, QStringLiteral("WARNING"));
        QCOMPARE(report.icon, UserPrompts::Icon::Warning);
        QVERIFY2(report.text.contains(blocked), qPrintable(report.text));
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("kept.kvx"));

        // Save to a current file whose folder has gone: reported, no "Saved.".
        f.set().CurrentFile = toFsPath(path("gone/menu.kvx"));
        f.window->save();
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("WARNING"));
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("gone/menu.kvx"));
    }

    void charactersTheFileCannotHoldAreListedAfterTheSave()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.set().renameDialog(0, "MENU\xce\xa9"); // a Greek capital omega
        f.prompts.fileNames = {path("omega.kvx")};
        f.window->saveAs();
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[1].text.contains(QStringLiteral("\r\n- ")));
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("omega.kvx"));
    }

    void loadReplacesTheSetWithTheFilesDialogs()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.window->insertDialog();
        f.set().renameDialog(0, "MAIN");
        f.set().setGridSize(1, 0.05f);
        const SurfaceSize size = f.workspace().surfaceOuterSize();
        QVERIFY(f.set().createControl(0, ControlKind::Button, 1203, 763.5, size));
        f.prompts.fileNames = {path("two.kvx")};
        f.window->saveAs();

        f.prompts.yesNoAnswers = {true};
        f.window->newDialog();
        f.window->insertDialog();
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        f.prompts.fileNames = {path("two.kvx")};
        f.window->menus().load->trigger();

        const auto &dialog = f.prompts.shown.last();
        QCOMPARE(dialog.kind, QStringLiteral("open"));
        QCOMPARE(dialog.title, QStringLiteral("Load Dialog"));
        QCOMPARE(dialog.text, FileCommands::initialFolder() + "|kvx|ZTK Dialog (*.KVX)");
        QCOMPARE(f.names(), (std::vector<std::string> {"MAIN", "DIALOG2"}));
        QCOMPARE(f.windowTitles(), QStringList({"MAIN", "DIALOG2"}));
        QCOMPARE(f.set().dialog(1).GridSize, 0.05f);
        QCOMPARE(f.set().DialogCounter, 2);
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("two.kvx"));
        // The drawn control stands where it stood: the loader used the real window frame.
        const DrawnControl &button = f.set().dialog(0).drawn.stackingOrder().back();
        QCOMPARE(qRound(button.left), 1203);
        QCOMPARE(qRound(button.top * 2), 1527);
        // Save As, New, the unsaved insert, Load: no report after a clean load
        QCOMPARE(f.prompts.shown.size(), 4);
    }

    void aFileThatCannotBeReadLeavesTheSetAsItWas_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << "missing.kvx";
        QTest::newRow("folder") << "";
    }
    void aFileThatCannotBeReadLeavesTheSetAsItWas()
    {
        QFETCH(QString, name);
        ShellFixture f;
        f.window->insertDialog();
        f.window->insertDialog();
        f.set().CurrentFile = "/kept/menu.kvx";
        const QString unreadable = name.isEmpty() ? m_folder.path() : path(name);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        f.prompts.fileNames = {unreadable};
        f.window->load();
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("WARNING"));
        QVERIFY2(f.prompts.shown.last().text.contains(unreadable),
                 qPrintable(f.prompts.shown.last().text));
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG2"}));
        QCOMPARE(f.area()->subWindowList().size(), 2);
        QCOMPARE(fromFsPath(f.set().CurrentFile), QStringLiteral("/kept/menu.kvx"));
        QCOMPARE(f.set().DialogCounter, 2);
    }

    void cancelledLoadChangesNothing()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        f.prompts.fileNames = {QString()};
        f.window->load();
        QCOMPARE(f.set().count(), 1u);
        QCOMPARE(f.prompts.shown.size(), 2);
        QVERIFY(f.workspace().isModified()); // Discard loses nothing until a file comes in
    }

    void problemsInTheFileAreListedInOneMessageAfterLoading()
    {
        writeBytes(path("tiny.kvx"),
                   "\"0.61\"\r\n\"A\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0.00001\r\n"
                   "\"###\"\r\n\"B\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0.1\r\n\"###\"\r\n");
        ShellFixture f;
        f.prompts.fileNames = {path("tiny.kvx")};
        f.window->load();
        QCOMPARE(f.names(), (std::vector<std::string> {"A", "B"}));
        QCOMPARE(f.prompts.shown.size(), 2);
        const auto &report = f.prompts.shown.last();
        QCOMPARE(report.title, QStringLiteral("WARNING"));
        QVERIFY2(report.text.contains(QStringLiteral("\r\n- dialog \"A\"")),
                 qPrintable(report.text));
        QVERIFY(report.text.endsWith(QStringLiteral("\r\n")));
    }

    void aFileNamedOnTheCommandLineLoadsAsLoadWould()
    {
        writeBytes(path("cli.kvx"),
                   "\"0.61\"\r\n\"FROM_CLI\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0\r\n"
                   "\"###\"\r\n");
        ShellFixture f;
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        f.window->openFile(QStringLiteral("cli.kvx"));
        QDir::setCurrent(before);
        QCOMPARE(f.names(), std::vector<std::string> {"FROM_CLI"});
        QCOMPARE(fromFsPath(f.set().CurrentFile), path("cli.kvx"));
        QVERIFY(f.prompts.shown.isEmpty());

        f.window->openFile(path("nothing-here.kvx"));
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.names(), std::vector<std::string> {"FROM_CLI"});
    }
};

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
