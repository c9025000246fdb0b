#include "persist/load_limits.h"

#include "model/limits.h"
#include "model/message_text.h"

namespace kovrin {
namespace {

constexpr std::size_t kLimit = static_cast<std::size_t>(kCounterLimit);

} // namespace

Status LoadLimits::admitDialog(std::string_view name)
{
    if (++m_dialogs > kLimit)
        return Status::failure("The file holds more than " + std::to_string(kLimit)
                               + " dialogs; at most " + std::to_string(kLimit)
                               + " can be loaded. Nothing was loaded.");
    m_dialogName = name;
    m_perKind = {};
    return Status::success();
}

Status LoadLimits::admitControl(std::string_view ctrlType)
{
    if (++m_controls > kLimit)
        return Status::failure("The file holds more than " + std::to_string(kLimit)
                               + " controls; at most " + std::to_string(kLimit)
                               + " can be loaded. Nothing was loaded.");
    // Element numbers of a kind start at 1 on every dialog, and the next one must fit too.
    const auto kind = kindFromWord(ctrlType);
    if (kind && ++m_perKind[kindIndex(*kind)] >= kLimit)
        return Status::failure("The dialog " + quotedText(m_dialogName) + " holds more than "
                               + std::to_string(kLimit - 1) + " controls of the kind "
                               + std::string(ctrlType) + ". Nothing was loaded.");
    return Status::success();
}

} // namespace kovrin
