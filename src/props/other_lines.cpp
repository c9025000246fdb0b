#include "props/other_lines.h"

#include "model/ignoring_case.h"
#include "model/line_breaks.h"

#include <unordered_set>
#include <vector>

namespace kovrin {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The word at the start of the text, and what follows it.
std::string_view wordAt(std::string_view text)
{
    std::size_t end = 0;
    while (end < text.size() && isNameCharacter(text[end]))
        ++end;
    return text.substr(0, end);
}

// "name", "name[]" or "name[] +", blanks allowed between the parts.
bool isPropertyName(std::string_view name)
{
    const std::string_view word = wordAt(name);
    if (word.empty())
        return false;
    std::string_view rest = trimmed(name.substr(word.size()));
    if (rest.empty())
        return true;
    if (!rest.starts_with('['))
        return false;
    rest = trimmed(rest.substr(1));
    if (!rest.starts_with(']'))
        return false;
    rest = trimmed(rest.substr(1));
    return rest.empty() || rest == "+";
}

// "class Name" or "class Name: Base".
bool isClassHead(std::string_view name)
{
    std::string_view rest = trimmed(name.substr(5));
    const std::string_view word = wordAt(rest);
    rest = trimmed(rest.substr(word.size()));
    if (word.empty() || rest.empty())
        return !word.empty();
    if (!rest.starts_with(':'))
        return false;
    rest = trimmed(rest.substr(1));
    return !wordAt(rest).empty() && wordAt(rest).size() == rest.size();
}

struct Scan
{
    bool quoteOpen = false;
    bool bracesBalance = true;
    std::size_t equals = std::string_view::npos; // the first "=" outside quotes and braces
    std::size_t brace = std::string_view::npos; // the first "{" outside quotes
    std::size_t semicolonEnd = std::string_view::npos; // a ";" ending the line
};

// A quote inside a string is written twice, which the scan reads as closing and opening again.
Scan scanned(std::string_view line)
{
    Scan scan;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            scan.quoteOpen = !scan.quoteOpen;
            continue;
        }
        if (scan.quoteOpen)
            continue;
        if (c == '{') {
            if (scan.brace == std::string_view::npos)
                scan.brace = i;
            ++depth;
        } else if (c == '}') {
            scan.bracesBalance = scan.bracesBalance && depth > 0;
            --depth;
        } else if (c == '=' && depth == 0 && scan.equals == std::string_view::npos) {
            scan.equals = i;
        } else if (c == ';' && depth == 0 && trimmed(line.substr(i + 1)).empty()) {
            scan.semicolonEnd = i;
        }
    }
    scan.bracesBalance = scan.bracesBalance && depth == 0;
    return scan;
}

bool isOwnName(std::string_view key, OwnNames own, const ClassShape &shape)
{
    return own == OwnNames::Control ? writesFieldName(shape, key) : isDialogListName(key);
}

} // namespace

std::string otherLinesText(const OtherProperties &others)
{
    std::string text;
    for (const OtherProperty &property : others.list()) {
        if (!text.empty())
            text += '\n';
        text += otherPropertyLine(property);
    }
    return text;
}

OtherLinesRead readOtherLines(std::string_view text, OwnNames own, const ClassShape &shape)
{
    OtherLinesRead read;
    std::vector<OtherProperty> list;
    std::unordered_set<std::string> keys;
    const auto fail = [&read](std::size_t number, std::string_view what) {
        read.report += "- Other properties, line " + std::to_string(number) + ": ";
        read.report += what;
        read.report += "\r\n";
    };
    const std::string lines = withLfLineBreaks(text);
    std::size_t number = 0;
    for (std::size_t start = 0; start <= lines.size();) {
        const std::size_t end = std::min(lines.find('\n', start), lines.size());
        std::string_view line = trimmed(std::string_view(lines).substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty())
            continue;
        Scan scan = scanned(line);
        if (scan.quoteOpen) {
            fail(number, "a double quote is not closed.");
            continue;
        }
        if (!scan.bracesBalance) {
            fail(number, "the braces do not balance.");
            continue;
        }
        if (scan.semicolonEnd != std::string_view::npos)
            line = trimmed(line.substr(0, scan.semicolonEnd));
        OtherProperty property;
        if (wordAt(line) == "class" && line.size() > 5 && kBlanks.find(line[5]) != kBlanks.npos) {
            const std::string_view name = trimmed(line.substr(0, scan.brace));
            const std::string_view body = scan.brace == std::string_view::npos
                ? std::string_view()
                : line.substr(scan.brace);
            if (!isClassHead(name) || (!body.empty() && !body.ends_with('}'))) {
                fail(number, "a class is written \"class Name {...}\".");
                continue;
            }
            property = {std::string(name), std::string(body)};
        } else {
            const std::string_view name
                = trimmed(line.substr(0, scan.equals == std::string_view::npos ? 0 : scan.equals));
            if (!isPropertyName(name)) {
                fail(number, "a name is needed before \"=\".");
                continue;
            }
            property = {std::string(name), std::string(trimmed(line.substr(scan.equals + 1)))};
        }
        const std::string key(entryKey(property));
        // A dialog's class of that name would hold controls when the code is imported again.
        if ((!isClassEntry(property) || own == OwnNames::Dialog) && isOwnName(key, own, shape)) {
            fail(number, key + " is set by Kovrin's own fields.");
            continue;
        }
        if (!keys.insert((isClassEntry(property) ? " " : "") + caseKey(key)).second) {
            fail(number, key + " is set twice.");
            continue;
        }
        list.push_back(std::move(property));
    }
    if (read.report.empty())
        read.others = OtherProperties(std::move(list));
    return read;
}

} // namespace kovrin
