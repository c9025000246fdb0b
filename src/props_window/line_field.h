#pragma once
// A single-line field of the property editor that selects its whole text whenever it gets the
// focus, by click or by key, or never: the platform's own line edit selects it on Tab only.

#include <QLineEdit>

namespace kovrin {

class LineField : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineField(bool selectOnFocus, QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    bool m_selectOnFocus;
};

} // namespace kovrin
