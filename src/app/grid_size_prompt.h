#pragma once
// frm_GridSize, "Grid Size for current dialog": asks for a dialog's grid step. The field takes
// only numbers from 0 to 1 with at most four decimals, guarded after every change; the caller
// reads Cancelled and the text, which may still be a lone "-".

#include <QDialog>

namespace kovrin {

class NumberField;
class UserPrompts;

class GridSizePrompt : public QDialog
{
    Q_OBJECT
public:
    GridSizePrompt(UserPrompts &prompts, char decimalSeparator, QWidget *parent = nullptr);

    bool Cancelled = false;

    QString sizeText() const;
    void setSizeText(const QString &text);

    void ok(); // cmd_OK_Click
    void cancel(); // cmd_Cancel_Click
    void reject() override;

private:
    UserPrompts &m_prompts;
    NumberField *m_size = nullptr; // txt_size, guarded after every change
};

} // namespace kovrin
