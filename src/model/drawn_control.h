#pragma once
// The picture of one control on a design surface, in twips: what the surface view paints and
// hit-tests. The record is the document; this is its view.

#include "model/colour_value.h"
#include "model/control_kind.h"
#include "model/shared_text.h"
#include "model/surface_frame.h"
#include "model/twip_rect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovrin {

inline constexpr double kTwipsPerPixel = 15.0;

struct DrawnControl
{
    ControlKind kind = ControlKind::Text;
    std::int16_t element = 0; // number in the kind's array; 0 is the never-shown template
    std::string tag; // equals the Tag of the record it shows
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    bool visible = false;
    SharedText caption; // displayed text of TEXT and LINK, caption of BUTTON and FRAME
    std::optional<Rgb8> textColour; // unset: the kind's own default colour
    std::optional<Rgb8> backColour;
    // What a newer kind shows of its record beyond its caption (model/drawn_detail.h).
    SharedText detail {};

    TwipRect rect() const { return {left, top, width, height}; }
    void setRect(const TwipRect &r)
    {
        left = r.left;
        top = r.top;
        width = r.width;
        height = r.height;
    }
    bool contains(double x, double y) const
    {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
    bool operator==(const DrawnControl &) const = default;
};

// The most of a caption a surface draws: far more than the largest control can show, so that a
// caption of megabytes is never laid out whole on every repaint.
inline constexpr std::size_t kDrawnCaptionBytes = 4096;

// The start of the caption a surface draws, cut between characters.
std::string_view drawnCaption(const DrawnControl &control);

} // namespace kovrin
