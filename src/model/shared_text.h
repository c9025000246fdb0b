#pragma once
// A text that copies share instead of duplicating: a control's caption is its record's Text, and
// a loaded design holds a large text once, however many copies (caption, undo step, clipboard)
// refer to it. It never changes in place; assigning gives it new text of its own.

#include <concepts>
#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace kovrin {

class SharedText
{
public:
    SharedText() = default;
    // Taking text over: a moved string is not copied.
    explicit SharedText(std::string text) { assign(std::move(text)); }
    SharedText(const char *text) { assign(text); }
    SharedText &operator=(std::string text)
    {
        assign(std::move(text));
        return *this;
    }
    SharedText &operator=(const char *text) { return *this = std::string(text); }
    SharedText &operator=(std::string_view text) { return *this = std::string(text); }

    const std::string &str() const { return m_text ? *m_text : none(); }
    operator const std::string &() const { return str(); }
    operator std::string_view() const { return str(); }
    bool empty() const { return !m_text; }
    std::size_t size() const { return str().size(); }

    friend bool operator==(const SharedText &a, const SharedText &b)
    {
        return a.m_text == b.m_text || a.str() == b.str();
    }
    template<typename Text>
    requires std::convertible_to<const Text &, std::string_view>
    friend bool operator==(const SharedText &a, const Text &b)
    {
        return std::string_view(a.str()) == std::string_view(b);
    }
    friend std::ostream &operator<<(std::ostream &out, const SharedText &text)
    {
        return out << text.str();
    }

private:
    static const std::string &none()
    {
        static const std::string kNone;
        return kNone;
    }
    // An empty text holds nothing, so the many empty texts of a design cost no room.
    void assign(std::string text)
    {
        m_text = text.empty() ? nullptr : std::make_shared<const std::string>(std::move(text));
    }

    std::shared_ptr<const std::string> m_text;
};

} // namespace kovrin
