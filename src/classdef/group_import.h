#pragma once
// What the import needs to know of controls groups beyond a control: the nested class that holds
// a group's controls, where its controls stand and how deep groups may stand.

#include "classdef/class_lookup.h"
#include "classdef/class_tree.h"
#include "classdef/control_import.h"
#include "model/control_groups.h"
#include "model/other_properties.h"

#include <cstddef>

namespace kovrin {

// Groups inside groups deeper than this leave their controls out (reported): far beyond any
// dialog, and the reader's recursion stays small.
inline constexpr std::size_t kMaxGroupDepth = 32;

// Whether a control of a group is a frame: a group has no background list, so a static control
// whose style is ST_FRAME is one, as Kovrin writes frames there.
bool isFrameInGroup(const ClassLookup &lookup, std::uint32_t node);

// A control read as the dialog's, put into a group: its X and Y are offsets from the group's
// corner, so "F * safezoneW" is its safe-zone form there, and a place from the safe zone's
// corner stays as written, an expression. The counts follow.
void placeInGroup(ControlRecord &record, const ReferenceScreen &screen, FormCounts &forms);

// A group's other properties without its class Controls, which becomes its records.
OtherProperties withoutControlsClass(const OtherProperties &others);

} // namespace kovrin
