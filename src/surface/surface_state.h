#pragma once
// The drawn controls of one design surface: per-kind element numbering and the stacking order
// (back first), with the surface's grid lines and the state its gestures leave (drag, outline,
// context menu, keyboard focus). Pure data and rules; the surface view paints it.

#include "surface/drag.h"
#include "surface/drawn_control.h"
#include "surface/grid_lines.h"
#include "surface/menu_state.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

// The drawn controls in stacking order with the kind counters: the part of a surface that undo
// keeps and puts back.
struct DrawnControls
{
    std::array<std::int16_t, 9> lastElement {};
    std::vector<DrawnControl> stack;
    bool operator==(const DrawnControls &) const = default;
};

class SurfaceState
{
public:
    SurfaceState();

    // The next free element number of a kind (LastINPUT ... LastSLIDER); starts at 1.
    std::int16_t lastElement(ControlKind kind) const { return m_lastElement[kindIndex(kind)]; }
    bool canMakeElement(ControlKind kind) const;

    // Makes a drawn control as the kind's next element, in front of all others, and raises the
    // kind's counter. The caller checks canMakeElement first.
    DrawnControl &makeElement(ControlKind kind);

    // Back first; hidden (deleted) controls stay in the order but are never painted or hit.
    const std::vector<DrawnControl> &stackingOrder() const { return m_stack; }
    std::size_t size() const { return m_stack.size(); }

    DrawnControl *findByTag(std::string_view tag);
    const DrawnControl *findByTag(std::string_view tag) const;
    std::optional<std::size_t> stackIndexOfTag(std::string_view tag) const;

    void bringToFront(std::string_view tag);
    void sendToBack(std::string_view tag);

    // The front-most visible control under the point, if any.
    const DrawnControl *hitTest(double x, double y) const;

    // Restores a control removed earlier at its old stacking place (used by undo).
    void insertAt(std::size_t stackIndex, DrawnControl control);
    std::optional<DrawnControl> take(std::string_view tag);
    void setLastElement(ControlKind kind, std::int16_t next)
    {
        m_lastElement[kindIndex(kind)] = next;
    }

    DrawnControls drawnControls() const { return {m_lastElement, m_stack}; }
    // Puts back controls and counters kept earlier (undo, redo); the focus and the context
    // menu let go of a control no longer shown, and a drag under way is let go.
    void restoreDrawnControls(DrawnControls controls);

    // --- what the gestures leave on the surface ------------------------------------------
    GridLines grid; // lnH and lnV
    DragState drag; // DragHandle, GrabX, GrabY, DragX, DragY, ClickPending
    MovingFrame lnMoving; // the outline of a move or resize
    ControlMenuState menu; // CtrlToPos, CtrlIndexToPos, CtrlToPosMouseX, CtrlToPosMouseY
    std::string focusTag; // the drawn control with the keyboard focus; "" for none

private:
    std::array<std::int16_t, 9> m_lastElement;
    std::vector<DrawnControl> m_stack;
};

} // namespace kovrin
