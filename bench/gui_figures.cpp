#include "gui_figures.h"

#include <QLatin1String>
#include <QMessageLogContext>

namespace kovrin::bench {
namespace {

QtMessageHandler g_defaultHandler = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        g_defaultHandler(type, context, message);
}

} // namespace

void useQuietOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(quietPlatform);
}

} // namespace kovrin::bench
