#include "surface/held_keys.h"

namespace kovrin {

void HeldKeys::press(int key)
{
    m_keys[key] = 0;
}

std::uint64_t HeldKeys::release(int key)
{
    const auto at = m_keys.find(key);
    if (at == m_keys.end())
        return 0;
    at->second = ++m_lastTicket;
    return at->second;
}

bool HeldKeys::settle(int key, std::uint64_t ticket)
{
    const auto at = m_keys.find(key);
    if (ticket == 0 || at == m_keys.end() || at->second != ticket)
        return false;
    m_keys.erase(at);
    return true;
}

} // namespace kovrin
