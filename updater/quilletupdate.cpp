#include "quilletupdate.h"

#include "instancekeys.h"

#include <QCoreApplication>
#include <QLocalSocket>

QuilletUpdate::QuilletUpdate(const QString &argument, QObject *parent)
    : QObject(parent)
    , m_socket(new QLocalSocket(this))
{
    connect(m_socket, &QLocalSocket::connected, this, &QuilletUpdate::slotConnected);
    connect(m_socket, &QLocalSocket::readyRead, this, &QuilletUpdate::slotDataReceived);
    connect(m_socket, &QLocalSocket::disconnected, this, &QuilletUpdate::slotExit);
    connect(m_socket, &QLocalSocket::errorOccurred, this, [this](QLocalSocket::LocalSocketError error) {
        // Nobody to report to: the main program is gone.
        if (error != QLocalSocket::PeerClosedError && m_socket->state() != QLocalSocket::ConnectedState)
            slotExit();
    });

    const QStringList parts = argument.split(QLatin1Char('|'), Qt::KeepEmptyParts);
    if (parts.size() == 2) {
        m_versionNumber = parts.at(0);
        m_reset = parts.at(1).toShort() != 0;
    } else {
        m_badArguments = true;
    }
    m_socket->connectToServer(InstanceKeys::updateChannel(), QIODevice::ReadWrite);
}

void QuilletUpdate::send(const QString &line)
{
    if (m_socket && m_socket->state() == QLocalSocket::ConnectedState) {
        m_socket->write((line + QLatin1Char('\n')).toLatin1());
        m_socket->flush();
    }
}

void QuilletUpdate::slotConnected()
{
    if (m_badArguments) {
        send(QStringLiteral("UpdateFail"));
        return;
    }
    m_lastProgress = 0;
    send(QStringLiteral("0"));
}

void QuilletUpdate::slotDataReceived()
{
    while (m_socket->canReadLine()) {
        const QString line = QString::fromLatin1(m_socket->readLine()).trimmed();
        if (line == QLatin1String("Cancel")) {
            slotExit();
            return;
        }
    }
}

void QuilletUpdate::slotExit()
{
    if (!m_socket)
        return;
    m_socket->abort();
    m_socket->deleteLater();
    m_socket = nullptr;
    QCoreApplication::exit(0);
}
