#pragma once
// The child window of one dialog: a fixed frame around its design surface, titled with the
// dialog's name. Closing asks its guard first; a close that goes ahead reports the window (its
// dialog's number, where it stood) so the owner can take the dialog out of the set. Minimized,
// it keeps its title in sight and comes back on a click on it.

#include <QMdiSubWindow>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace kovrin {

class SurfaceView;

class DialogSubWindow : public QMdiSubWindow
{
    Q_OBJECT
public:
    using CloseGuard = std::function<bool()>;
    using Closed = std::function<void(const DialogSubWindow &window)>;

    DialogSubWindow(SurfaceView *view, CloseGuard mayClose, Closed closed);

    SurfaceView *view() const { return m_view; }
    std::int16_t frmIndex() const;
    // The dialog's name as the window title, shown literally.
    void showName(const std::string &name);

    // The frame every dialog window gets: fixed size, no maximise, deleted when closed.
    static void setUpFixedFrame(QMdiSubWindow &window);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Whether a point of the window lies on the title text of its title bar, not on a button.
    bool onTitle(const QPoint &point) const;

    SurfaceView *m_view;
    CloseGuard m_mayClose;
    Closed m_closed;
    bool m_closedOnce = false;
    std::optional<QPoint> m_titlePress; // where a press on a minimized window's title was
};

} // namespace kovrin
