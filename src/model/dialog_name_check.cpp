#include "model/dialog_name_check.h"

#include "model/ignoring_case.h"

namespace kovrin {

std::string dialogNameProblems(std::string_view name)
{
    if (name.empty())
        return "- You must enter a name for the dialog!\r\n";
    std::string problems;
    if (name.find('"') != std::string_view::npos)
        problems += "- The name cannot hold a double quote (\"): the design file could not read it "
                    "back.\r\n";
    if (name == "###")
        problems += "- The name cannot be ###: the design file uses it to end a record.\r\n";
    return problems;
}

std::string dialogNameProblems(std::string_view name, const DialogSet &set,
                               std::int16_t ownFrmIndex)
{
    std::string problems = dialogNameProblems(name);
    if (name.empty())
        return problems;
    // The game takes class names that differ only by case for one.
    for (const Dialog &dialog : set.cForms()) {
        if (dialog.FrmIndex != ownFrmIndex && equalIgnoringCase(dialog.Tag, name)) {
            problems += "- Another dialog is already named " + dialog.Tag
                + ". Each dialog needs a name of its own in the generated code, and the game "
                  "does not tell names apart by the case of their letters.\r\n";
            break;
        }
    }
    return problems;
}

} // namespace kovrin
