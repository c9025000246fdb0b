#pragma once
// The design surface of one dialog: paints its grid lines and drawn controls from the core
// state and turns mouse and keyboard events into core gestures. One widget per dialog, no child
// widget per control.

#include "model/drawn_control.h"
#include "surface/arrange.h"
#include "surface/grab_zone.h"
#include "surface/held_keys.h"
#include "surface/input_state.h"
#include "surface/selection_interaction.h"
#include "surface/surface_interaction.h"

#include <QPixmap>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QMouseEvent;
class QTimer;

namespace kovrin {

class SurfaceHost;
struct SurfaceRef;

class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    // The client area of a dialog window: 11910 x 7215 twips.
    static constexpr int kClientWidthPx = 794;
    static constexpr int kClientHeightPx = 481;

    SurfaceView(SurfaceHost &host, std::int16_t frmIndex, QWidget *parent = nullptr);

    std::int16_t frmIndex() const { return m_frmIndex; }
    // The window's outer size (client plus the real frame and title bar) in twips, with the
    // frame its dialog's drawn controls stand on.
    SurfaceSize outerSize() const;
    // A fixed outer size for a view shown without its child window (tests, benchmarks).
    void setOuterSizeOverride(std::optional<SurfaceSize> size) { m_outerOverride = size; }

    // Commands of the "Control Manager" menu, on the state the menu left.
    void bringToFront();
    void sendToBack();
    void copyControl();
    void pasteControl();
    void snapToGrid();

    // Grid lines of this dialog.
    void buildGrid();
    void removeGrid();

    // OK of the control order window: records and drawn controls in the order of these tags.
    void applyControlOrder(const std::vector<std::string> &tags);

    // What the gestures left on this surface: drag, outline, menu target, focus, grid lines.
    const SurfaceInteraction &interaction() const { return m_interaction; }

    // Repaint after the document changed outside the view (editor, undo, load).
    void refresh();
    // Undo or redo put other content in place: what the gestures held on to is let go first.
    void contentRestored();

    // --- the picked controls -------------------------------------------------------------
    const Selection &selection() const { return m_selection.picked; }
    void selectAll();
    void clearSelection();
    // The control of the tag alone picked, when it is shown (a problem's line, the panel).
    void selectOnly(const std::string &tag);
    // A command of the Arrange menu on the picked controls, one undo step of that name.
    void arrange(ArrangeCommand command, const QString &stepName);
    // The picked controls, or with none the focused control, into the clipboard; true when
    // anything was copied.
    bool copySelection();
    // The copied controls pasted with the first at a point of the surface (twips).
    void pasteAt(double x, double y);

signals:
    void selectionChanged();
    // A press gave another control the keyboard focus.
    void focusedControlChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    std::optional<SurfaceRef> surfaceRef();
    SurfaceSize windowSize() const;
    const DrawnControl *pressedControl();
    std::string hitTag(const QPointF &pixel);

    void pressOn(const QPointF &pixel, Qt::MouseButton button, Qt::MouseButtons held);
    // A movement for the gestures of one control: hover, move, resize.
    void trackPointer(const QMouseEvent *event);
    // What a press adds for the selection: picking, letting go, a band or a group drag.
    void pressForSelection(const QPointF &pixel, Qt::MouseButton button,
                           Qt::KeyboardModifiers modifiers);
    bool trackSelectionGesture(const QPointF &pixel, Qt::MouseButtons held,
                               Qt::KeyboardModifiers modifiers);
    // A plain or Shift arrow: the picked controls a pixel or ten.
    bool nudge(const QKeyEvent &event, NudgeKey key);
    bool keyForSelection(QKeyEvent &event);
    void showStatus(const QPointF &pixel);
    void selectionWasChanged();
    // The band or the group drag ends with the release; true when one was under way.
    bool finishBand(const QPointF &pixel);
    bool finishGroupDrag();
    // The grid step a drag lands on, when "Snap to grid while dragging" is on and there is one.
    std::optional<float> snapGrid();
    void snapOutline();
    QRect groupOutlineRect();
    void releaseOnControl(const QPointF &pixel, Qt::MouseButton button, int keys,
                          const QPoint &global);
    void releaseOnBackground(const QPointF &pixel, Qt::MouseButton button, const QPoint &global);
    // A new control of the armed kind; true when one was made (the caller reports the change).
    bool placeArmed(double x, double y);
    void clickOnControl(const std::string &tag, int keys);
    void openEditorOn(const std::string &tag);
    // The Delete key: the picked controls, or the focused one; true when any went.
    bool deleteControls();
    // The keyboard step of the focused control, once its key is known to be up.
    void stepFocused(int key, int keys);
    void setPointer(PointerShape shape);
    // Reports a change of the document as one undo step of this name.
    void changed(const QString &stepName);
    void updateOutline();
    void updateControl(const std::string &tag);

    SurfaceHost &m_host;
    std::int16_t m_frmIndex;
    std::optional<SurfaceSize> m_outerOverride;
    QTimer *m_clickTimer; // tmr_click
    // The receiver of the press that is held: a drawn control (by tag) keeps the mouse until
    // every button is up; the background keeps it the same way.
    enum class Receiver { None, Background, Control };
    Receiver m_receiver = Receiver::None;
    std::string m_pressedTag;
    QRegion m_outlineShown; // where the outline was last painted, in pixels
    PointerShape m_pointer = PointerShape::Arrow;

    SurfaceInteraction m_interaction;
    SelectionInteraction m_selection;
    // The surface as it stood when a rubber band or a group drag began: they are drawn over it.
    QPixmap m_backdrop;
    // A held arrow key repeats presses; they make one undo step. Some platforms send a release
    // before each repeated press: a press within the settle time of HeldKeys is still the hold.
    int m_arrowHeld = 0; // the arrow key down, 0 for none
    int m_lastArrow = 0;
    unsigned long m_arrowReleasedAt = 0;
    int m_nudgeRun = 0;
    HeldKeys m_heldKeys;
};

} // namespace kovrin
