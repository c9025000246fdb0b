#pragma once
// The About window: product name, version, three fixed lines and the logo. It has no button: a
// key that produces a character, or a click, closes it; arrow and function keys do not.

#include <QDialog>

namespace kovrin {

class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_frame = nullptr;
};

} // namespace kovrin
