#include "codegen/generate_code.h"

#include "codegen/dialog_class.h"

namespace kovrin {

std::string dialogClassesText(const DialogSet &set)
{
    std::string out;
    for (std::size_t i = 0; i < set.count(); ++i)
        out += dialogClassText(set.dialog(i), i + 1);
    return out;
}

std::string generateCode(const DialogSet &set)
{
    return preambleText() + dialogClassesText(set);
}

} // namespace kovrin
