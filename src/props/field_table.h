#pragma once
// Which editor fields each kind of control can use, the style choices each kind offers, the
// fixed list of game fonts, and the two searches that select a record's style and font.

#include "model/control_kind.h"

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace kovrin {

// The fields whose use depends on the kind. Name, IDc, Width and Height are usable for every
// kind.
enum class KindField {
    BackColor,
    Font,
    Text,
    ActiveColor,
    Action,
    Enter,
    SelectColor,
    SelectBGColor,
    RowHeight,
    WholeHeight,
    Multiline,
    Shadow,
    ScrollBars, // a controls group's: groupScrollBars of model/group_scroll_bars.h
    Style,
    ForeColor,
    FontSize, // a structured text's "size"
};

// Whether a kind can edit the field; a CtrlType that is no kind (nullopt) can edit everything.
bool isUsable(std::optional<ControlKind> kind, KindField field);

// The label of the Font Size field: "Size" where the class writes it as its "size" (a
// structured text), else "Font Size".
std::string_view fontSizeLabel(std::optional<ControlKind> kind);

// The style choices of a kind, in list order; none for a CtrlType that is no kind.
std::span<const std::string_view> styleChoices(std::optional<ControlKind> kind);

// The game's fonts, written into the record as they stand here.
inline constexpr std::array<std::string_view, 10> kFontNames {
    "AudreysHandB48", "AudreysHandI48", "CourierNewB64", "Garamond64", "SteelfishB128",
    "SteelfishB64",   "SteelfishB64CE", "TahomaB24",     "TahomaB36",  "TahomaB48"};

// The style choice equal to the base (case matters); none when the list ends without one.
std::optional<std::size_t> findStyleChoice(std::optional<ControlKind> kind, std::string_view base);

// The font entry equal to the name ignoring case (records hold "tahomaB36"); none when the list
// ends without one.
std::optional<std::size_t> findFontEntry(std::string_view font);

} // namespace kovrin
