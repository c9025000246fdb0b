#include "model/drawn_controls.h"

#include "model/limits.h"

#include <algorithm>

namespace kovrin {

std::string_view drawnCaption(const DrawnControl &control)
{
    const std::string_view caption = control.caption;
    if (caption.size() <= kDrawnCaptionBytes)
        return caption;
    std::size_t end = kDrawnCaptionBytes;
    while (end > 0 && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
        --end;
    return caption.substr(0, end);
}

bool DrawnControls::canMakeElement(ControlKind kind) const
{
    return lastElement[kindIndex(kind)] < kCounterLimit;
}

DrawnControl &DrawnControls::makeElement(ControlKind kind)
{
    DrawnControl control;
    control.kind = kind;
    control.element = lastElement[kindIndex(kind)]++;
    stack.push_back(std::move(control));
    return stack.back();
}

DrawnControl *DrawnControls::findByTag(std::string_view tag)
{
    const auto index = stackIndexOfTag(tag);
    return index ? &stack[*index] : nullptr;
}

const DrawnControl *DrawnControls::findByTag(std::string_view tag) const
{
    const auto index = stackIndexOfTag(tag);
    return index ? &stack[*index] : nullptr;
}

std::optional<std::size_t> DrawnControls::stackIndexOfTag(std::string_view tag) const
{
    for (std::size_t i = 0; i < stack.size(); ++i) {
        if (stack[i].tag == tag)
            return i;
    }
    return std::nullopt;
}

bool DrawnControls::isShown(std::string_view tag) const
{
    const DrawnControl *control = findByTag(tag);
    return control && control->visible;
}

void DrawnControls::bringToFront(std::string_view tag)
{
    if (auto i = stackIndexOfTag(tag)) {
        auto it = stack.begin() + static_cast<std::ptrdiff_t>(*i);
        std::rotate(it, it + 1, stack.end());
    }
}

void DrawnControls::sendToBack(std::string_view tag)
{
    if (auto i = stackIndexOfTag(tag)) {
        auto it = stack.begin() + static_cast<std::ptrdiff_t>(*i);
        std::rotate(stack.begin(), it, it + 1);
    }
}

const DrawnControl *DrawnControls::hitTest(double x, double y) const
{
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        if (it->visible && it->contains(x, y))
            return &*it;
    }
    return nullptr;
}

} // namespace kovrin
