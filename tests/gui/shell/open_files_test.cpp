// Opening design files without the file dialog: the recent files at the end of the File menu,
// kept between runs, and a design file dropped on the main window.
#include "../support/test_settings.h"
#include "app/fs_path.h"
#include "app/recent_files_menu.h"
#include "shell_fixture.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using namespace kovrin;

namespace {

QStringList shownEntries(ShellFixture &f)
{
    QStringList out;
    for (QAction *entry : f.window->menus().recentFiles) {
        if (entry->isVisible())
            out << entry->text();
    }
    return out;
}

QAction *entry(ShellFixture &f, int place)
{
    return f.window->menus().recentFiles.at(place);
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

} // namespace

class OpenFilesTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QTemporaryDir m_folder;

    QString path(const QString &name) const { return m_folder.filePath(name); }

    // A design file of one dialog of that name.
    QString designFile(const QString &name, const QString &dialog)
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write("\"0.61\"\r\n\"" + dialog.toLatin1()
                   + "\"\r\n\"KOVRIN_INFO_GRIDSIZE\"\r\n0\r\n"
                     "\"###\"\r\n");
        return path(name);
    }

private slots:
    void init() { TestSettings::clear(); }

    void theLastFiveFilesAreListedMostRecentFirstAndKeptBetweenRuns()
    {
        {
            ShellFixture f;
            QVERIFY(shownEntries(f).isEmpty());
            QVERIFY(!f.window->menus().recentSeparator->isVisible());
            for (const char *name : {"one", "two", "three", "four", "five"})
                f.window->openFile(designFile(QString::fromLatin1(name) + ".kvx", "D"));
            f.window->insertDialog();
            f.prompts.fileNames = {path("six & more.kvx")};
            f.window->saveAs(); // saving names a file as much as loading
            f.window->openFile(path("three.kvx"));

            QCOMPARE(shownEntries(f),
                     QStringList({"&1 three.kvx", "&2 six && more.kvx", "&3 five.kvx",
                                  "&4 four.kvx", "&5 two.kvx"}));
            QVERIFY(f.window->menus().recentSeparator->isVisible());
            QCOMPARE(entry(f, 1)->statusTip(), QDir::toNativeSeparators(path("six & more.kvx")));
        }
        ShellFixture again;
        QCOMPARE(again.window->recentFiles().paths(),
                 QStringList({path("three.kvx"), path("six & more.kvx"), path("five.kvx"),
                              path("four.kvx"), path("two.kvx")}));
    }

    void anEntryLoadsItsFileThroughTheUnsavedWorkQuestion()
    {
        ShellFixture f;
        f.window->openFile(designFile("menu.kvx", "MENU"));
        f.window->openFile(designFile("panel.kvx", "PANEL"));
        f.window->insertDialog();

        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Cancel};
        entry(f, 1)->trigger();
        QCOMPARE(f.names(), (std::vector<std::string> {"PANEL", "DIALOG2"}));

        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        entry(f, 1)->trigger();
        QCOMPARE(f.names(), std::vector<std::string> {"MENU"});
        QCOMPARE(shownEntries(f), QStringList({"&1 menu.kvx", "&2 panel.kvx"}));
        QCOMPARE(f.prompts.shown.size(), 2);
    }

    void aFileThatHasGoneIsTakenOffTheListWithAMessage()
    {
        ShellFixture f;
        f.window->openFile(designFile("gone.kvx", "GONE"));
        f.window->openFile(designFile("kept.kvx", "KEPT"));
        QVERIFY(QFile::remove(path("gone.kvx")));

        entry(f, 1)->trigger();
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown[0].text.contains(QDir::toNativeSeparators(path("gone.kvx"))));
        QCOMPARE(shownEntries(f), QStringList {"&1 kept.kvx"});
        QCOMPARE(f.names(), std::vector<std::string> {"KEPT"});

        ShellFixture again;
        QCOMPARE(again.window->recentFiles().paths(), QStringList {path("kept.kvx")});
    }

    void aDroppedDesignFileLoadsThroughTheUnsavedWorkQuestion()
    {
        ShellFixture f;
        f.window->insertDialog();
        const QString design = designFile("dropped.KVX", "DROPPED");
        QFile other(path("notes.txt"));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.close();

        QVERIFY(!dropFiles(*f.window, {path("notes.txt")}));
        QVERIFY(f.prompts.shown.isEmpty());

        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        QVERIFY(dropFiles(*f.window, {path("notes.txt"), design}));
        QCOMPARE(f.prompts.shown.size(), 1);
        QCOMPARE(f.prompts.shown[0].kind, QStringLiteral("savediscard"));
        QCOMPARE(f.names(), std::vector<std::string> {"DROPPED"});
        QCOMPARE(fromFsPath(f.set().CurrentFile), design);
    }
};

QTEST_MAIN(OpenFilesTest)
#include "open_files_test.moc"
