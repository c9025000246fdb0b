#pragma once
// A list of problems as one message: one "- " line per problem, each ended by CR LF, cut after
// a number of lines so that a badly broken file still gives a box that fits on the screen.

#include <cstddef>
#include <string>
#include <vector>

namespace kovrin {

inline constexpr std::size_t kProblemLinesShown = 25;

std::string problemLines(const std::vector<std::string> &problems,
                         std::size_t maxShown = kProblemLinesShown);

} // namespace kovrin
