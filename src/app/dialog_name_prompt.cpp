#include "app/dialog_name_prompt.h"

#include "app/key_command_filter.h"
#include "app/user_prompts.h"
#include "model/dialog_name_check.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovrin {

DialogNamePrompt::DialogNamePrompt(UserPrompts &prompts, NameCheck check, QWidget *parent)
    : QDialog(parent)
    , m_prompts(prompts)
    , m_check(std::move(check))
{
    setObjectName(QStringLiteral("frm_DialogName"));
    setWindowTitle(QStringLiteral("Enter dialog's name"));

    auto *label = new QLabel(QStringLiteral("Dialog's Name"), this);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txt_name"));
    m_name->setMaxLength(kMaxNameLength);
    m_name->setToolTip(QStringLiteral(
        "Name for this dialog. The name you will use in your scripts to refer to this dialog."));
    m_name->setMinimumWidth(260);
    label->setBuddy(m_name);

    auto *okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmd_OK"));
    auto *cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cmd_Cancel"));
    for (QPushButton *button : {okButton, cancelButton})
        button->setAutoDefault(false);
    connect(okButton, &QPushButton::clicked, this, &DialogNamePrompt::ok);
    connect(cancelButton, &QPushButton::clicked, this, &DialogNamePrompt::cancel);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // This prompt answers Enter and Escape when the key comes up.
    auto *keys = new KeyCommandFilter(
        KeyCommandFilter::Moment::KeyUp, [this] { ok(); }, [this] { cancel(); }, this);
    for (QWidget *widget : {static_cast<QWidget *>(m_name), static_cast<QWidget *>(okButton),
                            static_cast<QWidget *>(cancelButton)})
        keys->watch(widget);
}

QString DialogNamePrompt::name() const
{
    return m_name->text();
}

void DialogNamePrompt::setName(const QString &name)
{
    // A longer name read from a file is shown whole rather than silently cut.
    m_name->setMaxLength(std::max<int>(kMaxNameLength, static_cast<int>(name.size())));
    m_name->setText(name);
    m_name->selectAll();
}

void DialogNamePrompt::ok()
{
    const QString problems = m_check
        ? m_check(name())
        : QString::fromStdString(dialogNameProblems(name().toStdString()));
    if (!problems.isEmpty()) {
        m_prompts.message(QStringLiteral("WARNING"), problems, UserPrompts::Icon::Warning);
        m_name->setFocus();
        return;
    }
    accept();
}

void DialogNamePrompt::cancel()
{
    Cancelled = true;
    QDialog::reject();
}

void DialogNamePrompt::reject()
{
    // The window's close box counts as Cancel.
    cancel();
}

} // namespace kovrin
