#include "props_window/property_panel.h"

#include "model/dialog_set.h"
#include "props/form_look.h"
#include "props/panel_field.h"
#include "props_window/number_field.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kovrin {
namespace {

// A colour component holds "0.xyz" at most, as in the editor.
constexpr int kComponentCharacters = 5;
constexpr std::string_view kComponentHeads[] = {"R", "G", "B", "A"};

QString fromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit *makeField(const PanelFieldInfo &info, char separator, QWidget *parent)
{
    QLineEdit *edit = info.bounds ? new NumberField(*info.bounds, separator, info.selectAll, parent)
                                  : new LineField(info.selectAll, parent);
    edit->setObjectName(fromStd(info.objectName));
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

// The check's report as the panel shows it: its lines without the "\r\n" after each.
QString reportText(const std::string &report)
{
    QString text = QString::fromStdString(report).trimmed();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

struct PropertyPanel::Row
{
    FieldPlace place;
    QLineEdit *edit = nullptr;
    QWidget *label = nullptr; // hidden with the field when no picked kind uses it
    QLabel *problem = nullptr;
    QString shown; // what the records gave the field
    QLabel *form = nullptr; // a size's form beside it, hidden while a screen fraction
};

PropertyPanel::PropertyPanel(SurfaceHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_separator(host.decimalSeparator())
{
    setObjectName(QStringLiteral("frm_PropertyPanel"));
    buildForm(m_separator);
    showControlsOf(nullptr);
}

PropertyPanel::~PropertyPanel() = default;

void PropertyPanel::addRow(const FieldPlace &place, QLineEdit *edit, QWidget *label,
                           QLabel *problem)
{
    edit->installEventFilter(this);
    m_rows.push_back({place, edit, label, problem, {}});
}

void PropertyPanel::buildForm(char separator)
{
    auto *main = new QVBoxLayout(this);
    m_caption = new QLabel(this);
    m_caption->setObjectName(QStringLiteral("lbl_controls"));
    m_caption->setWordWrap(true);
    main->addWidget(m_caption);
    m_form = new QWidget(this);
    main->addWidget(m_form);
    main->addStretch();
    auto *form = new QVBoxLayout(m_form);
    form->setContentsMargins(0, 0, 0, 0);

    // The editor's left column, its colour groups and heights, then the action below.
    const auto group = [&](const char *title, std::initializer_list<PanelField> fields) {
        auto *box = new QGroupBox(QString::fromLatin1(title), m_form);
        auto *grid = new QGridLayout(box);
        int row = 0;
        for (PanelField field : fields) {
            const PanelFieldInfo &info = panelFieldInfo(field);
            auto *label = new QLabel(fromStd(info.label), box);
            QLineEdit *edit = makeField(info, separator, box);
            QLabel *problem = problemLabel(box);
            grid->addWidget(label, row, 0);
            grid->addWidget(edit, row++, 1);
            grid->addWidget(problem, row++, 0, 1, 2);
            addRow({field}, edit, label, problem);
            if (formFieldOf(field)) {
                auto *words = new QLabel(box);
                words->setObjectName(fromStd(info.objectName).replace(0, 3, QStringLiteral("lbl"))
                                     + QStringLiteral("_form"));
                words->setWordWrap(true);
                words->hide();
                grid->addWidget(words, row++, 1);
                m_rows.back().form = words;
            }
        }
        form->addWidget(box);
    };
    group("Control", {PanelField::Name, PanelField::Idc, PanelField::Width, PanelField::Height});
    group("Font and text", {PanelField::FontSize, PanelField::LineSpacing, PanelField::Text});
    for (ColourGroup colour : kColourGroups) {
        const ColourGroupInfo &info = colourGroupInfo(colour);
        auto *box = new QGroupBox(fromStd(info.label), m_form);
        auto *grid = new QGridLayout(box);
        QLabel *problem = problemLabel(box);
        for (std::size_t i = 0; i < 4; ++i) {
            const int column = static_cast<int>(i);
            auto *head = new QLabel(fromStd(kComponentHeads[i]), box);
            auto *edit = new NumberField(kFractionBounds, separator, true, box);
            edit->setObjectName(QString::fromStdString(componentFieldName(colour, i)));
            edit->setTypingLimit(kComponentCharacters);
            grid->addWidget(head, 0, column);
            grid->addWidget(edit, 1, column);
            addRow({PanelField::Colour, colour, i}, edit, box, problem);
        }
        grid->addWidget(problem, 2, 0, 1, 4);
        form->addWidget(box);
    }
    group("Heights", {PanelField::RowHeight, PanelField::WholeHeight});
    group("Script", {PanelField::Action});
}

QLineEdit *PropertyPanel::field(const QString &objectName) const
{
    for (const Row &row : m_rows) {
        if (row.edit->objectName() == objectName)
            return row.edit;
    }
    return nullptr;
}

void PropertyPanel::showControlsOf(SurfaceView *view)
{
    m_view = view;
    m_tags.clear();
    if (view) {
        m_tags = view->selection().tags();
        if (m_tags.empty() && !view->interaction().focusTag.empty())
            m_tags.push_back(view->interaction().focusTag);
    }
    for (Row &row : m_rows)
        row.edit->setText(QString()); // a new choice of controls forgets what was typed
    refill();
}

std::vector<std::size_t> PropertyPanel::recordIndices(std::size_t &dialog) const
{
    std::vector<std::size_t> records;
    if (!m_view)
        return records;
    const DialogSet &set = m_host.document();
    const auto index = set.indexOfFrmIndex(m_view->frmIndex());
    if (!index)
        return records;
    dialog = *index;
    for (const std::string &tag : m_tags) {
        if (const auto record = set.dialog(dialog).recordIndexByTag(tag))
            records.push_back(*record);
    }
    return records;
}

bool PropertyPanel::showForm(QLabel &words, std::span<const ControlRecord *const> picked,
                             const FieldPlace &place) const
{
    std::vector<FormLook> looks;
    for (const ControlRecord *record : picked)
        looks.push_back(formLook(*record, *formFieldOf(place.field),
                                 m_host.document().referenceScreen(), m_separator));
    const FormLook look = sharedFormLook(looks);
    words.setText(fromStd(look.beside));
    words.setToolTip(fromStd(look.hint));
    words.setVisible(!look.beside.empty());
    return look.takesTyping();
}

void PropertyPanel::refill()
{
    std::size_t dialog = 0;
    const std::vector<std::size_t> records = recordIndices(dialog);
    std::vector<EditorFields> fields;
    std::vector<std::optional<ControlKind>> kinds;
    std::vector<const ControlRecord *> picked;
    for (std::size_t record : records) {
        const ControlRecord &r = m_host.document().dialog(dialog).cControls[record];
        picked.push_back(&r);
        fields.push_back(fieldsFromRecord(r, m_separator));
        kinds.push_back(kindFromWord(r.CtrlType));
    }
    if (records.empty())
        m_caption->setText(QStringLiteral("No control is picked."));
    else if (records.size() == 1)
        m_caption->setText(QStringLiteral("%1 %2").arg(
            QString::fromStdString(m_host.document().dialog(dialog).cControls[records[0]].CtrlType),
            QString::fromStdString(fields[0].name)));
    else
        m_caption->setText(QStringLiteral("%1 controls").arg(records.size()));
    m_form->setVisible(!records.empty());

    for (Row &row : m_rows) {
        bool used = false;
        for (std::size_t i = 0; i < fields.size(); ++i)
            used = used || isUsable(kinds[i], fields[i], row.place);
        row.edit->setVisible(used);
        row.label->setVisible(used);
        const auto shared = sharedText(fields, row.place);
        const QString text = shared ? QString::fromStdString(*shared) : QString();
        // Several lines are the editor's to change; the panel's field holds one.
        const bool lines = text.contains(QLatin1Char('\n'));
        const bool typable = !row.form || showForm(*row.form, picked, row.place);
        row.edit->setReadOnly(lines || !typable);
        row.edit->setPlaceholderText(shared ? QString() : QStringLiteral("mixed"));
        const bool typing = row.edit->hasFocus() && row.edit->text() != row.shown;
        row.shown = lines ? QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) : text;
        if (!typing) {
            if (auto *number = qobject_cast<NumberField *>(row.edit))
                number->showValue(row.shown);
            else
                row.edit->setText(row.shown);
            row.problem->hide();
        }
    }
}

void PropertyPanel::focusFirstField()
{
    if (m_rows.empty() || !m_form->isVisible())
        return;
    m_rows.front().edit->setFocus(Qt::ShortcutFocusReason);
    m_rows.front().edit->selectAll();
}

PropertyPanel::Row *PropertyPanel::rowOf(const QObject *edit)
{
    for (Row &row : m_rows) {
        if (row.edit == edit)
            return &row;
    }
    return nullptr;
}

bool PropertyPanel::eventFilter(QObject *watched, QEvent *event)
{
    Row *row = rowOf(watched);
    if (!row)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        commit(*row);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commit(*row);
            return true;
        }
        if (key == Qt::Key_Escape) {
            restore(*row);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PropertyPanel::restore(Row &row)
{
    row.edit->setText(row.shown);
    row.problem->hide();
}

void PropertyPanel::commit(Row &row)
{
    const QString text = row.edit->text();
    if (row.edit->isReadOnly() || text == row.shown) {
        row.problem->hide();
        return;
    }
    std::size_t dialog = 0;
    const std::vector<std::size_t> records = recordIndices(dialog);
    if (records.empty() || !m_view)
        return;
    DialogSet &set = m_host.document();
    const std::string typedText = text.toStdString();
    std::vector<std::pair<std::size_t, TypedRecord>> written;
    for (std::size_t record : records) {
        const ControlRecord &r = set.dialog(dialog).cControls[record];
        const auto kind = kindFromWord(r.CtrlType);
        if (!isUsable(kind, fieldsFromRecord(r, m_separator), row.place))
            continue;
        TypedRecord typed = typeIntoRecord(r, row.place, typedText, m_separator);
        if (!typed.problems.empty()) {
            // Nothing is written: the field keeps what was typed until Escape or a new value.
            row.problem->setText(reportText(typed.problems));
            row.problem->show();
            return;
        }
        written.emplace_back(record, std::move(typed));
    }
    row.problem->hide();
    const SurfaceSize surface = m_view->outerSize();
    for (auto &[record, typed] : written) {
        const auto kind = kindFromWord(typed.record.CtrlType);
        set.writeRecord(dialog, record, typed.record);
        typed.record = set.dialog(dialog).cControls[record]; // with the screen values of its F
        const DrawnControl *drawn = set.drawnControls(dialog).findByTag(typed.record.Tag);
        if (drawn && kind) {
            DrawnControl refreshed = *drawn;
            refreshTypedField(refreshed, *kind, typed, row.place, surface);
            set.refreshDrawnControl(dialog, refreshed);
        }
    }
    row.shown = text;
    m_view->refresh();
    m_host.documentChanged(*m_view, fromStd(stepName(row.place)));
    refill();
}

} // namespace kovrin
