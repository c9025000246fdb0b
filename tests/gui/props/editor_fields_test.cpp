#include "editor_fixture.h"
#include "property_editor_test.h"

#include "props_window/colour_group_box.h"

#include <QPushButton>

using namespace kovrin;

void PropertyEditorTest::guardCutsWhatIsTypedNotWhatIsShown()
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
    QCOMPARE(width->text(), QStringLiteral("0.12345"));
    QCOMPARE(idc->text(), QStringLiteral("1500"));

    typeInto(width, QStringLiteral("1.5"));
    QCOMPARE(width->text(), QStringLiteral("1"));
    typeInto(idc, QStringLiteral("12.5"));
    QCOMPARE(idc->text(), QStringLiteral("125"));
    typeInto(idc, QStringLiteral("-5"));
    QCOMPARE(idc->text(), QStringLiteral("-1"));
    typeInto(field(editor.get(), "txt_height"), QStringLiteral("abc"));
    QCOMPARE(field(editor.get(), "txt_height")->text(), QString());
    typeInto(field(editor.get(), "txt_height"), QStringLiteral("0.0456"));
    typeInto(idc, QStringLiteral("12.5"));

    editor->cmd_OK_Click();
    QCOMPARE(f.record(i).Width, 1.0f);
    QCOMPARE(f.record(i).IDC, std::int16_t(125));
    QCOMPARE(f.record(i).Height, 0.045f);
}

void PropertyEditorTest::bothSeparators()
{
    for (char separator : {'.', ','}) {
        EditorFixture f(separator);
        const std::size_t i = f.add(ControlKind::Text);
        auto editor = f.open(i);
        const QString sep {QLatin1Char(separator)};
        QCOMPARE(field(editor.get(), "txt_width")->text(), "0" + sep + "2");
        QCOMPARE(field(editor.get(), "txt_fontsize")->text(), "0" + sep + "04");

        // Either separator typed becomes the user's.
        typeInto(field(editor.get(), "txt_width"), QStringLiteral("0.5"));
        QCOMPARE(field(editor.get(), "txt_width")->text(), "0" + sep + "5");
        typeInto(field(editor.get(), "txt_height"), QStringLiteral("0,25"));
        QCOMPARE(field(editor.get(), "txt_height")->text(), "0" + sep + "25");
        typeInto(field(editor.get(), "txt_fg_g"), QStringLiteral("0.3"));
        QCOMPARE(editor->colourGroup(ColourGroup::Fore)->sampleColour(), QColor(255, 77, 255));

        editor->cmd_OK_Click();
        const ControlRecord &r = f.record(i);
        QCOMPARE(r.Width, 0.5f);
        QCOMPARE(r.Height, 0.25f);
        // Colours are kept as typed; the file reader and the generator read both separators.
        QCOMPARE(std::get<std::string>((*r.ForeColor)[1]), "0" + std::string(1, separator) + "3");
        QCOMPARE(std::get<std::string>((*r.ForeColor)[0]), std::string("1"));
    }
}

void PropertyEditorTest::samplesFollowRedGreenAndBlueOnly()
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

void PropertyEditorTest::pickerFillsTheFieldsThroughTheGuard()
{
    for (char separator : {'.', ','}) {
        EditorFixture f(separator);
        auto editor = f.open(f.add(ControlKind::Text));
        f.host.scripted.colours.push_back(QColor(0, 128, 5));
        field(editor.get(), "txt_fg_a")->setText(QStringLiteral("0.7"));
        QTest::mouseClick(field<QPushButton>(editor.get(), "cmd_fgsample"), Qt::LeftButton);
        QCOMPARE(f.host.scripted.titles(), QStringList({"Select foreground color"}));
        const QString sep {QLatin1Char(separator)};
        QCOMPARE(editor->colourGroup(ColourGroup::Fore)->texts(),
                 (ColourTexts {"0", "0" + sep.toStdString() + "501",
                               "0" + sep.toStdString() + "019", "0.7"}));
        QCOMPARE(editor->colourGroup(ColourGroup::Fore)->sampleColour(), QColor(0, 128, 5));
    }
}

void PropertyEditorTest::pickerCancelChangesNothingAndBlackFillsZero()
{
    EditorFixture f;
    const std::size_t i = f.add(ControlKind::Text);
    auto editor = f.open(i);
    auto *backSample = field<QPushButton>(editor.get(), "cmd_bgsample");
    ColourGroupBox *back = editor->colourGroup(ColourGroup::Back);

    f.host.scripted.colours.push_back(QColor(255, 0, 0));
    QTest::mouseClick(backSample, Qt::LeftButton);
    QCOMPARE(back->texts(), (ColourTexts {"1", "0", "0", "0"}));

    f.host.scripted.colours.push_back(std::nullopt); // cancelled: the red pick is not applied again
    field(editor.get(), "txt_bg_r")->setText(QStringLiteral("0.5"));
    QTest::mouseClick(backSample, Qt::LeftButton);
    QCOMPARE(back->texts(), (ColourTexts {"0.5", "0", "0", "0"}));

    f.host.scripted.colours.push_back(QColor(Qt::black));
    QTest::mouseClick(backSample, Qt::LeftButton);
    QCOMPARE(back->texts(), (ColourTexts {"0", "0", "0", "0"}));
    QCOMPARE(back->sampleColour(), QColor(Qt::black));
    QCOMPARE(f.host.scripted.unexpected, 0);
    QCOMPARE(f.host.scripted.titles(),
             QStringList({"Select background color", "Select background color",
                          "Select background color"}));
}
