#pragma once
// Runs the program's own modal windows (prompts, code window, About) in tests: each window the
// program opens is handed to the next scripted step, which drives its widgets and closes it. A
// window with no step left is recorded and cancelled, so a test never waits in a modal loop.

#include "app/modal_runner.h"

#include <QDialog>
#include <QStringList>

#include <deque>
#include <functional>

namespace kovrin {

class ScriptedWindows
{
public:
    using Step = std::function<void(QDialog &)>;

    std::deque<Step> steps;
    QStringList shown; // objectName of every window run, in order
    int unexpected = 0;

    void install(ModalRunner &runner)
    {
        runner.replace([this](QDialog &dialog) {
            shown << dialog.objectName();
            if (steps.empty()) {
                ++unexpected;
                dialog.reject();
                return;
            }
            Step step = std::move(steps.front());
            steps.pop_front();
            step(dialog);
        });
    }
};

} // namespace kovrin
