#pragma once
// The busy mouse pointer for a long operation: set, the interface repaints once, and the normal
// pointer comes back when the guard ends, whatever way the operation leaves.

namespace kovrin {

class BusyCursor
{
public:
    BusyCursor();
    ~BusyCursor();
    // Gives the pointer back early, before a message box is shown.
    void release();

    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    bool m_active = true;
};

} // namespace kovrin
