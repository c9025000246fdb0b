#include "surface_view/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace kovrin {

BusyCursor::BusyCursor()
{
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    // Let the pointer and the menu that was just closed repaint before the work starts.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

BusyCursor::~BusyCursor()
{
    release();
}

void BusyCursor::release()
{
    if (!m_active)
        return;
    m_active = false;
    QApplication::restoreOverrideCursor();
}

} // namespace kovrin
