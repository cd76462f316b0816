#ifndef INSTALLJOURNAL_H
#define INSTALLJOURNAL_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// Replaces a set of files in the program folder so that, whenever the process
// is stopped, the folder holds either every old file or every new one.
//
// Before the first file is touched the journal "update.journal" in the program
// folder lists every target and whether it existed. Each file is copied to
// name + ".update-new" beside its target, the target is renamed to
// name + ".old" beside itself, and the new copy is renamed into place. Only
// when every file is in place is the journal marked as committed; then the
// backups and the journal are removed. repair() finishes an interrupted run:
// a committed journal loses its backups, any other one is rolled back.
class InstallJournal
{
public:
    explicit InstallJournal(const QString &programFolder);

    static QString journalName() { return QStringLiteral("update.journal"); }
    static QString backupPath(const QString &target) { return target + QStringLiteral(".old"); }
    static QString stagedPath(const QString &target) { return target + QStringLiteral(".update-new"); }

    // Records the targets (absolute paths inside the program folder) and
    // removes stale backups and half-written copies of them. Fails when a
    // target lies outside the folder or the journal cannot be written.
    bool begin(const QStringList &targets);
    // Puts the file at source (or the bytes) at target, one of begin()'s.
    bool install(const QString &source, const QString &target);
    bool installBytes(const QByteArray &bytes, const QString &target);
    // Every target is in place: drop the backups and the journal.
    bool commit();
    // Puts every old file back and removes the files the run added.
    bool rollback();
    bool isActive() const { return m_active; }

    // Finishes or undoes a run that was interrupted. True when there was a
    // journal and it is gone now (or there was none).
    static bool repair(const QString &programFolder);
    static bool hasJournal(const QString &programFolder);

private:
    struct Target
    {
        QString path;
        bool existed = false;
    };

    bool writeJournal(bool committed) const;
    bool swapIn(const QString &staged, const QString &target);
    void cleanUp();
    static bool restore(const QList<Target> &targets);
    static QString relativeTo(const QString &folder, const QString &path);

    QString m_folder;
    QList<Target> m_targets;
    bool m_active = false;
};

#endif
