#include "persist/design_assembler.h"

namespace kovrin {

using namespace design;

std::optional<Place> DesignAssembler::add(ScannedRecord &record)
{
    const RecordSlots &slots = record.slots;
    const auto refused = [this](Status admitted) {
        if (!admitted)
            m_design.refusal = std::move(admitted.message);
        return !admitted;
    };
    if (record.opensDialog) {
        if (refused(m_limits.admitDialog(slots[DialogName].text)))
            return std::nullopt;
        m_design.dialogs.push_back(LoadedDialog {slots[DialogName].text, 0.0f, {}});
    }
    LoadedDialog &dialog = m_design.dialogs.back();

    if (record.header) {
        dialog.gridSize = readGridSize(slots, dialog.name, m_design.problems);
        return Place {dialog.name, 0, {}, "header"};
    }
    if (refused(m_limits.admitControl(slots[CtrlType].text)))
        return std::nullopt;
    const std::size_t number = dialog.controls.size() + 1;
    readControl(record, m_how, dialog.name, number, m_design.problems,
                dialog.controls.emplace_back());
    return Place {dialog.name, number, dialog.controls.back().Name, "record"};
}

} // namespace kovrin
