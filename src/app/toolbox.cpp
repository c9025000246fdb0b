#include "app/toolbox.h"

#include "model/drawn_control.h"

#include <QIcon>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cmath>

// Resources of a static library are registered by hand, outside any namespace.
static void registerToolboxPictures()
{
    Q_INIT_RESOURCE(toolbox);
}

namespace kovrin {
namespace {

struct KindButton
{
    ControlKind kind;
    const char *name;
    const char *picture;
    const char *hint;
    int row;
    int column;
};

// Three rows of three, as the user finds them, the controls group below them, and the newer
// game's ten after the group, three a row.
constexpr std::array<KindButton, 20> kButtons {{
    {ControlKind::Text, "cmd_text", "text", "Static text", 0, 0},
    {ControlKind::Link, "cmd_linktext", "linktext", "Active text (link)", 0, 1},
    {ControlKind::Input, "cmd_input", "input", "Input box", 0, 2},
    {ControlKind::Button, "cmd_button", "button", "Button", 1, 0},
    {ControlKind::Combo, "cmd_combo", "combo", "Combo box", 1, 1},
    {ControlKind::List, "cmd_list", "list", "List box", 1, 2},
    {ControlKind::Slider, "cmd_slider", "slider", "Slider", 2, 0},
    {ControlKind::Frame, "cmd_frame", "frame", "Frame", 2, 1},
    {ControlKind::Picture, "cmd_picture", "picture", "Picture", 2, 2},
    {ControlKind::Group, "cmd_group", "group", "Controls group", 3, 0},
    {ControlKind::StructuredText, "cmd_structuredtext", "structuredtext", "Structured text", 3, 1},
    {ControlKind::ShortcutButton, "cmd_shortcutbutton", "shortcutbutton", "Shortcut button", 3, 2},
    {ControlKind::Map, "cmd_map", "map", "Map", 4, 0},
    {ControlKind::ColumnList, "cmd_columnlist", "columnlist", "List with columns", 4, 1},
    {ControlKind::Progress, "cmd_progress", "progress", "Progress bar", 4, 2},
    {ControlKind::CheckBox, "cmd_checkbox", "checkbox", "Check box", 5, 0},
    {ControlKind::CheckBoxRow, "cmd_checkboxrow", "checkboxrow", "Row of check boxes", 5, 1},
    {ControlKind::ExtSlider, "cmd_xslider", "xslider", "Slider with arrows", 5, 2},
    {ControlKind::Tree, "cmd_tree", "tree", "Tree", 6, 0},
    {ControlKind::ToolboxRow, "cmd_toolboxrow", "toolboxrow", "Row of choices", 6, 1},
}};

// The layout in twips: columns, rows, button size, and "Cancel selection" below.
constexpr std::array<int, 3> kColumnLeft {60, 705, 1350};
constexpr std::array<int, 7> kRowTop {105, 660, 1230, 1800, 2370, 2940, 3510};
constexpr int kButtonWidth = 570;
constexpr int kButtonHeight = 480;
constexpr int kCancelLeft = 45;
constexpr int kCancelTop = 4080;
constexpr int kCancelWidth = 1875;
constexpr int kCancelHeight = 330;
constexpr int kClientWidth = 1980;
constexpr int kClientHeight = 4515;
constexpr int kTopEdge = 1000;

// The order in which disarming paints the definition's kind buttons and the group's grey, as it
// always was; the newer kinds follow in their table's order.
constexpr std::array<ControlKind, 10> kDisarmOrder {
    ControlKind::Combo, ControlKind::Button, ControlKind::Frame,   ControlKind::Input,
    ControlKind::Link,  ControlKind::List,   ControlKind::Picture, ControlKind::Slider,
    ControlKind::Text,  ControlKind::Group};

const QColor kDisarmedGrey(210, 210, 210);
const QColor kArmedYellow(255, 255, 0);

int px(int twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect pxRect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

void paintButton(QPushButton *button, const QColor &colour)
{
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, colour);
    button->setPalette(palette);
}

} // namespace

Toolbox::Toolbox(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    registerToolboxPictures();
    setObjectName(QStringLiteral("frm_toolbox"));
    setWindowTitle(QStringLiteral("Controls Toolbox"));
    setFixedSize(px(kClientWidth), px(kClientHeight));

    for (const KindButton &entry : kButtons) {
        auto *button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(QString::fromLatin1(entry.hint));
        button->setIcon(
            QIcon(QStringLiteral(":/toolbox/%1.png").arg(QLatin1String(entry.picture))));
        button->setIconSize(QSize(28, 22));
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(pxRect(kColumnLeft[static_cast<std::size_t>(entry.column)],
                                   kRowTop[static_cast<std::size_t>(entry.row)], kButtonWidth,
                                   kButtonHeight));
        const ControlKind kind = entry.kind;
        connect(button, &QPushButton::clicked, this, [this, kind] { arm(kind); });
        m_kindButtons[kindIndex(kind)] = button;
    }

    auto *cancel = new QPushButton(QStringLiteral("Cancel selection"), this);
    cancel->setObjectName(QStringLiteral("cmd_Cancel"));
    cancel->setToolTip(QStringLiteral("Cancel current selection"));
    cancel->setFocusPolicy(Qt::NoFocus);
    cancel->setGeometry(pxRect(kCancelLeft, kCancelTop, kCancelWidth, kCancelHeight));
    connect(cancel, &QPushButton::clicked, this, &Toolbox::disarm);
}

void Toolbox::disarm()
{
    for (ControlKind kind : kDisarmOrder)
        paintButton(kindButton(kind), kDisarmedGrey);
    for (ControlKind kind : kNewerKinds)
        paintButton(kindButton(kind), kDisarmedGrey);
    m_armed.reset();
}

void Toolbox::arm(ControlKind kind)
{
    disarm();
    m_armed = kind;
    paintButton(kindButton(kind), kArmedYellow);
}

void Toolbox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        placeAtTheRightEdge();
    }
}

// Touching the right edge of the screen, 1000 twips from its top.
void Toolbox::placeAtTheRightEdge()
{
    const QScreen *where = screen();
    if (!where)
        return;
    const QRect screenArea = where->geometry();
    // The frame is known from the platform window once it exists, before the window manager
    // has reported it to the widget.
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const int outerWidth = width() + frame.left() + frame.right();
    move(screenArea.x() + screenArea.width() - outerWidth, screenArea.y() + px(kTopEdge));
}

} // namespace kovrin
