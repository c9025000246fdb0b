// The main window: its menus, the dialog windows and their closing questions, the grid switch
// kept between runs, the toolbox, the context menu, the code, About and readme windows, the
// dialog-name and grid-size prompts with the commands that use them, and the program's message
// boxes and file dialog.
#include "app/about_window.h"
#include "app/code_page_setting.h"
#include "app/code_view.h"
#include "app/code_window.h"
#include "app/dialog_name_prompt.h"
#include "app/file_commands.h"
#include "app/file_dialog_folders.h"
#include "app/grid_size_prompt.h"
#include "app/qt_user_prompts.h"
#include "app/readme_command.h"
#include "app/recent_files_menu.h"
#include "app/toolbox.h"
#include "app/window_arrangement.h"
#include "app/window_menu.h"
#include "shell_fixture.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>

#include <functional>

using namespace kovrin;

namespace {

// One menu as "Title: entry [x] [shortcuts], -, ..."; entries sharing an access key add "clash".
QString layoutOf(const QString &title, const QList<QAction *> &entries)
{
    QStringList out;
    QSet<QString> keys;
    for (QAction *entry : entries) {
        if (!entry->isVisible())
            continue;
        QString text = entry->isSeparator() ? QStringLiteral("-") : entry->text();
        const QString key = QKeySequence::mnemonic(entry->text()).toString();
        if (!key.isEmpty() && !entry->isSeparator() && keys.contains(key))
            text += QStringLiteral(" clash");
        keys.insert(key);
        if (entry->isCheckable())
            text += entry->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        if (!entry->shortcuts().isEmpty())
            text += " [" + QKeySequence::listToString(entry->shortcuts()) + ']';
        out << text;
    }
    return title + QStringLiteral(": ") + out.join(QStringLiteral(", "));
}

CodeView *codeArea(QObject &window)
{
    return window.findChild<CodeView *>(QStringLiteral("txt_code"));
}

template<typename T = QPushButton> T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no child %s", name);
    return found;
}

QLineEdit *field(QObject &prompt)
{
    QLineEdit *name = prompt.findChild<QLineEdit *>(QStringLiteral("txt_name"));
    return name ? name : child<QLineEdit>(prompt, "txt_size");
}

// Runs `drive` on the program's message box or file dialog once its modal loop has started.
template<typename Box> void whenShown(std::function<void(Box &)> drive)
{
    QTimer::singleShot(0, [drive] {
        if (auto *box = qobject_cast<Box *>(QApplication::activeModalWidget()))
            drive(*box);
    });
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;
    QList<QUrl> m_opened; // what the system's text viewer was asked to show

public slots:
    void openedUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init() { TestSettings::clear(); }

    // The fixed texts, shortcuts and switches users know the menus by.
    void menusKeepTheirEntriesAndEachAccessKeyIsUsedOnce()
    {
        ShellFixture f;
        const auto layout = [&f] {
            QStringList out {layoutOf(QString(), f.window->menuBar()->actions())};
            for (QAction *top : f.window->menuBar()->actions())
                out << layoutOf(top->text(), top->menu()->actions());
            ControlMenu &control = f.window->controlMenu();
            return out << layoutOf(control.objectName(), control.actions());
        };
        const QStringList expected {
            ": &File, &Edit, &View, &Arrange, &Window, &Help",
            "&File: &New Dialog [Ctrl+N], &Load Dialogs... [Ctrl+L], &Save Dialogs [Ctrl+S], "
            "Save Dialogs &As..., &Import dialog code..., -, &Generate .ext code [Ctrl+G], -, "
            "&Quit, -, &Open backup folder, Include &Folders for Import..., "
            "Code &page of the generated code",
            "&Edit: &Insert new dialog, &Remove current dialog, -, "
            "&Organize control order for current dialog, Change &Grid Size for current dialog, -, "
            "&Undo [Ctrl+Z], Re&do [Ctrl+Y; Ctrl+Shift+Z], -, Select &All [Ctrl+Shift+A]",
            "&View: Show &Toolbar [Ctrl+T], Visible &grid [x], Snap to grid while &dragging [ ], "
            "P&roblems [ ], &Properties panel [x], Reference &screen",
            "&Arrange: Align &Left, Align &Right, Align &Top, Align &Bottom, "
            "Align Centres &Horizontally, Align Centres &Vertically, -, Distribute H&orizontally, "
            "Distribute Verti&cally, -, Same &Width, Same H&eight, Same &Size, -, "
            "Convert to Safe &Zone, Convert to Scree&n, Dialog La&yout",
            "&Window: &Cascade, &Tile",
            "&Help: View &readme.txt, -, &About KOVRIN",
            "mnu_ControlManager: Bring control to Front, Send control to Back, -, &Copy control, "
            "&Paste control, -, &Snap to Grid"};
        QCOMPARE(layout(), expected);
        // With dialogs and recent files listed, still no access key is taken twice.
        f.insert(3);
        for (int i = 1; i <= 5; ++i)
            f.window->recentFiles().use(QStringLiteral("/designs/d%1.kvx").arg(i));
        f.window->windowMenu().listDialogs();
        QVERIFY(!layout().join(',').contains(QStringLiteral(" clash")));
    }

    void insertThreeRemoveTheMiddleAndInsertAgain()
    {
        ShellFixture f;
        for (int i = 0; i < 3; ++i)
            f.menus().insertDialog->trigger();
        for (std::size_t i = 0; i < 3; ++i)
            QCOMPARE(f.workspace().windowOf(f.set().dialog(i).FrmIndex)->pos(), QPoint(0, 0));
        QCOMPARE(f.workspace().currentView()->frmIndex(), 3);

        f.makeCurrent("DIALOG2");
        f.prompts.yesNoAnswers = {true, true};
        f.menus().removeDialog->trigger();
        QCOMPARE(f.asked(), "yesno WARNING!!, yesno CONFIRM OPERATION!");
        f.insert();
        QCOMPARE(f.windowTitles(), QStringList({"DIALOG1", "DIALOG3", "DIALOG4"}));
        // At the counter's limit Insert is refused with a message.
        f.set().DialogCounter = 32767;
        f.insert();
        QVERIFY(f.last().text.contains(QStringLiteral("New")));
        QCOMPARE(f.asked(), "message WARNING!");

        // Either removal question answered No keeps the dialog, from the menu or the close box.
        for (const bool byCloseBox : {false, true}) {
            for (const bool firstAnswer : {false, true}) {
                f.prompts.yesNoAnswers = {firstAnswer, false};
                if (byCloseBox)
                    QVERIFY(!f.windowNamed("DIALOG4")->close());
                else
                    f.window->removeCurrentDialog();
                QCOMPARE(f.prompts.shown.size(), firstAnswer ? 2 : 1);
                f.prompts.shown.clear();
            }
        }
        QCOMPARE(f.state(), "DIALOG1,DIALOG3,DIALOG4 windows 3 file '' counter 32767 *");
    }

    void newAsksAndDiscardsEverythingSoTheNextInsertIsDialog1()
    {
        ShellFixture f;
        f.insert(2);
        f.workspace().markSaved("/somewhere/menu.kvx"); // nothing unsaved: only New's question
        f.prompts.yesNoAnswers = {false, true};
        f.menus().newDialog->trigger();
        QCOMPARE(f.set().count(), 2u);
        f.window->newDialog();
        QCOMPARE(f.asked(), "yesno WARNING!, yesno WARNING!"); // discard-all itself asks nothing
        QCOMPARE(f.state(), " windows 0 file '' counter 0");
        // Without a dialog the commands on the current one do nothing.
        f.window->removeCurrentDialog();
        f.window->changeGridSize();
        f.window->organizeControlOrder();
        QVERIFY(f.prompts.shown.isEmpty() && f.windows.shown.isEmpty());
        f.insert();
        QCOMPARE(f.names(), Names {"DIALOG1"});
        QCOMPARE(f.set().dialog(0).FrmIndex, 1);
    }

    void gridSwitchIsKeptBetweenRuns()
    {
        const char *key = "SETTINGS/VIEWGRID";
        {
            ShellFixture f;
            QVERIFY(f.window->gridVisible()); // nothing stored yet: on
            f.menus().visibleGrid->trigger();
            QVERIFY(!f.window->gridVisible());
            f.window->close();
        }
        QCOMPARE(TestSettings::value(key).toString(), QStringLiteral("0"));
        QVERIFY(!ShellFixture().window->gridVisible());
        TestSettings::setValue(key, QStringLiteral("2")); // read by the core's one rule
        QVERIFY(!ShellFixture().window->gridVisible());
    }

    void toolboxComesBackFromItsEntryAndClosingAsksOnlyAboutUnsavedWork()
    {
        ShellFixture f;
        f.window->show();
        Toolbox *toolbox = f.window->toolbox();
        QVERIFY(toolbox->isWindow() && toolbox->isVisible());
        toolbox->close();
        f.menus().showToolbar->trigger();
        QVERIFY(toolbox->isVisible());
        toolbox->arm(ControlKind::Button);
        f.window->disarmToolbox();
        QVERIFY(!f.window->armedKind());

        f.insert(2);
        f.prompts.saveDiscardAnswers = {UserPrompts::Choice::Discard};
        QVERIFY(f.window->close());
        QCOMPARE(f.asked(), "savediscard WARNING!"); // the unsaved work, not the dialogs' removal
        QCOMPARE(f.set().count(), 0u);
        QVERIFY(!toolbox->isVisible());
    }

    void dialogWindowHasAFixedFrameAroundTheClientArea()
    {
        ShellFixture f;
        f.window->resize(1200, 900);
        f.window->show();
        f.insert();
        DialogSubWindow *window = f.windowNamed("DIALOG1");
        QCOMPARE(window->view()->size(), QSize(794, 481)); // 11910 x 7215 twips
        QVERIFY(window->windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QSize outer = window->size();
        window->resize(outer + QSize(100, 100));
        QCOMPARE(window->size(), outer);
        QVERIFY(outer.width() > 794 && outer.height() > 481);
        // The measure the loader uses is the real frame of a dialog window.
        const SurfaceSize size = f.workspace().surfaceOuterSize();
        QCOMPARE(QSizeF(size.width, size.height), QSizeF(outer) * 15.0);
    }

    void controlMenuShowsOnlyPasteOverTheBackgroundUntilItCloses()
    {
        ShellFixture f;
        f.insert();
        ControlMenu &menu = f.window->controlMenu();
        SurfaceView *view = f.workspace().currentView();
        const auto visible = [&menu] {
            QStringList out;
            for (QAction *action : menu.actions())
                out << (action->isVisible() ? action->objectName() : QString());
            return out.join(QString()); // separators have no name
        };
        const QString all = visible();
        f.window->showControlMenu(*view, false, QPoint(10, 10));
        QCOMPARE(menu.popUpForm(), view);
        QCOMPARE(visible(), QStringLiteral("mnu_makepaste"));
        menu.hide();
        QCOMPARE(visible(), all);
        menu.prepare(*view, true);
        QCOMPARE(visible(), all);

        // A surface that has gone takes no command.
        f.prompts.yesNoAnswers = {true, true};
        f.window->removeCurrentDialog();
        QTest::qWait(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!menu.popUpForm());
        for (QAction *action : menu.actions())
            action->trigger();
    }

    void windowMenuListsChecksAndBringsBackTheDialogs()
    {
        ShellFixture f;
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.insert(3);
        f.makeCurrent("DIALOG2");
        QMenu *menu = f.menus().window;
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
        // Cascade and Tile bring every dialog back; in a workspace smaller than the dialogs
        // every title bar shows, none over another, and every window is in the view or where
        // the scroll bars reach.
        f.insert(2);
        f.window->resize(420, 320);
        for (QAction *arrange : {f.menus().cascade, f.menus().tile}) {
            for (QMdiSubWindow *window : f.area()->subWindowList())
                window->showMinimized();
            arrange->trigger();
            QCoreApplication::processEvents();
            const QScrollBar *across = f.area()->horizontalScrollBar();
            const QScrollBar *down = f.area()->verticalScrollBar();
            const QRect reach(
                QPoint(across->minimum() - across->value(), down->minimum() - down->value()),
                f.area()->viewport()->size()
                    + QSize(across->maximum() - across->minimum(),
                            down->maximum() - down->minimum()));
            QList<QRect> titles;
            for (QMdiSubWindow *window : f.area()->subWindowList()) {
                QVERIFY(!window->isMinimized());
                const QRect title(window->pos(), QSize(window->width(), titleBarHeight(*window)));
                QVERIFY(!title.isEmpty());
                QVERIFY2(reach.contains(window->geometry()), qPrintable(arrange->text()));
                for (const QRect &other : titles)
                    QVERIFY2(!other.intersects(title), qPrintable(arrange->text()));
                titles << title;
            }
            QCOMPARE(titles.size(), 5);
        }
        // A minimized dialog shows its title, and a click on it brings it back.
        const QSize normal = first->size();
        first->showMinimized();
        QVERIFY(first->width() > first->fontMetrics().horizontalAdvance(first->windowTitle()));
        QTest::mouseClick(first, Qt::LeftButton, {},
                          QPoint(first->width() / 3, first->height() / 2));
        QTRY_VERIFY(!first->isMinimized());
        QCOMPARE(first->size(), normal);
    }

    void codeWindowShowsTheCodeReadOnlySelectedAndCopiesItWhole()
    {
        // Each CR LF of the code is shown as one line feed.
        CodeWindow window(QStringLiteral("class A\r\n{\r\n};\r\n\r\nb\rc"));
        CodeView *area = codeArea(window);
        QCOMPARE(area->toPlainText(), QStringLiteral("class A\n{\n};\n\nb\rc"));
        QVERIFY(QFontInfo(area->font()).fixedPitch());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(QApplication::focusWidget(), area);
        const auto wholeSelected = [area] {
            return area->selectionStart() == 0
                && area->selectionLength() == area->toPlainText().size();
        };
        QVERIFY(wholeSelected());
        area->setSelection(0, 0);
        child(window, "cmd_close")->setFocus();
        area->setFocus(Qt::TabFocusReason);
        QVERIFY(wholeSelected());
        // Copy to Clipboard is the end-to-end run's.
        child(window, "cmd_close")->click();
        QVERIFY(window.isHidden());
        // Escape closes it when the key comes up.
        window.show();
        QTest::keyPress(area, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QTest::keyRelease(area, Qt::Key_Escape);
        QVERIFY(window.isHidden());
    }

    void generateWarnsWithoutDialogsAndShowsFreshCodeEachTime()
    {
        ShellFixture f;
        f.menus().generate->trigger();
        QCOMPARE(f.asked(), "message WARNING!");
        f.insert();
        QStringList codes;
        const auto readCode = [&codes](QDialog &window) {
            codes << codeArea(window)->toPlainText();
            window.accept();
        };
        f.windows.steps = {readCode, readCode};
        f.window->generate();
        f.set().renameDialog(0, "RENAMED");
        f.window->generate();
        QCOMPARE(f.windows.shown, QStringList({"frm_generator", "frm_generator"}));
        QVERIFY(codes[0].contains(QStringLiteral("DIALOG1")));
        QCOMPARE(codes[1], QString::fromStdString(generateCode(f.set())).replace("\r\n", "\n"));

        // The code page chosen in the menu, kept between runs: Windows-1252 shows what it holds.
        f.set().renameDialog(0, "\xD0\x96");
        f.windows.steps = {readCode, readCode};
        f.window->generate();
        f.menus().codePageUtf8->trigger();
        QCOMPARE(readCodeEncoding(), CodeEncoding::Utf8);
        f.window->generate();
        QVERIFY(codes[2].contains(QStringLiteral("\nclass ?\n")));
        QVERIFY(codes[3].contains(QStringLiteral("\nclass \u0416\n")));
    }

    void aboutOpensFromItsEntryAndClosesOnCharacterKeysOrAClick()
    {
        ShellFixture f;
        f.menus().about->trigger();
        QCOMPARE(f.windows.shown, QStringList {"frm_About"});
        // Keys that type something close it; the others (the last four) do not.
        const QList<Qt::Key> keys {Qt::Key_Escape, Qt::Key_Return,    Qt::Key_A,
                                   Qt::Key_5,      Qt::Key_Backspace, Qt::Key_Left,
                                   Qt::Key_Down,   Qt::Key_F1,        Qt::Key_Shift};
        for (qsizetype i = 0; i < keys.size(); ++i) {
            AboutWindow about;
            QVERIFY(!about.findChild<QLabel *>("imgLogo")->pixmap().isNull());
            about.show();
            QTest::keyClick(&about, keys[i]);
            QVERIFY2(about.isHidden() == (i < 5), qPrintable(QKeySequence(keys[i]).toString()));
        }
        AboutWindow about;
        about.show();
        QTest::mouseClick(about.findChild<QWidget *>("Frame1"), Qt::LeftButton);
        QVERIFY(about.isHidden());
    }

    void readmeIsFoundBesideTheProgramOrInTheDataFolderOrReportedMissing()
    {
        QTemporaryDir program, data, empty;
        const QStringList folders {program.path(), data.path()};
        QCOMPARE(findReadme(folders), QString());
        QVERIFY(writeFile(data.filePath("readme.txt")));
        QCOMPARE(findReadme(folders), data.filePath("readme.txt"));
        QVERIFY(writeFile(program.filePath("readme.txt")));
        QCOMPARE(findReadme(folders), program.filePath("readme.txt"));

        ScriptedPrompts prompts;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "openedUrl");
        viewReadme(prompts, {program.path()});
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(m_opened, QList<QUrl> {QUrl::fromLocalFile(program.filePath("readme.txt"))});
        QVERIFY(prompts.shown.isEmpty());
        viewReadme(prompts, {empty.path()});
        QCOMPARE(prompts.titles(), QStringList {"WARNING"});
        QVERIFY(prompts.shown[0].text.contains(QStringLiteral("readme.txt")));
        QVERIFY(prompts.shown[0].text.contains(QDir::toNativeSeparators(empty.path())));
    }

    void namePromptRefusesAnEmptyNameStopsAtThirtyAndShowsALongerNameWhole()
    {
        ScriptedPrompts prompts;
        DialogNamePrompt prompt(prompts);
        prompt.show();
        child(prompt, "cmd_OK")->click();
        QVERIFY(prompt.isVisible());
        QCOMPARE(prompts.titles(), QStringList {"WARNING"}); // the text is the core's
        QCOMPARE(prompts.shown[0].icon, UserPrompts::Icon::Warning);

        QTest::keyClicks(field(prompt), QString(35, QLatin1Char('N')));
        QCOMPARE(field(prompt)->text(), QString(30, QLatin1Char('N')));
        field(prompt)->setText(QStringLiteral("   ")); // blanks are a name
        child(prompt, "cmd_OK")->click();
        QVERIFY(prompt.isHidden() && !prompt.Cancelled);
        QCOMPARE(prompts.shown.size(), 1);
        prompt.setName(QString(40, QLatin1Char('L')));
        QCOMPARE(prompt.name(), QString(40, QLatin1Char('L')));
    }

    void namePromptAnswersEnterAndEscapeWhenTheKeyComesUp()
    {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            ScriptedPrompts prompts;
            DialogNamePrompt prompt(prompts);
            prompt.show();
            // The key that closed a message box comes up here without having gone down here.
            QTest::keyRelease(field(prompt), key);
            QVERIFY(prompt.isVisible());
            prompt.setName(QStringLiteral("MENU"));
            QWidget *target = key == Qt::Key_Escape
                ? static_cast<QWidget *>(child(prompt, "cmd_OK"))
                : field(prompt);
            QTest::keyPress(target, key);
            QVERIFY(prompt.isVisible());
            QTest::keyRelease(target, key);
            QVERIFY(prompt.isHidden());
            QCOMPARE(prompt.Cancelled, key == Qt::Key_Escape);
            QCOMPARE(prompt.name(), QStringLiteral("MENU"));
            QVERIFY(prompts.shown.isEmpty());
        }
    }

    void renameGoesThroughThePromptWhichRefusesAnotherDialogsName()
    {
        ShellFixture f;
        f.insert(2);
        QString offered;
        f.windows.steps.push_back([&offered](QDialog &prompt) {
            offered = field(prompt)->text();
            field(prompt)->setText(QStringLiteral("MAIN MENU"));
            QTest::keyPress(field(prompt), Qt::Key_Return);
            QTest::keyRelease(field(prompt), Qt::Key_Return);
        });
        f.window->renameDialog(*f.viewOf(0)); // not the current dialog
        QCOMPARE(f.windows.shown, QStringList {"frm_DialogName"});
        QCOMPARE(offered, QStringLiteral("DIALOG1"));
        QCOMPARE(f.windowTitles(), QStringList({"MAIN MENU", "DIALOG2"}));
        f.windows.fill("txt_name", "OTHER", "cmd_Cancel");
        f.window->renameDialog(*f.viewOf(0));
        QCOMPARE(f.names(), (Names {"MAIN MENU", "DIALOG2"}));

        // The name check of the core knows the other dialogs: the prompt stays open and warns.
        bool stayedOpen = false;
        f.windows.steps.push_back([&](QDialog &prompt) {
            field(prompt)->setText(QStringLiteral("main menu"));
            child(prompt, "cmd_OK")->click();
            stayedOpen = prompt.result() != QDialog::Accepted;
            child(prompt, "cmd_Cancel")->click();
        });
        f.window->renameDialog(*f.viewOf(1));
        QVERIFY(stayedOpen);
        QCOMPARE(f.prompts.titles(), QStringList {"WARNING"});
        QVERIFY(f.last().text.startsWith(QStringLiteral("- ")) && f.last().text.endsWith("\r\n"));
        QCOMPARE(f.names(), (Names {"MAIN MENU", "DIALOG2"}));
    }

    // The guard of the field is the core's; here that typing goes through it in the user's form.
    void gridPromptGuardsTypingRefusesAnEmptyFieldAndAnswersKeysWhenTheyGoDown()
    {
        ScriptedPrompts prompts;
        GridSizePrompt empty(prompts, ',');
        QTest::keyClicks(field(empty), QStringLiteral("1.5"));
        QCOMPARE(empty.sizeText(), QStringLiteral("1")); // the grid step's own bounds
        field(empty)->clear();
        QTest::keyClicks(field(empty), QStringLiteral("0.5"));
        QCOMPARE(empty.sizeText(), QStringLiteral("0,5"));
        field(empty)->clear();
        empty.show();
        QTest::keyPress(field(empty), Qt::Key_Return);
        QVERIFY(empty.isVisible());
        QCOMPARE(prompts.titles(), QStringList {"WARNING"});
        QCOMPARE(prompts.shown[0].text, QStringLiteral("- You must enter a grid size!"));
        for (const auto &[key, button] :
             {std::pair(Qt::Key_Return, "txt_size"), std::pair(Qt::Key_Escape, "cmd_Cancel")}) {
            GridSizePrompt prompt(prompts, '.');
            prompt.setSizeText(QStringLiteral("0.05"));
            prompt.show();
            QTest::keyPress(child<QWidget>(prompt, button), key);
            QVERIFY(prompt.isHidden());
            QCOMPARE(prompt.Cancelled, key == Qt::Key_Escape);
        }
        QCOMPARE(prompts.shown.size(), 1);
    }

    void gridStepCommandOffersTheStepInTheUsersFormAndKeepsItForNoStep()
    {
        QLocale::setDefault(QLocale(QLocale::German));
        ShellFixture f;
        f.insert();
        f.workspace().setGridSize(f.set().dialog(0).FrmIndex, 0.05f);
        QString offered;
        bool stayedOpen = false; // a lone sign is no step: refused as an empty field is
        f.windows.steps.push_back([&](QDialog &prompt) {
            offered = field(prompt)->text();
            field(prompt)->setText(QStringLiteral("-"));
            child(prompt, "cmd_OK")->click();
            stayedOpen = prompt.isVisible() || prompt.result() != QDialog::Accepted;
            child(prompt, "cmd_Cancel")->click();
        });
        f.menus().gridSize->trigger();
        QLocale::setDefault(QLocale::c());
        QCOMPARE(offered, QStringLiteral("0,05"));
        QVERIFY(stayedOpen);
        QCOMPARE(f.asked(), "message WARNING!");
        QCOMPARE(f.set().dialog(0).GridSize, 0.05f);
        for (const char *answer : {"0", "", "0.25"}) {
            f.windows.fill("txt_size", answer, *answer ? "cmd_OK" : "cmd_Cancel");
            f.menus().gridSize->trigger();
        }
        QCOMPARE(f.set().dialog(0).GridSize, 0.25f);
        QCOMPARE(f.workspace().history().count(), 3); // insert, the step set here, 0.25
        QCOMPARE(f.windows.shown.size(), 4);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void aLongMessageFitsTheScreenWithTheWholeTextInItsDetails()
    {
        QStringList problems;
        for (int i = 0; i < 500; ++i)
            problems << QStringLiteral(
                            "- dialog \"D\", control %1 (\"c\"), IDC: %2 is not a number")
                            .arg(i)
                            .arg(QString(200, QLatin1Char('9')) + QStringLiteral(" x"));
        problems << QStringLiteral("- the terminal's escape \x1b[2J is spelt out");
        int height = 0;
        QString shown, details;
        whenShown<QMessageBox>([&](QMessageBox &box) {
            for (QPushButton *button : box.findChildren<QPushButton *>()) {
                if (button->text().startsWith(QStringLiteral("Show Details")))
                    button->click();
            }
            QApplication::processEvents();
            height = box.sizeHint().height();
            shown = box.text();
            details = box.detailedText();
            box.accept();
        });
        QtUserPrompts(nullptr).message(QStringLiteral("WARNING"), problems.join("\r\n"),
                                       UserPrompts::Icon::Warning);
        QVERIFY(height > 0);
        QVERIFY2(height <= QGuiApplication::primaryScreen()->availableGeometry().height(),
                 qPrintable(QString::number(height)));
        QVERIFY(shown.contains(QStringLiteral("more lines under Show Details")));
        QCOMPARE(details.count(QLatin1Char('\n')), 500);
        QVERIFY(details.endsWith(QStringLiteral("escape \\x1b[2J is spelt out")));
    }

    void saveQuestionButtonsEachCarryAnAccessKey()
    {
        QStringList texts;
        whenShown<QMessageBox>([&texts](QMessageBox &box) {
            for (QAbstractButton *button : box.buttons())
                texts << button->text();
            box.button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(QtUserPrompts(nullptr).askSaveDiscardCancel("WARNING", "Save?"),
                 UserPrompts::Choice::Cancel);
        texts.sort();
        QCOMPARE(texts, QStringList({"&Cancel", "&Discard", "&Save"}));
    }

    void fileDialogShowsTheFilterInCapitalsListsDesignFilesInAnyCaseAndOffersTheExamples()
    {
        QTemporaryDir folder;
        for (const char *name : {"a.kvx", "B.KVX", "c.Kvx", "d.txt"})
            QVERIFY(writeFile(folder.filePath(QLatin1String(name))));
        QStringList filters, listed;
        QList<QUrl> sidebar;
        whenShown<QFileDialog>([&](QFileDialog &dialog) {
            filters = dialog.nameFilters();
            sidebar = dialog.sidebarUrls();
            auto *model = dialog.findChild<QFileSystemModel *>();
            const QModelIndex root = model->index(folder.path());
            if (!QTest::qWaitFor([&] { return model->rowCount(root) >= 3; }))
                listed << QStringLiteral("(the folder was not read)");
            for (int row = 0; row < model->rowCount(root); ++row)
                listed << model->index(row, 0, root).data().toString();
            dialog.reject();
        });
        // The examples folder found (here the test's folder) is an entry of the sidebar.
        const QString examples = findExamplesFolder({folder.filePath("none"), folder.path()});
        QCOMPARE(examples, folder.path());
        QCOMPARE(QtUserPrompts(nullptr, examples)
                     .openFileName(folder.path(), "Load Dialog", "kvx", FileCommands::fileFilter()),
                 QString());
        QCOMPARE(filters, QStringList {"ZTK Dialog (*.KVX)"});
        QVERIFY(sidebar.contains(QUrl::fromLocalFile(examples)));
        listed.sort(Qt::CaseInsensitive);
        QCOMPARE(listed, QStringList({"a.kvx", "B.KVX", "c.Kvx"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
