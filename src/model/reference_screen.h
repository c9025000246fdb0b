#pragma once
// The monitor a design is judged on. The definition's fractions cover the game's screen area, a
// 4:3 rectangle centred on the monitor; the safe zone is the whole monitor in the same units. Its
// size follows from the monitor's aspect and the player's interface size, so a design is shown
// and converted for one chosen reference screen.

#include <array>
#include <string>
#include <string_view>

namespace kovrin {

enum class ScreenAspect { Ratio4x3, Ratio5x4, Ratio16x10, Ratio16x9, Ratio21x9 };

// The game's named interface sizes, smallest first.
enum class InterfaceSize { VerySmall, Small, Normal, Large, VeryLarge };

inline constexpr std::array kAllAspects {ScreenAspect::Ratio4x3, ScreenAspect::Ratio5x4,
                                         ScreenAspect::Ratio16x10, ScreenAspect::Ratio16x9,
                                         ScreenAspect::Ratio21x9};
inline constexpr std::array kAllInterfaceSizes {InterfaceSize::VerySmall, InterfaceSize::Small,
                                                InterfaceSize::Normal, InterfaceSize::Large,
                                                InterfaceSize::VeryLarge};

// The names a menu shows: "16:9", "Very Small".
std::string_view aspectName(ScreenAspect aspect);
std::string_view interfaceSizeName(InterfaceSize size);

// Width over height of the monitor.
double aspectRatio(ScreenAspect aspect);
// The share of the monitor's height the screen area takes: 1 at the largest size.
double interfaceScale(InterfaceSize size);

// A common monitor of the aspect, in pixels, whose width over height is the aspect exactly.
struct PixelResolution
{
    int width = 0;
    int height = 0;
};
PixelResolution typicalResolution(ScreenAspect aspect);

struct ReferenceScreen
{
    ScreenAspect aspect = ScreenAspect::Ratio16x9;
    InterfaceSize size = InterfaceSize::Normal;

    // The visible monitor in fractions of the screen area.
    double safezoneX() const;
    double safezoneY() const;
    double safezoneW() const;
    double safezoneH() const;
    // One pixel of the typical resolution in the same units.
    double pixelW() const;
    double pixelH() const;
    // The game's pixel grid, in pixels of the typical resolution: it follows the height of the
    // screen area, and is a multiple of 4 so that a quarter of it is still whole pixels. Near
    // interface sizes may share a value.
    int pixelGrid() const;

    bool operator==(const ReferenceScreen &) const = default;
};

// The stored form, "16:9 normal": the aspect and the size word, blank-separated.
std::string referenceScreenText(const ReferenceScreen &screen);
// Reads the stored form ignoring case and extra blanks (a menu name, "Very Small", reads too); a
// part that is missing or unknown takes the default's value (16:9, Normal).
ReferenceScreen referenceScreenFromText(std::string_view stored);

} // namespace kovrin
