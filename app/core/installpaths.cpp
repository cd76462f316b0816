#include "installpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef QUILLET_DATA_FROM_PROGRAM
#define QUILLET_DATA_FROM_PROGRAM "../../share/quillet"
#endif

namespace InstallPaths {

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QStringList dataFolders()
{
    QStringList folders;
    const auto add = [&folders](const QString &folder) {
        const QString clean = QDir::cleanPath(folder);
        if (!clean.isEmpty() && !folders.contains(clean))
            folders.append(clean);
    };
    const QString program = programFolder();
    add(program);
    add(QDir(program).filePath(QStringLiteral(QUILLET_DATA_FROM_PROGRAM)));
    // The tools installed in bin/ (quillet-check).
    add(QDir(program).filePath(QStringLiteral("../share/quillet")));
    const QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString &base : system)
        add(QDir(base).filePath(QStringLiteral("quillet")));
    return folders;
}

QStringList translationFolders()
{
    QStringList folders{programFolder()};
    const QStringList data = dataFolders();
    for (const QString &folder : data) {
        const QString translations = QDir(folder).filePath(QStringLiteral("translations"));
        if (!folders.contains(translations))
            folders.append(translations);
    }
    const QString current = QDir::currentPath();
    if (!folders.contains(current))
        folders.append(current);
    return folders;
}

QString folderHolding(const QStringList &folders, const QString &fileName)
{
    for (const QString &folder : folders) {
        if (QFileInfo(QDir(folder).filePath(fileName)).isFile())
            return folder;
    }
    return QString();
}

QString dataFile(const QString &fileName)
{
    const QString folder = folderHolding(dataFolders(), fileName);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(fileName);
}

} // namespace InstallPaths
