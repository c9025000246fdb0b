#include "app/about_window.h"

#include "app/about_logo.h"
#include "app/product.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace kovrin {
namespace {

QLabel *arialLabel(const QString &name, const QString &text, int pointSize, bool bold,
                   QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"), pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}

} // namespace

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_About"));
    setWindowTitle(QStringLiteral("About ") + productName());
    setFocusPolicy(Qt::StrongFocus);

    auto *frame = new QFrame(this);
    m_frame = frame;
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setToolTip(QStringLiteral("Click or press a key to close."));
    frame->installEventFilter(this);

    auto *logo = new QLabel(frame);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setPixmap(aboutLogo(96));
    logo->setAlignment(Qt::AlignTop);

    auto *text = new QVBoxLayout;
    text->addWidget(arialLabel(QStringLiteral("lblProductName"), productName(), 20, true, frame));
    text->addWidget(arialLabel(QStringLiteral("lblVersion"), versionLine(), 11, false, frame));
    text->addSpacing(12);
    text->addWidget(
        arialLabel(QStringLiteral("lblYear"), QStringLiteral("© 2026"), 9, false, frame));
    text->addWidget(arialLabel(QStringLiteral("lblMaker"),
                               QStringLiteral("Made by the Kovrin developers for mission makers."),
                               9, false, frame));
    auto *terms = arialLabel(QStringLiteral("lblTerms"),
                             QStringLiteral("Free to use for your missions. Provided as is, "
                                            "without warranty of any kind."),
                             9, false, frame);
    terms->setWordWrap(true);
    text->addWidget(terms);
    text->addStretch();

    auto *inside = new QHBoxLayout(frame);
    inside->setContentsMargins(18, 18, 18, 18);
    inside->setSpacing(18);
    inside->addWidget(logo);
    inside->addLayout(text, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);
    setFixedSize(sizeHint().expandedTo(QSize(420, 0)));
}

void AboutWindow::keyPressEvent(QKeyEvent *event)
{
    // Letters, digits, Enter, Escape and Backspace all produce a character; arrows do not.
    if (!event->text().isEmpty()) {
        accept();
        return;
    }
    event->ignore();
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == m_frame) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kovrin
