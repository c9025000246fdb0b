// The controls toolbox: arming, disarming, its layout and its place on the screen.
#include "app/toolbox.h"
#include "support/fake_surface_host.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace kovrin;

namespace {

// A host whose disarm goes to the real toolbox, as the main window's does.
class ToolboxHost : public FakeSurfaceHost
{
public:
    Toolbox *toolbox = nullptr;
    std::optional<ControlKind> armedKind() const override { return toolbox->armedKind(); }
    void disarmToolbox() override
    {
        FakeSurfaceHost::disarmToolbox();
        toolbox->disarm();
    }
};

const QStringList kKindButtons {"cmd_text", "cmd_linktext", "cmd_input", "cmd_button", "cmd_combo",
                                "cmd_list", "cmd_slider",   "cmd_frame", "cmd_picture"};
const QColor kGrey(210, 210, 210);
const QColor kYellow(255, 255, 0);

} // namespace

class ToolboxTest : public QObject
{
    Q_OBJECT

private:
    ToolboxHost *host = nullptr;
    Toolbox *toolbox = nullptr;

    QPushButton *button(const QString &name) { return toolbox->findChild<QPushButton *>(name); }
    QColor colour(const QString &name) { return button(name)->palette().color(QPalette::Button); }
    QStringList yellow()
    {
        QStringList out;
        for (const QString &name : kKindButtons) {
            if (colour(name) == kYellow)
                out << name;
        }
        return out;
    }

private slots:
    void init()
    {
        host = new ToolboxHost;
        toolbox = new Toolbox;
        host->toolbox = toolbox;
        toolbox->show();
        QVERIFY(QTest::qWaitForWindowExposed(toolbox));
    }
    void cleanup()
    {
        delete toolbox;
        delete host;
    }

    // Where it stands and where its buttons are: the end-to-end run clicks Button by its place.
    void standsOnTopAtTheRightEdgeWithItsButtonsInPlace()
    {
        QVERIFY(toolbox->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect screen = toolbox->screen()->geometry();
        QCOMPARE(toolbox->frameGeometry().topRight(), QPoint(screen.right(), screen.top() + 67));
        // 570 x 480 twips in columns at 60, 705, 1350 and rows at 105, 660, 1230.
        QCOMPARE(button("cmd_text")->geometry(), QRect(4, 7, 38, 32));
        QCOMPARE(button("cmd_frame")->geometry(), QRect(47, 82, 38, 32));
        QCOMPARE(button("cmd_Cancel")->geometry(), QRect(3, 120, 125, 22));
        for (const QString &name : kKindButtons)
            QVERIFY2(!button(name)->icon().isNull(), qPrintable(name));
    }

    void armingPaintsOnlyTheArmedButtonYellowAndCancelDisarms()
    {
        QVERIFY(colour("cmd_combo") != kGrey); // the platform's colour before the first disarm
        QTest::mouseClick(button("cmd_Cancel"), Qt::LeftButton); // even with nothing armed
        for (const QString &name : kKindButtons)
            QCOMPARE(colour(name), kGrey);
        QTest::mouseClick(button("cmd_button"), Qt::LeftButton);
        QTest::mouseClick(button("cmd_combo"), Qt::LeftButton);
        QCOMPARE(toolbox->armedKind(), ControlKind::Combo);
        QCOMPARE(yellow(), QStringList {"cmd_combo"});
        QTest::mouseClick(button("cmd_Cancel"), Qt::LeftButton);
        QVERIFY(!toolbox->armedKind());
        QVERIFY(yellow().isEmpty());
    }

    void placingAControlDisarmsTheToolbox()
    {
        host->set.insertDialog();
        SurfaceView view(*host, 1);
        view.setOuterSizeOverride(SurfaceSize {12030, 7635});
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTest::mouseClick(button("cmd_picture"), Qt::LeftButton);
        QTest::mouseClick(view.windowHandle(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(host->set.dialog(0).cControls.at(0).CtrlType, std::string("PICTURE"));
        QVERIFY(yellow().isEmpty());
        QVERIFY(!toolbox->armedKind());
    }
};

QTEST_MAIN(ToolboxTest)
#include "toolbox_test.moc"
