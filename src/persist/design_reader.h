#pragma once
// The lenient reader of design files, current and older format. It reads bytes into plain
// dialogs and records; nothing in a file can crash or hang it, and every problem it meets is
// reported with the record and field it concerns.

#include "model/control_record.h"
#include "model/dialog.h"
#include "model/problem_list.h"
#include "model/status.h"
#include "persist/byte_source.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

struct LoadedDialog
{
    std::string name;
    float gridSize = 0;
    std::vector<ControlRecord> controls; // Tag left empty: loading issues fresh tags
    DialogLayout layout = DialogLayout::Screen;
    OtherProperties others;
};

struct LoadedDesign
{
    bool olderFormat = false;
    std::vector<LoadedDialog> dialogs;
    ProblemList problems; // one line each, naming dialog, control and field
    // Why the design cannot be loaded (a counter would pass its limit); the reading stopped at
    // the record that would pass it, so the dialogs are only the start of the file.
    std::string refusal;
};

// Reads the file's bytes (Windows-1252) into dialogs and records. Colour components become
// texts with the given decimal separator, as Load stores them. A text whose closing quote never
// comes is reported with its record and field.
LoadedDesign parseDesign(std::string_view bytes, char separator);
// The same from bytes that come a piece at a time.
LoadedDesign parseDesign(ByteSource &bytes, char separator);

// Reads a whole file; a file that cannot be opened is an error that changes nothing, and so is
// one that cannot be a design file at all (design_recognition.h), whose message says why. The
// file is read a piece at a time (byte_source.h) and each text is decoded as it is finished, so
// the reading holds one piece of the file's bytes beside the records it has made.
Result<LoadedDesign> readDesign(const std::filesystem::path &path, char separator,
                                std::size_t pieceSize = kReadPieceBytes);
// The same in two steps, so that the bytes can be read again in between (the check scans them):
// the file opened to be read a piece at a time, refused when it cannot be read or cannot be a
// design file at all; then its records.
struct OpenedDesign
{
    std::unique_ptr<ByteSource> bytes;
    bool empty = false; // nothing, or the version line alone: an empty design
};
Result<OpenedDesign> openDesign(const std::filesystem::path &path,
                                std::size_t pieceSize = kReadPieceBytes);
Result<LoadedDesign> readDesign(OpenedDesign &opened, const std::filesystem::path &path,
                                char separator);
// The same for the bytes of the file at path, already read.
Result<LoadedDesign> readDesign(std::string_view bytes, const std::filesystem::path &path,
                                char separator);
// The same, taking the bytes over: each item is decoded only as it becomes a record's value and
// moved into it, and the bytes go once the last record is read, so a design is held as its bytes
// and its records, never also as a decoded copy.
Result<LoadedDesign> readDesign(std::string &&bytes, const std::filesystem::path &path,
                                char separator);

} // namespace kovrin
