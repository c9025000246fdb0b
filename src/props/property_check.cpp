#include "props/property_check.h"

#include "model/kind_properties.h"
#include "model/number_text.h"
#include "props/colour_groups.h"
#include "props/field_table.h"
#include "props/other_lines.h"

#include <algorithm>
#include <string_view>

namespace kovrin {
namespace {

// The design file ends a record at an item "###" and a text item at a double quote.
constexpr std::string_view kRecordEndMark = "###";

bool anyEmpty(const ColourTexts &texts)
{
    return std::ranges::any_of(texts, [](const std::string &t) { return holdsNoDigit(t); });
}

} // namespace

std::string checkFields(const EditorFields &f, std::optional<ControlKind> kind)
{
    std::string report;
    auto fail = [&report](bool failing, std::string_view line) {
        if (failing) {
            report += "- ";
            report += line;
            report += "\r\n";
        }
    };
    auto colourMissing = [&](ColourGroup group) {
        return isUsable(kind, group) && anyEmpty(f.colours[groupIndex(group)]);
    };

    fail(f.name.empty(), "You must enter a name.");
    fail(holdsNoDigit(f.idc), "You must enter an IDc or set it to -1.");
    // An expression is kept as written ("safezoneW" holds no digit) and never typed.
    const auto sizeMissing = [&f](FormField field, const std::string &text) {
        return f.formOf(field) != PositionForm::Expression && holdsNoDigit(text);
    };
    fail(sizeMissing(FormField::Width, f.width), "You must enter a width.");
    fail(sizeMissing(FormField::Height, f.height), "You must enter a height.");
    fail(colourMissing(ColourGroup::Fore), "You must enter a foreground/font color.");
    fail(colourMissing(ColourGroup::Back), "You must enter a background color.");
    fail(isUsable(kind, KindField::FontSize) && sizeMissing(FormField::FontSize, f.fontSize),
         "You must enter a size for the font.");
    fail(colourMissing(ColourGroup::Active), "You must enter a color for the active selection.");
    fail(colourMissing(ColourGroup::Select), "You must enter a selection color.");
    fail(colourMissing(ColourGroup::SelectBG), "You must enter a selection background color.");
    fail(isUsable(kind, KindField::RowHeight) && holdsNoDigit(f.rowHeight),
         "You must enter a row height.");
    fail(isUsable(kind, KindField::WholeHeight) && holdsNoDigit(f.wholeHeight),
         "You must enter the total height for the control (whole height).");
    fail(f.multiline && holdsNoDigit(f.lineSpacing),
         "You must enter a linespacing for a control to be multiline.");

    // Values the design file cannot read back. Text and Action are checked only where the user
    // can change them, so a field he cannot edit never blocks the editor.
    const bool textUsable = isUsable(kind, KindField::Text);
    const bool actionUsable = isUsable(kind, KindField::Action);
    fail(f.name.find('"') != std::string::npos, "The name cannot contain a double quote (\").");
    fail(textUsable && f.text.find('"') != std::string::npos,
         "The text cannot contain a double quote (\").");
    fail(f.name == kRecordEndMark, "The name cannot be ###.");
    fail(textUsable && f.text == kRecordEndMark, "The text cannot be ###.");
    fail(actionUsable && f.action == kRecordEndMark, "The action cannot be ###.");
    // The kind's own values, as the editor orders them: before the other lines.
    if (kind) {
        const auto properties = kindProperties(*kind);
        for (std::size_t i = 0; i < properties.size() && i < f.kindValues.size(); ++i) {
            const std::string problem = kindValueProblem(properties[i], f.kindValues[i]);
            fail(!problem.empty(), std::string(properties[i].label) + ": " + problem);
        }
    }
    report += readOtherLines(f.others, OwnNames::Control, classShape(f, kind)).report;
    return report;
}

} // namespace kovrin
