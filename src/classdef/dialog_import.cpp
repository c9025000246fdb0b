#include "classdef/dialog_import.h"

#include "classdef/class_lookup.h"
#include "classdef/class_reader.h"
#include "classdef/control_import.h"
#include "classdef/import_limits.h"
#include "model/colour_value.h"
#include "model/ignoring_case.h"

#include <algorithm>

namespace kovrin {
namespace {

struct Entry
{
    std::uint32_t node;
    bool background;
};

bool holdsControls(const ClassLookup &lookup, const ClassNode &node)
{
    for (const ClassProperty &property : node.properties) {
        if (equalIgnoringCase(property.name, "controls")
            || equalIgnoringCase(property.name, "controlsBackground"))
            return true;
    }
    for (std::uint32_t nested : node.classes) {
        const std::string &name = lookup.node(nested).name;
        if (equalIgnoringCase(name, "controls") || equalIgnoringCase(name, "controlsBackground"))
            return true;
    }
    return false;
}

// Kovrin writes a background class DLG_BACK and the dialog's number in front of the first frame.
bool isKovrinBackground(std::string_view name)
{
    constexpr std::string_view kPrefix = "DLG_BACK";
    if (!name.starts_with(kPrefix) || name.size() == kPrefix.size())
        return false;
    for (char c : name.substr(kPrefix.size())) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

bool sameColour(const ColourValue &a, const ColourValue &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    for (std::size_t i = 0; i < 4; ++i) {
        if (componentValue((*a)[i]) != componentValue((*b)[i]))
            return false;
    }
    return true;
}

class DialogReader
{
public:
    DialogReader(const ClassLookup &lookup, ReadProblems &problems, char separator,
                 UnusedCount &unused, FormCounts &forms)
        : m_lookup(lookup)
        , m_problems(problems)
        , m_separator(separator)
        , m_unused(unused)
        , m_forms(forms)
    {
    }

    ImportedDialog read(std::uint32_t index)
    {
        const ClassNode &node = m_lookup.node(index);
        ImportedDialog dialog;
        dialog.name = node.name;
        dialog.place = node.place;
        const ClassChain chain = m_lookup.chain(index);
        if (!chain.problem.empty())
            m_problems.add(node.place, "dialog " + node.name + ": " + chain.problem,
                           ReadCause::BaseClass);
        checkDialogValues(node.name, chain);

        std::vector<Entry> entries;
        listed(node.name, chain, "controlsBackground", true, entries);
        listed(node.name, chain, "controls", false, entries);
        const ControlSource source {m_lookup, m_problems, m_forms, m_separator, node.name};
        std::optional<ControlRecord> background;
        std::uint32_t backgroundNode = 0;
        if (entries.size() > 1 && entries[0].background && entries[1].background
            && isKovrinBackground(m_lookup.node(entries[0].node).name)) {
            backgroundNode = entries[0].node;
            background = importControl(source, backgroundNode, true, nullptr);
            if (background)
                entries.erase(entries.begin());
        }
        keepWrittenOrder(index, entries);
        for (std::size_t i = 0; i < entries.size() && !m_stop; ++i) {
            if (!spendBudget(m_controls, 1, kMaxControls)) {
                stop(budgetStop(m_lookup.node(entries[i].node).place, "controls", kMaxControls));
                break;
            }
            if (auto record
                = importControl(source, entries[i].node, entries[i].background, &m_unused)) {
                if (!record->Forms.allScreen())
                    dialog.layout = DialogLayout::SafeZone;
                dialog.controls.push_back(std::move(*record));
            }
        }
        if (background)
            checkBackground(dialog, *background, backgroundNode);
        return dialog;
    }

private:
    // The game draws the background list first and then the other list. Kovrin's own code lists
    // frames in the background and writes the control classes in the order of its records, so
    // when both lists follow the order the classes are written in, that order is the records'
    // order: it draws the same in the game and gives the same code again.
    void keepWrittenOrder(std::uint32_t dialog, std::vector<Entry> &entries) const
    {
        std::uint32_t lastBackground = 0;
        std::uint32_t lastOther = 0;
        for (const Entry &entry : entries) {
            std::uint32_t &last = entry.background ? lastBackground : lastOther;
            if (m_lookup.node(entry.node).parent != dialog || entry.node <= last)
                return;
            last = entry.node;
        }
        std::sort(entries.begin(), entries.end(),
                  [](const Entry &a, const Entry &b) { return a.node < b.node; });
    }

    // The controls of one list: the classes a list of that name names or, when there is no
    // such list, the classes nested in a class of that name. The list comes first, since a
    // control class may itself be called controls.
    void listed(const std::string &dialog, const ClassChain &chain, std::string_view name,
                bool background, std::vector<Entry> &entries)
    {
        const auto list = m_lookup.list(chain.classes, name);
        if (!list) {
            if (const auto holder = m_lookup.nested(chain.classes, name))
                nestedControls(dialog, *holder, background, entries);
            return;
        }
        // Items read through base classes are copies: each dialog deriving from a long list
        // makes its own.
        if (chain.classes.size() > 1
            && !spendBudget(m_inheritedItems, list->items.size(), kMaxInheritedItems)) {
            stop(budgetStop(m_lookup.node(chain.classes.front()).place,
                            "list items taken from base classes", kMaxInheritedItems));
            return;
        }
        for (const ClassValue &item : list->items) {
            if (item.kind != ClassValue::Kind::String && item.kind != ClassValue::Kind::Bare) {
                if (item.kind != ClassValue::Kind::Empty)
                    m_problems.add(item.place,
                                   "dialog " + dialog + ": " + std::string(name)
                                       + "[] holds something that is no class name; left out",
                                   ReadCause::ControlLeftOut);
                continue;
            }
            const auto control = m_lookup.nested(chain.classes, item.text);
            if (!control) {
                m_problems.add(item.place,
                               "dialog " + dialog + ": " + item.text + " of " + std::string(name)
                                   + "[] is not a class of the dialog; it is left out",
                               ReadCause::ControlLeftOut);
                continue;
            }
            entries.push_back({*control, background});
        }
    }

    void nestedControls(const std::string &dialog, std::uint32_t holder, bool background,
                        std::vector<Entry> &entries)
    {
        for (std::uint32_t nested : m_lookup.node(holder).classes) {
            const ClassNode &control = m_lookup.node(nested);
            if (control.declarationOnly)
                m_problems.add(control.place,
                               "dialog " + dialog + ": class " + control.name
                                   + " is only declared; it is left out",
                               ReadCause::ControlLeftOut);
            else
                entries.push_back({nested, background});
        }
    }

    // What the dialog class itself sets: Kovrin writes idd = -1, movingEnable = true and no
    // objects, and keeps nothing else.
    void checkDialogValues(const std::string &dialog, const ClassChain &chain)
    {
        if (const ClassProperty *idd = m_lookup.find(chain.classes, "idd")) {
            const auto value = numberOf(idd->value);
            if (!value || *value != -1)
                m_problems.add(idd->place,
                               "dialog " + dialog + ": idd = " + shown(idd->value)
                                   + " is not kept; Kovrin writes idd = -1",
                               ReadCause::DialogValue);
        }
        if (const ClassProperty *moving = m_lookup.find(chain.classes, "movingEnable")) {
            const ClassValue &value = moving->value;
            const bool movable
                = (value.kind == ClassValue::Kind::Bare && equalIgnoringCase(value.text, "true"))
                || (value.number && *value.number != 0);
            if (!movable)
                m_problems.add(moving->place,
                               "dialog " + dialog + ": movingEnable = " + shown(value)
                                   + " is not kept; Kovrin writes true",
                               ReadCause::DialogValue);
        }
        if (const auto objects = m_lookup.list(chain.classes, "objects")) {
            std::size_t count = 0;
            for (const ClassValue &item : objects->items)
                count += item.kind != ClassValue::Kind::Empty ? 1 : 0;
            if (count > 0)
                m_problems.add(objects->place,
                               "dialog " + dialog + ": the " + std::to_string(count)
                                   + " entries of objects[] are left out; Kovrin has no objects",
                               ReadCause::DialogValue);
        }
        for (std::uint32_t index : chain.classes) {
            for (const ClassProperty &property : m_lookup.node(index).properties) {
                constexpr std::string_view kKept[]
                    = {"idd", "movingEnable", "objects", "controls", "controlsBackground"};
                bool kept = false;
                for (std::string_view name : kKept)
                    kept = kept || equalIgnoringCase(name, property.name);
                if (!kept)
                    m_problems.add(property.place,
                                   "dialog " + dialog + ": " + property.name
                                       + " is not kept; Kovrin has no field for it",
                                   ReadCause::DialogValue);
            }
        }
    }

    // The background class is written again from the first frame; say so when it held more.
    void checkBackground(const ImportedDialog &dialog, const ControlRecord &background,
                         std::uint32_t node)
    {
        const ControlRecord *frame = nullptr;
        for (const ControlRecord &record : dialog.controls) {
            if (record.CtrlType == "FRAME") {
                frame = &record;
                break;
            }
        }
        const bool same = frame && sameColour(frame->BackColor, background.BackColor)
            && frame->X == background.X && frame->Y == background.Y
            && frame->Width == background.Width && frame->Height == background.Height;
        if (!same)
            m_problems.add(m_lookup.node(node).place,
                           "dialog " + dialog.name + ": the background class " + background.Name
                               + " is not kept; Kovrin writes it again from the first frame"
                               + (frame ? " (" + frame->Name + "), whose colour or place differs"
                                        : ", and there is none"),
                           ReadCause::DialogValue);
    }

public:
    // Where a budget ran out; the import keeps nothing then.
    const std::optional<ReadProblem> &stopped() const { return m_stop; }

private:
    void stop(ReadProblem report)
    {
        if (!m_stop)
            m_stop = std::move(report);
    }

    const ClassLookup &m_lookup;
    ReadProblems &m_problems;
    char m_separator;
    UnusedCount &m_unused;
    FormCounts &m_forms;
    std::size_t m_controls = 0;
    std::size_t m_inheritedItems = 0;
    std::optional<ReadProblem> m_stop;
};

DialogImport importFrom(ClassRead read, char separator)
{
    DialogImport result;
    result.readable = read.readable;
    result.failure = read.failure;
    if (!read.readable)
        return result;
    const ClassLookup lookup(read.tree);
    UnusedCount unused;
    DialogReader dialogs(lookup, read.problems, separator, unused, result.forms);
    // Classes are walked in the order written; a dialog's own classes are its controls.
    std::vector<std::uint32_t> pending(read.tree.nodes[0].classes.rbegin(),
                                       read.tree.nodes[0].classes.rend());
    while (!pending.empty()) {
        const std::uint32_t index = pending.back();
        pending.pop_back();
        const ClassNode &node = lookup.node(index);
        if (node.declarationOnly)
            continue;
        if (holdsControls(lookup, node)) {
            result.dialogs.push_back(dialogs.read(index));
            if (const auto &stopped = dialogs.stopped()) {
                result.readable = false;
                result.failure = readProblemText(*stopped, read.files);
                result.dialogs.clear();
                return result;
            }
            continue;
        }
        pending.insert(pending.end(), node.classes.rbegin(), node.classes.rend());
    }
    result.files = std::move(read.files);
    result.problems = read.problems.problems();
    result.problemsLeftOut = read.problems.leftOut();
    result.counts = read.problems.counts();
    for (auto &[key, entry] : unused)
        result.unused.push_back({entry.first, entry.second});
    return result;
}

} // namespace

std::vector<std::string> DialogImport::problemLines() const
{
    std::vector<std::string> lines;
    for (const ReadProblem &problem : problems)
        lines.push_back(readProblemText(problem, files));
    if (problemsLeftOut > 0)
        lines.push_back(std::to_string(problemsLeftOut) + " more problems are not listed");
    return lines;
}

std::vector<std::string> DialogImport::unusedLines() const
{
    std::vector<std::string> lines;
    for (const UnusedProperty &property : unused)
        lines.push_back(property.name + " (" + std::to_string(property.controls)
                        + (property.controls == 1 ? " control)" : " controls)"));
    return lines;
}

std::string DialogImport::formsLine() const
{
    if (forms.safeZone == 0 && forms.expression == 0)
        return {};
    return "positions and sizes: " + std::to_string(forms.screen) + " screen fractions, "
        + std::to_string(forms.safeZone) + " in the safe-zone form, "
        + std::to_string(forms.expression) + " kept as expressions";
}

DialogImport importDialogs(const std::filesystem::path &path, const SourceLoader &loader,
                           char separator)
{
    return importFrom(readClassFile(path, loader), separator);
}

DialogImport importDialogText(std::string text, const std::string &name, const SourceLoader &loader,
                              char separator)
{
    return importFrom(readClassText(std::move(text), name, loader), separator);
}

} // namespace kovrin
