#pragma once
// The holder of every record at once, for the walks over a whole dialog (painting, hit tests,
// moving many controls) that must stay linear in the number of controls.

#include "model/control_record.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace kovrin {

// Each record's holding group as its index, in cControls order; none for a control of the
// dialog's own list (strays included, as holderOf counts them).
std::vector<std::optional<std::size_t>> holderIndices(const std::vector<ControlRecord> &records);

} // namespace kovrin
