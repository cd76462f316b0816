#include "closerequestserver.h"

#include <QLocalSocket>
#include <QVariant>

CloseRequestServer::CloseRequestServer(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    m_retry.setInterval(250);
    connect(&m_retry, &QTimer::timeout, this, &CloseRequestServer::retry);
    connect(&m_server, &QLocalServer::newConnection, this, &CloseRequestServer::acceptConnections);
}

// Longest line taken as a word; more without a line end ends the connection.
static constexpr qint64 WordLimit = 64;

void CloseRequestServer::acceptConnections()
{
    while (QLocalSocket *peer = m_server.nextPendingConnection()) {
        auto *silence = new QTimer(peer);
        silence->setSingleShot(true);
        connect(silence, &QTimer::timeout, this, [this, peer] { finish(peer); });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { readWords(peer); });
        connect(peer, &QLocalSocket::disconnected, this, [this, peer] { finish(peer); });
        silence->start(m_silenceLimit);
        readWords(peer);
    }
}

void CloseRequestServer::takeWords(QLocalSocket *peer)
{
    if (!peer->isOpen())
        return;
    while (peer->canReadLine()) {
        const QByteArray word = peer->readLine(WordLimit + 2).trimmed();
        peer->setProperty("heardWord", true);
        if (word == raiseWord())
            emit raiseRequested();
    }
}

void CloseRequestServer::readWords(QLocalSocket *peer)
{
    if (peer->property("finished").toBool())
        return;
    takeWords(peer);
    if (peer->bytesAvailable() > WordLimit)
        finish(peer);
}

void CloseRequestServer::finish(QLocalSocket *peer)
{
    if (peer->property("finished").toBool())
        return;
    peer->setProperty("finished", true);
    takeWords(peer);
    // A last word without its line end still counts; anything longer than a
    // word is not one, but is not silence either.
    const QByteArray rest = peer->isOpen() ? peer->readAll().trimmed() : QByteArray();
    if (!rest.isEmpty()) {
        peer->setProperty("heardWord", true);
        if (rest == raiseWord())
            emit raiseRequested();
    }
    const bool quit = !peer->property("heardWord").toBool();
    peer->disconnect(this);
    peer->abort();
    peer->deleteLater();
    if (quit)
        emit closeRequested();
}

bool CloseRequestServer::start(bool holdsGuard)
{
    if (holdsGuard) {
        // A socket file left by a killed copy would make listening fail.
        QLocalServer::removeServer(m_name);
        return m_server.listen(m_name);
    }
    if (m_server.listen(m_name))
        return true;
    m_refusedInARow = 0;
    m_retry.start();
    return false;
}

bool CloseRequestServer::nameIsStale() const
{
    // Nobody accepts connections: the socket file belongs to a copy that is
    // gone. A copy still listening hears one more close request, which it
    // is already acting on.
    QLocalSocket probe;
    probe.connectToServer(m_name);
    const bool refused = !probe.waitForConnected(100);
    probe.abort();
    return refused;
}

void CloseRequestServer::retry()
{
    if (m_server.listen(m_name)) {
        m_retry.stop();
        return;
    }
    // A copy that quits closes its socket and then removes the file; seeing
    // the name refused twice in a row rules out catching it in between, so
    // the file removed here is never one it is about to remove itself.
    if (!nameIsStale()) {
        m_refusedInARow = 0;
        return;
    }
    if (++m_refusedInARow < 2)
        return;
    QLocalServer::removeServer(m_name);
    if (m_server.listen(m_name))
        m_retry.stop();
}
