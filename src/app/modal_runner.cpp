#include "app/modal_runner.h"

#include <QDialog>

namespace kovrin {

void ModalRunner::run(QDialog &dialog) const
{
    if (m_run)
        m_run(dialog);
    else
        dialog.exec();
}

} // namespace kovrin
