#include "props/form_look.h"

#include "model/form_rules.h"
#include "model/number_text.h"
#include "model/position_expression.h"

#include <algorithm>

namespace kovrin {
namespace {

constexpr std::string_view kSafeZoneHint
    = "A fraction of the safe zone, the whole visible monitor.";

std::string screenName(const ReferenceScreen &screen)
{
    return std::string(aspectName(screen.aspect)) + " "
        + std::string(interfaceSizeName(screen.size));
}

// The expression's value on the screen; one that no longer evaluates shows the value it was
// placed at.
float expressionValue(const ControlRecord &record, FormField field, const ReferenceScreen &screen)
{
    const Result<double> value = evaluatePosition(record.Forms[field].expression, screen);
    return value ? static_cast<float>(*value) : screenValue(record, field);
}

} // namespace

std::string_view safeZoneWords(FormField field)
{
    switch (field) {
    case FormField::X:
        return "\u00d7 safe zone width + left edge";
    case FormField::Y:
        return "\u00d7 safe zone height + top edge";
    case FormField::Width:
        return "\u00d7 safe zone width";
    case FormField::Height:
    case FormField::FontSize:
        break;
    }
    return "\u00d7 safe zone height";
}

std::string formFieldText(const ControlRecord &record, FormField field, char separator)
{
    const FieldForm &form = record.Forms[field];
    switch (form.form) {
    case PositionForm::Screen:
        break;
    case PositionForm::SafeZone:
        return singleText(form.fraction, separator);
    case PositionForm::Expression:
        return form.expression;
    }
    return singleText(screenValue(record, field), separator);
}

FormLook formLook(const ControlRecord &record, FormField field, const ReferenceScreen &screen,
                  char separator)
{
    const PositionForm form = record.Forms[field].form;
    switch (form) {
    case PositionForm::Screen:
        break;
    case PositionForm::SafeZone:
        return {form, std::string(safeZoneWords(field)),
                std::string(kSafeZoneHint) + " On the reference screen (" + screenName(screen)
                    + ") it stands at " + singleText(screenValue(record, field), separator)
                    + " of the screen."};
    case PositionForm::Expression: {
        const std::string value = singleText(expressionValue(record, field, screen), separator);
        return {form, "= " + value + " of the screen",
                "An expression kept as written; on the reference screen (" + screenName(screen)
                    + ") it gives " + value
                    + " of the screen. Convert the control to type a value here."};
    }
    }
    return {};
}

FormLook sharedFormLook(std::span<const FormLook> looks)
{
    if (looks.empty())
        return {};
    const FormLook &first = looks.front();
    if (std::ranges::all_of(looks, [&first](const FormLook &look) { return look == first; }))
        return first;
    const bool oneForm = std::ranges::all_of(
        looks, [&first](const FormLook &look) { return look.form == first.form; });
    if (oneForm && first.form == PositionForm::SafeZone)
        return {first.form, first.beside, std::string(kSafeZoneHint)};
    if (oneForm)
        return {first.form, "expressions", "Each picked control holds an expression here."};
    return {std::nullopt, "mixed forms",
            "The picked controls hold this field in different forms. Convert them to one form "
            "to type a value for all."};
}

} // namespace kovrin
