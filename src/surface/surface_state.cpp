#include "surface/surface_state.h"

#include "model/limits.h"

#include <algorithm>

namespace kovrin {

SurfaceState::SurfaceState()
{
    m_lastElement.fill(1);
}

bool SurfaceState::canMakeElement(ControlKind kind) const
{
    return m_lastElement[kindIndex(kind)] < kCounterLimit;
}

DrawnControl &SurfaceState::makeElement(ControlKind kind)
{
    DrawnControl control;
    control.kind = kind;
    control.element = m_lastElement[kindIndex(kind)]++;
    m_stack.push_back(std::move(control));
    return m_stack.back();
}

DrawnControl *SurfaceState::findByTag(std::string_view tag)
{
    auto it = std::find_if(m_stack.begin(), m_stack.end(),
                           [tag](const DrawnControl &c) { return c.tag == tag; });
    return it == m_stack.end() ? nullptr : &*it;
}

const DrawnControl *SurfaceState::findByTag(std::string_view tag) const
{
    return const_cast<SurfaceState *>(this)->findByTag(tag);
}

std::optional<std::size_t> SurfaceState::stackIndexOfTag(std::string_view tag) const
{
    for (std::size_t i = 0; i < m_stack.size(); ++i) {
        if (m_stack[i].tag == tag)
            return i;
    }
    return std::nullopt;
}

void SurfaceState::bringToFront(std::string_view tag)
{
    if (auto i = stackIndexOfTag(tag)) {
        auto it = m_stack.begin() + static_cast<std::ptrdiff_t>(*i);
        std::rotate(it, it + 1, m_stack.end());
    }
}

void SurfaceState::sendToBack(std::string_view tag)
{
    if (auto i = stackIndexOfTag(tag)) {
        auto it = m_stack.begin() + static_cast<std::ptrdiff_t>(*i);
        std::rotate(m_stack.begin(), it, it + 1);
    }
}

const DrawnControl *SurfaceState::hitTest(double x, double y) const
{
    for (auto it = m_stack.rbegin(); it != m_stack.rend(); ++it) {
        if (it->visible && it->contains(x, y))
            return &*it;
    }
    return nullptr;
}

void SurfaceState::insertAt(std::size_t stackIndex, DrawnControl control)
{
    stackIndex = std::min(stackIndex, m_stack.size());
    m_stack.insert(m_stack.begin() + static_cast<std::ptrdiff_t>(stackIndex), std::move(control));
}

std::optional<DrawnControl> SurfaceState::take(std::string_view tag)
{
    auto i = stackIndexOfTag(tag);
    if (!i)
        return std::nullopt;
    DrawnControl control = std::move(m_stack[*i]);
    m_stack.erase(m_stack.begin() + static_cast<std::ptrdiff_t>(*i));
    return control;
}

void SurfaceState::restoreDrawnControls(DrawnControls controls)
{
    m_lastElement = controls.lastElement;
    m_stack = std::move(controls.stack);
    // What the gestures left behind must not name a control that is no longer shown, and a drag
    // under way would end on a control that is not where it was grabbed: it is let go.
    const auto shown = [this](const std::string &tag) {
        const DrawnControl *control = findByTag(tag);
        return control && control->visible;
    };
    if (!shown(focusTag))
        focusTag.clear();
    if (!shown(menu.CtrlToPos)) {
        menu.CtrlToPos.clear();
        menu.CtrlIndexToPos = -1;
    }
    drag.tracked = false;
    ShowMovingFrame(lnMoving, false);
}

} // namespace kovrin
