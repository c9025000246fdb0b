#include "app/generate_menu_command.h"

#include "app/code_window.h"
#include "app/modal_runner.h"
#include "codegen/generate_code.h"
#include "model/dialog_set.h"
#include "surface_view/user_prompts.h"

namespace kovrin {

void generateCodeCommand(const DialogSet &set, UserPrompts &prompts, const ModalRunner &runner,
                         QWidget *parent)
{
    if (set.count() < 1) {
        prompts.message(QStringLiteral("WARNING"), QStringLiteral("No dialogs to generate."),
                        UserPrompts::Icon::Warning);
        return;
    }
    // Generated anew each time, so the window always shows the set as it is now.
    CodeWindow window(QString::fromStdString(generateCode(set)), parent);
    runner.run(window);
}

} // namespace kovrin
