#pragma once
// Designs the benchmarks make for themselves: a number of dialogs holding a number of controls
// in all, of mixed kinds, some with multi-line texts and scripts.

#include "model/dialog_set.h"

#include <cstddef>

namespace kovrin::bench {

// With the safe-zone layout every control holds all five of its positions in the safe-zone form.
DialogSet makeDesign(std::size_t dialogs, std::size_t controlsInAll,
                     DialogLayout layout = DialogLayout::Screen);

} // namespace kovrin::bench
