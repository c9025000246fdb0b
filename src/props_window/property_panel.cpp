#include "props_window/property_panel.h"

#include "model/dialog_name_check.h"
#include "model/dialog_set.h"
#include "model/number_text.h"
#include "props/form_look.h"
#include "props/other_lines.h"
#include "props_window/colour_group_box.h"
#include "props_window/font_preview.h"
#include "props_window/number_field.h"
#include "props_window/property_panel_rows.h"
#include "surface/grid_step.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"
#include "surface_view/user_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>
#include <array>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace kovrin {
namespace {

// The check's report as the panel shows it: its lines without the "\r\n" after each.
QString reportText(const std::string &report)
{
    QString text = QString::fromStdString(report).trimmed();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void showProblem(QLabel *problem, const std::string &report)
{
    problem->setText(reportText(report));
    problem->setVisible(!report.empty());
}

} // namespace

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

QLineEdit *PropertyPanel::field(const QString &objectName) const
{
    for (QLineEdit *edit : {m_dialogName, m_gridStep}) {
        if (edit->objectName() == objectName)
            return edit;
    }
    for (const Row &row : m_rows) {
        if (row.edit->objectName() == objectName)
            return row.edit;
    }
    return nullptr;
}

QComboBox *PropertyPanel::list(const QString &objectName) const
{
    return findChild<QComboBox *>(objectName);
}

QCheckBox *PropertyPanel::checkBox(const QString &objectName) const
{
    return findChild<QCheckBox *>(objectName);
}

ColourGroupBox *PropertyPanel::colourGroup(ColourGroup group) const
{
    return m_colours.at(groupIndex(group));
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
    // A new choice of controls forgets what was typed.
    for (Row &row : m_rows)
        row.edit->setText(QString());
    m_dialogName->setText(QString());
    m_gridStep->setText(QString());
    refill();
}

std::optional<std::size_t> PropertyPanel::dialogIndex() const
{
    if (!m_view)
        return std::nullopt;
    return m_host.document().indexOfFrmIndex(m_view->frmIndex());
}

std::vector<std::size_t> PropertyPanel::recordIndices(std::size_t &dialog) const
{
    std::vector<std::size_t> records;
    const auto index = dialogIndex();
    if (!index)
        return records;
    dialog = *index;
    const Dialog &shown = m_host.document().dialog(dialog);
    if (m_tags.size() == 1) {
        if (const auto record = shown.recordIndexByTag(m_tags.front()))
            records.push_back(*record);
        return records;
    }
    // One walk over the records, in their order, whatever the number picked.
    const std::unordered_set<std::string_view> picked(m_tags.begin(), m_tags.end());
    for (std::size_t i = 0; i < shown.cControls.size(); ++i) {
        if (picked.contains(shown.cControls[i].Tag))
            records.push_back(i);
    }
    return records;
}

void PropertyPanel::scheduleRefill()
{
    if (m_refillPending)
        return;
    m_refillPending = true;
    QTimer::singleShot(0, this, [this] {
        if (m_refillPending)
            refill();
    });
}

void PropertyPanel::refill()
{
    m_refillPending = false;
    std::size_t dialog = 0;
    const std::vector<std::size_t> records = recordIndices(dialog);
    const bool ownFields = records.empty() && dialogIndex().has_value();
    if (ownFields)
        m_caption->setText(
            QStringLiteral("Dialog %1").arg(panelText(m_host.document().dialog(dialog).Tag)));
    else if (records.empty())
        m_caption->setText(QStringLiteral("No control is picked."));
    else if (records.size() == 1)
        m_caption->setText(QStringLiteral("%1 %2").arg(
            QString::fromStdString(m_host.document().dialog(dialog).cControls[records[0]].CtrlType),
            QString::fromStdString(m_host.document().dialog(dialog).cControls[records[0]].Name)));
    else
        m_caption->setText(QStringLiteral("%1 controls").arg(records.size()));
    m_form->setVisible(!records.empty());
    m_dialogForm->setVisible(ownFields);
    Shown shown;
    for (std::size_t record : records) {
        const ControlRecord &r = m_host.document().dialog(dialog).cControls[record];
        shown.fields.push_back(fieldsFromRecord(r, m_separator));
        shown.kinds.push_back(kindFromWord(r.CtrlType));
        shown.records.push_back(&r);
    }
    // The other properties when the shown controls have the same, else nothing.
    const bool sameOthers = !shown.records.empty()
        && std::ranges::all_of(shown.records, [&shown](const ControlRecord *r) {
               return r->Others == shown.records.front()->Others;
           });
    m_others->setPlainText(
        sameOthers ? QString::fromStdString(otherLinesText(shown.records.front()->Others))
                   : QString());
    m_filling = true;
    refillRows(shown);
    refillChoices(shown);
    refillDialog();
    m_filling = false;
    // A group of fields none of the shown kinds has is not shown either.
    for (QGroupBox *group : m_form->findChildren<QGroupBox *>(Qt::FindDirectChildrenOnly)) {
        const QList<QWidget *> fields = group->findChildren<QWidget *>();
        group->setVisible(std::ranges::any_of(fields, [group](const QWidget *field) {
            return (qobject_cast<const QLineEdit *>(field) || qobject_cast<const QComboBox *>(field)
                    || qobject_cast<const QCheckBox *>(field)
                    || qobject_cast<const QPlainTextEdit *>(field))
                && field->isVisibleTo(group);
        }));
    }
}

bool PropertyPanel::showForm(QLabel &words, std::span<const ControlRecord *const> picked,
                             const FieldPlace &place) const
{
    std::vector<FormLook> looks;
    for (const ControlRecord *record : picked)
        looks.push_back(formLook(*record, *formFieldOf(place.field),
                                 m_host.document().referenceScreen(), m_separator));
    const FormLook look = sharedFormLook(looks);
    words.setText(panelText(look.beside));
    words.setToolTip(panelText(look.hint));
    words.setVisible(!look.beside.empty());
    return look.takesTyping();
}

void PropertyPanel::refillRows(const Shown &shown)
{
    const auto &fields = shown.fields;
    const auto &kinds = shown.kinds;
    std::array<bool, 5> groupShared {true, true, true, true, true};
    const auto kindTable = sharedKindProperties(kinds);
    for (Row &row : m_rows) {
        bool used = false;
        const bool kindValue = row.place.field == PanelField::KindValue;
        if (kindValue)
            used = showKindValue(row, kindTable);
        for (std::size_t i = 0; i < fields.size() && !kindValue; ++i)
            used = used || isUsable(kinds[i], fields[i], row.place);
        row.edit->setVisible(used);
        row.label->setVisible(used);
        if (row.place.field == PanelField::FontSize && !kinds.empty()) {
            // "Size" only while every picked control writes it so.
            const bool allSize = std::ranges::all_of(kinds, [&kinds](auto kind) {
                return fontSizeLabel(kind) == fontSizeLabel(kinds.front());
            });
            if (auto *label = qobject_cast<QLabel *>(row.label))
                label->setText(panelText(allSize ? fontSizeLabel(kinds.front())
                                                 : fontSizeLabel(std::nullopt)));
        }
        const auto shared = sharedText(fields, row.place);
        if (row.place.field == PanelField::Colour && row.place.component < 3 && !shared)
            groupShared[groupIndex(row.place.group)] = false;
        const QString text = shared ? QString::fromStdString(*shared) : QString();
        // Several lines are the editor's to change; the panel's field holds one.
        const bool lines = text.contains(QLatin1Char('\n'));
        const bool typable = !row.form || showForm(*row.form, shown.records, row.place);
        row.edit->setReadOnly(lines || !typable);
        row.edit->setPlaceholderText(!shared         ? QStringLiteral("mixed")
                                         : kindValue ? QStringLiteral("as the base class sets it")
                                                     : QString());
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
    // A sample shows the colour the fields give, or none while the controls differ in it.
    for (ColourGroupBox *box : m_colours) {
        if (groupShared[groupIndex(box->group())])
            box->paintSample();
        else
            box->showNoColour();
    }
}

bool PropertyPanel::showKindValue(Row &row, std::span<const KindProperty> table)
{
    const std::size_t entry = row.place.component;
    if (entry >= table.size()) {
        row.edit->setObjectName(QString()); // no field of that name while hidden
        return false;
    }
    const KindProperty &property = table[entry];
    // The Control Properties window's own name for the field.
    row.edit->setObjectName(QStringLiteral("txt_kind_") + panelText(property.entry));
    row.edit->setToolTip(QString::fromStdString(writtenAs(property)));
    static_cast<QLabel *>(row.label)->setText(panelText(property.label));
    return true;
}

void PropertyPanel::refillChoices(const Shown &shown)
{
    const auto &fields = shown.fields;
    const auto &kinds = shown.kinds;
    for (ChoiceRow &row : m_choices) {
        std::vector<std::optional<ControlKind>> users;
        std::ranges::copy_if(kinds, std::back_inserter(users),
                             [&row](auto kind) { return isUsable(kind, row.choice); });
        row.widget->setVisible(!users.empty());
        row.label->setVisible(!users.empty());
        row.problem->hide();
        const auto shared = sharedChoice(fields, kinds, row.choice);
        if (auto *box = qobject_cast<QCheckBox *>(row.widget)) {
            if (shared) {
                box->setTristate(false);
                box->setChecked(*shared == kChecked);
            } else {
                box->setCheckState(Qt::PartiallyChecked);
            }
            continue;
        }
        auto *list = static_cast<QComboBox *>(row.widget);
        QStringList entries;
        for (std::string_view entry : commonChoices(users, row.choice))
            entries << panelText(entry);
        QStringList now;
        for (int i = 0; i < list->count(); ++i)
            now << list->itemText(i);
        if (now != entries) {
            list->clear();
            list->addItems(entries);
        }
        const int at
            = shared ? static_cast<int>(entries.indexOf(QString::fromStdString(*shared))) : -1;
        list->setCurrentIndex(at);
        // A style or font the list does not offer is kept on writing; say which one.
        list->setPlaceholderText(!shared      ? QStringLiteral("mixed")
                                     : at < 0 ? QStringLiteral("(other)")
                                              : QString());
        list->setEnabled(!entries.isEmpty());
        if (row.choice == PanelChoice::Font) {
            if (at >= 0 && row.widget->isVisibleTo(this))
                m_fontPreview->showFont(entries[at]);
            else
                m_fontPreview->clearFont();
            m_fontPreview->setVisible(at >= 0 && !users.empty());
        }
    }
}

void PropertyPanel::refillDialog(bool keepTyping)
{
    const auto dialog = dialogIndex();
    if (!dialog || !m_dialogForm->isVisibleTo(this))
        return;
    const Dialog &shown = m_host.document().dialog(*dialog);
    const QString name = QString::fromStdString(shown.Tag);
    if (!(keepTyping && m_dialogName->hasFocus() && m_dialogName->text() != m_dialogNameShown)) {
        // A longer name read from a file is shown whole rather than cut.
        m_dialogName->setMaxLength(std::max<int>(kDialogNameLength, static_cast<int>(name.size())));
        m_dialogName->setText(name);
    }
    m_dialogNameShown = name;
    const QString step = QString::fromStdString(singleText(shown.GridSize, m_separator));
    if (!(keepTyping && m_gridStep->hasFocus() && m_gridStep->text() != m_gridStepShown))
        static_cast<NumberField *>(m_gridStep)->showValue(step);
    m_gridStepShown = step;
    m_layout->setCurrentIndex(static_cast<int>(shown.Layout));
    const QString others = QString::fromStdString(otherLinesText(shown.Others));
    if (!(keepTyping && m_dialogOthers->hasFocus()
          && m_dialogOthers->toPlainText() != m_dialogOthersShown))
        m_dialogOthers->setPlainText(others);
    m_dialogOthersShown = others;
    m_dialogProblem->hide();
}

void PropertyPanel::focusFirstField()
{
    QLineEdit *first = m_form->isVisible() ? m_rows.front().edit
        : m_dialogForm->isVisible()        ? m_dialogName
                                           : nullptr;
    if (!first)
        return;
    first->setFocus(Qt::ShortcutFocusReason);
    first->selectAll();
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
    if (watched == m_dialogOthers) {
        if (event->type() == QEvent::FocusOut) {
            commitDialogOthers();
        } else if (event->type() == QEvent::KeyPress
                   && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            m_dialogOthers->setPlainText(m_dialogOthersShown);
            m_dialogProblem->hide();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    const bool dialogField = watched == m_dialogName || watched == m_gridStep;
    Row *row = dialogField ? nullptr : rowOf(watched);
    if (!row && !dialogField)
        return QWidget::eventFilter(watched, event);
    const auto commitHere = [&] {
        if (row)
            commit(*row);
        else
            commitDialogField(static_cast<QLineEdit *>(watched));
    };
    if (event->type() == QEvent::FocusOut) {
        commitHere();
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            commitHere();
            return true;
        }
        if (key == Qt::Key_Escape) {
            if (row) {
                restore(*row);
            } else {
                auto *edit = static_cast<QLineEdit *>(watched);
                edit->setText(edit == m_dialogName ? m_dialogNameShown : m_gridStepShown);
                m_dialogProblem->hide();
            }
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

bool PropertyPanel::writeAll(const Make &make,
                             const std::function<bool(const ControlRecord &)> &uses,
                             const std::optional<FieldPlace> &typed, const QString &stepName,
                             QLabel *problem)
{
    std::size_t dialog = 0;
    const std::vector<std::size_t> records = recordIndices(dialog);
    if (records.empty() || !m_view)
        return false;
    DialogSet &set = m_host.document();
    std::vector<std::pair<std::size_t, TypedRecord>> written;
    written.reserve(records.size());
    for (std::size_t record : records) {
        const ControlRecord &r = set.dialog(dialog).cControls[record];
        if (!uses(r))
            continue;
        TypedRecord made = make(r);
        if (!made.problems.empty()) {
            // Nothing is written: the field keeps what was put there until Escape or a new value.
            showProblem(problem, made.problems);
            return false;
        }
        if (!(made.record == r))
            written.emplace_back(record, std::move(made));
    }
    problem->hide();
    if (written.empty())
        return false;
    const SurfaceSize surface = m_view->outerSize();
    for (auto &[record, made] : written) {
        set.writeRecord(dialog, record, made.record);
        made.record = set.dialog(dialog).cControls[record]; // with the screen values of its F
        const auto kind = kindFromWord(made.record.CtrlType);
        const DrawnControl *drawn = set.drawnControls(dialog).findByTag(made.record.Tag);
        if (typed && drawn && kind) {
            DrawnControl refreshed = *drawn;
            refreshTypedField(refreshed, *kind, made, *typed, surface);
            set.refreshDrawnControl(dialog, refreshed);
        }
    }
    m_view->refresh();
    m_host.documentChanged(*m_view, stepName);
    return true;
}

std::optional<ControlKind> PropertyPanel::shownKind() const
{
    std::size_t dialog = 0;
    const std::vector<std::size_t> records = recordIndices(dialog);
    if (records.empty())
        return std::nullopt;
    return kindFromWord(m_host.document().dialog(dialog).cControls[records.front()].CtrlType);
}

void PropertyPanel::commit(Row &row)
{
    const QString text = row.edit->text();
    if (row.edit->isReadOnly() || text == row.shown) {
        row.problem->hide();
        return;
    }
    const std::string typedText = text.toStdString();
    const FieldPlace place = row.place;
    const bool wrote = writeAll(
        [&](const ControlRecord &r) { return typeIntoRecord(r, place, typedText, m_separator); },
        [&](const ControlRecord &r) { return isUsable(r, place); }, place,
        panelText(stepName(place, shownKind())), row.problem);
    if (wrote)
        refill();
}

void PropertyPanel::commitChoice(ChoiceRow &row, const QString &text)
{
    const std::string chosen = text.toStdString();
    const PanelChoice choice = row.choice;
    writeAll(
        [&](const ControlRecord &r) { return chooseIntoRecord(r, choice, chosen, m_separator); },
        [&](const ControlRecord &r) { return isUsable(kindFromWord(r.CtrlType), choice); },
        std::nullopt, panelText(panelChoiceInfo(choice).label), row.problem);
    refill(); // also a refused choice shows the records' values again
}

void PropertyPanel::pickColour(ColourGroup group)
{
    ColourGroupBox *box = colourGroup(group);
    const QString title = panelText(colourGroupInfo(group).pickerTitle);
    const std::optional<QColor> picked = m_host.prompts().pickColour(title, box->sampleColour());
    if (!picked || !picked->isValid())
        return;
    box->applyPick(Rgb8 {static_cast<std::uint8_t>(picked->red()),
                         static_cast<std::uint8_t>(picked->green()),
                         static_cast<std::uint8_t>(picked->blue())},
                   m_separator);
    const std::array<std::string, 3> redGreenBlue {box->component(0)->text().toStdString(),
                                                   box->component(1)->text().toStdString(),
                                                   box->component(2)->text().toStdString()};
    const FieldPlace place {PanelField::Colour, group, 0};
    Row *first = rowOf(box->component(0));
    writeAll(
        [&](const ControlRecord &r) { return typeIntoRecord(r, group, redGreenBlue, m_separator); },
        [&](const ControlRecord &r) { return isUsable(kindFromWord(r.CtrlType), group); }, place,
        panelText(stepName(place)), first->problem);
    refill();
}

void PropertyPanel::commitDialogField(QLineEdit *edit)
{
    const auto dialog = dialogIndex();
    const QString &shown = edit == m_dialogName ? m_dialogNameShown : m_gridStepShown;
    if (!dialog || !m_view || edit->text() == shown) {
        m_dialogProblem->hide();
        return;
    }
    const std::int16_t frmIndex = m_view->frmIndex();
    const std::string text = edit->text().toStdString();
    const std::string problems = edit == m_dialogName
        ? dialogNameProblems(text, m_host.document(), frmIndex)
        : gridSizeProblems(text);
    showProblem(m_dialogProblem, problems);
    if (!problems.empty())
        return;
    if (edit == m_dialogName)
        emit dialogRenamed(frmIndex, edit->text());
    else
        emit gridStepTyped(frmIndex, edit->text());
    // A step of 0 takes only the lines away: the field shows the step that stays.
    refill();
    refillDialog(false);
}

void PropertyPanel::commitDialogOthers()
{
    const auto dialog = dialogIndex();
    const QString text = m_dialogOthers->toPlainText();
    if (!dialog || !m_view || text == m_dialogOthersShown) {
        m_dialogProblem->hide();
        return;
    }
    const OtherLinesRead read = readOtherLines(text.toStdString(), OwnNames::Dialog);
    showProblem(m_dialogProblem, read.report);
    if (!read.report.empty())
        return;
    emit dialogPropertiesTyped(m_view->frmIndex(), read.others);
    refill();
    refillDialog(false);
}

} // namespace kovrin
