#pragma once
// Problems as the text of one message: one "- " line per problem, each ended by CR LF, the way
// every list of refusals and warnings of the program is shown.

#include <string>
#include <vector>

namespace kovrin {

std::string problemLines(const std::vector<std::string> &problems);

} // namespace kovrin
