#include "surface/group_clipboard.h"

#include "model/drawn_controls.h"
#include "model/form_rules.h"
#include "surface/clipboard.h"

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

} // namespace

std::vector<CopiedControl> copyControls(SurfaceRef s, const std::vector<std::string> &tags)
{
    std::vector<CopiedControl> copied;
    double firstLeft = 0;
    double firstTop = 0;
    for (const std::string &tag : tags) {
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
    const Status room = s.set.canAddControl(s.dialogIndex, copied.CtrlType);
    if (!room)
        return Result<std::size_t>::failure(room.message);
    auto tag = s.set.issueTag();
    if (!tag)
        return Result<std::size_t>::failure(tag.message);
    ControlRecord record = pastedRecord(copied, s.dialog().cControls.size(), *tag);
    record.X = static_cast<float>(screenFromTwips(px, PositionAxis::X, s.size));
    record.Y = static_cast<float>(screenFromTwips(py, PositionAxis::Y, s.size));
    // A pasted control keeps the forms it was copied with, at the place it is pasted.
    followScreenValues(copied, record, s.set.referenceScreen());
    return s.set.addControl(s.dialogIndex, std::move(record), px, py, s.size);
}

GroupPaste pasteControls(SurfaceRef s, const std::vector<CopiedControl> &copied, double px,
                         double py)
{
    GroupPaste paste;
    for (const CopiedControl &one : copied) {
        const auto index = pasteRecordAt(s, one.record, px + one.dx, py + one.dy);
        if (!index) {
            paste.problem = index.message;
            break;
        }
        paste.pasted.push_back(*index);
    }
    return paste;
}

} // namespace kovrin
