#include "app/view_grid_setting.h"

#include "model/view_grid_text.h"

#include <QSettings>

namespace kovrin {
namespace {

const auto kApplication = QStringLiteral("Kovrin");
const auto kKey = QStringLiteral("SETTINGS/VIEWGRID");

} // namespace

bool readViewGrid()
{
    const QSettings settings(QSettings::UserScope, kApplication, kApplication);
    const QString stored = settings.value(kKey, QStringLiteral("1")).toString();
    return viewGridFromText(stored.toStdString());
}

void writeViewGrid(bool visible)
{
    QSettings settings(QSettings::UserScope, kApplication, kApplication);
    const std::string_view text = viewGridText(visible);
    settings.setValue(kKey, QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    settings.sync();
}

} // namespace kovrin
