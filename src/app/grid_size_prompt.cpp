#include "app/grid_size_prompt.h"

#include "app/prompt_buttons.h"
#include "model/number_guard.h"
#include "props_window/number_field.h"
#include "surface/grid_step.h"
#include "surface_view/user_prompts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kovrin {

GridSizePrompt::GridSizePrompt(UserPrompts &prompts, char decimalSeparator, QWidget *parent)
    : QDialog(parent)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("frm_GridSize"));
    setWindowTitle(QStringLiteral("Grid Size for current dialog"));

    auto *explanation = new QLabel(QStringLiteral("Enter the grid size for the current dialog. "
                                                  "Value is 0 to 1, 1 being the whole "
                                                  "width/height of the screen."),
                                   this);
    explanation->setWordWrap(true);
    explanation->setMinimumWidth(300);
    auto *fieldLabel = new QLabel(QStringLiteral("Grid Size"), this);
    m_size = new NumberField(kGridStepBounds, decimalSeparator, false, this);
    m_size->setObjectName(QStringLiteral("txt_size"));
    m_size->setToolTip(QStringLiteral("Grid step as a fraction of the dialog's width and height, "
                                      "0 to 1 with at most 4 decimals."));
    fieldLabel->setBuddy(m_size);

    auto *field = new QHBoxLayout;
    field->addWidget(fieldLabel);
    field->addWidget(m_size, 1);
    // This prompt answers Enter and Escape when the key goes down.
    QHBoxLayout *buttons = makePromptButtons(
        *this, m_size, KeyCommandFilter::Moment::KeyDown, [this] { ok(); }, [this] { cancel(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(field);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString GridSizePrompt::sizeText() const
{
    return m_size->text();
}

void GridSizePrompt::setSizeText(const QString &text)
{
    m_size->setGuardedText(text);
    m_size->selectAll();
}

void GridSizePrompt::ok()
{
    const std::string problems = gridSizeProblems(m_size->text().toStdString());
    if (!problems.empty()) {
        m_prompts.message(QStringLiteral("WARNING"), QString::fromStdString(problems),
                          UserPrompts::Icon::Warning);
        m_size->setFocus();
        return;
    }
    accept();
}

void GridSizePrompt::cancel()
{
    Cancelled = true;
    QDialog::reject();
}

void GridSizePrompt::reject()
{
    cancel();
}

} // namespace kovrin
