// The surface view's selection: picking controls, the rubber band, the drag of the picked
// controls, the plain arrow keys, copy and paste of several, and the status bar's text.
#include "surface_view/surface_view.h"

#include "surface/delete_controls.h"
#include "surface/drag_preview.h"
#include "surface/grid_step.h"
#include "surface/group_clipboard.h"
#include "surface/move_limits.h"
#include "surface/status_text.h"
#include "surface/surface_commands.h"
#include "surface/surface_ref.h"
#include "surface_view/pixel_geometry.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_painter.h"
#include "surface_view/user_prompts.h"

#include <QCursor>
#include <QKeyEvent>

namespace kovrin {
namespace {

Qt::KeyboardModifiers withoutKeypad(Qt::KeyboardModifiers modifiers)
{
    return modifiers & ~Qt::KeypadModifier;
}

bool addsToSelection(Qt::KeyboardModifiers modifiers)
{
    return modifiers.testAnyFlags(Qt::ShiftModifier | Qt::ControlModifier);
}

QString plural(std::size_t count, const char *one, const char *several)
{
    return QString::fromLatin1(count == 1 ? one : several);
}

} // namespace

void SurfaceView::selectionWasChanged()
{
    update();
    emit selectionChanged();
}

void SurfaceView::selectAll()
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const std::size_t before = m_selection.picked.size();
    m_selection.picked.addAll(allShownControls(s->drawn()));
    if (m_selection.picked.size() != before)
        selectionWasChanged();
}

void SurfaceView::clearSelection()
{
    if (m_selection.picked.empty())
        return;
    m_selection.picked.clear();
    selectionWasChanged();
}

void SurfaceView::selectOnly(const std::string &tag)
{
    const auto s = surfaceRef();
    const DrawnControl *control = s ? s->drawn().findByTag(tag) : nullptr;
    if (!control || !control->visible)
        return;
    if (m_selection.picked.size() == 1 && m_selection.picked.contains(tag))
        return;
    m_selection.picked.clear();
    m_selection.picked.add(tag);
    selectionWasChanged();
}

void SurfaceView::arrange(ArrangeCommand command, const QString &stepName)
{
    const auto s = surfaceRef();
    if (s && arrangeControls(*s, m_selection.picked.tags(), command)) {
        changed(stepName);
        update();
    }
}

std::optional<float> SurfaceView::snapGrid()
{
    const auto s = surfaceRef();
    if (!s || !m_host.snapWhileDragging() || !isGridStep(s->dialog().GridSize))
        return std::nullopt;
    return s->dialog().GridSize;
}

// --- the mouse ----------------------------------------------------------------------------

void SurfaceView::pressForSelection(const QPointF &pixel, Qt::MouseButton button,
                                    Qt::KeyboardModifiers modifiers)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const bool armed = m_host.armedKind().has_value();
    const double x = pixelsToTwips(pixel.x());
    const double y = pixelsToTwips(pixel.y());
    if (m_receiver == Receiver::Background) {
        if (button == Qt::LeftButton && !armed)
            beginBand(m_selection.band, x, y, addsToSelection(modifiers));
        return;
    }
    if (m_receiver != Receiver::Control || m_pressedTag.empty())
        return;
    Selection &picked = m_selection.picked;
    if (addsToSelection(modifiers)) {
        if (button == Qt::LeftButton && !armed) {
            picked.toggle(m_pressedTag);
            selectionWasChanged();
        }
        return;
    }
    if (!picked.contains(m_pressedTag)) {
        clearSelection();
        return;
    }
    // A plain press inside a picked control moves them all; on its edge it resizes it alone.
    const bool moveGrab = s->interaction.drag.handle.isMove();
    if (button == Qt::LeftButton && withoutKeypad(modifiers) == Qt::NoModifier && !armed
        && picked.size() >= 2 && moveGrab)
        beginGroupDrag(m_selection.group, s->drawn(), picked, m_pressedTag, x, y);
}

QRect SurfaceView::groupOutlineRect()
{
    const GroupDrag &group = m_selection.group;
    if (!group.tracked)
        return {};
    TwipRect box = group.box;
    box.left += group.offset.dx;
    box.top += group.offset.dy;
    // The right and lower bars lie outside the rectangle.
    return pixelRect(box).adjusted(-1, -1, 3, 3);
}

bool SurfaceView::trackSelectionGesture(const QPointF &pixel, Qt::MouseButtons held,
                                        Qt::KeyboardModifiers modifiers)
{
    const auto s = surfaceRef();
    if (!s)
        return false;
    if (held == Qt::NoButton && (m_selection.band.active || m_selection.group.active)) {
        // The release went elsewhere (a modal window): the gesture is dropped.
        m_selection.band = RubberBand {};
        m_selection.group = GroupDrag {};
        m_backdrop = QPixmap();
        update();
        return false;
    }
    const double x = pixelsToTwips(pixel.x());
    const double y = pixelsToTwips(pixel.y());
    RubberBand &band = m_selection.band;
    if (m_receiver == Receiver::Background && band.active) {
        if (held & Qt::LeftButton) {
            const QRegion before = band.drawn() ? bandRegion(band.rect()) : QRegion();
            if (m_backdrop.isNull())
                m_backdrop = grab();
            trackBand(band, x, y);
            update(before + (band.drawn() ? bandRegion(band.rect()) : QRegion()));
        }
        return true;
    }
    GroupDrag &group = m_selection.group;
    if (m_receiver != Receiver::Control || !group.active)
        return false;
    // As for one control, a move goes on only with the left button alone and no key held.
    if (held != Qt::LeftButton || withoutKeypad(modifiers) != Qt::NoModifier)
        return true;
    const QRect before = groupOutlineRect();
    if (!group.tracked)
        m_backdrop = grab();
    trackGroupDrag(group, x, y, s->size, snapGrid());
    update(before | groupOutlineRect());
    if (group.offset != TwipOffset {})
        setPointer(PointerShape::SizeAll);
    return true;
}

void SurfaceView::snapOutline()
{
    const auto grid = snapGrid();
    const auto s = surfaceRef();
    const DrawnControl *drawn = pressedControl();
    if (!grid || !s || !drawn)
        return;
    SurfaceInteraction &surface = s->interaction;
    if (const auto rect = rectOnRelease(surface.drag, drawn->rect(), s->size))
        placeOutline(surface.lnMoving, snapDraggedRect(*rect, surface.drag.handle, s->size, *grid));
}

bool SurfaceView::finishBand(const QPointF &pixel)
{
    RubberBand &band = m_selection.band;
    const auto s = surfaceRef();
    if (!band.active || !s)
        return false;
    const QRegion before = band.drawn() ? bandRegion(band.rect()) : QRegion();
    trackBand(band, pixelsToTwips(pixel.x()), pixelsToTwips(pixel.y()));
    m_backdrop = QPixmap();
    update(before);
    if (endBand(band, m_selection.picked, s->drawn()))
        selectionWasChanged();
    return true;
}

bool SurfaceView::finishGroupDrag()
{
    if (!m_selection.group.active)
        return false;
    const auto s = surfaceRef();
    const bool moved = s && endGroupDrag(m_selection.group, *s);
    m_backdrop = QPixmap();
    update();
    return moved;
}

// --- the status bar -----------------------------------------------------------------------

void SurfaceView::showStatus(const QPointF &pixel)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const char separator = m_host.decimalSeparator();
    const std::string pointer
        = pointerStatusText(pixelsToTwips(pixel.x()), pixelsToTwips(pixel.y()), s->size, separator);
    // The control: the one a drag under way moves (with what its release would write), else the
    // one under the pointer, else the first picked.
    std::string tag;
    std::optional<RecordPlace> place;
    const GroupDrag &group = m_selection.group;
    const DrawnControl *pressed = m_receiver == Receiver::Control ? pressedControl() : nullptr;
    if (group.tracked) {
        tag = group.grabbedTag;
        TwipRect moved
            = s->drawn().findByTag(tag) ? s->drawn().findByTag(tag)->rect() : TwipRect {};
        moved.left += group.offset.dx;
        moved.top += group.offset.dy;
        place = placeOf(moved, s->size, false);
    } else if (pressed) {
        const DragState &drag = s->interaction.drag;
        if (auto rect = rectOnRelease(drag, pressed->rect(), s->size)) {
            if (const auto grid = snapGrid())
                rect = snapDraggedRect(*rect, drag.handle, s->size, *grid);
            tag = m_pressedTag;
            place = placeOf(*rect, s->size, !drag.handle.isMove());
        }
    }
    if (tag.empty())
        tag = hitTag(pixel);
    if (tag.empty() && !m_selection.picked.empty())
        tag = m_selection.picked.tags().front();

    std::string control;
    if (const auto index = tag.empty() ? std::nullopt : s->dialog().recordIndexByTag(tag)) {
        const ControlRecord &record = s->dialog().cControls[*index];
        control = controlStatusText(
            record, place.value_or(RecordPlace {record.X, record.Y, std::nullopt, std::nullopt}),
            separator);
    }
    m_host.showSurfaceStatus(QString::fromStdString(surfaceStatusText(pointer, control)));
}

void SurfaceView::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_host.showSurfaceStatus(QString());
}

// --- keys ---------------------------------------------------------------------------------

bool SurfaceView::keyForSelection(QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = withoutKeypad(event.modifiers());
    if (event.key() == Qt::Key_Escape && modifiers == Qt::NoModifier
        && !m_selection.picked.empty()) {
        clearSelection();
        return true;
    }
    if (modifiers != Qt::ControlModifier || event.isAutoRepeat())
        return false;
    if (event.key() == Qt::Key_C)
        return copySelection();
    if (event.key() == Qt::Key_V) {
        // At the pointer when it is over the surface, else near the top-left corner.
        const QPoint pointer = mapFromGlobal(QCursor::pos());
        const QPointF at = rect().contains(pointer) ? QPointF(pointer) : QPointF(10, 10);
        pasteAt(pixelsToTwips(at.x()), pixelsToTwips(at.y()));
        return true;
    }
    return false;
}

bool SurfaceView::nudge(const QKeyEvent &event, NudgeKey key)
{
    const auto s = surfaceRef();
    if (!s)
        return false;
    // Without a selection a plain arrow keeps doing nothing, as it always has.
    const std::vector<std::string> &tags = m_selection.picked.tags();
    if (tags.empty())
        return false;

    const int k = event.key();
    const bool sameHold = event.isAutoRepeat() || m_arrowHeld == k
        || (m_lastArrow == k && event.timestamp() != 0
            && event.timestamp() - m_arrowReleasedAt
                <= static_cast<unsigned long>(HeldKeys::kSettleMilliseconds));
    if (!sameHold)
        ++m_nudgeRun;
    m_arrowHeld = k;
    m_lastArrow = k;

    const TwipOffset offset
        = nudgeOffset(key, withoutKeypad(event.modifiers()) == Qt::ShiftModifier);
    if (moveControls(*s, tags, offset)) {
        m_host.documentChangedInRun(*this, plural(tags.size(), "Nudge control", "Nudge controls"),
                                    m_nudgeRun);
        update();
    }
    return true;
}

// --- copy and paste -----------------------------------------------------------------------

bool SurfaceView::copySelection()
{
    const auto s = surfaceRef();
    if (!s)
        return false;
    std::vector<std::string> tags = m_selection.picked.tags();
    if (tags.empty() && !s->interaction.focusTag.empty())
        tags.push_back(s->interaction.focusTag);
    std::vector<CopiedControl> copied = copyControls(*s, tags);
    if (copied.empty())
        return false;
    m_host.clipboard().copyGroup(std::move(copied));
    return true;
}

void SurfaceView::pasteAt(double x, double y)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const std::vector<CopiedControl> copied = m_host.clipboard().pasteList();
    if (copied.empty()) {
        m_host.prompts().message(QStringLiteral("WARNING"),
                                 QString::fromLatin1(kNoControlInClipboard),
                                 UserPrompts::Icon::Warning);
        return;
    }
    const GroupPaste paste = pasteControls(*s, copied, x, y);
    if (!paste.pasted.empty()) {
        changed(plural(paste.pasted.size(), "Paste control", "Paste controls"));
        if (paste.dropped.size() >= 2) { // a pasted group's content comes with the group
            m_selection.picked.clear();
            for (std::size_t index : paste.dropped)
                m_selection.picked.add(s->dialog().cControls.at(index).Tag);
            emit selectionChanged();
        }
        update();
    }
    if (!paste.problem.empty())
        m_host.prompts().message(QStringLiteral("WARNING"), QString::fromStdString(paste.problem),
                                 UserPrompts::Icon::Warning);
}

// --- the Delete key ----------------------------------------------------------------------

bool SurfaceView::deleteControls()
{
    const auto s = surfaceRef();
    if (!s)
        return false;
    QString stepName;
    if (const std::size_t picked = deletePickedControls(*s, m_selection.picked.tags())) {
        stepName = plural(picked, "Delete control", "Delete controls");
        clearSelection();
    } else if (deleteFocusedControl(*s)) {
        stepName = QStringLiteral("Delete control");
    } else {
        return false;
    }
    refresh();
    changed(stepName);
    return true;
}

} // namespace kovrin
