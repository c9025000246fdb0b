#include "app/control_menu.h"

#include "surface_view/surface_view.h"

namespace kovrin {

ControlMenu::ControlMenu(QWidget *parent)
    : QMenu(QStringLiteral("Control Manager"), parent)
{
    setObjectName(QStringLiteral("mnu_ControlManager"));
    setToolTipsVisible(true);
    addCommand("mnu_tofront", QStringLiteral("Bring control to Front"),
               QStringLiteral("Draw this control over all others."), &SurfaceView::bringToFront);
    addCommand("mnu_toback", QStringLiteral("Send control to Back"),
               QStringLiteral("Draw this control behind all others."), &SurfaceView::sendToBack);
    m_controlOnly << addNamedSeparator("mnu_ctrl_sep1");
    addCommand("mnu_makecopy", QStringLiteral("&Copy control"),
               QStringLiteral("Keep a copy of this control for pasting."),
               &SurfaceView::copyControl);
    addCommand("mnu_makepaste", QStringLiteral("&Paste control"),
               QStringLiteral("Place a copy of the copied control here."),
               &SurfaceView::pasteControl, false);
    m_controlOnly << addNamedSeparator("mnu_ctrl_sep2");
    addCommand("mnu_snaptogrid", QStringLiteral("&Snap to Grid"),
               QStringLiteral("Move this control to the nearest grid point."),
               &SurfaceView::snapToGrid);
    connect(this, &QMenu::aboutToHide, this, &ControlMenu::showAllEntries);
}

void ControlMenu::addCommand(const char *name, const QString &text, const QString &tip,
                             void (SurfaceView::*command)(), bool onControlOnly)
{
    QAction *action = addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, command] {
        if (m_popUpForm)
            (m_popUpForm.data()->*command)();
    });
    if (onControlOnly)
        m_controlOnly << action;
}

QAction *ControlMenu::addNamedSeparator(const char *name)
{
    QAction *separator = addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

void ControlMenu::prepare(SurfaceView &view, bool onControl)
{
    m_popUpForm = &view;
    for (QAction *action : std::as_const(m_controlOnly))
        action->setVisible(onControl);
}

void ControlMenu::popUpFor(SurfaceView &view, bool onControl, const QPoint &globalPos)
{
    prepare(view, onControl);
    popup(globalPos);
}

void ControlMenu::showAllEntries()
{
    for (QAction *action : std::as_const(m_controlOnly))
        action->setVisible(true);
}

SurfaceView *ControlMenu::popUpForm() const
{
    return m_popUpForm;
}

} // namespace kovrin
