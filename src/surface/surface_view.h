#pragma once
// The design surface of one dialog: paints its grid lines and drawn controls from the core
// state and turns mouse and keyboard events into core gestures. One widget per dialog, no child
// widget per control.

#include "surface/drawn_control.h"

#include <QWidget>

#include <cstdint>

namespace kovrin {

class SurfaceHost;

class SurfaceView : public QWidget
{
    Q_OBJECT
public:
    // The client area of a dialog window: 11910 x 7215 twips.
    static constexpr int kClientWidthPx = 794;
    static constexpr int kClientHeightPx = 481;

    SurfaceView(SurfaceHost &host, std::int16_t frmIndex, QWidget *parent = nullptr);

    std::int16_t frmIndex() const { return m_frmIndex; }
    // The window's outer size (client plus the real frame and title bar) in twips.
    SurfaceSize outerSize() const;

    // Commands of the "Control Manager" menu, on the state the menu left.
    void bringToFront();
    void sendToBack();
    void copyControl();
    void pasteControl();
    void snapToGrid();

    // Grid lines of this dialog.
    void buildGrid();
    void removeGrid();

    // Repaint after the document changed outside the view (editor, undo, load).
    void refresh();

private:
    SurfaceHost &m_host;
    std::int16_t m_frmIndex;
};

} // namespace kovrin
