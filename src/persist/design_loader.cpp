#include "persist/design_loader.h"

#include "model/form_rules.h"
#include "persist/group_addition.h"
#include "persist/load_limits.h"

namespace kovrin {
namespace {

// Every number a load issues must fit its 16-bit counter; checked before anything is discarded.
// A design read from a file was checked while it was read; one built otherwise is checked here.
Status checkCounters(const LoadedDesign &design)
{
    if (!design.refusal.empty())
        return Status::failure(design.refusal);
    LoadLimits limits;
    for (const LoadedDialog &dialog : design.dialogs) {
        if (Status admitted = limits.admitDialog(dialog.name); !admitted)
            return admitted;
        for (const ControlRecord &record : dialog.controls) {
            if (Status admitted = limits.admitControl(record.CtrlType); !admitted)
                return admitted;
        }
    }
    return Status::success();
}

} // namespace

Status loadIntoSet(DialogSet &set, LoadedDesign &&design, SurfaceSize surfaceSize,
                   const std::filesystem::path &path, std::vector<std::string> *groupNotes)
{
    if (Status checked = checkCounters(design); !checked)
        return checked;
    set.discardAll();
    for (LoadedDialog &loaded : design.dialogs) {
        const auto index = set.appendDialog(loaded.name);
        if (!index)
            return Status::failure(index.message);
        set.setGridSize(*index, loaded.gridSize);
        set.setLayout(*index, loaded.layout);
        set.setDialogProperties(*index, std::move(loaded.others));
        for (ControlRecord &record : loaded.controls) {
            const auto tag = set.issueTag();
            if (!tag)
                return Status::failure(tag.message);
            record.Tag = *tag;
        }
        std::vector<std::string> notes = linkGroupNames(loaded.controls, loaded.name);
        if (groupNotes)
            groupNotes->insert(groupNotes->end(), notes.begin(), notes.end());
        // Saved on another reference screen, a safe-zone field stands elsewhere on this one.
        // Only once the groups are known: a control whose group was not found is placed as the
        // dialog's, from the safe zone's corner.
        for (ControlRecord &record : loaded.controls)
            followReferenceScreen(record, set.referenceScreen());
        // The records the reader made become the set's: a load holds one copy of them.
        if (Status adopted = set.adoptControls(*index, std::move(loaded.controls), surfaceSize);
            !adopted)
            return adopted;
    }
    set.CurrentFile = path;
    return Status::success();
}

Status loadIntoSet(DialogSet &set, const LoadedDesign &design, SurfaceSize surfaceSize,
                   const std::filesystem::path &path)
{
    if (Status checked = checkCounters(design); !checked)
        return checked;
    return loadIntoSet(set, LoadedDesign(design), surfaceSize, path);
}

LoadOutcome loadDesignFile(DialogSet &set, const std::filesystem::path &path, char separator,
                           SurfaceSize surfaceSize)
{
    auto design = readDesign(path, separator);
    if (!design)
        return {Status::failure(design.message), {}};
    LoadOutcome outcome;
    outcome.problems = (*design).problems.lines();
    outcome.status
        = loadIntoSet(set, std::move(*design.value), surfaceSize, path, &outcome.problems);
    if (!outcome.status)
        outcome.problems.clear();
    return outcome;
}

} // namespace kovrin
