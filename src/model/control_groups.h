#pragma once
// Controls groups: a GROUP record holds a list of controls of its own, named by their Group field
// (the holder's Tag), to any depth. The game places a group's controls from its top-left corner,
// so a record's X and Y inside a group are offsets from it and its place on the screen adds up
// the places of its holders. A record naming a missing group, or a chain of holders that comes
// back on itself, belongs to the dialog's own list.

#include "model/control_record.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovrin {

bool isGroupRecord(const ControlRecord &record);

// The index of the GROUP record whose Tag holds the record, if that group is there and the chain
// of holders above it ends in the dialog's list.
std::optional<std::size_t> holderOf(const std::vector<ControlRecord> &records,
                                    const ControlRecord &record);

// Each record's holding group as its index, in cControls order, looking every group up once: what
// the walks over a whole dialog (painting, hit tests, moving many controls) use to stay linear.
// None for a control of the dialog's own list, strays included.
std::vector<std::optional<std::size_t>> holderIndices(const std::vector<ControlRecord> &records);

// The holders of a record, innermost first; empty for a control of the dialog's own list.
std::vector<std::size_t> holderChain(const std::vector<ControlRecord> &records,
                                     const ControlRecord &record);

// Whether the record of a tag stands inside the group of groupTag, at any depth.
bool isInsideGroup(const std::vector<ControlRecord> &records, std::string_view tag,
                   std::string_view groupTag);

// The records of one list in their order: the dialog's own (groupTag empty) or a group's.
std::vector<std::size_t> controlsOf(const std::vector<ControlRecord> &records,
                                    std::string_view groupTag);

// Every record inside the group at any depth, in cControls order.
std::vector<std::size_t> contentOf(const std::vector<ControlRecord> &records,
                                   std::string_view groupTag);

// Where a record's top-left corner stands as screen fractions: its X and Y plus its holders'.
struct ScreenPoint
{
    double x = 0;
    double y = 0;
};
ScreenPoint screenPlace(const std::vector<ControlRecord> &records, const ControlRecord &record);
// The same for every record, in cControls order, walking the groups once.
std::vector<ScreenPoint> screenPlaces(const std::vector<ControlRecord> &records);

// The corner a group's controls are placed from; the screen's corner for the dialog's own list.
ScreenPoint listOrigin(const std::vector<ControlRecord> &records, std::string_view groupTag);

// A screen place as the X and Y of a record of the list of groupTag, at the decimals a record
// keeps.
ScreenPoint placeInList(const std::vector<ControlRecord> &records, std::string_view groupTag,
                        ScreenPoint screen);

// Whether the record of a tag can move into the list of groupTag: the group is a GROUP record and
// is neither the record nor inside it. The dialog's own list (empty) always can.
bool canJoinList(const std::vector<ControlRecord> &records, std::string_view tag,
                 std::string_view groupTag);

// Record indices in the order their classes are written: the dialog's list, each group's own
// controls right after the group itself, depth first. Each record comes once.
struct TreeEntry
{
    std::size_t index = 0;
    std::size_t depth = 0; // 0 for the dialog's own controls
};
std::vector<TreeEntry> treeOrder(const std::vector<ControlRecord> &records);

// Records whose Group names no group (missing, not a group, or in a cycle): they count as the
// dialog's own; the loader says so.
std::vector<std::size_t> strayMembers(const std::vector<ControlRecord> &records);

// Whether any record is a group or in one: a design without either keeps every byte of before.
bool holdsGroups(const std::vector<ControlRecord> &records);

} // namespace kovrin
