#include "surface/status_text.h"

#include "model/number_text.h"
#include "surface/move_limits.h"

namespace kovrin {

std::string pointerStatusText(double x, double y, SurfaceSize surface, char separator)
{
    const auto pair = [separator](double across, double down) {
        return fixedText(across, kFractionDecimals, separator) + ", "
            + fixedText(down, kFractionDecimals, separator);
    };
    std::string text = pair(screenFromTwips(x, PositionAxis::X, surface),
                            screenFromTwips(y, PositionAxis::Y, surface));
    if (surface.frame.area == SurfaceArea::SafeZone)
        text += " (safe zone "
            + pair(surfaceShare(x, PositionAxis::X, surface),
                   surfaceShare(y, PositionAxis::Y, surface))
            + ")";
    return text;
}

std::string controlStatusText(const ControlRecord &record, const RecordPlace &place, char separator)
{
    const auto field = [separator](const char *name, double value) {
        return std::string("  ") + name + " " + fixedText(value, kFractionDecimals, separator);
    };
    return record.Name + " (" + record.CtrlType + ")" + field("X", place.X) + field("Y", place.Y)
        + field("Width", place.Width.value_or(record.Width))
        + field("Height", place.Height.value_or(record.Height));
}

std::string surfaceStatusText(const std::string &pointer, const std::string &control)
{
    return control.empty() ? pointer : pointer + "    " + control;
}

} // namespace kovrin
