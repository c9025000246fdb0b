#include "persist/design_reader.h"

#include "persist/design_assembler.h"
#include "persist/file_io.h"
#include "persist/record_scanner.h"

namespace kovrin {

LoadedDesign parseDesign(std::string_view bytes, char separator)
{
    RecordScanner records(bytes);
    LoadedDesign design;
    design.olderFormat = records.olderFormat();
    ProblemList problems;
    DesignAssembler assembler(design, FieldReading {separator, design.olderFormat}, problems);
    while (const ScannedRecord *record = records.next()) {
        const design::Place place = assembler.add(*record);
        if (design.olderFormat && record->supplied < design::kOlderFieldCount)
            problems.add(place.text() + ": the file ends after " + std::to_string(record->supplied)
                         + " of " + std::to_string(design::kOlderFieldCount)
                         + " items; the other fields keep the values of the record before.");
    }
    design.problems = problems.lines();
    return design;
}

Result<LoadedDesign> readDesign(const std::filesystem::path &path, char separator)
{
    auto bytes = readWholeFile(path);
    if (!bytes)
        return Result<LoadedDesign>::failure(bytes.message);
    return Result<LoadedDesign>::of(parseDesign(*bytes, separator));
}

} // namespace kovrin
