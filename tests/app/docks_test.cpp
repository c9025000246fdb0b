// The docks beside the dialogs: the Problems list, live, and the way from a line to its control;
// the Properties panel on one and on several picked controls.
#include "app/problems_dock.h"
#include "model/kind_properties.h"
#include "props/other_lines.h"
#include "props_window/colour_group_box.h"
#include "props_window/property_panel.h"
#include "shell_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
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

    void listsBoxesAndColoursGoToEveryPickedControlThatHasThem()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        QUndoStack &history = s.f.workspace().history();
        s.view->selectAll(); // a button, a text and an input box
        QComboBox *style = panel.list(QStringLiteral("cmb_style"));
        QCOMPARE(style->count(), 3);
        QCOMPARE(style->currentIndex(), -1); // centred button, left text and input
        QCOMPARE(style->placeholderText(), QStringLiteral("mixed"));
        QCheckBox *multi = panel.checkBox(QStringLiteral("chk_multi"));
        QVERIFY(multi->isVisible()); // the text has it
        QVERIFY(panel.checkBox(QStringLiteral("chk_enter"))->isVisible()); // the button has it
        QVERIFY(!panel.checkBox(QStringLiteral("chk_scrollbars"))->isVisible()); // none has it

        const int steps = history.index();
        style->setCurrentIndex(2);
        emit style->activated(2);
        for (const ControlRecord &record : s.dialog().cControls)
            QCOMPARE(record.Style, std::string("ST_RIGHT"));
        QCOMPARE(history.index(), steps + 1);
        QCOMPARE(history.undoText(), QStringLiteral("Style"));
        QCOMPARE(style->currentText(), QStringLiteral("ST_RIGHT"));

        multi->click();
        QCOMPARE(s.dialog().cControls[1].Style, std::string("ST_RIGHT + ST_MULTI + ST_NO_RECT"));
        QCOMPARE(s.dialog().cControls[0].Style, std::string("ST_RIGHT")); // a button has none
        QCOMPARE(history.index(), steps + 2);

        // The sample follows what is typed; a picked colour reaches every control, in one step.
        s.view->selectOnly(s.tags[1]);
        ColourGroupBox *back = panel.colourGroup(ColourGroup::Back);
        panel.field(QStringLiteral("txt_bg_r"))->setFocus();
        QTest::keyClicks(panel.field(QStringLiteral("txt_bg_r")), QStringLiteral("1"));
        QCOMPARE(back->sampleColour(), QColor(255, 0, 0));
        QTest::keyClick(panel.field(QStringLiteral("txt_bg_r")), Qt::Key_Escape);
        QCOMPARE(back->sampleColour(), QColor(0, 0, 0));

        s.view->selectAll();
        QVERIFY(back->isVisible()); // the input box has no background, the text has one
        s.f.prompts.colours.push_back(QColor(0, 128, 255));
        back->sampleButton()->click();
        QCOMPARE(history.undoText(), QStringLiteral("BackColor"));
        const Rgba expected {std::string("0"), std::string("0.501"), std::string("1"),
                             std::string("0")};
        QCOMPARE(s.dialog().cControls[1].BackColor, ColourValue(expected));
        // An input box has none: the earlier steps wrote its empty fields, as the editor does.
        const Rgba empty {std::string(), std::string(), std::string(), std::string()};
        QCOMPARE(s.dialog().cControls[2].BackColor, ColourValue(empty));
        QCOMPARE(s.drawn(1).backColour, (Rgb8 {0, 128, 255}));
    }

    // A newer kind's own values are typed fields of the panel, each change one step that the
    // drawn control shows; mixed kinds show none.
    void aKindsOwnValuesAreFieldsOfThePanel()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        QUndoStack &history = s.f.workspace().history();
        s.placeByClick(ControlKind::CheckBox, QPoint(600, 400));
        const std::size_t box = s.dialog().cControls.size() - 1;
        s.tags.push_back(s.dialog().cControls[box].Tag);
        s.view->selectOnly(s.tags[box]);
        QLineEdit *checked = panel.field(QStringLiteral("txt_kind_checked"));
        QVERIFY(checked && checked->isVisible());
        QVERIFY(!panel.field(QStringLiteral("txt_kind_strings"))); // a row's, not a box's
        const std::string othersBefore = otherLinesText(s.dialog().cControls[box].Others);

        const int steps = history.index();
        typeInto(checked, QStringLiteral("1"));
        QCOMPARE(kindPropertyText(s.dialog().cControls[box].Others,
                                  kindProperties(ControlKind::CheckBox).front()),
                 std::string("1"));
        QCOMPARE(history.index(), steps + 1);
        QCOMPARE(history.undoText(), QStringLiteral("Checked"));
        QCOMPARE(s.drawn(box).detail.str(), std::string("1"));
        QCOMPARE(checked->text(), QStringLiteral("1"));

        // Code that would end the entry is refused with the check's words, and nothing changes.
        typeInto(checked, QStringLiteral("0; x = 1"));
        QCOMPARE(history.index(), steps + 1);
        auto *problem = checked->parentWidget()->findChild<QLabel *>(QStringLiteral("lbl_problem"));
        QVERIFY(problem && problem->isVisible());
        QCOMPARE(problem->text(),
                 QStringLiteral("- Checked: a value holds no \";\" or \"=\" outside quotes."));
        QTest::keyClick(checked, Qt::Key_Escape);

        // An empty field takes the entry away; undo brings it back and the field follows.
        typeInto(checked, QString());
        QCOMPARE(otherLinesText(s.dialog().cControls[box].Others), othersBefore);
        QCOMPARE(history.index(), steps + 2);
        history.undo();
        QTRY_COMPARE(checked->text(), QStringLiteral("1"));
        QCOMPARE(s.drawn(box).detail.str(), std::string("1"));

        pick(s, {0}); // with a button: no kind values at all
        QVERIFY(!panel.field(QStringLiteral("txt_kind_checked")));
        QVERIFY(!panel.findChild<QWidget *>(QStringLiteral("fra_kind"))->isVisible());
    }

    void theDialogsOwnFieldsShowWhenNoControlIs()
    {
        WindowSurface s;
        QVERIFY(s.view);
        PropertyPanel &panel = s.f.window->propertyPanel();
        QUndoStack &history = s.f.workspace().history();
        s.click(s.onWindow(QPoint(600, 20))); // the background
        QLineEdit *name = panel.field(QStringLiteral("txt_dialogname"));
        QVERIFY(name->isVisible());
        QVERIFY(!panel.field(QStringLiteral("txt_name"))->isVisible());
        QCOMPARE(name->text(), QStringLiteral("DIALOG1"));

        const int steps = history.index();
        s.f.window->insertDialog();
        s.f.makeCurrent("DIALOG1");
        typeInto(name, QStringLiteral("dialog2")); // another dialog's name, in another case
        auto *problem = name->parentWidget()->findChild<QLabel *>(QStringLiteral("lbl_problem"));
        QVERIFY(problem->isVisible());
        QCOMPARE(s.f.names(), (Names {"DIALOG1", "DIALOG2"}));
        QTest::keyClick(name, Qt::Key_Escape);
        QCOMPARE(name->text(), QStringLiteral("DIALOG1"));

        typeInto(name, QStringLiteral("MENU"));
        QCOMPARE(s.f.names(), (Names {"MENU", "DIALOG2"}));
        QCOMPARE(history.index(), steps + 2); // the insert and the rename

        QLineEdit *grid = panel.field(QStringLiteral("txt_size"));
        typeInto(grid, QString());
        QVERIFY(problem->isVisible());
        QCOMPARE(problem->text(), QStringLiteral("- You must enter a grid size!"));
        typeInto(grid, QStringLiteral("0.05"));
        QCOMPARE(s.dialog().GridSize, 0.05f);
        QCOMPARE(history.undoText(), QStringLiteral("Grid size"));
        history.undo();
        QTRY_COMPARE(grid->text(), QStringLiteral("0"));

        // The layout is a step of its own, and undo shows the one before.
        QComboBox *layout = panel.list(QStringLiteral("cmb_layout"));
        QCOMPARE(layout->currentIndex(), 0);
        layout->setCurrentIndex(1);
        emit layout->activated(1);
        QCOMPARE(s.dialog().Layout, DialogLayout::SafeZone);
        QCOMPARE(history.undoText(), QStringLiteral("Dialog layout"));
        history.undo();
        QCOMPARE(s.dialog().Layout, DialogLayout::Screen);
        QTRY_COMPARE(layout->currentIndex(), 0);

        // The other properties are taken when the field is left: a bad line is only reported.
        auto *others = panel.findChild<QPlainTextEdit *>(QStringLiteral("txt_dialogothers"));
        QVERIFY(others->isVisible());
        others->setFocus();
        others->setPlainText(QStringLiteral("idd = 65440\nonLoad \"f\""));
        grid->setFocus();
        QVERIFY(problem->isVisible());
        QVERIFY(s.dialog().Others.empty());
        others->setFocus();
        others->setPlainText(QStringLiteral("idd = 65440\nonLoad = \"f\""));
        grid->setFocus();
        QVERIFY(s.dialog().Others == OtherProperties({{"idd", "65440"}, {"onLoad", "\"f\""}}));
        QCOMPARE(history.undoText(), QStringLiteral("Dialog properties"));
        history.undo();
        QVERIFY(s.dialog().Others.empty());
        QTRY_COMPARE(others->toPlainText(), QString());
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
