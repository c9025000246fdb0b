#pragma once
// The game's own base classes of controls, known by name. A mission declares them without a body
// (class RscText; or import RscText;) and derives its controls from them; their values live in
// the game, but their type and style are fixed, so a control that sets no type of its own still
// has a kind.

#include <optional>
#include <string_view>

namespace kovrin {

struct GameClass
{
    std::string_view name;
    double type; // the control type constant
    double style; // the style, which tells a picture from a text among the static controls
};

// The class of that name, compared ignoring case as the game does; none for any other name.
const GameClass *findGameClass(std::string_view name);

} // namespace kovrin
