#pragma once
// The dialog's layout and the conversion of its controls, at the end of the "&Arrange" menu:
// "Convert to Safe &Zone" and "Convert to Scree&n" turn the picked controls (or every control of
// the current dialog when none is picked) into that form where they stand, one undo step each;
// "Dialog La&yout" chooses the form new controls of the current dialog take. The entries follow
// the current dialog whenever the menu opens.

#include "model/control_forms.h"

#include <QObject>

class QAction;
class QMenu;

namespace kovrin {

class DialogWorkspace;
class SurfaceHost;

class LayoutMenu : public QObject
{
    Q_OBJECT
public:
    LayoutMenu(QMenu &arrange, DialogWorkspace &workspace, SurfaceHost &host,
               QObject *parent = nullptr);

    // The current dialog's layout checked; every entry usable only while there is one.
    void showCurrent();
    // The commands, on the current dialog; nothing without one.
    void setLayout(DialogLayout layout);
    void convert(DialogLayout to);

    QAction *layoutAction(DialogLayout layout) const;
    QAction *convertAction(DialogLayout to) const;

private:
    DialogWorkspace &m_workspace;
    SurfaceHost &m_host;
    QAction *m_toSafeZone = nullptr;
    QAction *m_toScreen = nullptr;
    QMenu *m_layouts = nullptr;
    QAction *m_screenLayout = nullptr;
    QAction *m_safeZoneLayout = nullptr;
};

} // namespace kovrin
