#include "persist/backup_names.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>

namespace kovrin {
namespace {

constexpr std::string_view kSuffix = ".kvx";
constexpr std::size_t kStampLength = 15; // YYYYMMDD-HHMMSS

bool endsWithSuffix(std::string_view name)
{
    if (name.size() < kSuffix.size())
        return false;
    const auto tail = name.substr(name.size() - kSuffix.size());
    return std::equal(tail.begin(), tail.end(), kSuffix.begin(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

bool allDigits(std::string_view text)
{
    return !text.empty()
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Where a backup stands among those of its design file: its time stamp, then its number within
// that second (1 for the first, which carries none).
struct BackupOrder
{
    std::string_view stamp;
    unsigned number = 1;
    auto operator<=>(const BackupOrder &) const = default;
};

std::optional<BackupOrder> orderOf(std::string_view stem, std::string_view name)
{
    if (name.size() <= stem.size() + 1 || name.substr(0, stem.size()) != stem
        || name[stem.size()] != '-' || name.substr(name.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    std::string_view rest
        = name.substr(stem.size() + 1, name.size() - stem.size() - 1 - kSuffix.size());
    if (rest.size() < kStampLength || !allDigits(rest.substr(0, 8)) || rest[8] != '-'
        || !allDigits(rest.substr(9, 6)))
        return std::nullopt;
    BackupOrder order {rest.substr(0, kStampLength)};
    rest.remove_prefix(kStampLength);
    if (rest.empty())
        return order;
    if (rest.front() != '-' || !allDigits(rest.substr(1)))
        return std::nullopt;
    const auto [end, error]
        = std::from_chars(rest.data() + 1, rest.data() + rest.size(), order.number);
    if (error != std::errc() || order.number < 2)
        return std::nullopt;
    return order;
}

} // namespace

std::string backupStem(std::string_view designFileName)
{
    if (endsWithSuffix(designFileName) && designFileName.size() > kSuffix.size())
        designFileName.remove_suffix(kSuffix.size());
    return std::string(designFileName);
}

std::string backupName(std::string_view stem, const BackupTime &when,
                       const std::vector<std::string> &existing)
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", when.year, when.month, when.day,
                  when.hour, when.minute, when.second);
    // After the highest number of that second, never in a gap the pruning left: a reused
    // number would sort before the backups made earlier in the same second.
    unsigned highest = 0;
    for (const std::string &name : existing) {
        if (const auto order = orderOf(stem, name); order && order->stamp == stamp)
            highest = std::max(highest, order->number);
    }
    std::string name = std::string(stem) + "-" + stamp;
    if (highest > 0)
        name += "-" + std::to_string(highest + 1);
    return name + std::string(kSuffix);
}

std::vector<std::string> backupsOf(std::string_view stem, const std::vector<std::string> &names)
{
    std::vector<std::pair<BackupOrder, const std::string *>> found;
    for (const std::string &name : names) {
        if (const auto order = orderOf(stem, name))
            found.emplace_back(*order, &name);
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::string> out;
    out.reserve(found.size());
    for (const auto &[order, name] : found)
        out.push_back(*name);
    return out;
}

std::vector<std::string> backupsToRemove(std::string_view stem,
                                         const std::vector<std::string> &names, std::size_t keep)
{
    std::vector<std::string> backups = backupsOf(stem, names);
    if (backups.size() <= keep)
        return {};
    backups.resize(backups.size() - keep);
    return backups;
}

} // namespace kovrin
