#include "surface/surface_view.h"

#include "surface/surface_host.h"

namespace kovrin {

SurfaceView::SurfaceView(SurfaceHost &host, std::int16_t frmIndex, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
    , m_frmIndex(frmIndex)
{
    setFixedSize(kClientWidthPx, kClientHeightPx);
}

SurfaceSize SurfaceView::outerSize() const
{
    const QWidget *window = this->window() != this && parentWidget() ? parentWidget() : this;
    const QRect frame = window->frameGeometry();
    return SurfaceSize{frame.width() * kTwipsPerPixel, frame.height() * kTwipsPerPixel};
}

void SurfaceView::bringToFront() {}
void SurfaceView::sendToBack() {}
void SurfaceView::copyControl() {}
void SurfaceView::pasteControl() {}
void SurfaceView::snapToGrid() {}
void SurfaceView::buildGrid() {}
void SurfaceView::removeGrid() {}
void SurfaceView::refresh() { update(); }

} // namespace kovrin
