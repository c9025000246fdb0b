// Feeds arbitrary bytes to the evaluator of position expressions and to the recognition of the
// safe-zone form. Whatever the bytes, the evaluator gives a value or a message that starts with
// a line and a column; a value recognised as a safe-zone fraction must evaluate to that fraction
// of the safe zone on every reference screen.

#include "model/position_expression.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

bool startsWithPlace(std::string_view message)
{
    const auto colon = message.find(':');
    const auto second = message.find(':', colon + 1);
    return colon != std::string_view::npos && colon > 0 && second != std::string_view::npos
        && second > colon + 1 && message.substr(second, 2) == ": ";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace kovrin;
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const ReferenceScreen screen :
         {ReferenceScreen {ScreenAspect::Ratio4x3, InterfaceSize::Normal},
          ReferenceScreen {ScreenAspect::Ratio21x9, InterfaceSize::VerySmall}}) {
        const auto value = evaluatePosition(text, screen);
        if (!value && !startsWithPlace(value.message)) {
            std::fprintf(stderr, "fuzz_position_expression: no place in \"%s\"\n",
                         value.message.c_str());
            std::abort();
        }
        for (const PositionAxis axis :
             {PositionAxis::X, PositionAxis::Y, PositionAxis::Width, PositionAxis::Height}) {
            const auto fraction = recognizeSafeZone(text, axis);
            if (!fraction)
                continue;
            const double expected
                = *fraction * safeZoneExtent(screen, axis) + safeZoneOrigin(screen, axis);
            // The fraction is the 32-bit value of its text, the evaluation the 64-bit one.
            const double tolerance = 1e-6 * (1 + std::fabs(expected));
            if (!value || !(std::fabs(*value - expected) <= tolerance)) {
                std::fprintf(stderr, "fuzz_position_expression: %g recognised, %s evaluated\n",
                             static_cast<double>(*fraction),
                             value ? std::to_string(*value).c_str() : value.message.c_str());
                std::abort();
            }
        }
    }
    return 0;
}
