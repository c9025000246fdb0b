#pragma once
// What a drawn control of a newer kind shows of its record beyond its caption, read once when the
// record changes so that painting parses nothing: one item a line.

#include "model/control_kind.h"
#include "model/control_record.h"
#include "model/shared_text.h"
#include "model/structured_markup.h"

#include <string_view>

namespace kovrin {

// The most items a detail keeps: more than any control shows.
inline constexpr std::size_t kDrawnDetailItems = 64;

// A column list's `columns[]`, a row's `strings[]`, a check box's `checked`, a generic control's
// class name and then its `type` as written (else the game class it derives from), a structured
// text's `class Attributes` `align`, `color` and `size` (empty when it sets none); empty for
// every other kind.
SharedText drawnDetail(ControlKind kind, const ControlRecord &record);

// The markup's defaults a structured text's detail holds.
MarkupDefaults structuredTextDefaults(std::string_view detail);

} // namespace kovrin
