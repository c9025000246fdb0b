// Widget tests of the "Control Properties" editor, run offscreen on real records.
#include "../support/fake_surface_host.h"
#include "model/dialog_set.h"
#include "props/field_table.h"
#include "props_window/colour_group_box.h"
#include "props_window/field_look.h"
#include "props_window/font_preview.h"
#include "props_window/property_editor.h"
#include "props_window/property_editor_open.h"
#include "surface_view/surface_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace kovrin;

namespace {

// A dialog with real records on a fake host, and the editor opened on one of them.
class EditorFixture
{
public:
    explicit EditorFixture(char separator = '.')
    {
        host.separator = separator;
        host.set.insertDialog();
        view = std::make_unique<SurfaceView>(host, host.set.dialog(0).FrmIndex);
    }

    // Creates a control as a click on the surface does; returns its record index.
    std::size_t add(ControlKind kind, double x = 1500, double y = 900)
    {
        return *host.set.createControl(0, kind, x, y, view->outerSize());
    }

    const ControlRecord &record(std::size_t index)
    {
        return host.set.dialog(0).cControls.at(index);
    }
    // A record changed as a design file could hold it.
    template<typename Edit> void editRecord(std::size_t index, Edit edit)
    {
        ControlRecord changed = record(index);
        edit(changed);
        host.set.writeRecord(0, index, std::move(changed));
    }
    const DrawnControl *drawn(std::size_t index)
    {
        return host.set.drawnControls(0).findByTag(record(index).Tag);
    }

    std::unique_ptr<PropertyEditor> open(std::size_t index)
    {
        auto editor = std::make_unique<PropertyEditor>(host, *view, index);
        editor->show();
        return editor;
    }

    // The texts of the message boxes shown so far.
    QStringList messages() const
    {
        QStringList out;
        for (const auto &shown : host.scripted.shown) {
            if (shown.kind == QLatin1String("message"))
                out << shown.title + QLatin1Char('|') + shown.text;
        }
        return out;
    }

    FakeSurfaceHost host;
    std::unique_ptr<SurfaceView> view;
};

template<typename Widget = QLineEdit> Widget *field(QWidget *editor, const char *name)
{
    return editor->findChild<Widget *>(QString::fromLatin1(name));
}

// Replaces the field's text as the user would: select all, then type.
void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    QTest::keyClicks(edit, text);
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

Rgba texts(const char *r, const char *g, const char *b, const char *a)
{
    return Rgba {std::string(r), std::string(g), std::string(b), std::string(a)};
}

// Empties a field as the user would.
void empty(QLineEdit *edit)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
}

QStringList entries(const QComboBox *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->itemText(i);
    return out;
}

template<typename Names> QStringList listOf(const Names &names)
{
    QStringList out;
    for (std::string_view name : names)
        out << QString::fromLatin1(name.data(), qsizetype(name.size()));
    return out;
}

} // namespace

class PropertyEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void opensWithItsNamesListsAndTabOrder()
    {
        EditorFixture f;
        auto editor = f.open(f.add(ControlKind::Button));
        QCOMPARE(editor->objectName(), QStringLiteral("frm_Options"));
        QCOMPARE(editor->windowTitle(), QStringLiteral("Control Properties"));
        QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->toolTip(),
                 QStringLiteral("Style for this control. Genrally text alignment."));
        QCOMPARE(field(editor.get(), "txt_fg_a")->maxLength(), 5);
        QCOMPARE(entries(field<QComboBox>(editor.get(), "cmb_font")), listOf(kFontNames));
        QCOMPARE(entries(field<QComboBox>(editor.get(), "cmb_style")),
                 listOf(styleChoices(ControlKind::Button)));
        QCOMPARE(field<QComboBox>(editor.get(), "cmb_style")->currentText(),
                 QStringLiteral("ST_CENTER"));

        // The focus chain from the first field passes the elements in the form's order.
        QStringList order = QStringLiteral("txt_name txt_IDc txt_width txt_height cmb_font "
                                           "txt_fontsize cmb_style chk_multi chk_shadow "
                                           "txt_linespacing txt_text")
                                .split(' ');
        for (const char *group : {"fg", "bg", "active", "sel", "selbg"}) {
            for (const char *part :
                 {"txt_%1_r", "txt_%1_g", "txt_%1_b", "txt_%1_a", "cmd_%1sample"})
                order << QString::fromLatin1(part).arg(QLatin1String(group));
        }
        order << QStringLiteral("txt_rowheight txt_wholeheight txt_action chk_enter cmd_OK "
                                "cmd_apply cmd_delete cmd_Cancel")
                     .split(' ');
        QStringList chain;
        QWidget *w = field(editor.get(), "txt_name");
        for (int guard = 0; guard < 400 && chain.size() < order.size(); ++guard) {
            if (order.contains(w->objectName()) && !chain.contains(w->objectName()))
                chain << w->objectName();
            w = w->nextInFocusChain();
        }
        QCOMPARE(chain, order);
    }

    void usableFieldsFollowTheKindAndTheRestIsGrey()
    {
        const std::pair<const char *, KindField> fields[] = {
            {"txt_bg_r", KindField::BackColor},      {"cmb_font", KindField::Font},
            {"txt_text", KindField::Text},           {"txt_active_g", KindField::ActiveColor},
            {"txt_action", KindField::Action},       {"chk_enter", KindField::Enter},
            {"txt_sel_b", KindField::SelectColor},   {"txt_selbg_a", KindField::SelectBGColor},
            {"txt_rowheight", KindField::RowHeight}, {"txt_wholeheight", KindField::WholeHeight},
            {"chk_multi", KindField::Multiline},     {"chk_shadow", KindField::Shadow},
        };
        for (ControlKind kind : kAllKinds) {
            EditorFixture f;
            auto editor = f.open(f.add(kind));
            for (const auto &[name, kindField] : fields) {
                QWidget *element = editor->findChild<QWidget *>(QLatin1String(name));
                const QByteArray where = kindWord(kind).data() + QByteArray(" ") + name;
                QVERIFY2(element->isEnabled() == isUsable(kind, kindField), where);
                if (!element->isEnabled())
                    QVERIFY2(backgroundOf(element) == kUnusableBackground, where);
            }
        }
        EditorFixture f;
        auto slider = f.open(f.add(ControlKind::Slider));
        // The closing refresh paints the selection background sample from its empty fields.
        QCOMPARE(slider->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(Qt::black));
        QCOMPARE(slider->colourGroup(ColourGroup::Back)->sampleColour(), kUnusableBackground);
        QCOMPARE(field(slider.get(), "txt_rowheight")->text(), QStringLiteral("0")); // still shown
        auto input = f.open(f.add(ControlKind::Input));
        QCOMPARE(input->colourGroup(ColourGroup::Select)->sampleColour(), QColor(128, 128, 128));
        QCOMPARE(field(input.get(), "txt_sel_g")->text(), QStringLiteral("0.5"));
        QCOMPARE(input->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(Qt::black));
    }

    void unknownKindOffersNoStyleAndKeepsItsStyle()
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
        QVERIFY(field(editor.get(), "txt_selbg_a")->isEnabled());
        QVERIFY(!field(editor.get(), "txt_linespacing")->isEnabled());
        field(editor.get(), "txt_name")->setText(QStringLiteral("renamed"));
        editor->cmd_OK_Click();
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QCOMPARE(f.record(i).Style, std::string("ST_LEFT + ST_SHADOW"));
        QCOMPARE(f.record(i).Name, std::string("renamed"));
    }

    void multilineSwitchTogglesLineSpacingAndKeepsItsText()
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
        QCOMPARE(spacing->text(), QStringLiteral("1.25"));
        for (bool usable : {true, false, true}) {
            QCOMPARE(spacing->isEnabled(), usable);
            QCOMPARE(backgroundOf(spacing),
                     usable ? QPalette().color(QPalette::Base) : kUnusableBackground);
            QCOMPARE(spacing->text(), QStringLiteral("1.25"));
            toggle(editor.get(), "chk_multi");
        }
        typeInto(spacing, QStringLiteral("1.255"));
        QCOMPARE(spacing->text(), QStringLiteral("1.25"));
    }

    void fontSearchIgnoresCaseAndShowsThePreview()
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

        // Nor does a missing picture, or a file that is no picture.
        QTemporaryDir folder;
        FontPreview lone({folder.path()});
        lone.showFont(QStringLiteral("TahomaB36"));
        QVERIFY(lone.pixmap().isNull());
        QCOMPARE(lone.shownFile(), QString());
        QFile broken(folder.filePath(QStringLiteral("Garamond64.gif")));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        lone.showFont(QStringLiteral("Garamond64"));
        QVERIFY(lone.pixmap().isNull());
    }

    void fieldsSelectAllOnFocusOnlyWhereTheTableSaysSo()
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

    void guardCutsWhatIsTypedNotWhatIsShown()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        f.editRecord(i, [](ControlRecord &r) {
            r.Width = 0.12345f;
            r.IDC = 1500;
        });
        auto editor = f.open(i);
        QLineEdit *width = field(editor.get(), "txt_width");
        QLineEdit *idc = field(editor.get(), "txt_IDc");
        QLineEdit *height = field(editor.get(), "txt_height");
        QCOMPARE(width->text(), QStringLiteral("0.12345"));
        QCOMPARE(idc->text(), QStringLiteral("1500"));
        const std::tuple<QLineEdit *, const char *, const char *> typed[]
            = {{width, "1.5", "1"}, {idc, "12.5", "125"},        {idc, "-5", "-1"},
               {height, "abc", ""}, {height, "0.0456", "0.045"}, {idc, "12.5", "125"}};
        for (const auto &[edit, keys, shown] : typed) {
            typeInto(edit, QString::fromLatin1(keys));
            QCOMPARE(edit->text(), QString::fromLatin1(shown));
        }
        editor->cmd_OK_Click();
        QCOMPARE(f.record(i).Width, 1.0f);
        QCOMPARE(f.record(i).IDC, std::int16_t(125));
        QCOMPARE(f.record(i).Height, 0.045f);
    }

    void bothSeparators()
    {
        for (char separator : {'.', ','}) {
            EditorFixture f(separator);
            const std::size_t i = f.add(ControlKind::Text);
            auto editor = f.open(i);
            const QString sep {QLatin1Char(separator)};
            QCOMPARE(field(editor.get(), "txt_width")->text(), "0" + sep + "2");

            // Either separator typed becomes the user's.
            typeInto(field(editor.get(), "txt_width"), QStringLiteral("0.5"));
            QCOMPARE(field(editor.get(), "txt_width")->text(), "0" + sep + "5");
            typeInto(field(editor.get(), "txt_height"), QStringLiteral("0,25"));
            QCOMPARE(field(editor.get(), "txt_height")->text(), "0" + sep + "25");
            typeInto(field(editor.get(), "txt_fg_g"), QStringLiteral("0.3"));
            QCOMPARE(editor->colourGroup(ColourGroup::Fore)->sampleColour(), QColor(255, 77, 255));

            // The picker fills the fields through the same guard, alpha left alone.
            f.host.scripted.colours.push_back(QColor(0, 128, 5));
            field(editor.get(), "txt_fg_a")->setText(QStringLiteral("0.7"));
            click(editor.get(), "cmd_fgsample");
            QCOMPARE(f.host.scripted.titles(), QStringList({"Select foreground color"}));
            const std::string s(1, separator);
            QCOMPARE(editor->colourGroup(ColourGroup::Fore)->texts(),
                     (ColourTexts {"0", "0" + s + "501", "0" + s + "019", "0.7"}));
            QCOMPARE(editor->colourGroup(ColourGroup::Fore)->sampleColour(), QColor(0, 128, 5));
            typeInto(field(editor.get(), "txt_fg_g"), QStringLiteral("0.3"));

            editor->cmd_OK_Click();
            const ControlRecord &r = f.record(i);
            QCOMPARE(r.Width, 0.5f);
            QCOMPARE(r.Height, 0.25f);
            // Colours are kept as typed; the file reader and the generator read both separators.
            QCOMPARE(std::get<std::string>((*r.ForeColor)[1]), "0" + s + "3");
        }
    }

    void samplesFollowRedGreenAndBlueOnly()
    {
        EditorFixture f;
        auto editor = f.open(f.add(ControlKind::Combo));
        ColourGroupBox *back = editor->colourGroup(ColourGroup::Back);
        QCOMPARE(back->sampleColour(), QColor(102, 102, 102));
        empty(field(editor.get(), "txt_bg_g"));
        QCOMPARE(back->sampleColour(), QColor(102, 0, 102));
        typeInto(field(editor.get(), "txt_bg_a"), QStringLiteral("0.1"));
        QCOMPARE(back->sampleColour(), QColor(102, 0, 102));
        typeInto(field(editor.get(), "txt_bg_r"), QStringLiteral("-"));
        QCOMPARE(field(editor.get(), "txt_bg_r")->text(), QStringLiteral("-"));
        QCOMPARE(back->sampleColour(), QColor(0, 0, 102)); // a lone minus paints as 0

        // ALL repaints the selection background sample only.
        field(editor.get(), "txt_selbg_r")->blockSignals(true);
        field(editor.get(), "txt_selbg_r")->setText(QStringLiteral("1"));
        field(editor.get(), "txt_selbg_r")->blockSignals(false);
        editor->UpdateSample(SampleChoice::OneField, QStringLiteral("txt_selbg_a"));
        QCOMPARE(editor->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(51, 51, 51));
        editor->UpdateSample(SampleChoice::All);
        QCOMPARE(editor->colourGroup(ColourGroup::SelectBG)->sampleColour(), QColor(255, 51, 51));
    }

    void pickerCancelChangesNothingAndBlackFillsZero()
    {
        EditorFixture f;
        auto editor = f.open(f.add(ControlKind::Text));
        ColourGroupBox *back = editor->colourGroup(ColourGroup::Back);
        f.host.scripted.colours = {QColor(255, 0, 0), std::nullopt, QColor(Qt::black)};
        click(editor.get(), "cmd_bgsample");
        QCOMPARE(back->texts(), (ColourTexts {"1", "0", "0", "0"}));
        field(editor.get(), "txt_bg_r")->setText(QStringLiteral("0.5"));
        click(editor.get(), "cmd_bgsample"); // cancelled: the red pick is not applied again
        QCOMPARE(back->texts(), (ColourTexts {"0.5", "0", "0", "0"}));
        click(editor.get(), "cmd_bgsample");
        QCOMPARE(back->texts(), (ColourTexts {"0", "0", "0", "0"}));
        QCOMPARE(back->sampleColour(), QColor(Qt::black));
        QCOMPARE(f.host.scripted.unexpected, 0);
        QCOMPARE(f.host.scripted.titles(), QStringList(3, "Select background color"));
    }

    void aFailedCheckShowsOneWarningAndChangesNothing_data()
    {
        QTest::addColumn<bool>("emptied");
        QTest::addColumn<QString>("button");
        QTest::newRow("every field emptied, OK") << true << "cmd_OK";
        QTest::newRow("a quote and a bad name, Apply") << false << "cmd_apply";
    }
    void aFailedCheckShowsOneWarningAndChangesNothing()
    {
        QFETCH(bool, emptied);
        QFETCH(QString, button);
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Link);
        const ControlRecord before = f.record(i);
        auto editor = f.open(i);
        for (QLineEdit *edit : editor->findChildren<QLineEdit *>()) {
            if (emptied && edit->isEnabled())
                empty(edit);
        }
        if (!emptied) {
            typeInto(field(editor.get(), "txt_name"), QStringLiteral("###"));
            field<QPlainTextEdit>(editor.get(), "txt_text")->setPlainText("say \"hi\"");
        }
        click(editor.get(), qPrintable(button));
        QCOMPARE(f.host.scripted.shown.size(), 1);
        QCOMPARE(f.host.scripted.shown.front().icon, UserPrompts::Icon::Warning);
        QCOMPARE(f.host.scripted.shown.front().title, QStringLiteral("WARNING"));
        QCOMPARE(f.host.scripted.shown.front().text.count(QStringLiteral("\r\n")), emptied ? 7 : 2);
        QVERIFY(editor->isVisible());
        QVERIFY(f.record(i) == before);
        QCOMPARE(f.host.changes, 0);
    }

    void linkWithEmptyBackColorPassesAndStoresEmptyTexts()
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

    void styleWithBothSuffixesSurvivesASecondApply()
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
        QCOMPARE(field<QComboBox>(again.get(), "cmb_style")->currentText(),
                 QStringLiteral("ST_RIGHT"));
        QVERIFY(field<QCheckBox>(again.get(), "chk_multi")->isChecked());
        QVERIFY(field<QCheckBox>(again.get(), "chk_shadow")->isChecked());
    }

    void untouchedOkChangesNothing()
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
            editor->cmd_OK_Click();
            QCOMPARE(editor->result(), int(QDialog::Accepted));
            QVERIFY2(f.record(i) == before, kindWord(kind).data());
        }
    }

    void untouchedMultiLineTextRoundTrips()
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

    void applyOnButtonChangesCaptionNotColours()
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

    void okRefreshesSizeAndColoursOfAText()
    {
        EditorFixture f(',');
        const std::size_t i = f.add(ControlKind::Text);
        const DrawnControl before = *f.drawn(i);
        const SurfaceSize surface = f.view->outerSize();
        auto editor = f.open(i);
        typeInto(field(editor.get(), "txt_width"), QStringLiteral("0,5"));
        typeInto(field(editor.get(), "txt_bg_b"), QStringLiteral("1"));
        typeInto(field(editor.get(), "txt_fg_g"), QStringLiteral("0"));
        field<QComboBox>(editor.get(), "cmb_font")->setCurrentIndex(9);
        click(editor.get(), "cmd_OK");
        const DrawnControl *after = f.drawn(i);
        QCOMPARE(after->width, 0.5 * surface.width);
        QCOMPARE(after->height, 0.1 * surface.height); // the field's text, not the stored float
        QCOMPARE(after->left, before.left);
        QCOMPARE(after->textColour, (std::optional<Rgb8>(Rgb8 {255, 0, 255})));
        QCOMPARE(after->backColour, (std::optional<Rgb8>(Rgb8 {0, 0, 255})));
        QCOMPARE(f.record(i).Font, std::string(kFontNames[9]));
        QVERIFY(!editor->isVisible());

        const std::size_t combo = f.add(ControlKind::Combo); // the fields only lists have
        auto comboEditor = f.open(combo);
        typeInto(field(comboEditor.get(), "txt_wholeheight"), QStringLiteral("0,45"));
        click(comboEditor.get(), "cmd_OK");
        QCOMPARE(f.record(combo).WholeHeight, 0.45f);
    }

    void deleteRemovesTheMiddleOfThreeWithoutAsking()
    {
        EditorFixture f;
        f.add(ControlKind::Text);
        const std::size_t middle = f.add(ControlKind::Button, 3000, 3000);
        f.add(ControlKind::List, 6000, 6000);
        const std::string middleTag = f.record(middle).Tag;
        const std::string thirdName = f.record(2).Name;
        auto editor = f.open(middle);
        QCOMPARE(editor->ItemCtrl()->tag, middleTag);
        click(editor.get(), "cmd_delete");
        QCOMPARE(editor->result(), PropertyEditor::Deleted);
        QCOMPARE(f.host.set.dialog(0).cControls.size(), std::size_t(2));
        QCOMPARE(f.record(1).Name, thirdName);
        QCOMPARE(f.host.set.drawnControls(0).hitTest(3100, 3100), nullptr);
        QCOMPARE(f.host.stepNames, QStringList {"Delete control"});
        QCOMPARE(f.host.scripted.shown.size(), 0);
    }

    void enterReleaseRunsOkEvenInMultiLineFields()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        auto editor = f.open(i);
        auto *action = field<QPlainTextEdit>(editor.get(), "txt_action");
        action->setPlainText(QStringLiteral("closeDialog 1;"));
        // A release whose press went elsewhere (the box a failed check showed) does nothing.
        QTest::keyRelease(action, Qt::Key_Return);
        QTest::keyRelease(action, Qt::Key_Escape);
        QVERIFY(editor->isVisible());
        QTest::keyPress(action, Qt::Key_Return);
        QVERIFY(editor->isVisible()); // the press alone does nothing
        QCOMPARE(action->toPlainText(), QStringLiteral("closeDialog 1;"));
        QTest::keyRelease(action, Qt::Key_Return);
        QCOMPARE(editor->result(), int(QDialog::Accepted));
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.record(i).Action, std::string("closeDialog 1;"));

        // Every element does the same, buttons and lists included (the keypad's Enter too).
        for (const char *name :
             {"txt_name", "cmb_font", "cmd_fgsample", "cmd_Cancel", "chk_enter"}) {
            auto other = f.open(i);
            QTest::keyClick(other->findChild<QWidget *>(QLatin1String(name)), Qt::Key_Enter);
            QVERIFY2(!other->isVisible(), name);
            QCOMPARE(other->result(), int(QDialog::Accepted));
        }
        QCOMPARE(f.host.scripted.shown.size(), 0);
    }

    void escapeReleaseRunsCancel()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Text);
        const ControlRecord before = f.record(i);
        for (const char *name : {"txt_name", "txt_text", "txt_fg_r", "cmb_style", "cmd_OK"}) {
            auto editor = f.open(i);
            typeInto(field(editor.get(), "txt_name"), QStringLiteral("changed"));
            QWidget *element = editor->findChild<QWidget *>(QLatin1String(name));
            QTest::keyPress(element, Qt::Key_Escape);
            QVERIFY2(editor->isVisible(), name);
            QTest::keyRelease(element, Qt::Key_Escape);
            QVERIFY2(!editor->isVisible(), name);
            QCOMPARE(editor->result(), int(QDialog::Rejected));
        }
        QVERIFY(f.record(i) == before);
    }

    void modifiedEnterTypesALineBreak()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Text);
        auto editor = f.open(i);
        auto *text = field<QPlainTextEdit>(editor.get(), "txt_text");
        QTest::keyClicks(text, QStringLiteral("one"));
        QTest::keyPress(text, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyRelease(text, Qt::Key_Return); // Shift let go first: still no OK
        QTest::keyClicks(text, QStringLiteral("two"));
        QVERIFY(editor->isVisible());
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!editor->isVisible());
        QCOMPARE(f.record(i).Text, std::string("one\r\ntwo"));
    }

    void openerShowsTheEditorModallyOnlyForARecord()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Text);
        QString seen;
        QTimer::singleShot(0, [&seen] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal) { // fail rather than hang
                for (QWidget *top : QApplication::topLevelWidgets()) {
                    if (auto *dialog = qobject_cast<QDialog *>(top))
                        dialog->reject();
                }
                return;
            }
            seen = modal->objectName();
            QTest::keyClick(modal->findChild<QWidget *>(QStringLiteral("txt_name")),
                            Qt::Key_Escape);
        });
        openPropertyEditor(f.host, *f.view, i, nullptr);
        QCOMPARE(seen, QStringLiteral("frm_Options"));

        openPropertyEditor(f.host, *f.view, 5, nullptr); // no such record: a message, no editor
        QCOMPARE(f.messages(), QStringList({"WARNING|This control no longer exists."}));
    }
};

QTEST_MAIN(PropertyEditorTest)
#include "property_editor_test.moc"
