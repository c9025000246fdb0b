#include "classdef/source_text.h"
#include "classdef/import_limits.h"

#include "model/code_page.h"
#include "model/ignoring_case.h"
#include "model/utf8_sequence.h"
#include "persist/file_identity.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <memory>
#include <system_error>

namespace kovrin {
namespace {

// Whether the bytes are well-formed UTF-8 holding at least one character beyond ASCII.
bool isUtf8BeyondAscii(std::string_view bytes)
{
    bool beyond = false;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0)
            return false;
        beyond = beyond || length > 1;
        i += length;
    }
    return beyond;
}

} // namespace

std::string decodeSourceBytes(std::string_view bytes)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        return std::string(bytes.substr(kByteOrderMark.size()));
    if (isUtf8BeyondAscii(bytes))
        return std::string(bytes);
    return decodeCp1252(bytes);
}

std::filesystem::path pathOf(std::string_view utf8)
{
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

SourceLoader diskSourceLoader(const std::filesystem::path &mainFile, IncludeFolders folders,
                              FilesRead *read)
{
    const std::filesystem::path main = mainFile.lexically_normal();
    folders.folders.insert(folders.folders.begin(), std::filesystem::absolute(main).parent_path());
    SourceLoader loader;
    loader.find
        = [listings = std::make_shared<FolderListings>()](const std::filesystem::path &path) {
              return existingIgnoringCase(path, *listings);
          };
    loader.folders = folders.folders;
    loader.howToAdd = folders.howToAdd;
    loader.read = [main, allowed = resolvedFolders(folders.folders), howToAdd = folders.howToAdd,
                   read](const std::filesystem::path &path) {
        using Bytes = Result<std::string>;
        std::error_code error;
        if (path == main) {
            if (!std::filesystem::is_regular_file(path, error))
                return Bytes::failure("cannot be read (" + pathText(path) + " is not a file)");
        } else if (const auto refusal = includeRefusal(path, allowed, howToAdd)) {
            return Bytes::failure(*refusal);
        }
        const auto size = std::filesystem::file_size(path, error);
        std::ifstream in(path, std::ios::binary);
        if (error || !in)
            return Bytes::failure("cannot be read (looked for " + pathText(path) + ")");
        // One byte past the limit is enough for the preprocessor to refuse the file: a larger
        // file is never held whole.
        std::string bytes(
            static_cast<std::size_t>(std::min<std::uintmax_t>(size, kMaxSourceBytes + 1)), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (in.bad())
            return Bytes::failure("cannot be read (looked for " + pathText(path) + ")");
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (read)
            read->add(path);
        return Bytes::of(std::move(bytes));
    };
    return loader;
}

SourceLoader memorySourceLoader(std::map<std::string, std::string> files)
{
    auto held = std::make_shared<const std::map<std::string, std::string>>(std::move(files));
    SourceLoader loader;
    loader.read = [held](const std::filesystem::path &path) {
        const auto found = held->find(path.generic_string());
        if (found == held->end())
            return Result<std::string>::failure("cannot be read (looked for " + pathText(path)
                                                + ")");
        return Result<std::string>::of(found->second);
    };
    loader.find
        = [held](const std::filesystem::path &path) -> std::optional<std::filesystem::path> {
        const std::string wanted = path.generic_string();
        if (held->contains(wanted))
            return path;
        for (const auto &[name, text] : *held) {
            if (equalIgnoringCase(name, wanted))
                return pathOf(name);
        }
        return std::nullopt;
    };
    loader.howToAdd = "with -I DIR";
    return loader;
}

} // namespace kovrin
