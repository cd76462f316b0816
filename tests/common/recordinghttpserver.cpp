#include "recordinghttpserver.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QHostAddress>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

QByteArray RecordingHttpServer::Request::path() const
{
    const int query = target.indexOf('?');
    return query < 0 ? target : target.left(query);
}

QString RecordingHttpServer::Request::query() const
{
    const int query = target.indexOf('?');
    return query < 0 ? QString() : QString::fromLatin1(target.mid(query + 1));
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

RecordingHttpServer::Reply RecordingHttpServer::typed(const QByteArray &body, const QByteArray &contentType,
                                                      int status)
{
    Reply reply = answer(body, status);
    reply.contentType = contentType;
    return reply;
}

RecordingHttpServer::Reply RecordingHttpServer::redirect(const QByteArray &location)
{
    Reply reply = answer(QByteArray(), 302);
    reply.location = location;
    return reply;
}

RecordingHttpServer::Reply RecordingHttpServer::stream(const QList<QByteArray> &pieces, int pauseMs)
{
    Reply reply;
    reply.kind = Reply::Stream;
    reply.contentType = "application/octet-stream";
    reply.pieces = pieces;
    reply.pauseMs = pauseMs;
    return reply;
}

RecordingHttpServer::Reply RecordingHttpServer::streamThenStall(const QList<QByteArray> &pieces)
{
    Reply reply = stream(pieces);
    reply.stayOpen = true;
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
    , m_server(new QTcpServer(this))
{
    m_defaultReply = answer(QByteArray(), 404);
    listen();
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

void RecordingHttpServer::listen()
{
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, &RecordingHttpServer::onNewConnection);
    m_server->listen(QHostAddress::LocalHost, 0);
}

bool RecordingHttpServer::startTls(const QString &certificateFile, const QString &keyFile)
{
    QFile certificate(certificateFile);
    QFile key(keyFile);
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa, QSsl::Pem));
    auto *secure = new QSslServer(this);
    secure->setSslConfiguration(configuration);
    delete m_server;
    m_server = secure;
    m_tls = true;
    listen();
    return m_server->isListening();
}

bool RecordingHttpServer::trustCertificate(const QString &certificateFile)
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(certificateFile, QSsl::Pem);
    if (certificates.isEmpty())
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(configuration);
    return true;
}

bool RecordingHttpServer::isListening() const
{
    return m_server->isListening();
}

quint16 RecordingHttpServer::port() const
{
    return m_server->serverPort();
}

QString RecordingHttpServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QString RecordingHttpServer::url(const QString &pathAndQuery) const
{
    return (m_tls ? QStringLiteral("https://") : QStringLiteral("http://")) + host() + pathAndQuery;
}

void RecordingHttpServer::setReply(const QByteArray &path, const Reply &reply)
{
    setHandler(path, [reply](const Request &) { return reply; });
}

void RecordingHttpServer::setHandler(const QByteArray &path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
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
        if (request.path().compare(path, Qt::CaseInsensitive) == 0)
            matching.append(request);
    }
    return matching;
}

int RecordingHttpServer::openConnections() const
{
    int open = 0;
    for (auto it = m_buffers.cbegin(); it != m_buffers.cend(); ++it) {
        if (it.key()->state() == QAbstractSocket::ConnectedState)
            ++open;
    }
    return open;
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
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        socket->setParent(nullptr);
        m_buffers.insert(socket, QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (m_buffers.remove(socket))
                socket->deleteLater();
        });
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void RecordingHttpServer::onReadyRead(QTcpSocket *socket)
{
    if (!m_buffers.contains(socket))
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
        const Reply reply = replyFor(request);
        emit requestReceived(request);
        respond(socket, reply);
        if (!m_buffers.contains(socket))
            return;
    }
}

RecordingHttpServer::Reply RecordingHttpServer::replyFor(const Request &request)
{
    const QByteArray path = request.path();
    auto queued = m_queued.find(path);
    if (queued != m_queued.end() && !queued->isEmpty())
        return queued->dequeue();
    auto handler = m_handlers.constFind(path);
    if (handler == m_handlers.constEnd()) {
        for (handler = m_handlers.constBegin(); handler != m_handlers.constEnd(); ++handler) {
            if (handler.key().compare(path, Qt::CaseInsensitive) == 0)
                break;
        }
    }
    return handler != m_handlers.constEnd() ? (*handler)(request) : m_defaultReply;
}

void RecordingHttpServer::drop(QTcpSocket *socket)
{
    m_buffers.remove(socket);
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void RecordingHttpServer::respond(QTcpSocket *socket, const Reply &reply)
{
    switch (reply.kind) {
    case Reply::NeverAnswer:
        return;
    case Reply::CloseWithoutAnswer:
        drop(socket);
        return;
    case Reply::Stream:
        socket->write("HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\nContent-Type: "
                      + reply.contentType + "\r\nConnection: close\r\n" + reply.headers + "\r\n");
        socket->flush();
        sendPieces(socket, reply);
        return;
    case Reply::Answer:
        break;
    }

    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(reply.status) + " Scripted\r\n";
    bytes += "Content-Type: " + reply.contentType + "\r\n";
    if (!reply.location.isEmpty())
        bytes += "Location: " + reply.location + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    bytes += "Connection: keep-alive\r\n" + reply.headers + "\r\n";
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

void RecordingHttpServer::sendPieces(QTcpSocket *socket, Reply reply)
{
    if (reply.pieces.isEmpty()) {
        if (!reply.stayOpen)
            socket->disconnectFromHost();
        return;
    }
    socket->write(reply.pieces.takeFirst());
    socket->flush();
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(reply.pauseMs, this, [this, guard, reply] {
        if (guard && m_buffers.contains(guard.data()))
            sendPieces(guard, reply);
    });
}
