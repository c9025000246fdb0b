#include "app/about_logo.h"

#include <QPainter>

namespace kovrin {

QPixmap aboutLogo(int side)
{
    QPixmap logo(side, side);
    logo.fill(Qt::transparent);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = side / 16.0;

    // The workspace grey and a dialog window on it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(64, 64, 64));
    painter.drawRoundedRect(QRectF(0, 0, side, side), 2 * unit, 2 * unit);
    const QRectF window(2 * unit, 2.5 * unit, 12 * unit, 11 * unit);
    painter.setBrush(QColor(236, 236, 236));
    painter.drawRect(window);
    painter.setBrush(QColor(40, 90, 170));
    painter.drawRect(QRectF(window.left(), window.top(), window.width(), 2 * unit));

    // Grid lines, a text line, an input box and a yellow button.
    painter.setPen(QPen(QColor(160, 160, 160), unit / 8));
    for (int i = 1; i < 6; ++i) {
        const qreal x = window.left() + i * 2 * unit;
        painter.drawLine(QPointF(x, window.top() + 2 * unit), QPointF(x, window.bottom()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawRect(QRectF(3 * unit, 6 * unit, 6 * unit, unit));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(90, 90, 90), unit / 4));
    painter.drawRect(QRectF(3 * unit, 8 * unit, 10 * unit, 1.6 * unit));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(QRectF(8.5 * unit, 10.8 * unit, 4.5 * unit, 1.8 * unit));
    return logo;
}

} // namespace kovrin
