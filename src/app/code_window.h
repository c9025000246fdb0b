#pragma once
// frm_generator, "Code to include in your mission's .ext file": shows the generated code for
// copying. The code is selected whole whenever its area takes the focus, and "Copy to Clipboard"
// puts it on the system clipboard in one click.

#include <QDialog>

namespace kovrin {

class CodeView;

class CodeWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CodeWindow(const QString &code, QWidget *parent = nullptr);

    QString code() const;
    void copyToClipboard(); // cmd_copy_Click
    void closeWindow(); // cmd_close_Click

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    CodeView *m_code = nullptr;
};

} // namespace kovrin
