#pragma once
// One undo step of a dialog's content: the grid step and the kind counters before and after, and
// of the records and of the drawn controls only the stretch that differs. A step on a dialog of
// thousands of controls so keeps only what the gesture touched.

#include "model/dialog.h"
#include "model/dialog_content.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kovrin {

// The elements from `at` on that were `before` and became `after`; everything around them stayed.
template<typename T> struct Stretch
{
    std::size_t at = 0;
    std::vector<T> before;
    std::vector<T> after;
};

struct ContentChange
{
    float gridBefore = 0;
    float gridAfter = 0;
    DialogLayout layoutBefore = DialogLayout::Screen;
    DialogLayout layoutAfter = DialogLayout::Screen;
    OtherProperties othersBefore; // shared with the dialog, so a step costs no copy of them
    OtherProperties othersAfter;
    std::array<std::int16_t, kAllKinds.size()> countersBefore {};
    std::array<std::int16_t, kAllKinds.size()> countersAfter {};
    SurfaceFrame frameBefore; // the frame the drawn controls stand on
    SurfaceFrame frameAfter;
    Stretch<ControlRecord> records;
    Stretch<DrawnControl> drawn;

    bool empty() const;
    // Nothing but the place and size of drawn controls, each by less than a twip: what the
    // property editor's refresh from its width and height texts does to an untouched control.
    // Painting rounds it away and the design file never holds it.
    bool belowATwip() const;
};

// What changed from kept content to the dialog as it stands now.
ContentChange changeBetween(const DialogContent &before, const Dialog &after);

// Turn content that stands before the change into content after it, and back.
void redoChange(DialogContent &content, const ContentChange &change);
void undoChange(DialogContent &content, const ContentChange &change);

} // namespace kovrin
