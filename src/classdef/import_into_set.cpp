#include "classdef/import_into_set.h"

#include "model/control_groups.h"
#include "model/dialog_name_check.h"
#include "model/form_rules.h"
#include "model/ignoring_case.h"
#include "model/limits.h"

#include <array>
#include <charconv>

namespace kovrin {
namespace {

constexpr std::size_t kLimit = static_cast<std::size_t>(kCounterLimit);

Status checkRoom(const DialogSet &set, const std::vector<ImportedDialog> &dialogs)
{
    if (dialogs.size() > kLimit - static_cast<std::size_t>(set.DialogCounter))
        return Status::failure(
            "The file holds " + std::to_string(dialogs.size()) + " dialogs; no more than "
            + std::to_string(kLimit - static_cast<std::size_t>(set.DialogCounter))
            + " can be added. Nothing was imported.");
    std::size_t controls = 0;
    for (const ImportedDialog &dialog : dialogs) {
        controls += dialog.controls.size();
        std::array<std::size_t, kAllKinds.size()> perKind {};
        for (const ControlRecord &record : dialog.controls) {
            const auto kind = kindFromWord(record.CtrlType);
            if (kind && ++perKind[kindIndex(*kind)] >= kLimit)
                return Status::failure("The dialog \"" + dialog.name + "\" holds more than "
                                       + std::to_string(kLimit - 1) + " controls of the kind "
                                       + record.CtrlType + ". Nothing was imported.");
        }
    }
    if (!set.canIssueTags(controls))
        return Status::failure("The file holds " + std::to_string(controls)
                               + " controls, more than the set can still take. Nothing was "
                                 "imported.");
    return Status::success();
}

// The index of the record's group among those added before it; the Group the import gave it
// is that index as text.
std::optional<std::size_t> importedHolder(ControlRecord &record, std::size_t added)
{
    if (record.Group.empty())
        return std::nullopt;
    std::size_t holder = 0;
    const char *last = record.Group.data() + record.Group.size();
    const auto [end, error] = std::from_chars(record.Group.data(), last, holder);
    const bool known = error == std::errc() && end == last && holder < added;
    record.Group.clear();
    return known ? std::optional(holder) : std::nullopt;
}

} // namespace

FreeDialogNames::FreeDialogNames(const DialogSet &set)
{
    for (const Dialog &dialog : set.cForms())
        m_taken.insert(caseKey(dialog.Tag));
}

std::string FreeDialogNames::take(const std::string &name)
{
    const std::string key = caseKey(name);
    if (dialogNameProblems(name).empty() && m_taken.insert(key).second)
        return name;
    std::size_t &suffix = m_nextSuffix.try_emplace(key, 2).first->second;
    for (;; ++suffix) {
        std::string candidate = name + "_" + std::to_string(suffix);
        if (m_taken.insert(caseKey(candidate)).second) {
            ++suffix;
            return candidate;
        }
    }
}

SetAddition addImportedDialogs(DialogSet &set, const std::vector<ImportedDialog> &dialogs,
                               SurfaceSize surfaceSize)
{
    SetAddition addition;
    addition.status = checkRoom(set, dialogs);
    if (!addition.status)
        return addition;
    FreeDialogNames names(set);
    for (const ImportedDialog &imported : dialogs) {
        const std::string name = names.take(imported.name);
        if (name != imported.name)
            addition.renamed.push_back({imported.place,
                                        "the dialog " + imported.name
                                            + " is already in the set; it was imported as " + name,
                                        ReadCause::Renamed});
        const auto index = set.appendDialog(name);
        if (!index) {
            addition.status = Status::failure(index.message);
            return addition;
        }
        addition.indices.push_back(*index);
        set.setLayout(*index, imported.layout);
        set.setDialogProperties(*index, imported.others);
        // The Tags and screen places of the records added so far, for the controls of groups.
        std::vector<std::string> tags;
        std::vector<ScreenPoint> places;
        for (ControlRecord record : imported.controls) {
            // Safe-zone values were placed on the default reference screen; the set's may differ.
            followReferenceScreen(record, set.referenceScreen());
            const auto tag = set.issueTag();
            if (!tag) {
                addition.status = Status::failure(tag.message);
                return addition;
            }
            record.Tag = *tag;
            ScreenPoint place {record.X, record.Y};
            if (const auto holder = importedHolder(record, tags.size())) {
                record.Group = tags[*holder];
                place.x += places[*holder].x;
                place.y += places[*holder].y;
            }
            tags.push_back(record.Tag);
            places.push_back(place);
            // On the surface as the controls added so far have turned it.
            const SurfaceSize surface(surfaceSize.width, surfaceSize.height,
                                      set.drawnControls(*index).frame);
            const double left = twipsFromScreen(place.x, PositionAxis::X, surface);
            const double top = twipsFromScreen(place.y, PositionAxis::Y, surface);
            const auto added = set.addControl(*index, std::move(record), left, top, surfaceSize);
            if (!added) {
                addition.status = Status::failure(added.message);
                return addition;
            }
        }
        // A safe-zone dialog without controls shows the safe zone too.
        set.followSurfaceFrame(*index, surfaceSize);
    }
    return addition;
}

} // namespace kovrin
