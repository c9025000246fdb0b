#include "app/design_file_drop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace kovrin {

QString droppedDesignFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QFileInfo(path).suffix().compare(QLatin1String("kvx"), Qt::CaseInsensitive) == 0)
            return path;
    }
    return {};
}

} // namespace kovrin
