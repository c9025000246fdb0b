#include "codegen/generate_code.h"

#include "codegen/dialog_class.h"
#include "codegen/game_bases.h"
#include "codegen/group_class.h"
#include "codegen/kind_bases.h"

namespace kovrin {
namespace {

void appendDialogClasses(CodeOut &out, const DialogSet &set)
{
    for (std::size_t i = 0; i < set.count(); ++i)
        appendDialogClass(out, set.dialog(i), i + 1);
}

} // namespace

std::size_t expectedSize(const DialogSet &set)
{
    // A control's class takes some 300 bytes besides its texts.
    std::size_t bytes = 4096 + kindBasesBytes(set);
    for (const Dialog &dialog : set.cForms()) {
        bytes += 512;
        for (const ControlRecord &record : dialog.cControls)
            bytes += 320 + textBytes(record);
    }
    return bytes;
}

std::string dialogClassesText(const DialogSet &set)
{
    std::string text;
    text.reserve(expectedSize(set));
    TextSink sink(text);
    CodeOut out(sink);
    appendDialogClasses(out, set);
    out.flush();
    return text;
}

std::string generateCode(const DialogSet &set)
{
    std::string text;
    text.reserve(expectedSize(set));
    TextSink sink(text);
    writeCode(set, sink);
    return text;
}

void writeCode(const DialogSet &set, CodeSink &sink)
{
    CodeOut out(sink);
    appendPreamble(out);
    appendGameBases(out, set);
    if (setHoldsGroups(set))
        appendGroupBase(out);
    appendKindBases(out, set);
    appendDialogClasses(out, set);
    out.flush();
}

} // namespace kovrin
