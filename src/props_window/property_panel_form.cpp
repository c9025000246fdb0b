// Building the Properties panel: the editor's fields in the editor's groups and tab order, with
// the editor's own widgets for the colours and the font preview; then the dialog's own fields.
#include "props_window/property_panel.h"

#include "model/dialog_name_check.h"
#include "model/number_guard.h"
#include "props/panel_field.h"
#include "props_window/colour_group_box.h"
#include "props_window/font_preview.h"
#include "props_window/line_field.h"
#include "props_window/number_field.h"
#include "props_window/property_panel_rows.h"
#include "surface_view/surface_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <variant>

namespace kovrin {
namespace {

QLineEdit *makeField(const PanelFieldInfo &info, char separator, QWidget *parent)
{
    QLineEdit *edit = info.bounds ? new NumberField(*info.bounds, separator, info.selectAll, parent)
                                  : new LineField(info.selectAll, parent);
    edit->setObjectName(panelText(info.objectName));
    return edit;
}

QLabel *problemLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lbl_problem"));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    label->setPalette(palette);
    label->hide();
    return label;
}

// One line of a group: a text field, a list, or check boxes side by side.
using Item = std::variant<PanelField, PanelChoice, std::vector<PanelChoice>>;

QPlainTextEdit *othersField(QWidget *parent, const char *name)
{
    auto *edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4 + 12);
    return edit;
}

} // namespace

void PropertyPanel::buildForm(char separator)
{
    auto *main = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lbl_controls"));
    m_caption->setWordWrap(true);
    main->addWidget(m_caption);
    m_form = new QWidget(this);
    main->addWidget(m_form);
    buildDialogForm(separator);
    main->addWidget(m_dialogForm);
    main->addStretch();
    auto *form = new QVBoxLayout(m_form);
    form->setContentsMargins(0, 0, 0, 0);

    const auto group = [&](const char *title, std::initializer_list<Item> items) {
        auto *box = new QGroupBox(QString::fromLatin1(title), m_form);
        auto *grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        int row = 0;
        for (const Item &item : items) {
            QLabel *problem = problemLabel(box);
            if (const auto *field = std::get_if<PanelField>(&item)) {
                const PanelFieldInfo &info = panelFieldInfo(*field);
                auto *label = new QLabel(panelText(info.label), box);
                QLineEdit *edit = makeField(info, separator, box);
                grid->addWidget(label, row, 0);
                grid->addWidget(edit, row++, 1);
                edit->installEventFilter(this);
                m_rows.push_back({{*field}, edit, label, problem, {}});
                if (formFieldOf(*field)) {
                    auto *words = new QLabel(box);
                    words->setObjectName(
                        panelText(info.objectName).replace(0, 3, QStringLiteral("lbl"))
                        + QStringLiteral("_form"));
                    words->setWordWrap(true);
                    words->hide();
                    grid->addWidget(words, row++, 1);
                    m_rows.back().form = words;
                }
            } else if (const auto *choice = std::get_if<PanelChoice>(&item)) {
                const PanelChoiceInfo &info = panelChoiceInfo(*choice);
                auto *label = new QLabel(panelText(info.label), box);
                auto *list = new QComboBox(box);
                list->setObjectName(panelText(info.objectName));
                list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
                list->setMinimumContentsLength(6);
                grid->addWidget(label, row, 0);
                grid->addWidget(list, row++, 1);
                addChoice(*choice, list, label, problem);
                if (*choice == PanelChoice::Font) {
                    m_fontPreview = new FontPreview(FontPreview::defaultFolders(), box);
                    m_fontPreview->setObjectName(QStringLiteral("img_font"));
                    // A narrow dock shows the start of the picture rather than grow.
                    m_fontPreview->setMinimumSize(1, 1);
                    m_fontPreview->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                    grid->addWidget(m_fontPreview, row++, 1, Qt::AlignLeft);
                }
            } else {
                auto *boxes = new QHBoxLayout;
                for (PanelChoice check : std::get<std::vector<PanelChoice>>(item)) {
                    const PanelChoiceInfo &info = panelChoiceInfo(check);
                    auto *checkBox = new QCheckBox(panelText(info.label), box);
                    checkBox->setObjectName(panelText(info.objectName));
                    checkBox->setToolTip(panelText(info.label));
                    // A long label is cut at the dock's edge rather than widen it.
                    if (check == PanelChoice::Enter)
                        checkBox->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
                    boxes->addWidget(checkBox);
                    addChoice(check, checkBox, checkBox, problem);
                }
                boxes->addStretch();
                grid->addLayout(boxes, row++, 0, 1, 2);
            }
            grid->addWidget(problem, row++, 0, 1, 2);
        }
        form->addWidget(box);
    };
    group("Control",
          {PanelField::Name, PanelField::Idc, PanelField::Width, PanelField::Height,
           std::vector {PanelChoice::ScrollBars}});
    group("Font and text",
          {PanelChoice::Font, PanelField::FontSize, PanelChoice::Style,
           std::vector {PanelChoice::Multiline, PanelChoice::Shadow}, PanelField::LineSpacing,
           PanelField::Text});

    // The editor's colour groups, each with its sample: it follows the typed values, and a click
    // picks a colour for all the picked controls.
    for (ColourGroup colour : kColourGroups) {
        auto *box = new ColourGroupBox(colour, separator, m_form);
        box->shareWidth();
        QLabel *problem = problemLabel(m_form);
        for (std::size_t i = 0; i < 4; ++i) {
            NumberField *edit = box->component(i);
            edit->installEventFilter(this);
            m_rows.push_back({{PanelField::Colour, colour, i}, edit, box, problem, {}});
        }
        connect(box, &ColourGroupBox::componentChanged, this, [this, box] {
            if (!m_filling)
                box->paintSample();
        });
        connect(box, &ColourGroupBox::pickRequested, this, &PropertyPanel::pickColour);
        m_colours.push_back(box);
        form->addWidget(box);
        form->addWidget(problem);
    }
    group("Heights", {PanelField::RowHeight, PanelField::WholeHeight});
    group("Script", {PanelField::Action, std::vector {PanelChoice::Enter}});

    // The kind's own values, one row per entry of its table: labelled and named after the entry
    // when every picked control shares that table (refillRows), else hidden with their group.
    auto *kindBox = new QGroupBox(QStringLiteral("Values of the kind"), m_form);
    kindBox->setObjectName(QStringLiteral("fra_kind"));
    auto *kindGrid = new QGridLayout(kindBox);
    kindGrid->setColumnStretch(1, 1);
    for (std::size_t entry = 0, row = 0; entry < mostKindProperties(); ++entry) {
        auto *label = new QLabel(kindBox);
        QLineEdit *edit = new LineField(false, kindBox);
        QLabel *problem = problemLabel(kindBox);
        kindGrid->addWidget(label, static_cast<int>(row), 0);
        kindGrid->addWidget(edit, static_cast<int>(row++), 1);
        kindGrid->addWidget(problem, static_cast<int>(row++), 0, 1, 2);
        edit->installEventFilter(this);
        m_rows.push_back(
            {{PanelField::KindValue, ColourGroup::Fore, entry}, edit, label, problem, {}});
    }
    form->addWidget(kindBox);

    // Shown, not typed in: the editor's field changes them.
    auto *othersBox = new QGroupBox(QStringLiteral("Other properties"), m_form);
    othersBox->setObjectName(QStringLiteral("fra_others"));
    auto *othersLayout = new QVBoxLayout(othersBox);
    m_others = othersField(othersBox, "txt_others");
    m_others->setReadOnly(true);
    m_others->setToolTip(QStringLiteral("What the control's class sets beyond the fields above; "
                                        "the Control Properties window changes it."));
    othersLayout->addWidget(m_others);
    form->addWidget(othersBox);
}

void PropertyPanel::addChoice(PanelChoice choice, QWidget *widget, QWidget *label, QLabel *problem)
{
    m_choices.push_back({choice, widget, label, problem});
    const std::size_t index = m_choices.size() - 1;
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        connect(list, &QComboBox::activated, this,
                [this, index, list] { commitChoice(m_choices[index], list->currentText()); });
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        connect(box, &QCheckBox::clicked, this, [this, index, box] {
            // A half-checked box (mixed) checks all on its first click.
            const bool on = box->checkState() != Qt::Unchecked;
            box->setTristate(false);
            box->setChecked(on);
            commitChoice(m_choices[index], panelText(on ? kChecked : kUnchecked));
        });
    }
}

void PropertyPanel::buildDialogForm(char separator)
{
    m_dialogForm = new QGroupBox(QStringLiteral("Dialog"), this);
    auto *grid = new QGridLayout(m_dialogForm);
    grid->setColumnStretch(1, 1);
    m_dialogName = new LineField(false, m_dialogForm);
    m_dialogName->setObjectName(QStringLiteral("txt_dialogname"));
    m_dialogName->setToolTip(QStringLiteral("The dialog's name, also the name of its class"));
    m_dialogName->setMaxLength(kDialogNameLength);
    m_gridStep = new NumberField(kGridStepBounds, separator, true, m_dialogForm);
    m_gridStep->setObjectName(QStringLiteral("txt_size"));
    m_gridStep->setToolTip(QStringLiteral("Grid step as a fraction of the dialog's width and "
                                          "height, 0 to 1 with at most 4 decimals."));
    m_dialogProblem = problemLabel(m_dialogForm);
    grid->addWidget(new QLabel(QStringLiteral("Name"), m_dialogForm), 0, 0);
    grid->addWidget(m_dialogName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Grid Size"), m_dialogForm), 1, 0);
    grid->addWidget(m_gridStep, 1, 1);
    m_layout = new QComboBox(m_dialogForm);
    m_layout->setObjectName(QStringLiteral("cmb_layout"));
    m_layout->addItems({QStringLiteral("Screen"), QStringLiteral("Safe Zone")});
    m_layout->setToolTip(QStringLiteral("The form new controls take: fractions of the screen area "
                                        "or of the visible monitor"));
    grid->addWidget(new QLabel(QStringLiteral("Layout"), m_dialogForm), 2, 0);
    grid->addWidget(m_layout, 2, 1);
    connect(m_layout, &QComboBox::activated, this, [this](int index) {
        if (m_view && dialogIndex())
            emit layoutChosen(m_view->frmIndex(), static_cast<DialogLayout>(index));
    });
    m_dialogOthers = othersField(m_dialogForm, "txt_dialogothers");
    m_dialogOthers->setToolTip(QStringLiteral(
        "What the dialog's class sets beyond its lists (idd, movingEnable, onLoad ...), one "
        "\"name = value\" line each; taken when the field is left."));
    grid->addWidget(new QLabel(QStringLiteral("Other"), m_dialogForm), 3, 0, Qt::AlignTop);
    grid->addWidget(m_dialogOthers, 3, 1);
    grid->addWidget(m_dialogProblem, 4, 0, 1, 2);
    m_dialogName->installEventFilter(this);
    m_gridStep->installEventFilter(this);
    m_dialogOthers->installEventFilter(this);
}

} // namespace kovrin
