// The main window: menus, the dialog windows and their closing questions, the grid switch kept
// between runs, the toolbox and the context menu.
#include "../support/test_settings.h"
#include "app/control_menu.h"
#include "app/fs_path.h"
#include "app/recent_files_menu.h"
#include "app/toolbox.h"
#include "app/window_menu.h"
#include "shell_fixture.h"

#include <QAction>
#include <QLayout>
#include <QLineEdit>
#include <QMap>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace kovrin;

namespace {

// Each menu as "Title: entry [shortcut], -, ..." for one readable comparison.
QStringList menuBarLayout(QMenuBar *bar)
{
    QStringList out;
    for (QAction *top : bar->actions()) {
        QStringList entries;
        for (QAction *entry : top->menu()->actions()) {
            if (!entry->isVisible())
                continue;
            if (entry->isSeparator()) {
                entries << QStringLiteral("-");
                continue;
            }
            QString text = entry->text();
            if (!entry->shortcut().isEmpty())
                text += QStringLiteral(" [") + entry->shortcut().toString() + QLatin1Char(']');
            entries << text;
        }
        out << top->text() + QStringLiteral(": ") + entries.join(QStringLiteral(", "));
    }
    return out;
}

// Entries of one menu level that share an access key, as "a / b"; empty when none do.
QString accessKeyClashes(const QList<QAction *> &entries)
{
    QMap<QString, QString> holder;
    QStringList clashes;
    for (QAction *entry : entries) {
        if (!entry->isVisible() || entry->isSeparator())
            continue;
        const QString key = QKeySequence::mnemonic(entry->text()).toString();
        if (key.isEmpty())
            continue;
        if (holder.contains(key))
            clashes << holder[key] + QStringLiteral(" / ") + entry->text();
        holder[key] = entry->text();
    }
    return clashes.join(QStringLiteral(", "));
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void startsWithTitleMenusAndAnEmptySet()
    {
        ShellFixture f;
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Kovrin v0.61 BETA"));
        QCOMPARE(f.window->objectName(), QStringLiteral("mdi_main"));
        QCOMPARE(f.area()->background().color(), QColor(64, 64, 64));
        QCOMPARE(f.set().count(), 0u);
        const QStringList expected {
            "&File: &New Dialog [Ctrl+N], &Load Dialogs... [Ctrl+L], &Save Dialogs [Ctrl+S], "
            "Save Dialogs &As..., &Import dialog code..., -, &Generate .ext code [Ctrl+G], -, "
            "&Quit, -, &Open backup folder",
            "&Edit: &Insert new dialog, &Remove current dialog, -, "
            "&Organize control order for current dialog, Change &Grid Size for current dialog, -, "
            "&Undo [Ctrl+Z], Re&do [Ctrl+Y], -, Select &All [Ctrl+Shift+A]",
            "&View: Show &Toolbar [Ctrl+T], Visible &grid, Snap to grid while &dragging",
            "&Arrange: Align &Left, Align &Right, Align &Top, Align &Bottom, "
            "Align Centres &Horizontally, Align Centres &Vertically, -, Distribute H&orizontally, "
            "Distribute Verti&cally, -, Same &Width, Same H&eight, Same &Size",
            "&Window: &Cascade, &Tile",
            "&Help: View &readme.txt, -, &About KOVRIN"};
        QCOMPARE(menuBarLayout(f.window->menuBar()), expected);
        QVERIFY(f.window->menus().visibleGrid->isCheckable());
        QVERIFY(!f.window->menus().showToolbar->isCheckable());
    }

    void insertThreeRemoveTheMiddleAndInsertAgain()
    {
        ShellFixture f;
        for (int i = 0; i < 3; ++i)
            f.window->menus().insertDialog->trigger();
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG2", "DIALOG3"}));
        QCOMPARE(f.windowTitles(), QStringList({"DIALOG1", "DIALOG2", "DIALOG3"}));
        for (std::size_t i = 0; i < 3; ++i) {
            QCOMPARE(f.set().dialog(i).FrmIndex, static_cast<std::int16_t>(i + 1));
            QCOMPARE(f.workspace().windowOf(f.set().dialog(i).FrmIndex)->pos(), QPoint(0, 0));
        }
        QCOMPARE(f.workspace().currentView()->frmIndex(), 3);

        f.makeCurrent("DIALOG2");
        f.prompts.yesNoAnswers = {true, true};
        f.window->menus().removeDialog->trigger();
        QCOMPARE(f.prompts.titles(), QStringList({"WARNING!", "CONFIRM OPERATION"}));
        QCOMPARE(f.prompts.shown[0].text,
                 "Are you sure you want to erase this dialog and all controls in it?");
        QCOMPARE(f.prompts.shown[1].text,
                 "Click YES one more time to erase the dialog. Otherwise, click NO.");
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Warning);
        QCOMPARE(f.prompts.shown[1].icon, UserPrompts::Icon::Warning);
        QCOMPARE(f.names(), (std::vector<std::string> {"DIALOG1", "DIALOG3"}));
        QCOMPARE(f.windowTitles(), QStringList({"DIALOG1", "DIALOG3"}));

        f.window->insertDialog();
        QCOMPARE(f.names().back(), "DIALOG4");
        QCOMPARE(f.set().dialog(2).FrmIndex, 4);
    }

    void insertAtTheCounterLimitIsRefusedWithAMessage()
    {
        ShellFixture f;
        f.set().DialogCounter = 32767;
        f.window->insertDialog();
        QCOMPARE(f.set().count(), 0u);
        QCOMPARE(f.area()->subWindowList().size(), 0);
        QCOMPARE(f.prompts.titles(), QStringList {"WARNING"});
        QVERIFY(f.prompts.shown[0].text.contains(QStringLiteral("New")));
    }

    void eitherRemovalQuestionAnsweredNoKeepsTheDialog_data()
    {
        QTest::addColumn<bool>("firstAnswer");
        QTest::addColumn<bool>("byCloseBox");
        QTest::newRow("menu, first No") << false << false;
        QTest::newRow("menu, second No") << true << false;
        QTest::newRow("close box, first No") << false << true;
        QTest::newRow("close box, second No") << true << true;
    }
    void eitherRemovalQuestionAnsweredNoKeepsTheDialog()
    {
        QFETCH(bool, firstAnswer);
        QFETCH(bool, byCloseBox);
        ShellFixture f;
        f.window->insertDialog();
        f.prompts.yesNoAnswers = {firstAnswer, false};
        if (byCloseBox)
            QVERIFY(!f.windowNamed("DIALOG1")->close());
        else
            f.window->removeCurrentDialog();
        QCOMPARE(f.prompts.shown.size(), firstAnswer ? 2 : 1);
        QCOMPARE(f.names(), std::vector<std::string> {"DIALOG1"});
        QCOMPARE(f.area()->subWindowList().size(), 1);
    }

    void newAskesAndDiscardsEverythingSoTheNextInsertIsDialog1()
    {
        ShellFixture f;
        f.window->insertDialog();
        f.window->insertDialog();
        f.workspace().markSaved("/somewhere/menu.kvx"); // nothing unsaved: only New's question

        f.prompts.yesNoAnswers = {false};
        f.window->menus().newDialog->trigger();
        QCOMPARE(f.set().count(), 2u);
        QCOMPARE(f.prompts.shown[0].title, QStringLiteral("WARNING"));
        QCOMPARE(f.prompts.shown[0].text,
                 "Are you sure you want to discard the current dialog "
                 "and start a new one?");

        f.prompts.yesNoAnswers = {true};
        f.window->newDialog();
        QCOMPARE(f.set().count(), 0u);
        QCOMPARE(f.area()->subWindowList().size(), 0);
        QVERIFY(f.set().CurrentFile.empty());
        QCOMPARE(f.set().DialogCounter, 0);
        QCOMPARE(f.set().NextTag, 0);
        QVERIFY(!f.set().CloseScratch);
        QCOMPARE(f.prompts.shown.size(), 2); // discard-all itself asks nothing

        f.window->insertDialog();
        QCOMPARE(f.names(), std::vector<std::string> {"DIALOG1"});
        QCOMPARE(f.set().dialog(0).FrmIndex, 1);
    }

    void insertCopiesTheGridStepOfTheLastDialog()
    {
        ShellFixture f;
        const auto setStep = [&f](const char *text) {
            f.windows.steps.push_back([text](QDialog &prompt) {
                prompt.findChild<QLineEdit *>("txt_size")->setText(text);
                prompt.findChild<QPushButton *>("cmd_OK")->click();
            });
            f.window->changeGridSize();
        };
        f.window->insertDialog();
        QCOMPARE(f.set().dialog(0).GridSize, 0.0f);
        setStep("0.05");
        f.window->insertDialog();
        QCOMPARE(f.set().dialog(1).GridSize, 0.05f);

        f.makeCurrent("DIALOG1");
        setStep("0.1");
        f.window->insertDialog();
        QCOMPARE(f.set().dialog(0).GridSize, 0.1f);
        QCOMPARE(f.set().dialog(2).GridSize, 0.05f);
    }

    void gridSwitchIsKeptBetweenRuns()
    {
        QVERIFY(!TestSettings::storedViewGrid().isValid());
        {
            ShellFixture f;
            QVERIFY(f.window->gridVisible()); // nothing stored yet: on
            f.window->menus().visibleGrid->trigger();
            QVERIFY(!f.window->gridVisible());
            f.window->close();
        }
        QCOMPARE(TestSettings::storedViewGrid().toString(), QStringLiteral("0"));
        {
            ShellFixture f;
            QVERIFY(!f.window->gridVisible());
            f.window->menus().visibleGrid->trigger();
            f.window->menus().quit->trigger();
        }
        QCOMPARE(TestSettings::storedViewGrid().toString(), QStringLiteral("1"));
        // The stored text is read by the one rule of the core, held by its own test.
        TestSettings::storeViewGrid(QStringLiteral("2"));
        QVERIFY(!ShellFixture().window->gridVisible());
    }

    void closingClosesEveryDialogWithoutItsQuestionsAndTheToolbox()
    {
        ShellFixture f;
        f.window->show();
        QVERIFY(f.window->toolbox()->isVisible());
        f.window->insertDialog();
        f.window->insertDialog();
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        QVERIFY(f.window->close());
        QCOMPARE(f.prompts.shown.size(), 1); // the unsaved work, not the dialogs' removal
        QCOMPARE(f.prompts.shown[0].kind, QStringLiteral("savediscard"));
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!f.window->toolbox()->isVisible());
    }

    void commandsOnTheCurrentDialogDoNothingWithoutOne()
    {
        ShellFixture f;
        f.window->removeCurrentDialog();
        f.window->changeGridSize();
        f.window->organizeControlOrder();
        QVERIFY(f.prompts.shown.isEmpty());
        QVERIFY(f.windows.shown.isEmpty());
        QCOMPARE(f.set().count(), 0u);
    }

    void dialogWindowHasAFixedFrameAroundTheClientArea()
    {
        ShellFixture f;
        f.window->resize(1200, 900);
        f.window->show();
        f.window->insertDialog();
        DialogSubWindow *window = f.windowNamed("DIALOG1");
        SurfaceView *view = window->view();
        QCOMPARE(view->size(), QSize(794, 481)); // 11910 x 7215 twips
        QVERIFY(window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QSize outer = window->size();
        window->resize(outer + QSize(100, 100));
        QCOMPARE(window->size(), outer);
        QVERIFY(outer.width() > 794 && outer.height() > 481);

        // The measure the loader uses is the real frame of a dialog window.
        const SurfaceSize size = f.workspace().surfaceOuterSize();
        QCOMPARE(size.width, outer.width() * 15.0);
        QCOMPARE(size.height, outer.height() * 15.0);
    }

    void toolboxShowsAtStartAndAgainFromItsEntry()
    {
        ShellFixture f;
        f.window->show();
        Toolbox *toolbox = f.window->toolbox();
        QVERIFY(toolbox->isWindow());
        QVERIFY(toolbox->isVisible());
        toolbox->close();
        f.window->menus().showToolbar->trigger();
        QVERIFY(toolbox->isVisible());

        toolbox->arm(ControlKind::Button);
        f.window->disarmToolbox();
        QVERIFY(!f.window->armedKind());
    }

    void controlMenuShowsOnlyPasteOverTheBackgroundUntilItCloses()
    {
        ShellFixture f;
        f.window->insertDialog();
        ControlMenu &menu = f.window->controlMenu();
        QCOMPARE(menu.objectName(), QStringLiteral("mnu_ControlManager"));
        QStringList names, texts;
        for (QAction *action : menu.actions()) {
            names << action->objectName();
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
        QCOMPARE(names,
                 QStringList({"mnu_tofront", "mnu_toback", "mnu_ctrl_sep1", "mnu_makecopy",
                              "mnu_makepaste", "mnu_ctrl_sep2", "mnu_snaptogrid"}));
        QCOMPARE(texts,
                 QStringList({"Bring control to Front", "Send control to Back", "-",
                              "&Copy control", "&Paste control", "-", "&Snap to Grid"}));

        SurfaceView *view = f.workspace().currentView();
        f.window->showControlMenu(*view, false, QPoint(10, 10));
        QCOMPARE(menu.popUpForm(), view);
        for (QAction *action : menu.actions())
            QCOMPARE(action->isVisible(), action->objectName() == "mnu_makepaste");
        menu.hide();
        for (QAction *action : menu.actions())
            QVERIFY(action->isVisible());

        menu.prepare(*view, true);
        for (QAction *action : menu.actions())
            QVERIFY(action->isVisible());

        // A surface that has gone takes no command.
        f.prompts.yesNoAnswers = {true, true};
        f.window->removeCurrentDialog();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu.popUpForm());
        for (QAction *action : menu.actions())
            action->trigger();
    }

    void everyMenuGivesEachAccessKeyToOneEntry()
    {
        ShellFixture f;
        for (int i = 0; i < 3; ++i)
            f.window->insertDialog();
        for (int i = 1; i <= 5; ++i)
            f.window->recentFiles().use(QStringLiteral("/designs/d%1.kvx").arg(i));
        f.window->windowMenu().listDialogs();
        QMenuBar *bar = f.window->menuBar();
        QCOMPARE(accessKeyClashes(bar->actions()), QString());
        QList<QMenu *> menus {&f.window->controlMenu()};
        for (QAction *top : bar->actions())
            menus << top->menu();
        for (QMenu *menu : menus)
            QVERIFY2(accessKeyClashes(menu->actions()).isEmpty(),
                     qPrintable(menu->title() + ": " + accessKeyClashes(menu->actions())));
    }

    void windowMenuListsChecksAndBringsBackTheDialogs()
    {
        ShellFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        for (int i = 0; i < 3; ++i)
            f.window->insertDialog();
        f.makeCurrent("DIALOG2");
        QMenu *menu = f.window->menus().window;
        emit menu->aboutToShow();
        QStringList listed;
        for (QAction *entry : menu->actions()) {
            if (entry->isCheckable())
                listed << entry->text() + (entry->isChecked() ? "*" : "");
        }
        QCOMPARE(listed, QStringList({"&1 DIALOG1", "&2 DIALOG2*", "&3 DIALOG3"}));

        DialogSubWindow *first = f.windowNamed("DIALOG1");
        first->showMinimized();
        menu->findChild<QAction *>(QStringLiteral("mnu_window1"))->trigger();
        QVERIFY(!first->isMinimized());
        QCOMPARE(f.area()->activeSubWindow(), first);

        for (QAction *arrange : {f.window->menus().cascade, f.window->menus().tile}) {
            for (QMdiSubWindow *window : f.area()->subWindowList())
                window->showMinimized();
            arrange->trigger();
            QList<QPoint> corners;
            for (QMdiSubWindow *window : f.area()->subWindowList()) {
                QVERIFY(!window->isMinimized());
                QVERIFY(!corners.contains(window->pos()));
                corners << window->pos();
            }
        }
    }

    void aMinimizedDialogShowsItsTitleAndAClickOnItBringsItBack()
    {
        ShellFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->insertDialog();
        f.window->insertDialog();
        DialogSubWindow *first = f.windowNamed("DIALOG1");
        const QSize normal = first->size();
        first->showMinimized();
        QVERIFY(first->isMinimized());
        QVERIFY(first->width() > first->fontMetrics().horizontalAdvance(first->windowTitle()));
        QTest::mouseClick(first, Qt::LeftButton, {},
                          QPoint(first->width() / 3, first->height() / 2));
        QTRY_VERIFY(!first->isMinimized());
        QCOMPARE(first->size(), normal);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
