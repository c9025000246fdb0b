#include "surface_view/order_window.h"

#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kovrin {
namespace {

const std::vector<ControlRecord> &recordsOf(SurfaceHost &host, const SurfaceView &view)
{
    static const std::vector<ControlRecord> none;
    const DialogSet &set = host.document();
    const auto index = set.indexOfFrmIndex(view.frmIndex());
    return index ? set.dialog(*index).cControls : none;
}

// The list of the first picked control or, with none picked, of the focused one: the dialog's
// own when neither stands in a controls group.
std::string shownList(SurfaceHost &host, const SurfaceView &view)
{
    const std::vector<std::string> picked = view.selection().tags();
    const std::string tag = picked.empty() ? view.interaction().focusTag : picked.front();
    return orderedListOf(recordsOf(host, view), tag);
}

QPushButton *addButton(QVBoxLayout *column, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false); // Enter means OK wherever the focus is
    column->addWidget(button);
    return button;
}

} // namespace

OrderWindow::OrderWindow(SurfaceHost &host, SurfaceView &view, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
    , m_view(view)
    , m_list(recordsOf(host, view), shownList(host, view))
    , m_entries(new QListWidget)
{
    setObjectName(QStringLiteral("frm_organize"));
    setWindowTitle(QStringLiteral("Organize controls"));
    setModal(true);

    auto *explanation = new QLabel(
        QStringLiteral("Topmost controls in the list will appear further back. Select a "
                       "control/s and click FRONT and BACK to change its order."));
    explanation->setWordWrap(true);
    m_entries->setObjectName(QStringLiteral("lst_ctrls"));
    m_entries->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto *buttons = new QVBoxLayout;
    QPushButton *frontButton = addButton(buttons, "cmd_front", QStringLiteral("Front"));
    QPushButton *backButton = addButton(buttons, "cmd_back", QStringLiteral("Back"));
    buttons->addStretch();
    QPushButton *okButton = addButton(buttons, "cmd_OK", QStringLiteral("OK"));
    QPushButton *cancelButton = addButton(buttons, "cmd_Cancel", QStringLiteral("Cancel"));

    auto *body = new QHBoxLayout;
    body->addWidget(m_entries, 1);
    body->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(body, 1);
    resize(360, 320);

    connect(frontButton, &QPushButton::clicked, this, &OrderWindow::front);
    connect(backButton, &QPushButton::clicked, this, &OrderWindow::back);
    connect(okButton, &QPushButton::clicked, this, &OrderWindow::ok);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    for (QWidget *w : {static_cast<QWidget *>(m_entries), static_cast<QWidget *>(frontButton),
                       static_cast<QWidget *>(backButton), static_cast<QWidget *>(okButton),
                       static_cast<QWidget *>(cancelButton)})
        w->installEventFilter(this);

    for (std::size_t i = 0; i < m_list.count(); ++i)
        m_entries->addItem(QString());
    showList();
}

// The selection marks of the list's places, as the user left them.
void OrderWindow::takeSelection()
{
    for (std::size_t i = 0; i < m_list.count(); ++i)
        m_list.setSelected(i, m_entries->item(static_cast<int>(i))->isSelected());
}

void OrderWindow::showList()
{
    const QSignalBlocker quiet(m_entries);
    for (std::size_t i = 0; i < m_list.count(); ++i) {
        QListWidgetItem *item = m_entries->item(static_cast<int>(i));
        const OrderEntry &entry = m_list.entries()[i];
        item->setText(QString::fromStdString(entry.text));
        item->setData(Qt::UserRole, entry.number);
        item->setSelected(m_list.isSelected(i));
    }
}

void OrderWindow::front()
{
    takeSelection();
    m_list.front();
    showList();
}

void OrderWindow::back()
{
    takeSelection();
    m_list.back();
    showList();
}

void OrderWindow::ok()
{
    m_view.applyControlOrder(m_list.tagsInOrder(recordsOf(m_host, m_view)));
    accept();
}

bool OrderWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ok();
            return true;
        }
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kovrin
