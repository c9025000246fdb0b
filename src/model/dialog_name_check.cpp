#include "model/dialog_name_check.h"

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
    for (const Dialog &dialog : set.cForms()) {
        if (dialog.FrmIndex != ownFrmIndex && dialog.Tag == name) {
            problems += "- Another dialog is already named " + std::string(name)
                + ". Each dialog needs a name of its own in the generated code.\r\n";
            break;
        }
    }
    return problems;
}

} // namespace kovrin
