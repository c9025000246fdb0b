#include "props_window/font_preview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

namespace kovrin {

QStringList FontPreview::defaultFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.absolutePath(),
            program.absoluteFilePath(QStringLiteral("../share/kovrin/fonts")),
            program.absoluteFilePath(QStringLiteral("../share/kovrin"))};
}

FontPreview::FontPreview(QStringList folders, QWidget *parent)
    : QLabel(parent)
    , m_folders(std::move(folders))
{
    setAlignment(Qt::AlignCenter);
}

void FontPreview::showFont(const QString &entry)
{
    clearFont();
    if (entry.isEmpty())
        return;
    for (const QString &folder : m_folders) {
        const QString path = QDir(folder).filePath(entry + QStringLiteral(".gif"));
        if (!QFileInfo::exists(path))
            continue;
        const QPixmap picture(path);
        if (picture.isNull())
            return;
        setPixmap(picture);
        m_shownFile = path;
        return;
    }
}

void FontPreview::clearFont()
{
    clear();
    m_shownFile.clear();
}

} // namespace kovrin
