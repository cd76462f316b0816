#ifndef UPDATEMANAGER_H
#define UPDATEMANAGER_H

#include "updateentry.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// Downloads the files of an update one after the other into a private
// temporary folder of this run, checks each against its digest and size
// bound, and installs them into the program folder as one transaction
// (InstallJournal): a failure, a cancel or a killed process leaves the old
// files in place.
class UpdateManager : public QObject
{
    Q_OBJECT
public:
    // No single file of a release is larger than this.
    static constexpr qint64 DefaultMaxFileBytes = qint64(512) * 1024 * 1024;

    explicit UpdateManager(const QString &applicationDir, QObject *parent = nullptr);
    ~UpdateManager() override;

    void setEntries(const QList<UpdateEntry> &entries) { m_entries = entries; }
    const QList<UpdateEntry> &entries() const { return m_entries; }
    void setMaxFileBytes(qint64 bytes) { m_maxFileBytes = bytes; }

    // Settles a run cut short earlier, then deletes the leftover ".old"
    // files of the program folder.
    void removeLeftovers();
    // Downloads every entry, from index 0; ends in signalDownloadFinished()
    // or signalFinished(false).
    void startDownloads();
    // Installs the downloaded files and the new version file in one step;
    // ends in signalFinished().
    void install(const QByteArray &versionFile);
    // Stops a running download and puts back whatever was replaced.
    void cancel();

signals:
    void signalDownloadFinished();
    void signalFinished(bool result);
    void signalDownloadProgress(int progress);

public slots:
    void slotDownloadFinished();
    void slotDownloadProgress(qint64 bytesReceived, qint64 bytesTotal);

private:
    void downloadNext();
    void fail();
    void readAvailable();
    QString downloadedCopy(int index) const;

    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_reply;
    QList<UpdateEntry> m_entries;
    std::unique_ptr<QTemporaryDir> m_tempDir;
    QString m_applicationDir;
    int m_index = 0;

    QFile m_file;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
    qint64 m_received = 0;
    qint64 m_maxFileBytes = DefaultMaxFileBytes;
    bool m_failed = false;
    bool m_done = false;
};

} // namespace GammaLib

#endif
