#include "surface_view/paint_cache.h"

#include <QPainter>

#include <cmath>

namespace kovrin {
namespace {

// Beyond these the pictures would cost more memory than drawing costs time.
constexpr int kLargestSide = 2048;
constexpr int kLargestArea = 256 * 1024;
constexpr qsizetype kMostPictures = 1024;
constexpr qsizetype kMostTexts = 8192;

} // namespace

std::optional<std::uint64_t> ChromeCache::keyOf(int look, QSize size, const QColor &back,
                                                qreal ratio)
{
    const int scaled = static_cast<int>(std::lround(ratio * 4));
    if (size.width() <= 0 || size.height() <= 0 || size.width() > kLargestSide
        || size.height() > kLargestSide || size.width() * size.height() > kLargestArea
        || scaled <= 0 || scaled > 63 || look < 0 || look > 15)
        return std::nullopt;
    return (static_cast<std::uint64_t>(look) << 60) | (static_cast<std::uint64_t>(scaled) << 54)
        | (static_cast<std::uint64_t>(back.rgb() & 0xFFFFFF) << 24)
        | (static_cast<std::uint64_t>(size.width()) << 12)
        | static_cast<std::uint64_t>(size.height());
}

QPixmap ChromeCache::blank(QSize size, const QColor &back, qreal ratio)
{
    if (m_pictures.size() >= kMostPictures)
        m_pictures.clear();
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(back);
    return picture;
}

void ChromeCache::endRender(QPainter &painter)
{
    painter.end();
}

const QStaticText &TextCache::laidOut(QPainter &painter, const QString &text)
{
    auto it = m_texts.find(text);
    if (it == m_texts.end()) {
        if (m_texts.size() >= kMostTexts)
            m_texts.clear();
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
        laidOut.prepare(QTransform(), painter.font());
        it = m_texts.insert(text, laidOut);
    }
    return *it;
}

void TextCache::drawAt(QPainter &painter, const QStaticText &laidOut, QPoint at, const QRect &rect)
{
    const QSizeF size = laidOut.size();
    if (at.x() >= rect.left() && at.y() >= rect.top() && at.x() + size.width() <= rect.right() + 1
        && at.y() + size.height() <= rect.bottom() + 1) {
        painter.drawStaticText(at, laidOut);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawStaticText(at, laidOut);
    painter.restore();
}

void TextCache::draw(QPainter &painter, const QString &text, const QRect &rect)
{
    if (text.contains(QLatin1Char('\n'))) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text); // several lines: laid out
        return;
    }
    drawAt(painter, laidOut(painter, text), rect.topLeft(), rect);
}

void TextCache::drawAligned(QPainter &painter, const QString &text, const QRect &rect,
                            Qt::Alignment alignment)
{
    if (text.contains(QLatin1Char('\n'))) {
        painter.drawText(rect, static_cast<int>(alignment), text);
        return;
    }
    const QStaticText &shown = laidOut(painter, text);
    const QSizeF size = shown.size();
    QPoint at = rect.topLeft();
    if (alignment & Qt::AlignHCenter)
        at.rx() += static_cast<int>((rect.width() - size.width()) / 2);
    if (alignment & Qt::AlignVCenter)
        at.ry() += static_cast<int>((rect.height() - size.height()) / 2);
    drawAt(painter, shown, at, rect);
}

ChromeCache &chromeCache()
{
    static ChromeCache cache;
    return cache;
}

TextCache &textCache()
{
    static TextCache cache;
    return cache;
}

} // namespace kovrin
