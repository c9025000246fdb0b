#include "persist/record_fields.h"

#include "model/limits.h"
#include "model/number_text.h"

#include <cmath>
#include <limits>
#include <optional>

namespace kovrin {
namespace {

using namespace design;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The nearest 32-bit value; beyond the 32-bit range, held at its largest value.
float heldSingle(double value, bool &held)
{
    constexpr float largest = std::numeric_limits<float>::max();
    held = std::fabs(value) > static_cast<double>(largest);
    if (held)
        return value > 0 ? largest : -largest;
    return static_cast<float>(value);
}

// Reads one slot and reports what it could not take as it stands.
class SlotReader
{
public:
    SlotReader(const RecordSlots &slots, std::string_view dialog, std::size_t number,
               std::string_view controlName, ProblemList &problems)
        : m_slots(slots)
        , m_dialog(dialog)
        , m_number(number)
        , m_controlName(controlName)
        , m_problems(problems)
    {
    }

    const std::string &text(std::size_t field) const { return m_slots[field].text; }

    // Bare or quoted, a number item reads as sign, digits, point, decimals, exponent.
    std::optional<double> number(std::size_t field) const
    {
        const auto value = parseFileNumber(trimmed(text(field)));
        if (!value)
            report(field, quotedExcerpt(text(field)) + " is not a number; it was read as 0.");
        return value;
    }

    float single(std::size_t field) const
    {
        const auto value = number(field);
        if (!value)
            return 0.0f;
        bool held = false;
        const float single = heldSingle(*value, held);
        if (held)
            report(field,
                   quotedExcerpt(text(field)) + " is out of range; it was held at "
                       + singleText(single, '.') + ".");
        return single;
    }

    std::int16_t integer(std::size_t field) const
    {
        const auto value = number(field);
        if (!value)
            return 0;
        bool clamped = false;
        const short held = toInt16Clamped(*value, &clamped);
        if (clamped)
            report(field,
                   quotedExcerpt(text(field)) + " is out of range; it was held at "
                       + std::to_string(held) + ".");
        return held;
    }

    // Four texts with the user's separator, as the editor holds typed components. An empty
    // text stays empty: the editor stores the colours a kind does not use that way.
    ColourValue colour(std::size_t firstField, char separator) const
    {
        Rgba rgba;
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t field = firstField + i;
            std::string component = replaceDecimal(trimmed(text(field)), separator);
            if (!component.empty() && !parseTypedNumber(component)) {
                report(field, quotedExcerpt(text(field)) + " is not a number; it was read as 0.");
                component = "0";
            }
            rgba[i] = std::move(component);
        }
        return rgba;
    }

    void report(std::size_t field, const std::string &what) const
    {
        report(fieldName(field), what);
    }

    void report(std::string_view field, const std::string &what) const
    {
        m_problems.add(placeText(m_dialog, m_number, m_controlName, field) + ": " + what);
    }

private:
    const RecordSlots &m_slots;
    std::string_view m_dialog;
    std::size_t m_number;
    std::string_view m_controlName;
    ProblemList &m_problems;
};

std::string replacedAll(std::string text, std::string_view what, std::string_view with)
{
    std::size_t at = 0;
    while ((at = text.find(what, at)) != std::string::npos) {
        text.replace(at, what.size(), with);
        at += with.size();
    }
    return text;
}

std::string readAction(const std::string &stored, bool olderFormat)
{
    std::string action = replacedAll(stored, kQuoteEntity, "\"");
    // The current format keeps every quote as "&quot", so a doubled quote there is a real empty
    // string of the script; only the older format doubled its quotes.
    if (olderFormat)
        action = replacedAll(std::move(action), "\"\"", "\"");
    return action;
}

} // namespace

float readGridSize(const RecordSlots &slots, std::string_view dialog, ProblemList &problems)
{
    const SlotReader reader(slots, dialog, 0, {}, problems);
    const std::string &stored = slots[kGridField].text;
    // Either separator may stand in the file: both are taken as the decimal point.
    const auto value = parseTypedNumber(replaceDecimal(trimmed(stored), '.'));
    if (!value) {
        reader.report("grid step", quotedExcerpt(stored) + " is not a number; it was read as 0.");
        return 0.0f;
    }
    bool held = false;
    const float step = heldSingle(*value, held);
    if (held)
        reader.report("grid step",
                      quotedExcerpt(stored) + " is out of range; it was held at "
                          + singleText(step, '.') + ".");
    if (step > 0 && step < kSmallestGridStep)
        reader.report("grid step",
                      quotedExcerpt(stored) + " is smaller than "
                          + singleText(kSmallestGridStep, '.') + " and acts as no grid.");
    return step;
}

ControlRecord readControl(const RecordSlots &slots, const FieldReading &how,
                          std::string_view dialog, std::size_t number, ProblemList &problems)
{
    const SlotReader in(slots, dialog, number, slots[Name].text, problems);
    ControlRecord r;
    r.CtrlType = in.text(CtrlType);
    r.Name = in.text(Name);
    r.IDC = in.integer(IDC);
    r.Width = in.single(Width);
    r.Height = in.single(Height);
    r.Style = in.text(Style);
    r.ForeColor = in.colour(ForeColor, how.separator);
    r.BackColor = in.colour(BackColor, how.separator);
    r.Font = in.text(Font);
    r.FontSize = in.single(FontSize);
    r.Text = in.text(Text);
    r.ActiveColor = in.colour(ActiveColor, how.separator);
    r.SelectionColor = in.colour(SelectionColor, how.separator);
    r.SelectionBGColor = in.colour(SelectionBGColor, how.separator);
    r.Action = readAction(in.text(Action), how.olderFormat);
    r.Enter = in.integer(Enter);
    r.RowHeight = in.single(RowHeight);
    r.WholeHeight = in.single(WholeHeight);
    r.X = in.single(X);
    r.Y = in.single(Y);
    r.LineSpacing = in.single(LineSpacing);
    return r;
}

} // namespace kovrin
