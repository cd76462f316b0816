#include "streamingserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

QByteArray StreamingServer::Request::header(const QByteArray &name) const
{
    for (const auto &pair : headers) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QByteArray();
}

StreamingServer::Answer StreamingServer::stream(const QList<QByteArray> &pieces, int pauseMs)
{
    Answer answer;
    answer.pieces = pieces;
    answer.pauseMs = pauseMs;
    return answer;
}

StreamingServer::Answer StreamingServer::stayOpen(const QList<QByteArray> &pieces)
{
    Answer answer;
    answer.kind = Answer::StayOpen;
    answer.pieces = pieces;
    return answer;
}

StreamingServer::StreamingServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &StreamingServer::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

QString StreamingServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
}

QString StreamingServer::url(const QString &path) const
{
    return QStringLiteral("http://") + host() + path;
}

int StreamingServer::openConnections() const
{
    int open = 0;
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>()) {
        if (socket->state() == QAbstractSocket::ConnectedState)
            ++open;
    }
    return open;
}

void StreamingServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setProperty("buffer", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void StreamingServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.target = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.append({lines.at(i).left(colon).trimmed(), lines.at(i).mid(colon + 1).trimmed()});
    }
    const qsizetype length = request.header("Content-Length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    request.body = buffer.mid(headerEnd + 4, length);
    socket->setProperty("buffer", QByteArray());
    m_requests.append(request);

    const QByteArray path = request.target.left(request.target.indexOf('?') < 0 ? request.target.size()
                                                                              : request.target.indexOf('?'));
    const Answer answer = m_fixed.contains(path) ? stream({m_fixed.value(path)})
        : m_answers.isEmpty()                   ? stream({})
                                                : m_answers.dequeue();
    emit requestReceived();
    socket->write("HTTP/1.1 " + QByteArray::number(answer.status) + " OK\r\n"
                  "Content-Type: application/octet-stream\r\n"
                  "Connection: close\r\n" + answer.headers + "\r\n");
    socket->flush();
    sendPieces(socket, answer);
}

void StreamingServer::sendPieces(QTcpSocket *socket, Answer answer)
{
    QPointer<QTcpSocket> guard(socket);
    if (answer.pieces.isEmpty()) {
        if (answer.kind == Answer::Stream)
            socket->disconnectFromHost();
        return;
    }
    socket->write(answer.pieces.takeFirst());
    socket->flush();
    QTimer::singleShot(answer.pauseMs, this, [this, guard, answer] {
        if (guard)
            sendPieces(guard, answer);
    });
}
