#include "app/readme_command.h"

#include "surface_view/user_prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace kovrin {

QStringList readmeFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.absolutePath(),
            QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral("../share/kovrin")))};
}

QString findReadme(const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QFileInfo file(QDir(folder).absoluteFilePath(QStringLiteral("readme.txt")));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

void viewReadme(UserPrompts &prompts, const QStringList &folders)
{
    const QString readme = findReadme(folders);
    if (readme.isEmpty()) {
        QString text = QStringLiteral("The file readme.txt was not found. Looked in:\r\n");
        for (const QString &folder : folders)
            text
                += QStringLiteral("- ") + QDir::toNativeSeparators(folder) + QStringLiteral("\r\n");
        prompts.message(QStringLiteral("WARNING"), text, UserPrompts::Icon::Warning);
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(readme))) {
        prompts.message(QStringLiteral("WARNING"),
                        QStringLiteral("No program to show text files could be started for ")
                            + QDir::toNativeSeparators(readme) + QStringLiteral("."),
                        UserPrompts::Icon::Warning);
    }
}

} // namespace kovrin
