#include "model/reference_screen.h"

#include "model/ignoring_case.h"
#include "model/number_text.h"
#include "model/setting_number.h"

#include <algorithm>
#include <iterator>

namespace kovrin {
namespace {

struct AspectRow
{
    ScreenAspect aspect;
    std::string_view name;
    int across; // the ratio across : down
    int down;
    PixelResolution typical;
};

// 21:9 monitors are sold at several near ratios (64:27, 43:18); the nominal 7:3 is taken, with
// a resolution of exactly that ratio so that a pixel stays square.
constexpr AspectRow kAspects[] = {
    {ScreenAspect::Ratio4x3, "4:3", 4, 3, {1024, 768}},
    {ScreenAspect::Ratio5x4, "5:4", 5, 4, {1280, 1024}},
    {ScreenAspect::Ratio16x10, "16:10", 16, 10, {1920, 1200}},
    {ScreenAspect::Ratio16x9, "16:9", 16, 9, {1920, 1080}},
    {ScreenAspect::Ratio21x9, "21:9", 21, 9, {2520, 1080}},
};

struct SizeRow
{
    InterfaceSize size;
    std::string_view name;
    std::string_view word; // stored form
    double scale;
};

// The scales the game reports for its interface sizes.
constexpr SizeRow kSizes[] = {
    {InterfaceSize::VerySmall, "Very Small", "very-small", 0.47},
    {InterfaceSize::Small, "Small", "small", 0.55},
    {InterfaceSize::Normal, "Normal", "normal", 0.7},
    {InterfaceSize::Large, "Large", "large", 0.85},
    {InterfaceSize::VeryLarge, "Very Large", "very-large", 1.0},
};

// The tables are looked up by the enum's value.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kAllAspects.size(); ++i) {
        if (kAspects[i].aspect != kAllAspects[i])
            return false;
    }
    for (std::size_t i = 0; i < kAllInterfaceSizes.size(); ++i) {
        if (kSizes[i].size != kAllInterfaceSizes[i])
            return false;
    }
    return std::size(kAspects) == kAllAspects.size()
        && std::size(kSizes) == kAllInterfaceSizes.size();
}
static_assert(inEnumOrder());

const AspectRow &rowOf(ScreenAspect aspect)
{
    return kAspects[static_cast<int>(aspect)];
}

const SizeRow &rowOf(InterfaceSize size)
{
    return kSizes[static_cast<int>(size)];
}

} // namespace

std::string_view aspectName(ScreenAspect aspect)
{
    return rowOf(aspect).name;
}

std::string_view interfaceSizeName(InterfaceSize size)
{
    return rowOf(size).name;
}

double aspectRatio(ScreenAspect aspect)
{
    return static_cast<double>(rowOf(aspect).across) / rowOf(aspect).down;
}

double interfaceScale(InterfaceSize size)
{
    return rowOf(size).scale;
}

PixelResolution typicalResolution(ScreenAspect aspect)
{
    return rowOf(aspect).typical;
}

double ReferenceScreen::safezoneH() const
{
    return 1.0 / interfaceScale(size);
}

double ReferenceScreen::safezoneY() const
{
    return (1.0 - safezoneH()) / 2.0;
}

double ReferenceScreen::safezoneW() const
{
    // safezoneH * aspect / (4/3), in whole numbers as far as they go so that 16:9 at the largest
    // size gives 4/3 to the last bit.
    const AspectRow &row = rowOf(aspect);
    return safezoneH() * (3 * row.across) / (4 * row.down);
}

double ReferenceScreen::safezoneX() const
{
    return (1.0 - safezoneW()) / 2.0;
}

double ReferenceScreen::pixelW() const
{
    return safezoneW() / typicalResolution(aspect).width;
}

double ReferenceScreen::pixelH() const
{
    return safezoneH() / typicalResolution(aspect).height;
}

int ReferenceScreen::pixelGrid() const
{
    // Four pixels for every 270 of the screen area's height: 16 on 1080 pixels at the largest
    // size, never less than 4.
    const double areaHeight = typicalResolution(aspect).height * interfaceScale(size);
    return 4 * std::max(1, static_cast<int>(roundHalfEven(areaHeight / 270)));
}

std::string referenceScreenText(const ReferenceScreen &screen)
{
    return std::string(aspectName(screen.aspect)) + " " + std::string(rowOf(screen.size).word);
}

ReferenceScreen referenceScreenFromText(std::string_view stored)
{
    ReferenceScreen screen;
    stored = settingTrimmed(stored);
    const auto blank = stored.find_first_of(" \t");
    const std::string_view aspectPart = stored.substr(0, blank);
    const std::string_view sizePart = blank == std::string_view::npos
        ? std::string_view()
        : settingTrimmed(stored.substr(blank));
    for (const AspectRow &row : kAspects) {
        if (aspectPart == row.name)
            screen.aspect = row.aspect;
    }
    for (const SizeRow &row : kSizes) {
        if (equalIgnoringCase(sizePart, row.word) || equalIgnoringCase(sizePart, row.name))
            screen.size = row.size;
    }
    return screen;
}

} // namespace kovrin
