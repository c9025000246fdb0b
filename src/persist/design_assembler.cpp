#include "persist/design_assembler.h"

namespace kovrin {

using namespace design;

std::string DesignAssembler::add(const RecordSlots &slots)
{
    const std::string &name = slots[DialogName].text;
    // A first record naming no dialog ("") still needs a dialog to land in.
    if (m_design.dialogs.empty() || name != m_currentName)
        m_design.dialogs.push_back(LoadedDialog {name, 0.0f, {}});
    LoadedDialog &dialog = m_design.dialogs.back();
    m_currentName = name;

    if (slots[Name].text == kGridKey) {
        dialog.gridSize = readGridSize(slots, dialog.name, m_problems);
        return placeText(dialog.name, 0, {}, "header");
    }
    const std::size_t number = dialog.controls.size() + 1;
    dialog.controls.push_back(readControl(slots, m_how, dialog.name, number, m_problems));
    return placeText(dialog.name, number, dialog.controls.back().Name, "record");
}

} // namespace kovrin
