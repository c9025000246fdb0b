#include "surface/group_clipboard.h"

#include "model/drawn_controls.h"
#include "model/form_rules.h"
#include "surface/clipboard.h"
#include "surface/list_drop.h"
#include "surface/with_content.h"

#include <unordered_map>

namespace kovrin {
namespace {

// Where a control stands on the surface: its drawn control, or its record's fractions for a
// record drawn nowhere.
std::pair<double, double> topLeftOf(const SurfaceRef &s, const ControlRecord &record)
{
    if (const DrawnControl *drawn = s.drawn().findByTag(record.Tag))
        return {drawn->left, drawn->top};
    return {twipsFromScreen(record.X, PositionAxis::X, s.size),
            twipsFromScreen(record.Y, PositionAxis::Y, s.size)};
}

// A copy of the record under a new tag and name, when the dialog has room for one more.
Result<ControlRecord> freshCopy(SurfaceRef s, const ControlRecord &copied)
{
    const Status room = s.set.canAddControl(s.dialogIndex, copied.CtrlType);
    if (!room)
        return Result<ControlRecord>::failure(room.message);
    auto tag = s.set.issueTag();
    if (!tag)
        return Result<ControlRecord>::failure(tag.message);
    return Result<ControlRecord>::of(pastedRecord(copied, s.dialog().cControls.size(), *tag));
}

// The record pasted into the dialog's own list with its top-left corner at (px, py).
Result<std::size_t> putDown(SurfaceRef s, const ControlRecord &copied, double px, double py)
{
    auto fresh = freshCopy(s, copied);
    if (!fresh)
        return Result<std::size_t>::failure(fresh.message);
    ControlRecord record = std::move(*fresh.value);
    record.X = static_cast<float>(screenFromTwips(px, PositionAxis::X, s.size));
    record.Y = static_cast<float>(screenFromTwips(py, PositionAxis::Y, s.size));
    // A pasted control keeps the forms it was copied with, at the place it is pasted.
    followScreenValues(copied, record, s.set.referenceScreen());
    return s.set.addControl(s.dialogIndex, std::move(record), px, py, s.size);
}

// A control of a pasted controls group: into the pasted group's list at the offsets (and forms)
// it was copied with, drawn at (px, py).
Result<std::size_t> putInside(SurfaceRef s, const ControlRecord &copied, const std::string &holder,
                              double px, double py)
{
    auto fresh = freshCopy(s, copied);
    if (!fresh)
        return Result<std::size_t>::failure(fresh.message);
    ControlRecord record = std::move(*fresh.value);
    record.X = copied.X;
    record.Y = copied.Y;
    record.Group = holder;
    return s.set.addControl(s.dialogIndex, std::move(record), px, py, s.size);
}

// A control pasted with its top-left corner at (px, py) joins the controls group shown there.
void joinListAtPoint(SurfaceRef s, std::size_t index, double px, double py)
{
    const std::string tag = s.dialog().cControls.at(index).Tag;
    const std::string list = listAtPoint(s.dialog(), px, py, tag);
    if (!list.empty())
        s.set.setControlGroup(s.dialogIndex, tag, list);
}

} // namespace

std::vector<CopiedControl> copyControls(SurfaceRef s, const std::vector<std::string> &tags)
{
    std::vector<CopiedControl> copied;
    double firstLeft = 0;
    double firstTop = 0;
    for (const std::string &tag : tagsWithContent(s.dialog().cControls, tags)) {
        const auto index = s.dialog().recordIndexByTag(tag);
        if (!index)
            continue;
        CopiedControl one;
        copyControlRecord(s.dialog().cControls[*index], one.record);
        const auto [left, top] = topLeftOf(s, one.record);
        if (copied.empty()) {
            firstLeft = left;
            firstTop = top;
        }
        one.dx = left - firstLeft;
        one.dy = top - firstTop;
        copied.push_back(std::move(one));
    }
    return copied;
}

Result<std::size_t> pasteRecordAt(SurfaceRef s, const ControlRecord &copied, double px, double py)
{
    auto index = putDown(s, copied, px, py);
    if (index)
        joinListAtPoint(s, *index, px, py);
    return index;
}

GroupPaste pasteControls(SurfaceRef s, const std::vector<CopiedControl> &copied, double px,
                         double py)
{
    GroupPaste paste;
    std::unordered_map<std::string, std::string> newTags; // copied tag -> pasted tag
    for (const CopiedControl &one : copied) {
        const auto holder
            = one.record.Group.empty() ? newTags.end() : newTags.find(one.record.Group);
        const double x = px + one.dx;
        const double y = py + one.dy;
        const auto index = holder == newTags.end() ? putDown(s, one.record, x, y)
                                                   : putInside(s, one.record, holder->second, x, y);
        if (!index) {
            paste.problem = index.message;
            break;
        }
        if (holder == newTags.end()) {
            joinListAtPoint(s, *index, x, y);
            paste.dropped.push_back(*index);
        }
        paste.pasted.push_back(*index);
        newTags.emplace(one.record.Tag, s.dialog().cControls[*index].Tag);
    }
    return paste;
}

} // namespace kovrin
