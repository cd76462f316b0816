#ifndef UPDATEENTRY_H
#define UPDATEENTRY_H

#include <QByteArray>
#include <QList>
#include <QString>

namespace GammaLib {

// One file of a release, from an item "name|version|address|subdirectory"
// of the version service's file list, optionally followed by "|" and the
// file's SHA-256 in hexadecimal.
struct UpdateEntry
{
    QString name;
    QString version;
    QString address;
    QString subdirectory;
    QByteArray sha256; // raw digest; empty when the list gives none
    QString target;    // absolute path in the program folder, once checked

    // False for an item of fewer than four fields (it is skipped) or with a
    // fifth field that is not a SHA-256 in hexadecimal (the list is refused).
    static bool parse(const QString &item, UpdateEntry *entry, bool *malformed);

    // application folder + "/" + (subdirectory + "/") + name
    QString localPath(const QString &programFolder) const;
    int versionNumber() const;

    // Whether the entry may be written into the program folder: a plain
    // name, a relative subdirectory without "." or ".." parts, and nothing on
    // the way (a symbolic link) that leads outside the folder. Fills target.
    bool checkTarget(const QString &programFolder, QString *why = nullptr);
};

// Checks every entry; false (and nothing filled) when one is unsafe or two
// name the same file.
bool checkTargets(QList<UpdateEntry> &entries, const QString &programFolder, QString *why = nullptr);

} // namespace GammaLib

#endif
