#pragma once
// The user-prompt seam as the program shows it: Qt's message boxes, Qt's own file dialog (the
// same on every platform, with our own overwrite question and the examples folder in its
// sidebar) and the colour dialog.

#include "app/file_dialog_folders.h"
#include "surface_view/user_prompts.h"

#include <QPointer>
#include <QWidget>

namespace kovrin {

class QtUserPrompts : public UserPrompts
{
public:
    // The examples folder, when there is one, is an entry of the file dialogs' sidebar.
    explicit QtUserPrompts(QWidget *parent = nullptr,
                           const QString &examplesFolder = findExamplesFolder());
    void setParent(QWidget *parent) { m_parent = parent; }

    void message(const QString &title, const QString &text, Icon icon) override;
    bool askYesNo(const QString &title, const QString &text, Icon icon) override;
    Choice askSaveDiscardCancel(const QString &title, const QString &text) override;
    QString openFileName(const QString &folder, const QString &title, const QString &defaultSuffix,
                         const QString &filter) override;
    QString saveFileName(const QString &folder, const QString &title, const QString &defaultSuffix,
                         const QString &filter) override;
    std::optional<QColor> pickColour(const QString &title, const QColor &initial) override;

private:
    QPointer<QWidget> m_parent;
    QString m_examplesFolder;
};

} // namespace kovrin
