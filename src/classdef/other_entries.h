#pragma once
// What a class sets beyond Kovrin's fields, kept as code: each property and nested class of the
// class and of the bases it takes values from, the value the game would use, in the order first
// written (the class's own first), macros expanded. The generated code writes them back in the
// class, so the game sees the same values however the class's base is written there.

#include "classdef/class_lookup.h"
#include "model/other_properties.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace kovrin {

struct EntryFilter
{
    // Whether the property (the one the class uses of its name) is one the caller keeps in a
    // field of its own.
    std::function<bool(const ClassProperty &)> hasField;
    // Whether the nested class is one the caller takes apart (a control, a controls list).
    std::function<bool(std::uint32_t)> taken;
};

// chain: the class and the bases whose values it carries, the class first.
std::vector<OtherProperty> otherEntries(const ClassLookup &lookup,
                                        std::span<const std::uint32_t> chain,
                                        const EntryFilter &filter);

// The value as code again: a string between quotes with each quote doubled, a list in braces,
// anything else as its macros expanded.
std::string valueCode(const ClassValue &value);

} // namespace kovrin
