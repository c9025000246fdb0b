#include "codegen/generate_code.h"

#include "codegen/dialog_class.h"

namespace kovrin {
namespace {

// Room for the whole code at once; a control's class takes some 300 bytes besides its texts.
std::size_t expectedSize(const DialogSet &set)
{
    std::size_t bytes = 4096;
    for (const Dialog &dialog : set.cForms()) {
        bytes += 512;
        for (const ControlRecord &record : dialog.cControls)
            bytes += 320 + textBytes(record);
    }
    return bytes;
}

void appendDialogClasses(std::string &out, const DialogSet &set)
{
    for (std::size_t i = 0; i < set.count(); ++i)
        appendDialogClass(out, set.dialog(i), i + 1);
}

} // namespace

std::string dialogClassesText(const DialogSet &set)
{
    std::string out;
    out.reserve(expectedSize(set));
    appendDialogClasses(out, set);
    return out;
}

std::string generateCode(const DialogSet &set)
{
    std::string out;
    out.reserve(expectedSize(set));
    appendPreamble(out);
    appendDialogClasses(out, set);
    return out;
}

} // namespace kovrin
