#pragma once
// The design of the controls groups benchmark: 5,000 controls in one dialog, a third of them in
// three trees of controls groups three levels deep (an outer group holding two middle ones, each
// holding two inner ones, the controls in the inner ones), the rest in the dialog's own list
// along the bottom. The same design without groups makes every group a frame of its size and
// puts every control in the dialog's own list, where it stood on the screen.

#include "model/dialog_set.h"

#include <cstddef>
#include <string>

namespace kovrin::bench {

inline constexpr SurfaceSize kGroupedSurface {12030, 7635};
inline constexpr std::size_t kGroupedControls = 5000;

struct GroupedDesign
{
    DialogSet set; // one dialog
    std::string firstTree; // the Tag of the first outer group (a frame without groups)
    std::size_t inFirstTree = 0; // the records inside it at any depth
    std::size_t inGroups = 0; // the records inside any group
};

GroupedDesign makeGroupedDesign(bool withGroups);

} // namespace kovrin::bench
