#pragma once
// The 16-bit counters a load issues numbers from: dialogs, control tags and each dialog's element
// numbers of a kind. Counted record by record, so that reading stops at the first record that
// would pass one, whatever the size of the file.

#include "model/control_kind.h"
#include "model/status.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kovrin {

class LoadLimits
{
public:
    // A dialog of the given name begins; its element numbers start again at 1.
    Status admitDialog(std::string_view name);
    // A control of the given kind word on the dialog last admitted.
    Status admitControl(std::string_view ctrlType);

private:
    std::size_t m_dialogs = 0;
    std::size_t m_controls = 0;
    std::string m_dialogName;
    std::array<std::size_t, kAllKinds.size()> m_perKind {};
};

} // namespace kovrin
