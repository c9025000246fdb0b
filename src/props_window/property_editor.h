#pragma once
// The modal "Control Properties" editor (frm_Options) on one record of a dialog. It works on its
// own fields until OK or Apply checks them and writes the record and the drawn control back;
// Cancel leaves both alone, Delete removes the control.
//
// Made on a record, it is filled at once, so a test can drive its widgets and read the result
// without a modal loop; openPropertyEditor shows it modally.

#include "model/control_kind.h"
#include "props/colour_groups.h"
#include "props/editor_fields.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kovrin {

class ColourGroupBox;
class EditorKeys;
class FontPreview;
class NumberField;
class SurfaceHost;
class SurfaceView;
struct ControlRecord;
struct DrawnControl;

class PropertyEditor : public QDialog
{
    Q_OBJECT
public:
    // The result of a Delete, beside Accepted (OK) and Rejected (Cancel).
    static constexpr int Deleted = 2;

    PropertyEditor(SurfaceHost &host, SurfaceView &itemForm, std::size_t recordIndex,
                   QWidget *parent = nullptr);
    ~PropertyEditor() override;

    // --- the inputs --------------------------------------------------------------------------
    SurfaceView &ItemForm() const { return m_itemForm; }
    std::size_t ItemPos() const { return m_recordIndex + 1; } // 1-based
    const DrawnControl *ItemCtrl() const;

    // --- the buttons and events --------------------------------------------------------------
    void cmd_OK_Click();
    void cmd_apply_Click();
    void cmd_Cancel_Click();
    void cmd_delete_Click();
    void chk_multi_Click();
    void cmd_sample_Click(ColourGroup group);
    void cmb_font_Click();
    // Repaints the sample of the group whose red, green or blue field is named; "ALL" repaints
    // the selection background sample.
    void UpdateSample(SampleChoice choice, const QString &field = {});

    // --- what the window holds -------------------------------------------------------------
    EditorFields fields() const;
    ColourGroupBox *colourGroup(ColourGroup group) const { return m_colours[groupIndex(group)]; }

private:
    // Building the window (property_editor_form.cpp).
    void buildForm(char separator);
    QLayout *buildLeftColumn(char separator);
    QLayout *buildRightColumn(char separator);
    QLayout *buildButtonRow();
    void setTabOrderAndKeys();

    // Opening (property_editor.cpp).
    void Form_Load();
    void applyKindRules();
    // A field per value of the kind's own (model/kind_properties.h), in the "Values of the kind"
    // box, which stays hidden for kinds without any.
    void buildKindFields();
    void showFields(const EditorFields &fields);
    // Width, Height and Font Size in a form other than a screen fraction: the words beside them,
    // and an expression kept from typing.
    void showForms(const ControlRecord &record);

    // Check and write (property_editor_save.cpp).
    bool checkPasses();
    bool SaveProperties(); // false when the record is gone (the editor then closes)
    std::optional<std::size_t> dialogIndex() const;
    const ControlRecord *record() const;
    void reportMissingControl();

    SurfaceHost &m_host;
    SurfaceView &m_itemForm;
    std::size_t m_recordIndex;
    std::optional<ControlKind> m_kind;
    char m_separator;
    EditorFields m_opened; // the fields as filled, or as the last Apply wrote them
    std::array<PositionForm, kAllFormFields.size()> m_forms {}; // as filled
    QColor m_lastPicked; // the colour dialog starts from the last colour it gave

    QLineEdit *m_name = nullptr;
    NumberField *m_idc = nullptr;
    NumberField *m_width = nullptr;
    NumberField *m_height = nullptr;
    QComboBox *m_font = nullptr;
    FontPreview *m_fontPreview = nullptr;
    NumberField *m_fontSize = nullptr;
    QComboBox *m_style = nullptr;
    QCheckBox *m_multi = nullptr;
    QCheckBox *m_shadow = nullptr;
    NumberField *m_lineSpacing = nullptr;
    QPlainTextEdit *m_text = nullptr;
    std::array<ColourGroupBox *, 5> m_colours {};
    NumberField *m_rowHeight = nullptr;
    NumberField *m_wholeHeight = nullptr;
    QPlainTextEdit *m_action = nullptr;
    QCheckBox *m_enter = nullptr;
    QCheckBox *m_scrollBars = nullptr;
    QPlainTextEdit *m_others = nullptr;
    QLineEdit *m_base = nullptr; // the game's class the control derives from, read only
    QLabel *m_fontSizeLabel = nullptr; // "Size" for a structured text, which writes it so
    QWidget *m_kindBox = nullptr;
    std::vector<QLineEdit *> m_kindFields; // in the order of kindProperties(kind)
    std::array<QLabel *, 3> m_formWords {}; // beside Width, Height and Font Size
    QPushButton *m_ok = nullptr;
    QPushButton *m_apply = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_cancel = nullptr;
    EditorKeys *m_keys = nullptr;
};

} // namespace kovrin
