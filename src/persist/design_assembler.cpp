#include "persist/design_assembler.h"

namespace kovrin {

using namespace design;

Place DesignAssembler::add(const ScannedRecord &record)
{
    const RecordSlots &slots = record.slots;
    if (record.opensDialog)
        m_design.dialogs.push_back(LoadedDialog {slots[DialogName].text, 0.0f, {}});
    LoadedDialog &dialog = m_design.dialogs.back();

    if (record.header) {
        dialog.gridSize = readGridSize(slots, dialog.name, m_problems);
        return Place {dialog.name, 0, {}, "header"};
    }
    const std::size_t number = dialog.controls.size() + 1;
    readControl(slots, m_how, dialog.name, number, m_problems, dialog.controls.emplace_back());
    return Place {dialog.name, number, dialog.controls.back().Name, "record"};
}

} // namespace kovrin
