#pragma once
// What a design file holds where loading hides it: where the file starts a dialog whose name the
// dialog before it already carries (loading makes one dialog of them), and the texts the reader
// cuts short. Taken from the records as the reader's own scanner gives them.

#include "persist/record_scanner.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct FileScan
{
    bool olderFormat = false;

    // A header naming the dialog under way, after that dialog already got records.
    struct Split
    {
        std::size_t dialog; // index among the dialogs as loading groups them
        std::size_t controlsBefore; // how many of its controls came before the header
    };
    std::vector<Split> splits;
    std::vector<std::size_t> controlCounts; // per dialog as loading groups them

    struct CutText
    {
        std::string dialog;
        std::string control; // empty for a dialog header
        bool header = false;
        std::size_t field = 0; // the field number of the design file
    };
    std::vector<CutText> cutTexts;

    // The file ends before the end mark of its last record (current format); the reader leaves
    // out the item it ends on. The record's dialog and control name as far as they were read.
    std::optional<ScannedPlace> endsInsideRecord;
};

FileScan scanDesignFile(std::string_view bytes);

} // namespace kovrin
