#include "model/control_kind.h"

namespace kovrin {

std::string_view kindWord(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Input:
        return "INPUT";
    case ControlKind::Text:
        return "TEXT";
    case ControlKind::Combo:
        return "COMBO";
    case ControlKind::Button:
        return "BUTTON";
    case ControlKind::Frame:
        return "FRAME";
    case ControlKind::Link:
        return "LINK";
    case ControlKind::List:
        return "LIST";
    case ControlKind::Picture:
        return "PICTURE";
    case ControlKind::Slider:
        return "SLIDER";
    case ControlKind::Group:
        return "GROUP";
    case ControlKind::StructuredText:
        return "STRUCTUREDTEXT";
    case ControlKind::ShortcutButton:
        return "SHORTCUTBUTTON";
    case ControlKind::Map:
        return "MAP";
    case ControlKind::ColumnList:
        return "COLUMNLIST";
    case ControlKind::Progress:
        return "PROGRESS";
    case ControlKind::CheckBox:
        return "CHECKBOX";
    case ControlKind::CheckBoxRow:
        return "CHECKBOXROW";
    case ControlKind::ExtSlider:
        return "XSLIDER";
    case ControlKind::Tree:
        return "TREE";
    case ControlKind::ToolboxRow:
        return "TOOLBOXROW";
    case ControlKind::Generic:
        return "GENERIC";
    }
    return "";
}

std::optional<int> gameType(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Text:
    case ControlKind::Frame:
    case ControlKind::Picture:
        return 0;
    case ControlKind::Button:
        return 1;
    case ControlKind::Input:
        return 2;
    case ControlKind::Slider:
        return 3;
    case ControlKind::Combo:
        return 4;
    case ControlKind::List:
        return 5;
    case ControlKind::Link:
        return 11;
    case ControlKind::Group:
        return 15;
    case ControlKind::StructuredText:
        return 13;
    case ControlKind::ShortcutButton:
        return 16;
    case ControlKind::Map:
        return 101;
    case ControlKind::ColumnList:
        return 102;
    case ControlKind::Progress:
        return 8;
    case ControlKind::CheckBox:
        return 77;
    case ControlKind::CheckBoxRow:
        return 7;
    case ControlKind::ExtSlider:
        return 43;
    case ControlKind::Tree:
        return 12;
    case ControlKind::ToolboxRow:
        return 6;
    case ControlKind::Generic:
        break;
    }
    return std::nullopt;
}

std::optional<ControlKind> kindFromWord(std::string_view word)
{
    for (ControlKind kind : kAllKinds) {
        if (kindWord(kind) == word)
            return kind;
    }
    return std::nullopt;
}

bool showsTextColour(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Input:
    case ControlKind::Text:
    case ControlKind::Combo:
    case ControlKind::Frame:
    case ControlKind::Link:
    case ControlKind::List:
    case ControlKind::ColumnList:
    case ControlKind::Tree:
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        return true;
    default:
        return false;
    }
}

bool showsBackColour(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Group:
    case ControlKind::Text:
    case ControlKind::Combo:
    case ControlKind::Frame:
    case ControlKind::List:
    case ControlKind::StructuredText:
    case ControlKind::Map:
    case ControlKind::ColumnList:
    case ControlKind::Tree:
    case ControlKind::CheckBoxRow:
    case ControlKind::ToolboxRow:
        return true;
    default:
        return false;
    }
}

bool showsRecordText(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Text:
    case ControlKind::Link:
    case ControlKind::Button:
    case ControlKind::Frame:
    case ControlKind::StructuredText:
    case ControlKind::ShortcutButton:
        return true;
    default:
        return false;
    }
}

std::string_view fixedWord(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Input:
        return "INPUT";
    case ControlKind::Combo:
        return "COMBO";
    case ControlKind::List:
        return "LISTBOX";
    default:
        return "";
    }
}

} // namespace kovrin
