#ifndef CRASHRECOVERYCOPY_H
#define CRASHRECOVERYCOPY_H

#include <QFileDevice>
#include <QString>

// The plain-text copy of the editor text ("backup.ini") that lets the next
// start recover the text after a crash.
class CrashRecoveryCopy
{
public:
    explicit CrashRecoveryCopy(const QString &folder);

    void markChanged() { m_changed = true; }
    bool isChanged() const { return m_changed; }

    // Writes text when it changed since the last copy and is not blank.
    // The changed flag is cleared after any attempt to write, and kept
    // while the text is blank. Returns true when a copy was written.
    bool backup(const QString &text);

    // The saved copy, or an empty string when there is none.
    QString read() const;
    QString filePath() const { return m_path; }

    // Replaces the file atomically; false leaves the previous copy intact.
    // The file is written owner-only (0600).
    static bool writeFile(const QString &path, const QString &text);
    static QFileDevice::Permissions ownerOnly();

private:
    QString m_path;
    bool m_changed = false;
};

#endif
