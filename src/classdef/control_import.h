#pragma once
// One control class to one record: its kind from type (and, for a static control, from the list
// it stands in and its style), then every field the class chain gives; a field it does not give
// keeps the kind's creation default. The rest of what the chain sets is kept as code. A class of
// a type Kovrin has no kind for comes in as a generic control: its name, game base, IDC and
// place, with everything else, its type and style among them, kept as it came.

#include "classdef/class_lookup.h"
#include "classdef/source_place.h"
#include "model/control_record.h"
#include "model/reference_screen.h"

#include <optional>
#include <string>

namespace kovrin {

// How many positions and sizes came in each form.
struct FormCounts
{
    std::size_t screen = 0;
    std::size_t safeZone = 0;
    std::size_t expression = 0;
};

struct ControlSource
{
    const ClassLookup &lookup;
    ReadProblems &problems;
    FormCounts &forms;
    char separator;
    std::string dialog; // named in reports
    // Where the safe-zone form and expressions are placed; the set moves them to its own
    // reference screen when they are added to it.
    ReferenceScreen screen {};
};

// What the class sets beyond the record's fields is kept in its other properties. The chain is
// the lookup's chain of the node.
ControlRecord importControl(const ControlSource &source, std::uint32_t node,
                            const ClassChain &chain, bool background);

// A value as a report quotes it: as written, cut to its first line, with the number it comes to
// when that is spelled otherwise ("R3F_IDC (65440)").
std::string shown(const ClassValue &value);

// The number a value stands for: arithmetic, or a string holding arithmetic ("0.5").
std::optional<double> numberOf(const ClassValue &value, std::string *why = nullptr);
// The kind bits of a style (0x30 a picture, 0x40 a frame ...); -1 for a style out of range or NaN.
long styleKindBits(double style);

} // namespace kovrin
