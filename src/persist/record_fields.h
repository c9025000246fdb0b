#pragma once
// How the record slots the reader fills item by item become the values of a dialog header or a
// control record. Every value that cannot be taken as it stands (no number where one is needed,
// out of range) is replaced as the rules say and reported with its place.

#include "model/control_record.h"
#include "model/problem_list.h"
#include "persist/design_fields.h"
#include "persist/record_scanner.h"

#include <string_view>

namespace kovrin {

struct FieldReading
{
    char separator = '.'; // the user's decimal separator, given to colour components
    bool olderFormat = false; // the older format also collapses doubled quotes in an Action
};

// A header's grid step, read with either decimal separator.
float readGridSize(const RecordSlots &slots, std::string_view dialog, ProblemList &problems);

// A control record from fields 1..36, filled into a fresh record where it is to be kept; its Tag
// is left empty. `number` is its 1-based place in the dialog, for reports. The texts the record
// keeps are taken from the scanned record, not copied.
void readControl(ScannedRecord &scanned, const FieldReading &how, std::string_view dialog,
                 std::size_t number, ProblemList &problems, ControlRecord &record);

} // namespace kovrin
