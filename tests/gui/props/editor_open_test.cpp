#include "editor_fixture.h"
#include "property_editor_test.h"

#include "props_window/colour_group_box.h"
#include "props_window/field_look.h"
#include "props_window/font_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

using namespace kovrin;

namespace {

const QColor kGrey(200, 200, 200);

QStringList entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

const QStringList kElements {
    "txt_name",         "txt_IDc",       "txt_width",       "txt_height",   "cmb_font",
    "txt_fontsize",     "cmb_style",     "chk_multi",       "chk_shadow",   "txt_linespacing",
    "txt_text",         "txt_fg_r",      "txt_fg_g",        "txt_fg_b",     "txt_fg_a",
    "cmd_fgsample",     "txt_bg_r",      "txt_bg_g",        "txt_bg_b",     "txt_bg_a",
    "cmd_bgsample",     "txt_active_r",  "txt_active_g",    "txt_active_b", "txt_active_a",
    "cmd_activesample", "txt_sel_r",     "txt_sel_g",       "txt_sel_b",    "txt_sel_a",
    "cmd_selsample",    "txt_selbg_r",   "txt_selbg_g",     "txt_selbg_b",  "txt_selbg_a",
    "cmd_selbgsample",  "txt_rowheight", "txt_wholeheight", "txt_action",   "chk_enter",
    "cmd_OK",           "cmd_apply",     "cmd_delete",      "cmd_Cancel"};

QStringList enabledElements(QWidget *editor)
{
    QStringList out;
    for (const QString &name : kElements) {
        if (editor->findChild<QWidget *>(name)->isEnabled())
            out << name;
    }
    return out;
}

} // namespace

void PropertyEditorTest::elementsCarryTheirNamesHintsAndTabOrder()
{
    EditorFixture f;
    auto editor = f.open(f.add(ControlKind::Button));
    QCOMPARE(editor->objectName(), QStringLiteral("frm_Options"));
    QCOMPARE(editor->windowTitle(), QStringLiteral("Control Properties"));
    QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->toolTip(),
             QStringLiteral("Style for this control. Genrally text alignment."));
    QCOMPARE(field(editor.get(), "txt_sel_a")->toolTip(),
             QStringLiteral("Alpha (transparency) component of the color, 1 being maximum "
                            "opacity."));
    QCOMPARE(field(editor.get(), "txt_fg_a")->maxLength(), 5);
    QCOMPARE(entries(field<QComboBox>(editor.get(), "cmb_font")),
             QStringList({"AudreysHandB48", "AudreysHandI48", "CourierNewB64", "Garamond64",
                          "SteelfishB128", "SteelfishB64", "SteelfishB64CE", "TahomaB24",
                          "TahomaB36", "TahomaB48"}));
    QCOMPARE(entries(field<QComboBox>(editor.get(), "cmb_style")),
             QStringList({"ST_LEFT", "ST_CENTER", "ST_RIGHT"}));
    QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->currentText(),
             QStringLiteral("ST_CENTER"));

    // Walk the focus chain from the first field: the elements come in the table's order.
    QStringList chain;
    QWidget *w = field(editor.get(), "txt_name");
    for (int guard = 0; guard < 400 && chain.size() < kElements.size(); ++guard) {
        if (kElements.contains(w->objectName()) && !chain.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    }
    QCOMPARE(chain, kElements);

    EditorFixture frame;
    auto frameEditor = frame.open(frame.add(ControlKind::Frame));
    QCOMPARE(entries(field<QComboBox>(frameEditor.get(), "cmb_style")), QStringList({"ST_FRAME"}));
}

void PropertyEditorTest::sliderShowsOnlyItsSevenUsableFields()
{
    EditorFixture f;
    auto editor = f.open(f.add(ControlKind::Slider));
    QCOMPARE(enabledElements(editor.get()),
             QStringList({"txt_name", "txt_IDc", "txt_width", "txt_height", "txt_fontsize",
                          "cmb_style", "txt_fg_r", "txt_fg_g", "txt_fg_b", "txt_fg_a",
                          "cmd_fgsample", "cmd_OK", "cmd_apply", "cmd_delete", "cmd_Cancel"}));
    for (const QString &name : kElements) {
        QWidget *element = editor->findChild<QWidget *>(name);
        if (!element->isEnabled() && name != QLatin1String("cmd_selbgsample"))
            QCOMPARE(backgroundOf(element), kGrey);
    }
    // The closing refresh paints the selection background sample from its empty fields.
    QCOMPARE(editor->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(Qt::black));
    QCOMPARE(editor->colourGroup(ColourGroup::Back)->sampleColour(), kGrey);
    QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->currentText(), QStringLiteral("ST_HPOS"));
    // Disabled fields still show the record's values.
    QCOMPARE(field(editor.get(), "txt_rowheight")->text(), QStringLiteral("0"));
}

void PropertyEditorTest::inputShowsGreyGroupsAndABlackSelectionBackground()
{
    EditorFixture f;
    auto editor = f.open(f.add(ControlKind::Input));
    QCOMPARE(editor->colourGroup(ColourGroup::Back)->sampleColour(), kGrey);
    QCOMPARE(editor->colourGroup(ColourGroup::Active)->sampleColour(), kGrey);
    QCOMPARE(editor->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(Qt::black));
    QCOMPARE(editor->colourGroup(ColourGroup::Select)->sampleColour(), QColor(128, 128, 128));
    QCOMPARE(editor->colourGroup(ColourGroup::Fore)->sampleColour(), QColor(Qt::black));
    QVERIFY(!field(editor.get(), "txt_selbg_r")->isEnabled());
    QCOMPARE(field(editor.get(), "txt_sel_g")->text(), QStringLiteral("0.5"));
}

void PropertyEditorTest::multiLineRecordOpensWithLineSpacingUsable()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    f.editRecord(i, [](ControlRecord &r) {
        r.Style = "ST_CENTER + ST_MULTI + ST_NO_RECT + ST_SHADOW";
        r.LineSpacing = 1.25f;
    });
    auto editor = f.open(i);
    QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->currentText(),
             QStringLiteral("ST_CENTER"));
    QVERIFY(field<QCheckBox>(editor.get(), "chk_multi")->isChecked());
    QVERIFY(field<QCheckBox>(editor.get(), "chk_shadow")->isChecked());
    QLineEdit *spacing = field(editor.get(), "txt_linespacing");
    QVERIFY(spacing->isEnabled());
    QCOMPARE(spacing->text(), QStringLiteral("1.25"));
    QCOMPARE(backgroundOf(spacing), QPalette().color(QPalette::Base));

    EditorFixture plain;
    auto plainEditor = plain.open(plain.add(ControlKind::Text));
    QVERIFY(!field(plainEditor.get(), "txt_linespacing")->isEnabled());
    QCOMPARE(field(plainEditor.get(), "txt_linespacing")->text(), QString());
    QCOMPARE(backgroundOf(field(plainEditor.get(), "txt_linespacing")), kGrey);
}

void PropertyEditorTest::multilineSwitchTogglesLineSpacingAndKeepsItsText()
{
    EditorFixture f;
    auto editor = f.open(f.add(ControlKind::Text));
    auto *multi = field<QCheckBox>(editor.get(), "chk_multi");
    QLineEdit *spacing = field(editor.get(), "txt_linespacing");
    QTest::mouseClick(multi, Qt::LeftButton, {}, QPoint(4, multi->height() / 2));
    QVERIFY(multi->isChecked());
    QVERIFY(spacing->isEnabled());
    QCOMPARE(backgroundOf(spacing), QColor(255, 255, 255));
    typeInto(spacing, QStringLiteral("1.255"));
    QCOMPARE(spacing->text(), QStringLiteral("1.25"));
    QTest::mouseClick(multi, Qt::LeftButton, {}, QPoint(4, multi->height() / 2));
    QVERIFY(!spacing->isEnabled());
    QCOMPARE(backgroundOf(spacing), kGrey);
    QCOMPARE(spacing->text(), QStringLiteral("1.25"));
}

void PropertyEditorTest::fontSearchIgnoresCaseAndShowsThePreview()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    QCOMPARE(f.record(i).Font, std::string("tahomaB36"));
    auto editor = f.open(i);
    auto *font = field<QComboBox>(editor.get(), "cmb_font");
    QCOMPARE(font->currentText(), QStringLiteral("TahomaB36"));
    auto *preview = editor->findChild<FontPreview *>(QStringLiteral("img_font"));
    // The build puts the pictures beside this test program, as beside kovrin.
    QVERIFY(preview->shownFile().endsWith(QStringLiteral("/TahomaB36.gif")));
    QVERIFY(!preview->pixmap().isNull());
    font->setCurrentIndex(2);
    QVERIFY(preview->shownFile().endsWith(QStringLiteral("/CourierNewB64.gif")));

    // A font the list does not hold selects nothing and shows no picture.
    f.editRecord(i, [](ControlRecord &r) { r.Font = "Arial"; });
    auto other = f.open(i);
    QCOMPARE(field<QComboBox>(other.get(), "cmb_font")->currentIndex(), -1);
    QVERIFY(other->findChild<FontPreview *>(QStringLiteral("img_font"))->pixmap().isNull());
}

void PropertyEditorTest::missingPreviewShowsNothing()
{
    QTemporaryDir folder;
    FontPreview preview({folder.path()});
    preview.showFont(QStringLiteral("TahomaB36"));
    QVERIFY(preview.pixmap().isNull());
    QCOMPARE(preview.shownFile(), QString());

    // A file that is no picture shows nothing either.
    QFile broken(folder.filePath(QStringLiteral("Garamond64.gif")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    preview.showFont(QStringLiteral("Garamond64"));
    QVERIFY(preview.pixmap().isNull());
}

void PropertyEditorTest::unknownKindOffersNoStyleAndKeepsItsStyle()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    f.editRecord(i, [](ControlRecord &r) {
        r.CtrlType = "GIZMO"; // read from a file: every colour is there
        r.Style = "ST_LEFT + ST_SHADOW";
        r.ActiveColor = r.SelectionColor = r.SelectionBGColor = r.ForeColor;
    });
    auto editor = f.open(i);
    auto *style = field<QComboBox>(editor.get(), "cmb_style");
    QCOMPARE(style->count(), 0);
    QCOMPARE(style->currentIndex(), -1);
    QCOMPARE(enabledElements(editor.get()).size(), kElements.size() - 1); // all but line spacing
    field(editor.get(), "txt_name")->setText(QStringLiteral("renamed"));
    editor->cmd_OK_Click();
    QCOMPARE(editor->result(), int(QDialog::Accepted));
    QCOMPARE(f.record(i).Style, std::string("ST_LEFT + ST_SHADOW"));
    QCOMPARE(f.record(i).Name, std::string("renamed"));
}

void PropertyEditorTest::fieldsSelectAllOnFocusOnlyWhereTheTableSaysSo()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Combo);
    f.editRecord(i, [](ControlRecord &r) {
        r.Style = "ST_LEFT + ST_MULTI + ST_NO_RECT"; // line spacing usable
        r.LineSpacing = 1.5f;
    });
    auto editor = f.open(i);
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    const auto selectsAll = [&editor](const char *name, bool byMouse) {
        QLineEdit *edit = field(editor.get(), name);
        edit->deselect(); // each field in turn takes the focus from the one before
        if (byMouse)
            QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, edit->height() / 2));
        else
            edit->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        return !edit->text().isEmpty() && edit->selectedText() == edit->text();
    };
    for (bool byMouse : {false, true}) {
        for (const char *name : {"txt_width", "txt_fontsize", "txt_bg_g", "txt_wholeheight"})
            QVERIFY2(selectsAll(name, byMouse), name);
        for (const char *name : {"txt_name", "txt_IDc", "txt_linespacing"})
            QVERIFY2(!selectsAll(name, byMouse), name);
    }
}
