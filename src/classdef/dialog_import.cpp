#include "classdef/dialog_import.h"

#include "classdef/class_lookup.h"
#include "classdef/class_reader.h"
#include "classdef/control_import.h"
#include "classdef/dialog_classes.h"
#include "classdef/game_classes.h"
#include "classdef/group_import.h"
#include "classdef/import_limits.h"
#include "classdef/other_entries.h"
#include "model/colour_value.h"
#include "model/control_groups.h"
#include "model/ignoring_case.h"

#include <algorithm>
#include <map>

namespace kovrin {
namespace {

struct Entry
{
    std::uint32_t node;
    bool background;
};

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
                 FormCounts &forms)
        : m_lookup(lookup)
        , m_problems(problems)
        , m_separator(separator)
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
        countGameClass(chain);

        std::vector<Entry> entries;
        listed(node.name, chain, "controlsBackground", true, entries);
        listed(node.name, chain, "controls", false, entries);
        const ControlSource source {m_lookup, m_problems, m_forms, m_separator, node.name};
        std::optional<ControlRecord> background;
        std::uint32_t backgroundNode = 0;
        if (entries.size() > 1 && entries[0].background && entries[1].background
            && isKovrinBackground(m_lookup.node(entries[0].node).name)) {
            backgroundNode = entries[0].node;
            background
                = importControl(source, backgroundNode, m_lookup.chain(backgroundNode), true);
            entries.erase(entries.begin());
        }
        dialog.others = keptValues(chain, entries, backgroundNode);
        keepWrittenOrder(index, entries);
        for (std::size_t i = 0; i < entries.size() && !m_stop; ++i)
            importEntry(source, entries[i], {}, 0, dialog);
        if (background)
            checkBackground(dialog, *background, backgroundNode);
        return dialog;
    }

private:
    // One control and, for a controls group, the controls of its class Controls after it, to any
    // depth; group: the holder's index in the dialog's controls as text, empty for the dialog's.
    void importEntry(const ControlSource &source, const Entry &entry, const std::string &group,
                     std::size_t depth, ImportedDialog &dialog)
    {
        if (!spendBudget(m_controls, 1, kMaxControls)) {
            stop(budgetStop(m_lookup.node(entry.node).place, "controls", kMaxControls));
            return;
        }
        const ClassChain chain = m_lookup.chain(entry.node);
        countGameClass(chain);
        ControlRecord record = importControl(source, entry.node, chain, entry.background);
        const bool isGroup = isGroupRecord(record);
        if (isGroup)
            record.Others = withoutControlsClass(record.Others);
        if (!spendBudget(m_keptBytes, record.Others.textBytes(), kMaxKeptCodeBytes)) {
            stop(budgetStop(m_lookup.node(entry.node).place, "bytes of other properties kept",
                            kMaxKeptCodeBytes));
            return;
        }
        record.Group = group;
        if (!group.empty())
            placeInGroup(record, source.screen, m_forms);
        if (!record.Forms.allScreen())
            dialog.layout = DialogLayout::SafeZone;
        dialog.controls.push_back(std::move(record));
        if (!isGroup)
            return;
        const std::string holder = std::to_string(dialog.controls.size() - 1);
        const auto held = heldControls(m_lookup, chain.classes, "controls");
        if (!held.classes.empty() && depth >= kMaxGroupDepth) {
            m_problems.add(m_lookup.node(entry.node).place,
                           "dialog " + dialog.name + ": controls group "
                               + m_lookup.node(entry.node).name + " lies deeper than "
                               + std::to_string(kMaxGroupDepth)
                               + " groups; its controls are left out",
                           ReadCause::Limit);
            return;
        }
        std::vector<Entry> inner;
        nestedControls(dialog.name, held.classes, false, inner);
        for (Entry &control : inner)
            control.background = isFrameInGroup(m_lookup, control.node);
        for (std::size_t i = 0; i < inner.size() && !m_stop; ++i)
            importEntry(source, inner[i], holder, depth + 1, dialog);
    }

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
            const HeldControls held = heldControls(m_lookup, chain.classes, name);
            if (held.inherited > 0
                && !spendBudget(m_inheritedItems, held.inherited, kMaxInheritedItems)) {
                stop(budgetStop(m_lookup.node(chain.classes.front()).place,
                                "list items taken from base classes", kMaxInheritedItems));
                return;
            }
            nestedControls(dialog, held.classes, background, entries);
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

    void nestedControls(const std::string &dialog, const std::vector<std::uint32_t> &classes,
                        bool background, std::vector<Entry> &entries)
    {
        for (std::uint32_t nested : classes) {
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

    // What the dialog class sets beyond its lists, kept as code: idd, movingEnable and objects[]
    // in place of the lines Kovrin writes for them (unless they say the same), the rest after.
    // Nested classes that are controls or hold them are taken apart instead.
    OtherProperties keptValues(const ClassChain &chain, const std::vector<Entry> &entries,
                               std::uint32_t background) const
    {
        const EntryFilter filter {
            [](const ClassProperty &property) {
                const ClassValue &value = property.value;
                return isDialogListName(property.name)
                    || (equalIgnoringCase(property.name, "idd") && valueCode(value) == "-1")
                    || (equalIgnoringCase(property.name, "movingEnable")
                        && valueCode(value) == "true")
                    || (equalIgnoringCase(property.name, "objects")
                        && value.kind == ClassValue::Kind::Array && value.items.empty());
            },
            [this, &entries, background](std::uint32_t nested) {
                const std::string &name = m_lookup.node(nested).name;
                return nested == background || isDialogListName(name)
                    || std::any_of(entries.begin(), entries.end(),
                                   [nested](const Entry &entry) { return entry.node == nested; });
            }};
        return OtherProperties(otherEntries(m_lookup, chain.classes, filter));
    }

    // The background class is written again from the first frame; say so when it held more.
    void checkBackground(const ImportedDialog &dialog, const ControlRecord &background,
                         std::uint32_t node)
    {
        const ControlRecord *frame = nullptr;
        for (const ControlRecord &record : dialog.controls) {
            if (record.CtrlType == "FRAME" && record.Group.empty()) { // the dialog's own
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
    // Once for each class of the game that dialogs or controls derive from: what they do not set
    // themselves is the game's, which the file does not hold.
    void reportGameClasses() const
    {
        for (const auto &[index, count] : m_gameClasses) {
            const std::string &name = m_lookup.gameName(index);
            const std::string users = " (used by " + std::to_string(count)
                + (count == 1 ? " control or dialog)" : " controls or dialogs)");
            m_problems.add(m_lookup.node(index).place,
                           "class " + name
                               + (findGameClass(name)
                                      ? " is the game's and its values are not in the file"
                                      : " is only declared; its values are the game's or a mod's")
                               + users
                               + ": kept Kovrin's defaults for what they do not set themselves",
                           ReadCause::GameClass);
        }
    }

    // Where a budget ran out; the import keeps nothing then.
    const std::optional<ReadProblem> &stopped() const { return m_stop; }

private:
    void countGameClass(const ClassChain &chain)
    {
        if (chain.declared != kNoClass)
            ++m_gameClasses[chain.declared];
    }

    void stop(ReadProblem report)
    {
        if (!m_stop)
            m_stop = std::move(report);
    }

    const ClassLookup &m_lookup;
    ReadProblems &m_problems;
    char m_separator;
    FormCounts &m_forms;
    std::size_t m_controls = 0;
    std::size_t m_keptBytes = 0;
    std::size_t m_inheritedItems = 0;
    std::optional<ReadProblem> m_stop;
    std::map<std::uint32_t, std::size_t> m_gameClasses; // how many classes derive from each
};

DialogImport importFrom(ClassRead read, char separator)
{
    DialogImport result;
    result.readable = read.readable;
    result.failure = read.failure;
    if (!read.readable)
        return result;
    const ClassLookup lookup(read.tree);
    if (const auto &stopped = lookup.stopped()) {
        result.readable = false;
        result.failure = readProblemText(*stopped, read.files);
        return result;
    }
    DialogReader dialogs(lookup, read.problems, separator, result.forms);
    for (std::uint32_t index : dialogClasses(lookup)) {
        result.dialogs.push_back(dialogs.read(index));
        if (const auto &stopped = dialogs.stopped()) {
            result.readable = false;
            result.failure = readProblemText(*stopped, read.files);
            result.dialogs.clear();
            return result;
        }
    }
    dialogs.reportGameClasses();
    result.files = std::move(read.files);
    result.problems = read.problems.problems();
    result.problemsLeftOut = read.problems.leftOut();
    result.counts = read.problems.counts();
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
