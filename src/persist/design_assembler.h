#pragma once
// Groups the records of a design file into dialogs by the dialog name that opens every record:
// a record naming another dialog than the one before starts a new dialog, so adjacent dialogs
// of the same name become one. A header sets the grid step of the last dialog; any other record
// is a control of it.

#include "persist/design_reader.h"
#include "persist/record_fields.h"

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

    // Adds one record; returns where it landed, for reports about the record as a whole.
    std::string add(const RecordSlots &slots);

private:
    LoadedDesign &m_design;
    FieldReading m_how;
    ProblemList &m_problems;
    std::string m_currentName;
};

} // namespace kovrin
