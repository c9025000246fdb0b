#include "app/window_arrangement.h"

#include "model/window_layout.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>

namespace kovrin {
namespace {

QList<QMdiSubWindow *> shownWindows(const QMdiArea &area)
{
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *window : area.subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isHidden())
            windows << window;
    }
    return windows;
}

// Places are counted from the top-left of what the scroll bars reach, not of the view.
void scrollToStart(QMdiArea &area)
{
    area.horizontalScrollBar()->setValue(area.horizontalScrollBar()->minimum());
    area.verticalScrollBar()->setValue(area.verticalScrollBar()->minimum());
}

} // namespace

int titleBarHeight(const QMdiSubWindow &window)
{
    return window.widget() ? window.widget()->y() : 0;
}

void cascadeWindows(QMdiArea &area)
{
    QList<QMdiSubWindow *> windows = shownWindows(area);
    if (windows.isEmpty())
        return;
    // The active dialog last: on top, whole, and still the one being worked on.
    QMdiSubWindow *active = area.activeSubWindow();
    if (active && windows.removeOne(active))
        windows << active;
    scrollToStart(area);
    const QSize view = area.viewport()->size();
    const std::vector<WindowPlace> places
        = cascadePlaces(static_cast<std::size_t>(windows.size()), {view.width(), view.height()},
                        titleBarHeight(*windows.first()));
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const WindowPlace place = places[static_cast<std::size_t>(i)];
        windows[i]->move(place.x, place.y);
        windows[i]->raise(); // each above the one before it, below its title bar
    }
    if (active)
        area.setActiveSubWindow(active);
}

void tileWindows(QMdiArea &area)
{
    const QList<QMdiSubWindow *> windows = shownWindows(area);
    std::vector<WindowSize> sizes;
    for (const QMdiSubWindow *window : windows)
        sizes.push_back({window->width(), window->height()});
    scrollToStart(area);
    const std::vector<WindowPlace> places = tilePlaces(sizes, area.viewport()->width());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        const WindowPlace place = places[static_cast<std::size_t>(i)];
        windows[i]->move(place.x, place.y);
    }
}

} // namespace kovrin
