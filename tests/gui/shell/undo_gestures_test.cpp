// Undo and redo of the gestures made on a real design surface inside the main window: mouse
// drags, the keyboard step, the context menu's commands, the control order window and the Delete
// key. Each gesture is one step; undo and redo give back exactly what stood before and after.
#include "../support/test_settings.h"
#include "app/control_menu.h"
#include "set_picture.h"
#include "surface/held_keys.h"
#include "surface_view/order_window.h"
#include "window_surface.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace kovrin;

namespace {

using Surface = WindowSurface;
using Gesture = std::function<void(Surface &)>;

} // namespace

class UndoGesturesTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void everyGestureIsOneStepThatUndoAndRedoTakeBackExactly_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<QString>("stepName");
        QTest::newRow("place") << Gesture([](Surface &s) {
            s.placeByClick(ControlKind::List, QPoint(600, 50));
        }) << "Place control";
        QTest::newRow("place on a control") << Gesture([](Surface &s) {
            s.f.window->toolbox()->arm(ControlKind::Picture);
            s.drag(s.middleOf(1), s.middleOf(1) + QPoint(40, 20));
        }) << "Place control";
        QTest::newRow("move") << Gesture([](Surface &s) {
            s.drag(s.middleOf(0), s.middleOf(0) + QPoint(120, 60));
        }) << "Move control";
        QTest::newRow("resize") << Gesture([](Surface &s) {
            const DrawnControl &button = s.drawn(0);
            const QPoint rightBand = s.inside(0, button.width - 30, button.height / 2);
            s.drag(rightBand, rightBand + QPoint(80, 0));
        }) << "Resize control";
        QTest::newRow("keyboard step") << Gesture([](Surface &s) {
            QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(2));
            QTest::keyClick(s.view, Qt::Key_Right, Qt::ControlModifier);
            QTest::qWait(2 * HeldKeys::kSettleMilliseconds); // a release counts once it settled
        }) << "Step control";
        QTest::newRow("snap") << Gesture([](Surface &s) {
            s.menuCommand(s.middleOf(1), "mnu_snaptogrid");
        }) << "Snap to grid";
        QTest::newRow("paste") << Gesture([](Surface &s) {
            s.menuCommand(s.middleOf(0), "mnu_makecopy");
            s.menuCommand(s.onWindow(QPoint(600, 400)), "mnu_makepaste");
        }) << "Paste control";
        QTest::newRow("front") << Gesture([](Surface &s) {
            s.menuCommand(s.middleOf(0), "mnu_tofront");
        }) << "Bring control to front";
        QTest::newRow("back") << Gesture([](Surface &s) {
            s.menuCommand(s.middleOf(2), "mnu_toback");
        }) << "Send control to back";
        QTest::newRow("control order") << Gesture([](Surface &s) {
            OrderWindow order(*s.f.window, *s.view);
            auto *list = order.findChild<QListWidget *>(QStringLiteral("lst_ctrls"));
            list->item(0)->setSelected(true);
            order.findChild<QPushButton *>(QStringLiteral("cmd_front"))->click();
            order.findChild<QPushButton *>(QStringLiteral("cmd_OK"))->click();
        }) << "Control order";
        QTest::newRow("delete key") << Gesture([](Surface &s) {
            QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(1));
            QTest::keyClick(s.view, Qt::Key_Delete);
        }) << "Delete control";
    }
    void everyGestureIsOneStepThatUndoAndRedoTakeBackExactly()
    {
        QFETCH(Gesture, gesture);
        QFETCH(QString, stepName);
        Surface s;
        QVERIFY(s.view);
        QCOMPARE(s.tags.size(), 3u);
        s.setGridStep(0.05f);
        QUndoStack &history = s.f.workspace().history();
        const int steps = history.count();
        const SetPicture before = pictureOf(s.f);

        gesture(s);
        const SetPicture after = pictureOf(s.f);
        QVERIFY(!(after == before));
        QCOMPARE(history.count(), steps + 1);
        QCOMPARE(history.undoText(), stepName);

        s.f.window->menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
        s.f.window->menus().redo->trigger();
        QVERIFY(pictureOf(s.f) == after);
        s.f.window->menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
        QCOMPARE(s.f.prompts.unexpected, 0);
    }

    void undoShortcutsReachTheHistoryFromTheSurface()
    {
        Surface s;
        QVERIFY(s.view);
        const double left = s.drawn(0).left;
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(120, 0));
        QVERIFY(s.drawn(0).left != left);
        QTest::keyClick(s.view, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(s.drawn(0).left, left);
        QTest::keyClick(s.view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(s.drawn(0).left != left);
        QTest::keyClick(s.view, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(s.view, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(s.drawn(0).left != left);
    }

    void deleteKeyBringsBackTheRecordAtItsPlaceAndStackingOnUndo()
    {
        Surface s;
        QVERIFY(s.view);
        const ControlRecord middle = s.dialog().cControls[1];
        const auto stackPlace = s.dialog().drawn.stackIndexOfTag(middle.Tag);
        QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(1));
        QCOMPARE(s.view->interaction().focusTag, middle.Tag);
        const QPoint where = s.middleOf(1);
        QTest::keyClick(s.view, Qt::Key_Delete);
        QCOMPARE(s.dialog().cControls.size(), 2u);
        QVERIFY(!s.drawn(1).visible);
        QCOMPARE(s.view->interaction().focusTag, std::string());
        QTest::keyClick(s.view, Qt::Key_Delete); // nothing has the focus now
        QCOMPARE(s.dialog().cControls.size(), 2u);

        s.f.window->menus().undo->trigger();
        QVERIFY(s.dialog().cControls[1] == middle);
        QCOMPARE(s.dialog().drawn.stackIndexOfTag(middle.Tag), stackPlace);
        QVERIFY(s.drawn(1).visible);
        // It takes the mouse again where it stood.
        s.drag(where, where + QPoint(30, 0));
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Move control"));
    }

    void undoOfAPlacingLetsGoOfTheFocusOnTheControlItTakesAway()
    {
        Surface s;
        QVERIFY(s.view);
        s.setGridStep(0.05f);
        QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(2)); // the last one placed
        QCOMPARE(s.view->interaction().focusTag, s.tags[2]);
        s.f.window->menus().undo->trigger(); // the grid step
        s.f.window->menus().undo->trigger(); // the input box
        QCOMPARE(s.dialog().cControls.size(), 2u);
        QCOMPARE(s.view->interaction().focusTag, std::string());
        const int steps = s.f.workspace().history().count();
        QTest::keyClick(s.view, Qt::Key_Right, Qt::ControlModifier);
        QTest::keyClick(s.view, Qt::Key_Delete);
        QTest::qWait(2 * HeldKeys::kSettleMilliseconds);
        QCOMPARE(s.dialog().cControls.size(), 2u);
        QCOMPARE(s.f.workspace().history().count(), steps);
    }
};

QTEST_MAIN(UndoGesturesTest)
#include "undo_gestures_test.moc"
