#include "classdef/include_folders.h"

#include "model/ignoring_case.h"
#include "model/path_text.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <cwctype>
#endif

namespace kovrin {
namespace {

// Names of one folder level compared as the file system compares them: Windows ignores case.
bool sameName(const std::filesystem::path &a, const std::filesystem::path &b)
{
#ifdef _WIN32
    return std::ranges::equal(a.native(), b.native(), [](wchar_t x, wchar_t y) {
        return std::towlower(static_cast<std::wint_t>(x))
            == std::towlower(static_cast<std::wint_t>(y));
    });
#else
    return a == b;
#endif
}

bool isUnder(const std::filesystem::path &file, const std::filesystem::path &folder)
{
    auto inFile = file.begin();
    for (const auto &name : folder) {
        if (name.empty())
            continue; // the empty last name of a folder spelled with a trailing separator
        if (inFile == file.end() || !sameName(*inFile, name))
            return false;
        ++inFile;
    }
    return inFile != file.end();
}

} // namespace

std::vector<std::filesystem::path>
resolvedFolders(const std::vector<std::filesystem::path> &folders)
{
    std::vector<std::filesystem::path> resolved;
    for (const auto &folder : folders) {
        std::error_code error;
        auto real = std::filesystem::canonical(folder, error);
        if (!error)
            resolved.push_back(std::move(real));
    }
    return resolved;
}

std::optional<std::filesystem::path> existingIgnoringCase(const std::filesystem::path &path,
                                                          FolderListings &listings)
{
    std::error_code error;
    if (std::filesystem::exists(path, error))
        return path;
    std::filesystem::path found = path.root_path();
    for (const auto &step : path.relative_path()) {
        std::filesystem::path exact = found / step;
        if (step == "." || step == ".." || std::filesystem::exists(exact, error)) {
            found = std::move(exact);
            continue;
        }
        auto listed = listings.find(found);
        if (listed == listings.end()) {
            std::map<std::string, std::filesystem::path> names;
            std::filesystem::directory_iterator entries(found.empty() ? "." : found, error);
            for (; !error && entries != std::filesystem::directory_iterator();
                 entries.increment(error)) {
                // Of names that differ only in case, the same one every time.
                std::filesystem::path name = entries->path().filename();
                auto [at, added] = names.emplace(caseKey(pathText(name)), name);
                if (!added && name < at->second)
                    at->second = std::move(name);
            }
            listed = listings.emplace(found, std::move(names)).first;
        }
        const auto match = listed->second.find(caseKey(pathText(step)));
        if (match == listed->second.end())
            return std::nullopt;
        found /= match->second;
    }
    return found;
}

std::optional<std::string> includeRefusal(const std::filesystem::path &path,
                                          const std::vector<std::filesystem::path> &resolved,
                                          std::string_view howToAdd)
{
    std::error_code error;
    const auto kind = std::filesystem::status(path, error).type();
    if (kind == std::filesystem::file_type::not_found || kind == std::filesystem::file_type::none)
        return "cannot be read (looked for " + pathText(path) + ")";
    if (kind != std::filesystem::file_type::regular)
        return "is not read: " + pathText(path)
            + " is not a regular file (a folder, a device or a pipe); only files are included";
    const auto real = std::filesystem::canonical(path, error);
    const bool inside = !error
        && std::ranges::any_of(resolved, [&](const auto &folder) { return isUnder(real, folder); });
    if (inside)
        return std::nullopt;
    return "is not read: " + pathText(path)
        + " is outside the folders includes may come from; add its folder " + std::string(howToAdd);
}

} // namespace kovrin
