#pragma once
// The bands 80 twips wide along the inside of a drawn control's edges: which edge or corner a
// press grabs, and which pointer the mouse shows while it hovers.

#include <string>

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

// The handle code a press takes: "UL", "DL", "L", "UR", "DR", "R", "U", "D", or "" for a move
// grab. A point in no band (including one exactly 80 twips from an edge) is a move grab.
std::string handleAt(double width, double height, double x, double y);

// The pointer over a point of a control while no button is held.
PointerShape hoverPointer(double width, double height, double x, double y);

} // namespace kovrin
