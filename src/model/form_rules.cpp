#include "model/form_rules.h"

#include "model/position_expression.h"

#include <array>

namespace kovrin {
namespace {

// The record field that holds each form field's screen value, in FormField order.
constexpr std::array<float ControlRecord::*, kAllFormFields.size()> kScreenFields {
    &ControlRecord::X, &ControlRecord::Y, &ControlRecord::Width, &ControlRecord::Height,
    &ControlRecord::FontSize};

// The screen value a safe-zone fraction of the record's field gives on the screen.
float screenValueOf(float fraction, const ControlRecord &record, FormField field,
                    const ReferenceScreen &screen)
{
    return static_cast<float>(screenFromSafeZone(fraction, placedAxis(record, field), screen));
}

// The field as a safe-zone fraction that gives the value on the screen, and the value it gives.
void placeInSafeZone(ControlRecord &record, FormField field, const ReferenceScreen &screen)
{
    float &value = screenValue(record, field);
    const auto fraction
        = static_cast<float>(safeZoneFromScreen(value, placedAxis(record, field), screen));
    value = screenValueOf(fraction, record, field, screen);
    record.Forms.set(field, FieldForm {PositionForm::SafeZone, fraction, {}});
}

} // namespace

PositionAxis placedAxis(const ControlRecord &record, FormField field)
{
    if (!record.Group.empty() && field == FormField::X)
        return PositionAxis::Width;
    if (!record.Group.empty() && field == FormField::Y)
        return PositionAxis::Height;
    return axisOf(field);
}

float screenValue(const ControlRecord &record, FormField field)
{
    return record.*kScreenFields.at(static_cast<std::size_t>(field));
}

float &screenValue(ControlRecord &record, FormField field)
{
    return record.*kScreenFields.at(static_cast<std::size_t>(field));
}

void followScreenValues(const ControlRecord &before, ControlRecord &after,
                        const ReferenceScreen &screen)
{
    for (FormField field : kAllFormFields) {
        const FieldForm &form = after.Forms[field];
        // Into or out of a group, a safe-zone place is measured from another corner.
        if (form.form == PositionForm::SafeZone
            && placedAxis(before, field) != placedAxis(after, field))
            placeInSafeZone(after, field, screen);
        else if (form.form == PositionForm::SafeZone && form != before.Forms[field])
            screenValue(after, field) = screenValueOf(form.fraction, after, field, screen);
        else if (form.form != PositionForm::Screen
                 && screenValue(after, field) != screenValue(before, field))
            placeInSafeZone(after, field, screen);
    }
}

bool convertForms(ControlRecord &record, DialogLayout to, const ReferenceScreen &screen)
{
    const ControlRecord before = record;
    for (FormField field : kAllFormFields) {
        if (to == DialogLayout::Screen)
            record.Forms.set(field, FieldForm {});
        else if (record.Forms[field].form != PositionForm::SafeZone)
            placeInSafeZone(record, field, screen);
    }
    return !(record == before);
}

bool followReferenceScreen(ControlRecord &record, const ReferenceScreen &screen)
{
    bool changed = false;
    for (FormField field : kAllFormFields) {
        const FieldForm &form = record.Forms[field];
        float value = 0;
        if (form.form == PositionForm::SafeZone) {
            value = screenValueOf(form.fraction, record, field, screen);
        } else if (form.form == PositionForm::Expression) {
            // An expression that has no value on this screen keeps the one it had.
            const Result<double> evaluated = evaluatePosition(form.expression, screen);
            if (!evaluated)
                continue;
            value = static_cast<float>(*evaluated);
        } else {
            continue;
        }
        float &held = screenValue(record, field);
        changed = changed || held != value;
        held = value;
    }
    return changed;
}

} // namespace kovrin
