#include "app/fs_path.h"

#include <QFileInfo>

namespace kovrin {

std::filesystem::path toFsPath(const QString &path)
{
    return QFileInfo(path).filesystemFilePath();
}

QString fromFsPath(const std::filesystem::path &path)
{
    return QFileInfo(path).filePath();
}

} // namespace kovrin
