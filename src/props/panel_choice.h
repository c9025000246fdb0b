#pragma once
// The editor's lists and check boxes as the Properties panel shows them: the style and font
// entries and the Multiline, Shadow, ENTER key and Scroll bars boxes, each held as a text so that
// the values of several picked controls compare alike (a style as its entry's text, a box as "1" or
// "0").

#include "model/control_kind.h"
#include "model/control_record.h"
#include "props/editor_fields.h"
#include "props/field_table.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

enum class PanelChoice { Style, Multiline, Shadow, Font, Enter, ScrollBars };

struct PanelChoiceInfo
{
    PanelChoice choice;
    std::string_view label; // as the editor labels it, and the name of its undo step
    std::string_view objectName; // the editor's widget name
    std::optional<KindField> needs; // none: every kind
};

// In the editor's tab order.
std::span<const PanelChoiceInfo> panelChoices();
const PanelChoiceInfo &panelChoiceInfo(PanelChoice choice);

inline constexpr std::string_view kChecked = "1";
inline constexpr std::string_view kUnchecked = "0";

bool isUsable(std::optional<ControlKind> kind, PanelChoice choice);

// The entry's text, "" with none selected (a style or font the lists do not offer); a box's "1"
// or "0".
std::string choiceText(const EditorFields &fields, std::optional<ControlKind> kind,
                       PanelChoice choice);

// The entries a list offers every one of the kinds, in the first kind's order; "1" and "0" for
// a box.
std::vector<std::string_view> commonChoices(std::span<const std::optional<ControlKind>> kinds,
                                            PanelChoice choice);

// The text every picked control whose kind uses the choice shares; none when they differ or
// none uses it.
std::optional<std::string> sharedChoice(std::span<const EditorFields> fields,
                                        std::span<const std::optional<ControlKind>> kinds,
                                        PanelChoice choice);

// Puts the text in as the user would choose it. Checking Multiline brings the record's own line
// spacing into an empty Line Spacing field, since the panel has no moment for it to be typed
// before the check runs. False when the kind's list has no such entry.
bool chooseText(EditorFields &fields, const ControlRecord &record, PanelChoice choice,
                std::string_view text, char separator);

} // namespace kovrin
