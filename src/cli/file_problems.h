#pragma once
// The problems a scan of the file finds that the reader's result no longer shows.

#include "cli/file_scan.h"

#include <string>
#include <vector>

namespace kovrin {

// The texts the file holds with a double quote inside (the reader ends them there and drops the
// rest); a dialog name cut short is told once.
std::vector<std::string> cutTextProblems(const std::vector<FileScan::CutText> &cutTexts);

// A file that stops inside a record, before its end mark (unless on a text without its closing
// quote, which the reader reports).
std::string endOfFileProblem(const ScannedPlace &place);

} // namespace kovrin
