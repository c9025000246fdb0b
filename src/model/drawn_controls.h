#pragma once
// The drawn controls of one dialog: per-kind element numbering and the stacking order (back
// first). Part of the document: undo keeps and puts back exactly this with the records.

#include "model/drawn_control.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kovrin {

struct DrawnControls
{
    DrawnControls() { lastElement.fill(1); }

    // The next free element number of each kind (LastINPUT ... LastSLIDER, then the groups');
    // starts at 1.
    std::array<std::int16_t, kAllKinds.size()> lastElement;
    // Back first; hidden (deleted) controls stay in the order but are never painted or hit.
    std::vector<DrawnControl> stack;
    // The frame their twips stand on: the dialog's, unless it changed since they were laid out.
    SurfaceFrame frame;

    std::int16_t nextElement(ControlKind kind) const { return lastElement[kindIndex(kind)]; }
    bool canMakeElement(ControlKind kind) const;
    // Makes a drawn control as the kind's next element, in front of all others, and raises the
    // kind's counter. The caller checks canMakeElement first.
    DrawnControl &makeElement(ControlKind kind);

    const std::vector<DrawnControl> &stackingOrder() const { return stack; }
    std::size_t size() const { return stack.size(); }

    DrawnControl *findByTag(std::string_view tag);
    const DrawnControl *findByTag(std::string_view tag) const;
    std::optional<std::size_t> stackIndexOfTag(std::string_view tag) const;
    // Whether the control of a tag is there and not hidden.
    bool isShown(std::string_view tag) const;

    void bringToFront(std::string_view tag);
    void sendToBack(std::string_view tag);

    // The front-most visible control under the point, if any.
    const DrawnControl *hitTest(double x, double y) const;

    bool operator==(const DrawnControls &) const = default;
};

} // namespace kovrin
