#pragma once
// Shared by the design-file tests: a surface size, a sample set, and the file split into lines.

#include "model/dialog_set.h"

#include <string>
#include <string_view>
#include <vector>

namespace kovrin::testing {

inline constexpr SurfaceSize kSurface {12000, 9000};

// The lines of a file written with CRLF, without the line ends; a trailing part with no line
// end is kept as a last line.
std::vector<std::string> crlfLines(std::string_view bytes);

// A current-format file built from its items, one per line.
std::string fileOf(const std::vector<std::string> &lines);

// Two dialogs: DIALOG1 (grid 0.05) with a TEXT and a BUTTON, DIALOG2 with none.
DialogSet sampleSet();

// A realistic set with every kind, scripts with quotes, a multi-line text, typed colours and
// characters of the code page: what tests/data/main_menu.kvx holds.
DialogSet mainMenuSet();

// The 36 lines of a control record after its dialog name, with the given type and name.
std::vector<std::string> controlItems(std::string_view name, std::string_view ctrlType);

} // namespace kovrin::testing
