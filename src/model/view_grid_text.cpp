#include "model/view_grid_text.h"

#include <charconv>

namespace kovrin {

bool viewGridFromText(std::string_view stored)
{
    // Settings files written by hand may pad the value with blanks.
    const auto first = stored.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = stored.find_last_not_of(" \t");
    stored = stored.substr(first, last - first + 1);
    if (!stored.empty() && stored.front() == '+')
        stored.remove_prefix(1);

    long long value = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (error == std::errc::result_out_of_range) {
        // A very long run of digits is still a whole number, just not 1.
        return false;
    }
    return error == std::errc() && end == stored.data() + stored.size() && value == 1;
}

std::string_view viewGridText(bool visible)
{
    return visible ? "1" : "0";
}

} // namespace kovrin
