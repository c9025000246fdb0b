#pragma once
// Where "&Cascade" and "&Tile" put the dialog windows, in the workspace's pixels from the top-left
// of its view. The windows keep their sizes (a dialog window cannot be resized); whatever lies
// beyond the view is reached with the workspace's scroll bars.

#include <cstddef>
#include <vector>

namespace kovrin {

struct WindowSize
{
    int width = 0;
    int height = 0;
};

struct WindowPlace
{
    int x = 0;
    int y = 0;
    bool operator==(const WindowPlace &) const = default;
};

// Each window one title bar's height down and right of the one before, so that every title shows
// above the window stacked after it; the next starts over at the top-left when its title bar
// would leave the view.
std::vector<WindowPlace> cascadePlaces(std::size_t count, WindowSize view, int titleHeight);

// Rows left to right, as many windows in a row as fit the view's width (at least one), each row
// below the tallest window of the row above: no two windows overlap.
std::vector<WindowPlace> tilePlaces(const std::vector<WindowSize> &windows, int viewWidth);

} // namespace kovrin
