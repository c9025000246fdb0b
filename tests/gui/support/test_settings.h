#pragma once
// Keeps the tests' settings away from the user's own: Qt's test mode, and every settings file
// in a folder of the test's own that starts empty.

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace kovrin {

class TestSettings
{
public:
    TestSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_folder.path());
    }

    // The stored grid switch, as another run would find it; none when nothing is stored.
    static QVariant storedViewGrid()
    {
        return QSettings(QStringLiteral("Kovrin"), QStringLiteral("Kovrin"))
            .value(QStringLiteral("SETTINGS/VIEWGRID"));
    }
    static void storeViewGrid(const QString &text)
    {
        QSettings settings(QStringLiteral("Kovrin"), QStringLiteral("Kovrin"));
        settings.setValue(QStringLiteral("SETTINGS/VIEWGRID"), text);
    }
    static void clear() { QSettings(QStringLiteral("Kovrin"), QStringLiteral("Kovrin")).clear(); }

private:
    QTemporaryDir m_folder;
};

} // namespace kovrin
