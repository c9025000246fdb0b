// The docks beside the dialogs: the Problems list, live, and the way from a line to its control;
// the Properties panel on one and on several picked controls.
#include "app/problems_dock.h"
#include "props_window/property_panel.h"
#include "shell_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QUndoStack>

#include <cmath>

using namespace kovrin;

namespace {

// The record's IDC written as the editor writes it: one undo step through the workspace.
void setIdc(WindowSurface &s, std::size_t record, std::int16_t idc)
{
    ControlRecord r = s.dialog().cControls.at(record);
    r.IDC = idc;
    s.f.set().writeRecord(0, record, r);
    s.f.workspace().recordSurfaceChange(*s.view, QStringLiteral("IDc"));
}

QStringList lines(QListWidget &list)
{
    QStringList out;
    for (int i = 0; i < list.count(); ++i)
        out << list.item(i)->text();
    return out;
}

// Picks the controls of these records with Ctrl+click.
void pick(WindowSurface &s, std::initializer_list<std::size_t> records)
{
    for (std::size_t record : records)
        s.click(s.middleOf(record), Qt::ControlModifier);
}

// A text typed into a panel field as the user types it, replacing what it held, then a key.
void typeInto(QLineEdit *field, const QString &text, Qt::Key end = Qt::Key_Return)
{
    field->setFocus();
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
    QTest::keyClick(field, end);
}

} // namespace

class DocksTest : public QObject
{
    Q_OBJECT
    TestSettings m_settings;

private slots:
    void init() { TestSettings::clear(); }

    void problemsFollowTheSetAndLeadToTheirControl()
    {
        WindowSurface s;
        QVERIFY(s.view);
        QListWidget &list = s.f.window->problemsDock().list();
        s.f.menus().problems->trigger();
        QVERIFY(s.f.menus().problems->isChecked());
        QTRY_COMPARE(lines(list), QStringList {QStringLiteral("No problems found.")});

        setIdc(s, 0, 5);
        setIdc(s, 2, 5);
        const QString shared = QStringLiteral("dialog \"DIALOG1\", control \"%1\": has IDC 5 as "
                                              "control \"%2\" does; the game finds controls by "
                                              "their IDC")
                                   .arg(QString::fromStdString(s.dialog().cControls[2].Name),
                                        QString::fromStdString(s.dialog().cControls[0].Name));
        QTRY_COMPARE(lines(list), QStringList {shared});

        s.view->selectAll();
        QListWidgetItem *item = list.item(0);
        const QPoint at = list.visualItemRect(item).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(s.picked(), std::vector<std::string> {s.tags[2]});

        // Undo takes the problem back.
        s.f.workspace().history().undo();
        QTRY_COMPARE(lines(list), QStringList {QStringLiteral("No problems found.")});
    }

    void thePanelWritesOneFieldAsOneStepAndRefusesWhatTheEditorRefuses()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        QUndoStack &history = s.f.workspace().history();
        s.view->selectOnly(s.tags[0]);
        QLineEdit *name = panel.field(QStringLiteral("txt_name"));
        QCOMPARE(name->text().toStdString(), s.dialog().cControls[0].Name);
        QVERIFY(!panel.field(QStringLiteral("txt_rowheight"))->isVisible()); // a button has none

        const int steps = history.index();
        const double widthBefore = s.drawn(0).width;
        typeInto(panel.field(QStringLiteral("txt_width")), QStringLiteral("0.5"));
        QCOMPARE(s.dialog().cControls[0].Width, 0.5f);
        QCOMPARE(history.index(), steps + 1);
        QCOMPARE(history.undoText(), QStringLiteral("Width"));
        QVERIFY(s.drawn(0).width > widthBefore);
        history.undo();
        QCOMPARE(s.drawn(0).width, widthBefore);
        QVERIFY(s.dialog().cControls[0].Width != 0.5f);

        const std::string nameBefore = s.dialog().cControls[0].Name;
        typeInto(name, QString());
        QCOMPARE(s.dialog().cControls[0].Name, nameBefore);
        QCOMPARE(history.index(), steps);
        auto *problem = name->parentWidget()->findChild<QLabel *>(QStringLiteral("lbl_problem"));
        QVERIFY(problem && problem->isVisible());
        QCOMPARE(problem->text(), QStringLiteral("- You must enter a name."));
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text().toStdString(), nameBefore);
        QVERIFY(!problem->isVisible());

        // F4 brings the focus to the first field.
        s.view->setFocus();
        s.f.window->findChild<QAction *>(QStringLiteral("act_focuspanel"))->trigger();
        QVERIFY(name->hasFocus());
    }

    void severalPickedControlsShareTheirCommonValues()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        s.view->selectAll();
        QLineEdit *name = panel.field(QStringLiteral("txt_name"));
        QCOMPARE(name->text(), QString());
        QCOMPARE(name->placeholderText(), QStringLiteral("mixed"));
        QCOMPARE(panel.field(QStringLiteral("txt_IDc"))->text(), QStringLiteral("-1"));

        const int steps = s.f.workspace().history().index();
        typeInto(panel.field(QStringLiteral("txt_fontsize")), QStringLiteral("0.05"));
        for (const ControlRecord &record : s.dialog().cControls)
            QCOMPARE(record.FontSize, 0.05f);
        QCOMPARE(s.f.workspace().history().index(), steps + 1);
        QCOMPARE(panel.field(QStringLiteral("txt_fontsize"))->text(), QStringLiteral("0.05"));
    }

    // Sizes in the safe-zone form show and take their F; picked controls of different forms
    // take no typing there.
    void sizesOfOtherFormsShowTheirFormBesideThem()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        s.f.set().convertForms(0, {0, 1}, DialogLayout::SafeZone);
        s.f.workspace().recordSurfaceChange(*s.view, QStringLiteral("Convert"));
        QLineEdit *width = panel.field(QStringLiteral("txt_width"));
        auto *words = panel.findChild<QLabel *>(QStringLiteral("lbl_width_form"));
        QVERIFY(words);

        pick(s, {0, 1});
        QCOMPARE(words->text(), QStringLiteral("\u00d7 safe zone width"));
        typeInto(width, QStringLiteral("0.5"));
        for (std::size_t record : {0u, 1u}) {
            const ControlRecord &r = s.dialog().cControls[record];
            QCOMPARE(r.Forms[FormField::Width].fraction, 0.5f);
            QCOMPARE(r.Width,
                     static_cast<float>(screenFromSafeZone(0.5, PositionAxis::Width,
                                                           s.f.set().referenceScreen())));
            const SurfaceSize size = s.view->outerSize();
            const SurfaceSize onFrame {size.width, size.height,
                                       surfaceFrameOf(s.dialog(), s.f.set().referenceScreen())};
            QVERIFY(std::abs(s.drawn(record).width
                             - twipsFromScreen(r.Width, PositionAxis::Width, onFrame))
                    < 1);
        }

        s.view->selectAll(); // the third is on screen
        QCOMPARE(words->text(), QStringLiteral("mixed forms"));
        QVERIFY(width->isReadOnly());
        s.view->selectOnly(s.tags[2]);
        QVERIFY(!words->isVisibleTo(&panel));
        QVERIFY(!width->isReadOnly());
    }

    void theDocksStandAsTheLastRunLeftThem()
    {
        {
            ShellFixture f;
            QVERIFY(f.menus().propertiesPanel->isChecked()); // shown at the first start
            QVERIFY(!f.menus().problems->isChecked());
            f.menus().propertiesPanel->trigger();
            f.menus().problems->trigger();
            f.window->close();
        }
        ShellFixture next;
        QVERIFY(!next.menus().propertiesPanel->isChecked());
        QVERIFY(next.menus().problems->isChecked());
    }
};

QTEST_MAIN(DocksTest)
#include "docks_test.moc"
