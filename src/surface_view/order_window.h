#pragma once
// frm_organize, the "Organize controls" window: the records of one list of a dialog (the picked
// or focused control's: its own, or a controls group's) from back (top) to front (bottom),
// rearranged with Front and Back and applied by OK. Nothing changes in the dialog before OK.

#include "surface/control_order.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace kovrin {

class SurfaceHost;
class SurfaceView;

class OrderWindow : public QDialog
{
    Q_OBJECT
public:
    // CurrFrm is the view's dialog.
    OrderWindow(SurfaceHost &host, SurfaceView &view, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void front();
    void back();
    void ok();
    void takeSelection();
    void showList();

    SurfaceHost &m_host;
    SurfaceView &m_view;
    ControlOrderList m_list;
    QListWidget *m_entries; // lst_ctrls
};

} // namespace kovrin
