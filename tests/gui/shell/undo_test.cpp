// Undo and redo of every change of the dialog set: each step puts back the records, the drawn
// controls, the windows and the generated code exactly as they were, and the Edit menu names it.
#include "../support/test_settings.h"
#include "props_window/property_editor.h"
#include "set_picture.h"
#include "surface/grid_lines.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace kovrin;

namespace {

using Change = std::function<void(ShellFixture &)>;

SurfaceView *viewOf(ShellFixture &f, std::size_t dialog)
{
    return f.workspace().windowOf(f.set().dialog(dialog).FrmIndex)->view();
}

// A control made on a dialog as a click on its surface makes it.
void place(ShellFixture &f, std::size_t dialog, ControlKind kind, double x, double y)
{
    QVERIFY(f.set().createControl(dialog, kind, x, y, f.workspace().surfaceOuterSize()));
    f.window->documentChanged(*viewOf(f, dialog), QStringLiteral("Place control"));
}

// Two dialogs, the first with three controls, the second with one.
void threeAndOne(ShellFixture &f)
{
    f.window->insertDialog();
    place(f, 0, ControlKind::Text, 600, 600);
    place(f, 0, ControlKind::Button, 3000, 1500);
    place(f, 0, ControlKind::List, 6000, 3000);
    f.window->insertDialog();
    place(f, 1, ControlKind::Input, 900, 900);
}

void answerGridPrompt(ShellFixture &f, const char *text)
{
    f.windows.steps.push_back([text](QDialog &prompt) {
        prompt.findChild<QLineEdit *>("txt_size")->setText(text);
        prompt.findChild<QPushButton *>("cmd_OK")->click();
    });
}

void answerNamePrompt(ShellFixture &f, const char *text)
{
    f.windows.steps.push_back([text](QDialog &prompt) {
        prompt.findChild<QLineEdit *>("txt_name")->setText(text);
        prompt.findChild<QPushButton *>("cmd_OK")->click();
    });
}

// The editor on record `record` of the first dialog, driven without its modal loop.
void editRecord(ShellFixture &f, std::size_t record,
                const std::function<void(PropertyEditor &)> &drive)
{
    PropertyEditor editor(*f.window, *viewOf(f, 0), record);
    editor.show();
    drive(editor);
}

void typeWidth(PropertyEditor &editor, const char *text)
{
    auto *width = editor.findChild<QLineEdit *>("txt_width");
    width->selectAll();
    QTest::keyClicks(width, QString::fromLatin1(text));
}

} // namespace

class UndoTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void everyKindOfChangeIsOneStepThatUndoAndRedoTakeBackExactly_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("stepName");
        QTest::newRow("property Apply") << Change([](ShellFixture &f) {
            editRecord(f, 1, [](PropertyEditor &editor) {
                typeWidth(editor, "0.5");
                editor.cmd_apply_Click();
            });
        }) << "Control properties";
        QTest::newRow("property OK") << Change([](ShellFixture &f) {
            editRecord(f, 0, [](PropertyEditor &editor) {
                typeWidth(editor, "0.25");
                editor.cmd_OK_Click();
            });
        }) << "Control properties";
        QTest::newRow("delete") << Change([](ShellFixture &f) {
            editRecord(f, 1, [](PropertyEditor &editor) { editor.cmd_delete_Click(); });
        }) << "Delete control";
        QTest::newRow("insert") << Change([](ShellFixture &f) {
            f.window->menus().insertDialog->trigger();
        }) << "Insert dialog";
        QTest::newRow("rename") << Change([](ShellFixture &f) {
            answerNamePrompt(f, "MAIN");
            f.window->renameDialog(*viewOf(f, 0));
        }) << "Rename dialog";
        QTest::newRow("remove") << Change([](ShellFixture &f) {
            f.makeCurrent("DIALOG1");
            f.prompts.yesNoAnswers = {true, true};
            f.window->menus().removeDialog->trigger();
        }) << "Remove dialog";
        QTest::newRow("grid step") << Change([](ShellFixture &f) {
            f.makeCurrent("DIALOG1");
            answerGridPrompt(f, "0.05");
            f.window->menus().gridSize->trigger();
        }) << "Grid size";
    }
    void everyKindOfChangeIsOneStepThatUndoAndRedoTakeBackExactly()
    {
        QFETCH(Change, change);
        QFETCH(QString, stepName);
        ShellFixture f;
        threeAndOne(f);
        QUndoStack &history = f.workspace().history();
        const int stepsBefore = history.count();
        const SetPicture before = pictureOf(f);

        change(f);
        const SetPicture after = pictureOf(f);
        QVERIFY(!(after == before));
        QCOMPARE(history.count(), stepsBefore + 1);
        QCOMPARE(f.window->menus().undo->text(), QStringLiteral("&Undo ") + stepName);

        f.window->menus().undo->trigger();
        QVERIFY(pictureOf(f) == before);
        QCOMPARE(f.window->menus().redo->text(), QStringLiteral("Re&do ") + stepName);
        f.window->menus().redo->trigger();
        QVERIFY(pictureOf(f) == after);
        f.window->menus().undo->trigger();
        QVERIFY(pictureOf(f) == before);
        QCOMPARE(f.windows.unexpected, 0);
        QCOMPARE(f.prompts.unexpected, 0);
    }

    void editMenuEntriesFollowTheHistory()
    {
        ShellFixture f;
        QAction *undo = f.window->menus().undo;
        QAction *redo = f.window->menus().redo;
        QVERIFY(!undo->isEnabled());
        QVERIFY(!redo->isEnabled());
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
        QCOMPARE(redo->shortcuts(),
                 QList<QKeySequence>({QKeySequence(Qt::CTRL | Qt::Key_Y),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));

        f.window->insertDialog();
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QVERIFY(!undo->isEnabled());
        QVERIFY(redo->isEnabled());
        QCOMPARE(f.set().count(), 0u);
        redo->trigger();
        QCOMPARE(f.names(), std::vector<std::string> {"DIALOG1"});
        QCOMPARE(f.set().dialog(0).FrmIndex, 1);

        // A new change drops what could have been redone.
        undo->trigger();
        f.window->insertDialog();
        QVERIFY(!redo->isEnabled());
        QCOMPARE(f.names(), std::vector<std::string> {"DIALOG2"}); // numbers are never reused
    }

    void aReportWithoutAChangeMakesNoStep()
    {
        ShellFixture f;
        threeAndOne(f);
        const int steps = f.workspace().history().count();
        f.window->documentChanged(*viewOf(f, 0), QStringLiteral("Move control"));
        editRecord(f, 0, [](PropertyEditor &editor) { editor.cmd_OK_Click(); });
        answerNamePrompt(f, "DIALOG1");
        f.window->renameDialog(*viewOf(f, 0));
        QCOMPARE(f.workspace().history().count(), steps);
    }

    void undoOfRemoveBringsTheDialogItsControlsAndItsWindowBackInPlace()
    {
        ShellFixture f;
        threeAndOne(f);
        f.window->insertDialog();
        f.windowNamed("DIALOG2")->move(40, 30);
        f.makeCurrent("DIALOG2");
        f.prompts.yesNoAnswers = {true, true};
        f.window->removeCurrentDialog();
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG3"}));

        f.window->menus().undo->trigger();
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG2", "DIALOG3"}));
        QCOMPARE(f.windowTitles(), QStringList({"DIALOG1", "DIALOG2", "DIALOG3"}));
        QCOMPARE(f.set().dialog(1).FrmIndex, 2);
        QCOMPARE(f.set().dialog(1).cControls.size(), 1u);
        QCOMPARE(f.windowNamed("DIALOG2")->pos(), QPoint(40, 30));
        QCOMPARE(f.workspace().currentView()->frmIndex(), 2);

        // Redo takes it away again without asking; undo of removal answered No never happened.
        f.window->menus().redo->trigger();
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG3"}));
        QCOMPARE(f.area()->subWindowList().size(), 2);
        QCOMPARE(f.prompts.shown.size(), 2);

        f.prompts.yesNoAnswers = {true, false};
        f.makeCurrent("DIALOG1");
        const int steps = f.workspace().history().count();
        f.window->removeCurrentDialog();
        QCOMPARE(f.workspace().history().count(), steps);
    }

    void newAndLoadStartAFreshHistory()
    {
        ShellFixture f;
        threeAndOne(f);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        f.prompts.yesNoAnswers = {true};
        f.window->newDialog();
        QCOMPARE(f.workspace().history().count(), 0);
        QVERIFY(!f.window->menus().undo->isEnabled());
        QVERIFY(!f.workspace().isModified());
    }

    void theGridStepComesBackOnTheSurfaceItWasChangedOn()
    {
        ShellFixture f;
        threeAndOne(f);
        answerGridPrompt(f, "0.05");
        f.window->changeGridSize(); // the second dialog is current
        answerGridPrompt(f, "0.1");
        f.makeCurrent("DIALOG1");
        f.window->changeGridSize();
        const SurfaceSize outer = f.workspace().surfaceOuterSize();
        const auto lines = [&f](std::size_t dialog) {
            return f.workspace().views().at(static_cast<qsizetype>(dialog))->interaction().grid;
        };
        QCOMPARE(lines(0).lnH, buildGridLines(0.1f, outer).lnH);

        f.window->menus().undo->trigger();
        QCOMPARE(f.set().dialog(0).GridSize, 0.0f);
        QCOMPARE(f.set().dialog(1).GridSize, 0.05f);
        QVERIFY(lines(0).empty()); // the shown lines follow the step
        f.window->menus().undo->trigger();
        QCOMPARE(f.set().dialog(1).GridSize, 0.0f);
        QCOMPARE(f.workspace().currentView()->frmIndex(), 2); // shown where it was undone
        f.window->menus().redo->trigger();
        QCOMPARE(lines(1).lnV, buildGridLines(0.05f, outer).lnV);

        // With the grid hidden, undo and redo build no lines.
        f.window->setGridVisible(false);
        f.window->menus().redo->trigger();
        QCOMPARE(f.set().dialog(0).GridSize, 0.1f);
        QVERIFY(lines(0).empty());
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
