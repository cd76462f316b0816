#include "updateentry.h"

#include "installjournal.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace GammaLib {

namespace {

bool isPlainName(const QString &part)
{
    return !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..")
           && !part.contains(QLatin1Char('/')) && !part.contains(QLatin1Char('\\'))
           && !part.contains(QChar(0));
}

// Names the updater itself writes in the program folder.
bool isReservedName(const QString &name)
{
    return name.endsWith(QLatin1String(".old")) || name.endsWith(QLatin1String(".update-new"));
}

bool inside(const QString &folder, const QString &path)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

bool UpdateEntry::parse(const QString &item, UpdateEntry *entry, bool *malformed)
{
    *malformed = false;
    const QStringList fields = item.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (fields.size() < 4)
        return false;
    UpdateEntry e;
    e.name = fields.at(0);
    e.version = fields.at(1);
    e.address = fields.at(2);
    e.subdirectory = fields.at(3);
    if (fields.size() > 4 && !fields.at(4).trimmed().isEmpty()) {
        static const QRegularExpression hex(QStringLiteral("^[0-9A-Fa-f]{64}$"));
        const QString digest = fields.at(4).trimmed();
        if (!hex.match(digest).hasMatch()) {
            *malformed = true;
            return false;
        }
        e.sha256 = QByteArray::fromHex(digest.toLatin1());
    }
    *entry = e;
    return true;
}

QString UpdateEntry::localPath(const QString &programFolder) const
{
    return programFolder + QLatin1Char('/')
           + (subdirectory.isEmpty() ? QString() : subdirectory + QLatin1Char('/')) + name;
}

int UpdateEntry::versionNumber() const
{
    bool ok = false;
    const int number = version.toInt(&ok, 10);
    return ok ? number : 0;
}

bool UpdateEntry::checkTarget(const QString &programFolder, QString *why)
{
    auto refuse = [why](const QString &text) {
        if (why)
            *why = text;
        return false;
    };
    if (!isPlainName(name) || isReservedName(name))
        return refuse(QStringLiteral("bad file name: ") + name);
    if (subdirectory.isEmpty()
        && (name == QLatin1String("ver.dat") || name == InstallJournal::journalName()))
        return refuse(QStringLiteral("reserved file name: ") + name);
    const QStringList parts = subdirectory.isEmpty() ? QStringList()
                                                     : subdirectory.split(QLatin1Char('/'), Qt::KeepEmptyParts);
    if (subdirectory.startsWith(QLatin1Char('/'))
        || QRegularExpression(QStringLiteral("^[A-Za-z]:")).match(subdirectory).hasMatch())
        return refuse(QStringLiteral("absolute subdirectory: ") + subdirectory);
    for (const QString &part : parts) {
        if (!isPlainName(part))
            return refuse(QStringLiteral("bad subdirectory: ") + subdirectory);
    }

    // Every existing step of the way must stay inside the folder, also when
    // it is a symbolic link.
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder.isEmpty())
        return refuse(QStringLiteral("no program folder"));
    QString path = folder;
    QStringList steps = parts;
    steps.append(name);
    for (const QString &step : std::as_const(steps)) {
        path += QLatin1Char('/') + step;
        const QFileInfo info(path);
        if (info.isSymLink() || info.exists()) {
            const QString real = info.canonicalFilePath();
            if (real.isEmpty() || !inside(folder, real))
                return refuse(QStringLiteral("leads outside the program folder: ") + path);
        }
    }
    target = path;
    return true;
}

bool checkTargets(QList<UpdateEntry> &entries, const QString &programFolder, QString *why)
{
    QList<UpdateEntry> checked = entries;
    QSet<QString> seen;
    for (UpdateEntry &entry : checked) {
        if (!entry.checkTarget(programFolder, why))
            return false;
        if (seen.contains(entry.target)) {
            if (why)
                *why = QStringLiteral("listed twice: ") + entry.target;
            return false;
        }
        seen.insert(entry.target);
    }
    entries = checked;
    return true;
}

} // namespace GammaLib
