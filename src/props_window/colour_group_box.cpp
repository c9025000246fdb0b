#include "props_window/colour_group_box.h"

#include "props_window/field_look.h"
#include "props_window/number_field.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace kovrin {
namespace {

constexpr int kComponentLength = 5;

const char *const kHeaders[4] = {"R", "G", "B", "A"};
const char *const kHints[4] = {
    "Red component of the color, 1 being the maximum intensity.",
    "Green component of the color, 1 being the maximum intensity.",
    "Blue component of the color, 1 being the maximum intensity.",
    "Alpha (transparency) component of the color, 1 being maximum opacity.",
};

QString qtext(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A flat swatch of its background colour with a thin frame, so white and grey samples still
// show their edge.
class SampleButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Button));
        painter.setPen(QColor(112, 112, 112));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(2, 2, -2, -2);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

} // namespace

ColourGroupBox::ColourGroupBox(ColourGroup group, char separator, QWidget *parent)
    : QWidget(parent)
    , m_group(group)
{
    const ColourGroupInfo &info = colourGroupInfo(group);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(1);
    grid->addWidget(new QLabel(qtext(info.label), this), 0, 0, 1, 5);

    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("0.0000")) + 12;
    for (std::size_t i = 0; i < 4; ++i) {
        auto *header = new QLabel(QString::fromLatin1(kHeaders[i]), this);
        header->setAlignment(Qt::AlignCenter);
        grid->addWidget(header, 1, static_cast<int>(i));

        auto *field = new NumberField(kFractionBounds, separator, true, this);
        const QString name = QString::fromStdString(componentFieldName(group, i));
        field->setObjectName(name);
        field->setToolTip(QString::fromLatin1(kHints[i]));
        field->setTypingLimit(kComponentLength);
        field->setFixedWidth(fieldWidth);
        grid->addWidget(field, 2, static_cast<int>(i));
        connect(field, &QLineEdit::textChanged, this,
                [this, name] { emit componentChanged(name); });
        m_fields[i] = field;
    }

    m_sample = new SampleButton(this);
    m_sample->setObjectName(qtext(info.sampleName));
    m_sample->setToolTip(QStringLiteral("Click to select color"));
    m_sample->setFixedSize(fieldWidth, m_fields[0]->sizeHint().height());
    m_sample->setAutoDefault(false);
    grid->addWidget(m_sample, 2, 4);
    connect(m_sample, &QPushButton::clicked, this, [this] { emit pickRequested(m_group); });
    m_sampleColour = m_sample->palette().color(QPalette::Button);
}

void ColourGroupBox::shareWidth()
{
    const int least = fontMetrics().horizontalAdvance(QStringLiteral("0.000")) + 8;
    for (NumberField *field : m_fields) {
        field->setMinimumWidth(least);
        field->setMaximumWidth(QWIDGETSIZE_MAX);
    }
    const int height = m_sample->height();
    m_sample->setMinimumSize(least / 2, height);
    m_sample->setMaximumSize(QWIDGETSIZE_MAX, height);
}

void ColourGroupBox::showTexts(const ColourTexts &texts)
{
    for (std::size_t i = 0; i < 4; ++i)
        m_fields[i]->showValue(QString::fromStdString(texts[i]));
}

ColourTexts ColourGroupBox::texts() const
{
    ColourTexts out;
    for (std::size_t i = 0; i < 4; ++i)
        out[i] = m_fields[i]->text().toStdString();
    return out;
}

void ColourGroupBox::setUsable(bool usable)
{
    for (NumberField *field : m_fields) {
        field->setEnabled(usable);
        if (!usable)
            setBackground(field, kUnusableBackground);
    }
    m_sample->setEnabled(usable);
    if (!usable)
        setSampleColour(kUnusableBackground);
}

bool ColourGroupBox::isUsable() const
{
    return m_fields[0]->isEnabled();
}

void ColourGroupBox::paintSample()
{
    const Rgb8 colour = kovrin::sampleColour(texts());
    setSampleColour(QColor(colour.red, colour.green, colour.blue));
}

void ColourGroupBox::showNoColour()
{
    resetBackground(m_sample);
    m_sampleColour = m_sample->palette().color(QPalette::Button);
}

void ColourGroupBox::applyPick(Rgb8 picked, char separator)
{
    const auto pickedTexts = pickedComponentTexts(picked, separator);
    for (std::size_t i = 0; i < 3; ++i)
        m_fields[i]->setGuardedText(QString::fromStdString(pickedTexts[i]));
}

void ColourGroupBox::setSampleColour(const QColor &colour)
{
    m_sampleColour = colour;
    setBackground(m_sample, colour);
}

} // namespace kovrin
