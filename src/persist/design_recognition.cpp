#include "persist/design_recognition.h"

#include "model/code_page.h"
#include "model/control_kind.h"
#include "model/message_text.h"

#include <algorithm>
#include <cstdio>

namespace kovrin {
namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// A version as the first line gives it: digits with a point among them, "0.61".
bool isVersion(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    const bool digitsAndPoints = std::all_of(
        text.begin(), text.end(), [](char c) { return c == '.' || (c >= '0' && c <= '9'); });
    return digitsAndPoints && text.find('.') != std::string_view::npos
        && text.find_first_of("0123456789") != std::string_view::npos;
}

} // namespace

std::optional<std::string> undecodableReason(std::string_view bytes)
{
    if (bytes.find('\0') != std::string_view::npos)
        return "it holds a NUL byte";
    const std::size_t undefined = findUndefinedCp1252(bytes);
    if (undefined == std::string_view::npos)
        return std::nullopt;
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", static_cast<unsigned>(bytes[undefined]) & 0xFFu);
    return "it holds the byte " + std::string(hex) + ", which Windows-1252 does not define";
}

bool showsDesign(const ScannedRecord &record)
{
    return record.header || kindFromWord(record.slots[design::CtrlType].text).has_value();
}

bool holdsEmptyDesign(std::string_view text)
{
    if (text.empty())
        return true;
    const std::string_view firstLine = text.substr(0, text.find_first_of("\r\n"));
    const std::string_view rest = text.substr(firstLine.size());
    return isVersion(withoutBlanksAround(firstLine))
        && std::all_of(rest.begin(), rest.end(), [](char c) { return isLineEnd(c) || isBlank(c); });
}

std::string notADesignFile(const std::filesystem::path &path, std::string_view reason)
{
    return quotedPath(path) + " is not a Kovrin design file: " + std::string(reason) + ".";
}

} // namespace kovrin
