#include "classdef/source_text.h"

#include "model/code_page.h"
#include "model/utf8_sequence.h"

#include <fstream>
#include <sstream>
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

SourceLoader diskSourceLoader()
{
    return [](const std::filesystem::path &path) -> std::optional<std::string> {
        std::error_code error;
        if (!std::filesystem::is_regular_file(path, error))
            return std::nullopt;
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return std::nullopt;
        std::ostringstream bytes;
        bytes << in.rdbuf();
        if (in.bad())
            return std::nullopt;
        return std::move(bytes).str();
    };
}

} // namespace kovrin
