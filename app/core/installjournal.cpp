#include "installjournal.h"

#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

const QByteArray Magic = "quillet-install 1";
const QByteArray StateInstall = "state install";
const QByteArray StateCommit = "state commit";

// rename(2): atomic within one folder, and unlike QFile::rename never falls
// back to a copy.
bool renameFile(const QString &from, const QString &to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool removeIfPresent(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return true;
    return QFile::remove(path);
}

bool isInside(const QString &folder, const QString &path)
{
    const QString clean = QDir::cleanPath(path);
    return clean.startsWith(folder + QLatin1Char('/')) && !clean.contains(QLatin1String("/../"));
}

} // namespace

InstallJournal::InstallJournal(const QString &programFolder)
    : m_folder(QDir::cleanPath(QDir(programFolder).absolutePath()))
{
}

QString InstallJournal::relativeTo(const QString &folder, const QString &path)
{
    return QDir::cleanPath(path).mid(folder.size() + 1);
}

bool InstallJournal::hasJournal(const QString &programFolder)
{
    return QFileInfo::exists(QDir(programFolder).filePath(journalName()));
}

bool InstallJournal::writeJournal(bool committed) const
{
    QByteArray text = Magic + '\n' + (committed ? StateCommit : StateInstall) + '\n';
    for (const Target &target : m_targets)
        text += (target.existed ? "1\t" : "0\t") + relativeTo(m_folder, target.path).toUtf8() + '\n';
    return AtomicFile::write(QDir(m_folder).filePath(journalName()), text);
}

bool InstallJournal::begin(const QStringList &targets)
{
    // A run that was cut short is settled first, so its backups are not
    // mistaken for ours.
    if (!repair(m_folder))
        return false;
    m_targets.clear();
    for (const QString &path : targets) {
        const QString clean = QDir::cleanPath(path);
        if (!isInside(m_folder, clean))
            return false;
        const QFileInfo info(clean);
        if (!removeIfPresent(backupPath(clean)) || !removeIfPresent(stagedPath(clean)))
            return false;
        m_targets.append(Target{clean, info.exists() || info.isSymLink()});
    }
    if (!writeJournal(false))
        return false;
    m_active = true;
    return true;
}

bool InstallJournal::swapIn(const QString &staged, const QString &target)
{
    const QFileInfo info(target);
    if (info.exists() || info.isSymLink()) {
        // The new file keeps the old one's permissions (an executable stays one).
        if (info.exists() && !info.isSymLink())
            QFile::setPermissions(staged, QFile::permissions(target));
        if (!renameFile(target, backupPath(target)))
            return false;
    }
    return renameFile(staged, target);
}

bool InstallJournal::install(const QString &source, const QString &target)
{
    if (!m_active)
        return false;
    const QString staged = stagedPath(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    removeIfPresent(staged);
    if (!QFile::copy(source, staged))
        return false;
    return swapIn(staged, target);
}

bool InstallJournal::installBytes(const QByteArray &bytes, const QString &target)
{
    if (!m_active)
        return false;
    const QString staged = stagedPath(target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    QFile file(staged);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written) {
        QFile::remove(staged);
        return false;
    }
    return swapIn(staged, target);
}

void InstallJournal::cleanUp()
{
    for (const Target &target : std::as_const(m_targets)) {
        removeIfPresent(backupPath(target.path));
        removeIfPresent(stagedPath(target.path));
    }
}

bool InstallJournal::commit()
{
    if (!m_active || !writeJournal(true))
        return false;
    // Committed: from here on a repair finishes the run instead of undoing it.
    m_active = false;
    cleanUp();
    QFile::remove(QDir(m_folder).filePath(journalName()));
    return true;
}

bool InstallJournal::restore(const QList<Target> &targets)
{
    bool ok = true;
    for (auto it = targets.crbegin(); it != targets.crend(); ++it) {
        const QString &path = it->path;
        removeIfPresent(stagedPath(path));
        const QString backup = backupPath(path);
        const QFileInfo saved(backup);
        if (saved.exists() || saved.isSymLink()) {
            // rename(2) replaces the new file in one step.
            ok = renameFile(backup, path) && ok;
        } else if (!it->existed) {
            ok = removeIfPresent(path) && ok;
        }
    }
    return ok;
}

bool InstallJournal::rollback()
{
    if (!m_active)
        return true;
    if (!restore(m_targets))
        return false;
    m_active = false;
    return QFile::remove(QDir(m_folder).filePath(journalName()));
}

bool InstallJournal::repair(const QString &programFolder)
{
    const QString folder = QDir::cleanPath(QDir(programFolder).absolutePath());
    const QString journalPath = QDir(folder).filePath(journalName());
    QFile file(journalPath);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (lines.size() < 2 || lines.at(0) != Magic)
        return false;
    const bool committed = lines.at(1) == StateCommit;
    if (!committed && lines.at(1) != StateInstall)
        return false;
    QList<Target> targets;
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        if (line.size() < 3 || line.at(1) != '\t')
            continue;
        const QString relative = QString::fromUtf8(line.mid(2));
        const QString path = QDir::cleanPath(folder + QLatin1Char('/') + relative);
        // A journal naming anything outside the folder is not ours.
        if (QDir::isAbsolutePath(relative) || !isInside(folder, path))
            return false;
        targets.append(Target{path, line.at(0) == '1'});
    }
    if (committed) {
        for (const Target &target : std::as_const(targets)) {
            removeIfPresent(backupPath(target.path));
            removeIfPresent(stagedPath(target.path));
        }
    } else if (!restore(targets)) {
        return false;
    }
    return QFile::remove(journalPath);
}
