#include "closerequestserver.h"

#include <QLocalSocket>

CloseRequestServer::CloseRequestServer(const QString &name, QObject *parent)
    : QObject(parent)
    , m_name(name)
{
    m_retry.setInterval(250);
    connect(&m_retry, &QTimer::timeout, this, &CloseRequestServer::retry);
    connect(&m_server, &QLocalServer::newConnection, this, &CloseRequestServer::closeRequested);
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
