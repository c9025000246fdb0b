#pragma once
// Designs the benchmarks make for themselves: a number of dialogs holding a number of controls
// in all, of mixed kinds, some with multi-line texts and scripts.

#include "model/dialog_set.h"

#include <cstddef>

namespace kovrin::bench {

DialogSet makeDesign(std::size_t dialogs, std::size_t controlsInAll);

} // namespace kovrin::bench
