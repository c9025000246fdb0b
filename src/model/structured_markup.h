#pragma once
// The markup of a structured text as a surface draws it: runs of text with a size, a colour and
// the alignment of their line. Known: <t size='2' color='#ff0000' align='center'>…</t> (nested),
// <br/>, and the entities &lt; &gt; &amp; &quot; &apos;. Any other tag shows no text of its own;
// a tag never closed shows as the text it is. A size or colour a tag spells wrongly leaves the
// one in force.

#include "model/colour_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

enum class MarkupAlign { Left, Center, Right };

struct MarkupRun
{
    std::string text;
    double size = 1; // times the control's own font size
    std::optional<Rgb8> colour; // unset: the control's own colour
    bool operator==(const MarkupRun &) const = default;
};

struct MarkupLine
{
    MarkupAlign align = MarkupAlign::Left;
    std::vector<MarkupRun> runs;
    bool operator==(const MarkupLine &) const = default;
};

// What the text shows outside any tag: the control's `class Attributes` (its `align`, `color` and
// `size`), which a tag's own attributes override.
struct MarkupDefaults
{
    double size = 1;
    std::optional<Rgb8> colour;
    MarkupAlign align = MarkupAlign::Left;
    bool operator==(const MarkupDefaults &) const = default;
};

// The defaults from the attributes' values as written; an empty or unreadable one keeps the
// control's own, as in a tag.
MarkupDefaults markupDefaults(std::string_view align, std::string_view colour,
                              std::string_view size);

// The lines of the text, a <br/> or a line break starting a new one; a line takes the alignment
// in force where its first text starts.
std::vector<MarkupLine> readMarkup(std::string_view text, const MarkupDefaults &defaults = {});

// "#rgb", "#rrggbb" or "#aarrggbb" (the alpha dropped); none for anything else.
std::optional<Rgb8> markupColour(std::string_view text);

} // namespace kovrin
