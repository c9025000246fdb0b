#include "cli/design_check.h"

#include "cli/problem_line.h"
#include "model/code_page.h"
#include "model/control_kind.h"
#include "model/form_rules.h"
#include "model/generated_class.h"
#include "model/ignoring_case.h"
#include "model/message_text.h"
#include "model/number_text.h"
#include "props/field_table.h"

#include <cstdint>
#include <map>

namespace kovrin {
namespace {

// Hands on the lines of one check with the place being checked.
class Report
{
public:
    explicit Report(const std::function<void(DesignProblem)> &add)
        : m_add(add)
    {
    }
    void enterDialog(std::size_t index)
    {
        m_dialog = index;
        m_control = 0;
    }
    void enterControl(std::size_t index) { m_control = index; }
    void at(std::string_view dialog, const std::string *control, std::string_view problem)
    {
        m_add({m_dialog, control ? std::optional(m_control) : std::nullopt,
               problemLine(dialog, control, problem)});
    }

private:
    const std::function<void(DesignProblem)> &m_add;
    std::size_t m_dialog = 0;
    std::size_t m_control = 0;
};

bool isFraction(double value)
{
    return value >= 0 && value <= 1; // false for NaN too
}

void checkText(Report &report, std::string_view dialog, const std::string *control,
               std::string_view field, std::string_view text, bool quotesBreak)
{
    const std::string what = std::string(field) + " ";
    if (quotesBreak && text.find('"') != std::string_view::npos)
        report.at(dialog, control, std::string(field) + kQuoteEndsText);
    if (text == "###")
        report.at(dialog, control, what + "is \"###\", which ends the record on loading");
    if (!fitsCp1252(text))
        report.at(dialog, control, what + "holds characters outside the Windows-1252 code page");
}

void checkFraction(Report &report, std::string_view dialog, const std::string *control,
                   std::string_view field, double value)
{
    if (!isFraction(value))
        report.at(dialog, control,
                  std::string(field) + " " + doubleText(value, '.') + " is outside 0 to 1");
}

// used: whether the generated code writes this colour for the control's kind. The editor stores
// the colours a kind does not use as empty texts, which the file holds well.
void checkColour(Report &report, std::string_view dialog, const std::string &control,
                 std::string_view field, const ColourValue &colour, bool used)
{
    if (!colour)
        return;
    static constexpr std::string_view kParts[] = {"red", "green", "blue", "alpha"};
    for (std::size_t i = 0; i < 4; ++i) {
        const ColourComponent &component = (*colour)[i];
        const std::string part = std::string(field) + " " + std::string(kParts[i]);
        if (const auto *text = std::get_if<std::string>(&component)) {
            if (text->empty() && !used)
                continue;
            if (!parseTypedNumber(*text)) {
                report.at(dialog, &control, part + " " + quotedText(*text) + " is not a number");
                continue;
            }
            checkText(report, dialog, &control, part, *text, false);
        }
        checkFraction(report, dialog, &control, part, componentValue(component));
    }
}

// An action's double quotes are stored as "&quot" and read back from it, so an action that
// itself holds "&quot" comes back with a double quote there.
void checkAction(Report &report, std::string_view dialog, const std::string &control,
                 std::string_view action)
{
    if (action.find("&quot") != std::string_view::npos)
        report.at(dialog, &control, "Action holds \"&quot\", which reads back as a double quote");
}

void checkControl(Report &report, std::string_view dialog, const ControlRecord &r)
{
    const std::string *name = &r.Name;
    if (!isIdentifier(r.Name))
        report.at(dialog, name, "the name is not an identifier");
    checkText(report, dialog, name, "Name", r.Name, true);
    checkText(report, dialog, name, "Style", r.Style, true);
    checkText(report, dialog, name, "Font", r.Font, true);
    checkText(report, dialog, name, "Text", r.Text, true);
    checkText(report, dialog, name, "Action", r.Action, false);
    checkAction(report, dialog, r.Name, r.Action);
    if (!kindFromWord(r.CtrlType))
        report.at(dialog, name, "unknown kind " + quotedText(r.CtrlType));
    checkText(report, dialog, name, "CtrlType", r.CtrlType, true);
    // A generic control's type is among what it keeps, unless a class of the game sets it.
    if (r.CtrlType == kindWord(ControlKind::Generic) && r.Base.empty() && !r.Others.find("type"))
        report.at(dialog, name,
                  "sets no type and derives from no class of the game; the game needs one");

    // A safe-zone or expression field may rightly stand outside the screen area.
    const std::pair<FormField, std::string_view> placed[] = {{FormField::X, "X"},
                                                             {FormField::Y, "Y"},
                                                             {FormField::Width, "Width"},
                                                             {FormField::Height, "Height"},
                                                             {FormField::FontSize, "FontSize"}};
    for (const auto &[field, label] : placed) {
        if (r.Forms[field].form == PositionForm::Screen)
            checkFraction(report, dialog, name, label, screenValue(r, field));
    }
    checkFraction(report, dialog, name, "RowHeight", r.RowHeight);
    checkFraction(report, dialog, name, "WholeHeight", r.WholeHeight);
    // The colours the editor lets a kind use are the ones its generated class writes.
    const auto kind = kindFromWord(r.CtrlType);
    const auto uses = [&kind](KindField field) {
        return kind && isUsable(kind, field);
    };
    checkColour(report, dialog, r.Name, "ForeColor", r.ForeColor,
                kind && writesField(ClassShape {*kind, r.Style}, CodeField::ColorText));
    checkColour(report, dialog, r.Name, "BackColor", r.BackColor, uses(KindField::BackColor));
    checkColour(report, dialog, r.Name, "ActiveColor", r.ActiveColor, uses(KindField::ActiveColor));
    checkColour(report, dialog, r.Name, "SelectionColor", r.SelectionColor,
                uses(KindField::SelectColor));
    checkColour(report, dialog, r.Name, "SelectionBGColor", r.SelectionBGColor,
                uses(KindField::SelectBGColor));
}

constexpr std::string_view kDiffersByCase
    = ", which differs only by case; the game takes them for one";

// What the game would confuse among the controls of one dialog: names that differ only by case
// (its class names ignore case) and two controls of one IDC (it finds controls by IDC).
class ControlIdentities
{
public:
    void check(Report &report, std::string_view dialog, const ControlRecord &r)
    {
        const auto [named, newName] = m_names.try_emplace(caseKey(r.Name), r.Name);
        if (!newName && named->second == r.Name)
            report.at(dialog, &r.Name, "another control of this dialog has the same name");
        else if (!newName)
            report.at(dialog, &r.Name,
                      "another control of this dialog is named " + quotedText(named->second)
                          + std::string(kDiffersByCase));
        if (r.IDC == -1) // the IDC of every control the scripts do not look up
            return;
        const auto [owner, newIdc] = m_idcs.try_emplace(r.IDC, r.Name);
        if (!newIdc)
            report.at(dialog, &r.Name,
                      "has IDC " + std::to_string(r.IDC) + " as control "
                          + quotedText(owner->second)
                          + " does; the game finds controls by their IDC");
    }

private:
    std::map<std::string, std::string> m_names; // by caseKey, as first written
    std::map<std::int32_t, std::string> m_idcs;
};

void checkDialogName(Report &report, std::string_view name)
{
    if (!isIdentifier(name))
        report.at(name, nullptr, "the dialog name is not an identifier");
    checkText(report, name, nullptr, "the dialog name", name, true);
}

} // namespace

bool isIdentifier(std::string_view name)
{
    const auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (name.empty() || !letter(name.front()))
        return false;
    for (char c : name) {
        if (!letter(c) && !(c >= '0' && c <= '9'))
            return false;
    }
    return true;
}

std::vector<std::string> designProblems(const std::vector<LoadedDialog> &fileDialogs)
{
    std::vector<std::string> lines;
    checkDesign(wholeDialogs(fileDialogs),
                [&lines](std::string line) { lines.push_back(std::move(line)); });
    return lines;
}

void checkDesign(const std::vector<ListedDialog> &fileDialogs,
                 const std::function<void(std::string)> &add)
{
    locateProblems(fileDialogs, [&add](DesignProblem problem) { add(std::move(problem.line)); });
}

void locateProblems(const std::vector<ListedDialog> &dialogs,
                    const std::function<void(DesignProblem)> &add)
{
    Report report(add);
    // Dialog names by caseKey, as first written.
    std::map<std::string, std::string> earlierNames;
    ControlIdentities controls; // of the dialog as loading merges it
    for (std::size_t i = 0; i < dialogs.size(); ++i) {
        const ListedDialog &dialog = dialogs[i];
        report.enterDialog(i);
        const bool mergesWithPrevious = i > 0 && dialogs[i - 1].name == dialog.name;
        if (mergesWithPrevious) {
            report.at(dialog.name, nullptr,
                      "follows a dialog of the same name; the two become one on loading");
        } else {
            controls = {};
            const auto earlier = earlierNames.find(caseKey(dialog.name));
            if (earlier != earlierNames.end() && earlier->second == dialog.name)
                report.at(dialog.name, nullptr,
                          "an earlier dialog has the same name; the game gets two classes of it");
            else if (earlier != earlierNames.end())
                report.at(dialog.name, nullptr,
                          "an earlier dialog is named " + quotedText(earlier->second)
                              + std::string(kDiffersByCase));
            checkDialogName(report, dialog.name);
        }
        earlierNames.try_emplace(caseKey(dialog.name), dialog.name);
        checkFraction(report, dialog.name, nullptr, "the grid step", dialog.gridSize);

        for (std::size_t c = 0; c < dialog.controls.size(); ++c) {
            report.enterControl(c);
            controls.check(report, dialog.name, dialog.controls[c]);
            checkControl(report, dialog.name, dialog.controls[c]);
        }
    }
}

} // namespace kovrin
