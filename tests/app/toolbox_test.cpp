// The controls toolbox: arming, disarming and its place on the screen; that a placed control
// disarms it is the end-to-end run's.
#include "app/toolbox.h"

#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace kovrin;

namespace {

const QStringList kKindButtons {
    "cmd_text",           "cmd_linktext",       "cmd_input",   "cmd_button",     "cmd_combo",
    "cmd_list",           "cmd_slider",         "cmd_frame",   "cmd_picture",    "cmd_group",
    "cmd_structuredtext", "cmd_shortcutbutton", "cmd_map",     "cmd_columnlist", "cmd_progress",
    "cmd_checkbox",       "cmd_checkboxrow",    "cmd_xslider", "cmd_tree",       "cmd_toolboxrow"};
const QColor kGrey(210, 210, 210);
const QColor kYellow(255, 255, 0);

} // namespace

class ToolboxTest : public QObject
{
    Q_OBJECT

private:
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
        toolbox = new Toolbox;
        toolbox->show();
        QVERIFY(QTest::qWaitForWindowExposed(toolbox));
    }
    void cleanup() { delete toolbox; }

    // Where its buttons are is the end-to-end run's: it clicks Button by its place.
    void standsOnTopAtTheRightEdgeWithItsIcons()
    {
        QVERIFY(toolbox->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect screen = toolbox->screen()->geometry();
        QCOMPARE(toolbox->frameGeometry().topRight(), QPoint(screen.right(), screen.top() + 67));
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

    // Each newer kind's button arms it, beside the others and inside the window.
    void eachNewerKindHasAButtonThatArmsIt()
    {
        QList<QRect> places;
        for (ControlKind kind : kNewerKinds) {
            const QString name = QStringLiteral("cmd_")
                + QString::fromLatin1(kindWord(kind).data(),
                                      static_cast<qsizetype>(kindWord(kind).size()))
                      .toLower();
            QPushButton *pushed = button(name);
            QVERIFY2(pushed, qPrintable(name));
            QTest::mouseClick(pushed, Qt::LeftButton);
            QCOMPARE(toolbox->armedKind(), kind);
            QCOMPARE(yellow(), QStringList {name});
            QVERIFY(toolbox->rect().contains(pushed->geometry()));
            for (const QRect &other : places)
                QVERIFY(!other.intersects(pushed->geometry()));
            places << pushed->geometry();
        }
        QVERIFY(!toolbox->findChild<QPushButton *>(QStringLiteral("cmd_generic")));
        QVERIFY(places.last().bottom()
                < button("cmd_Cancel")->geometry().top()); // Cancel stays below them all
    }
};

QTEST_MAIN(ToolboxTest)
#include "toolbox_test.moc"
