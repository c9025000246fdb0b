#include "model/number_guard.h"

#include "model/number_text.h"

namespace kovrin {

GuardedText guardNumberOnce(const std::string &text, std::size_t caret, NumberBounds bounds,
                            char separator)
{
    GuardedText out {text, caret};
    if (out.text.empty())
        return out;
    const auto value = parseTypedNumber(out.text);
    if (out.text != "-" && !value) {
        out.text.clear();
        out.caret = 0;
        return out;
    }
    if (out.text == "-")
        return out;

    auto moveCaretToEnd = [&out] {
        out.caret = out.text.size();
    };
    double current = *value;
    if (current > bounds.max) {
        out.text = doubleText(bounds.max, separator);
        current = bounds.max;
        moveCaretToEnd();
    }
    if (current < bounds.min) {
        out.text = doubleText(bounds.min, separator);
        moveCaretToEnd();
    }

    const char other = separator == '.' ? ',' : '.';
    bool replaced = false;
    for (char &c : out.text) {
        if (c == other) {
            c = separator;
            replaced = true;
        }
    }
    if (replaced)
        moveCaretToEnd();

    const auto sepPos = out.text.find(separator);
    if (bounds.decimals > 0) {
        if (sepPos != std::string::npos && out.text.size() > sepPos + 1 + bounds.decimals) {
            out.text.resize(sepPos + 1 + bounds.decimals);
            moveCaretToEnd();
        }
    } else if (sepPos != std::string::npos) {
        std::string stripped;
        for (char c : out.text) {
            if (c != separator)
                stripped += c;
        }
        out.text = stripped;
        moveCaretToEnd();
    }
    if (out.caret > out.text.size())
        out.caret = out.text.size();
    return out;
}

GuardedText guardNumber(const std::string &text, std::size_t caret, NumberBounds bounds,
                        char separator)
{
    GuardedText current {text, caret};
    // Each correction is idempotent, so this settles after one more pass; the bound is a guard.
    for (int pass = 0; pass < 8; ++pass) {
        GuardedText next = guardNumberOnce(current.text, current.caret, bounds, separator);
        if (next.text == current.text) {
            current.caret = next.caret;
            return current;
        }
        current = next;
    }
    return current;
}

} // namespace kovrin
