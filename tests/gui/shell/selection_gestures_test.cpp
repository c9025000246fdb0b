// The selection on a real design surface inside the main window: picking with Ctrl/Shift+click,
// the rubber band and Select All, the Arrange menu, the drag of several controls, Delete, copy
// and paste of several, the arrow keys, the status bar and snapping while dragging. Each change
// is one undo step that takes back all it did.
#include "../support/test_settings.h"
#include "app/arrange_menu.h"
#include "set_picture.h"
#include "window_surface.h"

#include <QLabel>
#include <QUndoStack>

#include <cmath>

using namespace kovrin;

namespace {

std::vector<std::string> picked(const WindowSurface &s)
{
    return s.view->selection().tags();
}

void sendKey(QWidget *to, QEvent::Type type, int key, Qt::KeyboardModifiers keys, bool repeat)
{
    QKeyEvent event(type, key, keys, QString(), repeat);
    QApplication::sendEvent(to, &event);
}

} // namespace

class SelectionGesturesTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void snappingIsOffUntilTurnedOn()
    {
        ShellFixture f;
        QVERIFY(f.window->menus().snapWhileDragging->isCheckable());
        QVERIFY(!f.window->menus().snapWhileDragging->isChecked());
        QVERIFY(!f.window->snapWhileDragging());
    }

    void clicksAndBandPickAndPlainClicksLetGo()
    {
        WindowSurface s;
        QVERIFY(s.view);
        ArrangeMenu &arrange = s.f.window->arrangeMenu();
        const int steps = s.f.workspace().history().count();
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(2));
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ShiftModifier, s.middleOf(0));
        QCOMPARE(picked(s), (std::vector<std::string> {s.tags[2], s.tags[0]}));
        QVERIFY(arrange.action(ArrangeCommand::AlignLeft)->isEnabled());
        QVERIFY(!arrange.action(ArrangeCommand::DistributeVertically)->isEnabled());
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(2));
        QCOMPARE(picked(s), (std::vector<std::string> {s.tags[0]}));
        QVERIFY(!arrange.action(ArrangeCommand::AlignLeft)->isEnabled());

        QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(1)); // not picked
        QVERIFY(picked(s).empty());
        // A band from the empty corner over the button and the text only.
        s.drag(s.onWindow(QPoint(5, 5)), s.middleOf(1));
        QCOMPARE(picked(s), (std::vector<std::string> {s.tags[0], s.tags[1]}));
        QTest::keyClick(s.view, Qt::Key_Escape);
        QVERIFY(picked(s).empty());
        s.f.window->menus().selectAll->trigger();
        QCOMPARE(picked(s).size(), 3u);
        QVERIFY(arrange.action(ArrangeCommand::DistributeVertically)->isEnabled());
        QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.onWindow(QPoint(700, 20)));
        QVERIFY(picked(s).empty());
        QCOMPARE(s.f.workspace().history().count(), steps); // picking changed nothing
    }

    void arrangeCommandIsOneStepNamedAfterIt()
    {
        WindowSurface s;
        QVERIFY(s.view);
        const SetPicture before = pictureOf(s.f);
        s.f.window->menus().selectAll->trigger();
        s.f.window->arrangeMenu().action(ArrangeCommand::AlignLeft)->trigger();
        QCOMPARE(s.drawn(1).left, s.drawn(0).left);
        QCOMPARE(s.drawn(2).left, s.drawn(0).left);
        QCOMPARE(s.dialog().cControls[2].X, s.dialog().cControls[0].X);
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Align Left"));
        s.f.window->menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
    }

    void dragOfAPickedControlMovesThemAllInOneStep()
    {
        WindowSurface s;
        QVERIFY(s.view);
        const SetPicture before = pictureOf(s.f);
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(0));
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(2));
        const double left0 = s.drawn(0).left;
        const double left2 = s.drawn(2).left;
        const double left1 = s.drawn(1).left;
        s.drag(s.middleOf(2), s.middleOf(2) + QPoint(20, 10));
        QCOMPARE(s.drawn(0).left, left0 + 300);
        QCOMPARE(s.drawn(2).left, left2 + 300);
        QCOMPARE(s.drawn(1).left, left1);
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Move controls"));
        QCOMPARE(picked(s).size(), 2u);
        s.f.window->menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
    }

    void deleteTakesEveryPickedControlInOneStep()
    {
        WindowSurface s;
        QVERIFY(s.view);
        const SetPicture before = pictureOf(s.f);
        s.f.window->menus().selectAll->trigger();
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ShiftModifier, s.middleOf(1));
        QTest::keyClick(s.view, Qt::Key_Delete);
        QCOMPARE(s.dialog().cControls.size(), 1u);
        QVERIFY(picked(s).empty());
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Delete controls"));
        s.f.window->menus().undo->trigger();
        QVERIFY(pictureOf(s.f) == before);
    }

    void copyAndPasteOfSeveralKeepTheirOffsets()
    {
        WindowSurface s;
        QVERIFY(s.view);
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(0));
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(1));
        const double dx = s.drawn(1).left - s.drawn(0).left;
        const double dy = s.drawn(1).top - s.drawn(0).top;
        s.menuCommand(s.middleOf(1), "mnu_makecopy");
        s.menuCommand(s.onWindow(QPoint(40, 350)), "mnu_makepaste");
        QCOMPARE(s.dialog().cControls.size(), 5u);
        const DrawnControl &first = *s.dialog().drawn.findByTag(s.dialog().cControls[3].Tag);
        const DrawnControl &second = *s.dialog().drawn.findByTag(s.dialog().cControls[4].Tag);
        QCOMPARE(first.left, 40 * 15.0);
        QCOMPARE(first.top, 350 * 15.0);
        QCOMPARE(second.left - first.left, dx);
        QCOMPARE(second.top - first.top, dy);
        QCOMPARE(s.f.workspace().history().undoText(), QStringLiteral("Paste controls"));
        QCOMPARE(picked(s).size(), 2u); // the copies are picked now
        s.f.window->menus().undo->trigger();
        QCOMPARE(s.dialog().cControls.size(), 3u);
    }

    void arrowsStepAPixelOrTenAndAHeldKeyIsOneStep()
    {
        WindowSurface s;
        QVERIFY(s.view);
        QTest::mouseClick(s.window(), Qt::LeftButton, {}, s.middleOf(1)); // focus, no selection
        const double left = s.drawn(1).left;
        const double top = s.drawn(1).top;
        QUndoStack &history = s.f.workspace().history();
        const int steps = history.count();
        QTest::keyClick(s.view, Qt::Key_Right); // nothing picked: nothing moves
        QCOMPARE(s.drawn(1).left, left);
        QTest::mouseClick(s.window(), Qt::LeftButton, Qt::ControlModifier, s.middleOf(1));
        QTest::keyClick(s.view, Qt::Key_Right);
        QTest::keyClick(s.view, Qt::Key_Right);
        QCOMPARE(s.drawn(1).left, left + 30);
        QCOMPARE(history.count(), steps + 2); // two presses, two steps

        // Held: the repeats join the press they follow.
        sendKey(s.view, QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier, false);
        for (int i = 0; i < 3; ++i)
            sendKey(s.view, QEvent::KeyPress, Qt::Key_Down, Qt::ShiftModifier, true);
        sendKey(s.view, QEvent::KeyRelease, Qt::Key_Down, Qt::ShiftModifier, false);
        QCOMPARE(s.drawn(1).top, top + 600);
        QCOMPARE(history.count(), steps + 3);
        QCOMPARE(history.undoText(), QStringLiteral("Nudge control"));
        s.f.window->menus().undo->trigger();
        QCOMPARE(s.drawn(1).top, top);
        QCOMPARE(s.drawn(1).left, left + 30);
    }

    void statusBarShowsThePointerAndTheControlUnderIt()
    {
        WindowSurface s;
        QVERIFY(s.view);
        auto *status = s.f.window->findChild<QLabel *>(QStringLiteral("lbl_surface_status"));
        QTest::mouseMove(s.window(), s.middleOf(0));
        const ControlRecord &button = s.dialog().cControls[0];
        QVERIFY2(status->text().contains(QString::fromStdString(button.Name) + " (BUTTON)  X 0."),
                 qPrintable(status->text()));
        QVERIFY(status->text().startsWith(QStringLiteral("0.")));
    }

    void snapWhileDraggingEndsAMoveOnTheGridAndIsKept()
    {
        WindowSurface s;
        QVERIFY(s.view);
        s.setGridStep(0.05f);
        s.f.window->menus().snapWhileDragging->trigger();
        QVERIFY(s.f.window->snapWhileDragging());
        s.drag(s.middleOf(0), s.middleOf(0) + QPoint(23, 17));
        const SurfaceSize size = s.view->outerSize();
        const double stepX = static_cast<double>(static_cast<float>(size.width) * 0.05f);
        const double left = s.drawn(0).left;
        QVERIFY2(std::abs(left / stepX - std::round(left / stepX)) < 1e-6,
                 qPrintable(QString::number(left)));
        ShellFixture again;
        QVERIFY(again.window->menus().snapWhileDragging->isChecked());
    }
};

QTEST_MAIN(SelectionGesturesTest)
#include "selection_gestures_test.moc"
