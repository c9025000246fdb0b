#include "model/form_rules.h"

#include "model/position_expression.h"

namespace kovrin {
namespace {

// The field as a safe-zone fraction that gives the value on the screen, and the value it gives.
void placeInSafeZone(ControlRecord &record, FormField field, const ReferenceScreen &screen)
{
    const PositionAxis axis = axisOf(field);
    float &value = screenValue(record, field);
    const auto fraction = static_cast<float>(safeZoneFromScreen(value, axis, screen));
    value = static_cast<float>(screenFromSafeZone(fraction, axis, screen));
    record.Forms.set(field, FieldForm {PositionForm::SafeZone, fraction, {}});
}

} // namespace

namespace {

template<typename Record> auto &fieldOf(Record &record, FormField field)
{
    switch (field) {
    case FormField::X:
        return record.X;
    case FormField::Y:
        return record.Y;
    case FormField::Width:
        return record.Width;
    case FormField::Height:
        return record.Height;
    case FormField::FontSize:
        break;
    }
    return record.FontSize;
}

} // namespace

float screenValue(const ControlRecord &record, FormField field)
{
    return fieldOf(record, field);
}

float &screenValue(ControlRecord &record, FormField field)
{
    return fieldOf(record, field);
}

void followScreenValues(const ControlRecord &before, ControlRecord &after,
                        const ReferenceScreen &screen)
{
    for (FormField field : kAllFormFields) {
        if (after.Forms[field].form != PositionForm::Screen
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
            value = static_cast<float>(screenFromSafeZone(form.fraction, axisOf(field), screen));
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
