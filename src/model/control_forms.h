#pragma once
// The position forms of one record. Five fields of a record (X, Y, Width, Height, FontSize) may
// stand in the definition as a safe-zone fraction or as an expression rather than as a plain
// screen fraction. The record's own fields always hold the screen value on the reference screen,
// so whatever draws, checks or writes them needs nothing more; this holds what the form adds.

#include "model/position_form.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace kovrin {

enum class FormField : std::uint8_t { X, Y, Width, Height, FontSize };

inline constexpr std::array kAllFormFields {FormField::X, FormField::Y, FormField::Width,
                                            FormField::Height, FormField::FontSize};

// The safe-zone measure a field follows: the font size follows the height.
PositionAxis axisOf(FormField field);

// The form new controls of a dialog take, and the target of a conversion.
enum class DialogLayout : std::uint8_t { Screen, SafeZone };

struct FieldForm
{
    PositionForm form = PositionForm::Screen;
    float fraction = 0; // safe zone: the F of "F * safezoneW + safezoneX"
    std::string expression; // expression: the text as written, macros expanded

    bool operator==(const FieldForm &) const = default;
};

// All five fields on screen, the usual case, holds nothing but an empty pointer, so a design of
// screen controls does not grow; any other form takes one block for the five.
class ControlForms
{
public:
    ControlForms() = default;
    ControlForms(const ControlForms &other);
    ControlForms &operator=(const ControlForms &other);
    ControlForms(ControlForms &&) noexcept = default;
    ControlForms &operator=(ControlForms &&) noexcept = default;
    ~ControlForms() = default;

    const FieldForm &operator[](FormField field) const;
    // Setting the last non-screen field back to screen lets the block go.
    void set(FormField field, FieldForm form);
    bool allScreen() const { return !m_fields; }
    // The bytes of the expression texts.
    std::size_t textBytes() const;

    bool operator==(const ControlForms &other) const;

private:
    std::unique_ptr<std::array<FieldForm, kAllFormFields.size()>> m_fields;
};

} // namespace kovrin
