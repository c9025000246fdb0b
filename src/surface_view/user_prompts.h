#pragma once
// The user-prompt seam: every question, message, file dialog and colour dialog of the program
// goes through this interface. The real one shows Qt's standard dialogs; tests install a
// scripted one.

#include <QColor>
#include <QString>

#include <optional>

namespace kovrin {

class UserPrompts
{
public:
    enum class Icon { Information, Warning, Critical, Question };
    enum class Choice { Save, Discard, Cancel };

    virtual ~UserPrompts() = default;

    // A message box with only an OK button.
    virtual void message(const QString &title, const QString &text, Icon icon) = 0;
    // A Yes/No box; true for Yes.
    virtual bool askYesNo(const QString &title, const QString &text, Icon icon) = 0;
    // Save / Discard / Cancel (unsaved work).
    virtual Choice askSaveDiscardCancel(const QString &title, const QString &text) = 0;
    // File dialogs; an empty text when cancelled. The filter is in Qt's form.
    virtual QString openFileName(const QString &folder, const QString &title,
                                 const QString &defaultSuffix, const QString &filter)
        = 0;
    virtual QString saveFileName(const QString &folder, const QString &title,
                                 const QString &defaultSuffix, const QString &filter)
        = 0;
    // The colour dialog; none when cancelled.
    virtual std::optional<QColor> pickColour(const QString &title, const QColor &initial) = 0;
};

} // namespace kovrin
