#pragma once
// How OK and Apply write the editor's fields into the record (SaveProperties, first half).

#include "model/control_kind.h"
#include "model/control_record.h"
#include "props/editor_fields.h"

#include <optional>

namespace kovrin {

// The record as the editor writes it. `opened` holds the fields as they were filled (or as the
// last Apply left them) and `now` as they are. A field the user did not change keeps the record's
// own value, so numbers keep their full precision, colour numbers stay numbers and an odd style
// or font text is not rewritten; when nothing changed at all the record comes back as it was.
// Changed fields follow the writing rules: the style rebuilt from the choice with its suffixes,
// sizes in their forms (a safe-zone size takes the typed F), line spacing only when multi-line,
// font and Enter only where the kind uses them, colours as their four field texts, line breaks
// as "\r\n", a lone "-" stored as 0, and the other properties read from their lines.
ControlRecord savedRecord(const ControlRecord &current, const EditorFields &opened,
                          const EditorFields &now, std::optional<ControlKind> kind);

} // namespace kovrin
