#include "fakewebserver.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QUrl>

QString FakeWebServer::Request::path() const
{
    return QUrl::fromEncoded(target).path();
}

QString FakeWebServer::Request::query() const
{
    return QUrl::fromEncoded(target).query(QUrl::FullyEncoded);
}

FakeWebServer::FakeWebServer(QObject *parent)
    : QObject(parent)
{
    listenOn(&m_plain);
}

void FakeWebServer::listenOn(QTcpServer *server)
{
    connect(server, &QTcpServer::pendingConnectionAvailable, this, [this, server] {
        while (QTcpSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->bytesAvailable() > 0)
                serve(socket);
        }
    });
}

bool FakeWebServer::start()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

bool FakeWebServer::startTls(const QString &certificateFile, const QString &keyFile)
{
    QFile certificate(certificateFile);
    QFile key(keyFile);
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa, QSsl::Pem));
    m_secure = new QSslServer(this);
    m_secure->setSslConfiguration(configuration);
    listenOn(m_secure);
    m_server = m_secure;
    m_tls = true;
    return m_server->listen(QHostAddress::LocalHost, 0);
}

QString FakeWebServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QString FakeWebServer::url(const QString &path) const
{
    return (m_tls ? QStringLiteral("https://") : QStringLiteral("http://")) + host() + path;
}

void FakeWebServer::answer(const QString &path, const QByteArray &body, const QByteArray &contentType)
{
    handle(path, [body, contentType](const Request &) {
        Response response;
        response.body = body;
        response.contentType = contentType;
        return response;
    });
}

void FakeWebServer::redirect(const QString &path, const QByteArray &location)
{
    handle(path, [location](const Request &) {
        Response response;
        response.status = 302;
        response.location = location;
        return response;
    });
}

void FakeWebServer::handle(const QString &path, Handler handler)
{
    m_handlers.insert(path.toLower(), std::move(handler));
}

QList<FakeWebServer::Request> FakeWebServer::requestsFor(const QString &path) const
{
    QList<Request> found;
    for (const Request &request : m_requests) {
        if (request.path().compare(path, Qt::CaseInsensitive) == 0)
            found.append(request);
    }
    return found;
}

void FakeWebServer::serve(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const int headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    qsizetype length = 0;
    for (const QByteArray &line : lines) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length")
            length = line.mid(colon + 1).trimmed().toLongLong();
    }
    if (buffer.size() < headerEnd + 4 + length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", QByteArray());

    Request request;
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    request.body = buffer.mid(headerEnd + 4, length);
    m_requests.append(request);

    Response response;
    const auto handler = m_handlers.constFind(request.path().toLower());
    if (handler != m_handlers.constEnd()) {
        response = (*handler)(request);
    } else {
        response.status = 404;
        response.body = "not found";
    }
    QByteArray reason = response.status == 200 ? "OK" : response.status == 302 ? "Found" : "Not Found";
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason + "\r\n";
    out += "Content-Type: " + response.contentType + "\r\n";
    if (!response.location.isEmpty())
        out += "Location: " + response.location + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += response.body;
    socket->write(out);
    socket->disconnectFromHost();
}
