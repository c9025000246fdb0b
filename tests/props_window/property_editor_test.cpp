// Widget tests of the "Control Properties" editor, run offscreen on real records. The field rules
// themselves (reading, guards, check, saving) are tested in the core; these drive the widgets.
#include "../support/fake_surface_host.h"
#include "model/dialog_set.h"
#include "model/kind_properties.h"
#include "model/number_text.h"
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
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
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

    // Opens the editor on the record, in place of the one opened before.
    PropertyEditor &open(std::size_t index)
    {
        editor = std::make_unique<PropertyEditor>(host, *view, index);
        editor->show();
        return *editor;
    }
    template<typename Widget = QLineEdit> Widget *at(const char *name)
    {
        return editor->findChild<Widget *>(QString::fromLatin1(name));
    }
    // Replaces the field's text as the user would: select all, then type.
    void type(const char *name, const QString &text)
    {
        at(name)->selectAll();
        QTest::keyClicks(at(name), text);
    }
    void setText(const char *name, const QString &text)
    {
        at<QPlainTextEdit>(name)->setPlainText(text);
    }
    void click(const char *button) { QTest::mouseClick(at<QPushButton>(button), Qt::LeftButton); }
    void toggle(const char *box)
    {
        auto *check = at<QCheckBox>(box);
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
    }
    QColor sample(ColourGroup group) { return editor->colourGroup(group)->sampleColour(); }
    ColourTexts colours(ColourGroup group) { return editor->colourGroup(group)->texts(); }

    FakeSurfaceHost host;
    std::unique_ptr<SurfaceView> view;
    std::unique_ptr<PropertyEditor> editor;
};

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

} // namespace

class PropertyEditorTest : public QObject
{
    Q_OBJECT
private slots:
    void focusChainPassesTheElementsInTheFormsOrder()
    {
        EditorFixture f;
        f.open(f.add(ControlKind::Button));
        QStringList order = QStringLiteral("txt_name txt_IDc txt_width txt_height cmb_font "
                                           "txt_fontsize cmb_style chk_multi chk_shadow "
                                           "txt_linespacing txt_text")
                                .split(' ');
        for (const char *group : {"fg", "bg", "active", "sel", "selbg"}) {
            for (const char *part :
                 {"txt_%1_r", "txt_%1_g", "txt_%1_b", "txt_%1_a", "cmd_%1sample"})
                order << QString::fromLatin1(part).arg(QLatin1String(group));
        }
        order << QStringLiteral(
                     "txt_rowheight txt_wholeheight txt_action chk_enter txt_others cmd_OK "
                     "cmd_apply cmd_delete cmd_Cancel")
                     .split(' ');
        QStringList chain;
        QWidget *w = f.at("txt_name");
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
            {"txt_bg_r", KindField::BackColor},
            {"cmb_font", KindField::Font},
            {"txt_text", KindField::Text},
            {"txt_active_g", KindField::ActiveColor},
            {"txt_action", KindField::Action},
            {"chk_enter", KindField::Enter},
            {"txt_sel_b", KindField::SelectColor},
            {"txt_selbg_a", KindField::SelectBGColor},
            {"txt_rowheight", KindField::RowHeight},
            {"txt_wholeheight", KindField::WholeHeight},
            {"chk_multi", KindField::Multiline},
            {"chk_shadow", KindField::Shadow},
            {"chk_scrollbars", KindField::ScrollBars},
        };
        for (ControlKind kind : kAllKinds) {
            EditorFixture f;
            f.open(f.add(kind));
            for (const auto &[name, kindField] : fields) {
                QWidget *element = f.at<QWidget>(name);
                const QByteArray where = kindWord(kind).data() + QByteArray(" ") + name;
                QVERIFY2(element->isEnabled() == isUsable(kind, kindField), where);
                if (!element->isEnabled())
                    QVERIFY2(backgroundOf(element) == kUnusableBackground, where);
            }
        }
        EditorFixture f;
        f.open(f.add(ControlKind::Slider));
        QCOMPARE(f.sample(ColourGroup::Back), kUnusableBackground);
        // The closing refresh paints the selection background sample from its empty fields.
        QCOMPARE(f.sample(ColourGroup::SelectBG), QColor(Qt::black));
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
        f.open(i);
        QCOMPARE(f.at<QComboBox>("cmb_style")->count(), 0);
        QVERIFY(f.at("txt_selbg_a")->isEnabled());
        f.at("txt_name")->setText(QStringLiteral("renamed"));
        f.editor->cmd_OK_Click();
        QCOMPARE(f.editor->result(), int(QDialog::Accepted));
        QCOMPARE(f.record(i).Style, std::string("ST_LEFT + ST_SHADOW"));
        QCOMPARE(f.record(i).Name, std::string("renamed"));
    }

    void styleChoicesAndSwitchesAreReadAndWrittenAndMultilineTogglesLineSpacing()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Text);
        f.editRecord(i, [](ControlRecord &r) {
            r.Style = "ST_CENTER + ST_MULTI + ST_NO_RECT + ST_SHADOW";
            r.LineSpacing = 1.25f;
        });
        f.open(i);
        QCOMPARE(f.at<QComboBox>("cmb_style")->currentText(), QStringLiteral("ST_CENTER"));
        QVERIFY(f.at<QCheckBox>("chk_multi")->isChecked());
        QVERIFY(f.at<QCheckBox>("chk_shadow")->isChecked());
        QLineEdit *spacing = f.at("txt_linespacing");
        for (bool usable : {true, false, true}) {
            QCOMPARE(spacing->isEnabled(), usable);
            QCOMPARE(backgroundOf(spacing),
                     usable ? QPalette().color(QPalette::Base) : kUnusableBackground);
            QCOMPARE(spacing->text(), QStringLiteral("1.25"));
            f.toggle("chk_multi");
        }
        // Each choice goes into the record: the style, both switches, the line spacing.
        f.toggle("chk_multi"); // on again
        f.at<QComboBox>("cmb_style")->setCurrentIndex(2);
        f.toggle("chk_shadow");
        f.type("txt_linespacing", QStringLiteral("1.5"));
        f.click("cmd_apply");
        QCOMPARE(f.record(i).Style, std::string("ST_RIGHT + ST_MULTI + ST_NO_RECT"));
        QCOMPARE(f.record(i).LineSpacing, 1.5f);
    }

    void fontSearchIgnoresCaseAndShowsThePreview()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Text);
        QCOMPARE(f.record(i).Font, std::string("tahomaB36"));
        f.open(i);
        auto *font = f.at<QComboBox>("cmb_font");
        QCOMPARE(font->currentText(), QStringLiteral("TahomaB36"));
        auto *preview = f.at<FontPreview>("img_font");
        // The build puts the pictures beside this test program, as beside kovrin.
        QVERIFY(preview->shownFile().endsWith(QStringLiteral("/TahomaB36.gif")));
        QVERIFY(!preview->pixmap().isNull());
        font->setCurrentIndex(2);
        QVERIFY(preview->shownFile().endsWith(QStringLiteral("/CourierNewB64.gif")));

        // A font the list does not hold selects nothing and shows no picture.
        f.editRecord(i, [](ControlRecord &r) { r.Font = "Arial"; });
        f.open(i);
        QCOMPARE(f.at<QComboBox>("cmb_font")->currentIndex(), -1);
        QVERIFY(f.at<FontPreview>("img_font")->pixmap().isNull());

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
        f.open(i).activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.editor.get()));
        const auto selectsAll = [&f](const char *name, bool byMouse) {
            QLineEdit *edit = f.at(name);
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

    // An untouched OK keeps the record as it was, values the guard would cut included.
    void guardCutsWhatIsTypedNotWhatIsShown()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        f.editRecord(i, [](ControlRecord &r) {
            r.Width = 0.12345f;
            r.IDC = 1500;
            r.FontSize = 1.0f / 3.0f;
            r.Text = "first line\r\nsecond line\r\n";
            r.BackColor = texts("0,5", "0.25", "0", "1");
        });
        const ControlRecord before = f.record(i);
        f.open(i);
        QCOMPARE(f.at("txt_width")->text(), QStringLiteral("0.12345"));
        QCOMPARE(f.at("txt_IDc")->text(), QStringLiteral("1500"));
        f.click("cmd_OK");
        QCOMPARE(f.editor->result(), int(QDialog::Accepted));
        QVERIFY(f.record(i) == before);
        f.open(i);
        const std::tuple<const char *, const char *, const char *> typed[]
            = {{"txt_width", "1.5", "1"},
               {"txt_IDc", "12.5", "125"},
               {"txt_height", "0.0456", "0.045"}};
        for (const auto &[name, keys, shown] : typed) {
            f.type(name, QString::fromLatin1(keys));
            QCOMPARE(f.at(name)->text(), QString::fromLatin1(shown));
        }
        f.editor->cmd_OK_Click();
        QCOMPARE(f.record(i).Width, 1.0f);
        QCOMPARE(f.record(i).IDC, std::int16_t(125));
        QCOMPARE(f.record(i).Height, 0.045f);
    }

    // The user's separator is shown, typed either way and given to the picker's texts.
    void theUsersSeparatorEverywhere()
    {
        EditorFixture f(',');
        const std::size_t i = f.add(ControlKind::Text);
        f.open(i);
        QCOMPARE(f.at("txt_width")->text(), QStringLiteral("0,2"));
        f.type("txt_width", QStringLiteral("0.5"));
        QCOMPARE(f.at("txt_width")->text(), QStringLiteral("0,5"));
        f.type("txt_height", QStringLiteral("0,25"));

        // The picker fills the fields through the same guard, alpha left alone.
        f.host.scripted.colours.push_back(QColor(0, 128, 5));
        f.at("txt_fg_a")->setText(QStringLiteral("0.7"));
        f.click("cmd_fgsample");
        QCOMPARE(f.colours(ColourGroup::Fore), (ColourTexts {"0", "0,501", "0,019", "0.7"}));
        QCOMPARE(f.sample(ColourGroup::Fore), QColor(0, 128, 5));
        f.type("txt_fg_g", QStringLiteral("0.3"));

        f.editor->cmd_OK_Click();
        QCOMPARE(f.record(i).Width, 0.5f);
        QCOMPARE(f.record(i).Height, 0.25f);
        // Colours are kept as typed; the file reader and the generator read both separators.
        QCOMPARE(std::get<std::string>((*f.record(i).ForeColor)[1]), std::string("0,3"));
    }

    void samplesFollowTheirFieldsAndThePicker()
    {
        EditorFixture f;
        f.open(f.add(ControlKind::Combo));
        QCOMPARE(f.sample(ColourGroup::Back), QColor(102, 102, 102));
        empty(f.at("txt_bg_g"));
        QCOMPARE(f.sample(ColourGroup::Back), QColor(102, 0, 102));

        // ALL repaints the selection background sample only.
        f.at("txt_selbg_r")->blockSignals(true);
        f.at("txt_selbg_r")->setText(QStringLiteral("1"));
        f.at("txt_selbg_r")->blockSignals(false);
        f.editor->UpdateSample(SampleChoice::OneField, QStringLiteral("txt_selbg_a"));
        QCOMPARE(f.sample(ColourGroup::SelectBG), QColor(51, 51, 51));
        f.editor->UpdateSample(SampleChoice::All);
        QCOMPARE(f.sample(ColourGroup::SelectBG), QColor(255, 51, 51));

        // A cancelled pick changes nothing.
        f.open(f.add(ControlKind::Text));
        f.host.scripted.colours = {QColor(255, 0, 0), std::nullopt};
        f.click("cmd_bgsample");
        QCOMPARE(f.colours(ColourGroup::Back), (ColourTexts {"1", "0", "0", "0"}));
        f.at("txt_bg_r")->setText(QStringLiteral("0.5"));
        f.click("cmd_bgsample"); // cancelled: the red pick is not applied again
        QCOMPARE(f.colours(ColourGroup::Back), (ColourTexts {"0.5", "0", "0", "0"}));
        QCOMPARE(f.host.scripted.titles(), QStringList(2, "Select background color"));
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
        for (QLineEdit *edit : f.open(i).findChildren<QLineEdit *>()) {
            if (emptied && edit->isEnabled())
                empty(edit);
        }
        if (!emptied) {
            f.type("txt_name", QStringLiteral("###"));
            f.setText("txt_text", QStringLiteral("say \"hi\""));
        }
        f.click(qPrintable(button));
        QCOMPARE(f.host.scripted.shown.size(), 1);
        QCOMPARE(f.host.scripted.shown.front().icon, UserPrompts::Icon::Warning);
        QCOMPARE(f.host.scripted.shown.front().title, QStringLiteral("WARNING"));
        QCOMPARE(f.host.scripted.shown.front().text.count(QStringLiteral("\r\n")), emptied ? 7 : 2);
        QVERIFY(f.editor->isVisible());
        QVERIFY(f.record(i) == before);
        QCOMPARE(f.host.changes, 0);
    }

    void otherPropertiesAreShownAndABadLineKeepsThemAsTheyWere()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        f.editRecord(i, [](ControlRecord &r) {
            r.Others = OtherProperties({{"onButtonClick", "\"a\""}, {"class A", "{b = 1;}"}});
            r.Base = "RscButtonMenu";
        });
        const ControlRecord before = f.record(i);
        f.open(i);
        QCOMPARE(f.at<QPlainTextEdit>("txt_others")->toPlainText(),
                 QStringLiteral("onButtonClick = \"a\"\nclass A {b = 1;}"));
        // The game's base is shown, not typed.
        QCOMPARE(f.at<QLineEdit>("txt_base")->text(), QStringLiteral("RscButtonMenu"));
        QVERIFY(f.at<QLineEdit>("txt_base")->isReadOnly());
        f.setText("txt_others", QStringLiteral("onButtonClick = \"b\"\nshadow 0"));
        f.click("cmd_apply");
        QCOMPARE(f.host.scripted.shown.size(), 1);
        QVERIFY(f.host.scripted.shown.front().text.contains(QStringLiteral("line 2")));
        QVERIFY(f.record(i) == before);
        QCOMPARE(f.host.changes, 0);
        // A button's class writes no background colour, and one on the game's base no type.
        f.setText(
            "txt_others",
            QStringLiteral("onButtonClick = \"b\";\n\ntype = 1\ncolorBackground[] = {0, 0, 0, 1}"));
        f.click("cmd_OK");
        QCOMPARE(f.host.scripted.shown.size(), 1);
        QCOMPARE(f.host.changes, 1);
        const OtherProperties expected(
            {{"onButtonClick", "\"b\""}, {"type", "1"}, {"colorBackground[]", "{0, 0, 0, 1}"}});
        QVERIFY(f.record(i).Others == expected);
        QCOMPARE(f.record(i).Text, before.Text);
        QCOMPARE(f.record(i).Base, before.Base);
    }

    void applyOnButtonChangesCaptionNotColours()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        const DrawnControl before = *f.drawn(i);
        f.open(i);
        f.setText("txt_text", QStringLiteral("Start"));
        f.setText("txt_action", QStringLiteral("closeDialog 0;\nhint \"done\";"));
        f.type("txt_fg_r", QStringLiteral("1"));
        f.click("cmd_apply");
        QCOMPARE(f.record(i).Action, std::string("closeDialog 0;\r\nhint \"done\";"));
        QVERIFY(f.editor->isVisible());
        QCOMPARE(f.drawn(i)->caption, std::string("Start"));
        QCOMPARE(f.drawn(i)->textColour, before.textColour);
        QCOMPARE(f.drawn(i)->backColour, before.backColour);
        QVERIFY(f.record(i).ForeColor == texts("1", "0", "0", "1"));
        QCOMPARE(f.host.stepNames, QStringList({"Control properties"}));
    }

    void okRefreshesTheDrawnControlAsItsKindShows()
    {
        EditorFixture f(',');
        const std::size_t i = f.add(ControlKind::Text);
        const SurfaceSize surface = f.view->outerSize();
        f.open(i);
        f.type("txt_width", QStringLiteral("0,5"));
        f.type("txt_bg_b", QStringLiteral("1"));
        f.type("txt_fg_g", QStringLiteral("0"));
        f.at<QComboBox>("cmb_font")->setCurrentIndex(9);
        f.click("cmd_OK");
        const DrawnControl *after = f.drawn(i);
        QCOMPARE(after->width, 0.5 * surface.width);
        QCOMPARE(after->height, 0.1 * surface.height); // the field's text, not the stored float
        QCOMPARE(after->textColour, (std::optional<Rgb8>(Rgb8 {255, 0, 255})));
        QCOMPARE(after->backColour, (std::optional<Rgb8>(Rgb8 {0, 0, 255})));
        QCOMPARE(f.record(i).Font, std::string(kFontNames[9]));
        QVERIFY(!f.editor->isVisible());

        const std::size_t combo = f.add(ControlKind::Combo); // the fields only lists have
        f.open(combo);
        f.type("txt_wholeheight", QStringLiteral("0,45"));
        f.click("cmd_OK");
        QCOMPARE(f.record(combo).WholeHeight, 0.45f);
    }

    // A safe-zone size shows its F with the measure beside it and takes a typed F; an expression
    // shows its text, untyped, with its value beside it. Screen sizes show no words.
    void sizesInOtherFormsShowTheirWordsAndASafeZoneSizeTakesItsF()
    {
        EditorFixture f;
        f.host.set.setLayout(0, DialogLayout::SafeZone);
        const std::size_t i = f.add(ControlKind::Text);
        f.editRecord(i, [](ControlRecord &r) {
            r.Forms.set(FormField::FontSize, FieldForm {PositionForm::Expression, 0, "0.02 * 2"});
        });
        const SurfaceSize surface = f.view->outerSize();
        f.open(i);
        const float opened = f.record(i).Forms[FormField::Width].fraction;
        QCOMPARE(f.at("txt_width")->text(), QString::fromStdString(singleText(opened, '.')));
        QCOMPARE(f.at<QLabel>("lbl_width_form")->text(), QStringLiteral("\u00d7 safe zone width"));
        QVERIFY(f.at<QLabel>("lbl_height_form")->isVisibleTo(f.editor.get()));
        QCOMPARE(f.at("txt_fontsize")->text(), QStringLiteral("0.02 * 2"));
        QVERIFY(f.at("txt_fontsize")->isReadOnly());
        QCOMPARE(f.at<QLabel>("lbl_fontsize_form")->text(), QStringLiteral("= 0.04 of the screen"));

        f.type("txt_width", QStringLiteral("0.5"));
        f.click("cmd_OK");
        const ControlRecord &r = f.record(i);
        QCOMPARE(r.Forms[FormField::Width].fraction, 0.5f);
        QCOMPARE(r.Width,
                 static_cast<float>(
                     screenFromSafeZone(0.5, PositionAxis::Width, f.host.set.referenceScreen())));
        QCOMPARE(r.Forms[FormField::FontSize].expression, std::string("0.02 * 2"));
        const SurfaceSize onFrame {
            surface.width, surface.height,
            surfaceFrameOf(f.host.set.dialog(0), f.host.set.referenceScreen())};
        QVERIFY(std::abs(f.drawn(i)->width - twipsFromScreen(r.Width, PositionAxis::Width, onFrame))
                < 1);

        f.host.set.setLayout(0, DialogLayout::Screen);
        f.open(f.add(ControlKind::Text));
        for (const char *words : {"lbl_width_form", "lbl_height_form", "lbl_fontsize_form"})
            QVERIFY(!f.at<QLabel>(words)->isVisibleTo(f.editor.get()));
        QVERIFY(!f.at("txt_fontsize")->isReadOnly());
    }

    void deleteRemovesTheMiddleOfThreeWithoutAsking()
    {
        EditorFixture f;
        f.add(ControlKind::Text);
        const std::size_t middle = f.add(ControlKind::Button, 3000, 3000);
        f.add(ControlKind::List, 6000, 6000);
        const std::string thirdName = f.record(2).Name;
        QCOMPARE(f.open(middle).ItemCtrl()->tag, f.record(middle).Tag);
        f.click("cmd_delete");
        QCOMPARE(f.editor->result(), PropertyEditor::Deleted);
        QCOMPARE(f.host.set.dialog(0).cControls.size(), std::size_t(2));
        QCOMPARE(f.record(1).Name, thirdName);
        QCOMPARE(f.host.set.drawnControls(0).hitTest(3100, 3100), nullptr);
        QCOMPARE(f.host.scripted.shown.size(), 0);
    }

    void enterReleaseRunsOkEscapeReleaseCancelAndAModifiedEnterBreaksTheLine()
    {
        EditorFixture f;
        const std::size_t i = f.add(ControlKind::Button);
        f.open(i);
        auto *action = f.at<QPlainTextEdit>("txt_action");
        action->setPlainText(QStringLiteral("closeDialog 1;"));
        // A release whose press went elsewhere (the box a failed check showed) does nothing.
        QTest::keyRelease(action, Qt::Key_Return);
        QTest::keyRelease(action, Qt::Key_Escape);
        QVERIFY(f.editor->isVisible());
        QTest::keyPress(action, Qt::Key_Return);
        QVERIFY(f.editor->isVisible()); // the press alone does nothing
        QCOMPARE(action->toPlainText(), QStringLiteral("closeDialog 1;"));
        QTest::keyRelease(action, Qt::Key_Return);
        QCOMPARE(f.editor->result(), int(QDialog::Accepted));
        QVERIFY(!f.editor->isVisible());
        QCOMPARE(f.record(i).Action, std::string("closeDialog 1;"));

        // Every element does the same, buttons and lists included (the keypad's Enter too); the
        // Escape key's release cancels what was typed.
        const ControlRecord before = f.record(i);
        for (const char *name : {"txt_name", "txt_text", "txt_fg_r", "cmb_style", "cmb_font",
                                 "cmd_fgsample", "cmd_OK", "cmd_Cancel", "chk_enter"}) {
            f.open(i);
            f.type("txt_name", QStringLiteral("changed"));
            QWidget *element = f.at<QWidget>(name);
            QTest::keyPress(element, Qt::Key_Escape);
            QVERIFY2(f.editor->isVisible(), name);
            QTest::keyRelease(element, Qt::Key_Escape);
            QVERIFY2(!f.editor->isVisible(), name);
            QCOMPARE(f.editor->result(), int(QDialog::Rejected));
            QTest::keyClick(f.open(i).findChild<QWidget *>(QLatin1String(name)), Qt::Key_Enter);
            QVERIFY2(!f.editor->isVisible(), name);
            QCOMPARE(f.editor->result(), int(QDialog::Accepted));
        }
        QVERIFY(f.record(i) == before);
        QCOMPARE(f.host.scripted.shown.size(), 0);

        auto *text = f.open(i).findChild<QPlainTextEdit *>(QStringLiteral("txt_text"));
        text->clear();
        QTest::keyClicks(text, QStringLiteral("one"));
        QTest::keyPress(text, Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyRelease(text, Qt::Key_Return); // Shift let go first: still no OK
        QTest::keyClicks(text, QStringLiteral("two"));
        QVERIFY(f.editor->isVisible());
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(!f.editor->isVisible());
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
        QCOMPARE(f.host.scripted.titles(), QStringList {"WARNING"});
        QCOMPARE(f.host.scripted.shown.front().text, "This control no longer exists.");
    }

    // Each newer kind opens with the fields its class writes and a field per value of its own;
    // a typed value goes into the record's other properties under the game's name.
    void eachNewerKindOpensWithItsFieldsAndValues_data()
    {
        QTest::addColumn<int>("kindIndex");
        for (ControlKind kind : kNewerKinds)
            QTest::newRow(kindWord(kind).data()) << static_cast<int>(kindIndex(kind));
    }
    void eachNewerKindOpensWithItsFieldsAndValues()
    {
        QFETCH(int, kindIndex);
        const ControlKind kind = kAllKinds.at(static_cast<std::size_t>(kindIndex));
        EditorFixture f;
        const std::size_t index = f.add(kind);
        f.open(index);
        const std::pair<const char *, KindField> fields[] = {
            {"cmb_style", KindField::Style},         {"cmb_font", KindField::Font},
            {"txt_fontsize", KindField::FontSize},   {"txt_text", KindField::Text},
            {"txt_action", KindField::Action},       {"chk_enter", KindField::Enter},
            {"txt_rowheight", KindField::RowHeight}, {"txt_wholeheight", KindField::WholeHeight},
            {"chk_multi", KindField::Multiline},     {"chk_shadow", KindField::Shadow},
        };
        for (const auto &[name, field] : fields)
            QVERIFY2(f.at<QWidget>(name)->isEnabled() == isUsable(kind, field), name);
        QCOMPARE(f.at<QLabel>("lbl_fontsize")->text(),
                 kind == ControlKind::StructuredText ? QStringLiteral("Size")
                                                     : QStringLiteral("Font Size"));

        const auto properties = kindProperties(kind);
        QCOMPARE(f.at<QWidget>("fra_kindvalues")->isVisibleTo(f.editor.get()), !properties.empty());
        for (const KindProperty &property : properties)
            QVERIFY(f.at(("txt_kind_" + std::string(property.entry)).c_str()));
        if (properties.empty())
            return;
        const std::string first = "txt_kind_" + std::string(properties.front().entry);
        f.type(first.c_str(), QStringLiteral("1"));
        f.click("cmd_OK");
        QCOMPARE(kindPropertyText(f.record(index).Others, properties.front()), std::string("1"));
        // Emptied, it is left to the base class again.
        f.open(index);
        QCOMPARE(f.at(first.c_str())->text(), QStringLiteral("1"));
        empty(f.at(first.c_str()));
        f.click("cmd_OK");
        QVERIFY(f.record(index).Others.empty());
    }

    // A column list drawn again from the columns typed for it.
    void typedColumnsRedrawTheList()
    {
        EditorFixture f;
        const std::size_t index = f.add(ControlKind::ColumnList);
        f.open(index);
        f.type("txt_kind_columns", QStringLiteral("0, 0.25, 0.75"));
        f.click("cmd_apply");
        QVERIFY(f.drawn(index)->detail == "0\n0.25\n0.75");
    }

    // A generic control edits its name, IDC, place and size only; the rest are its lines.
    void aGenericControlEditsOnlyItsNameIdcAndSize()
    {
        EditorFixture f;
        ControlRecord generic;
        generic.CtrlType = "GENERIC";
        generic.Name = "RscOddOne";
        generic.Tag = *f.host.set.issueTag();
        generic.Width = generic.Height = 0.1f;
        generic.Others = OtherProperties(std::vector<OtherProperty> {{"type", "CT_ODD"}});
        const std::size_t index = *f.host.set.addControl(0, generic, 0, 0, f.view->outerSize());
        f.open(index);
        for (const char *name : {"txt_name", "txt_IDc", "txt_width", "txt_height", "txt_others"})
            QVERIFY2(f.at<QWidget>(name)->isEnabled(), name);
        for (const char *name : {"cmb_style", "cmb_font", "txt_fontsize", "txt_text", "txt_action",
                                 "chk_multi", "txt_rowheight"})
            QVERIFY2(!f.at<QWidget>(name)->isEnabled(), name);
        for (ColourGroup group : kColourGroups)
            QVERIFY(!f.editor->colourGroup(group)->isUsable());
        f.type("txt_name", QStringLiteral("RscOther"));
        f.click("cmd_OK");
        QCOMPARE(f.record(index).Name, std::string("RscOther"));
        QVERIFY(f.record(index).Others == generic.Others);
        QCOMPARE(f.record(index).Style, generic.Style);
    }
};

QTEST_MAIN(PropertyEditorTest)
#include "property_editor_test.moc"
