#include "model/window_layout.h"

#include <algorithm>

namespace kovrin {

std::vector<WindowPlace> cascadePlaces(std::size_t count, WindowSize view, int titleHeight)
{
    const int step = std::max(1, titleHeight);
    std::vector<WindowPlace> places;
    places.reserve(count);
    WindowPlace next;
    for (std::size_t i = 0; i < count; ++i) {
        // The title bar's left end, a square of its height, must show in the view.
        if (!places.empty() && (next.y + step > view.height || next.x + step > view.width))
            next = {};
        places.push_back(next);
        next = {next.x + step, next.y + step};
    }
    return places;
}

std::vector<WindowPlace> tilePlaces(const std::vector<WindowSize> &windows, int viewWidth)
{
    std::vector<WindowPlace> places;
    places.reserve(windows.size());
    int x = 0;
    int rowTop = 0;
    int rowBottom = 0;
    for (const WindowSize &window : windows) {
        if (x > 0 && x + window.width > viewWidth) {
            x = 0;
            rowTop = rowBottom;
        }
        places.push_back({x, rowTop});
        x += window.width;
        rowBottom = std::max(rowBottom, rowTop + window.height);
    }
    return places;
}

} // namespace kovrin
