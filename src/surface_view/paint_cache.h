#pragma once
// What the surface painter keeps between paints. Thousands of drawn controls share a handful of
// sizes, colours and texts, while the style's frames and the text layout are costly to draw
// each time: a control's look without its text is drawn once per look, size and background, and
// each text is laid out once.

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QStaticText>

#include <cstdint>
#include <optional>

class QPainter;

namespace kovrin {

class ChromeCache
{
public:
    // The picture of a look (a small number naming it) at a size on a background, drawn by
    // draw(painter, rect) on first use. None when the size is too large to keep: the caller
    // then draws directly.
    template<typename Draw>
    const QPixmap *get(int look, QSize size, const QColor &back, qreal ratio, Draw draw)
    {
        const auto key = keyOf(look, size, back, ratio);
        if (!key)
            return nullptr;
        auto it = m_pictures.constFind(*key);
        if (it == m_pictures.cend())
            it = m_pictures.insert(*key, render(size, back, ratio, draw));
        return &*it;
    }

private:
    static std::optional<std::uint64_t> keyOf(int look, QSize size, const QColor &back,
                                              qreal ratio);
    template<typename Draw> QPixmap render(QSize size, const QColor &back, qreal ratio, Draw draw);
    QPixmap blank(QSize size, const QColor &back, qreal ratio);
    void endRender(QPainter &painter);

    QHash<std::uint64_t, QPixmap> m_pictures;
};

class TextCache
{
public:
    // Draws text at the top left of the rectangle, cut at its edges.
    void draw(QPainter &painter, const QString &text, const QRect &rect);
    // The same placed in the rectangle as the alignment says (centred across, down, or both).
    void drawAligned(QPainter &painter, const QString &text, const QRect &rect,
                     Qt::Alignment alignment);

private:
    // Laid out once in the painter's font: the surface paints all its texts in one.
    const QStaticText &laidOut(QPainter &painter, const QString &text);
    void drawAt(QPainter &painter, const QStaticText &laidOut, QPoint at, const QRect &rect);

    QHash<QString, QStaticText> m_texts;
};

// One of each for the program's surfaces.
ChromeCache &chromeCache();
TextCache &textCache();

template<typename Draw>
QPixmap ChromeCache::render(QSize size, const QColor &back, qreal ratio, Draw draw)
{
    QPixmap picture = blank(size, back, ratio);
    QPainter painter(&picture);
    draw(painter, QRect(QPoint(0, 0), size));
    endRender(painter);
    return picture;
}

} // namespace kovrin
