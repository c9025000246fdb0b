#include "editor_fixture.h"
#include "property_editor_test.h"

#include "props_window/colour_group_box.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace kovrin;

namespace {

Rgba texts(const char *r, const char *g, const char *b, const char *a)
{
    return Rgba {std::string(r), std::string(g), std::string(b), std::string(a)};
}

void click(QWidget *editor, const char *button)
{
    QTest::mouseClick(field<QPushButton>(editor, button), Qt::LeftButton);
}

void toggle(QWidget *editor, const char *box)
{
    auto *check = field<QCheckBox>(editor, box);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
}

} // namespace

void PropertyEditorTest::emptiedTextGivesExactlySevenLines()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    const ControlRecord before = f.record(i);
    auto editor = f.open(i);
    for (QLineEdit *edit : editor->findChildren<QLineEdit *>()) {
        if (edit->isEnabled())
            empty(edit);
    }
    click(editor.get(), "cmd_OK");
    QCOMPARE(f.messages(),
             QStringList({"WARNING|- You must enter a name.\r\n"
                          "- You must enter an IDc or set it to -1.\r\n"
                          "- You must enter a width.\r\n"
                          "- You must enter a height.\r\n"
                          "- You must enter a foreground/font color.\r\n"
                          "- You must enter a background color.\r\n"
                          "- You must enter a size for the font.\r\n"}));
    QCOMPARE(f.host.scripted.shown.front().icon, UserPrompts::Icon::Warning);
    QVERIFY(editor->isVisible());
    QVERIFY(f.record(i) == before);
    QCOMPARE(f.host.changes, 0);
}

void PropertyEditorTest::linkWithEmptyBackColorPassesAndStoresEmptyTexts()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Link);
    QVERIFY(!f.record(i).BackColor);
    auto editor = f.open(i);
    QCOMPARE(editor->colourGroup(ColourGroup::Back)->texts(), ColourTexts {});
    field<QPlainTextEdit>(editor.get(), "txt_text")->setPlainText(QStringLiteral("Continue"));
    click(editor.get(), "cmd_OK");
    QCOMPARE(f.messages(), QStringList());
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(f.record(i).BackColor == texts("", "", "", ""));
    QCOMPARE(f.record(i).Text, std::string("Continue"));
    // The link takes the background of its grey, disabled sample, and its new text.
    QCOMPARE(f.drawn(i)->backColour, (std::optional<Rgb8>(Rgb8 {200, 200, 200})));
    QCOMPARE(f.drawn(i)->caption, std::string("Continue"));
}

void PropertyEditorTest::styleWithBothSuffixesSurvivesASecondApply()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    auto editor = f.open(i);
    field<QComboBox>(editor.get(), "cmb_style")->setCurrentIndex(2);
    toggle(editor.get(), "chk_multi");
    toggle(editor.get(), "chk_shadow");
    typeInto(field(editor.get(), "txt_linespacing"), QStringLiteral("1.5"));
    click(editor.get(), "cmd_apply");
    QCOMPARE(f.record(i).Style, std::string("ST_RIGHT + ST_MULTI + ST_NO_RECT + ST_SHADOW"));
    QCOMPARE(f.record(i).LineSpacing, 1.5f);
    QCOMPARE(f.host.stepNames, QStringList({"Control properties"}));

    // Opened again on what it wrote, the editor reads the same choices back.
    editor->cmd_OK_Click();
    auto again = f.open(i);
    QCOMPARE(field<QComboBox>(again.get(), "cmb_style")->currentText(), QStringLiteral("ST_RIGHT"));
    QVERIFY(field<QCheckBox>(again.get(), "chk_multi")->isChecked());
    QVERIFY(field<QCheckBox>(again.get(), "chk_shadow")->isChecked());
}

void PropertyEditorTest::untouchedOkChangesNothing()
{
    for (ControlKind kind : kAllKinds) {
        EditorFixture f;
        const std::size_t i = f.add(kind);
        f.editRecord(i, [](ControlRecord &r) {
            r.Width = 0.12345f;
            r.Height = 0.00001f;
            r.IDC = 1500;
            r.FontSize = 1.0f / 3.0f;
            r.Enter = 3;
        });
        const ControlRecord before = f.record(i);
        auto editor = f.open(i);
        QCOMPARE(field(editor.get(), "txt_width")->text(), QStringLiteral("0.12345"));
        editor->cmd_OK_Click();
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QVERIFY2(f.record(i) == before, kindWord(kind).data());
    }
}

void PropertyEditorTest::untouchedMultiLineTextRoundTrips()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    f.editRecord(i, [](ControlRecord &r) {
        r.Style = "ST_CENTER + ST_MULTI + ST_NO_RECT";
        r.LineSpacing = 0.123456f;
        r.Text = "first line\r\nsecond line\r\n";
        r.BackColor = texts("0,5", "0.25", "0", "1");
    });
    const ControlRecord before = f.record(i);
    auto editor = f.open(i);
    QCOMPARE(field<QPlainTextEdit>(editor.get(), "txt_text")->toPlainText(),
             QStringLiteral("first line\nsecond line\n"));
    click(editor.get(), "cmd_OK");
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QVERIFY(f.record(i) == before);

    // An edit elsewhere leaves the rest as it was; only the colours the record never had are
    // written, as four empty texts.
    auto edited = f.open(i);
    typeInto(field(edited.get(), "txt_name"), QStringLiteral("lblBody"));
    click(edited.get(), "cmd_OK");
    ControlRecord expected = before;
    expected.Name = "lblBody";
    expected.ActiveColor = expected.SelectionColor = expected.SelectionBGColor
        = texts("", "", "", "");
    QVERIFY(f.record(i) == expected);
    QCOMPARE(f.messages(), QStringList());
}

void PropertyEditorTest::applyOnButtonChangesCaptionNotColours()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Button);
    const DrawnControl before = *f.drawn(i);
    auto editor = f.open(i);
    field<QPlainTextEdit>(editor.get(), "txt_text")->setPlainText(QStringLiteral("Start"));
    field<QPlainTextEdit>(editor.get(), "txt_action")
        ->setPlainText(QStringLiteral("closeDialog 0;\nhint \"done\";"));
    typeInto(field(editor.get(), "txt_fg_r"), QStringLiteral("1"));
    click(editor.get(), "cmd_apply");
    QCOMPARE(f.record(i).Action, std::string("closeDialog 0;\r\nhint \"done\";"));
    QVERIFY(editor->isVisible());
    QCOMPARE(f.drawn(i)->caption, std::string("Start"));
    QCOMPARE(f.drawn(i)->textColour, before.textColour);
    QCOMPARE(f.drawn(i)->backColour, before.backColour);
    QVERIFY(f.record(i).ForeColor == texts("1", "0", "0", "1"));
    QCOMPARE(f.host.changes, 1);
}

void PropertyEditorTest::okRefreshesSizeAndColoursOfAText()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    const DrawnControl before = *f.drawn(i);
    const SurfaceSize surface = f.view->outerSize();
    QVERIFY(before.width != 0.5 * surface.width);
    auto editor = f.open(i);
    typeInto(field(editor.get(), "txt_width"), QStringLiteral("0.5"));
    typeInto(field(editor.get(), "txt_bg_b"), QStringLiteral("1"));
    typeInto(field(editor.get(), "txt_fg_g"), QStringLiteral("0"));
    click(editor.get(), "cmd_OK");
    const DrawnControl *after = f.drawn(i);
    QCOMPARE(after->width, 0.5 * surface.width);
    QCOMPARE(after->height, 0.1 * surface.height); // the field's text, not the stored float
    QCOMPARE(after->left, before.left);
    QCOMPARE(after->textColour, (std::optional<Rgb8>(Rgb8 {255, 0, 255})));
    QCOMPARE(after->backColour, (std::optional<Rgb8>(Rgb8 {0, 0, 255})));
    QVERIFY(!editor->isVisible());
}

void PropertyEditorTest::deleteRemovesTheMiddleOfThree()
{
    EditorFixture f;
    f.add(ControlKind::Text);
    const std::size_t middle = f.add(ControlKind::Button, 3000, 3000);
    f.add(ControlKind::List, 6000, 6000);
    const std::string middleTag = f.record(middle).Tag;
    const std::string thirdName = f.record(2).Name;
    auto editor = f.open(middle);
    QCOMPARE(editor->ItemPos(), std::size_t(2));
    QCOMPARE(editor->ItemCtrl()->tag, middleTag);
    click(editor.get(), "cmd_delete");
    QCOMPARE(editor->result(), PropertyEditor::Deleted);
    QCOMPARE(f.host.set.dialog(0).cControls.size(), std::size_t(2));
    QCOMPARE(f.record(1).Name, thirdName);
    const DrawnControl *hidden = f.host.set.drawnControls(0).findByTag(middleTag);
    QVERIFY(hidden && !hidden->visible);
    QCOMPARE(f.host.set.drawnControls(0).hitTest(3100, 3100), nullptr);
    QCOMPARE(f.host.stepNames, QStringList {"Delete control"});
    QCOMPARE(f.host.scripted.shown.size(), 0); // no question asked
}

void PropertyEditorTest::editReachesWhatTheGeneratorReads()
{
    // The generator writes record fields as they stand; check those an edit changes.
    EditorFixture f(',');
    const std::size_t i = f.add(ControlKind::Combo);
    auto editor = f.open(i);
    typeInto(field(editor.get(), "txt_name"), QStringLiteral("cmbLevel"));
    typeInto(field(editor.get(), "txt_IDc"), QStringLiteral("42"));
    typeInto(field(editor.get(), "txt_wholeheight"), QStringLiteral("0,45"));
    typeInto(field(editor.get(), "txt_sel_b"), QStringLiteral("0,75"));
    field<QComboBox>(editor.get(), "cmb_font")->setCurrentIndex(9);
    click(editor.get(), "cmd_OK");
    const ControlRecord &r = f.record(i);
    QCOMPARE(r.Name, std::string("cmbLevel"));
    QCOMPARE(r.IDC, std::int16_t(42));
    QCOMPARE(r.WholeHeight, 0.45f);
    QCOMPARE(r.Font, std::string("TahomaB48"));
    QVERIFY(r.SelectionColor == texts("0,4", "0,4", "0,75", "1"));
    QCOMPARE(r.RowHeight, 0.04f);
    QVERIFY(r.SelectionBGColor == colourOf(0.2, 0.2, 0.2, 1));
}

void PropertyEditorTest::refusesWhatTheDesignFileCannotReadBack()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Link);
    const ControlRecord before = f.record(i);
    auto editor = f.open(i);
    typeInto(field(editor.get(), "txt_name"), QStringLiteral("###"));
    field<QPlainTextEdit>(editor.get(), "txt_text")->setPlainText(QStringLiteral("say \"hi\""));
    click(editor.get(), "cmd_apply");
    QCOMPARE(f.messages(),
             QStringList({"WARNING|- The text cannot contain a double quote (\").\r\n"
                          "- The name cannot be ###.\r\n"}));
    QVERIFY(f.record(i) == before);
    QVERIFY(editor->isVisible());
}
