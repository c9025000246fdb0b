#pragma once
// The "Other properties" of the editor: what a control or dialog class sets beyond Kovrin's
// fields, one line each as the class holds it ("onLoad = \"...\"", "sounds[] = {...}",
// "class Attributes {...}"). The lines the user typed are checked before anything is saved: a
// name before "=", quotes closed and braces that balance, no name set twice, none the class
// writes itself.

#include "model/generated_class.h"
#include "model/other_properties.h"

#include <string>
#include <string_view>

namespace kovrin {

// Whether a name is one the class writes itself (a field, the lists of a dialog).
enum class OwnNames { Control, Dialog };

// The lines, joined by "\n", without their semicolons.
std::string otherLinesText(const OtherProperties &others);

struct OtherLinesRead
{
    OtherProperties others;
    // One line per problem, each "- " and the problem, ended by "\r\n"; empty when all is well.
    std::string report;
};

// Blank lines are skipped and a semicolon at a line's end is dropped.
// A control's own names are those its class writes (all of Kovrin's field names for a shape
// without a kind).
OtherLinesRead readOtherLines(std::string_view text, OwnNames own, const ClassShape &shape = {});

} // namespace kovrin
