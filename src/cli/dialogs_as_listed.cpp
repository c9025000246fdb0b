#include "cli/dialogs_as_listed.h"

#include <cstddef>

namespace kovrin {
namespace {

bool agrees(const FileScan &scan, const LoadedDesign &loaded)
{
    if (scan.controlCounts.size() != loaded.dialogs.size())
        return false;
    for (std::size_t i = 0; i < scan.controlCounts.size(); ++i) {
        if (scan.controlCounts[i] != loaded.dialogs[i].controls.size())
            return false;
    }
    return true;
}

} // namespace

std::vector<ListedDialog> wholeDialogs(const std::vector<LoadedDialog> &dialogs)
{
    std::vector<ListedDialog> listed;
    listed.reserve(dialogs.size());
    for (const LoadedDialog &dialog : dialogs)
        listed.push_back({dialog.name, dialog.gridSize, dialog.controls});
    return listed;
}

std::vector<ListedDialog> setDialogs(const DialogSet &set)
{
    std::vector<ListedDialog> listed;
    listed.reserve(set.count());
    for (const Dialog &dialog : set.cForms())
        listed.push_back({dialog.Tag, dialog.GridSize, dialog.cControls});
    return listed;
}

std::vector<ListedDialog> dialogsAsListed(const FileScan &scan, const LoadedDesign &loaded)
{
    if (scan.splits.empty() || !agrees(scan, loaded))
        return wholeDialogs(loaded.dialogs);

    std::vector<ListedDialog> listed;
    std::size_t next = 0;
    for (std::size_t d = 0; d < loaded.dialogs.size(); ++d) {
        const LoadedDialog &whole = loaded.dialogs[d];
        const std::span<const ControlRecord> controls(whole.controls);
        std::size_t from = 0;
        const auto cutAt = [&](std::size_t to) {
            listed.push_back({whole.name, whole.gridSize, controls.subspan(from, to - from)});
            from = to;
        };
        for (; next < scan.splits.size() && scan.splits[next].dialog == d; ++next)
            cutAt(scan.splits[next].controlsBefore);
        cutAt(whole.controls.size());
    }
    return listed;
}

} // namespace kovrin
