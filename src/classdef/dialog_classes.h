#pragma once
// Which classes are dialogs, and which classes a dialog's class controls holds.
//
// A class is a dialog when it has an idd (its own or inherited) or sits in RscTitles, or when it
// lists or holds controls (controls[], controlsBackground[], or a nested class of either name),
// has no idd and no type (nor a base of the game's that gives one), and no class derives from
// it: a file of dialogs written without idd still comes in. A class that others derive from and
// that holds no control is their template, not a dialog. A class that a control derives from,
// directly or through other classes, is a base of controls (a controls group's template), never
// a dialog. Classes are looked for at the top level and inside classes that are none of these,
// such as RscTitles.

#include "classdef/class_lookup.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kovrin {

// The dialogs' classes, in the order written.
std::vector<std::uint32_t> dialogClasses(const ClassLookup &lookup);

struct HeldControls
{
    bool found = false; // some class of the chain holds a class of that name
    std::vector<std::uint32_t> classes; // in the order the game draws them
    std::size_t inherited = 0; // how many of them the dialog's own class does not hold
};

// The classes nested in the class of that name (controls or controlsBackground) of a dialog's
// chain: a base dialog's first, in their order; a class of the same name that a derived dialog
// holds takes the place of its base's, and the derived dialog's other classes follow.
HeldControls heldControls(const ClassLookup &lookup, std::span<const std::uint32_t> chain,
                          std::string_view holder);

} // namespace kovrin
