#pragma once
// Tells a key's physical release from the release-and-press pairs with which some platforms
// repeat a held key, flagged as repeats or not. A release is held back for a short while: a press
// of the same key in that time shows the key is still down, and the release never counts.

#include <cstdint>
#include <map>

namespace kovrin {

class HeldKeys
{
public:
    // How long a release waits for a press that would make it a repeat. Repeats come in pairs
    // within a millisecond or two; a person's second press of one key takes far longer.
    static constexpr int kSettleMilliseconds = 50;

    // A press, first or repeated; it makes a pending release of the key a repeat.
    void press(int key);
    // A release. A ticket to settle it with after the settle time, or 0 when the key never went
    // down here (pressed elsewhere, or taken by a shortcut): such a release cannot be a repeat.
    std::uint64_t release(int key);
    // True once per physical press and release: the key went down, was released with this ticket,
    // and no press of it came since.
    bool settle(int key, std::uint64_t ticket);

private:
    std::map<int, std::uint64_t> m_keys; // a key that is down: 0; a released one: its ticket
    std::uint64_t m_lastTicket = 0;
};

} // namespace kovrin
