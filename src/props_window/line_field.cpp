#include "props_window/line_field.h"

#include <QFocusEvent>
#include <QTimer>

namespace kovrin {

LineField::LineField(bool selectOnFocus, QWidget *parent)
    : QLineEdit(parent)
    , m_selectOnFocus(selectOnFocus)
{
}

void LineField::focusInEvent(QFocusEvent *event)
{
    if (!m_selectOnFocus) {
        // The line edit selects everything when the focus comes by Tab or a shortcut; told of
        // another reason, it leaves the text and the caret as they were.
        QFocusEvent plain(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&plain);
        return;
    }
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click places the caret after the focus arrives; select again once it has.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

} // namespace kovrin
