#include "persist/design_reader.h"

#include "model/code_page.h"
#include "model/message_text.h"
#include "persist/design_assembler.h"
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

LoadedDesign parseScanned(RecordScanner &records, char separator)
{
    LoadedDesign design;
    design.olderFormat = records.olderFormat();
    DesignAssembler assembler(design, FieldReading {separator, design.olderFormat});
    while (const ScannedRecord *record = records.next()) {
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

} // namespace

LoadedDesign parseDesign(std::string_view bytes, char separator)
{
    RecordScanner records(bytes);
    return parseScanned(records, separator);
}

Result<LoadedDesign> readDesign(const std::filesystem::path &path, char separator)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<LoadedDesign>::failure(bytes.message);
    // The file's bytes go once decoded, before the records are built.
    RecordScanner::Decoded decoded {decodeCp1252(*bytes)};
    bytes = Result<std::string>::failure({});
    RecordScanner records(std::move(decoded));
    return Result<LoadedDesign>::of(parseScanned(records, separator));
}

} // namespace kovrin
