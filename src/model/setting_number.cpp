#include "model/setting_number.h"

#include <charconv>

namespace kovrin {

std::string_view settingTrimmed(std::string_view stored)
{
    const auto first = stored.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return stored.substr(first, stored.find_last_not_of(" \t") - first + 1);
}

std::optional<long long> settingWholeNumber(std::string_view stored)
{
    stored = settingTrimmed(stored);
    if (stored.empty())
        return std::nullopt;
    if (!stored.empty() && stored.front() == '+')
        stored.remove_prefix(1);

    long long value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error != std::errc() || end != stored.data() + stored.size())
        return std::nullopt;
    return value;
}

} // namespace kovrin
