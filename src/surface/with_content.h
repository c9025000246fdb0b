#pragma once
// Picked controls across controls groups: a copy, cut or delete takes a group with every control
// inside it, at any depth, even when only the group is picked; a move or an alignment that also
// picked controls inside a picked group must not move them twice.

#include "model/control_record.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

// The tags in picking order, each controls group followed by its content holders first (each
// group before the controls it holds). A picked control inside another picked group comes with
// that group rather than on its own; a tag with no record stays where it was picked.
std::vector<std::string> tagsWithContent(const std::vector<ControlRecord> &records,
                                         const std::vector<std::string> &tags);

// The places 0 .. n-1 of the tags, each group before the controls it holds and otherwise in
// their order: the order in which to put each at a place of its own on the screen.
std::vector<std::size_t> holdersFirst(const std::vector<ControlRecord> &records,
                                      const std::vector<std::string> &tags);

} // namespace kovrin
