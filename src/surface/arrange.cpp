#include "surface/arrange.h"

#include "surface/drag.h"
#include "surface/with_content.h"

#include <algorithm>
#include <numeric>

namespace kovrin {
namespace {

// Lefts (or tops) spaced so that the gaps between neighbours are equal; the first and the last
// by centre stay where they are. Positions are whole twips.
void distribute(std::vector<TwipRect> &rects, double TwipRect::*start, double TwipRect::*extent)
{
    std::vector<std::size_t> order(rects.size());
    std::iota(order.begin(), order.end(), std::size_t {0});
    const auto centre = [&](std::size_t i) {
        return rects[i].*start + rects[i].*extent / 2;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return centre(a) < centre(b); });

    const TwipRect &first = rects[order.front()];
    const TwipRect &last = rects[order.back()];
    double inner = 0;
    for (std::size_t k = 1; k + 1 < order.size(); ++k)
        inner += rects[order[k]].*extent;
    const double gap = (last.*start - (first.*start + first.*extent) - inner)
        / static_cast<double>(order.size() - 1);
    double cursor = first.*start + first.*extent + gap;
    for (std::size_t k = 1; k + 1 < order.size(); ++k) {
        TwipRect &r = rects[order[k]];
        r.*start = wholeTwips(cursor);
        cursor += r.*extent + gap;
    }
}

} // namespace

std::size_t controlsNeeded(ArrangeCommand command)
{
    const bool distributes = command == ArrangeCommand::DistributeHorizontally
        || command == ArrangeCommand::DistributeVertically;
    return distributes ? 3 : 2;
}

bool changesSize(ArrangeCommand command)
{
    return command == ArrangeCommand::SameWidth || command == ArrangeCommand::SameHeight
        || command == ArrangeCommand::SameSize;
}

std::vector<TwipRect> arrangedRects(ArrangeCommand command, std::vector<TwipRect> rects)
{
    if (rects.size() < controlsNeeded(command))
        return rects;
    const TwipRect ref = rects.front();
    if (command == ArrangeCommand::DistributeHorizontally) {
        distribute(rects, &TwipRect::left, &TwipRect::width);
        return rects;
    }
    if (command == ArrangeCommand::DistributeVertically) {
        distribute(rects, &TwipRect::top, &TwipRect::height);
        return rects;
    }
    for (TwipRect &r : rects) {
        switch (command) {
        case ArrangeCommand::AlignLeft:
            r.left = ref.left;
            break;
        case ArrangeCommand::AlignRight:
            r.left = ref.right() - r.width;
            break;
        case ArrangeCommand::AlignTop:
            r.top = ref.top;
            break;
        case ArrangeCommand::AlignBottom:
            r.top = ref.bottom() - r.height;
            break;
        case ArrangeCommand::AlignCentresHorizontally:
            r.left = wholeTwips(ref.left + (ref.width - r.width) / 2);
            break;
        case ArrangeCommand::AlignCentresVertically:
            r.top = wholeTwips(ref.top + (ref.height - r.height) / 2);
            break;
        case ArrangeCommand::SameWidth:
            r.width = ref.width;
            break;
        case ArrangeCommand::SameHeight:
            r.height = ref.height;
            break;
        case ArrangeCommand::SameSize:
            r.width = ref.width;
            r.height = ref.height;
            break;
        case ArrangeCommand::DistributeHorizontally:
        case ArrangeCommand::DistributeVertically:
            break;
        }
    }
    return rects;
}

bool arrangeControls(SurfaceRef s, const std::vector<std::string> &tags, ArrangeCommand command)
{
    std::vector<std::string> shown;
    std::vector<TwipRect> rects;
    for (const std::string &tag : tags) {
        if (const DrawnControl *drawn = s.drawn().findByTag(tag); drawn && drawn->visible) {
            shown.push_back(tag);
            rects.push_back(drawn->rect());
        }
    }
    if (shown.size() < controlsNeeded(command))
        return false;
    const std::vector<TwipRect> arranged = arrangedRects(command, rects);
    if (arranged == rects)
        return false;
    // Every picked record is written, the reference too, so that the lined-up controls share one
    // rounded fraction even where a record held more decimals than the rounding keeps.
    // A group goes first: it takes the controls inside it along, and they then go to their own.
    bool changed = false;
    for (std::size_t i : holdersFirst(s.dialog().cControls, shown))
        changed = applyGeometry(s, shown[i], arranged[i], changesSize(command)) || changed;
    return changed;
}

} // namespace kovrin
