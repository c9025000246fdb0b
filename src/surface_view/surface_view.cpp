#include "surface_view/surface_view.h"

#include "surface/grid_lines.h"
#include "surface/kind_gestures.h"
#include "surface/surface_commands.h"
#include "surface/surface_gestures.h"
#include "surface/surface_ref.h"
#include "surface_view/busy_cursor.h"
#include "surface_view/pixel_geometry.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_painter.h"
#include "surface_view/user_prompts.h"

#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

namespace kovrin {
namespace {

const QString kWarning = QStringLiteral("WARNING");

} // namespace

SurfaceView::SurfaceView(SurfaceHost &host, std::int16_t frmIndex, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_frmIndex(frmIndex)
    , m_clickTimer(new QTimer(this))
{
    setFixedSize(kClientWidthPx, kClientHeightPx);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);

    m_clickTimer->setObjectName(QStringLiteral("tmr_click"));
    m_clickTimer->setInterval(kClickIntervalMs);
    connect(m_clickTimer, &QTimer::timeout, this, [this] {
        if (const auto s = surfaceRef())
            expireClick(s->interaction.drag);
        m_clickTimer->stop();
    });
}

SurfaceSize SurfaceView::outerSize() const
{
    SurfaceSize size = windowSize();
    const DialogSet &set = m_host.document();
    if (const auto index = set.indexOfFrmIndex(m_frmIndex))
        size.frame = set.drawnControls(*index).frame;
    return size;
}

SurfaceSize SurfaceView::windowSize() const
{
    if (m_outerOverride)
        return {m_outerOverride->width, m_outerOverride->height};
    for (const QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (const auto *sub = qobject_cast<const QMdiSubWindow *>(w)) {
            // Before it is first shown, a child window only knows its size from its hint.
            const QSize outer = sub->isVisible() ? sub->frameGeometry().size() : sub->sizeHint();
            return {outer.width() * kTwipsPerPixel, outer.height() * kTwipsPerPixel};
        }
    }
    const QSize own = isWindow() ? frameGeometry().size() : size();
    return {own.width() * kTwipsPerPixel, own.height() * kTwipsPerPixel};
}

std::optional<SurfaceRef> SurfaceView::surfaceRef()
{
    DialogSet &set = m_host.document();
    const auto index = set.indexOfFrmIndex(m_frmIndex);
    const SurfaceSize size = outerSize();
    if (!index || !(size.width > 0) || !(size.height > 0))
        return std::nullopt;
    return SurfaceRef {set, *index, size, m_interaction};
}

void SurfaceView::changed(const QString &stepName)
{
    m_host.documentChanged(*this, stepName);
}

// --- commands of the context menu ---------------------------------------------------------

void SurfaceView::bringToFront()
{
    if (const auto s = surfaceRef(); s && bringMenuControlToFront(*s)) {
        changed(QStringLiteral("Bring control to front"));
        update();
    }
}

void SurfaceView::sendToBack()
{
    if (const auto s = surfaceRef(); s && sendMenuControlToBack(*s)) {
        changed(QStringLiteral("Send control to back"));
        update();
    }
}

void SurfaceView::copyControl()
{
    if (m_selection.picked.size() >= 2) {
        copySelection();
        return;
    }
    if (const auto s = surfaceRef())
        copyMenuControl(*s, m_host.clipboard());
}

void SurfaceView::pasteControl()
{
    const auto s = surfaceRef();
    if (!s)
        return;
    if (m_host.clipboard().holdsGroup()) {
        const TwipPoint at = rightClickedPoint(*s);
        pasteAt(at.x, at.y);
        return;
    }
    const auto pasted = pasteAtMenuPoint(*s, m_host.clipboard());
    if (!pasted) {
        m_host.prompts().message(kWarning, QString::fromStdString(pasted.message),
                                 UserPrompts::Icon::Warning);
        return;
    }
    changed(QStringLiteral("Paste control"));
    updateControl(s->dialog().cControls.at(*pasted).Tag);
}

void SurfaceView::snapToGrid()
{
    const auto s = surfaceRef();
    if (!s)
        return;
    const std::string tag = s->interaction.menu.CtrlToPos;
    updateControl(tag);
    if (snapMenuControlToGrid(*s)) {
        changed(QStringLiteral("Snap to grid"));
        updateControl(tag);
    }
}

void SurfaceView::applyControlOrder(const std::vector<std::string> &tags)
{
    if (const auto s = surfaceRef(); s && kovrin::applyControlOrder(*s, tags)) {
        changed(QStringLiteral("Control order"));
        update();
    }
}

// --- grid ---------------------------------------------------------------------------------

void SurfaceView::buildGrid()
{
    if (const auto s = surfaceRef()) {
        m_interaction.grid = buildGridLines(s->dialog().GridSize, s->size);
        update();
    }
}

void SurfaceView::removeGrid()
{
    m_interaction.grid.clear();
    update();
}

// --- painting -----------------------------------------------------------------------------

void SurfaceView::contentRestored()
{
    if (const auto s = surfaceRef())
        m_interaction.letGoAfterRestore(s->drawn());
    refresh();
}

void SurfaceView::refresh()
{
    if (m_receiver == Receiver::Control && !pressedControl())
        m_receiver = Receiver::None;
    // Controls deleted or taken back by undo are no longer picked.
    if (const auto s = surfaceRef(); s && dropHiddenControls(m_selection.picked, s->drawn()))
        emit selectionChanged();
    update();
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_backdrop.isNull()) {
        // A rubber band or a group drag: the surface as it stood, the band or outlines over it.
        const QRect area = event->rect();
        const qreal ratio = m_backdrop.devicePixelRatio();
        painter.drawPixmap(area, m_backdrop,
                           QRectF(area.topLeft() * ratio, area.size() * ratio).toRect());
        if (m_selection.group.tracked)
            paintOutlines(painter, groupOutline(m_selection.group), area);
        if (m_selection.band.active && m_selection.band.drawn())
            paintBand(painter, m_selection.band.rect(), palette().color(QPalette::Highlight));
        return;
    }
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (const auto s = surfaceRef()) {
        std::optional<TwipRect> band;
        if (m_selection.band.active && m_selection.band.drawn())
            band = m_selection.band.rect();
        std::optional<TwipRect> screenArea;
        if (s->size.frame.area == SurfaceArea::SafeZone)
            screenArea = screenAreaRect(s->size);
        paintSurface(
            painter,
            {s->dialog(), m_interaction, *this, hasFocus(), &m_selection.picked, band, screenArea},
            event->region());
    }
}

void SurfaceView::updateControl(const std::string &tag)
{
    const auto s = surfaceRef();
    if (!s || tag.empty())
        return;
    if (const DrawnControl *drawn = s->drawn().findByTag(tag))
        update(pixelRect(drawn->rect()).adjusted(-2, -2, 2, 2));
}

void SurfaceView::updateOutline()
{
    const auto s = surfaceRef();
    const QRegion now = s ? outlineRegion(s->interaction.lnMoving) : QRegion();
    if (now == m_outlineShown)
        return;
    update(m_outlineShown + now);
    m_outlineShown = now;
}

void SurfaceView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (const auto s = surfaceRef())
        updateControl(s->interaction.focusTag);
}

void SurfaceView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (const auto s = surfaceRef())
        updateControl(s->interaction.focusTag);
}

} // namespace kovrin
