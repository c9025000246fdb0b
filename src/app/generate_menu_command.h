#pragma once
// "&Generate .ext code": the code window over the whole set, or a warning when there is no
// dialog to generate. The code is shown and copied as the chosen code page holds it.

#include "model/code_page.h"

class QWidget;

namespace kovrin {

class DialogSet;
class ModalRunner;
class UserPrompts;

void generateCodeCommand(const DialogSet &set, CodeEncoding encoding, UserPrompts &prompts,
                         const ModalRunner &runner, QWidget *parent);

} // namespace kovrin
