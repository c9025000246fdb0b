#include "persist/design_reader.h"

#include "model/message_text.h"
#include "persist/design_assembler.h"
#include "persist/design_recognition.h"
#include "persist/file_io.h"
#include "persist/record_scanner.h"

namespace kovrin {
namespace {

constexpr std::string_view kRunsToTheEnd
    = " has no closing double quote; it runs to the end of the file";

// The older format stores such a text as it ran; the current one ends the record before it.
void reportUnclosedText(const ScannedRecord &record, const design::Place &place,
                        ProblemList &problems)
{
    for (std::size_t field = 0; field < record.supplied; ++field) {
        if (record.slots[field].unclosed)
            problems.add(design::placeText(place.dialog, place.control, place.controlName,
                                           design::fieldName(field))
                         + std::string(kRunsToTheEnd) + ".");
    }
}

void reportUnreadLastText(const ScannedPlace &place, ProblemList &problems)
{
    problems.add(design::placeText(place.dialog, 0, {},
                                   "the record of control " + quotedText(place.control) + ", "
                                       + std::string(design::fieldName(place.field)))
                 + std::string(kRunsToTheEnd) + " and was not read.");
}

// shown: set when a record shows the file to be a design.
LoadedDesign parseScanned(RecordScanner &records, char separator, bool &shown)
{
    LoadedDesign design;
    design.olderFormat = records.olderFormat();
    DesignAssembler assembler(design, FieldReading {separator, design.olderFormat});
    while (ScannedRecord *record = records.next()) {
        shown = shown || showsDesign(*record);
        const auto place = assembler.add(*record);
        if (!place)
            return design;
        reportUnclosedText(*record, *place, design.problems);
        if (design.olderFormat && record->supplied < design::kOlderFieldCount)
            design.problems.add(place->text() + ": the file ends after "
                                + std::to_string(record->supplied) + " of "
                                + std::to_string(design::kOlderFieldCount)
                                + " items; the other fields keep the values of the record before.");
    }
    if (const auto &end = records.endsInsideRecord(); end && end->unclosed)
        reportUnreadLastText(*end, design.problems);
    return design;
}

// The records of a file whose bytes can be a design's; refused when it is neither an empty design
// nor holds a record that shows one.
Result<LoadedDesign> readScanned(RecordScanner &records, bool empty,
                                 const std::filesystem::path &path, char separator)
{
    bool shown = false;
    LoadedDesign design = parseScanned(records, separator, shown);
    if (!shown && !empty)
        return Result<LoadedDesign>::failure(notADesignFile(path, kNoDesignRecord));
    return Result<LoadedDesign>::of(std::move(design));
}

} // namespace

LoadedDesign parseDesign(std::string_view bytes, char separator)
{
    RecordScanner records(bytes);
    bool shown = false;
    return parseScanned(records, separator, shown);
}

LoadedDesign parseDesign(ByteSource &bytes, char separator)
{
    RecordScanner records(bytes);
    bool shown = false;
    return parseScanned(records, separator, shown);
}

Result<OpenedDesign> openDesign(const std::filesystem::path &path, std::size_t pieceSize)
{
    // The whole file is looked at before anything is made of it, so what no design file holds
    // is refused wherever it stands.
    UndecodableBytes undecodable;
    EmptyDesignWatch empty;
    auto source = openFileBytes(path, kMaxDesignFileBytes, pieceSize,
                                [&undecodable, &empty](std::string_view piece) {
                                    undecodable.see(piece);
                                    empty.see(piece);
                                });
    if (!source)
        return Result<OpenedDesign>::failure(source.message);
    if (const auto reason = undecodable.reason())
        return Result<OpenedDesign>::failure(notADesignFile(path, *reason));
    return Result<OpenedDesign>::of(
        OpenedDesign {std::move(*source.value), empty.holdsEmptyDesign()});
}

Result<LoadedDesign> readDesign(OpenedDesign &opened, const std::filesystem::path &path,
                                char separator)
{
    RecordScanner records(*opened.bytes);
    auto design = readScanned(records, opened.empty, path, separator);
    if (const std::string failure = opened.bytes->failure(); !failure.empty())
        return Result<LoadedDesign>::failure(fileProblem(path, failure));
    return design;
}

Result<LoadedDesign> readDesign(const std::filesystem::path &path, char separator,
                                std::size_t pieceSize)
{
    auto opened = openDesign(path, pieceSize);
    if (!opened)
        return Result<LoadedDesign>::failure(opened.message);
    return readDesign(*opened.value, path, separator);
}

Result<LoadedDesign> readDesign(std::string &&bytes, const std::filesystem::path &path,
                                char separator)
{
    if (const auto reason = undecodableReason(bytes))
        return Result<LoadedDesign>::failure(notADesignFile(path, *reason));
    const bool empty = holdsEmptyDesign(bytes);
    RecordScanner records(RecordScanner::Owned {std::move(bytes)});
    return readScanned(records, empty, path, separator);
}

Result<LoadedDesign> readDesign(std::string_view bytes, const std::filesystem::path &path,
                                char separator)
{
    if (const auto reason = undecodableReason(bytes))
        return Result<LoadedDesign>::failure(notADesignFile(path, *reason));
    RecordScanner records(bytes);
    return readScanned(records, holdsEmptyDesign(bytes), path, separator);
}

} // namespace kovrin
