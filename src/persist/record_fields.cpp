#include "persist/record_fields.h"

#include "model/limits.h"
#include "model/message_text.h"
#include "model/number_text.h"

#include <cmath>
#include <limits>
#include <optional>

namespace kovrin {
namespace {

using namespace design;

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
        const auto value = parseFileNumber(withoutBlanksAround(text(field)));
        if (!value)
            report(field, quotedText(text(field)) + " is not a number; it was read as 0.");
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
                   quotedText(text(field)) + " is out of range; it was held at "
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
                   quotedText(text(field)) + " is out of range; it was held at "
                       + std::to_string(held) + ".");
        return held;
    }

    // Four texts with the user's separator, as the editor holds typed components; made in
    // place in the record. A bare number item stands for its 64-bit value, so ".5" and "5E-01"
    // both become the number text "0.5"; a quoted item keeps its characters. An empty text stays
    // empty: the editor stores the colours a kind does not use that way.
    void colour(std::size_t firstField, char separator, ColourValue &colour) const
    {
        Rgba &rgba = colour.emplace();
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t field = firstField + i;
            std::string &component = rgba[i].emplace<std::string>();
            const std::string_view stored = withoutBlanksAround(text(field));
            if (!m_slots[field].quoted) {
                if (const auto value = parseFileNumber(stored)) {
                    appendDoubleText(component, *value, separator);
                    continue;
                }
            }
            appendReplacedDecimal(component, stored, separator);
            if (!component.empty() && !isTypedNumber(component)) {
                report(field, quotedText(text(field)) + " is not a number; it was read as 0.");
                component = "0";
            }
        }
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

std::string readAction(std::string stored, bool olderFormat)
{
    std::string action = withoutQuoteEntities(stored);
    // The current format keeps every quote as "&quot", so a doubled quote there is a real empty
    // string of the script; only the older format doubled its quotes.
    if (olderFormat)
        action = replacedAll(action, "\"\"", "\"");
    return action;
}

} // namespace

float readGridSize(const RecordSlots &slots, std::string_view dialog, ProblemList &problems)
{
    const SlotReader reader(slots, dialog, 0, {}, problems);
    const std::string &stored = slots[kGridField].text;
    // Either separator may stand in the file: both are taken as the decimal point.
    const auto value = parseTypedNumber(replaceDecimal(withoutBlanksAround(stored), '.'));
    if (!value) {
        reader.report("grid step", quotedText(stored) + " is not a number; it was read as 0.");
        return 0.0f;
    }
    bool held = false;
    const float step = heldSingle(*value, held);
    if (held)
        reader.report("grid step",
                      quotedText(stored) + " is out of range; it was held at "
                          + singleText(step, '.') + ".");
    if (step > 0 && step < kSmallestGridStep)
        reader.report("grid step",
                      quotedText(stored) + " is smaller than " + singleText(kSmallestGridStep, '.')
                          + " and acts as no grid.");
    return step;
}

void readControl(ScannedRecord &scanned, const FieldReading &how, std::string_view dialog,
                 std::size_t number, ProblemList &problems, ControlRecord &r)
{
    r.Name = scanned.takeText(Name);
    const SlotReader in(scanned.slots, dialog, number, r.Name, problems);
    r.CtrlType = scanned.takeText(CtrlType);
    r.IDC = in.integer(IDC);
    r.Width = in.single(Width);
    r.Height = in.single(Height);
    r.Style = scanned.takeText(Style);
    in.colour(ForeColor, how.separator, r.ForeColor);
    in.colour(BackColor, how.separator, r.BackColor);
    r.Font = scanned.takeText(Font);
    r.FontSize = in.single(FontSize);
    r.Text = scanned.takeText(Text);
    in.colour(ActiveColor, how.separator, r.ActiveColor);
    in.colour(SelectionColor, how.separator, r.SelectionColor);
    in.colour(SelectionBGColor, how.separator, r.SelectionBGColor);
    r.Action = readAction(scanned.takeText(Action), how.olderFormat);
    r.Enter = in.integer(Enter);
    r.RowHeight = in.single(RowHeight);
    r.WholeHeight = in.single(WholeHeight);
    r.X = in.single(X);
    r.Y = in.single(Y);
    r.LineSpacing = in.single(LineSpacing);
}

} // namespace kovrin
