#include "recordinghttpserver.h"

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

QByteArray RecordingHttpServer::Request::path() const
{
    const int query = target.indexOf('?');
    return query < 0 ? target : target.left(query);
}

QByteArray RecordingHttpServer::Request::header(const QByteArray &name) const
{
    for (const auto &pair : headers) {
        if (pair.first.compare(name, Qt::CaseInsensitive) == 0)
            return pair.second;
    }
    return QByteArray();
}

RecordingHttpServer::Reply RecordingHttpServer::answer(const QByteArray &body, int status, int delayMs)
{
    Reply reply;
    reply.body = body;
    reply.status = status;
    reply.delayMs = delayMs;
    return reply;
}

RecordingHttpServer::Reply RecordingHttpServer::neverAnswer()
{
    Reply reply;
    reply.kind = Reply::NeverAnswer;
    return reply;
}

RecordingHttpServer::Reply RecordingHttpServer::closeWithoutAnswer()
{
    Reply reply;
    reply.kind = Reply::CloseWithoutAnswer;
    return reply;
}

RecordingHttpServer::RecordingHttpServer(QObject *parent)
    : QObject(parent)
{
    m_defaultReply = answer(QByteArray(), 404);
    connect(&m_server, &QTcpServer::newConnection, this, &RecordingHttpServer::onNewConnection);
    m_server.listen(QHostAddress::LocalHost, 0);
}

RecordingHttpServer::~RecordingHttpServer()
{
    const auto sockets = m_buffers.keys();
    for (QTcpSocket *socket : sockets) {
        socket->disconnect(this);
        socket->abort();
        delete socket;
    }
}

bool RecordingHttpServer::isListening() const
{
    return m_server.isListening();
}

quint16 RecordingHttpServer::port() const
{
    return m_server.serverPort();
}

QString RecordingHttpServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QString RecordingHttpServer::url(const QString &pathAndQuery) const
{
    return QStringLiteral("http://") + host() + pathAndQuery;
}

void RecordingHttpServer::setReply(const QByteArray &path, const Reply &reply)
{
    m_replies.insert(path, reply);
}

void RecordingHttpServer::queueReply(const QByteArray &path, const Reply &reply)
{
    m_queued[path].enqueue(reply);
}

void RecordingHttpServer::setDefaultReply(const Reply &reply)
{
    m_defaultReply = reply;
}

QList<RecordingHttpServer::Request> RecordingHttpServer::requests(const QByteArray &path) const
{
    QList<Request> matching;
    for (const Request &request : m_requests) {
        if (request.path() == path)
            matching.append(request);
    }
    return matching;
}

bool RecordingHttpServer::waitForRequests(int count, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (m_requests.size() < count && !deadline.hasExpired())
        QTest::qWait(5);
    return m_requests.size() >= count;
}

void RecordingHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(nullptr);
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, &RecordingHttpServer::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (m_buffers.remove(socket))
                socket->deleteLater();
        });
    }
}

void RecordingHttpServer::onReadyRead()
{
    auto *socket = qobject_cast<QTcpSocket *>(sender());
    if (!socket || !m_buffers.contains(socket))
        return;
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();

    // One request per connection is answered at a time; the client waits for
    // the answer before it sends the next one on the same connection.
    for (;;) {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        Request request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        qint64 length = 0;
        for (int i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const int colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request.headers.append({name, value});
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                length = value.toLongLong();
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);

        m_requests.append(request);
        const Reply reply = replyFor(request.path());
        emit requestReceived(request);
        respond(socket, reply);
        if (!m_buffers.contains(socket))
            return;
    }
}

RecordingHttpServer::Reply RecordingHttpServer::replyFor(const QByteArray &path)
{
    auto queued = m_queued.find(path);
    if (queued != m_queued.end() && !queued->isEmpty())
        return queued->dequeue();
    return m_replies.value(path, m_defaultReply);
}

void RecordingHttpServer::respond(QTcpSocket *socket, const Reply &reply)
{
    switch (reply.kind) {
    case Reply::NeverAnswer:
        return;
    case Reply::CloseWithoutAnswer:
        m_buffers.remove(socket);
        socket->disconnect(this);
        socket->abort();
        socket->deleteLater();
        return;
    case Reply::Answer:
        break;
    }

    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    bytes += "Content-Type: " + reply.contentType + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    bytes += "Connection: keep-alive\r\n\r\n";
    bytes += reply.body;

    QPointer<QTcpSocket> guard(socket);
    auto send = [this, guard, bytes] {
        if (guard && m_buffers.contains(guard.data()))
            guard->write(bytes);
    };
    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, this, send);
    else
        send();
}
