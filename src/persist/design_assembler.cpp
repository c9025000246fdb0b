#include "persist/design_assembler.h"

#include "persist/record_additions.h"

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
        m_design.dialogs.push_back(LoadedDialog {slots[DialogName].text, 0.0f, {}, {}, {}});
    }
    LoadedDialog &dialog = m_design.dialogs.back();

    if (record.header) {
        dialog.gridSize = readGridSize(slots, dialog.name, m_design.problems);
        const Place place {dialog.name, 0, {}, "header"};
        // Like the grid step, the layout and the other properties are the last header's when
        // adjacent dialogs merge.
        HeaderAdditions additions = readHeaderAdditions(record.additions, place, m_design.problems);
        dialog.layout = additions.layout;
        dialog.others = std::move(additions.others);
        return place;
    }
    if (refused(m_limits.admitControl(slots[CtrlType].text)))
        return std::nullopt;
    const std::size_t number = dialog.controls.size() + 1;
    ControlRecord &control = dialog.controls.emplace_back();
    readControl(record, m_how, dialog.name, number, m_design.problems, control);
    const Place place {dialog.name, number, control.Name, "record"};
    if (!record.additions.empty())
        readControlAdditions(record.additions, place, m_design.problems, control);
    return place;
}

} // namespace kovrin
