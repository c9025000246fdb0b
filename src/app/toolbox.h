#pragma once
// The "Controls Toolbox": nine kinds to arm and "Cancel selection".

#include <QWidget>

namespace kovrin {

class SurfaceHost;

class Toolbox : public QWidget
{
    Q_OBJECT
public:
    explicit Toolbox(SurfaceHost &host, QWidget *parent = nullptr);
    // cmd_Cancel_Click: nothing armed.
    void disarm();

private:
    SurfaceHost &m_host;
};

} // namespace kovrin
