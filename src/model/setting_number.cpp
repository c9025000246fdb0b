#include "model/setting_number.h"

#include <charconv>

namespace kovrin {

std::optional<long long> settingWholeNumber(std::string_view stored)
{
    const auto first = stored.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto last = stored.find_last_not_of(" \t");
    stored = stored.substr(first, last - first + 1);
    if (!stored.empty() && stored.front() == '+')
        stored.remove_prefix(1);

    long long value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size())
        return std::nullopt;
    return value;
}

} // namespace kovrin
