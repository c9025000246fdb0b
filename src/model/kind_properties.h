#pragma once
// The values of a newer kind that the record has no field for, kept among its other properties
// under the game's own names: which ones the editor offers as typed fields, how a field's text
// reads such an entry and writes it back, and how a list's items are read for drawing.

#include "model/control_kind.h"
#include "model/other_properties.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

// How a field's text stands for the entry's code.
enum class ValueShape {
    Text, // a string: the field holds it without quotes ("#ff0000" is written "\"#ff0000\"")
    Number, // a number or any other code, written as typed
    List, // an array: the field holds what stands between its braces ("0.1, 0.5")
};

struct KindProperty
{
    std::string_view label; // as the editor shows it
    std::string_view entry; // the game's name: "columns" is written "columns[] = {…}"
    ValueShape shape;
    std::string_view inClass; // the nested class that holds it ("Attributes"); empty: the control
};

// The kind's own typed values in the editor's order; none for the definition's kinds, the group,
// the generic control and the newer kinds that have none.
std::span<const KindProperty> kindProperties(ControlKind kind);

// How a field names the code it writes, as its hint: "Written as \"align\" in class Attributes."
std::string writtenAs(const KindProperty &property);

// The field text of the entry: empty when the class does not set it (its base does).
std::string kindPropertyText(const OtherProperties &others, const KindProperty &property);

// What keeps the field text from being written as the entry's code ("a double quote is not
// closed."); empty when it can be. A text is always quoted whole; other code must close its
// quotes, balance its braces and hold no ";" or "=" outside quotes, which would end the entry.
std::string kindValueProblem(const KindProperty &property, std::string_view text);

// The properties with the entry set from the field text, or removed when the text is empty (blank
// counts as empty). An entry already there keeps its place and its spelling of the name; a new
// one comes last (inside its class, which is made when missing and dropped once empty).
OtherProperties withKindProperty(const OtherProperties &others, const KindProperty &property,
                                 std::string_view text);

// The items of an array's code ("{\"a\", \"b\"}" or the field's "\"a\", \"b\""), split at the
// commas outside quotes and braces, strings without their quotes, the rest trimmed.
std::vector<std::string> listItems(std::string_view code);

// A string's code without its quotes (doubled quotes made single); other code trimmed as it is.
std::string unquotedText(std::string_view code);

} // namespace kovrin
