#pragma once
// The editor's five colour groups: their labels, field and sample names, picker titles, the
// record colour each edits, which kinds can use them, and which sample a field name repaints.

#include "model/control_kind.h"
#include "model/control_record.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

enum class ColourGroup { Fore, Back, Active, Select, SelectBG };

inline constexpr std::array<ColourGroup, 5> kColourGroups {ColourGroup::Fore, ColourGroup::Back,
                                                           ColourGroup::Active, ColourGroup::Select,
                                                           ColourGroup::SelectBG};

constexpr std::size_t groupIndex(ColourGroup group)
{
    return static_cast<std::size_t>(group);
}

struct ColourGroupInfo
{
    std::string_view label; // "ForeColor"
    std::string_view fieldPrefix; // "txt_fg_"
    std::string_view sampleName; // "cmd_fgsample"
    std::string_view pickerTitle; // "Select foreground color"
};

const ColourGroupInfo &colourGroupInfo(ColourGroup group);

// The name of a component field: "txt_fg_r", "txt_fg_g", "txt_fg_b", "txt_fg_a" for 0 to 3.
std::string componentFieldName(ColourGroup group, std::size_t component);

// The record colour that the group edits.
ColourValue &recordColour(ControlRecord &record, ColourGroup group);
const ColourValue &recordColour(const ControlRecord &record, ColourGroup group);

// Whether the kind can edit the group (ForeColor always).
bool isUsable(std::optional<ControlKind> kind, ColourGroup group);

// What UpdateSample repaints: the sample of one component field's group, or, as the editor
// opens, "ALL", which reaches the selection background's sample only.
enum class SampleChoice { OneField, All };
std::optional<ColourGroup> sampleToUpdate(SampleChoice choice, std::string_view fieldName = {});

} // namespace kovrin
