#include "persist/temporary_name.h"

#include "persist/file_io.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <string>

namespace kovrin {
namespace {

namespace fs = std::filesystem;

// The form: a dot, the target's name, then this tail.
constexpr char kLead = '.';
constexpr char kSeparator = '.';
constexpr std::size_t kRandomDigits = 8;
constexpr std::string_view kHexDigits = "0123456789abcdef";

std::string tailOf(unsigned long process, std::uint32_t random, std::string_view ending)
{
    std::string tail(1, kSeparator);
    tail += std::to_string(process);
    tail += kSeparator;
    for (std::size_t i = 0; i < kRandomDigits; ++i, random >>= 4)
        tail += kHexDigits[random & 0xF];
    tail += ending;
    return tail;
}

// Whether a unit of a name's native text continues a character begun before it, so a name is
// never cut inside a character.
template<typename Char> bool continuesCharacter(Char unit)
{
    if constexpr (sizeof(Char) == 1)
        return (static_cast<unsigned char>(unit) & 0xC0) == 0x80;
    else
        return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

fs::path temporaryName(const fs::path &target, unsigned long process, std::uint32_t random,
                       std::string_view ending)
{
    const std::string tail = tailOf(process, random, ending);
    fs::path::string_type name = target.filename().native();
    std::size_t keep = std::min(name.size(), kLongestFileName - 1 - tail.size());
    while (keep > 0 && keep < name.size() && continuesCharacter(name[keep]))
        --keep;
    name.resize(keep);
    fs::path temporary(fs::path::string_type(1, kLead) + name);
    temporary += tail;
    return target.parent_path() / temporary;
}

std::optional<unsigned long> temporaryOwner(const fs::path &file)
{
    std::u8string text;
    try {
        text = file.filename().u8string();
    } catch (const std::exception &) {
        return std::nullopt; // a name that is no Unicode is no temporary of ours
    }
    std::string_view name(reinterpret_cast<const char *>(text.data()), text.size());
    // Read from the end: the ending, the random digits, the process's number, each after its
    // separator, and a name of at least one character after the lead.
    if (!name.starts_with(kLead) || !name.ends_with(kTemporaryEnding))
        return std::nullopt;
    name.remove_suffix(kTemporaryEnding.size());
    if (name.size() < kRandomDigits
        || name.substr(name.size() - kRandomDigits).find_first_not_of(kHexDigits)
            != std::string_view::npos)
        return std::nullopt;
    name.remove_suffix(kRandomDigits);
    if (!name.ends_with(kSeparator))
        return std::nullopt;
    name.remove_suffix(1);
    const std::size_t separator = name.find_last_of(kSeparator);
    if (separator == std::string_view::npos || separator == 0)
        return std::nullopt;
    const std::string_view digits = name.substr(separator + 1);
    unsigned long process = 0;
    const auto [end, error]
        = std::from_chars(digits.data(), digits.data() + digits.size(), process);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return process;
}

} // namespace kovrin
