// Work that survives: autosave to the recovery folder while the set is changed, recovery at the
// next start of what a run that did not end cleanly left, and the versions saves replace kept in
// the backup folder. Everything stays in the test mode's data folder.
#include "../support/test_settings.h"
#include "app/autosave.h"
#include "app/backups.h"
#include "persist/backup_names.h"
#include "persist/design_writer.h"
#include "shell_fixture.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kovrin;
using namespace std::chrono_literals;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray bytesOf(const DialogSet &set)
{
    return QByteArray::fromStdString(designBytes(set).bytes);
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// A fixture that autosaves a moment after each change.
struct QuickFixture : ShellFixture
{
    QuickFixture() { window->autosave().setInterval(20ms); }
    QString recoveryFile() { return window->autosave().slot().designPath(); }
    QString sourceFile() { return window->autosave().slot().sourcePath(); }
};

} // namespace

class AutosaveTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;
    QList<QUrl> m_opened;

    QString path(const QString &name) const { return m_folder.filePath(name); }
    static QString dataFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }
    static QString left(const QString &file) { return RecoverySlot::folder() + '/' + file; }

    // What a run that ended without a word left: its recovery file and whose it is.
    static void leaveRecovery(const QString &id, const QByteArray &design, const QString &source)
    {
        writeBytes(left(id + ".kvx"), design);
        writeBytes(left(id + ".source"), source.toUtf8());
    }

public slots:
    void openedUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        TestSettings::clear();
        QDir(dataFolder()).removeRecursively();
        QFile::remove(path("menu.kvx"));
    }

    void theRecoveryFileHoldsWhatSaveWritesUntilSaved()
    {
        QuickFixture f;
        f.window->insertDialog();
        QTRY_VERIFY(QFile::exists(f.recoveryFile()));
        QTRY_COMPARE(contents(f.recoveryFile()), bytesOf(f.set()));
        QVERIFY(QFile::exists(f.window->autosave().slot().markerPath()));
        QCOMPARE(contents(f.sourceFile()), QByteArray()); // never saved
        const QByteArray autosaved = contents(f.recoveryFile());

        f.prompts.fileNames = {path("menu.kvx")};
        f.window->save();
        QCOMPARE(contents(path("menu.kvx")), autosaved);
        QTRY_VERIFY(!QFile::exists(f.recoveryFile()));

        f.window->insertDialog(); // a change to a saved set says whose it is
        QTRY_COMPARE(contents(f.recoveryFile()), bytesOf(f.set()));
        QCOMPARE(contents(f.sourceFile()), path("menu.kvx").toUtf8());
        f.window->menus().undo->trigger(); // back where it was saved: nothing to recover
        QTRY_VERIFY(!QFile::exists(f.recoveryFile()));
        QVERIFY(f.prompts.unexpected == 0);
    }

    void aCleanQuitLeavesNothing()
    {
        QuickFixture f;
        f.window->insertDialog();
        QTRY_VERIFY(QFile::exists(f.recoveryFile()));
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        QVERIFY(f.window->close());
        QCOMPARE(filesIn(RecoverySlot::folder()), QStringList());
    }

    void theIntervalComesFromTheSettings()
    {
        QCOMPARE(Autosave::intervalFromSettings(), 60s);
        QSettings(QStringLiteral("Kovrin"), QStringLiteral("Kovrin"))
            .setValue(QStringLiteral("SETTINGS/AUTOSAVESECONDS"), QStringLiteral("2"));
        ShellFixture f;
        QCOMPARE(f.window->autosave().interval(), std::chrono::milliseconds(5s));
    }

    void leftWorkIsOfferedAndYesBringsItBack()
    {
        const QByteArray design = contents(KOVRIN_TEST_DATA "/main_menu.kvx");
        const QString source = path("menu.kvx");
        leaveRecovery("gone-1", design, source);
        // An instance that still runs keeps its own.
        leaveRecovery("running-1", design, QString());
        QLockFile running(left("running-1.lock"));
        QVERIFY(running.tryLock(0));
        const QDateTime savedAt = QFileInfo(left("gone-1.kvx")).lastModified();

        ShellFixture f; // autosaves only after a minute: the taken-over file stays as it was
        f.prompts.yesNoAnswers = {true};
        f.window->recoverUnsavedWork();

        QCOMPARE(f.prompts.shown.size(), 1);
        const auto &asked = f.prompts.shown[0];
        QCOMPARE(asked.kind, QStringLiteral("yesno"));
        QCOMPARE(asked.title, QStringLiteral("Recover unsaved work"));
        QVERIFY(asked.text.contains(QDir::toNativeSeparators(source)));
        QVERIFY(asked.text.contains(QLocale().toString(savedAt.time(), QLocale::ShortFormat)));

        ShellFixture loaded;
        loaded.window->openFile(KOVRIN_TEST_DATA "/main_menu.kvx");
        QCOMPARE(bytesOf(f.set()), bytesOf(loaded.set()));
        QCOMPARE(QString::fromStdString(f.set().CurrentFile), source);
        QVERIFY(f.workspace().isModified());
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA - menu.kvx *"));

        // This instance has taken the work over; the running one's is untouched.
        QCOMPARE(contents(f.window->autosave().slot().designPath()), design);
        QVERIFY(!QFile::exists(left("gone-1.kvx")));
        QVERIFY(QFile::exists(left("running-1.kvx")));
    }

    void noDeletesTheLeftWork()
    {
        leaveRecovery("gone-2", contents(KOVRIN_TEST_DATA "/main_menu.kvx"), QString());
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
        QByteArray design = "\"0.61\"\r\n";
        for (int i = 0; i <= 32767; ++i)
            design += QByteArray("\"D") + QByteArray::number(i % 2)
                + "\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0\r\n\"###\"\r\n";
        leaveRecovery("gone-3", design, QString());
        ShellFixture f;
        f.prompts.yesNoAnswers = {true};
        f.window->recoverUnsavedWork();
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[1].text.contains(QDir::toNativeSeparators(left("gone-3.kvx"))));
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(contents(left("gone-3.kvx")), design);
    }

    void eachSaveKeepsTheVersionItReplacesTheNewestTen()
    {
        const QString backups = backupFolder();
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        QCOMPARE(filesIn(backups), QStringList());
        QList<QByteArray> versions {contents(path("menu.kvx"))};
        for (int save = 2; save <= 12; ++save) {
            f.window->insertDialog();
            f.window->save();
            versions << contents(path("menu.kvx"));
            const QStringList kept = filesIn(backups);
            QCOMPARE(kept.size(), std::min(save - 1, 10));
            if (save == 2)
                QCOMPARE(contents(backups + '/' + kept[0]), versions[0]);
        }
        // Saves in one second are told apart; the oldest went, in the order they were made.
        std::vector<std::string> names;
        for (const QString &file : filesIn(backups))
            names.push_back(file.toStdString());
        QList<QByteArray> kept;
        for (const std::string &name : backupsOf("menu", names))
            kept << contents(backups + '/' + QString::fromStdString(name));
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
        writeBytes(backupFolder(), "a file where the folder would be");
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.fileNames = {path("menu.kvx")};
        f.window->saveAs();
        f.window->insertDialog();
        f.window->save();
        QVERIFY(contents(path("menu.kvx")).contains("\"DIALOG2\""));
        QVERIFY(!f.workspace().isModified());
        QCOMPARE(f.prompts.shown.size(), 3); // file dialog, the backup's warning, "Saved."
        QCOMPARE(f.prompts.shown[1].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[1].text.contains("backup folder"));
    }

    void theBackupFolderOpensInTheFileManager()
    {
        ShellFixture f;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
        f.window->menus().openBackups->trigger();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(backupFolder())});
        QVERIFY(QFileInfo(backupFolder()).isDir());
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

QTEST_MAIN(AutosaveTest)
#include "autosave_test.moc"
