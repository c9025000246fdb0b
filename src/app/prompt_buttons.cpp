#include "app/prompt_buttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace kovrin {

QHBoxLayout *makePromptButtons(QDialog &prompt, QWidget *field, KeyCommandFilter::Moment moment,
                               const std::function<void()> &ok, const std::function<void()> &cancel)
{
    auto *okButton = new QPushButton(QStringLiteral("OK"), &prompt);
    okButton->setObjectName(QStringLiteral("cmd_OK"));
    auto *cancelButton = new QPushButton(QStringLiteral("Cancel"), &prompt);
    cancelButton->setObjectName(QStringLiteral("cmd_Cancel"));
    for (QPushButton *button : {okButton, cancelButton})
        button->setAutoDefault(false);
    QObject::connect(okButton, &QPushButton::clicked, &prompt, ok);
    QObject::connect(cancelButton, &QPushButton::clicked, &prompt, cancel);

    auto *keys = new KeyCommandFilter(moment, ok, cancel, &prompt);
    for (QWidget *widget :
         {field, static_cast<QWidget *>(okButton), static_cast<QWidget *>(cancelButton)})
        keys->watch(widget);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    return buttons;
}

} // namespace kovrin
