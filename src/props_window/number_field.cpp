#include "props_window/number_field.h"

#include <algorithm>

namespace kovrin {
namespace {
constexpr int kNoLimit = 32767; // QLineEdit's own default
}

NumberField::NumberField(NumberBounds bounds, char separator, bool selectOnFocus, QWidget *parent)
    : LineField(selectOnFocus, parent)
    , m_bounds(bounds)
    , m_separator(separator)
{
    // textEdited comes only from the user, so a stored value is shown in full until he edits it.
    connect(this, &QLineEdit::textEdited, this, &NumberField::applyGuard);
}

void NumberField::setTypingLimit(int characters)
{
    m_typingLimit = characters;
    restoreTypingLimit();
}

void NumberField::showValue(const QString &text)
{
    if (m_typingLimit > 0 && text.size() > m_typingLimit)
        setMaxLength(static_cast<int>(text.size()));
    setText(text);
}

void NumberField::setGuardedText(const QString &text)
{
    const std::string typed = text.toStdString();
    const GuardedText guarded = guardNumber(typed, typed.size(), m_bounds, m_separator);
    restoreTypingLimit();
    setText(QString::fromStdString(guarded.text));
}

void NumberField::applyGuard()
{
    const std::string typed = text().toStdString();
    const auto caret = static_cast<std::size_t>(cursorPosition());
    const GuardedText guarded = guardNumber(typed, caret, m_bounds, m_separator);
    if (guarded.text != typed) {
        setText(QString::fromStdString(guarded.text));
        setCursorPosition(static_cast<int>(guarded.caret));
    }
    restoreTypingLimit();
}

void NumberField::restoreTypingLimit()
{
    const int limit = m_typingLimit > 0 ? m_typingLimit : kNoLimit;
    // Never cut what is shown: a long stored value keeps its width until it is edited shorter.
    setMaxLength(std::max(limit, static_cast<int>(text().size())));
}

} // namespace kovrin
