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

void TextCache::draw(QPainter &painter, const QString &text, const QRect &rect)
{
    if (text.contains(QLatin1Char('\n'))) {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop, text); // several lines: laid out
        return;
    }
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
    const QSizeF size = it->size();
    if (size.width() <= rect.width() && size.height() <= rect.height()) {
        painter.drawStaticText(rect.topLeft(), *it);
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.drawStaticText(rect.topLeft(), *it);
    painter.restore();
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
