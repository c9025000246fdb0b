#pragma once
// "&Generate .ext code": the code window over the whole set, or a warning when there is no
// dialog to generate.

class QWidget;

namespace kovrin {

class DialogSet;
class ModalRunner;
class UserPrompts;

void generateCodeCommand(const DialogSet &set, UserPrompts &prompts, const ModalRunner &runner,
                         QWidget *parent);

} // namespace kovrin
