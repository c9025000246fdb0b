#include "props/colour_groups.h"

#include "props/field_table.h"

namespace kovrin {
namespace {

constexpr std::array<ColourGroupInfo, 5> kInfo {{
    {"ForeColor", "txt_fg_", "cmd_fgsample", "Select foreground color"},
    {"BackColor", "txt_bg_", "cmd_bgsample", "Select background color"},
    {"ActiveColor", "txt_active_", "cmd_activesample", "Select active color"},
    {"SelectColor", "txt_sel_", "cmd_selsample", "Select selection color"},
    {"SelectBGColor", "txt_selbg_", "cmd_selbgsample", "Select selection background color"},
}};

constexpr std::array<char, 4> kComponentLetters {'r', 'g', 'b', 'a'};

} // namespace

const ColourGroupInfo &colourGroupInfo(ColourGroup group)
{
    return kInfo[groupIndex(group)];
}

std::string componentFieldName(ColourGroup group, std::size_t component)
{
    std::string name(colourGroupInfo(group).fieldPrefix);
    name += kComponentLetters.at(component);
    return name;
}

ColourValue &recordColour(ControlRecord &record, ColourGroup group)
{
    switch (group) {
    case ColourGroup::Fore:
        return record.ForeColor;
    case ColourGroup::Back:
        return record.BackColor;
    case ColourGroup::Active:
        return record.ActiveColor;
    case ColourGroup::Select:
        return record.SelectionColor;
    case ColourGroup::SelectBG:
        break;
    }
    return record.SelectionBGColor;
}

const ColourValue &recordColour(const ControlRecord &record, ColourGroup group)
{
    return recordColour(const_cast<ControlRecord &>(record), group);
}

bool isUsable(std::optional<ControlKind> kind, ColourGroup group)
{
    switch (group) {
    case ColourGroup::Fore:
        return isUsable(kind, KindField::ForeColor);
    case ColourGroup::Back:
        return isUsable(kind, KindField::BackColor);
    case ColourGroup::Active:
        return isUsable(kind, KindField::ActiveColor);
    case ColourGroup::Select:
        return isUsable(kind, KindField::SelectColor);
    case ColourGroup::SelectBG:
        break;
    }
    return isUsable(kind, KindField::SelectBGColor);
}

std::optional<ColourGroup> sampleToUpdate(SampleChoice choice, std::string_view fieldName)
{
    if (choice == SampleChoice::All)
        return ColourGroup::SelectBG;
    for (ColourGroup group : kColourGroups) {
        for (std::size_t component = 0; component < 3; ++component) {
            if (fieldName == componentFieldName(group, component))
                return group;
        }
    }
    return std::nullopt;
}

} // namespace kovrin
