// Opening the editor and the events of its fields: filling from the record in the given order,
// the per-kind rules, the multi-line switch, the font preview, the samples and the picker.
#include "props_window/property_editor.h"

#include "model/dialog_set.h"
#include "model/generated_class.h"
#include "props/field_table.h"
#include "props/form_look.h"
#include "props_window/colour_group_box.h"
#include "props_window/field_look.h"
#include "props_window/font_preview.h"
#include "props_window/number_field.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"
#include "surface_view/user_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kovrin {
namespace {

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The widget's text with its paragraph breaks as "\n", every other character as typed (the
// widget's own plain text would also turn non-breaking spaces into blanks).
std::string plainTextOf(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text.toStdString();
}

std::optional<std::size_t> selectedEntry(const QComboBox *list)
{
    const int index = list->currentIndex();
    if (index < 0)
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

void selectEntry(QComboBox *list, std::optional<std::size_t> entry)
{
    list->setCurrentIndex(entry ? static_cast<int>(*entry) : -1);
}

} // namespace

PropertyEditor::PropertyEditor(SurfaceHost &host, SurfaceView &itemForm, std::size_t recordIndex,
                               QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_itemForm(itemForm)
    , m_recordIndex(recordIndex)
    , m_separator(host.decimalSeparator())
    , m_lastPicked(Qt::black)
{
    buildForm(m_separator);

    connect(m_ok, &QPushButton::clicked, this, &PropertyEditor::cmd_OK_Click);
    connect(m_apply, &QPushButton::clicked, this, &PropertyEditor::cmd_apply_Click);
    connect(m_delete, &QPushButton::clicked, this, &PropertyEditor::cmd_delete_Click);
    connect(m_cancel, &QPushButton::clicked, this, &PropertyEditor::cmd_Cancel_Click);
    connect(m_multi, &QCheckBox::clicked, this, &PropertyEditor::chk_multi_Click);
    connect(m_font, &QComboBox::currentIndexChanged, this, &PropertyEditor::cmb_font_Click);
    for (ColourGroupBox *box : m_colours) {
        connect(box, &ColourGroupBox::componentChanged, this,
                [this](const QString &field) { UpdateSample(SampleChoice::OneField, field); });
        connect(box, &ColourGroupBox::pickRequested, this, &PropertyEditor::cmd_sample_Click);
    }

    Form_Load();
}

PropertyEditor::~PropertyEditor() = default;

void PropertyEditor::Form_Load()
{
    setCursor(Qt::ArrowCursor);
    for (std::string_view font : kFontNames)
        m_font->addItem(qtext(font));
    m_font->setCurrentIndex(-1);

    const ControlRecord *current = record();
    if (!current)
        return; // nothing to edit; the buttons report it
    m_kind = kindFromWord(current->CtrlType);
    applyKindRules();
    buildKindFields();
    const EditorFields filled = fieldsFromRecord(*current, m_separator);
    // An entry the lists do not hold is kept on writing; say which one.
    if (!filled.style)
        m_style->setPlaceholderText(qtext(current->Style.substr(0, current->Style.find(' '))));
    if (!filled.font)
        m_font->setPlaceholderText(qtext(current->Font));
    m_forms = filled.forms;
    showFields(filled);
    showForms(*current);
    UpdateSample(SampleChoice::All);
    m_opened = fields();
}

void PropertyEditor::applyKindRules()
{
    m_lineSpacing->setEnabled(false); // only multi-line text uses it
    const std::pair<QWidget *, KindField> kindFields[] = {
        {m_style, KindField::Style},           {m_font, KindField::Font},
        {m_fontSize, KindField::FontSize},     {m_text, KindField::Text},
        {m_action, KindField::Action},         {m_enter, KindField::Enter},
        {m_rowHeight, KindField::RowHeight},   {m_wholeHeight, KindField::WholeHeight},
        {m_multi, KindField::Multiline},       {m_shadow, KindField::Shadow},
        {m_scrollBars, KindField::ScrollBars},
    };
    for (const auto &[widget, field] : kindFields)
        widget->setEnabled(isUsable(m_kind, field));
    for (ColourGroupBox *box : m_colours)
        box->setUsable(isUsable(m_kind, box->group()));
    for (std::string_view style : styleChoices(m_kind))
        m_style->addItem(qtext(style));
    m_style->setCurrentIndex(-1);
    if (m_kind)
        m_base->setPlaceholderText(qtext(generatedBase(*m_kind)));

    QWidget *const elements[]
        = {m_name,        m_idc,    m_width,  m_height,      m_font, m_fontSize,
           m_style,       m_multi,  m_shadow, m_lineSpacing, m_text, m_rowHeight,
           m_wholeHeight, m_action, m_enter,  m_scrollBars};
    for (QWidget *element : elements) {
        if (!element->isEnabled())
            setBackground(element, kUnusableBackground);
    }
}

void PropertyEditor::showFields(const EditorFields &f)
{
    m_name->setText(QString::fromStdString(f.name));
    m_idc->showValue(QString::fromStdString(f.idc));
    m_width->showValue(QString::fromStdString(f.width));
    m_height->showValue(QString::fromStdString(f.height));
    selectEntry(m_style, f.style);
    m_multi->setChecked(f.multiline);
    if (f.multiline) {
        m_lineSpacing->setEnabled(true);
        resetBackground(m_lineSpacing);
        m_lineSpacing->showValue(QString::fromStdString(f.lineSpacing));
    }
    m_shadow->setChecked(f.shadow);
    colourGroup(ColourGroup::Fore)->showTexts(f.colours[groupIndex(ColourGroup::Fore)]);
    colourGroup(ColourGroup::Back)->showTexts(f.colours[groupIndex(ColourGroup::Back)]);
    selectEntry(m_font, f.font);
    m_fontSize->showValue(QString::fromStdString(f.fontSize));
    m_text->setPlainText(QString::fromStdString(f.text));
    for (ColourGroup group : {ColourGroup::Active, ColourGroup::Select, ColourGroup::SelectBG})
        colourGroup(group)->showTexts(f.colours[groupIndex(group)]);
    m_action->setPlainText(QString::fromStdString(f.action));
    m_enter->setChecked(f.enter);
    m_scrollBars->setChecked(f.scrollBars);
    m_rowHeight->showValue(QString::fromStdString(f.rowHeight));
    m_wholeHeight->showValue(QString::fromStdString(f.wholeHeight));
    m_others->setPlainText(QString::fromStdString(f.others));
    m_base->setText(QString::fromStdString(f.base));
    for (std::size_t i = 0; i < m_kindFields.size() && i < f.kindValues.size(); ++i)
        m_kindFields[i]->setText(QString::fromStdString(f.kindValues[i]));
}

void PropertyEditor::showForms(const ControlRecord &record)
{
    const std::pair<NumberField *, FormField> sizes[] = {{m_width, FormField::Width},
                                                         {m_height, FormField::Height},
                                                         {m_fontSize, FormField::FontSize}};
    for (std::size_t i = 0; i < m_formWords.size(); ++i) {
        const auto &[field, form] = sizes[i];
        const FormLook look
            = formLook(record, form, m_host.document().referenceScreen(), m_separator);
        m_formWords[i]->setText(qtext(look.beside));
        m_formWords[i]->setToolTip(qtext(look.hint));
        m_formWords[i]->setVisible(!look.beside.empty());
        if (!look.takesTyping()) {
            field->setReadOnly(true);
            setBackground(field, kUnusableBackground);
        }
    }
}

EditorFields PropertyEditor::fields() const
{
    EditorFields f;
    f.forms = m_forms;
    f.name = m_name->text().toStdString();
    f.idc = m_idc->text().toStdString();
    f.width = m_width->text().toStdString();
    f.height = m_height->text().toStdString();
    f.style = selectedEntry(m_style);
    f.multiline = m_multi->isChecked();
    f.shadow = m_shadow->isChecked();
    f.lineSpacing = m_lineSpacing->text().toStdString();
    f.font = selectedEntry(m_font);
    f.fontSize = m_fontSize->text().toStdString();
    f.text = plainTextOf(m_text);
    for (ColourGroupBox *box : m_colours)
        f.colours[groupIndex(box->group())] = box->texts();
    f.action = plainTextOf(m_action);
    f.enter = m_enter->isChecked();
    f.scrollBars = m_scrollBars->isChecked();
    f.rowHeight = m_rowHeight->text().toStdString();
    f.wholeHeight = m_wholeHeight->text().toStdString();
    f.others = plainTextOf(m_others);
    f.base = m_base->text().toStdString();
    for (const QLineEdit *field : m_kindFields)
        f.kindValues.push_back(field->text().toStdString());
    return f;
}

void PropertyEditor::chk_multi_Click()
{
    const bool on = m_multi->isChecked();
    m_lineSpacing->setEnabled(on);
    setBackground(m_lineSpacing, on ? kSwitchedOnBackground : kUnusableBackground);
}

void PropertyEditor::cmb_font_Click()
{
    const int index = m_font->currentIndex();
    if (index < 0)
        m_fontPreview->clearFont();
    else
        m_fontPreview->showFont(m_font->itemText(index));
}

void PropertyEditor::UpdateSample(SampleChoice choice, const QString &field)
{
    if (const auto group = sampleToUpdate(choice, field.toStdString()))
        colourGroup(*group)->paintSample();
}

void PropertyEditor::cmd_sample_Click(ColourGroup group)
{
    const QString title = qtext(colourGroupInfo(group).pickerTitle);
    const std::optional<QColor> picked = m_host.prompts().pickColour(title, m_lastPicked);
    if (!picked || !picked->isValid())
        return; // cancelled: nothing changes
    m_lastPicked = *picked;
    const Rgb8 bytes {static_cast<std::uint8_t>(picked->red()),
                      static_cast<std::uint8_t>(picked->green()),
                      static_cast<std::uint8_t>(picked->blue())};
    colourGroup(group)->applyPick(bytes, m_separator);
}

} // namespace kovrin
