#include "props_window/field_look.h"

#include <QPalette>
#include <QWidget>

namespace kovrin {

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, colour);
    // Values in a grey field stay readable.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(96, 96, 96));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(96, 96, 96));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void resetBackground(QWidget *widget)
{
    widget->setPalette(QPalette());
    widget->setAutoFillBackground(false);
}

QColor backgroundOf(const QWidget *widget)
{
    return widget->palette().color(QPalette::Base);
}

} // namespace kovrin
