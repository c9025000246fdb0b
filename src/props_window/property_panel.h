#pragma once
// The Properties panel: the editor's fields for the picked controls of one surface (or its
// focused control when none is picked), grouped as the editor groups them, or the dialog's own
// fields when neither is. A text field typed in is written when it is left or Enter is pressed,
// a list entry or a check box as soon as it is chosen, a colour picked from a sample at once:
// each through the editor's own check and record writing, as one undo step named after the
// field; Escape puts a text back. A value the picked controls do not share shows empty with
// "mixed" in grey (a check box half checked), and what is put there goes to all of them. Picked
// controls of one newer kind also show that kind's own values (model/kind_properties.h), typed
// like any other field.

#include "model/control_forms.h"
#include "model/other_properties.h"

#include <QPointer>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace kovrin {

enum class ColourGroup;
enum class ControlKind;
struct EditorFields;
enum class PanelChoice;
struct ControlRecord;
struct FieldPlace;
struct KindProperty;
struct TypedRecord;

class ColourGroupBox;
class FontPreview;
class SurfaceHost;
class SurfaceView;

class PropertyPanel : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPanel(SurfaceHost &host, QWidget *parent = nullptr);
    ~PropertyPanel() override;

    // The controls to show: the view's picked ones, or its focused one; the dialog itself when
    // neither; nothing without a view.
    void showControlsOf(SurfaceView *view);
    // The document changed: the fields show the records again, except one being typed in.
    void refill();
    // The same once the events waiting now are done: many changes in a row make one refill.
    void scheduleRefill();
    // The first field (Name), focused with its text selected.
    void focusFirstField();

    // The field of the editor's widget name ("txt_width", "txt_fg_r"), for tests; the dialog's
    // own are "txt_dialogname" and "txt_size".
    QLineEdit *field(const QString &objectName) const;
    QComboBox *list(const QString &objectName) const; // "cmb_style", "cmb_font"
    QCheckBox *checkBox(const QString &objectName) const; // "chk_multi", "chk_shadow", ...
    ColourGroupBox *colourGroup(ColourGroup group) const;

signals:
    // The dialog's name or grid step typed in the panel and checked as the prompts check them;
    // the owner makes the step.
    void dialogRenamed(std::int16_t frmIndex, const QString &name);
    void gridStepTyped(std::int16_t frmIndex, const QString &step);
    void layoutChosen(std::int16_t frmIndex, DialogLayout layout);
    // The dialog's other properties typed in the panel and checked.
    void dialogPropertiesTyped(std::int16_t frmIndex, const kovrin::OtherProperties &others);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Row; // one text field with its place, label and problem line
    struct ChoiceRow; // one list or check box
    using Make = std::function<TypedRecord(const ControlRecord &)>;

    // Building (property_panel_form.cpp).
    void buildForm(char separator);
    void buildDialogForm(char separator);
    void addChoice(PanelChoice choice, QWidget *widget, QWidget *label, QLabel *problem);

    // The fields of the controls shown and their kinds.
    // The picked records' fields as the editor shows them, their kinds and the records.
    struct Shown
    {
        std::vector<EditorFields> fields;
        std::vector<std::optional<ControlKind>> kinds;
        std::vector<const ControlRecord *> records;
    };
    // The form of a size over the picked records beside it; false when it takes no typing.
    bool showForm(QLabel &words, std::span<const ControlRecord *const> picked,
                  const FieldPlace &place) const;
    void refillRows(const Shown &shown);
    // Names and labels a row of the kind's own values after its entry of the table the shown
    // controls share; false when the table has no such entry.
    bool showKindValue(Row &row, std::span<const KindProperty> table);
    void refillChoices(const Shown &shown);
    void refillDialog(bool keepTyping = true);
    Row *rowOf(const QObject *edit);
    void commit(Row &row);
    void commitChoice(ChoiceRow &row, const QString &text);
    void pickColour(ColourGroup group);
    void commitDialogField(QLineEdit *edit);
    void commitDialogOthers();
    void restore(Row &row);
    // Writes what make gives every shown control that can use it as one step; a report stops
    // all and shows in the problem line. A typed place refreshes what it gives the drawn control.
    bool writeAll(const Make &make, const std::function<bool(const ControlRecord &)> &uses,
                  const std::optional<FieldPlace> &typed, const QString &stepName, QLabel *problem);
    // The dialog's index and the records' indices of the controls shown; empty when gone.
    std::vector<std::size_t> recordIndices(std::size_t &dialog) const;
    std::optional<std::size_t> dialogIndex() const;
    // The kind of the first control shown; the others' own values share its table.
    std::optional<ControlKind> shownKind() const;

    SurfaceHost &m_host;
    char m_separator;
    QPointer<SurfaceView> m_view;
    std::vector<std::string> m_tags;
    QLabel *m_caption = nullptr;
    QWidget *m_form = nullptr;
    QWidget *m_dialogForm = nullptr;
    QLineEdit *m_dialogName = nullptr;
    QLineEdit *m_gridStep = nullptr;
    QComboBox *m_layout = nullptr; // Screen, then Safe Zone, in DialogLayout's order
    QPlainTextEdit *m_dialogOthers = nullptr;
    QLabel *m_dialogProblem = nullptr;
    QPlainTextEdit *m_others = nullptr; // the shown controls' other properties, read only
    QString m_dialogNameShown; // what the dialog gave its two fields
    QString m_gridStepShown;
    QString m_dialogOthersShown;
    FontPreview *m_fontPreview = nullptr;
    std::vector<Row> m_rows;
    std::vector<ChoiceRow> m_choices;
    std::vector<ColourGroupBox *> m_colours;
    bool m_refillPending = false;
    bool m_filling = false; // the panel itself is setting its lists and boxes
};

} // namespace kovrin
