#pragma once
// The OK and Cancel buttons both one-field prompts share: right-aligned, named cmd_OK and
// cmd_Cancel, never default, with Enter and Escape taken on the field and both buttons at the
// moment the prompt answers keys.

#include "app/key_command_filter.h"

#include <functional>

class QDialog;
class QHBoxLayout;
class QWidget;

namespace kovrin {

// Returns the row of buttons for the prompt's layout.
QHBoxLayout *makePromptButtons(QDialog &prompt, QWidget *field, KeyCommandFilter::Moment moment,
                               const std::function<void()> &ok,
                               const std::function<void()> &cancel);

} // namespace kovrin
