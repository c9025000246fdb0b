#include "model/control_forms.h"

#include <algorithm>

namespace kovrin {
namespace {

const FieldForm kScreen {};

} // namespace

PositionAxis axisOf(FormField field)
{
    switch (field) {
    case FormField::X:
        return PositionAxis::X;
    case FormField::Y:
        return PositionAxis::Y;
    case FormField::Width:
        return PositionAxis::Width;
    case FormField::Height:
    case FormField::FontSize:
        break;
    }
    return PositionAxis::Height;
}

ControlForms::ControlForms(const ControlForms &other)
    : m_fields(other.m_fields
                   ? std::make_unique<std::array<FieldForm, kAllFormFields.size()>>(*other.m_fields)
                   : nullptr)
{
}

ControlForms &ControlForms::operator=(const ControlForms &other)
{
    if (this != &other)
        *this = ControlForms(other);
    return *this;
}

const FieldForm &ControlForms::operator[](FormField field) const
{
    return m_fields ? (*m_fields)[static_cast<std::size_t>(field)] : kScreen;
}

void ControlForms::set(FormField field, FieldForm form)
{
    if (form.form == PositionForm::Screen)
        form = kScreen;
    if (!m_fields) {
        if (form == kScreen)
            return;
        m_fields = std::make_unique<std::array<FieldForm, kAllFormFields.size()>>();
    }
    (*m_fields)[static_cast<std::size_t>(field)] = std::move(form);
    if (std::all_of(m_fields->begin(), m_fields->end(),
                    [](const FieldForm &each) { return each == kScreen; }))
        m_fields.reset();
}

std::size_t ControlForms::textBytes() const
{
    std::size_t bytes = 0;
    if (m_fields) {
        for (const FieldForm &each : *m_fields)
            bytes += each.expression.size();
    }
    return bytes;
}

bool ControlForms::operator==(const ControlForms &other) const
{
    if (!m_fields || !other.m_fields)
        return !m_fields && !other.m_fields;
    return *m_fields == *other.m_fields;
}

} // namespace kovrin
