#pragma once
// Builds the loaded dialogs from the records of a design file, in file order: a record that opens
// a dialog appends one; a header sets the grid step of the last dialog; any other record is a
// control of it.

#include "persist/design_reader.h"
#include "persist/record_fields.h"
#include "persist/record_scanner.h"

#include <string>

namespace kovrin {

class DesignAssembler
{
public:
    DesignAssembler(LoadedDesign &design, FieldReading how, ProblemList &problems)
        : m_design(design)
        , m_how(how)
        , m_problems(problems)
    {
    }

    // Adds one record; returns where it landed, for reports about the record as a whole (valid
    // until the next record is added).
    design::Place add(const ScannedRecord &record);

private:
    LoadedDesign &m_design;
    FieldReading m_how;
    ProblemList &m_problems;
};

} // namespace kovrin
