#include "appicon.h"

#include "installpaths.h"

#include <QDir>
#include <QFileInfo>

namespace AppIcon {

QStringList files()
{
    const QStringList folders = InstallPaths::dataFolders();
    for (const QString &folder : folders) {
        const QDir icons(QDir(folder).filePath(QStringLiteral("icons")));
        QFileInfoList found = icons.entryInfoList({QStringLiteral("quillet-*.png")}, QDir::Files);
        if (found.isEmpty())
            continue;
        std::sort(found.begin(), found.end(), [](const QFileInfo &a, const QFileInfo &b) {
            return a.baseName().mid(8).toInt() < b.baseName().mid(8).toInt();
        });
        QStringList paths;
        for (const QFileInfo &file : std::as_const(found))
            paths.append(file.absoluteFilePath());
        return paths;
    }
    return {};
}

QIcon icon()
{
    QIcon own;
    const QStringList paths = files();
    for (const QString &path : paths)
        own.addFile(path);
    return QIcon::fromTheme(QStringLiteral("quillet"), own);
}

} // namespace AppIcon
