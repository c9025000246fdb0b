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
    }
    return "";
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
