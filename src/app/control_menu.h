#pragma once
// mnu_ControlManager, "Control Manager": the context menu that design surfaces show over a control
// or over their empty background. It remembers the surface that opened it (PopUpForm) and sends
// the chosen command to that surface.

#include <QMenu>
#include <QPointer>

namespace kovrin {

class SurfaceView;

class ControlMenu : public QMenu
{
    Q_OBJECT
public:
    explicit ControlMenu(QWidget *parent = nullptr);

    // Remembers the view and pops up at the point without waiting; on the empty background only
    // "&Paste control" shows until the menu closes.
    void popUpFor(SurfaceView &view, bool onControl, const QPoint &globalPos);
    // The first half of popUpFor: PopUpForm and the entries shown.
    void prepare(SurfaceView &view, bool onControl);
    // Every entry shown again.
    void showAllEntries();

    SurfaceView *popUpForm() const;

private:
    // onControlOnly: hidden while the menu stands over the empty background.
    void addCommand(const char *name, const QString &text, const QString &tip,
                    void (SurfaceView::*command)(), bool onControlOnly = true);
    QAction *addNamedSeparator(const char *name);

    QPointer<SurfaceView> m_popUpForm;
    QList<QAction *> m_controlOnly; // hidden over the empty background
};

} // namespace kovrin
