#include "model/control_record.h"

#include <variant>

namespace kovrin {
namespace {

std::size_t colourTextBytes(const ColourValue &colour)
{
    std::size_t bytes = 0;
    if (colour) {
        for (const ColourComponent &component : *colour) {
            if (const auto *text = std::get_if<std::string>(&component))
                bytes += text->size();
        }
    }
    return bytes;
}

} // namespace

std::size_t textBytes(const ControlRecord &r)
{
    return r.Name.size() + r.Style.size() + r.Font.size() + r.Text.size() + r.Action.size()
        + r.CtrlType.size() + colourTextBytes(r.ForeColor) + colourTextBytes(r.BackColor)
        + colourTextBytes(r.ActiveColor) + colourTextBytes(r.SelectionColor)
        + colourTextBytes(r.SelectionBGColor) + r.Forms.textBytes() + r.Others.textBytes()
        + r.Base.size();
}

} // namespace kovrin
