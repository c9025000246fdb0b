#pragma once
// What the context menu leaves on a surface for its commands: the control they act on, its
// record's position and the right-clicked point.

#include <cstdint>
#include <string>

namespace kovrin {

struct ControlMenuState
{
    // The drawn control the commands act on, by its tag (unique on a surface); "" for none, when
    // the menu was opened on the empty background.
    std::string CtrlToPos;
    // 1-based position of CtrlToPos's record in cControls; -1 on the empty background.
    std::int16_t CtrlIndexToPos = 0;
    // The right-clicked point in twips: relative to CtrlToPos when there is one, else to the
    // surface.
    float CtrlToPosMouseX = 0;
    float CtrlToPosMouseY = 0;
};

} // namespace kovrin
