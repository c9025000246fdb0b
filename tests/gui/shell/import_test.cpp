// "&Import dialog code..." in the File menu: the file dialog, the dialogs added as Insert adds
// them in one undo step, free names for names the set has, and the report in one message.
#include "../support/test_settings.h"
#include "shell_fixture.h"

#include <QAction>
#include <QMenu>
#include <QUndoStack>
#include <QtTest>

using namespace kovrin;

namespace {

const QString kMission = QStringLiteral(KOVRIN_TEST_DATA "/import/mission.ext");
const QString kTitles = QStringLiteral(KOVRIN_TEST_DATA "/import/titles.hpp");

void importFile(ShellFixture &f, const QString &path)
{
    f.prompts.fileNames.push_back(path);
    f.window->menus().importCode->trigger();
}

} // namespace

class ImportTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void theEntryFollowsSaveAsWithAnAccessKeyOfItsOwn()
    {
        ShellFixture f;
        auto *file = f.window->findChild<QMenu *>(QStringLiteral("mnu_file"));
        QVERIFY(file);
        const QList<QAction *> entries = file->actions();
        const auto saveAs = entries.indexOf(f.window->menus().saveAs);
        QCOMPARE(entries.value(saveAs + 1)->text(), QStringLiteral("&Import dialog code..."));
        QSet<QChar> keys;
        for (QAction *entry : entries) {
            const auto amp = entry->text().indexOf(QLatin1Char('&'));
            if (amp >= 0 && !entry->text().isEmpty())
                QVERIFY2(!keys.contains(entry->text().at(amp + 1).toLower()),
                         qPrintable(entry->text()));
            if (amp >= 0)
                keys.insert(entry->text().at(amp + 1).toLower());
        }
    }

    void dialogsAreAddedInOneStepWithFreeNamesAndOneReport()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.workspace().renameDialog(f.set().dialog(0).FrmIndex, QStringLiteral("RadioDialog"));
        const int steps = f.workspace().history().count();
        const std::int16_t tag = f.set().NextTag;

        importFile(f, kMission);
        QCOMPARE(f.prompts.shown.at(0).kind, QStringLiteral("open"));
        QVERIFY(f.prompts.shown.at(0).text.contains(QStringLiteral("*.hpp")));
        QCOMPARE(f.names(),
                 (std::vector<std::string> {"RadioDialog", "TerminalDialog", "RadioDialog_2"}));
        QCOMPARE(f.windowTitles().size(), 3);
        QCOMPARE(f.set().dialog(1).cControls.size(), 9u);
        QCOMPARE(f.set().NextTag, tag + 13);
        QCOMPARE(f.set().dialog(2).drawn.stackingOrder().size(), 4u);
        QCOMPARE(f.workspace().history().count(), steps + 1);

        // One message: the free name, and the properties left to the game.
        QCOMPARE(f.prompts.shown.size(), 2);
        const QString report = f.prompts.shown.at(1).text;
        QCOMPARE(f.prompts.shown.at(1).title, QStringLiteral("WARNING"));
        QVERIFY(report.contains(QStringLiteral("it was imported as RadioDialog_2")));
        QVERIFY(report.contains(QStringLiteral("- soundPush (3 controls)")));

        f.workspace().history().undo();
        QCOMPARE(f.names(), (std::vector<std::string> {"RadioDialog"}));
        QCOMPARE(f.windowTitles().size(), 1);
        f.workspace().history().redo();
        QCOMPARE(f.names().size(), 3u);
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void problemsAreReportedAndAFileWithoutDialogsAddsNothing()
    {
        ShellFixture f;
        importFile(f, kTitles);
        QCOMPARE(f.names(), (std::vector<std::string> {"HudClock"}));
        QVERIFY(f.prompts.shown.last().text.contains(QStringLiteral("type = 101")));

        importFile(f, QStringLiteral(KOVRIN_TEST_DATA "/import/ui/defines.hpp"));
        QCOMPARE(f.names().size(), 1u);
        QCOMPARE(f.prompts.shown.last().title, QStringLiteral("WARNING"));
        QVERIFY(f.prompts.shown.last().text.startsWith(QStringLiteral("No dialog was imported")));
    }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
