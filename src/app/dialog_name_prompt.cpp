#include "app/dialog_name_prompt.h"

#include "app/prompt_buttons.h"
#include "model/dialog_name_check.h"
#include "surface_view/user_prompts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    m_name->setMaxLength(kDialogNameLength);
    m_name->setToolTip(QStringLiteral(
        "Name for this dialog. The name you will use in your scripts to refer to this dialog."));
    m_name->setMinimumWidth(260);
    label->setBuddy(m_name);

    // This prompt answers Enter and Escape when the key comes up.
    QHBoxLayout *buttons = makePromptButtons(
        *this, m_name, KeyCommandFilter::Moment::KeyUp, [this] { ok(); }, [this] { cancel(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_name);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString DialogNamePrompt::name() const
{
    return m_name->text();
}

void DialogNamePrompt::setName(const QString &name)
{
    // A longer name read from a file is shown whole rather than silently cut.
    m_name->setMaxLength(std::max<int>(kDialogNameLength, static_cast<int>(name.size())));
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
