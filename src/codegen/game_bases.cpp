#include "codegen/game_bases.h"

#include "codegen/code_values.h"
#include "codegen/control_class.h"
#include "model/control_groups.h"
#include "model/generated_class.h"
#include "model/ignoring_case.h"

#include <string>
#include <unordered_set>

namespace kovrin {

// "import Name;" brings the game's class into the mission's file with its values; a bare
// "class Name;" would only declare an empty class there. A name the code defines needs none.
void appendGameBases(CodeOut &out, const DialogSet &set)
{
    std::unordered_set<std::string> declared;
    for (const Dialog &dialog : set.cForms()) {
        // In the order the classes are written, each group's controls after it.
        for (const TreeEntry &entry : treeOrder(dialog.cControls)) {
            const ControlRecord &record = dialog.cControls[entry.index];
            if (record.Base.empty() || !hasControlClass(record) || isGeneratedBaseName(record.Base)
                || !declared.insert(caseKey(record.Base)).second)
                continue;
            appendLine(out, {"import ", record.Base, ";"});
        }
    }
    if (!declared.empty())
        endLine(out);
}

} // namespace kovrin
