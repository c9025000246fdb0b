#pragma once
// How the program's own modal windows (prompts, code window, About) are run: exec() in the
// program. Tests replace it with a function that drives the window's widgets and returns, so no
// test ever waits in a modal loop.

#include <functional>

class QDialog;

namespace kovrin {

class ModalRunner
{
public:
    using Run = std::function<void(QDialog &)>;

    // Shows the window modally and returns once it has been closed or hidden.
    void run(QDialog &dialog) const;
    void replace(Run run) { m_run = std::move(run); }

private:
    Run m_run;
};

} // namespace kovrin
