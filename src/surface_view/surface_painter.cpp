#include "surface_view/surface_painter.h"

#include "surface/list_drawing.h"
#include "surface_view/control_painter.h"
#include "surface_view/pixel_geometry.h"

#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QVector>
#include <QWidget>

#include <algorithm>

namespace kovrin {
namespace {

const QColor kGridColour(160, 160, 160);
// The screen area within a safe zone: a blue that stands out from the grey grid and from the
// black outline of a drag.
const QColor kScreenAreaColour(0, 90, 200);
// The handles of a picked control: squares of this many pixels on its corners and edge
// midpoints, reaching 2 pixels outside it.
constexpr int kHandleSize = 5;

// The reference of the align and same-size commands (the first picked) has filled handles, the
// other picked controls hollow ones.
enum class HandleFill { Filled, Hollow };

void paintHandles(QPainter &painter, const QRect &r, const QColor &colour, HandleFill fill)
{
    const int xs[] = {r.left(), r.left() + r.width() / 2, r.right()};
    const int ys[] = {r.top(), r.top() + r.height() / 2, r.bottom()};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            if (i == 1 && j == 1)
                continue;
            const QRect square(xs[i] - kHandleSize / 2, ys[j] - kHandleSize / 2, kHandleSize,
                               kHandleSize);
            if (fill == HandleFill::Filled) {
                painter.fillRect(square, colour);
            } else {
                painter.fillRect(square, Qt::white);
                painter.fillRect(square.adjusted(0, 0, 0, 1 - kHandleSize), colour);
                painter.fillRect(square.adjusted(0, kHandleSize - 1, 0, 0), colour);
                painter.fillRect(square.adjusted(0, 0, 1 - kHandleSize, 0), colour);
                painter.fillRect(square.adjusted(kHandleSize - 1, 0, 0, 0), colour);
            }
        }
    }
}

// The lines whose position falls in [from, to) twips; the arrays are in ascending order, so the
// visible ones are found by bisection, and lines that round to the same pixel are drawn once.
template<typename Position, typename MakeLine>
void addVisibleLines(QVector<QLine> &out, const std::vector<GridLine> &lines, double from,
                     double to, Position position, MakeLine makeLine)
{
    auto it = std::lower_bound(lines.begin(), lines.end(), from,
                               [&](const GridLine &l, double v) { return position(l) < v; });
    int lastPixel = -1;
    for (; it != lines.end() && position(*it) < to; ++it) {
        if (!it->visible)
            continue;
        const int pixel = twipsToPixel(position(*it));
        if (pixel == lastPixel)
            continue;
        lastPixel = pixel;
        out.append(makeLine(*it, pixel));
    }
}

void paintGrid(QPainter &painter, const GridLines &grid, const QRect &area)
{
    if (grid.empty())
        return;
    // Half a pixel either side, so every line that rounds into the area is found.
    const double from = (area.left() - 1) * kTwipsPerPixel;
    const double to = (area.right() + 2) * kTwipsPerPixel;
    const double fromY = (area.top() - 1) * kTwipsPerPixel;
    const double toY = (area.bottom() + 2) * kTwipsPerPixel;
    QVector<QLine> lines;
    addVisibleLines(
        lines, grid.lnH, from, to, [](const GridLine &l) { return l.X1; },
        [](const GridLine &l, int x) {
            return QLine(x, twipsToPixel(l.Y1), x, twipsToPixel(l.Y2));
        });
    addVisibleLines(
        lines, grid.lnV, fromY, toY, [](const GridLine &l) { return l.Y1; },
        [](const GridLine &l, int y) {
            return QLine(twipsToPixel(l.X1), y, twipsToPixel(l.X2), y);
        });
    painter.setPen(QPen(kGridColour, 1, Qt::SolidLine));
    painter.drawLines(lines);
}

void paintControls(QPainter &painter, const SurfacePaint &surface, const QRegion &exposed)
{
    ControlPainter controls(painter, surface.widget);
    // The painter is clipped only while a group's controls are painted, and clipped again only
    // when the clip changes: a group's controls share their clip.
    std::optional<QRect> clipped;
    for (const DrawingStep &step : drawingOrder(surface.dialog)) {
        const DrawnControl &control = *step.control;
        const QRect rect = pixelRect(control.rect());
        const std::optional<QRect> clip
            = step.clip ? std::optional(pixelRect(*step.clip)) : std::nullopt;
        if (!exposed.intersects(clip ? rect & *clip : rect))
            continue;
        if (clip != clipped) {
            if (clipped)
                painter.restore();
            if (clip) {
                painter.save();
                painter.setClipRect(*clip, Qt::IntersectClip);
            }
            clipped = clip;
        }
        if (control.kind == ControlKind::Group && step.record
            && !showsGroupBackground(*step.record)) {
            DrawnControl bare = control;
            bare.backColour.reset();
            controls.paint(bare, rect);
        } else {
            controls.paint(control, rect);
        }
        if (surface.showFocus && control.tag == surface.interaction.focusTag)
            controls.paintFocus(rect, control.kind);
    }
    if (clipped)
        painter.restore();
}

} // namespace

void paintBand(QPainter &painter, const TwipRect &band, const QColor &colour)
{
    painter.setPen(QPen(colour, 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixelRect(band).adjusted(0, 0, -1, -1));
}

QRegion bandRegion(const TwipRect &band)
{
    const QRect r = pixelRect(band);
    // The four edges, a pixel either side of each.
    return QRegion(r.left() - 1, r.top() - 1, r.width() + 2, 3)
        + QRegion(r.left() - 1, r.bottom() - 1, r.width() + 2, 3)
        + QRegion(r.left() - 1, r.top() - 1, 3, r.height() + 2)
        + QRegion(r.right() - 1, r.top() - 1, 3, r.height() + 2);
}

void paintOutlines(QPainter &painter, const std::vector<TwipRect> &outlines, const QRect &area)
{
    for (const TwipRect &r : outlines) {
        for (const TwipRect &bar : outlineBars(r)) {
            const QRect pixels = pixelRect(bar);
            if (pixels.intersects(area))
                painter.fillRect(pixels, Qt::black);
        }
    }
}

QRegion outlineRegion(const MovingFrame &frame)
{
    QRegion region;
    if (!frame.visible)
        return region;
    for (const TwipRect &bar : frame.bars)
        region += pixelRect(bar);
    return region;
}

void paintSurface(QPainter &painter, const SurfacePaint &surface, const QRegion &exposed)
{
    const QRect area = exposed.boundingRect();
    paintGrid(painter, surface.interaction.grid, area);
    if (surface.screenArea)
        paintBand(painter, *surface.screenArea, kScreenAreaColour);

    paintControls(painter, surface, exposed);
    // Handles over every control, so that a control in front does not hide them.
    if (surface.picked && !surface.picked->empty()) {
        const QColor highlight = surface.widget.palette().color(QPalette::Highlight);
        const std::string &reference = surface.picked->tags().front();
        for (const DrawnControl &control : surface.dialog.drawn.stackingOrder()) {
            if (!control.visible || !surface.picked->contains(control.tag))
                continue;
            const QRect rect = pixelRect(control.rect());
            if (exposed.intersects(rect.adjusted(-2, -2, 2, 2)))
                paintHandles(painter, rect, highlight,
                             control.tag == reference ? HandleFill::Filled : HandleFill::Hollow);
        }
    }

    if (surface.band)
        paintBand(painter, *surface.band, surface.widget.palette().color(QPalette::Highlight));

    const QRegion outline = outlineRegion(surface.interaction.lnMoving);
    for (const QRect &bar : outline)
        painter.fillRect(bar, Qt::black);
}

} // namespace kovrin
