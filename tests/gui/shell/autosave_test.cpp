// Work that survives: autosave to the recovery folder while the set is changed, recovery at the
// next start of what a run that did not end cleanly left, and the versions saves replace kept in
// the backup folder. Everything stays in the test mode's data folder.
#include "app/autosave.h"
#include "app/backups.h"
#include "persist/backup_names.h"
#include "persist/design_writer.h"
#include "shell_fixture.h"

#include <QDesktopServices>
#include <QLockFile>

using namespace kovrin;
using namespace std::chrono_literals;

namespace {

QByteArray bytesOf(const DialogSet &set)
{
    return QByteArray::fromStdString(designBytes(set).bytes);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
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

class AutosaveTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;
    QList<QUrl> m_opened;

    QString path(const QString &name) const { return m_folder.filePath(name); }

public slots:
    void openedUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        TestSettings::clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).removeRecursively();
        QFile::remove(path("menu.kvx"));
    }

    void theRecoveryFileHoldsWhatSaveWritesUntilSavedOrClosed()
    {
        ShellFixture f; // autosaves a moment after each change
        f.window->autosave().setInterval(20ms);
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

        f.insert(); // a clean quit leaves nothing
        QTRY_VERIFY(QFile::exists(recovery));
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        QVERIFY(f.window->close());
        QCOMPARE(filesIn(RecoverySlot::folder()), QStringList());
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void theIntervalComesFromTheSettings()
    {
        QCOMPARE(Autosave::intervalFromSettings(), 60s);
        TestSettings::setValue("SETTINGS/AUTOSAVESECONDS", QStringLiteral("2"));
        QCOMPARE(ShellFixture().window->autosave().interval(), std::chrono::milliseconds(5s));
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
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.last().kind, QStringLiteral("yesno"));
        QCOMPARE(f.last().title, QStringLiteral("Recover unsaved work"));
        QVERIFY(f.last().text.contains(QDir::toNativeSeparators(source)));
        QVERIFY(f.last().text.contains(QLocale().toString(savedAt.time(), QLocale::ShortFormat)));

        ShellFixture loaded;
        loaded.window->openFile(kMainMenu);
        QCOMPARE(bytesOf(f.set()), bytesOf(loaded.set()));
        QCOMPARE(QString::fromStdString(f.set().CurrentFile), source);
        QVERIFY(f.workspace().isModified());
        QCOMPARE(f.window->windowTitle(), mainWindowTitle(QStringLiteral("menu.kvx"), true));
        // This instance has taken the work over; the running one's is untouched.
        QCOMPARE(fileContents(f.window->autosave().slot().designPath()), design);
        QVERIFY(!QFile::exists(left("gone-1.kvx")));
        QVERIFY(QFile::exists(left("running-1.kvx")));
    }

    void noDeletesTheLeftWork()
    {
        leaveRecovery("gone-2", fileContents(kMainMenu), QString());
        ShellFixture f;
        f.prompts.yesNoAnswers = {false};
        f.window->recoverUnsavedWork();
        QVERIFY(f.prompts.shown[0].text.contains("never saved"));
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(filesIn(RecoverySlot::folder()), QStringList());
    }

    void workThatCannotBeReadIsReportedAndKept()
    {
        // More dialogs than the counters hold: readable text, but no set can take it.
        QByteArray design = designText({"D0"});
        for (int i = 1; i <= 32767; ++i)
            design += designText({i % 2 ? "D1" : "D0"}).mid(8);
        leaveRecovery("gone-3", design, QString());
        ShellFixture f;
        f.prompts.yesNoAnswers = {true};
        f.window->recoverUnsavedWork();
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.last().title, QStringLiteral("WARNING"));
        QVERIFY(f.last().text.contains(QDir::toNativeSeparators(left("gone-3.kvx"))));
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(fileContents(left("gone-3.kvx")), design);
    }

    void eachSaveKeepsTheVersionItReplacesTheNewestTen()
    {
        const QString backups = backupFolder();
        ShellFixture f;
        f.insert();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        QCOMPARE(filesIn(backups), QStringList());
        QList<QByteArray> versions {fileContents(path("menu.kvx"))};
        for (int save = 2; save <= 12; ++save) {
            f.insert();
            f.window->save();
            versions << fileContents(path("menu.kvx"));
            const QStringList kept = filesIn(backups);
            QCOMPARE(kept.size(), std::min(save - 1, 10));
            if (save == 2)
                QCOMPARE(fileContents(backups + '/' + kept[0]), versions[0]);
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
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void aSaveGoesAheadWhenTheBackupCannotBeKept()
    {
        QVERIFY(writeFile(backupFolder(), "a file where the folder would be"));
        ShellFixture f;
        f.insert();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        f.insert();
        f.window->save();
        QVERIFY(fileContents(path("menu.kvx")).contains("\"DIALOG2\""));
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(f.prompts.shown.size(), 3); // file dialog, the backup's warning, "Saved."
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[1].text.contains("backup folder"));
    }

    void theBackupFolderOpensInTheFileManager()
    {
        ShellFixture f;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
        f.menus().openBackups->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(backupFolder())});
        QVERIFY(QFileInfo(backupFolder()).isDir());
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
