#pragma once
// What a design surface stands for. The definition's surface is the screen area: a fraction is a
// share of the window. A dialog that lays itself out on the visible monitor shows the reference
// screen's safe zone instead, so every control stands where the game would show it. One mapping
// turns a record's screen fractions into twips on the surface and back; every gesture, drawing
// and readout goes through it.

#include "model/position_form.h"
#include "model/reference_screen.h"
#include "model/twip_rect.h"

namespace kovrin {

// Which part of the screen a surface shows.
enum class SurfaceArea { ScreenArea, SafeZone };

// One axis of the frame in screen fractions: where the surface's edge stands and how many screen
// areas it spans.
struct FrameAxis
{
    double origin = 0;
    double extent = 1;
    bool operator==(const FrameAxis &) const = default;
};

struct SurfaceFrame
{
    SurfaceArea area = SurfaceArea::ScreenArea;
    FrameAxis across;
    FrameAxis down;
    bool operator==(const SurfaceFrame &) const = default;
};

// The frame of a surface that shows the reference screen's safe zone.
SurfaceFrame safeZoneFrame(const ReferenceScreen &screen);

// The outer width and height of a dialog window in twips, the base of every fraction, and the
// part of the screen the window stands for (the screen area unless said otherwise).
struct SurfaceSize
{
    constexpr SurfaceSize() = default;
    constexpr SurfaceSize(double w, double h, SurfaceFrame f = {})
        : width(w)
        , height(h)
        , frame(f)
    {
    }

    double width = 0;
    double height = 0;
    SurfaceFrame frame;
};

// A screen fraction as twips on the surface: a place for X and Y, a length for Width and Height.
double twipsFromScreen(double fraction, PositionAxis axis, const SurfaceSize &surface);
// Twips on the surface as the screen fraction they stand for (unrounded).
double screenFromTwips(double twips, PositionAxis axis, const SurfaceSize &surface);
// The same twips as a fraction of the safe zone, when the surface shows it (its share of the
// surface).
double surfaceShare(double twips, PositionAxis axis, const SurfaceSize &surface);

// Where the screen area lies on the surface: the whole window unless it shows the safe zone.
TwipRect screenAreaRect(const SurfaceSize &surface);

} // namespace kovrin
