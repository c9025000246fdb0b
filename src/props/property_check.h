#pragma once
// The check that OK and Apply run before anything is written: one line per problem, each "- "
// and the problem, ended by "\r\n", all problems at once. An empty report passes.

#include "model/control_kind.h"
#include "props/editor_fields.h"

#include <optional>
#include <string>

namespace kovrin {

// The required fields of the kind checked for emptiness, in the editor's order (a number field
// without a digit, such as a lone "-", counts as empty), then what the design file could not
// read back (a double quote in Name or Text, a whole value "###"), then the kind's own values
// that cannot be written as code, then the other properties' lines.
std::string checkFields(const EditorFields &fields, std::optional<ControlKind> kind);

} // namespace kovrin
