#include "surface_view/kind_looks.h"

#include "model/drawn_detail.h"
#include "model/structured_markup.h"
#include "surface_view/paint_cache.h"

#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace kovrin {
namespace {

// A structured text's lines, read once per text and Attributes (its detail): texts are cut to
// kDrawnCaptionBytes, and the cache is emptied when it holds many.
constexpr qsizetype kMarkupCacheTexts = 256;

const std::vector<MarkupLine> &markupOf(std::string_view text, std::string_view detail)
{
    static QHash<QByteArray, std::vector<MarkupLine>> lines;
    // The detail holds no NUL, so the key tells every pair apart.
    QByteArray key(detail.data(), static_cast<qsizetype>(detail.size()));
    key.append('\0').append(text.data(), static_cast<qsizetype>(text.size()));
    auto it = lines.constFind(key);
    if (it == lines.cend()) {
        if (lines.size() >= kMarkupCacheTexts)
            lines.clear();
        it = lines.insert(key, readMarkup(text, structuredTextDefaults(detail)));
    }
    return *it;
}

QColor qtColour(const Rgb8 &c)
{
    return QColor(c.red, c.green, c.blue);
}

QString qtText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The detail's items, one a line (model/drawn_detail.h).
QStringList detailItems(const DrawnControl &control)
{
    const std::string &detail = control.detail.str();
    if (detail.empty())
        return {};
    return qtText(detail).split(QLatin1Char('\n'));
}

// Black or white, whichever reads on the background.
QColor readableOn(const QColor &back)
{
    return back.lightness() < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QColor textColourOf(const DrawnControl &control, const QColor &back)
{
    return control.textColour ? qtColour(*control.textColour) : readableOn(back);
}

void paintSunkenBox(QPainter &painter, const QWidget &widget, const QRect &rect, const QColor &back)
{
    const QPalette &palette = widget.palette();
    const QBrush fill(back);
    qDrawShadePanel(&painter, rect, palette, true, 1, &fill);
}

void paintStructuredText(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                         const QRect &rect)
{
    QColor back = Qt::transparent;
    if (control.backColour) {
        back = qtColour(*control.backColour);
        painter.fillRect(rect, back);
    }
    qDrawPlainRect(&painter, rect, widget.palette().color(QPalette::Mid), 1);
    const QColor ink = textColourOf(control, control.backColour ? back : QColor(Qt::white));
    const QFont base = widget.font();
    const qreal basePoints = base.pointSizeF() > 0 ? base.pointSizeF() : 9;
    const QRect area = rect.adjusted(3, 2, -3, -2);
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    int y = area.top();
    for (const MarkupLine &line : markupOf(drawnCaption(control), control.detail.str())) {
        if (y > area.bottom())
            break;
        // Measure the line first: its alignment needs its width, its baseline its tallest run.
        int width = 0;
        int ascent = QFontMetrics(base).ascent();
        int descent = QFontMetrics(base).descent();
        std::vector<QFont> fonts;
        for (const MarkupRun &run : line.runs) {
            QFont font = base;
            font.setPointSizeF(basePoints * run.size);
            const QFontMetrics metrics(font);
            width += metrics.horizontalAdvance(qtText(run.text));
            ascent = std::max(ascent, metrics.ascent());
            descent = std::max(descent, metrics.descent());
            fonts.push_back(font);
        }
        int x = area.left();
        if (line.align == MarkupAlign::Center)
            x += (area.width() - width) / 2;
        else if (line.align == MarkupAlign::Right)
            x += area.width() - width;
        const int baseline = y + ascent;
        for (std::size_t i = 0; i < line.runs.size(); ++i) {
            const MarkupRun &run = line.runs[i];
            const QString text = qtText(run.text);
            painter.setFont(fonts[i]);
            painter.setPen(run.colour ? qtColour(*run.colour) : ink);
            painter.drawText(QPoint(x, baseline), text);
            x += QFontMetrics(fonts[i]).horizontalAdvance(text);
        }
        y = baseline + descent + 1;
    }
    painter.restore();
}

void paintShortcutButton(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                         const QRect &rect)
{
    QStyleOptionButton button;
    button.initFrom(&widget);
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    button.rect = rect;
    button.text = qtText(drawnCaption(control));
    widget.style()->drawControl(QStyle::CE_PushButton, &button, &painter, &widget);
    // The picture it shows beside its text.
    const int side = std::min(rect.height() - 8, 16);
    if (side > 3)
        painter.fillRect(QRect(5, (rect.height() - side) / 2, side, side), QColor(48, 112, 192));
}

void paintMap(QPainter &painter, const DrawnControl &control, const QRect &rect)
{
    const QColor land = control.backColour ? qtColour(*control.backColour) : QColor(244, 240, 224);
    painter.fillRect(rect, land);
    painter.setPen(land.darker(125));
    constexpr int kGridPixels = 40;
    for (int x = kGridPixels; x < rect.width(); x += kGridPixels)
        painter.drawLine(x, 0, x, rect.height() - 1);
    for (int y = kGridPixels; y < rect.height(); y += kGridPixels)
        painter.drawLine(0, y, rect.width() - 1, y);
    painter.setPen(QColor(80, 80, 80));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

// The left edges of a list's columns as fractions of its width: its `columns[]`, else three even.
std::vector<double> columnStarts(const DrawnControl &control)
{
    std::vector<double> starts;
    for (const QString &item : detailItems(control)) {
        bool ok = false;
        const double value = item.trimmed().toDouble(&ok);
        if (ok && value >= 0 && value < 1)
            starts.push_back(value);
    }
    if (starts.empty())
        starts = {0, 1.0 / 3, 2.0 / 3};
    return starts;
}

void paintColumnList(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                     const QRect &rect)
{
    const QColor back = control.backColour ? qtColour(*control.backColour)
                                           : widget.palette().color(QPalette::Base);
    paintSunkenBox(painter, widget, rect, back);
    const int header = std::min(QFontMetrics(widget.font()).height() + 2, rect.height() / 2);
    // The header a shade off the background, towards white on a dark list.
    const QColor shade = back.lightness() < 128
        ? QColor(back.red() / 2 + 48, back.green() / 2 + 48, back.blue() / 2 + 48)
        : back.darker(115);
    painter.fillRect(QRect(2, 2, rect.width() - 4, header), shade);
    const QColor ink = textColourOf(control, back);
    painter.setPen(ink);
    const std::vector<double> starts = columnStarts(control);
    const auto edge = [&rect](double start) {
        return 2 + static_cast<int>(std::lround(start * (rect.width() - 4)));
    };
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const int x = edge(starts[i]);
        const int next = i + 1 < starts.size() ? edge(starts[i + 1]) : rect.width() - 2;
        if (i > 0)
            painter.drawLine(x, 2, x, rect.height() - 3);
        textCache().drawAligned(painter, QStringLiteral("Column %1").arg(i + 1),
                                QRect(x + 3, 2, std::max(0, next - x - 4), header),
                                Qt::AlignVCenter);
    }
}

void paintProgress(QPainter &painter, const QWidget &widget, const QRect &rect)
{
    paintSunkenBox(painter, widget, rect, widget.palette().color(QPalette::Base));
    const QRect inside = rect.adjusted(1, 1, -1, -1);
    const int filled = static_cast<int>(std::lround(inside.width() * kSampleProgress));
    painter.fillRect(QRect(inside.left(), inside.top(), filled, inside.height()),
                     QColor(48, 160, 64));
}

// A check box's square with its tick, at most `side` pixels.
void paintBox(QPainter &painter, const QRect &box, bool ticked)
{
    painter.fillRect(box, Qt::white);
    painter.setPen(QColor(64, 64, 64));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (!ticked || box.width() < 6)
        return;
    const QRectF in = QRectF(box).adjusted(box.width() * 0.2, box.height() * 0.2,
                                           -box.width() * 0.2, -box.height() * 0.2);
    QPen pen(QColor(32, 32, 32), std::max(1.0, box.width() / 8.0));
    painter.setPen(pen);
    painter.drawPolyline(QList<QPointF> {{in.left(), in.center().y()},
                                         {in.left() + in.width() * 0.4, in.bottom()},
                                         {in.right(), in.top()}});
}

bool isTicked(const QString &value)
{
    const QString v = value.trimmed();
    return v == QLatin1String("1") || v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

void paintCheckBox(QPainter &painter, const DrawnControl &control, const QRect &rect)
{
    const int side = std::max(1, std::min(rect.width(), rect.height()) - 2);
    const QRect box((rect.width() - side) / 2, (rect.height() - side) / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintBox(painter, box, isTicked(qtText(control.detail.str())));
    painter.restore();
}

// A row's choices: its `strings[]`, else three unnamed ones.
QStringList choicesOf(const DrawnControl &control)
{
    QStringList choices = detailItems(control);
    if (choices.isEmpty())
        choices = {QString(), QString(), QString()};
    return choices;
}

QRect cellOf(const QRect &rect, qsizetype index, qsizetype count)
{
    const int left = static_cast<int>(rect.width() * index / count);
    const int right = static_cast<int>(rect.width() * (index + 1) / count);
    return QRect(left, 0, right - left, rect.height());
}

void paintCheckBoxRow(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                      const QRect &rect)
{
    const QColor back = control.backColour ? qtColour(*control.backColour)
                                           : widget.palette().color(QPalette::Window);
    painter.fillRect(rect, back);
    const QStringList choices = choicesOf(control);
    const int side = std::max(1, std::min(rect.height() - 4, 14));
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const QRect cell = cellOf(rect, i, choices.size());
        paintBox(painter, QRect(cell.left() + 2, (rect.height() - side) / 2, side, side), i == 0);
        painter.setPen(textColourOf(control, back));
        textCache().drawAligned(painter, choices[i], cell.adjusted(side + 5, 0, 0, 0),
                                Qt::AlignVCenter);
    }
}

void paintToolboxRow(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                     const QRect &rect)
{
    const QPalette &palette = widget.palette();
    const QColor back
        = control.backColour ? qtColour(*control.backColour) : palette.color(QPalette::Button);
    const QStringList choices = choicesOf(control);
    for (qsizetype i = 0; i < choices.size(); ++i) {
        const QRect cell = cellOf(rect, i, choices.size());
        // The first choice stands picked.
        const QColor fill = i == 0 ? palette.color(QPalette::Highlight) : back;
        const QBrush brush(fill);
        qDrawShadePanel(&painter, cell, palette, i == 0, 1, &brush);
        painter.setPen(i == 0 ? palette.color(QPalette::HighlightedText)
                              : textColourOf(control, back));
        textCache().drawAligned(painter, choices[i], cell, Qt::AlignCenter);
    }
}

void paintExtSlider(QPainter &painter, const QWidget &widget, const QRect &rect)
{
    const QPalette &palette = widget.palette();
    const int arrow = std::min(rect.height(), rect.width() / 4);
    QStyleOption option;
    option.initFrom(&widget);
    option.state = QStyle::State_Enabled;
    const QBrush button = palette.brush(QPalette::Button);
    const QRect left(0, 0, arrow, rect.height());
    const QRect right(rect.width() - arrow, 0, arrow, rect.height());
    for (const auto &[side, primitive] : {std::pair {left, QStyle::PE_IndicatorArrowLeft},
                                          std::pair {right, QStyle::PE_IndicatorArrowRight}}) {
        qDrawWinPanel(&painter, side, palette, false, &button);
        option.rect = side.adjusted(2, 2, -2, -2);
        widget.style()->drawPrimitive(primitive, &option, &painter, &widget);
    }
    const QRect groove(arrow + 2, rect.height() / 2 - 2, rect.width() - 2 * arrow - 4, 4);
    if (groove.width() <= 0)
        return;
    qDrawShadePanel(&painter, groove, palette, true, 1, nullptr);
    const int handle = std::max(4, std::min(10, groove.width() / 4));
    const QRect thumb(groove.left() + (groove.width() - handle) / 2, 1, handle, rect.height() - 2);
    qDrawWinPanel(&painter, thumb, palette, false, &button);
}

void paintTree(QPainter &painter, const QWidget &widget, const DrawnControl &control,
               const QRect &rect)
{
    const QColor back = control.backColour ? qtColour(*control.backColour)
                                           : widget.palette().color(QPalette::Base);
    paintSunkenBox(painter, widget, rect, back);
    const QColor ink = textColourOf(control, back);
    const int row = QFontMetrics(widget.font()).height() + 2;
    // A sample: a root with two children, the second with one of its own, and a second root.
    constexpr std::array<std::pair<int, const char *>, 5> kRows {
        {{0, "Item"}, {1, "Child"}, {1, "Child"}, {2, "Leaf"}, {0, "Item"}}};
    painter.save();
    painter.setClipRect(rect.adjusted(2, 2, -2, -2), Qt::IntersectClip);
    painter.setPen(ink);
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const int x = 6 + kRows[i].first * 14;
        const int y = 3 + static_cast<int>(i) * row;
        painter.drawRect(x, y + row / 2 - 3, 6, 6);
        textCache().drawAligned(painter, QLatin1String(kRows[i].second),
                                QRect(x + 10, y, rect.width(), row), Qt::AlignVCenter);
    }
    painter.restore();
}

void paintGeneric(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                  const QRect &rect)
{
    const QPalette &palette = widget.palette();
    painter.fillRect(rect, palette.color(QPalette::Window));
    painter.fillRect(rect, QBrush(palette.color(QPalette::Mid), Qt::BDiagPattern));
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(widget.font());
    const QRect inside = rect.adjusted(2, 2, -2, -2);
    const QString shown = genericLabel(control, metrics, inside.size());
    if (shown.trimmed().isEmpty())
        return;
    QRect label = metrics.boundingRect(inside, Qt::AlignCenter, shown);
    label = label.adjusted(-3, -1, 3, 1).intersected(rect.adjusted(1, 1, -1, -1));
    painter.fillRect(label, palette.color(QPalette::Window));
    painter.setPen(palette.color(QPalette::WindowText));
    textCache().drawAligned(painter, shown, inside, Qt::AlignCenter);
}

} // namespace

QString genericLabel(const DrawnControl &control, const QFontMetrics &metrics, QSize room)
{
    QStringList lines = detailItems(control);
    lines.removeAll(QString());
    if (room.height() >= 2 * metrics.lineSpacing())
        return lines.join(QLatin1Char('\n'));
    return metrics.elidedText(lines.join(QStringLiteral(" \u00b7 ")), Qt::ElideRight, room.width());
}

void paintKindLook(QPainter &painter, const QWidget &widget, const DrawnControl &control,
                   const QRect &rect)
{
    painter.save();
    switch (control.kind) {
    case ControlKind::StructuredText:
        paintStructuredText(painter, widget, control, rect);
        break;
    case ControlKind::ShortcutButton:
        paintShortcutButton(painter, widget, control, rect);
        break;
    case ControlKind::Map:
        paintMap(painter, control, rect);
        break;
    case ControlKind::ColumnList:
        paintColumnList(painter, widget, control, rect);
        break;
    case ControlKind::Progress:
        paintProgress(painter, widget, rect);
        break;
    case ControlKind::CheckBox:
        paintCheckBox(painter, control, rect);
        break;
    case ControlKind::CheckBoxRow:
        paintCheckBoxRow(painter, widget, control, rect);
        break;
    case ControlKind::ExtSlider:
        paintExtSlider(painter, widget, rect);
        break;
    case ControlKind::Tree:
        paintTree(painter, widget, control, rect);
        break;
    case ControlKind::ToolboxRow:
        paintToolboxRow(painter, widget, control, rect);
        break;
    case ControlKind::Generic:
        paintGeneric(painter, widget, control, rect);
        break;
    default:
        break;
    }
    painter.restore();
}

} // namespace kovrin
