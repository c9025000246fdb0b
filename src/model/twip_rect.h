#pragma once
// Geometry on a design surface: a rectangle in twips as the drawn control holds it, and the
// record's position and size as fractions of the surface.

#include <optional>

namespace kovrin {

struct TwipRect
{
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    bool operator==(const TwipRect &) const = default;
};

// The record's X and Y, and Width and Height when a gesture changed the size too.
struct RecordPlace
{
    float X = 0;
    float Y = 0;
    std::optional<float> Width;
    std::optional<float> Height;
    bool operator==(const RecordPlace &) const = default;
};

} // namespace kovrin
