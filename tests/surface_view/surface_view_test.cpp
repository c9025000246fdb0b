// The surface view and its "Organize controls" window driven with real mouse and key events,
// headless.
#include "model/creation_defaults.h"
#include "support/fake_surface_host.h"
#include "surface/grid_step.h"
#include "surface/held_keys.h"
#include "surface/move_limits.h"
#include "surface_view/grid_switch.h"
#include "surface_view/kind_looks.h"
#include "surface_view/order_window.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

using namespace kovrin;

namespace {

constexpr SurfaceSize kOuter {12030, 7635}; // 802 x 509 pixels, a child window's frame

} // namespace

class SurfaceViewTest : public QObject
{
    Q_OBJECT

private:
    FakeSurfaceHost *host = nullptr;
    SurfaceView *view = nullptr;

    const Dialog &dialog() { return host->set.dialog(0); }
    const SurfaceInteraction &interaction() { return view->interaction(); }
    QWindow *window() { return view->windowHandle(); }
    // A control of the kind at a place in twips (multiples of 15 land on whole pixels).
    std::string addControl(ControlKind kind, double left, double top)
    {
        const auto index = host->set.createControl(0, kind, left, top, kOuter);
        view->refresh();
        return dialog().cControls.at(*index).Tag;
    }
    const DrawnControl &drawn(const std::string &tag) { return *dialog().drawn.findByTag(tag); }
    const ControlRecord &record(const std::string &tag)
    {
        return dialog().cControls.at(*dialog().recordIndexByTag(tag));
    }
    static QPoint px(double xTwips, double yTwips)
    {
        return QPoint(static_cast<int>(xTwips / 15), static_cast<int>(yTwips / 15));
    }
    // Long enough for a key's release to count (or not) as a physical one.
    static void settle() { QTest::qWait(2 * HeldKeys::kSettleMilliseconds); }
    QTimer *clickTimer() { return view->findChild<QTimer *>(QStringLiteral("tmr_click")); }

    OrderWindow *organizer = nullptr;
    QListWidget *list() { return organizer->findChild<QListWidget *>(QStringLiteral("lst_ctrls")); }
    QPushButton *button(const char *name)
    {
        return organizer->findChild<QPushButton *>(QLatin1String(name));
    }
    QString listed()
    {
        QStringList out;
        for (int i = 0; i < list()->count(); ++i)
            out << list()->item(i)->text() + (list()->item(i)->isSelected() ? "*" : "");
        return out.join(',');
    }
    QString records()
    {
        QStringList out;
        for (const auto &r : dialog().cControls)
            out << QString::fromStdString(r.Name);
        return out.join(',');
    }
    QString drawnNames()
    {
        QStringList out;
        for (const auto &c : dialog().drawn.stackingOrder())
            out << QString::fromStdString(record(c.tag).Name);
        return out.join(',');
    }
private slots:
    void init()
    {
        host = new FakeSurfaceHost;
        host->set.insertDialog();
        view = new SurfaceView(*host, 1);
        view->setOuterSizeOverride(kOuter);
        view->show();
        QVERIFY(QTest::qWaitForWindowExposed(view));
    }
    void cleanup()
    {
        delete organizer;
        organizer = nullptr;
        delete view;
        delete host;
    }

    void armedReleasePlacesOneControlAndDisarms()
    {
        const std::string below = addControl(ControlKind::Frame, 600, 300);
        const TwipRect before = drawn(below).rect();
        host->armed = ControlKind::Button;
        QTest::mouseClick(window(), Qt::RightButton, {}, QPoint(100, 100)); // never the right
        QCOMPARE(dialog().cControls.size(), std::size_t(1));
        QCOMPARE(host->menus.size(), std::size_t(1));
        // Only the release point counts, on a control too, with Shift or not.
        QTest::mousePress(window(), Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 10));
        QTest::mouseMove(window(), px(900, 450));
        QTest::mouseRelease(window(), Qt::LeftButton, Qt::ShiftModifier, px(900, 450));
        QCOMPARE(dialog().cControls.size(), std::size_t(2));
        QCOMPARE(drawn(dialog().cControls[1].Tag).left, 900.0);
        QVERIFY(drawn(below).rect() == before);
        QVERIFY(!host->armed);
        QCOMPARE(host->toolboxDisarmed, 1);

        QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(400, 300));
        QCOMPARE(dialog().cControls.size(), std::size_t(2));
    }

    void dragsMoveOnReleaseKeepTheMouseAndShowTheirPointers()
    {
        const std::string list = addControl(ControlKind::List, 1500, 1500);
        const DrawnControl &d = drawn(list);
        const QPoint rightBand = px(d.rect().right() - 30, d.top + 600);
        QTest::mouseMove(window(), rightBand);
        QCOMPARE(view->cursor().shape(), Qt::SizeHorCursor);
        QTest::mousePress(window(), Qt::LeftButton, {}, px(3000, 1800));
        QTest::mouseMove(window(), px(3600, 2100));
        QCOMPARE(drawn(list).left, 1500.0); // only the outline moves
        QVERIFY(interaction().lnMoving.visible);
        QCOMPARE(view->cursor().shape(), Qt::SizeAllCursor);
        // Far outside the control the pressed control still has the mouse.
        QTest::mouseMove(window(), px(9000, 4050));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, px(9000, 4050));
        QCOMPARE(drawn(list).left, 1500.0 + 6000);
        QCOMPARE(drawn(list).top, 1500.0 + 2250);
        QVERIFY(!interaction().lnMoving.visible);
        QCOMPARE(view->cursor().shape(), Qt::ArrowCursor);
    }

    void rightClickAsksForTheMenuAndItsCommandsWorkOnTheStateItLeft()
    {
        const std::string button = addControl(ControlKind::Button, 1500, 1500);
        const std::string hidden = addControl(ControlKind::Text, 1500, 1500);
        host->set.removeRecord(0, 1); // deleting hides the drawn control: it takes no clicks
        view->refresh();
        QTest::mouseClick(window(), Qt::RightButton, {}, QPoint(700, 400));
        QCOMPARE(host->menus.size(), std::size_t(1));
        QCOMPARE(host->menus[0].onControl, false);
        QCOMPARE(interaction().menu.CtrlIndexToPos, std::int16_t(-1));
        QCOMPARE(interaction().menu.CtrlToPosMouseX, 700.0f * 15);
        view->pasteControl();
        QCOMPARE(host->scripted.titles(), QStringList {"WARNING"});
        QCOMPARE(host->scripted.shown[0].icon, UserPrompts::Icon::Warning);

        QTest::mouseClick(window(), Qt::RightButton, {}, px(1500 + 150, 1500 + 90));
        QVERIFY(host->menus[1].view == view);
        QCOMPARE(host->menus[1].onControl, true);
        QCOMPARE(interaction().menu.CtrlToPos, button);
        QCOMPARE(interaction().menu.CtrlIndexToPos, std::int16_t(1));
        QCOMPARE(interaction().menu.CtrlToPosMouseX, 150.0f);
        QCOMPARE(interaction().menu.CtrlToPosMouseY, 90.0f);
        QCOMPARE(drawn(button).left, 1500.0); // a right release ends no drag
        view->copyControl();
        QCOMPARE(host->clip.copyCtrl().Name, std::string("BUTTON1"));
        QVERIFY(hidden != button);
    }

    void twoClicksWithinTheIntervalOrADoubleClickOpenTheEditor()
    {
        addControl(ControlKind::Button, 0, 0);
        addControl(ControlKind::Button, 1500, 1500);
        QTimer *timer = clickTimer();
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 500);
        // A long interval keeps a slow machine from letting it run out between two clicks.
        timer->setInterval(60 * 60 * 1000);
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1800, 1650));
        QVERIFY(timer->isActive());
        QTimerEvent fired(timer->timerId()); // the interval runs out first
        QCoreApplication::sendEvent(timer, &fired);
        QVERIFY(!timer->isActive());
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1800, 1650));
        QVERIFY(host->editorsOpened.empty());
        QVERIFY(timer->isActive()); // a new first click
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1800, 1650));
        QCOMPARE(host->editorsOpened, std::vector<std::size_t> {1});
        // A click on each of two buttons, or Ctrl+clicks picking them, open nothing.
        QCoreApplication::sendEvent(timer, &fired);
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(300, 300));
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1800, 1650));
        QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, px(1800, 1650));
        QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, px(1800, 1650));
        QCOMPARE(host->editorsOpened, std::vector<std::size_t> {1});

        QCoreApplication::sendEvent(timer, &fired);
        QTest::mouseDClick(window(), Qt::LeftButton, {}, px(300, 300)); // counts as two clicks
        QCOMPARE(host->editorsOpened, (std::vector<std::size_t> {1, 0}));
        QTest::mouseDClick(window(), Qt::LeftButton, {}, QPoint(700, 400));
        QCOMPARE(host->renames, 1);
    }

    void aHeldCtrlArrowStepsOncePerPhysicalPressAndRelease_data()
    {
        QTest::addColumn<bool>("flagged");
        QTest::newRow("repeats flagged") << true;
        QTest::newRow("repeats unflagged") << false;
    }
    void aHeldCtrlArrowStepsOncePerPhysicalPressAndRelease()
    {
        QFETCH(bool, flagged);
        host->set.setGridSize(0, 0.05f);
        const std::string input = addControl(ControlKind::Input, 1500, 1500);
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(3000, 1650));
        QCOMPARE(interaction().focusTag, input);
        QVERIFY(view->hasFocus());
        const double step = gridStepTwips(kOuter.width, 0.05f);
        const int changes = host->changes;
        const auto send = [this](QEvent::Type type, bool repeat) {
            QKeyEvent event(type, Qt::Key_Right, Qt::ControlModifier, QString(), repeat);
            QApplication::sendEvent(view, &event);
        };
        // Held: the platform repeats the press, and with it a release flagged or not.
        send(QEvent::KeyPress, false);
        for (int i = 0; i < 5; ++i) {
            send(QEvent::KeyRelease, flagged);
            send(QEvent::KeyPress, flagged);
        }
        settle();
        QCOMPARE(drawn(input).left, 1500.0); // still held: no step yet
        send(QEvent::KeyRelease, false);
        settle();
        QCOMPARE(drawn(input).left, 3 * step); // snapped to 2 steps, then 1 on
        QCOMPARE(host->changes, changes + 1); // one undo step
        // A second physical press and release steps again, and so does a release whose press a
        // shortcut took: it cannot be a repeat.
        send(QEvent::KeyPress, false);
        send(QEvent::KeyRelease, false);
        settle();
        QCOMPARE(drawn(input).left, 4 * step);
        send(QEvent::KeyRelease, false);
        QCOMPARE(drawn(input).left, 5 * step);
    }

    void theFinestGridIsBuiltAndPaintedWithoutStalling()
    {
        host->set.setGridSize(0, kSmallestGridStep);
        view->buildGrid();
        const QImage shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(100, 100), QColor(160, 160, 160));

        host->set.setGridSize(0, 0.00005f); // only a file can hold it: no grid
        view->buildGrid();
        QVERIFY(interaction().grid.empty());
        QVERIFY(view->grab().toImage().pixelColor(100, 100) != QColor(160, 160, 160));
    }

    void theGridSwitchShowsTheBusyPointerWhileItBuildsEveryDialog()
    {
        host->set.setGridSize(0, 0.1f);
        host->set.insertDialog();
        host->set.setGridSize(1, 0.0f);
        SurfaceView second(*host, 2);
        second.setOuterSizeOverride(kOuter);

        // The interface repaints once under the busy pointer before the lines are made.
        struct PaintSpy : QObject
        {
            QList<bool> busy;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    busy << (QApplication::overrideCursor()
                             && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
                return false;
            }
        } spy;
        view->installEventFilter(&spy);
        view->update();
        buildAllGrids({view, &second});
        QVERIFY(!spy.busy.isEmpty());
        QVERIFY(spy.busy.first());
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(interaction().grid.lnH.size(), std::size_t(10));
        QVERIFY(second.interaction().grid.empty());

        removeAllGrids({view, &second});
        QVERIFY(interaction().grid.empty());
    }

    void controlsArePaintedWhereTheyStandAndAsALoadMakesThem()
    {
        addControl(ControlKind::Text, 1500, 1500); // black background from its record
        addControl(ControlKind::Link, 4500, 1500);
        const QImage shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(100 + 20, 100 + 20), QColor(0, 0, 0));
        QVERIFY(shot.pixelColor(90, 90) != QColor(0, 0, 0));
        // White text by default: the link's box is dark, not the white of a text box.
        const QColor back = shot.pixelColor(px(4500 + 2000, 1500 + 250));
        QVERIFY2(back.lightness() < 100, qPrintable(back.name()));
        // Picked: the first one, the reference of Arrange, has filled handles, the other hollow.
        QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, px(4500 + 300, 1800));
        QTest::mouseClick(window(), Qt::LeftButton, Qt::ControlModifier, px(1800, 1800));
        const QImage picked = view->grab().toImage();
        const QColor highlight = view->palette().color(QPalette::Highlight);
        QCOMPARE(picked.pixelColor(px(4500, 1500)), highlight);
        QCOMPARE(picked.pixelColor(px(1500, 1500)), QColor(Qt::white));
        QCOMPARE(picked.pixelColor(px(1500, 1500) - QPoint(2, 2)), highlight);

        // The loader makes dialogs and drawn controls through the document's operations.
        host->set.discardAll();
        const auto loaded = host->set.appendDialog("MENU");
        ControlRecord text;
        text.CtrlType = "TEXT";
        text.Tag = *host->set.issueTag();
        text.Width = text.Height = 0.1f;
        text.BackColor = colourOf(0, 0, 1, 1);
        host->set.addControl(*loaded, text, 1500, 1500, kOuter);
        SurfaceView reloaded(*host, host->set.dialog(0).FrmIndex);
        reloaded.setOuterSizeOverride(kOuter);
        QCOMPARE(reloaded.grab().toImage().pixelColor(110, 110), QColor(0, 0, 255));
    }

    // Each newer kind is placed as the toolbox arms it and shows what it is.
    void eachNewerKindIsPlacedAndDrawnAsWhatItIs_data()
    {
        QTest::addColumn<int>("kindIndex");
        for (ControlKind kind : kNewerKinds)
            QTest::newRow(kindWord(kind).data()) << static_cast<int>(kindIndex(kind));
    }
    void eachNewerKindIsPlacedAndDrawnAsWhatItIs()
    {
        QFETCH(int, kindIndex);
        const ControlKind kind = kAllKinds.at(static_cast<std::size_t>(kindIndex));
        host->armed = kind;
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1500, 1500));
        QCOMPARE(dialog().cControls.size(), std::size_t(1));
        const ControlRecord &placed = dialog().cControls.front();
        QCOMPARE(placed.CtrlType, std::string(kindWord(kind)));
        view->clearSelection();
        const QRect rect = QRectF(drawn(placed.Tag).left / 15, drawn(placed.Tag).top / 15,
                                  drawn(placed.Tag).width / 15, drawn(placed.Tag).height / 15)
                               .toRect();
        const QImage shot = view->grab().toImage().copy(rect);
        const auto at = [&shot](double x, double y) {
            return shot.pixelColor(static_cast<int>(x * (shot.width() - 1)),
                                   static_cast<int>(y * (shot.height() - 1)));
        };
        const auto any = [&shot](QRect area, auto is) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    if (is(shot.pixelColor(x, y)))
                        return true;
                }
            }
            return false;
        };
        const QRect whole = shot.rect();
        switch (kind) {
        case ControlKind::StructuredText: // its default text has a word in #ffcc00
            QVERIFY(any(whole, [](QColor c) {
                return c.red() > 200 && c.green() > 150 && c.green() < 230 && c.blue() < 90;
            }));
            break;
        case ControlKind::ShortcutButton: // the picture beside its text
            QVERIFY(any(whole.adjusted(0, 0, -whole.width() / 2, 0),
                        [](QColor c) { return c == QColor(48, 112, 192); }));
            break;
        case ControlKind::Map: // grid lines darker than its land
            QVERIFY(shot.pixelColor(40, 20).lightness() < shot.pixelColor(30, 20).lightness());
            break;
        case ControlKind::ColumnList: // three even columns in its text colour, white
            QVERIFY(any(QRect(1 + (shot.width() - 4) / 3, shot.height() / 2, 3, 1),
                        [](QColor c) { return c == Qt::white; }));
            QVERIFY(shot.pixelColor(shot.width() / 6, shot.height() / 2) != QColor(Qt::white));
            break;
        case ControlKind::Progress: // filled to the sample share only
            QCOMPARE(at(kSampleProgress / 2, 0.5), QColor(48, 160, 64));
            QVERIFY(at((1 + kSampleProgress) / 2, 0.5) != QColor(48, 160, 64));
            break;
        case ControlKind::CheckBox: // an empty box: white inside a dark edge
            QCOMPARE(at(0.5, 0.5), QColor(Qt::white));
            QVERIFY(any(whole, [](QColor c) { return c == QColor(64, 64, 64); }));
            break;
        case ControlKind::CheckBoxRow: // three boxes, the second empty
            QCOMPARE(shot.pixelColor(shot.width() / 3 + 4, shot.height() / 2), QColor(Qt::white));
            break;
        case ControlKind::ToolboxRow: // three choices, the first picked
            QCOMPARE(at(1.0 / 6, 0.5), view->palette().color(QPalette::Highlight));
            QVERIFY(at(0.5, 0.5) != view->palette().color(QPalette::Highlight));
            break;
        case ControlKind::ExtSlider: { // arrows in buttons at both ends
            const int button = view->palette().color(QPalette::Button).lightness();
            const auto arrow = [button](QColor c) {
                return c.lightness() < button - 60;
            };
            const int side = shot.height();
            QVERIFY(any(QRect(3, 3, side - 6, side - 6), arrow));
            QVERIFY(any(QRect(shot.width() - side + 3, 3, side - 6, side - 6), arrow));
            break;
        }
        case ControlKind::Tree: // rows in its white text colour, indented
            QVERIFY(any(QRect(4, 0, 4, shot.height()), [](QColor c) { return c == Qt::white; }));
            QVERIFY(any(QRect(32, 0, 4, shot.height()), [](QColor c) { return c == Qt::white; }));
            break;
        default:
            QFAIL("a kind without a check");
        }
    }

    // A structured text's Attributes colour and align its text where its markup says nothing.
    void aStructuredTextTakesItsAttributesWhereItsMarkupIsSilent()
    {
        ControlRecord text = defaultRecord(ControlKind::StructuredText);
        text.CtrlType = "STRUCTUREDTEXT";
        text.Name = "txt";
        text.Tag = *host->set.issueTag();
        text.Text = SharedText("MMMM <t color='#00ff00'>MMMM</t>");
        text.Others = OtherProperties(std::vector<OtherProperty> {
            {"class Attributes", "{align = \"right\"; color = \"#0000ff\";}"}});
        host->set.addControl(0, text, 1500, 1500, kOuter);
        view->refresh();
        const DrawnControl &control = drawn(text.Tag);
        const QImage shot = view->grab().toImage().copy(
            QRectF(control.left / 15, control.top / 15, control.width / 15, control.height / 15)
                .toRect());
        const auto columnsWith = [&shot](QColor colour) {
            int first = shot.width();
            int last = -1;
            for (int y = 0; y < shot.height(); ++y) {
                for (int x = 0; x < shot.width(); ++x) {
                    if (shot.pixelColor(x, y) == colour) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
                }
            }
            return std::pair {first, last};
        };
        const auto [blueFirst, blueLast] = columnsWith(QColor(0, 0, 255));
        const auto [greenFirst, greenLast] = columnsWith(QColor(0, 255, 0));
        QVERIFY(blueLast >= 0 && greenLast >= 0);
        QVERIFY(blueLast < greenFirst); // the tag's own colour after the Attributes' one
        QVERIFY(blueFirst > shot.width() / 3); // pushed to the right
        QVERIFY(greenLast > shot.width() * 9 / 10);
    }

    // A generic control's label: name over type, or on one line, cut, in a short box.
    void aGenericLabelFitsItsBox()
    {
        DrawnControl control;
        control.kind = ControlKind::Generic;
        control.detail = SharedText("RscLongClassName\nCT_ODD");
        const QFontMetrics metrics(view->font());
        const int tall = 3 * metrics.lineSpacing();
        QCOMPARE(genericLabel(control, metrics, QSize(400, tall)),
                 QStringLiteral("RscLongClassName\nCT_ODD"));
        QCOMPARE(genericLabel(control, metrics, QSize(400, metrics.lineSpacing())),
                 QStringLiteral("RscLongClassName \u00b7 CT_ODD"));
        const QString cut = genericLabel(control, metrics, QSize(60, metrics.lineSpacing()));
        QVERIFY(cut.endsWith(QChar(0x2026)));
        QVERIFY(metrics.horizontalAdvance(cut) <= 60);
        control.detail = SharedText("RscNoType\n");
        QCOMPARE(genericLabel(control, metrics, QSize(400, tall)), QStringLiteral("RscNoType"));
    }

    // A control of a type Kovrin has no kind for is drawn hatched with its class name and type,
    // and is moved, copied and deleted like any other.
    void aGenericControlIsHatchedNamedAndHandledLikeAnyOther()
    {
        ControlRecord generic;
        generic.CtrlType = "GENERIC";
        generic.Name = "RscOddOne";
        generic.Tag = *host->set.issueTag();
        generic.Width = 0.3f;
        generic.Height = 0.2f;
        generic.Others = OtherProperties({{"type", "CT_ODD"}, {"style", "0"}});
        host->set.addControl(0, generic, 1500, 1500, kOuter);
        view->refresh();
        QVERIFY(drawn(generic.Tag).detail == "RscOddOne\nCT_ODD");

        const QImage shot = view->grab().toImage();
        const int ground = view->palette().color(QPalette::Window).lightness();
        int hatched = 0;
        for (int x = 0; x < 20; ++x)
            hatched += shot.pixelColor(px(1500, 1500) + QPoint(2 + x, 4)).lightness() < ground;
        QVERIFY2(hatched > 0 && hatched < 20, qPrintable(QString::number(hatched)));
        // The name stands in the middle, on a plain ground.
        const QPoint middle = px(1500 + 0.15 * kOuter.width, 1500 + 0.1 * kOuter.height);
        bool lettered = false;
        for (int x = -20; x <= 20; ++x)
            lettered = lettered || shot.pixelColor(middle + QPoint(x, -6)).lightness() < 80
                || shot.pixelColor(middle + QPoint(x, 6)).lightness() < 80;
        QVERIFY(lettered);

        QTest::mousePress(window(), Qt::LeftButton, {}, px(2000, 2000));
        QTest::mouseMove(window(), px(2600, 2300));
        QTest::mouseRelease(window(), Qt::LeftButton, {}, px(2600, 2300));
        QCOMPARE(drawn(generic.Tag).left, 1500.0 + 600);

        view->selectOnly(generic.Tag);
        QVERIFY(view->copySelection());
        view->pasteAt(6000, 4500);
        QCOMPARE(dialog().cControls.size(), std::size_t(2));
        QVERIFY(dialog().cControls[1].CtrlType == "GENERIC");
        QVERIFY(dialog().cControls[1].Others == generic.Others);
        QVERIFY(drawn(dialog().cControls[1].Tag).detail == dialog().cControls[1].Name + "\nCT_ODD");

        view->selectOnly(generic.Tag);
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(dialog().cControls.size(), std::size_t(1));
        QVERIFY(!dialog().recordIndexByTag(generic.Tag));
    }

    // A controls group placed from the toolbox takes a control placed in it; the control's part
    // past the group's edge is neither painted nor hit, and the group's background is the group.
    void aControlsGroupTakesWhatIsPlacedInItAndClipsIt()
    {
        host->armed = ControlKind::Group; // 0.4 x 0.3 of the surface: 1500..6312 x 1500..3790
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(1500, 1500));
        const std::string group = dialog().cControls.at(0).Tag;
        QCOMPARE(record(group).CtrlType, std::string("GROUP"));
        const QColor background = view->palette().color(QPalette::Window);
        view->activateWindow();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(3000, 3000));
        QCOMPARE(interaction().focusTag, group); // its focus mark is an outline, not a wash
        const QImage placed = view->grab().toImage(); // a new group has no background
        QCOMPARE(placed.pixelColor(px(3000, 3000)), background);
        QCOMPARE(placed.pixelColor(px(1500, 2500)).rgb(),
                 view->palette().color(QPalette::Mid).rgb());
        host->armed = ControlKind::Text; // black, 2406 wide: past the group's right edge
        QTest::mouseClick(window(), Qt::LeftButton, {}, px(5700, 1800));
        const std::string text = dialog().cControls.at(1).Tag;
        QCOMPARE(record(text).Group, group);
        QCOMPARE(drawn(text).left, 5700.0);

        const QImage shot = view->grab().toImage();
        QCOMPARE(shot.pixelColor(px(6000, 2100)), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(px(7000, 2100)), background);

        QTest::mouseDClick(window(), Qt::LeftButton, {}, px(7000, 2100));
        QCOMPARE(host->renames, 1); // the surface's background
        QTest::mouseDClick(window(), Qt::LeftButton, {}, px(3000, 3000));
        QTest::mouseDClick(window(), Qt::LeftButton, {}, px(6000, 2100));
        QCOMPARE(host->editorsOpened, (std::vector<std::size_t> {0, 1}));
    }

    // The "Organize controls" window on three buttons a, b, c, c picked and sent to the back.
    void organizeAppliesTheListOnOkOrEnterOnly_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("after");
        QTest::newRow("OK") << "cmd_OK" << true << "a,c,b";
        QTest::newRow("Enter on Front") << "cmd_front" << true << "a,c,b";
        QTest::newRow("Escape") << "" << false << "a,b,c";
        QTest::newRow("Cancel") << "cmd_Cancel" << false << "a,b,c";
    }
    void organizeAppliesTheListOnOkOrEnterOnly()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accepted);
        QFETCH(QString, after);
        for (const char *name : {"a", "b", "c"}) {
            host->set.createControl(0, ControlKind::Button, 0, 0, kOuter);
            const_cast<Dialog &>(dialog()).cControls.back().Name = name;
        }
        organizer = new OrderWindow(*host, *view);
        organizer->show();
        QVERIFY(QTest::qWaitForWindowExposed(organizer));
        QCOMPARE(listed(), QStringLiteral("a,b,c"));
        QCOMPARE(list()->selectionMode(), QAbstractItemView::ExtendedSelection);
        list()->item(2)->setSelected(true);
        QTest::mouseClick(button("cmd_back"), Qt::LeftButton);
        QCOMPARE(listed(), QStringLiteral("a,c*,b"));
        QCOMPARE(records(), QStringLiteral("a,b,c")); // nothing changes before OK
        if (answer.isEmpty())
            QTest::keyClick(list(), Qt::Key_Escape);
        else if (answer == QLatin1String("cmd_front"))
            QTest::keyClick(button("cmd_front"), Qt::Key_Return); // does not press Front
        else
            QTest::mouseClick(button(qPrintable(answer)), Qt::LeftButton);
        QVERIFY(!organizer->isVisible());
        QCOMPARE(organizer->result(), int(accepted ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(records(), after);
        QCOMPARE(drawnNames(), after);
        QCOMPARE(host->changes > 0, accepted);

        host->set.insertDialog(); // an empty dialog: an empty list, and OK changes nothing
        SurfaceView second(*host, 2);
        OrderWindow empty(*host, second);
        QCOMPARE(empty.findChild<QListWidget *>(QStringLiteral("lst_ctrls"))->count(), 0);
        const int changes = host->changes;
        QTest::mouseClick(empty.findChild<QPushButton *>(QStringLiteral("cmd_OK")), Qt::LeftButton);
        QCOMPARE(empty.result(), int(QDialog::Accepted));
        QCOMPARE(host->changes, changes);
    }
    void organizeShowsAndOrdersTheListOfThePickedControl()
    {
        // a | panel { b, c }: on c the window lists panel's controls, and OK orders only those.
        std::vector<std::string> tags;
        for (const auto &[kind, name] : {std::pair {ControlKind::Button, "a"},
                                         {ControlKind::Group, "panel"},
                                         {ControlKind::Button, "b"},
                                         {ControlKind::Button, "c"}}) {
            tags.push_back(addControl(kind, 150.0 * (tags.size() + 1), 150.0 * (tags.size() + 1)));
            const_cast<Dialog &>(dialog()).cControls.back().Name = name;
        }
        QVERIFY(host->set.setControlGroup(0, tags[2], tags[1]));
        QVERIFY(host->set.setControlGroup(0, tags[3], tags[1]));
        view->selectOnly(tags[3]);
        organizer = new OrderWindow(*host, *view);
        organizer->show();
        QVERIFY(QTest::qWaitForWindowExposed(organizer));
        QCOMPARE(listed(), QStringLiteral("b,c"));
        list()->item(1)->setSelected(true);
        QTest::mouseClick(button("cmd_back"), Qt::LeftButton);
        QCOMPARE(listed(), QStringLiteral("c*,b"));
        QTest::mouseClick(button("cmd_OK"), Qt::LeftButton);
        QCOMPARE(records(), QStringLiteral("a,panel,c,b"));
        QCOMPARE(drawnNames(), QStringLiteral("a,panel,c,b"));
        QVERIFY(host->changes > 0);

        view->clearSelection(); // nothing picked or focused: the dialog's own list
        OrderWindow own(*host, *view);
        const QListWidget *ownList = own.findChild<QListWidget *>(QStringLiteral("lst_ctrls"));
        QCOMPARE(ownList->count(), 2);
        QCOMPARE(ownList->item(0)->text(), QStringLiteral("a"));
    }
};

QTEST_MAIN(SurfaceViewTest)
#include "surface_view_test.moc"
