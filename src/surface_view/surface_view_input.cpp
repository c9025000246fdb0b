// The surface view's mouse and keyboard: events in pixels become core gestures in twips.
#include "surface_view/surface_view.h"

#include "surface/input_state.h"
#include "surface/kind_gestures.h"
#include "surface/list_drawing.h"
#include "surface/surface_gestures.h"
#include "surface_view/pixel_geometry.h"
#include "surface_view/surface_host.h"
#include "surface_view/user_prompts.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

namespace kovrin {
namespace {

int buttonsOf(Qt::MouseButtons held)
{
    int buttons = MouseButtons::None;
    if (held & Qt::LeftButton)
        buttons |= MouseButtons::Left;
    if (held & Qt::RightButton)
        buttons |= MouseButtons::Right;
    if (held & Qt::MiddleButton)
        buttons |= MouseButtons::Middle;
    return buttons;
}

int keysOf(Qt::KeyboardModifiers modifiers)
{
    int keys = KeyState::None;
    if (modifiers & Qt::ShiftModifier)
        keys |= KeyState::Shift;
    if (modifiers & Qt::ControlModifier)
        keys |= KeyState::Ctrl;
    if (modifiers & Qt::AltModifier)
        keys |= KeyState::Alt;
    return keys;
}

// The modifier state after a key went up: releasing Ctrl itself leaves Ctrl no longer held,
// though some platforms still report it in that event.
int keysAfterRelease(const QKeyEvent &event)
{
    int keys = keysOf(event.modifiers());
    switch (event.key()) {
    case Qt::Key_Shift:
        keys &= ~KeyState::Shift;
        break;
    case Qt::Key_Control:
        keys &= ~KeyState::Ctrl;
        break;
    case Qt::Key_Alt:
        keys &= ~KeyState::Alt;
        break;
    default:
        break;
    }
    return keys;
}

NudgeKey nudgeKeyOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return NudgeKey::Left;
    case Qt::Key_Right:
        return NudgeKey::Right;
    case Qt::Key_Up:
        return NudgeKey::Up;
    case Qt::Key_Down:
        return NudgeKey::Down;
    default:
        return NudgeKey::Other;
    }
}

Qt::CursorShape cursorOf(PointerShape shape)
{
    switch (shape) {
    case PointerShape::Arrow:
        return Qt::ArrowCursor;
    case PointerShape::SizeWE:
        return Qt::SizeHorCursor;
    case PointerShape::SizeNS:
        return Qt::SizeVerCursor;
    case PointerShape::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case PointerShape::SizeNESW:
        return Qt::SizeBDiagCursor;
    case PointerShape::SizeAll:
        return Qt::SizeAllCursor;
    }
    return Qt::ArrowCursor;
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

// The names of the undo steps the mouse makes.
const QString kPlaceStep = QStringLiteral("Place control");
const QString kMoveStep = QStringLiteral("Move control");
const QString kResizeStep = QStringLiteral("Resize control");
const QString kMoveGroupStep = QStringLiteral("Move controls");

} // namespace

const DrawnControl *SurfaceView::pressedControl()
{
    const auto s = surfaceRef();
    if (!s || m_pressedTag.empty())
        return nullptr;
    const DrawnControl *drawn = s->drawn().findByTag(m_pressedTag);
    return drawn && drawn->visible ? drawn : nullptr;
}

std::string SurfaceView::hitTag(const QPointF &pixel)
{
    const auto s = surfaceRef();
    if (!s)
        return {};
    const DrawnControl *hit
        = controlAtPoint(s->dialog(), pixelsToTwips(pixel.x()), pixelsToTwips(pixel.y()));
    return hit ? hit->tag : std::string();
}

void SurfaceView::setPointer(PointerShape shape)
{
    if (shape == m_pointer)
        return;
    m_pointer = shape;
    setCursor(cursorOf(shape));
}

// --- press --------------------------------------------------------------------------------

void SurfaceView::mousePressEvent(QMouseEvent *event)
{
    const bool firstButton = event->buttons() == event->button() || m_receiver == Receiver::None;
    pressOn(event->position(), event->button(), event->buttons());
    if (firstButton)
        pressForSelection(event->position(), event->button(), event->modifiers());
}

void SurfaceView::pressOn(const QPointF &pixel, Qt::MouseButton button, Qt::MouseButtons held)
{
    // The first button down decides which receiver keeps the mouse until all are up.
    if (held == button || m_receiver == Receiver::None) {
        m_pressedTag = hitTag(pixel);
        m_receiver = m_pressedTag.empty() ? Receiver::Background : Receiver::Control;
    }
    const auto s = surfaceRef();
    const DrawnControl *drawn = m_receiver == Receiver::Control ? pressedControl() : nullptr;
    if (!s || !drawn)
        return;
    const std::string focusBefore = s->interaction.focusTag;
    const bool focusable = takesKeyboardFocus(drawn->kind);
    pressControl(*s, m_pressedTag, pixelsToTwips(pixel.x()) - drawn->left,
                 pixelsToTwips(pixel.y()) - drawn->top);
    if (focusable)
        setFocus(Qt::MouseFocusReason);
    if (s->interaction.focusTag != focusBefore) {
        updateControl(focusBefore);
        updateControl(m_pressedTag);
        emit focusedControlChanged();
    }
}

// --- movement -----------------------------------------------------------------------------

void SurfaceView::mouseMoveEvent(QMouseEvent *event)
{
    if (!trackSelectionGesture(event->position(), event->buttons(), event->modifiers()))
        trackPointer(event);
    showStatus(event->position());
}

void SurfaceView::trackPointer(const QMouseEvent *event)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    if (event->buttons() == Qt::NoButton)
        m_receiver = Receiver::None; // a release that went to a modal window
    const double x = pixelsToTwips(event->position().x());
    const double y = pixelsToTwips(event->position().y());

    if (m_receiver == Receiver::Control) {
        const DrawnControl *drawn = pressedControl();
        if (!drawn)
            return;
        const TrackOutcome track
            = trackControl(*s, m_pressedTag, x - drawn->left, y - drawn->top,
                           buttonsOf(event->buttons()), keysOf(event->modifiers()));
        if (track.frameMoved) {
            snapOutline();
            updateOutline();
        }
        if (track.pointer)
            setPointer(*track.pointer);
        return;
    }
    if (m_receiver == Receiver::Background)
        return; // a button held over the background does nothing

    const std::string over = hitTag(event->position());
    if (over.empty()) {
        setPointer(PointerShape::Arrow);
        return;
    }
    const DrawnControl *drawn = s->drawn().findByTag(over);
    const TrackOutcome hover = trackControl(*s, over, x - drawn->left, y - drawn->top,
                                            MouseButtons::None, keysOf(event->modifiers()));
    if (hover.pointer)
        setPointer(*hover.pointer);
}

// --- release ------------------------------------------------------------------------------

void SurfaceView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (m_receiver == Receiver::Control)
        releaseOnControl(event->position(), event->button(), keysOf(event->modifiers()), global);
    else if (m_receiver == Receiver::Background)
        releaseOnBackground(event->position(), event->button(), global);
    if (event->buttons() == Qt::NoButton)
        m_receiver = Receiver::None;
    showStatus(event->position());
}

void SurfaceView::releaseOnControl(const QPointF &pixel, Qt::MouseButton button, int keys,
                                   const QPoint &global)
{
    const auto s = surfaceRef();
    const DrawnControl *drawn = pressedControl();
    if (!s || !drawn)
        return;
    const std::string tag = m_pressedTag;
    const double x = pixelsToTwips(pixel.x());
    const double y = pixelsToTwips(pixel.y());
    const TwipRect before = drawn->rect();
    const ControlKind kind = drawn->kind;

    if (button == Qt::RightButton) {
        setPointer(PointerShape::Arrow);
        openMenuOnControl(*s, tag, x - before.left, y - before.top);
        updateOutline();
        m_host.showControlMenu(*this, true, global);
        return;
    }

    // Placing and the drag's end are one gesture, so one undo step.
    const bool placed = placeArmed(x, y);
    const auto again = surfaceRef();
    if (!again) {
        if (placed)
            changed(kPlaceStep);
        return;
    }
    const bool movedGroup = button == Qt::LeftButton && finishGroupDrag();
    const bool resizing = !again->interaction.drag.handle.isMove();
    const ReleaseOutcome release
        = releaseControl(*again, tag, x - before.left, y - before.top, snapGrid());
    updateOutline();
    if (release.pointerToArrow)
        setPointer(PointerShape::Arrow);
    if (placed || release.changed || movedGroup)
        changed(placed           ? kPlaceStep
                    : movedGroup ? kMoveGroupStep
                    : resizing   ? kResizeStep
                                 : kMoveStep);
    if (release.changed) {
        update(pixelRect(before).adjusted(-2, -2, 2, 2));
        updateControl(tag);
    }
    const bool releasedOnIt
        = x >= before.left && x < before.right() && y >= before.top && y < before.bottom();
    if (button == Qt::LeftButton && opensEditorOnTwoClicks(kind) && releasedOnIt)
        clickOnControl(tag, keys);
}

void SurfaceView::releaseOnBackground(const QPointF &pixel, Qt::MouseButton button,
                                      const QPoint &global)
{
    const double x = pixelsToTwips(pixel.x());
    const double y = pixelsToTwips(pixel.y());
    if (button == Qt::LeftButton) {
        finishBand(pixel);
        if (placeArmed(x, y))
            changed(kPlaceStep);
    } else if (button == Qt::RightButton) {
        const auto s = surfaceRef();
        if (!s)
            return;
        setPointer(PointerShape::Arrow);
        openMenuOnBackground(*s, x, y);
        updateOutline();
        m_host.showControlMenu(*this, false, global);
    }
}

bool SurfaceView::placeArmed(double x, double y)
{
    const auto s = surfaceRef();
    const std::optional<ControlKind> armed = m_host.armedKind();
    if (!s || !armed)
        return false;
    const auto made = placeArmedControl(*s, *armed, x, y);
    if (!made) {
        m_host.prompts().message(QStringLiteral("WARNING"), QString::fromStdString(made.message),
                                 UserPrompts::Icon::Warning);
        return false;
    }
    m_host.disarmToolbox();
    if (const auto after = surfaceRef())
        updateControl(after->dialog().cControls.back().Tag);
    return true;
}

// --- opening the editor -------------------------------------------------------------------

void SurfaceView::clickOnControl(const std::string &tag, int keys)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    if (registerClick(s->interaction.drag, tag, keys))
        openEditorOn(tag);
    else if (s->interaction.drag.ClickPending)
        m_clickTimer->start();
    else
        m_clickTimer->stop();
}

void SurfaceView::openEditorOn(const std::string &tag)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    if (const auto index = s->dialog().recordIndexByTag(tag)) {
        m_host.openPropertyEditor(*this, *index);
        update();
    }
}

void SurfaceView::mouseDoubleClickEvent(QMouseEvent *event)
{
    const std::string over = hitTag(event->position());
    const auto s = surfaceRef();
    const DrawnControl *drawn = s && !over.empty() ? s->drawn().findByTag(over) : nullptr;
    // Buttons and sliders count clicks instead; any other button's second press is a press.
    if (event->button() != Qt::LeftButton || (drawn && opensEditorOnTwoClicks(drawn->kind))) {
        mousePressEvent(event);
        return;
    }
    if (!drawn) {
        m_receiver = Receiver::Background;
        m_host.renameDialog(*this);
        update();
        return;
    }
    m_receiver = Receiver::Control;
    m_pressedTag = over;
    openEditorOn(over);
}

// --- keys ---------------------------------------------------------------------------------

void SurfaceView::keyPressEvent(QKeyEvent *event)
{
    const bool plainDelete = event->key() == Qt::Key_Delete
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plainDelete && deleteControls()) {
        event->accept();
        return;
    }
    m_heldKeys.press(event->key());
    if (keyForSelection(*event)) {
        event->accept();
        return;
    }
    // Without Ctrl the arrows move the picked controls as they go down.
    const NudgeKey arrow = nudgeKeyOf(event->key());
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool plainOrShift = modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    if (arrow != NudgeKey::Other && plainOrShift && nudge(*event, arrow)) {
        event->accept();
        return;
    }
    // The arrows step the focused control on release; keep them from scrolling the workspace.
    const auto s = surfaceRef();
    if (s && isArrow(event->key()) && !s->interaction.focusTag.empty()) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SurfaceView::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && event->key() == m_arrowHeld) {
        m_arrowHeld = 0;
        m_arrowReleasedAt = event->timestamp();
    }
    // A held key steps once: the platform does not flag every repeated release, so a release
    // only counts when no press of the same key follows it within the settle time.
    const auto s = surfaceRef();
    if (event->isAutoRepeat() || !s || s->interaction.focusTag.empty()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    const int key = event->key();
    const int keys = keysAfterRelease(*event);
    const std::uint64_t ticket = m_heldKeys.release(key);
    if (ticket == 0) {
        // The press went elsewhere (a menu shortcut such as Ctrl+S takes it); the release still
        // reaches the focused control, and with Ctrl held it snaps it as any Ctrl key does.
        stepFocused(key, keys);
        return;
    }
    QTimer::singleShot(HeldKeys::kSettleMilliseconds, this, [this, key, keys, ticket] {
        if (m_heldKeys.settle(key, ticket))
            stepFocused(key, keys);
    });
}

void SurfaceView::stepFocused(int key, int keys)
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const std::string tag = s->interaction.focusTag;
    const DrawnControl *focused = tag.empty() ? nullptr : s->drawn().findByTag(tag);
    if (!focused)
        return;
    const QRect before = pixelRect(focused->rect());
    const NudgeKey nudgeKey = nudgeKeyOf(key);
    if (nudgeControl(*s, nudgeKey, keys)) {
        // Any other key only snaps.
        changed(nudgeKey == NudgeKey::Other ? QStringLiteral("Snap to grid")
                                            : QStringLiteral("Step control"));
        update(before.adjusted(-2, -2, 2, 2));
        updateControl(tag);
    }
}

} // namespace kovrin
