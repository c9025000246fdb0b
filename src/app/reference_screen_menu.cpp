#include "app/reference_screen_menu.h"

#include "app/dialog_workspace.h"
#include "app/reference_screen_setting.h"

#include <QAction>

namespace kovrin {

ReferenceScreenMenu::ReferenceScreenMenu(QList<QAction *> aspects, QList<QAction *> sizes,
                                         DialogWorkspace &workspace, QObject *parent)
    : QObject(parent)
    , m_aspects(std::move(aspects))
    , m_sizes(std::move(sizes))
    , m_workspace(workspace)
{
    const ReferenceScreen stored = readReferenceScreen();
    show(stored);
    m_workspace.setReferenceScreen(stored);
    for (QAction *entry : m_aspects + m_sizes)
        connect(entry, &QAction::triggered, this, &ReferenceScreenMenu::choose);
}

ReferenceScreen ReferenceScreenMenu::checked() const
{
    ReferenceScreen screen;
    for (qsizetype i = 0; i < m_aspects.size(); ++i) {
        if (m_aspects[i]->isChecked())
            screen.aspect = kAllAspects.at(static_cast<std::size_t>(i));
    }
    for (qsizetype i = 0; i < m_sizes.size(); ++i) {
        if (m_sizes[i]->isChecked())
            screen.size = kAllInterfaceSizes.at(static_cast<std::size_t>(i));
    }
    return screen;
}

void ReferenceScreenMenu::show(const ReferenceScreen &screen)
{
    for (qsizetype i = 0; i < m_aspects.size(); ++i)
        m_aspects[i]->setChecked(kAllAspects.at(static_cast<std::size_t>(i)) == screen.aspect);
    for (qsizetype i = 0; i < m_sizes.size(); ++i)
        m_sizes[i]->setChecked(kAllInterfaceSizes.at(static_cast<std::size_t>(i)) == screen.size);
}

void ReferenceScreenMenu::choose()
{
    const ReferenceScreen screen = checked();
    if (screen == m_workspace.set().referenceScreen())
        return;
    writeReferenceScreen(screen);
    m_workspace.setReferenceScreen(screen);
}

} // namespace kovrin
