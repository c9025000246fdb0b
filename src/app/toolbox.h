#pragma once
// The "Controls Toolbox": a small window above all others at the right edge of the screen with
// one picture button per control kind, which arms that kind for the next click on a surface,
// and "Cancel selection", which disarms.

#include "model/control_kind.h"

#include <QWidget>

#include <array>
#include <optional>

class QPushButton;

namespace kovrin {

class Toolbox : public QWidget
{
    Q_OBJECT
public:
    explicit Toolbox(QWidget *parent = nullptr);
    // CurrCommand: the kind armed for the next click on a surface.
    std::optional<ControlKind> armedKind() const { return m_armed; }
    // A kind button's click: that kind armed and its button yellow.
    void arm(ControlKind kind);
    // cmd_Cancel_Click: every kind button grey and nothing armed.
    void disarm();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *kindButton(ControlKind kind) const { return m_kindButtons[kindIndex(kind)]; }
    void placeAtTheRightEdge();

    std::optional<ControlKind> m_armed;
    std::array<QPushButton *, kAllKinds.size()> m_kindButtons {}; // in the kind table's order
    bool m_placed = false;
};

} // namespace kovrin
