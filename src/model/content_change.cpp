#include "model/content_change.h"

#include <algorithm>

namespace kovrin {
namespace {

template<typename T>
Stretch<T> stretchBetween(const std::vector<T> &before, const std::vector<T> &after)
{
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < shorter - head
           && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const auto slice = [head, tail](const std::vector<T> &all) {
        return std::vector<T>(all.begin() + static_cast<std::ptrdiff_t>(head),
                              all.end() - static_cast<std::ptrdiff_t>(tail));
    };
    return {head, slice(before), slice(after)};
}

template<typename T>
void replaceStretch(std::vector<T> &all, std::size_t at, const std::vector<T> &from,
                    const std::vector<T> &to)
{
    const auto start = all.begin() + static_cast<std::ptrdiff_t>(at);
    all.erase(start, start + static_cast<std::ptrdiff_t>(from.size()));
    all.insert(all.begin() + static_cast<std::ptrdiff_t>(at), to.begin(), to.end());
}

bool withinATwip(double a, double b)
{
    return a - b < 1.0 && b - a < 1.0;
}

bool sameButForATwip(const DrawnControl &a, const DrawnControl &b)
{
    DrawnControl placedLikeA = b;
    placedLikeA.left = a.left;
    placedLikeA.top = a.top;
    placedLikeA.width = a.width;
    placedLikeA.height = a.height;
    return placedLikeA == a && withinATwip(a.left, b.left) && withinATwip(a.top, b.top)
        && withinATwip(a.width, b.width) && withinATwip(a.height, b.height);
}

} // namespace

bool ContentChange::empty() const
{
    return gridBefore == gridAfter && layoutBefore == layoutAfter && othersBefore == othersAfter
        && countersBefore == countersAfter && frameBefore == frameAfter && records.before.empty()
        && records.after.empty() && drawn.before.empty() && drawn.after.empty();
}

bool ContentChange::belowATwip() const
{
    if (gridBefore != gridAfter || layoutBefore != layoutAfter || othersBefore != othersAfter
        || countersBefore != countersAfter || frameBefore != frameAfter
        || records.before != records.after || drawn.before.size() != drawn.after.size())
        return false;
    return std::equal(drawn.before.begin(), drawn.before.end(), drawn.after.begin(),
                      sameButForATwip);
}

ContentChange changeBetween(const DialogContent &before, const Dialog &after)
{
    ContentChange change;
    change.gridBefore = before.GridSize;
    change.gridAfter = after.GridSize;
    change.layoutBefore = before.Layout;
    change.layoutAfter = after.Layout;
    change.othersBefore = before.Others;
    change.othersAfter = after.Others;
    change.countersBefore = before.drawn.lastElement;
    change.countersAfter = after.drawn.lastElement;
    change.frameBefore = before.drawn.frame;
    change.frameAfter = after.drawn.frame;
    change.records = stretchBetween(before.cControls, after.cControls);
    change.drawn = stretchBetween(before.drawn.stack, after.drawn.stack);
    return change;
}

void redoChange(DialogContent &content, const ContentChange &change)
{
    content.GridSize = change.gridAfter;
    content.Layout = change.layoutAfter;
    content.Others = change.othersAfter;
    content.drawn.lastElement = change.countersAfter;
    content.drawn.frame = change.frameAfter;
    replaceStretch(content.cControls, change.records.at, change.records.before,
                   change.records.after);
    replaceStretch(content.drawn.stack, change.drawn.at, change.drawn.before, change.drawn.after);
}

void undoChange(DialogContent &content, const ContentChange &change)
{
    content.GridSize = change.gridBefore;
    content.Layout = change.layoutBefore;
    content.Others = change.othersBefore;
    content.drawn.lastElement = change.countersBefore;
    content.drawn.frame = change.frameBefore;
    replaceStretch(content.cControls, change.records.at, change.records.after,
                   change.records.before);
    replaceStretch(content.drawn.stack, change.drawn.at, change.drawn.after, change.drawn.before);
}

} // namespace kovrin
