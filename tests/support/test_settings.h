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

    // A stored setting as another run would find it; none when nothing is stored.
    static QVariant value(const char *key) { return QSettings(kOrg, kOrg).value(key); }
    static void setValue(const char *key, const QString &text)
    {
        QSettings(kOrg, kOrg).setValue(key, text);
    }
    static void clear() { QSettings(kOrg, kOrg).clear(); }

private:
    static constexpr auto kOrg = "Kovrin";
    QTemporaryDir m_folder;
};

} // namespace kovrin
