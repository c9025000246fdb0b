#pragma once
// The bands 80 twips wide along the inside of a drawn control's edges: which edge or corner a
// press grabs, and which pointer the mouse shows while it hovers.

#include <cstdint>
#include <initializer_list>

namespace kovrin {

inline constexpr double kGrabBand = 80.0;

enum class PointerShape { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW, SizeAll };

struct GrabZone
{
    bool left = false;
    bool right = false;
    bool upper = false;
    bool lower = false;

    bool any() const { return left || right || upper || lower; }
};

// The bands a point (relative to a control width x height) lies in.
GrabZone grabZoneAt(double width, double height, double x, double y);

// The edges of a control a press grabbed: one edge, a corner's two, or none for a move grab.
enum class Edge : std::uint8_t { Upper = 1, Lower = 2, Left = 4, Right = 8 };

class DragHandle
{
public:
    constexpr DragHandle() = default;
    constexpr DragHandle(std::initializer_list<Edge> edges)
    {
        for (Edge edge : edges)
            m_edges = static_cast<std::uint8_t>(m_edges | static_cast<std::uint8_t>(edge));
    }
    // No edge grabbed: the drag moves the control.
    constexpr bool isMove() const { return m_edges == 0; }
    constexpr bool moves(Edge edge) const
    {
        return (m_edges & static_cast<std::uint8_t>(edge)) != 0;
    }
    bool operator==(const DragHandle &) const = default;

private:
    std::uint8_t m_edges = 0;
};

// The handle a press takes: a corner where two bands meet, else an edge, the left edge before the
// right and the upper before the lower on a control too small for both. A point in no band
// (including one exactly 80 twips from an edge) is a move grab.
DragHandle handleAt(double width, double height, double x, double y);

// The pointer over a point of a control while no button is held.
PointerShape hoverPointer(double width, double height, double x, double y);

} // namespace kovrin
