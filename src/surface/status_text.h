#pragma once
// The texts of the main window's status bar while the pointer is over a surface: where the
// pointer is, and the name, kind, X, Y, Width and Height of a control, as fractions of the
// surface with 5 decimals in the user's decimal separator.

#include "model/control_record.h"
#include "model/drawn_control.h"
#include "model/twip_rect.h"

#include <string>

namespace kovrin {

// "0.25000, 0.50000": the point as screen fractions; on a surface that shows the safe zone also
// as fractions of it: "0.25000, 0.50000 (safe zone 0.36875, 0.50000)".
std::string pointerStatusText(double x, double y, SurfaceSize surface, char separator);

// "BUTTON1 (BUTTON)  X 0.25000  Y 0.10000  Width 0.20000  Height 0.04000". `place` holds the
// values to show (a drag under way shows what its release would write); a size it does not hold
// is the record's own.
std::string controlStatusText(const ControlRecord &record, const RecordPlace &place,
                              char separator);

// Both, as the status bar shows them; the control part only when there is one.
std::string surfaceStatusText(const std::string &pointer, const std::string &control);

} // namespace kovrin
