#include "app/layout_menu.h"

#include "app/dialog_workspace.h"
#include "surface/form_conversion.h"
#include "surface_view/surface_host.h"
#include "surface_view/surface_view.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace kovrin {
namespace {

QAction *addEntry(QMenu &menu, const char *name, const char *text, const char *tip)
{
    QAction *action = menu.addAction(QString::fromLatin1(text));
    action->setObjectName(QLatin1String(name));
    action->setStatusTip(QString::fromLatin1(tip));
    return action;
}

} // namespace

LayoutMenu::LayoutMenu(QMenu &arrange, DialogWorkspace &workspace, SurfaceHost &host,
                       QObject *parent)
    : QObject(parent)
    , m_workspace(workspace)
    , m_host(host)
{
    arrange.addSeparator();
    m_toSafeZone = addEntry(arrange, "mnu_tosafezone", "Convert to Safe &Zone",
                            "Make the picked controls, or all of the current dialog, fractions "
                            "of the safe zone where they stand.");
    m_toScreen = addEntry(arrange, "mnu_toscreen", "Convert to Scree&n",
                          "Make the picked controls, or all of the current dialog, plain "
                          "fractions of the screen where they stand.");
    m_layouts = arrange.addMenu(QStringLiteral("Dialog La&yout"));
    m_layouts->setObjectName(QStringLiteral("mnu_layout"));
    m_screenLayout = addEntry(*m_layouts, "mnu_layout_screen", "&Screen",
                              "New controls of the current dialog take plain fractions of the "
                              "screen.");
    m_safeZoneLayout = addEntry(*m_layouts, "mnu_layout_safezone", "Safe &Zone",
                                "New controls of the current dialog take fractions of the safe "
                                "zone, the whole visible monitor.");
    auto *choices = new QActionGroup(m_layouts);
    for (QAction *choice : {m_screenLayout, m_safeZoneLayout}) {
        choice->setCheckable(true);
        choices->addAction(choice);
    }

    connect(m_toSafeZone, &QAction::triggered, this, [this] { convert(DialogLayout::SafeZone); });
    connect(m_toScreen, &QAction::triggered, this, [this] { convert(DialogLayout::Screen); });
    connect(m_screenLayout, &QAction::triggered, this, [this] { setLayout(DialogLayout::Screen); });
    connect(m_safeZoneLayout, &QAction::triggered, this,
            [this] { setLayout(DialogLayout::SafeZone); });
    connect(&arrange, &QMenu::aboutToShow, this, &LayoutMenu::showCurrent);
    connect(m_layouts, &QMenu::aboutToShow, this, &LayoutMenu::showCurrent);
    showCurrent();
}

void LayoutMenu::showCurrent()
{
    const SurfaceView *view = m_workspace.currentView();
    const auto index = view ? m_workspace.indexOf(*view) : std::nullopt;
    for (QAction *entry : {m_toSafeZone, m_toScreen, m_screenLayout, m_safeZoneLayout})
        entry->setEnabled(index.has_value());
    m_layouts->setEnabled(index.has_value());
    const DialogLayout layout
        = index ? m_workspace.set().dialog(*index).Layout : DialogLayout::Screen;
    layoutAction(layout)->setChecked(true);
}

void LayoutMenu::setLayout(DialogLayout layout)
{
    if (const SurfaceView *view = m_workspace.currentView())
        m_workspace.setLayout(view->frmIndex(), layout);
    showCurrent();
}

void LayoutMenu::convert(DialogLayout to)
{
    SurfaceView *view = m_workspace.currentView();
    const auto index = view ? m_workspace.indexOf(*view) : std::nullopt;
    if (!index || !convertControlForms(m_workspace.set(), *index, view->selection().tags(), to))
        return;
    view->refresh();
    // The step is named after the entry.
    m_host.documentChanged(*view, convertAction(to)->text().remove(QLatin1Char('&')));
}

QAction *LayoutMenu::layoutAction(DialogLayout layout) const
{
    return layout == DialogLayout::SafeZone ? m_safeZoneLayout : m_screenLayout;
}

QAction *LayoutMenu::convertAction(DialogLayout to) const
{
    return to == DialogLayout::SafeZone ? m_toSafeZone : m_toScreen;
}

} // namespace kovrin
