#pragma once
// Runs the program's own modal windows (prompts, code window, About) in tests: each window the
// program opens is handed to the next scripted step, which drives its widgets and closes it. A
// window with no step left is recorded and cancelled, so a test never waits in a modal loop.

#include "app/modal_runner.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
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

    // The next window gets `text` typed into its `field`, then its `button` clicked.
    void fill(const char *field, const QString &text, const char *button = "cmd_OK")
    {
        steps.push_back([=](QDialog &dialog) {
            dialog.findChild<QLineEdit *>(QLatin1String(field))->setText(text);
            dialog.findChild<QPushButton *>(QLatin1String(button))->click();
        });
    }
};

} // namespace kovrin
