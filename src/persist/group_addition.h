#pragma once
// A control inside a controls group names its group in the design file: an addition after field
// 36 holding the group's Name, since Tags are issued afresh on every load. The definition's reader
// drops it, and the control then stands at its offsets from the screen's corner.

#include "model/control_record.h"
#include "model/problem_list.h"
#include "persist/design_fields.h"
#include "persist/item_reader.h"
#include "persist/item_writer.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kovrin {

//   "KOVRIN_GROUP", 1, then the Name of the group whose list holds the control.
inline constexpr std::string_view kGroupKey = "KOVRIN_GROUP";

// The Names of the groups of a dialog by their Tag, for writing; empty without groups.
std::unordered_map<std::string_view, std::string_view>
groupNamesByTag(const std::vector<ControlRecord> &records);

// Nothing for a control of the dialog's own list.
void writeGroupAddition(ItemWriter &out, std::string_view groupName, const design::Place &where);

// The group's Name into the record's Group, until linkGroupNames turns it into the group's Tag.
void readGroupAddition(std::span<const Item> items, const design::Place &where,
                       ProblemList &problems, ControlRecord &record);

// Once Tags are issued: each Group naming a group becomes that group's Tag (the first group of
// the name in the dialog); one naming none is emptied, and its line says so.
std::vector<std::string> linkGroupNames(std::vector<ControlRecord> &records,
                                        std::string_view dialogName);

} // namespace kovrin
