// View > "Reference screen": the monitor the surfaces stand for, kept between runs. A dialog that
// uses the safe zone shows that screen's safe zone with the screen area outlined in it and is
// redrawn when the choice changes; a screen dialog is drawn exactly as before.
#include "shell_fixture.h"

#include <QLabel>
#include <QMenu>

using namespace kovrin;

namespace {

QAction *entry(ShellFixture &f, const char *name)
{
    return f.window->findChild<QAction *>(QLatin1String(name));
}

// The entries checked in the submenu, by their texts.
QStringList checkedEntries(ShellFixture &f)
{
    QStringList out;
    for (QAction *action : f.menus().referenceScreen->actions()) {
        if (action->isChecked())
            out << action->text();
    }
    return out;
}

QString statusText(ShellFixture &f)
{
    return f.window->findChild<QLabel *>(QStringLiteral("lbl_surface_status"))->text();
}

// A second dialog beside the surface's, laid out on the safe zone, with a button placed by a
// click.
SurfaceView *addSafeZoneDialog(WindowSurface &s)
{
    s.f.window->insertDialog();
    SurfaceView *view = s.f.workspace().currentView();
    s.f.set().setLayout(1, DialogLayout::SafeZone);
    s.f.workspace().recordSurfaceChange(*view, QStringLiteral("Layout"));
    s.f.window->toolbox()->arm(ControlKind::Button);
    s.click(view->mapTo(s.f.window.get(), QPoint(200, 150)));
    return view;
}

} // namespace

class ReferenceScreenTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void theChoiceRedrawsSafeZoneSurfacesOnlyAndIsKeptBetweenRuns()
    {
        {
            WindowSurface s;
            QVERIFY(s.view);
            QCOMPARE(checkedEntries(s.f), (QStringList {"16:9", "Normal"}));
            SurfaceView *safe = addSafeZoneDialog(s);
            const Dialog &safeDialog = s.f.set().dialog(1);
            QCOMPARE(safeDialog.drawn.frame, safeZoneFrame(ReferenceScreen {}));
            QCOMPARE(safeDialog.cControls.size(), std::size_t(1));
            const ControlRecord button = safeDialog.cControls[0];
            const TwipRect buttonBefore = safeDialog.drawn.findByTag(button.Tag)->rect();
            const DialogContent screenBefore = s.f.set().content(0);
            const QImage screenPicture = s.view->grab().toImage();
            const QImage safePicture = safe->grab().toImage();
            const int steps = s.f.workspace().history().count();

            entry(s.f, "mnu_refaspect1")->trigger(); // 4:3
            entry(s.f, "mnu_refsize1")->trigger(); // Very Small
            const ReferenceScreen chosen {ScreenAspect::Ratio4x3, InterfaceSize::VerySmall};
            QCOMPARE(s.f.set().referenceScreen(), chosen);
            QCOMPARE(checkedEntries(s.f), (QStringList {"4:3", "Very Small"}));
            // The screen dialog: not a byte, not a pixel.
            QCOMPARE(s.f.set().content(0), screenBefore);
            QCOMPARE(s.view->grab().toImage(), screenPicture);
            // The safe-zone dialog: the same F on another surface.
            QCOMPARE(safeDialog.drawn.frame, safeZoneFrame(chosen));
            QCOMPARE(safeDialog.cControls[0].Forms, button.Forms);
            QVERIFY(safeDialog.drawn.findByTag(button.Tag)->rect() != buttonBefore);
            QVERIFY(safe->grab().toImage() != safePicture);
            QCOMPARE(s.f.workspace().history().count(), steps); // no step of its own
            s.f.window->close();
        }
        QCOMPARE(TestSettings::value("SETTINGS/REFERENCESCREEN").toString(),
                 QStringLiteral("4:3 very-small"));
        ShellFixture again;
        QCOMPARE(checkedEntries(again), (QStringList {"4:3", "Very Small"}));
        QCOMPARE(again.set().referenceScreen(),
                 (ReferenceScreen {ScreenAspect::Ratio4x3, InterfaceSize::VerySmall}));
    }

    void aSafeZoneSurfaceOutlinesTheScreenAreaAndTheStatusBarShowsBothForms()
    {
        WindowSurface s;
        QVERIFY(s.view);
        QTest::mouseMove(s.window(), s.onWindow(QPoint(20, 400)));
        QVERIFY2(statusText(s.f).startsWith(QStringLiteral("0.0")), qPrintable(statusText(s.f)));
        QVERIFY2(!statusText(s.f).contains(QStringLiteral("safe zone")),
                 qPrintable(statusText(s.f)));
        SurfaceView *safe = addSafeZoneDialog(s);
        // The outline: the screen area's left edge, dashed, in its own blue.
        const TwipRect area = screenAreaRect(safe->outerSize());
        const QImage picture = safe->grab().toImage();
        const int x = static_cast<int>(std::lround(area.left / kTwipsPerPixel));
        int blue = 0;
        for (int y = 0; y < picture.height(); ++y)
            blue += picture.pixelColor(x, y) == QColor(0, 90, 200) ? 1 : 0;
        QVERIFY2(blue > picture.height() / 4, qPrintable(QString::number(blue)));
        QCOMPARE(s.view->grab().toImage().pixelColor(x, 5),
                 s.view->palette().color(QPalette::Window));

        QTest::mouseMove(s.window(), safe->mapTo(s.f.window.get(), QPoint(20, 400)));
        QVERIFY2(statusText(s.f).contains(QStringLiteral(" (safe zone 0.0")),
                 qPrintable(statusText(s.f)));
    }
};

QTEST_MAIN(ReferenceScreenTest)
#include "reference_screen_test.moc"
