#include "updatemanager.h"

#include "installjournal.h"

#include <QDir>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace GammaLib {

namespace {
// A download that receives nothing for this long fails.
constexpr int TransferTimeoutMs = 30000;
} // namespace

UpdateManager::UpdateManager(const QString &applicationDir, QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_applicationDir(applicationDir)
{
}

UpdateManager::~UpdateManager()
{
    if (m_reply)
        m_reply->abort();
}

void UpdateManager::removeLeftovers()
{
    InstallJournal::repair(m_applicationDir);
    QDir folder(m_applicationDir);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".old")))
            folder.remove(name);
    }
}

QString UpdateManager::downloadedCopy(int index) const
{
    // Named by position, so two files of one name in different folders
    // never share a copy.
    return m_tempDir->filePath(QString::number(index));
}

void UpdateManager::startDownloads()
{
    // A folder of this run only, readable by this user only.
    m_tempDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quillet-update-XXXXXX"));
    m_index = 0;
    m_failed = false;
    m_done = false;
    if (!m_tempDir->isValid()) {
        fail();
        return;
    }
    downloadNext();
}

void UpdateManager::downloadNext()
{
    if (m_index >= m_entries.size()) {
        emit signalDownloadFinished();
        return;
    }
    const UpdateEntry &entry = m_entries.at(m_index);
    m_file.setFileName(downloadedCopy(m_index));
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail();
        return;
    }
    m_hash.reset();
    m_received = 0;
    QNetworkRequest request{QUrl(entry.address)};
    request.setTransferTimeout(TransferTimeoutMs);
    m_reply = m_manager->get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, &UpdateManager::slotDownloadProgress);
    connect(m_reply, &QNetworkReply::readyRead, this, &UpdateManager::readAvailable);
    connect(m_reply, &QNetworkReply::finished, this, &UpdateManager::slotDownloadFinished);
}

void UpdateManager::readAvailable()
{
    if (!m_reply || m_failed)
        return;
    const QByteArray chunk = m_reply->readAll();
    m_received += chunk.size();
    if (m_received > m_maxFileBytes || m_file.write(chunk) != chunk.size()) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
        fail();
        return;
    }
    m_hash.addData(chunk);
}

void UpdateManager::slotDownloadProgress(qint64 bytesReceived, qint64 bytesTotal)
{
    const int n = int(m_entries.size());
    if (n == 0 || m_failed)
        return;
    double progress = m_index * 100.0 / n;
    // Without a known size only whole files count.
    if (bytesTotal > 0)
        progress += 100.0 / n * double(qMin(bytesReceived, bytesTotal)) / double(bytesTotal);
    emit signalDownloadProgress(int(progress));
}

void UpdateManager::slotDownloadFinished()
{
    QNetworkReply *reply = m_reply;
    if (!reply || sender() != reply)
        return;
    m_reply = nullptr;
    reply->deleteLater();
    if (m_failed)
        return;
    if (reply->error() != QNetworkReply::NoError) {
        fail();
        return;
    }
    m_reply = reply; // readAvailable() reads what is left
    readAvailable();
    m_reply = nullptr;
    if (m_failed)
        return;
    const bool written = m_file.flush();
    m_file.close();
    const UpdateEntry &entry = m_entries.at(m_index);
    if (!written || (!entry.sha256.isEmpty() && m_hash.result() != entry.sha256)) {
        fail();
        return;
    }
    ++m_index;
    emit signalDownloadProgress(int(m_index * 100.0 / m_entries.size()));
    downloadNext();
}

void UpdateManager::fail()
{
    m_failed = true;
    if (m_file.isOpen())
        m_file.close();
    emit signalFinished(false);
}

void UpdateManager::install(const QByteArray &versionFile)
{
    if (m_failed || m_done || !m_tempDir)
        return;
    m_done = true;
    InstallJournal journal(m_applicationDir);
    QStringList targets;
    for (const UpdateEntry &entry : std::as_const(m_entries))
        targets.append(entry.target);
    const QString versionPath = QDir(m_applicationDir).filePath(QStringLiteral("ver.dat"));
    targets.append(versionPath);
    if (!journal.begin(targets)) {
        journal.rollback();
        emit signalFinished(false);
        return;
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        const QString copy = downloadedCopy(i);
        if (!QFile::exists(copy) || !journal.install(copy, m_entries.at(i).target)) {
            journal.rollback();
            emit signalFinished(false);
            return;
        }
    }
    if (!journal.installBytes(versionFile, versionPath) || !journal.commit()) {
        journal.rollback();
        emit signalFinished(false);
        return;
    }
    QDir folder(m_applicationDir);
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (name.endsWith(QLatin1String(".old")))
            folder.remove(name);
    }
    m_tempDir.reset();
    emit signalFinished(true);
}

void UpdateManager::cancel()
{
    if (m_reply) {
        QNetworkReply *reply = m_reply;
        m_reply = nullptr;
        reply->disconnect(this);
        reply->abort();
        reply->deleteLater();
    }
    m_failed = true;
    if (m_file.isOpen())
        m_file.close();
    InstallJournal::repair(m_applicationDir);
}

} // namespace GammaLib
