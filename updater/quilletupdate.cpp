#include "quilletupdate.h"

#include "instancekeys.h"
#include "updatemanager.h"
#include "versionhelper.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocalSocket>
#include <QTimer>
#include <QUrl>

namespace {
// After the outcome, the main program closes the connection; should it not,
// the updater ends anyway after this long.
constexpr int FarewellMs = 3000;
} // namespace

QuilletUpdate::QuilletUpdate(const QString &argument, QObject *parent)
    : QObject(parent)
    , m_versionHelper(new GammaLib::VersionHelper(GammaLib::VersionHelper::defaultAddress(), this))
    , m_versionFile(QCoreApplication::applicationDirPath(), QStringLiteral("ver.dat"))
    , m_applicationDir(QCoreApplication::applicationDirPath())
{
    m_manager = new GammaLib::UpdateManager(m_applicationDir, this);
    m_socket = new QLocalSocket(this);
    connect(m_socket, &QLocalSocket::connected, this, &QuilletUpdate::slotConnected);
    connect(m_socket, &QLocalSocket::readyRead, this, &QuilletUpdate::slotDataReceived);
    connect(m_socket, &QLocalSocket::disconnected, this, &QuilletUpdate::slotExit);
    connect(m_socket, &QLocalSocket::errorOccurred, this, [this] { slotSocketError(); });
    connect(m_versionHelper, &GammaLib::VersionHelper::GetVersionFileListFinished, this,
            &QuilletUpdate::slotGetFileListFinished);
    connect(m_manager, &GammaLib::UpdateManager::signalFinished, this, &QuilletUpdate::slotUpdateFinished);
    connect(m_manager, &GammaLib::UpdateManager::signalDownloadProgress, this,
            &QuilletUpdate::slotDownloadProgress);
    connect(m_manager, &GammaLib::UpdateManager::signalDownloadFinished, this,
            &QuilletUpdate::slotDownloadFinished);

    const QStringList parts = argument.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    bool numeric = false;
    if (parts.size() == 2)
        parts.at(0).toInt(&numeric, 10);
    if (numeric) {
        m_versionNumber = parts.at(0);
        m_reset = parts.at(1).toShort() != 0;
    } else {
        m_badArguments = true;
        m_outcome = QStringLiteral("UpdateFail");
    }
    m_socket->connectToServer(InstanceKeys::updateChannel(), QIODevice::ReadWrite);
    // With a bad argument there is nothing to fetch: the failure is reported
    // on connecting, or the program ends when nobody listens.
    if (!m_badArguments)
        m_versionHelper->requestFileList(m_versionNumber);
}

QuilletUpdate::~QuilletUpdate() = default;

void QuilletUpdate::send(const QString &line)
{
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
        m_socket->write((line + QLatin1Char('\n')).toLatin1());
        m_socket->flush();
    }
}

void QuilletUpdate::quitSoon()
{
    if (m_quitting)
        return;
    m_quitting = true;
    // Queued, so that it also ends a program whose event loop has not started yet.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
}

void QuilletUpdate::finish(const QString &line)
{
    if (!m_outcome.isEmpty() && m_outcome != line)
        return;
    m_outcome = line;
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
        send(line);
        m_socket->waitForBytesWritten(1000);
        QTimer::singleShot(FarewellMs, this, &QuilletUpdate::quitSoon);
    } else if (!m_socket || m_socket->state() == QLocalSocket::UnconnectedState) {
        quitSoon();
    }
    // Still connecting: slotConnected() or the socket error reports and ends.
}

void QuilletUpdate::slotSocketError()
{
    if (!m_socket || m_socket->state() == QLocalSocket::ConnectedState)
        return;
    // Nobody listens: the update still runs, and the program ends with its outcome.
    m_noListener = true;
    if (!m_outcome.isEmpty())
        quitSoon();
}

void QuilletUpdate::slotConnected()
{
    if (m_badArguments) {
        finish(QStringLiteral("UpdateFail"));
        return;
    }
    m_lastProgress = 0;
    send(QStringLiteral("0"));
    if (!m_outcome.isEmpty())
        finish(m_outcome);
}

void QuilletUpdate::slotGetFileListFinished(const QStringList &list)
{
    if (!m_outcome.isEmpty() || m_quitting)
        return;
    QList<GammaLib::UpdateEntry> entries;
    for (const QString &item : list) {
        GammaLib::UpdateEntry entry;
        bool malformed = false;
        if (!GammaLib::UpdateEntry::parse(item, &entry, &malformed)) {
            if (malformed) { // a digest that is no digest: trust nothing of this list
                finish(QStringLiteral("UpdateFail"));
                return;
            }
            continue;
        }
        const QString scheme = QUrl(entry.address).scheme();
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
            finish(QStringLiteral("UpdateFail"));
            return;
        }
        entries.append(entry);
    }
    // One file that would land outside the program folder refuses the whole
    // update, before anything is touched.
    if (!GammaLib::checkTargets(entries, m_applicationDir)) {
        finish(QStringLiteral("UpdateFail"));
        return;
    }

    m_versionFile.load();
    m_updateList.clear();
    for (const GammaLib::UpdateEntry &entry : std::as_const(entries)) {
        bool ok = false;
        const int stored = m_versionFile.value(QStringLiteral("File_") + entry.name).toInt(&ok, 10);
        const bool current = QFile::exists(entry.localPath(m_applicationDir)) && ok
                             && stored >= entry.versionNumber();
        if (!current)
            m_updateList.append(entry);
    }
    if (m_updateList.isEmpty()) {
        finish(QStringLiteral("UpdateFail"));
        return;
    }
    m_manager->setEntries(m_updateList);
    m_manager->removeLeftovers();
    m_manager->startDownloads();
}

void QuilletUpdate::slotDownloadProgress(int progress)
{
    // Progress only rises, and no value is sent twice.
    progress = qBound(0, progress, 100);
    if (progress <= m_lastProgress)
        return;
    m_lastProgress = progress;
    send(QString::number(progress));
}

QByteArray QuilletUpdate::newVersionFile()
{
    m_versionFile.load();
    m_versionFile.setEntry(QStringLiteral("VersionId"), m_versionNumber, m_versionNumber);
    for (const GammaLib::UpdateEntry &entry : std::as_const(m_updateList))
        m_versionFile.setEntry(QStringLiteral("File_") + entry.name, entry.version, entry.subdirectory);
    return m_versionFile.toXml();
}

void QuilletUpdate::slotDownloadFinished()
{
    if (!m_outcome.isEmpty() || m_quitting)
        return;
    // The version file is replaced together with the program files.
    m_manager->install(newVersionFile());
}

void QuilletUpdate::slotUpdateFinished(bool ok)
{
    if (!m_outcome.isEmpty() || m_quitting)
        return;
    if (!ok) {
        finish(QStringLiteral("UpdateFail"));
        return;
    }
    // "ver.dat" already holds the new numbers: it was installed with the files.
    m_versionFile.load();
    if (m_reset)
        QFile::remove(ConfigFile::userConfigFolder() + QStringLiteral("setting.ini"));
    finish(QStringLiteral("UpdateSuccess"));
}

void QuilletUpdate::slotDataReceived()
{
    while (m_socket && m_socket->canReadLine()) {
        const QString line = QString::fromLatin1(m_socket->readLine()).trimmed();
        if (line == QLatin1String("Cancel")) {
            if (m_outcome.isEmpty())
                m_manager->cancel();
            slotExit();
            return;
        }
    }
}

void QuilletUpdate::slotExit()
{
    if (m_socket) {
        QLocalSocket *socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
    }
    // The main program is gone: nothing more is downloaded.
    if (m_outcome.isEmpty())
        m_manager->cancel();
    quitSoon();
}
