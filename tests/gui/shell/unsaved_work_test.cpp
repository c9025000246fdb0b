// Unsaved work: the modified mark in the main window's title, and the question that Quit, the
// close box, Load and New ask before changes would be lost.
#include "../support/test_settings.h"
#include "shell_fixture.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace kovrin;

namespace {

const QString kQuestion = QStringLiteral("Save changes to the dialogs before closing?");

} // namespace

class UnsavedWorkTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // A set saved as menu.kvx, then changed.
    void savedThenChanged(ShellFixture &f)
    {
        f.window->insertDialog();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        f.window->insertDialog();
        f.prompts.shown.clear();
    }

private slots:
    void init()
    {
        TestSettings::clear();
        QFile::remove(path("menu.kvx"));
    }

    void titleShowsTheFileAndTheModifiedMark()
    {
        ShellFixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA"));
        f.window->insertDialog();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA *"));
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->save();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx"));
        QVERIFY(!f.workspace().isModified());

        f.window->insertDialog();
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx *"));
        f.window->menus().undo->trigger(); // back where it was saved
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx"));
        f.window->menus().undo->trigger(); // before the save: changed against the file
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx *"));

        f.window->menus().redo->trigger();
        f.window->insertDialog();
        f.window->save(); // Save to the current file clears the mark too
        QCOMPARE(f.prompts.shown.last().text, QStringLiteral("Saved."));
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx"));
    }

    void quitWithChangesAnsweredCancelKeepsEverything()
    {
        ShellFixture f;
        f.window->show();
        savedThenChanged(f);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Cancel};
        f.window->menus().quit->trigger();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].kind, QStringLiteral("savediscard"));
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("WARNING"));
        QCOMPARE(f.prompts.shown[0].text, kQuestion);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.set().count(), 2u);
        QCOMPARE(f.area()->subWindowList().size(), 2);
        QVERIFY(f.workspace().isModified());
        QVERIFY(f.window->menus().undo->isEnabled());
    }

    void quitWithChangesAnsweredDiscardOrSaveQuits()
    {
        for (const auto answer : {UserPrompts::Choice::Discard, UserPrompts::Choice::Save}) {
            QFile::remove(path("menu.kvx"));
            ShellFixture f;
            f.window->show();
            savedThenChanged(f);
            f.prompts.saveDiscardAnswers = {answer};
            QVERIFY(f.window->close());
            QVERIFY(!f.window->isVisible());
            // Discard writes nothing; Save writes the changed set first.
            QCOMPARE(fileContents(path("menu.kvx")).contains("\"DIALOG2\""),
                     answer == UserPrompts::Choice::Save);
        }
    }

    void aSaveThatDoesNotHappenKeepsTheProgramRunning()
    {
        ShellFixture f;
        f.window->insertDialog(); // never saved: Save is Save As
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Save};
        f.prompts.fileNames = {QString()};
        QVERIFY(!f.window->close());
        QCOMPARE(f.set().count(), 1u);

        // A folder that is a regular file stops the write.
        QFile plain(path("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Save};
        f.prompts.fileNames = {path("plain/menu.kvx")};
        QVERIFY(!f.window->close());
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("WARNING"));
        QCOMPARE(f.set().count(), 1u);
        QVERIFY(f.workspace().isModified());
    }

    void closingAnUnchangedSetAsksNothing()
    {
        ShellFixture f;
        savedThenChanged(f);
        f.window->menus().undo->trigger();
        QVERIFY(f.window->close());
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void loadOverUnsavedWorkAsksFirst()
    {
        ShellFixture f;
        savedThenChanged(f);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Cancel};
        f.window->menus().load->trigger();
        QCOMPARE(f.prompts.shown.size(), 1); // no file dialog after Cancel
        QCOMPARE(f.prompts.shown[0].text, kQuestion);
        QCOMPARE(f.set().count(), 2u);

        // Save, then the file dialog; what was saved is what comes back.
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Save};
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->load();
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG2"}));
        QVERIFY(!f.workspace().isModified());
        QVERIFY(!f.window->menus().undo->isEnabled());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx"));
    }

    void newAsksAboutUnsavedWorkBeforeItsOwnQuestion()
    {
        ShellFixture f;
        savedThenChanged(f);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Cancel};
        f.window->newDialog();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.set().count(), 2u);

        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        f.prompts.yesNoAnswers = {true};
        f.window->newDialog();
        QCOMPARE(f.prompts.shown[1].text, kQuestion);
        QCOMPARE(f.prompts.shown[2].text,
                 "Are you sure you want to discard the current dialog and start a new one?");
        QCOMPARE(f.set().count(), 0u);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA"));
    }
};

QTEST_MAIN(UnsavedWorkTest)
#include "unsaved_work_test.moc"
