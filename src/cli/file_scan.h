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

    // The texts the file holds with a double quote inside (the reader ends them there and drops
    // the rest), one line each as the check reports it, each line once: a dialog name cut short
    // is told once. The lines quote names cut short, so a huge name is not kept for each text.
    std::vector<std::string> cutTexts;

    // The file ends before the end mark of its last record (current format); the reader leaves
    // out the item it ends on. The record's dialog and control name as far as they were read.
    std::optional<ScannedPlace> endsInsideRecord;
};

FileScan scanDesignFile(std::string_view bytes);
// The same from bytes that come a piece at a time.
FileScan scanDesignFile(ByteSource &bytes);

} // namespace kovrin
