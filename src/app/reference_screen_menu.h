#pragma once
// View > "Reference screen": the monitor every surface stands for, one aspect and one interface
// size checked. The stored choice is applied at start; a new one is stored and applied at once.

#include "model/reference_screen.h"

#include <QList>
#include <QObject>

class QAction;

namespace kovrin {

class DialogWorkspace;

class ReferenceScreenMenu : public QObject
{
    Q_OBJECT
public:
    // The entries in the order of kAllAspects and kAllInterfaceSizes.
    ReferenceScreenMenu(QList<QAction *> aspects, QList<QAction *> sizes,
                        DialogWorkspace &workspace, QObject *parent = nullptr);

    ReferenceScreen checked() const;

private:
    void show(const ReferenceScreen &screen);
    void choose();

    QList<QAction *> m_aspects;
    QList<QAction *> m_sizes;
    DialogWorkspace &m_workspace;
};

} // namespace kovrin
