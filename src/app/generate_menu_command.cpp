#include "app/generate_menu_command.h"

#include "app/code_window.h"
#include "app/modal_runner.h"
#include "codegen/generate_code.h"
#include "model/dialog_set.h"
#include "surface_view/user_prompts.h"

namespace kovrin {

void generateCodeCommand(const DialogSet &set, CodeEncoding encoding, UserPrompts &prompts,
                         const ModalRunner &runner, QWidget *parent)
{
    if (set.count() < 1) {
        prompts.message(QStringLiteral("WARNING"), QStringLiteral("No dialogs to generate."),
                        UserPrompts::Icon::Warning);
        return;
    }
    // Generated anew each time, so the window always shows the set as it is now.
    std::string code = generateCode(set);
    // Windows-1252 shows what a file of the code would hold: "?" for what it cannot.
    if (encoding == CodeEncoding::Windows1252 && !fitsCp1252(code))
        code = decodeCp1252(encodeCp1252(code).bytes);
    CodeWindow window(QString::fromStdString(code), parent);
    runner.run(window);
}

} // namespace kovrin
