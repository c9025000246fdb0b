#pragma once
// How the drawn controls of each kind differ under the mouse and the keyboard.

#include "model/control_kind.h"

namespace kovrin {

// tmr_click: the second of two clicks on a button or slider must come within this time.
inline constexpr int kClickIntervalMs = 500;

// Buttons and sliders open the editor on two clicks; the others on a double click.
inline bool opensEditorOnTwoClicks(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::Slider;
}

// A frame takes no keyboard focus, so it never takes the keyboard step.
inline bool takesKeyboardFocus(ControlKind kind)
{
    return kind != ControlKind::Frame;
}

} // namespace kovrin
