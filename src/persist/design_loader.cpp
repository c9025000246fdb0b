#include "persist/design_loader.h"

#include "model/limits.h"

#include <array>

namespace kovrin {
namespace {

constexpr std::size_t kLimit = static_cast<std::size_t>(kCounterLimit);

// Every number a load issues must fit its 16-bit counter; checked before anything is discarded.
Status checkCounters(const LoadedDesign &design)
{
    if (design.dialogs.size() > kLimit)
        return Status::failure("The file holds " + std::to_string(design.dialogs.size())
                               + " dialogs; at most " + std::to_string(kLimit)
                               + " can be loaded. Nothing was loaded.");
    std::size_t controls = 0;
    for (const LoadedDialog &dialog : design.dialogs) {
        controls += dialog.controls.size();
        // Element numbers of a kind start at 1 on every dialog.
        std::array<std::size_t, kAllKinds.size()> perKind {};
        for (const ControlRecord &record : dialog.controls) {
            const auto kind = kindFromWord(record.CtrlType);
            if (kind && ++perKind[kindIndex(*kind)] >= kLimit)
                return Status::failure("The dialog \"" + dialog.name + "\" holds more than "
                                       + std::to_string(kLimit - 1) + " controls of the kind "
                                       + record.CtrlType + ". Nothing was loaded.");
        }
    }
    if (controls > kLimit)
        return Status::failure("The file holds " + std::to_string(controls) + " controls; at most "
                               + std::to_string(kLimit) + " can be loaded. Nothing was loaded.");
    return Status::success();
}

} // namespace

Status loadIntoSet(DialogSet &set, const LoadedDesign &design, SurfaceSize surfaceSize,
                   const std::filesystem::path &path)
{
    if (Status checked = checkCounters(design); !checked)
        return checked;
    set.discardAll();
    for (const LoadedDialog &loaded : design.dialogs) {
        const auto index = set.appendDialog(loaded.name);
        if (!index)
            return Status::failure(index.message);
        set.setGridSize(*index, loaded.gridSize);
        for (ControlRecord record : loaded.controls) {
            const auto tag = set.issueTag();
            if (!tag)
                return Status::failure(tag.message);
            record.Tag = *tag;
            const double left = static_cast<double>(record.X) * surfaceSize.width;
            const double top = static_cast<double>(record.Y) * surfaceSize.height;
            const auto added = set.addControl(*index, std::move(record), left, top, surfaceSize);
            if (!added)
                return Status::failure(added.message);
        }
    }
    set.CurrentFile = path;
    return Status::success();
}

LoadOutcome loadDesignFile(DialogSet &set, const std::filesystem::path &path, char separator,
                           SurfaceSize surfaceSize)
{
    auto design = readDesign(path, separator);
    if (!design)
        return {Status::failure(design.message), {}};
    LoadOutcome outcome;
    outcome.status = loadIntoSet(set, *design, surfaceSize, path);
    if (outcome.status)
        outcome.problems = (*design).problems;
    return outcome;
}

} // namespace kovrin
