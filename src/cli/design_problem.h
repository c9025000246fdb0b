#pragma once
// One problem the check found, with where it was found.

#include <cstddef>
#include <optional>
#include <string>

namespace kovrin {

// The dialog's place in the list checked and, for a control's problem, the control's place among
// that dialog's controls; the line names both.
struct DesignProblem
{
    std::size_t dialog = 0;
    std::optional<std::size_t> control;
    std::string line;
};

} // namespace kovrin
