#include "app/code_window.h"

#include "app/code_view.h"
#include "app/key_command_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovrin {
namespace {

// The code area: 9315 x 5760 twips at 15 twips a pixel.
constexpr int kCodeWidthPx = 621;
constexpr int kCodeHeightPx = 384;

// The code as the view shows it: each CR LF one line feed. One pass over the text, in place
// when the caller gave it up; QString::replace moves the rest of the text along at every line
// end.
QString withLineFeeds(QString code)
{
    QChar *text = code.data();
    const qsizetype size = code.size();
    qsizetype kept = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            continue;
        text[kept++] = text[i];
    }
    code.truncate(kept);
    return code;
}

} // namespace

CodeWindow::CodeWindow(QString code, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frm_generator"));
    setWindowTitle(QStringLiteral("Code to include in your mission's .ext file"));

    auto *label = new QLabel(QStringLiteral("Copy the following code into your mission's "
                                            "DESCRIPTION.EXT file. This will add the dialogs you "
                                            "created to it."),
                             this);
    label->setWordWrap(true);

    // A view that paints only the lines in sight: a text edit takes about a second to lay out
    // the code of a design with thousands of controls.
    m_code = new CodeView(this);
    m_code->setObjectName(QStringLiteral("txt_code"));
    m_code->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_code->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_code->setMinimumSize(kCodeWidthPx, kCodeHeightPx);
    m_code->setPlainText(withLineFeeds(std::move(code)));
    m_code->installEventFilter(this);

    auto *closeButton = new QPushButton(QStringLiteral("Close Window"), this);
    closeButton->setObjectName(QStringLiteral("cmd_close"));
    auto *copyButton = new QPushButton(QStringLiteral("Copy to Clipboard"), this);
    copyButton->setObjectName(QStringLiteral("cmd_copy"));
    copyButton->setToolTip(QStringLiteral("Put the whole code on the clipboard."));
    // Enter has no meaning of its own in this window.
    for (QPushButton *button : {closeButton, copyButton})
        button->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &CodeWindow::closeWindow);
    connect(copyButton, &QPushButton::clicked, this, &CodeWindow::copyToClipboard);

    // The keyboard goes from the code to the buttons in the order they stand, left to right.
    setTabOrder(m_code, copyButton);
    setTabOrder(copyButton, closeButton);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_code, 1);
    layout->addLayout(buttons);

    // Escape closes the window when it comes up, as in the code area's own key handling.
    auto *keys = new KeyCommandFilter(
        KeyCommandFilter::Moment::KeyUp, {}, [this] { closeWindow(); }, this);
    for (QWidget *widget : {static_cast<QWidget *>(m_code), static_cast<QWidget *>(closeButton),
                            static_cast<QWidget *>(copyButton)})
        keys->watch(widget);
}

QString CodeWindow::code() const
{
    return m_code->toPlainText();
}

void CodeWindow::copyToClipboard()
{
    QApplication::clipboard()->setText(code());
    m_code->setFocus();
}

void CodeWindow::closeWindow()
{
    accept();
}

bool CodeWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        m_code->setFocus(Qt::ActiveWindowFocusReason);
    return QDialog::event(event);
}

bool CodeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_code && event->type() == QEvent::FocusIn)
        m_code->selectAll();
    return QDialog::eventFilter(watched, event);
}

} // namespace kovrin
