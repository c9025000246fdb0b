#pragma once
// The problems a scan of the file finds that the reader's result no longer shows.

#include "cli/file_scan.h"

#include <string>
#include <vector>

namespace kovrin {

// A file that stops inside a record, before its end mark (unless on a text without its closing
// quote, which the reader reports).
std::string endOfFileProblem(const ScannedPlace &place);

} // namespace kovrin
