#include "design_fixture.h"

#include <string>

namespace kovrin::bench {

DialogSet makeDesign(std::size_t dialogs, std::size_t controlsInAll, DialogLayout layout)
{
    constexpr SurfaceSize size {12030, 7575};
    DialogSet set;
    for (std::size_t d = 0; d < dialogs; ++d) {
        set.insertDialog();
        set.setLayout(d, layout);
    }
    for (std::size_t i = 0; i < controlsInAll; ++i) {
        const std::size_t dialog = i % dialogs;
        const ControlKind kind = kDefinitionKinds[i % kDefinitionKinds.size()];
        const double x = static_cast<double>((i * 137) % 11000);
        const double y = static_cast<double>((i * 71) % 7000);
        const auto index = set.createControl(dialog, kind, x, y, size);
        if (!index)
            break; // a counter limit: the design is as large as it can be
        ControlRecord record = set.dialog(dialog).cControls[*index];
        if (kind == ControlKind::Text || kind == ControlKind::Button || kind == ControlKind::Link) {
            record.Text = i % 3 == 0 ? "First line of " + std::to_string(i) + "\r\nsecond line"
                                     : "Caption " + std::to_string(i);
        }
        if (kind == ControlKind::Button || kind == ControlKind::Link)
            record.Action = "closeDialog 0; hint \"pressed " + std::to_string(i) + "\"";
        if (i % 5 == 0)
            record.ForeColor = Rgba {std::string("0.25"), std::string("0,5"), 0.75, 1.0};
        set.writeRecord(dialog, *index, std::move(record));
    }
    return set;
}

} // namespace kovrin::bench
