#pragma once
// frm_DialogName, "Enter dialog's name": asks for a dialog's name. The caller fills the field,
// runs the prompt modally, then reads Cancelled and the name. The prompt changes no document.

#include <QDialog>

#include <functional>

class QLineEdit;

namespace kovrin {

class UserPrompts;

class DialogNamePrompt : public QDialog
{
    Q_OBJECT
public:
    // Why a name cannot be taken, as "- " lines; empty when it can.
    using NameCheck = std::function<QString(const QString &name)>;

    // Without a check only the empty name is refused.
    explicit DialogNamePrompt(UserPrompts &prompts, NameCheck check = {},
                              QWidget *parent = nullptr);

    bool Cancelled = false;

    QString name() const;
    void setName(const QString &name);

    void ok(); // cmd_OK_Click
    void cancel(); // cmd_Cancel_Click
    void reject() override;

private:
    UserPrompts &m_prompts;
    NameCheck m_check;
    QLineEdit *m_name = nullptr;
};

} // namespace kovrin
