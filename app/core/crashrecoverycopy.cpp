#include "crashrecoverycopy.h"

#include "atomicfile.h"

#include <QDir>
#include <QFile>

CrashRecoveryCopy::CrashRecoveryCopy(const QString &folder)
    : m_path(QDir(folder).filePath(QStringLiteral("backup.ini")))
{
    // A copy left by an older version may be readable by others.
    QFile existing(m_path);
    if (existing.exists() && existing.permissions() != ownerOnly())
        existing.setPermissions(ownerOnly());
}

QFileDevice::Permissions CrashRecoveryCopy::ownerOnly()
{
    return QFileDevice::ReadOwner | QFileDevice::WriteOwner;
}

bool CrashRecoveryCopy::writeFile(const QString &path, const QString &text)
{
    // The user's text: readable by the user only.
    return AtomicFile::write(path, text.toLocal8Bit(), ownerOnly());
}

bool CrashRecoveryCopy::backup(const QString &text)
{
    if (!m_changed || text.trimmed().isEmpty())
        return false;
    m_changed = false;
    return writeFile(m_path, text);
}

QString CrashRecoveryCopy::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}
