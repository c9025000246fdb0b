#include "app/toolbox.h"

#include "surface/surface_host.h"

namespace kovrin {

Toolbox::Toolbox(SurfaceHost &host, QWidget *parent)
    : QWidget(parent)
    , m_host(host)
{
    setWindowTitle(QStringLiteral("Controls Toolbox"));
}

void Toolbox::disarm()
{
    m_host.currentCommand().clear();
}

} // namespace kovrin
