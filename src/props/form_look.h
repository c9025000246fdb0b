#pragma once
// The editor's fields that may hold a position form (Width, Height, Font Size; X and Y have no
// field): the text each shows for its form and what stands beside it. A screen fraction shows as
// always; a safe-zone fraction shows its F under the same guard, with the measure it is a
// fraction of beside it; an expression shows its text, which takes no typing, with its value on
// the reference screen beside it.

#include "model/control_record.h"
#include "model/reference_screen.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kovrin {

// The measure a safe-zone F multiplies: "× safe zone width" (X and Width), "× safe zone height"
// (Y, Height and Font Size); X and Y add the safe zone's edge.
std::string_view safeZoneWords(FormField field);

// What the field shows: the screen value, the safe-zone F (both in the user's separator, in
// full), or the expression's text.
std::string formFieldText(const ControlRecord &record, FormField field, char separator);

struct FormLook
{
    std::optional<PositionForm> form
        = PositionForm::Screen; // none: the records hold different ones
    std::string beside; // the words after the field; empty for a screen fraction
    std::string hint; // the words' tooltip

    // A screen or safe-zone fraction takes a typed number; an expression is kept as written.
    bool takesTyping() const { return form && *form != PositionForm::Expression; }
    bool operator==(const FormLook &) const = default;
};

FormLook formLook(const ControlRecord &record, FormField field, const ReferenceScreen &screen,
                  char separator);

// The look of the field over several records (the Properties panel): theirs when all agree;
// else expressions stay expressions, and different forms take no typing, since one number would
// mean another place in each.
FormLook sharedFormLook(std::span<const FormLook> looks);

} // namespace kovrin
