#include "model/ignoring_case.h"

#include <algorithm>

namespace kovrin {
namespace {

// Only A to Z: the system's locale must not decide what a name is.
char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

std::string caseKey(std::string_view name)
{
    std::string key(name);
    std::ranges::transform(key, key.begin(), lower);
    return key;
}

} // namespace kovrin
