#include "persist/design_fields.h"

#include "model/message_text.h"

#include <array>

namespace kovrin::design {
namespace {

constexpr std::array<std::string_view, kFieldCount> kNames {
    "dialog name",
    "Name",
    "IDC",
    "Width",
    "Height",
    "Style",
    "ForeColor red",
    "ForeColor green",
    "ForeColor blue",
    "ForeColor alpha",
    "BackColor red",
    "BackColor green",
    "BackColor blue",
    "BackColor alpha",
    "Font",
    "FontSize",
    "Text",
    "ActiveColor red",
    "ActiveColor green",
    "ActiveColor blue",
    "ActiveColor alpha",
    "SelectionColor red",
    "SelectionColor green",
    "SelectionColor blue",
    "SelectionColor alpha",
    "SelectionBGColor red",
    "SelectionBGColor green",
    "SelectionBGColor blue",
    "SelectionBGColor alpha",
    "Action",
    "Enter",
    "RowHeight",
    "WholeHeight",
    "CtrlType",
    "X",
    "Y",
    "LineSpacing",
};

} // namespace

std::string_view fieldName(std::size_t field)
{
    return field < kNames.size() ? kNames[field] : std::string_view("extra item");
}

std::string placeText(std::string_view dialog, std::size_t control, std::string_view controlName,
                      std::string_view what)
{
    std::string out = "dialog " + quotedText(dialog);
    if (control > 0)
        out += ", control " + std::to_string(control) + " (" + quotedText(controlName) + ")";
    out += ", ";
    out += what;
    return out;
}

std::string replacedAll(std::string_view text, std::string_view what, std::string_view with)
{
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(what); at != std::string_view::npos;
         at = text.find(what, from)) {
        out.append(text.substr(from, at - from));
        out.append(with);
        from = at + what.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string withQuoteEntities(std::string_view text)
{
    return replacedAll(text, "\"", kQuoteEntity);
}

std::string withoutQuoteEntities(std::string_view stored)
{
    return replacedAll(stored, kQuoteEntity, "\"");
}

} // namespace kovrin::design
