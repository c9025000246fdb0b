#pragma once
// How a record's position forms follow what happens to it: its screen values changed by a
// gesture or the editor, a conversion between forms, another reference screen. The screen value
// of a safe-zone field is always the one its F gives on the reference screen.

#include "model/control_record.h"

namespace kovrin {

// The safe-zone measure a field of the record follows: inside a controls group X and Y are
// offsets from the group's corner, so they follow the safe zone's width and height alone.
PositionAxis placedAxis(const ControlRecord &record, FormField field);

float screenValue(const ControlRecord &record, FormField field);
float &screenValue(ControlRecord &record, FormField field);

// After a gesture or the editor: a safe-zone field whose F differs from `before` (the editor typed
// it) takes the screen value of that F. Any other field whose screen value differs from `before`
// takes the safe-zone F that gives the new value, and an expression becomes a safe-zone fraction
// where the user left it. A field whose screen value did not change keeps its form, F and text.
void followScreenValues(const ControlRecord &before, ControlRecord &after,
                        const ReferenceScreen &screen);

// Every field of the record into the layout's form where the record stands on the reference
// screen: screen drops any F or text, safe zone takes the F of the screen value. True when
// anything changed.
bool convertForms(ControlRecord &record, DialogLayout to, const ReferenceScreen &screen);

// Safe-zone fields take the screen values their F gives on the screen and expressions their
// values on it; F and the expression texts never change, nor do screen fields. True when a
// screen value changed.
bool followReferenceScreen(ControlRecord &record, const ReferenceScreen &screen);

} // namespace kovrin
