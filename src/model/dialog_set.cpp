#include "model/dialog_set.h"

#include "model/control_groups.h"
#include "model/creation_defaults.h"
#include "model/drawn_detail.h"
#include "model/form_rules.h"
#include "model/limits.h"
#include "model/list_stacking.h"

#include <algorithm>
#include <unordered_map>

namespace kovrin {
namespace {

// The size with the frame the dialog's drawn controls stand on: a caller's own frame is not
// read, the dialog's surface is what it is.
SurfaceSize onFrameOf(const Dialog &dialog, SurfaceSize size)
{
    size.frame = dialog.drawn.frame;
    return size;
}

// Where a record's screen fractions put its drawn control on the surface, its top-left corner
// standing at `place` (its X and Y through its groups).
TwipRect rectOnSurface(const ControlRecord &record, ScreenPoint place, const SurfaceSize &surface)
{
    return {twipsFromScreen(place.x, PositionAxis::X, surface),
            twipsFromScreen(place.y, PositionAxis::Y, surface),
            twipsFromScreen(record.Width, PositionAxis::Width, surface),
            twipsFromScreen(record.Height, PositionAxis::Height, surface)};
}

// The screen places of the records: their own X and Y unless groups add theirs.
std::vector<ScreenPoint> placesOf(const std::vector<ControlRecord> &records)
{
    if (holdsGroups(records))
        return screenPlaces(records);
    std::vector<ScreenPoint> places;
    places.reserve(records.size());
    for (const ControlRecord &record : records)
        places.push_back({record.X, record.Y});
    return places;
}

// Every drawn control where its record's screen fractions put it on the surface. Looked up by tag
// once each, so that a dialog of thousands of controls follows at once.
void placeDrawnControls(Dialog &dialog, const SurfaceSize &surface)
{
    std::unordered_map<std::string_view, DrawnControl *> byTag;
    for (DrawnControl &drawn : dialog.drawn.stack)
        byTag.emplace(drawn.tag, &drawn);
    const std::vector<ScreenPoint> places = placesOf(dialog.cControls);
    for (std::size_t i = 0; i < dialog.cControls.size(); ++i) {
        const ControlRecord &record = dialog.cControls[i];
        if (const auto found = byTag.find(record.Tag); found != byTag.end())
            found->second->setRect(rectOnSurface(record, places[i], surface));
    }
}

const char *const kTooManyDialogs
    = "Too many dialogs in one session (32767). Save your work and start a new one with New.";
const char *const kTooManyControls
    = "Too many controls made in one session (32767). Save your work, then load the file again "
      "to continue.";
const char *const kTooManyOfKind
    = "This dialog cannot hold more controls of this kind (32767 were made on it).";

} // namespace

std::optional<std::size_t> DialogSet::indexOfFrmIndex(std::int16_t frmIndex) const
{
    for (std::size_t i = 0; i < m_forms.size(); ++i) {
        if (m_forms[i].FrmIndex == frmIndex)
            return i;
    }
    return std::nullopt;
}

Result<std::size_t> DialogSet::insertDialog()
{
    if (DialogCounter >= kCounterLimit)
        return Result<std::size_t>::failure(kTooManyDialogs);
    ++DialogCounter;
    Dialog dialog;
    dialog.FrmIndex = DialogCounter;
    dialog.Tag = "DIALOG" + std::to_string(DialogCounter);
    if (!m_forms.empty())
        dialog.GridSize = m_forms.back().GridSize;
    m_forms.push_back(std::move(dialog));
    return Result<std::size_t>::of(m_forms.size() - 1);
}

Result<std::size_t> DialogSet::appendDialog(std::string name)
{
    if (DialogCounter >= kCounterLimit)
        return Result<std::size_t>::failure(kTooManyDialogs);
    ++DialogCounter;
    Dialog dialog;
    dialog.FrmIndex = DialogCounter;
    dialog.Tag = std::move(name);
    m_forms.push_back(std::move(dialog));
    return Result<std::size_t>::of(m_forms.size() - 1);
}

void DialogSet::renameDialog(std::size_t index, std::string name)
{
    mutableDialog(index).Tag = std::move(name);
}

void DialogSet::setGridSize(std::size_t index, float gridSize)
{
    mutableDialog(index).GridSize = gridSize;
}

void DialogSet::setLayout(std::size_t index, DialogLayout layout)
{
    mutableDialog(index).Layout = layout;
}

void DialogSet::setDialogProperties(std::size_t index, OtherProperties others)
{
    mutableDialog(index).Others = std::move(others);
}

bool DialogSet::removeDialog(std::int16_t frmIndex)
{
    const auto index = indexOfFrmIndex(frmIndex);
    if (!index)
        return false;
    m_forms.erase(m_forms.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

void DialogSet::restoreDialog(std::size_t index, Dialog dialog)
{
    index = std::min(index, m_forms.size());
    m_forms.insert(m_forms.begin() + static_cast<std::ptrdiff_t>(index), std::move(dialog));
}

void DialogSet::discardAll()
{
    CloseScratch = true;
    m_forms.clear();
    CurrentFile.clear();
    NextTag = 0;
    DialogCounter = 0;
    CloseScratch = false;
}

DialogContent DialogSet::content(std::size_t index) const
{
    const Dialog &dialog = m_forms.at(index);
    return {dialog.GridSize, dialog.Layout, dialog.Others, dialog.cControls, dialog.drawn};
}

void DialogSet::restoreContent(std::size_t index, DialogContent content)
{
    Dialog &dialog = mutableDialog(index);
    dialog.GridSize = content.GridSize;
    dialog.Layout = content.Layout;
    dialog.Others = std::move(content.Others);
    dialog.cControls = std::move(content.cControls);
    dialog.drawn = std::move(content.drawn);
    // Kept on another reference screen, safe-zone fields and expressions take this one's values;
    // the surface follows with followSurfaceFrame.
    for (ControlRecord &record : dialog.cControls)
        followReferenceScreen(record, m_referenceScreen);
}

Result<std::string> DialogSet::issueTag()
{
    if (NextTag >= kCounterLimit)
        return Result<std::string>::failure(kTooManyControls);
    ++NextTag;
    return Result<std::string>::of(std::to_string(NextTag));
}

bool DialogSet::canIssueTags(std::size_t howMany) const
{
    return howMany <= static_cast<std::size_t>(kCounterLimit - NextTag);
}

Result<std::size_t> DialogSet::createControl(std::size_t dialogIndex, ControlKind kind, double x,
                                             double y, SurfaceSize size)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    if (!dialog.drawn.canMakeElement(kind))
        return Result<std::size_t>::failure(kTooManyOfKind);
    auto tag = issueTag();
    if (!tag)
        return Result<std::size_t>::failure(tag.message);

    ControlRecord record = defaultRecord(kind);
    record.Tag = *tag;
    record.Name = defaultName(kind, dialog.cControls.size());
    // The click is read on the surface as it stands once it has followed the dialog's frame.
    followSurfaceFrame(dialogIndex, size);
    const SurfaceSize surface = onFrameOf(dialog, size);
    record.X = static_cast<float>(screenFromTwips(x, PositionAxis::X, surface));
    record.Y = static_cast<float>(screenFromTwips(y, PositionAxis::Y, surface));
    if (dialog.Layout == DialogLayout::SafeZone)
        kovrin::convertForms(record, DialogLayout::SafeZone, m_referenceScreen);
    return addControl(dialogIndex, std::move(record), x, y, size);
}

Result<std::size_t> DialogSet::addControl(std::size_t dialogIndex, ControlRecord record,
                                          double left, double top, SurfaceSize size)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    if (const Status drawn = drawRecord(dialog, record, left, top, onFrameOf(dialog, size)); !drawn)
        return Result<std::size_t>::failure(drawn.message);
    // A control with a form other than the screen's turns a screen dialog's surface to the safe
    // zone. A plain one added to a plain dialog cannot: an import of thousands is not walked
    // again for each.
    const bool mayTurn = !record.Forms.allScreen() || dialog.Layout == DialogLayout::SafeZone
        || dialog.drawn.frame.area == SurfaceArea::SafeZone;
    dialog.cControls.push_back(std::move(record));
    if (mayTurn)
        followSurfaceFrame(dialogIndex, size);
    return Result<std::size_t>::of(dialog.cControls.size() - 1);
}

Status DialogSet::adoptControls(std::size_t dialogIndex, std::vector<ControlRecord> records,
                                SurfaceSize size)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    const DrawnControls before = dialog.drawn;
    const SurfaceSize surface = onFrameOf(dialog, size);
    // Groups hold records of this batch only: a loaded or imported dialog brings its groups whole.
    const std::vector<ScreenPoint> places = placesOf(records);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const ControlRecord &record = records[i];
        const TwipRect rect = rectOnSurface(record, places[i], surface);
        if (Status drawn = drawRecord(dialog, record, rect.left, rect.top, surface); !drawn) {
            dialog.drawn = before;
            return drawn;
        }
    }
    if (dialog.cControls.empty())
        dialog.cControls = std::move(records);
    else
        dialog.cControls.insert(dialog.cControls.end(), std::make_move_iterator(records.begin()),
                                std::make_move_iterator(records.end()));
    followSurfaceFrame(dialogIndex, size);
    return Status::success();
}

Status DialogSet::drawRecord(Dialog &dialog, const ControlRecord &record, double left, double top,
                             const SurfaceSize &surface)
{
    const auto kind = kindFromWord(record.CtrlType);
    if (!kind)
        return Status::success();
    if (!dialog.drawn.canMakeElement(*kind))
        return Status::failure(kTooManyOfKind);
    DrawnControl &drawn = dialog.drawn.makeElement(*kind);
    if (showsRecordText(*kind))
        drawn.caption = record.Text;
    drawn.detail = drawnDetail(*kind, record);
    drawn.left = left;
    drawn.top = top;
    drawn.visible = true;
    drawn.width = twipsFromScreen(record.Width, PositionAxis::Width, surface);
    drawn.height = twipsFromScreen(record.Height, PositionAxis::Height, surface);
    if (showsTextColour(*kind))
        drawn.textColour = displayColour(record.ForeColor);
    if (showsBackColour(*kind))
        drawn.backColour = displayColour(record.BackColor);
    drawn.tag = record.Tag;
    return Status::success();
}

Status DialogSet::canAddControl(std::size_t dialogIndex, std::string_view ctrlType) const
{
    if (const auto kind = kindFromWord(ctrlType)) {
        if (!dialog(dialogIndex).drawn.canMakeElement(*kind))
            return Status::failure(kTooManyOfKind);
    }
    if (!canIssueTags(1))
        return Status::failure(kTooManyControls);
    return Status::success();
}

void DialogSet::writeRecord(std::size_t dialogIndex, std::size_t recordIndex, ControlRecord record)
{
    ControlRecord &held = mutableDialog(dialogIndex).cControls.at(recordIndex);
    followScreenValues(held, record, m_referenceScreen);
    held = std::move(record);
}

ControlRecord DialogSet::removeRecord(std::size_t dialogIndex, std::size_t recordIndex)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    if (isGroupRecord(dialog.cControls.at(recordIndex))) {
        // Its controls go to the list that held it, where they stand, rather than keep the
        // offsets of a group that is gone.
        const std::string tag = dialog.cControls[recordIndex].Tag;
        const std::string holder = dialog.cControls[recordIndex].Group;
        std::vector<std::string> members;
        for (std::size_t index : controlsOf(dialog.cControls, tag))
            members.push_back(dialog.cControls[index].Tag);
        for (const std::string &member : members)
            setControlGroup(dialogIndex, member, holder);
    }
    ControlRecord record = std::move(dialog.cControls.at(recordIndex));
    dialog.cControls.erase(dialog.cControls.begin() + static_cast<std::ptrdiff_t>(recordIndex));
    if (DrawnControl *drawn = dialog.drawn.findByTag(record.Tag))
        drawn->visible = false;
    return record;
}

void DialogSet::insertRecord(std::size_t dialogIndex, std::size_t recordIndex, ControlRecord record)
{
    auto &records = mutableDialog(dialogIndex).cControls;
    recordIndex = std::min(recordIndex, records.size());
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(recordIndex), std::move(record));
}

void DialogSet::moveRecord(std::size_t dialogIndex, std::size_t from, std::size_t to)
{
    auto &records = mutableDialog(dialogIndex).cControls;
    ControlRecord record = std::move(records.at(from));
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(from));
    to = std::min(to, records.size());
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(to), std::move(record));
}

void DialogSet::setControlGeometry(std::size_t dialogIndex, std::string_view tag,
                                   const TwipRect &rect, const RecordPlace &place)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    if (DrawnControl *drawn = dialog.drawn.findByTag(tag)) {
        // A group's controls go where it goes: they stand at offsets from its corner.
        const double dx = rect.left - drawn->left;
        const double dy = rect.top - drawn->top;
        drawn->setRect(rect);
        if ((dx != 0 || dy != 0) && holdsGroups(dialog.cControls)) {
            for (std::size_t inner : contentOf(dialog.cControls, tag)) {
                if (DrawnControl *held = dialog.drawn.findByTag(dialog.cControls[inner].Tag)) {
                    held->left += dx;
                    held->top += dy;
                }
            }
        }
    }
    if (const auto index = dialog.recordIndexByTag(tag)) {
        ControlRecord &record = dialog.cControls[*index];
        // Only a record with forms needs its values from before.
        const auto before = record.Forms.allScreen() ? std::nullopt : std::optional(record);
        const ScreenPoint own = record.Group.empty()
            ? ScreenPoint {place.X, place.Y}
            : placeInList(dialog.cControls, record.Group, {place.X, place.Y});
        record.X = static_cast<float>(own.x);
        record.Y = static_cast<float>(own.y);
        if (place.Width)
            record.Width = *place.Width;
        if (place.Height)
            record.Height = *place.Height;
        if (before)
            followScreenValues(*before, record, m_referenceScreen);
    }
}

bool DialogSet::setControlGroup(std::size_t dialogIndex, std::string_view tag,
                                std::string_view groupTag)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    const auto index = dialog.recordIndexByTag(tag);
    if (!index || !canJoinList(dialog.cControls, tag, groupTag))
        return false;
    ControlRecord &record = dialog.cControls[*index];
    if (record.Group == groupTag)
        return false;
    const ScreenPoint screen = screenPlace(dialog.cControls, record);
    const ScreenPoint own = placeInList(dialog.cControls, groupTag, screen);
    const ControlRecord before = record;
    record.Group = std::string(groupTag);
    record.X = static_cast<float>(own.x);
    record.Y = static_cast<float>(own.y);
    followScreenValues(before, record, m_referenceScreen);
    return true;
}

bool DialogSet::convertForms(std::size_t dialogIndex, const std::vector<std::size_t> &recordIndices,
                             DialogLayout to)
{
    bool changed = false;
    for (std::size_t index : recordIndices)
        changed = kovrin::convertForms(mutableDialog(dialogIndex).cControls.at(index), to,
                                       m_referenceScreen)
            || changed;
    return changed;
}

bool DialogSet::setReferenceScreen(const ReferenceScreen &screen, SurfaceSize size)
{
    m_referenceScreen = screen;
    bool changed = false;
    for (std::size_t index = 0; index < m_forms.size(); ++index) {
        Dialog &dialog = m_forms[index];
        bool moved = false;
        for (ControlRecord &record : dialog.cControls)
            moved = followReferenceScreen(record, screen) || moved;
        changed = changed || moved;
        // A surface that turned lays out every control; one that did not, the moved ones too.
        if (!followSurfaceFrame(index, size) && moved)
            placeDrawnControls(dialog, onFrameOf(dialog, size));
    }
    return changed;
}

bool DialogSet::followSurfaceFrame(std::size_t dialogIndex, SurfaceSize size)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    const SurfaceFrame frame = surfaceFrameOf(dialog, m_referenceScreen);
    if (frame == dialog.drawn.frame)
        return false;
    dialog.drawn.frame = frame;
    size.frame = frame;
    placeDrawnControls(dialog, size);
    return true;
}

void DialogSet::restackControl(std::size_t dialogIndex, std::string_view drawnTag,
                               std::size_t recordIndex, StackEnd end)
{
    Dialog &dialog = mutableDialog(dialogIndex);
    if (!drawnTag.empty())
        restackInList(dialog.drawn, dialog.cControls, drawnTag,
                      end == StackEnd::Front ? ListEnd::Front : ListEnd::Back);
    if (recordIndex < dialog.cControls.size())
        moveRecord(dialogIndex, recordIndex,
                   listEndIndex(dialog.cControls, recordIndex,
                                end == StackEnd::Front ? ListEnd::Front : ListEnd::Back));
}

void DialogSet::refreshDrawnControl(std::size_t dialogIndex, const DrawnControl &control)
{
    DrawnControl *drawn = mutableDialog(dialogIndex).drawn.findByTag(control.tag);
    if (!drawn)
        return;
    drawn->width = control.width;
    drawn->height = control.height;
    drawn->caption = control.caption;
    drawn->detail = control.detail;
    drawn->textColour = control.textColour;
    drawn->backColour = control.backColour;
}

} // namespace kovrin
