#include "documentfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString DocumentFolder::startFolder(const QString &lastUsed, const QStringList &recentFiles)
{
    if (isFolder(lastUsed))
        return lastUsed;
    for (const QString &file : recentFiles) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!file.isEmpty() && isFolder(folder))
            return folder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (isFolder(documents))
        return documents;
    return QDir::homePath();
}
