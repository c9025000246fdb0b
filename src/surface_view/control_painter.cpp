#include "surface_view/control_painter.h"

#include "surface_view/kind_looks.h"
#include "surface_view/paint_cache.h"

#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QWidget>
#include <qdrawutil.h>

namespace kovrin {
namespace {

// The looks kept in the chrome cache.
constexpr int kTextBoxLook = 1;
constexpr int kPictureLook = 2;

QColor qtColour(const Rgb8 &c)
{
    return QColor(c.red, c.green, c.blue);
}

// What a text box shows: the fixed word of INPUT, COMBO and LIST, else the caption.
QString shownText(const DrawnControl &control)
{
    const std::string_view word = fixedWord(control.kind);
    if (!word.empty())
        return QString::fromLatin1(word.data(), static_cast<qsizetype>(word.size()));
    const std::string_view caption = drawnCaption(control);
    return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

} // namespace

ControlPainter::ControlPainter(QPainter &painter, const QWidget &widget)
    : m_painter(painter)
    , m_widget(widget)
    , m_style(*widget.style())
    , m_ratio(widget.devicePixelRatioF())
{
    m_textBox.initFrom(&widget);
    m_textBox.state = QStyle::State_Enabled | QStyle::State_Sunken;
    m_textBox.lineWidth = 1;
    m_textBox.midLineWidth = 0;

    m_button.initFrom(&widget);
    m_button.state = QStyle::State_Enabled | QStyle::State_Raised;
    m_button.features = QStyleOptionButton::None;

    m_slider.initFrom(&widget);
    m_slider.state = QStyle::State_Enabled | QStyle::State_Horizontal;
    m_slider.orientation = Qt::Horizontal;
    m_slider.minimum = 0;
    m_slider.maximum = 100;
    m_slider.sliderPosition = 0;
    m_slider.sliderValue = 0;
    m_slider.subControls = QStyle::SC_SliderGroove | QStyle::SC_SliderHandle;
    m_slider.tickPosition = QSlider::NoTicks;

    m_focus.initFrom(&widget);
    m_focus.state = QStyle::State_Enabled | QStyle::State_KeyboardFocusChange;
}

void ControlPainter::paint(const DrawnControl &control, const QRect &where)
{
    // Styles lay out the parts of complex controls (a frame's caption) from the origin, so each
    // control is painted in its own coordinates.
    const QPoint origin = where.topLeft();
    const QRect rect(QPoint(0, 0), where.size());
    m_painter.translate(origin);
    switch (control.kind) {
    case ControlKind::Input:
    case ControlKind::Text:
    case ControlKind::Combo:
    case ControlKind::Link:
    case ControlKind::List:
        paintTextBox(control, rect);
        break;
    case ControlKind::StructuredText:
    case ControlKind::ShortcutButton:
    case ControlKind::Map:
    case ControlKind::ColumnList:
    case ControlKind::Progress:
    case ControlKind::CheckBox:
    case ControlKind::CheckBoxRow:
    case ControlKind::ExtSlider:
    case ControlKind::Tree:
    case ControlKind::ToolboxRow:
    case ControlKind::Generic:
        paintKindLook(m_painter, m_widget, control, rect);
        break;
    case ControlKind::Button:
        paintButton(control, rect);
        break;
    case ControlKind::Frame:
        paintFrame(control, rect);
        break;
    case ControlKind::Picture:
        paintPicture(rect);
        break;
    case ControlKind::Slider:
        paintSlider(rect);
        break;
    case ControlKind::Group:
        paintGroup(control, rect);
        break;
    }
    m_painter.translate(-origin);
}

void ControlPainter::paintTextBox(const DrawnControl &control, const QRect &rect)
{
    const QPalette &palette = m_textBox.palette;
    // A link shows no background colour of its own and its text is white by default, as links
    // stand on dark dialogs in the game: its box is dark grey so the text stays readable.
    const QColor defaultBack
        = control.kind == ControlKind::Link ? QColor(64, 64, 64) : palette.color(QPalette::Base);
    const QColor back = control.backColour ? qtColour(*control.backColour) : defaultBack;
    const auto drawChrome = [this](QPainter &painter, const QRect &area) {
        m_textBox.rect = area;
        m_style.drawPrimitive(QStyle::PE_FrameLineEdit, &m_textBox, &painter, &m_widget);
    };
    if (const QPixmap *chrome
        = chromeCache().get(kTextBoxLook, rect.size(), back, m_ratio, drawChrome)) {
        m_painter.drawPixmap(0, 0, *chrome);
    } else {
        m_painter.fillRect(rect, back);
        drawChrome(m_painter, rect);
    }

    const QString text = shownText(control);
    if (text.isEmpty())
        return;
    m_painter.setPen(control.textColour ? qtColour(*control.textColour)
                                        : palette.color(QPalette::Text));
    textCache().draw(m_painter, text, rect.adjusted(4, 2, -3, -2));
}

void ControlPainter::paintButton(const DrawnControl &control, const QRect &rect)
{
    m_button.rect = rect;
    m_button.text = shownText(control);
    m_style.drawControl(QStyle::CE_PushButton, &m_button, &m_painter, &m_widget);
}

void ControlPainter::paintFrame(const DrawnControl &control, const QRect &rect)
{
    // A titled border: an etched line from half the caption's height, broken by the caption.
    const QPalette &palette = m_widget.palette();
    const QColor back
        = control.backColour ? qtColour(*control.backColour) : palette.color(QPalette::Window);
    m_painter.fillRect(rect, back);
    const QFontMetrics metrics = m_widget.fontMetrics();
    const QRect border = rect.adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&m_painter, border, palette, true, 1, 0);

    const QString caption = shownText(control);
    if (caption.isEmpty())
        return;
    const QRect label(8, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    m_painter.save();
    m_painter.setClipRect(rect, Qt::IntersectClip);
    m_painter.fillRect(label, back);
    m_painter.setPen(control.textColour ? qtColour(*control.textColour)
                                        : palette.color(QPalette::WindowText));
    m_painter.drawText(label, Qt::AlignCenter, caption);
    m_painter.restore();
}

void ControlPainter::paintGroup(const DrawnControl &control, const QRect &rect)
{
    // A plain frame on the group's background: its controls are painted over it.
    if (control.backColour)
        m_painter.fillRect(rect, qtColour(*control.backColour));
    qDrawPlainRect(&m_painter, rect, m_widget.palette().color(QPalette::Mid), 1);
}

void ControlPainter::paintPicture(const QRect &rect)
{
    const QPalette &palette = m_widget.palette();
    const auto drawPanel = [&palette](QPainter &painter, const QRect &area) {
        const QBrush fill = palette.brush(QPalette::Button);
        qDrawWinPanel(&painter, area, palette, true, &fill);
    };
    const QColor back = palette.color(QPalette::Button);
    if (const QPixmap *panel
        = chromeCache().get(kPictureLook, rect.size(), back, m_ratio, drawPanel))
        m_painter.drawPixmap(0, 0, *panel);
    else
        drawPanel(m_painter, rect);
}

void ControlPainter::paintSlider(const QRect &rect)
{
    m_slider.rect = rect;
    m_style.drawComplexControl(QStyle::CC_Slider, &m_slider, &m_painter, &m_widget);
}

void ControlPainter::paintFocus(const QRect &rect, ControlKind kind)
{
    m_focus.rect = rect.adjusted(3, 3, -3, -3);
    if (kind != ControlKind::Group) {
        m_style.drawPrimitive(QStyle::PE_FrameFocusRect, &m_focus, &m_painter, &m_widget);
        return;
    }
    m_painter.save();
    m_painter.setClipRegion(QRegion(m_focus.rect).subtracted(m_focus.rect.adjusted(2, 2, -2, -2)),
                            Qt::IntersectClip);
    m_style.drawPrimitive(QStyle::PE_FrameFocusRect, &m_focus, &m_painter, &m_widget);
    m_painter.restore();
}

} // namespace kovrin
