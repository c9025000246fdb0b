#include "classdef/group_import.h"

#include "classdef/control_types.h"
#include "model/form_rules.h"
#include "model/ignoring_case.h"
#include "model/position_expression.h"

#include <limits>
#include <vector>

namespace kovrin {

bool isFrameInGroup(const ClassLookup &lookup, std::uint32_t node)
{
    constexpr long kFrameStyle = 0x40; // ST_FRAME among the style's kind bits
    const ClassChain chain = lookup.chain(node);
    const ClassProperty *type = lookup.find(chain.classes, "type");
    const ClassProperty *style = lookup.find(chain.classes, "style");
    // Numbers rather than optionals, which an optimising compiler takes for values read unset.
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const double typeValue = type ? typeNumber(type->value) : kNone;
    const double styleValue = style ? numberOf(style->value).value_or(kNone) : kNone;
    return typeValue == 0 && styleKindBits(styleValue) == kFrameStyle;
}

void placeInGroup(ControlRecord &record, const ReferenceScreen &screen, FormCounts &forms)
{
    for (FormField field : {FormField::X, FormField::Y}) {
        const FieldForm form = record.Forms[field];
        if (form.form == PositionForm::SafeZone) {
            record.Forms.set(
                field, {PositionForm::Expression, 0, safeZoneText(form.fraction, axisOf(field))});
            --forms.safeZone;
            ++forms.expression;
            continue;
        }
        if (form.form != PositionForm::Expression)
            continue;
        const PositionAxis axis = placedAxis(record, field);
        if (const auto fraction = recognizeSafeZone(form.expression, axis)) {
            record.Forms.set(field, {PositionForm::SafeZone, *fraction, {}});
            screenValue(record, field)
                = static_cast<float>(screenFromSafeZone(*fraction, axis, screen));
            --forms.expression;
            ++forms.safeZone;
        }
    }
}

OtherProperties withoutControlsClass(const OtherProperties &others)
{
    std::vector<OtherProperty> kept;
    bool dropped = false;
    for (const OtherProperty &entry : others.list()) {
        if (isClassEntry(entry) && equalIgnoringCase(entryKey(entry), "controls"))
            dropped = true;
        else
            kept.push_back(entry);
    }
    if (!dropped)
        return others;
    return kept.empty() ? OtherProperties() : OtherProperties(std::move(kept));
}

} // namespace kovrin
