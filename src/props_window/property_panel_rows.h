#pragma once
// What the Properties panel keeps of each of its fields, shared by its building and its work.

#include "props/panel_field.h"

#include <QString>

#include <string_view>

class QLabel;
class QLineEdit;
class QWidget;

namespace kovrin {

inline QString panelText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

struct PropertyPanel::Row
{
    FieldPlace place;
    QLineEdit *edit = nullptr;
    QWidget *label = nullptr; // hidden with the field when no picked kind uses it
    QLabel *problem = nullptr;
    QString shown; // what the records gave the field
    QLabel *form = nullptr; // a size's form beside it, hidden while a screen fraction
};

struct PropertyPanel::ChoiceRow
{
    PanelChoice choice;
    QWidget *widget = nullptr; // a QComboBox or a QCheckBox
    QWidget *label = nullptr; // the box itself for a check box
    QLabel *problem = nullptr;
};

} // namespace kovrin
