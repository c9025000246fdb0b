#pragma once
// A numeric text field: the guard runs on what the user types (and on values put in as if typed),
// and the whole text can be selected when the field gets the focus so typing replaces it.

#include "model/number_guard.h"
#include "props_window/line_field.h"

namespace kovrin {

class NumberField : public LineField
{
    Q_OBJECT
public:
    NumberField(NumberBounds bounds, char separator, bool selectOnFocus, QWidget *parent = nullptr);

    // The most characters the user may type; 0 for no limit.
    void setTypingLimit(int characters);

    // Shows a stored value as it is, without the guard; a value longer than the typing limit is
    // shown whole all the same.
    void showValue(const QString &text);

    // Puts a value in as if typed: the guard cuts it to the field's form.
    void setGuardedText(const QString &text);

private:
    void applyGuard();
    void restoreTypingLimit();

    NumberBounds m_bounds;
    char m_separator;
    int m_typingLimit = 0;
};

} // namespace kovrin
