// Changes of the set through the main window and on a real design surface inside it: commands,
// the property editor, mouse drags, keys, the context menu, the control order window, the
// selection and the Arrange menu. Each change is one undo step named in the Edit menu, and undo
// and redo give back exactly what stood before and after.
#include "app/arrange_menu.h"
#include "app/autosave.h"
#include "app/layout_menu.h"
#include "model/group_scroll_bars.h"
#include "props_window/property_editor.h"
#include "shell_fixture.h"
#include "surface/grid_lines.h"
#include "surface/held_keys.h"
#include "surface_view/order_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QStatusBar>
#include <QUndoStack>

#include <cmath>
#include <functional>

using namespace kovrin;

namespace {

using Surface = WindowSurface;
using Change = std::function<void(Surface &)>;

// The editor on a record of the surface's dialog, driven without its modal loop.
void editRecord(Surface &s, std::size_t record, const std::function<void(PropertyEditor &)> &drive)
{
    PropertyEditor editor(*s.f.window, *s.view, record);
    editor.show();
    drive(editor);
}

void typeWidth(PropertyEditor &editor, const char *text)
{
    auto *width = editor.findChild<QLineEdit *>("txt_width");
    width->selectAll();
    QTest::keyClicks(width, QString::fromLatin1(text));
}

// An entry of the layout menu on DIALOG1, as opening the Arrange menu shows it.
void layoutEntry(Surface &s, QAction *(LayoutMenu::*entry)(DialogLayout) const, DialogLayout layout)
{
    s.f.makeCurrent("DIALOG1");
    LayoutMenu &menu = s.f.window->layoutMenu();
    menu.showCurrent();
    (menu.*entry)(layout)->trigger();
}

// Picks the controls of these records with Ctrl+click.
void pick(Surface &s, std::initializer_list<std::size_t> records)
{
    for (std::size_t record : records)
        s.click(s.middleOf(record), Qt::ControlModifier);
}

} // namespace

class GesturesTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void everyChangeIsOneStepThatUndoAndRedoTakeBackExactly_data()
    {
        QTest::addColumn<Change>("change");
        // Each row is named after the step that the Edit menu shows, then what makes it.
        const auto row = [](const char *name, Change change) {
            QTest::newRow(name) << change;
        };
        row("Control properties/property Apply", [](Surface &s) {
            editRecord(s, 1, [](PropertyEditor &editor) {
                typeWidth(editor, "0.5");
                editor.cmd_apply_Click();
            });
        });
        row("Control properties/property OK", [](Surface &s) {
            editRecord(s, 0, [](PropertyEditor &editor) {
                typeWidth(editor, "0.25");
                editor.cmd_OK_Click();
            });
        });
        row("Delete control/editor's delete", [](Surface &s) {
            editRecord(s, 1, [](PropertyEditor &editor) { editor.cmd_delete_Click(); });
        });
        row("Rename dialog/rename", [](Surface &s) {
            s.f.windows.fill("txt_name", "MAIN");
            s.f.window->renameDialog(*s.view);
        });
        row("Remove dialog/remove", [](Surface &s) {
            s.f.prompts.yesNoAnswers = {true, true};
            s.f.menus().removeDialog->trigger();
        });
        row("Grid size/grid step", [](Surface &s) {
            s.f.windows.fill("txt_size", "0.1");
            s.f.menus().gridSize->trigger();
        });
        row("Place control/place on a control", [](Surface &s) {
            s.f.window->toolbox()->arm(ControlKind::Picture);
            s.drag(s.middleOf(1), s.middleOf(1) + QPoint(40, 20));
        });
        row("Resize control/resize", [](Surface &s) {
            const QPoint rightBand = s.inside(0, s.drawn(0).width - 30, s.drawn(0).height / 2);
            s.drag(rightBand, rightBand + QPoint(80, 0));
        });
        row("Step control/keyboard step", [](Surface &s) {
            s.click(s.middleOf(2));
            QTest::keyClick(s.view, Qt::Key_Right, Qt::ControlModifier);
            QTest::qWait(2 * HeldKeys::kSettleMilliseconds); // a release counts once it settled
        });
        row("Snap to grid/snap",
            [](Surface &s) { s.menuCommand(s.middleOf(1), "mnu_snaptogrid"); });
        row("Paste control/paste", [](Surface &s) {
            s.menuCommand(s.middleOf(0), "mnu_makecopy");
            s.menuCommand(s.onWindow(QPoint(600, 400)), "mnu_makepaste");
        });
        row("Bring control to front/front",
            [](Surface &s) { s.menuCommand(s.middleOf(0), "mnu_tofront"); });
        row("Send control to back/back",
            [](Surface &s) { s.menuCommand(s.middleOf(2), "mnu_toback"); });
        row("Control order/control order", [](Surface &s) {
            OrderWindow order(*s.f.window, *s.view);
            order.findChild<QListWidget *>(QStringLiteral("lst_ctrls"))->item(0)->setSelected(true);
            order.findChild<QPushButton *>(QStringLiteral("cmd_front"))->click();
            order.findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        });
        row("Delete control/delete key", [](Surface &s) {
            s.click(s.middleOf(1));
            QTest::keyClick(s.view, Qt::Key_Delete);
        });
        row("Move controls/drag of picked", [](Surface &s) {
            pick(s, {0, 2});
            const double left = s.drawn(0).left;
            s.drag(s.middleOf(2), s.middleOf(2) + QPoint(20, 10));
            QCOMPARE(s.drawn(0).left, left + 300); // the picked ones follow the grabbed one
        });
        row("Delete controls/delete of picked", [](Surface &s) {
            s.f.makeCurrent("DIALOG1");
            s.f.menus().selectAll->trigger();
            s.click(s.middleOf(1), Qt::ShiftModifier);
            QTest::keyClick(s.view, Qt::Key_Delete);
            QCOMPARE(s.dialog().cControls.size(), 1u);
            QVERIFY(s.picked().empty());
        });
        row("Convert to Safe Zone/convert the dialog", [](Surface &s) {
            layoutEntry(s, &LayoutMenu::convertAction, DialogLayout::SafeZone);
            for (const ControlRecord &record : s.dialog().cControls)
                QCOMPARE(record.Forms[FormField::Width].form, PositionForm::SafeZone);
        });
        row("Convert to Safe Zone/convert the picked", [](Surface &s) {
            pick(s, {0, 2});
            layoutEntry(s, &LayoutMenu::convertAction, DialogLayout::SafeZone);
            QVERIFY(!s.dialog().cControls[0].Forms.allScreen());
            QVERIFY(s.dialog().cControls[1].Forms.allScreen());
        });
        row("Dialog layout/layout", [](Surface &s) {
            layoutEntry(s, &LayoutMenu::layoutAction, DialogLayout::SafeZone);
            QCOMPARE(s.dialog().Layout, DialogLayout::SafeZone);
        });
        row("Paste controls/paste of several", [](Surface &s) {
            pick(s, {0, 1});
            s.menuCommand(s.middleOf(1), "mnu_makecopy");
            s.menuCommand(s.onWindow(QPoint(40, 350)), "mnu_makepaste");
            QCOMPARE(s.dialog().cControls.size(), 5u); // at the point clicked for the menu:
            QCOMPARE(s.dialog().drawn.findByTag(s.dialog().cControls[3].Tag)->left, 40 * 15.0);
            QCOMPARE(s.picked().size(), 2u); // the copies are picked now
        });
    }
    void everyChangeIsOneStepThatUndoAndRedoTakeBackExactly()
    {
        QFETCH(Change, change);
        const QString stepName = QString::fromLatin1(QTest::currentDataTag()).section('/', 0, 0);
        Surface s;
        QVERIFY(s.view);
        QCOMPARE(s.tags.size(), 3u);
        s.setGridStep(0.05f);
        // A second dialog, current until a click on the first, below it.
        s.f.insert();
        s.f.windowNamed("DIALOG2")->move(0, s.f.windowNamed("DIALOG1")->height());
        const int steps = s.f.workspace().history().count();
        const SetPicture before = pictureOf(s.f);

        change(s);
        const SetPicture after = pictureOf(s.f);
        QVERIFY(!(after == before));
        QCOMPARE(s.f.workspace().history().count(), steps + 1);
        QCOMPARE(s.f.menus().undo->text(), QStringLiteral("&Undo ") + stepName);
        s.f.menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
        QCOMPARE(s.f.menus().redo->text(), QStringLiteral("Re&do ") + stepName);
        s.f.menus().redo->trigger();
        QVERIFY(pictureOf(s.f) == after);
        s.f.menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
        QCOMPARE(s.f.windows.unexpected, 0);
        QCOMPARE(s.f.prompts.unexpected, 0);
    }

    void aControlDroppedIntoAControlsGroupAndDraggedOutIsOneStepEach()
    {
        Surface s;
        QVERIFY(s.view);
        s.placeByClick(ControlKind::Group, QPoint(20, 230));
        s.tags.push_back(s.dialog().cControls.back().Tag);
        const std::string group = s.tags[3];
        const auto holderOfButton = [&s] {
            return s.dialog().cControls[0].Group;
        };
        QUndoStack &history = s.f.workspace().history();
        const int steps = history.count();
        const SetPicture outside = pictureOf(s.f);

        // The button (at 100, 100) dragged with its corner 40, 30 pixels into the group.
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(-40, 160));
        QCOMPARE(holderOfButton(), group);
        QCOMPARE(s.drawn(0).left, 60 * 15.0);
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(s.f.menus().undo->text(), QStringLiteral("&Undo Move control"));
        const SetPicture inside = pictureOf(s.f);
        // The group moves with its button, in one step.
        s.drag(s.inside(3, 3000, 1500), s.inside(3, 3000, 1500) + QPoint(30, 15));
        QCOMPARE(s.drawn(0).left, 90 * 15.0);
        QCOMPARE(holderOfButton(), group);
        // Dragged out, the dialog's own again where it was dropped.
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(0, -200));
        QCOMPARE(holderOfButton(), std::string());
        QCOMPARE(s.drawn(0).left, 90 * 15.0);
        QCOMPARE(history.count(), steps + 3);

        s.f.menus().undo->trigger();
        QCOMPARE(holderOfButton(), group);
        s.f.menus().undo->trigger();
        s.f.menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == outside);
        s.f.menus().redo->trigger();
        QVERIFY(pictureOf(s.f) == inside);
        // A group's own fields in the editor: its background colour, not a text.
        editRecord(s, 3, [](PropertyEditor &editor) {
            QVERIFY(editor.findChild<QWidget *>("txt_bg_r")->isEnabled());
            QVERIFY(!editor.findChild<QWidget *>("txt_text")->isEnabled());
            QCOMPARE(editor.findChild<QLineEdit *>("txt_name")->text(), QStringLiteral("GROUP4"));
            auto *scrollBars = editor.findChild<QCheckBox *>("chk_scrollbars");
            QVERIFY(scrollBars->isEnabled() && scrollBars->isChecked());
            scrollBars->click();
            editor.cmd_OK_Click();
        });
        QVERIFY(!groupScrollBars(s.dialog().cControls[3]));
    }

    void editMenuEntriesAndShortcutsFollowTheHistory()
    {
        Surface s;
        QVERIFY(s.view);
        QAction *undo = s.f.menus().undo;
        QAction *redo = s.f.menus().redo;
        const double left = s.drawn(0).left;
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(120, 0));
        // From the surface, undo and the two redo shortcuts in turn.
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] {
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Y, Qt::ControlModifier}};
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(s.view, keys[i].first, keys[i].second);
            QCOMPARE(s.drawn(0).left == left, i % 2 == 0);
        }
        // A report without a change makes no step.
        const int steps = s.f.workspace().history().count();
        s.f.window->documentChanged(*s.view, QStringLiteral("Move control"));
        editRecord(s, 0, [](PropertyEditor &editor) { editor.cmd_OK_Click(); });
        s.f.windows.fill("txt_name", "DIALOG1");
        s.f.window->renameDialog(*s.view);
        QCOMPARE(s.f.workspace().history().count(), steps);
        // Undone back to the start nothing is left to undo; a new change drops what could have
        // been redone, and numbers are never reused.
        while (undo->isEnabled())
            undo->trigger();
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QCOMPARE(s.f.set().count(), 0u);
        redo->trigger();
        undo->trigger();
        s.f.insert();
        QVERIFY(!redo->isEnabled());
        QCOMPARE(s.f.names(), Names {"DIALOG2"});
    }

    // What undo and redo give back exactly is the table's; here what stands around the set.
    void undoOfRemoveBringsTheWindowBackInPlaceAndTheGridLinesFollowTheStep()
    {
        ShellFixture f;
        f.insert(3);
        QVERIFY(f.set().createControl(1, ControlKind::Input, 900, 900,
                                      f.workspace().surfaceOuterSize()));
        f.window->documentChanged(*f.viewOf(1), QStringLiteral("Place control"));
        f.windowNamed("DIALOG2")->move(40, 30);
        f.makeCurrent("DIALOG2");
        f.prompts.yesNoAnswers = {true, true};
        f.window->removeCurrentDialog();
        f.menus().undo->trigger();
        QCOMPARE(f.set().dialog(1).cControls.size(), 1u);
        QCOMPARE(f.windowNamed("DIALOG2")->pos(), QPoint(40, 30));
        QCOMPARE(f.workspace().currentView()->frmIndex(), 2);
        // Redo takes it away again without asking; a removal answered No never happened.
        f.menus().redo->trigger();
        QCOMPARE(f.area()->subWindowList().size(), 2);
        QCOMPARE(f.asked(), "yesno WARNING!!, yesno CONFIRM OPERATION!");
        f.prompts.yesNoAnswers = {true, false};
        f.makeCurrent("DIALOG1");
        const int steps = f.workspace().history().count();
        f.window->removeCurrentDialog();
        QCOMPARE(f.workspace().history().count(), steps);

        f.windows.fill("txt_size", "0.05");
        f.window->changeGridSize(); // DIALOG1
        f.windows.fill("txt_size", "0.1");
        f.makeCurrent("DIALOG3");
        f.window->changeGridSize();
        const SurfaceSize outer = f.workspace().surfaceOuterSize();
        const auto lines = [&f](std::size_t dialog) {
            return f.viewOf(dialog)->interaction().grid;
        };
        QCOMPARE(lines(1).lnH, buildGridLines(0.1f, outer).lnH);
        f.menus().undo->trigger();
        QVERIFY(lines(1).empty()); // the shown lines follow the step
        f.menus().undo->trigger();
        QCOMPARE(f.workspace().currentView()->frmIndex(), 1); // shown where it was undone
        f.menus().redo->trigger();
        QCOMPARE(lines(0).lnV, buildGridLines(0.05f, outer).lnV);
        // With the grid hidden, undo and redo build no lines.
        f.window->setGridVisible(false);
        f.menus().redo->trigger();
        QCOMPARE(f.set().dialog(1).GridSize, 0.1f);
        QVERIFY(lines(1).empty());
    }

    // Without a window manager no window is active once a modal one closes; the program gives
    // the focus back itself, so the shortcuts work at once.
    void aClosedModalWindowGivesTheFocusBack()
    {
        Surface s;
        QVERIFY(s.view);
        s.view->setFocus();
        QVERIFY(QTest::qWaitForWindowActive(s.f.window.get()));
        QDialog modal(s.f.window.get());
        modal.setModal(true);
        modal.show();
        QApplication::setActiveWindow(&modal);
        modal.hide();
        QApplication::setActiveWindow(nullptr);
        QTRY_COMPARE(QApplication::focusWidget(), s.view);
    }

    void deleteAndUndoLetGoOfTheFocusAndTheControlTakesTheMouseAgain()
    {
        Surface s;
        QVERIFY(s.view);
        s.click(s.middleOf(1));
        QCOMPARE(s.view->interaction().focusTag, s.tags[1]);
        const QPoint where = s.middleOf(1);
        QTest::keyClick(s.view, Qt::Key_Delete);
        QCOMPARE(s.view->interaction().focusTag, std::string());
        QTest::keyClick(s.view, Qt::Key_Delete); // nothing has the focus now
        QCOMPARE(s.dialog().cControls.size(), 2u);
        s.f.menus().undo->trigger();
        s.drag(where, where + QPoint(30, 0)); // it takes the mouse again where it stood
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Move control"));

        s.click(s.middleOf(2)); // the last one placed
        s.f.menus().undo->trigger(); // the move
        s.f.menus().undo->trigger(); // the input box
        QCOMPARE(s.view->interaction().focusTag, std::string());
        const int steps = s.f.workspace().history().count();
        QTest::keyClick(s.view, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(s.view, Qt::Key_Delete);
        QTest::qWait(2 * HeldKeys::kSettleMilliseconds);
        QCOMPARE(s.f.workspace().history().count(), steps);
    }

    void clicksAndBandPickAndPlainClicksLetGo()
    {
        Surface s;
        QVERIFY(s.view);
        const auto enabled = [&s](ArrangeCommand command) {
            return s.f.window->arrangeMenu().action(command)->isEnabled();
        };
        const int steps = s.f.workspace().history().count();
        s.click(s.middleOf(2), Qt::ControlModifier);
        s.click(s.middleOf(0), Qt::ShiftModifier);
        QCOMPARE(s.picked(), (Names {s.tags[2], s.tags[0]}));
        QVERIFY(enabled(ArrangeCommand::AlignLeft)
                && !enabled(ArrangeCommand::DistributeVertically));
        s.click(s.middleOf(2), Qt::ControlModifier);
        QCOMPARE(s.picked(), (Names {s.tags[0]}));
        QVERIFY(!enabled(ArrangeCommand::AlignLeft));
        s.click(s.middleOf(1)); // not picked
        QVERIFY(s.picked().empty());
        s.f.menus().selectAll->trigger();
        QVERIFY(enabled(ArrangeCommand::DistributeVertically));
        QTest::keyClick(s.view, Qt::Key_Escape); // the band is the end-to-end run's
        QVERIFY(s.picked().empty());
        s.f.menus().selectAll->trigger();
        s.click(s.onWindow(QPoint(700, 20)));
        QVERIFY(s.picked().empty());
        QCOMPARE(s.f.workspace().history().count(), steps); // picking changed nothing
    }

    void arrowsStepAPixelOrTenAndAHeldKeyIsOneStep()
    {
        Surface s;
        QVERIFY(s.view);
        s.click(s.middleOf(1)); // focus, no selection
        const double left = s.drawn(1).left;
        const double top = s.drawn(1).top;
        QUndoStack &history = s.f.workspace().history();
        const int steps = history.count();
        QTest::keyClick(s.view, Qt::Key_Right); // nothing picked: nothing moves
        QCOMPARE(s.drawn(1).left, left);
        pick(s, {1});
        QTest::keyClick(s.view, Qt::Key_Right);
        QTest::keyClick(s.view, Qt::Key_Right);
        QCOMPARE(s.drawn(1).left, left + 30);
        QCOMPARE(history.count(), steps + 2); // two presses, two steps
        // Held: the repeats join the press they follow.
        for (int i = 0; i < 5; ++i) {
            QKeyEvent event(i < 4 ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_Down,
                            Qt::ShiftModifier, QString(), i > 0 && i < 4);
            QApplication::sendEvent(s.view, &event);
        }
        QCOMPARE(s.drawn(1).top, top + 600);
        QCOMPARE(history.count(), steps + 3);
        QCOMPARE(history.undoText(), QStringLiteral("Nudge control"));
    }

    void statusBarShowsThePointerBesideNotesAndSnapWhileDraggingEndsAMoveOnTheGridAndIsKept()
    {
        Surface s;
        QVERIFY(s.view);
        auto *status = s.f.window->findChild<QLabel *>(QStringLiteral("lbl_surface_status"));
        QTest::mouseMove(s.window(), s.middleOf(0));
        const QString name = QString::fromStdString(s.dialog().cControls[0].Name);
        QVERIFY2(status->text().contains(name), qPrintable(status->text()));
        // An autosave's note shows beside the readout, not over it.
        s.f.window->autosave().saveNow();
        QTRY_VERIFY(!s.f.window->statusBar()->currentMessage().isEmpty());
        QVERIFY(status->isVisibleTo(s.f.window.get()));
        QVERIFY(status->text().contains(name));

        s.setGridStep(0.05f);
        s.f.menus().snapWhileDragging->trigger();
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(23, 17));
        const double stepX
            = static_cast<double>(static_cast<float>(s.view->outerSize().width) * 0.05f);
        const double left = s.drawn(0).left;
        QVERIFY2(std::abs(left / stepX - std::round(left / stepX)) < 1e-6,
                 qPrintable(QString::number(left)));
        QVERIFY(ShellFixture().menus().snapWhileDragging->isChecked());
    }
};

QTEST_MAIN(GesturesTest)
#include "gestures_test.moc"
