#pragma once
// The busy pointer over a long operation (building grid lines), shown after the interface has
// repainted once; the normal pointer returns when it goes out of scope.

#include <QApplication>

namespace kovrin {

class BusyPointer
{
public:
    BusyPointer()
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;
};

} // namespace kovrin
