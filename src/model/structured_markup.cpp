#include "model/structured_markup.h"

#include "model/ignoring_case.h"
#include "model/number_text.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kovrin {
namespace {

// The largest size a run keeps: a size of thousands would paint one huge letter.
constexpr double kLargestSize = 8;

using Style = MarkupDefaults;

// The style with one attribute of a tag, or of the control's Attributes, taken in.
void takeSize(Style &style, std::string_view size)
{
    if (const auto value = parseTypedNumber(size); value && *value > 0)
        style.size = std::min(*value, kLargestSize);
}

void takeColour(Style &style, std::string_view colour)
{
    if (const auto value = markupColour(colour))
        style.colour = value;
}

void takeAlign(Style &style, std::string_view align)
{
    if (equalIgnoringCase(align, "center"))
        style.align = MarkupAlign::Center;
    else if (equalIgnoringCase(align, "right"))
        style.align = MarkupAlign::Right;
    else
        style.align = MarkupAlign::Left;
}

constexpr std::array<std::pair<std::string_view, char>, 5> kEntities {
    {{"&lt;", '<'}, {"&gt;", '>'}, {"&amp;", '&'}, {"&quot;", '"'}, {"&apos;", '\''}}};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of attribute `name` in a tag's text ("t size='2' color=\"#f00\""), quoted either way.
std::optional<std::string_view> attribute(std::string_view tag, std::string_view name)
{
    std::size_t at = 0;
    while ((at = tag.find('=', at)) != std::string_view::npos) {
        std::size_t nameEnd = at;
        while (nameEnd > 0 && tag[nameEnd - 1] == ' ')
            --nameEnd;
        std::size_t nameStart = nameEnd;
        while (nameStart > 0 && tag[nameStart - 1] != ' ')
            --nameStart;
        std::size_t valueStart = tag.find_first_not_of(' ', at + 1);
        if (valueStart == std::string_view::npos)
            return std::nullopt;
        const char quote = tag[valueStart];
        std::string_view value;
        if (quote == '\'' || quote == '"') {
            const std::size_t close = tag.find(quote, valueStart + 1);
            if (close == std::string_view::npos)
                return std::nullopt;
            value = tag.substr(valueStart + 1, close - valueStart - 1);
            at = close + 1;
        } else {
            const std::size_t end = std::min(tag.find(' ', valueStart), tag.size());
            value = tag.substr(valueStart, end - valueStart);
            at = end;
        }
        if (equalIgnoringCase(tag.substr(nameStart, nameEnd - nameStart), name))
            return value;
    }
    return std::nullopt;
}

class Reader
{
public:
    explicit Reader(const MarkupDefaults &defaults)
        : m_styles {defaults}
    {
    }

    std::vector<MarkupLine> read(std::string_view text)
    {
        m_lines.emplace_back();
        m_lines.back().align = style().align;
        std::size_t i = 0;
        while (i < text.size()) {
            const char c = text[i];
            if (c == '<') {
                const std::size_t close = text.find('>', i);
                if (close == std::string_view::npos) {
                    addText(text.substr(i)); // never closed: shown as written
                    break;
                }
                takeTag(text.substr(i + 1, close - i - 1));
                i = close + 1;
            } else if (c == '&') {
                i += takeEntity(text.substr(i));
            } else if (c == '\n') {
                newLine();
                ++i;
            } else if (c == '\r') {
                ++i;
            } else {
                const std::size_t end = std::min(text.find_first_of("<&\r\n", i), text.size());
                addText(text.substr(i, end - i));
                i = end;
            }
        }
        return std::move(m_lines);
    }

private:
    const Style &style() const { return m_styles.back(); }

    void takeTag(std::string_view tag)
    {
        if (tag.starts_with('/')) {
            if (equalIgnoringCase(tag.substr(1), "t") && m_styles.size() > 1)
                m_styles.pop_back();
            return;
        }
        const std::string_view name = tag.substr(0, tag.find_first_of(" /"));
        if (equalIgnoringCase(name, "br")) {
            newLine();
            return;
        }
        if (!equalIgnoringCase(name, "t"))
            return; // an image or anything else: no text of its own
        Style next = style();
        if (const auto size = attribute(tag, "size"))
            takeSize(next, *size);
        if (const auto colour = attribute(tag, "color"))
            takeColour(next, *colour);
        if (const auto align = attribute(tag, "align"))
            takeAlign(next, *align);
        if (!tag.ends_with('/'))
            m_styles.push_back(next);
    }

    std::size_t takeEntity(std::string_view at)
    {
        for (const auto &[spelling, character] : kEntities) {
            if (at.starts_with(spelling)) {
                addText(std::string_view(&character, 1));
                return spelling.size();
            }
        }
        addText("&");
        return 1;
    }

    void addText(std::string_view text)
    {
        MarkupLine &line = m_lines.back();
        if (line.runs.empty())
            line.align = style().align;
        if (!line.runs.empty() && line.runs.back().size == style().size
            && line.runs.back().colour == style().colour) {
            line.runs.back().text += text;
            return;
        }
        line.runs.push_back({std::string(text), style().size, style().colour});
    }

    void newLine()
    {
        m_lines.emplace_back();
        m_lines.back().align = style().align;
    }

    std::vector<Style> m_styles;
    std::vector<MarkupLine> m_lines;
};

} // namespace

MarkupDefaults markupDefaults(std::string_view align, std::string_view colour,
                              std::string_view size)
{
    MarkupDefaults defaults;
    if (!align.empty())
        takeAlign(defaults, align);
    takeColour(defaults, colour);
    takeSize(defaults, size);
    return defaults;
}

std::vector<MarkupLine> readMarkup(std::string_view text, const MarkupDefaults &defaults)
{
    return Reader(defaults).read(text);
}

std::optional<Rgb8> markupColour(std::string_view text)
{
    if (!text.starts_with('#'))
        return std::nullopt;
    text.remove_prefix(1);
    std::array<int, 8> digits {};
    if (text.size() != 3 && text.size() != 6 && text.size() != 8)
        return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        digits[i] = hexDigit(text[i]);
        if (digits[i] < 0)
            return std::nullopt;
    }
    const auto byte = [&digits](std::size_t at) {
        return static_cast<std::uint8_t>(digits[at] * 16 + digits[at + 1]);
    };
    if (text.size() == 3) {
        return Rgb8 {static_cast<std::uint8_t>(digits[0] * 17),
                     static_cast<std::uint8_t>(digits[1] * 17),
                     static_cast<std::uint8_t>(digits[2] * 17)};
    }
    const std::size_t first = text.size() == 8 ? 2 : 0; // the game writes alpha first
    return Rgb8 {byte(first), byte(first + 2), byte(first + 4)};
}

} // namespace kovrin
