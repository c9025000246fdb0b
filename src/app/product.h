#pragma once
// The product's name and version as the windows show them.

#include <QString>

namespace kovrin {

inline constexpr int kVersionMajor = 0;
inline constexpr int kVersionMinor = 61;

inline QString productName()
{
    return QStringLiteral("Kovrin");
}

// "v0.61 BETA": both numbers as plain decimal integers.
inline QString versionLine()
{
    return QStringLiteral("v%1.%2 BETA").arg(kVersionMajor).arg(kVersionMinor);
}

// "Kovrin v0.61 BETA"
inline QString mainWindowTitle()
{
    return productName() + QLatin1Char(' ') + versionLine();
}

// "Kovrin v0.61 BETA - menu.kvx *": the design file's name when there is one, and the mark of
// unsaved changes.
inline QString mainWindowTitle(const QString &fileName, bool modified)
{
    QString title = mainWindowTitle();
    if (!fileName.isEmpty())
        title += QStringLiteral(" - ") + fileName;
    if (modified)
        title += QStringLiteral(" *");
    return title;
}

} // namespace kovrin
