#pragma once
// Builds the loaded dialogs from the records of a design file, in file order: a record that opens
// a dialog appends one; a header sets the grid step of the last dialog; any other record is a
// control of it. A record that would pass a counter's limit is refused and ends the building.

#include "persist/design_reader.h"
#include "persist/load_limits.h"
#include "persist/record_fields.h"
#include "persist/record_scanner.h"

#include <optional>

namespace kovrin {

class DesignAssembler
{
public:
    DesignAssembler(LoadedDesign &design, FieldReading how)
        : m_design(design)
        , m_how(how)
    {
    }

    // Adds one record; returns where it landed, for reports about the record as a whole (valid
    // until the next record is added), or none when the record was refused: the design's
    // refusal then says why.
    // A control's texts are taken from the record (ScannedRecord::takeText).
    std::optional<design::Place> add(ScannedRecord &record);

private:
    LoadedDesign &m_design;
    FieldReading m_how;
    LoadLimits m_limits;
};

} // namespace kovrin
