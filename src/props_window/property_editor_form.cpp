// Building the editor window: every element with its name, label, hint and guard, the layout,
// and the tab order, which follows the table of fields.
#include "props_window/property_editor.h"

#include "model/kind_properties.h"
#include "props/field_table.h"
#include "props_window/colour_group_box.h"
#include "props_window/editor_keys.h"
#include "props_window/field_look.h"
#include "props_window/font_preview.h"
#include "props_window/line_field.h"
#include "props_window/number_field.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovrin {
namespace {

template<typename Widget>
Widget *named(Widget *widget, const char *name, const char *hint = nullptr)
{
    widget->setObjectName(QString::fromLatin1(name));
    if (hint)
        widget->setToolTip(QString::fromLatin1(hint));
    return widget;
}

QLabel *label(const char *text, QWidget *parent)
{
    return new QLabel(QString::fromLatin1(text), parent);
}

int numberWidth(const QWidget *widget)
{
    return widget->fontMetrics().horizontalAdvance(QStringLiteral("0.0000000")) + 16;
}

QPlainTextEdit *multiLineField(QWidget *parent, int lines)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * lines + 12);
    return edit;
}

} // namespace

void PropertyEditor::buildForm(char separator)
{
    setObjectName(QStringLiteral("frm_Options"));
    setWindowTitle(QStringLiteral("Control Properties"));
    setModal(true);

    auto *columns = new QHBoxLayout;
    columns->setSpacing(24);
    columns->addLayout(buildLeftColumn(separator));
    columns->addLayout(buildRightColumn(separator));

    m_action = named(multiLineField(this, 3), "txt_action",
                     "Script code to be run when this control is activated.");
    m_enter = named(new QCheckBox(QStringLiteral("ENTER key activates the control"), this),
                    "chk_enter", "Pressing the ENTER key will cause this control to be activated.");
    m_scrollBars = named(new QCheckBox(QStringLiteral("Scroll bars"), this), "chk_scrollbars",
                         "If checked, the group scrolls its controls when they overflow it.");

    m_others = named(multiLineField(this, 3), "txt_others",
                     "What the control's class sets beyond these fields, one \"name = value\" "
                     "line each, written back after its own lines.");

    // Set by the import, where the control derives from a class of the game; shown so the
    // user knows what the generated class stands on, but not typed.
    m_base = named(new QLineEdit(this), "txt_base",
                   "The game's class the generated class derives from; empty for Kovrin's own "
                   "base of the kind.");
    m_base->setReadOnly(true);
    m_base->setFocusPolicy(Qt::ClickFocus);
    setBackground(m_base, kUnusableBackground);

    // Filled on opening, for the kinds that have values of their own.
    m_kindBox = named(new QGroupBox(QStringLiteral("Values of the kind"), this), "fra_kindvalues",
                      "Values the control's class sets under the game's own names; an empty "
                      "field leaves them to its base class.");
    new QFormLayout(m_kindBox);
    m_kindBox->hide();

    auto *main = new QVBoxLayout(this);
    main->addLayout(columns);
    main->addSpacing(6);
    main->addWidget(label("Action", this));
    main->addWidget(m_action);
    main->addWidget(m_enter, 0, Qt::AlignLeft);
    main->addWidget(m_scrollBars, 0, Qt::AlignLeft);
    main->addWidget(m_kindBox);
    main->addWidget(label("Base class", this));
    main->addWidget(m_base);
    main->addWidget(label("Other properties", this));
    main->addWidget(m_others);
    main->addSpacing(6);
    main->addLayout(buildButtonRow());
    main->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrderAndKeys();
}

QLayout *PropertyEditor::buildLeftColumn(char separator)
{
    m_name = named(new LineField(false, this), "txt_name", "Name for this control");
    m_idc = named(new NumberField(kIdcBounds, separator, false, this), "txt_IDc",
                  "IDC for this control. Enter any number you wish, and use it in your scripts to "
                  "refer to this control.");
    m_width = named(new NumberField(kFractionBounds, separator, true, this), "txt_width",
                    "Control's width; any value between 0 and 1 (1 being the width of the "
                    "screen).");
    m_height = named(new NumberField(kFractionBounds, separator, true, this), "txt_height",
                     "Control's height, any value between 0 and 1 (1 being the height of the "
                     "screen).");
    m_font = named(new QComboBox(this), "cmb_font", "Font type");
    m_fontPreview = named(new FontPreview(FontPreview::defaultFolders(), this), "img_font");
    m_fontPreview->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_fontPreview->setFixedSize(204, 44); // the pictures are 200 x 40
    m_fontSize = named(new NumberField(kFractionBounds, separator, true, this), "txt_fontsize",
                       "Font Size, value between 0 and 1.");
    m_style = named(new QComboBox(this), "cmb_style",
                    "Style for this control. Genrally text alignment.");
    m_multi = named(new QCheckBox(QStringLiteral("Multiline"), this), "chk_multi",
                    "If checked, text will be presented in several lines");
    m_shadow = named(new QCheckBox(QStringLiteral("Shadow"), this), "chk_shadow",
                     "If checked, the text will have a background shadow");
    m_lineSpacing
        = named(new NumberField(kLineSpacingBounds, separator, false, this), "txt_linespacing",
                "Line spacing for the multiline text. A value of 1 corresponds to the "
                "height of the font.");
    m_text = named(multiLineField(this, 4), "txt_text", "Text for the control.");

    const int numbers = numberWidth(this);
    for (QWidget *field : {static_cast<QWidget *>(m_idc), static_cast<QWidget *>(m_width),
                           static_cast<QWidget *>(m_height), static_cast<QWidget *>(m_fontSize),
                           static_cast<QWidget *>(m_lineSpacing)})
        field->setFixedWidth(numbers);
    m_font->setMinimumWidth(200);
    m_style->setMinimumWidth(numbers);

    auto *checks = new QHBoxLayout;
    checks->addWidget(m_multi);
    checks->addWidget(m_shadow);
    checks->addStretch();

    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(5);
    int row = 0;
    auto addRow = [&](const char *text, QWidget *field) {
        grid->addWidget(label(text, this), row, 0);
        grid->addWidget(field, row++, 1, Qt::AlignLeft);
    };
    // A size with the words of its form beside it, hidden while it is a screen fraction.
    auto addSizeRow = [&](const char *text, QWidget *field, QLabel *&words, const char *name) {
        words = named(new QLabel(this), name);
        words->hide();
        auto *cell = new QHBoxLayout;
        cell->addWidget(field);
        cell->addWidget(words);
        cell->addStretch();
        grid->addWidget(label(text, this), row, 0);
        grid->addLayout(cell, row++, 1);
    };
    addRow("Name", m_name);
    addRow("IDc", m_idc);
    addSizeRow("Width", m_width, m_formWords[0], "lbl_width_form");
    addSizeRow("Height", m_height, m_formWords[1], "lbl_height_form");
    addRow("Font", m_font);
    grid->addWidget(m_fontPreview, row++, 1, Qt::AlignLeft);
    addSizeRow("Font Size", m_fontSize, m_formWords[2], "lbl_fontsize_form");
    m_fontSizeLabel
        = named(qobject_cast<QLabel *>(grid->itemAtPosition(row - 1, 0)->widget()), "lbl_fontsize");
    addRow("Style", m_style);
    grid->addLayout(checks, row++, 1);
    addRow("Line Spacing", m_lineSpacing);
    grid->addWidget(label("Text", this), row, 0, Qt::AlignTop);
    grid->addWidget(m_text, row++, 1);
    grid->setRowStretch(row, 1);
    m_name->setMinimumWidth(200);
    return grid;
}

QLayout *PropertyEditor::buildRightColumn(char separator)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(6);
    for (ColourGroup group : kColourGroups) {
        auto *box = new ColourGroupBox(group, separator, this);
        m_colours[groupIndex(group)] = box;
        column->addWidget(box);
    }

    m_rowHeight = named(new NumberField(kFractionBounds, separator, true, this), "txt_rowheight",
                        "Height for each item of the combo or list. Values 0 to 1, 1 being the "
                        "height of the whole screen.");
    m_wholeHeight
        = named(new NumberField(kFractionBounds, separator, true, this), "txt_wholeheight",
                "Maximum height the combo's drop-down will achieve. Values 0 to 1, 1 "
                "being the height of the whole screen.");
    m_rowHeight->setFixedWidth(numberWidth(this));
    m_wholeHeight->setFixedWidth(numberWidth(this));

    auto *heights = new QGridLayout;
    heights->addWidget(label("Row Height", this), 0, 0);
    heights->addWidget(m_rowHeight, 0, 1, Qt::AlignLeft);
    heights->addWidget(label("Whole Height", this), 1, 0);
    heights->addWidget(m_wholeHeight, 1, 1, Qt::AlignLeft);
    heights->setColumnStretch(1, 1);
    column->addSpacing(4);
    column->addLayout(heights);
    column->addStretch();
    return column;
}

QLayout *PropertyEditor::buildButtonRow()
{
    auto button = [this](const char *text, const char *name) {
        auto *b = named(new QPushButton(QString::fromLatin1(text), this), name);
        b->setAutoDefault(false); // Enter acts on its release, in every element alike
        return b;
    };
    m_ok = button("OK", "cmd_OK");
    m_apply = button("Apply", "cmd_apply");
    m_delete = button("Delete", "cmd_delete");
    m_cancel = button("Cancel", "cmd_Cancel");

    auto *row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton *b : {m_ok, m_apply, m_delete, m_cancel})
        row->addWidget(b);
    return row;
}

void PropertyEditor::setTabOrderAndKeys()
{
    QList<QWidget *> order {m_name,  m_idc,   m_width,  m_height,      m_font, m_fontSize,
                            m_style, m_multi, m_shadow, m_lineSpacing, m_text};
    for (ColourGroupBox *box : m_colours) {
        for (std::size_t i = 0; i < 4; ++i)
            order << box->component(i);
        order << box->sampleButton();
    }
    order << m_rowHeight << m_wholeHeight << m_action << m_enter << m_scrollBars << m_others << m_ok
          << m_apply << m_delete << m_cancel;

    m_keys = new EditorKeys([this] { cmd_OK_Click(); }, [this] { cmd_Cancel_Click(); }, this);
    m_keys->watch(this);
    for (qsizetype i = 0; i < order.size(); ++i) {
        m_keys->watch(order[i]);
        if (i > 0)
            setTabOrder(order[i - 1], order[i]);
    }
}

} // namespace kovrin

namespace kovrin {

void PropertyEditor::buildKindFields()
{
    if (!m_kind)
        return;
    m_fontSizeLabel->setText(QString::fromLatin1(fontSizeLabel(m_kind).data()));
    const auto properties = kindProperties(*m_kind);
    if (properties.empty())
        return;
    auto *form = static_cast<QFormLayout *>(m_kindBox->layout());
    QWidget *previous = m_scrollBars;
    for (const KindProperty &property : properties) {
        auto *field = new QLineEdit(m_kindBox);
        const QString entry = QString::fromUtf8(property.entry.data(),
                                                static_cast<qsizetype>(property.entry.size()));
        field->setObjectName(QStringLiteral("txt_kind_") + entry);
        field->setPlaceholderText(QStringLiteral("as the base class sets it"));
        field->setToolTip(QString::fromStdString(writtenAs(property)));
        field->setMinimumWidth(240);
        form->addRow(QString::fromLatin1(property.label.data(),
                                         static_cast<qsizetype>(property.label.size())),
                     field);
        m_keys->watch(field);
        setTabOrder(previous, field);
        previous = field;
        m_kindFields.push_back(field);
    }
    setTabOrder(previous, m_others);
    m_kindBox->show();
}

} // namespace kovrin
