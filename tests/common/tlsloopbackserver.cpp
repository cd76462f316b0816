#include "tlsloopbackserver.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTest>

QByteArray TlsLoopbackServer::Request::path() const
{
    const qsizetype query = target.indexOf('?');
    return query < 0 ? target : target.left(query);
}

QByteArray TlsLoopbackServer::Request::header(const QByteArray &name) const
{
    for (const auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            return header.second;
    }
    return {};
}

bool TlsLoopbackServer::trustCertificate(const QString &certificateFile)
{
    const QList<QSslCertificate> certificates = QSslCertificate::fromPath(certificateFile, QSsl::Pem);
    if (certificates.isEmpty())
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.addCaCertificates(certificates);
    QSslConfiguration::setDefaultConfiguration(configuration);
    return true;
}

TlsLoopbackServer::TlsLoopbackServer(QObject *parent)
    : QObject(parent)
    , m_server(new QSslServer(this))
{
    connect(m_server, &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->bytesAvailable() > 0)
                serve(socket);
        }
    });
}

bool TlsLoopbackServer::start(const QString &certificateFile, const QString &keyFile)
{
    QFile certificate(certificateFile);
    QFile key(keyFile);
    if (!certificate.open(QIODevice::ReadOnly) || !key.open(QIODevice::ReadOnly))
        return false;
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(QSslCertificate(certificate.readAll(), QSsl::Pem));
    configuration.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa, QSsl::Pem));
    m_server->setSslConfiguration(configuration);
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 TlsLoopbackServer::port() const
{
    return m_server->serverPort();
}

QString TlsLoopbackServer::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

QString TlsLoopbackServer::url(const QString &path) const
{
    return QStringLiteral("https://") + host() + path;
}

void TlsLoopbackServer::handle(const QByteArray &path, Handler handler)
{
    m_handlers.insert(path, std::move(handler));
}

void TlsLoopbackServer::answer(const QByteArray &path, const QByteArray &body, int status,
                               const QByteArray &contentType)
{
    handle(path, [body, status, contentType](const Request &) {
        Response response;
        response.status = status;
        response.body = body;
        response.contentType = contentType;
        return response;
    });
}

bool TlsLoopbackServer::waitForRequests(int count, int timeoutMs)
{
    return QTest::qWaitFor([&] { return m_requests.size() >= count; }, timeoutMs);
}

void TlsLoopbackServer::serve(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("buffer").toByteArray() + socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        socket->setProperty("buffer", buffer);
        return;
    }
    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.target = requestLine.value(1);
    qsizetype length = 0;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = lines.at(i).left(colon).trimmed();
        const QByteArray value = lines.at(i).mid(colon + 1).trimmed();
        request.headers.append({name, value});
        if (name.compare("content-length", Qt::CaseInsensitive) == 0)
            length = value.toLongLong();
    }
    if (buffer.size() < headerEnd + 4 + length) {
        socket->setProperty("buffer", buffer);
        return;
    }
    socket->setProperty("buffer", QByteArray());
    request.body = buffer.mid(headerEnd + 4, length);
    m_requests.append(request);

    Response response;
    const auto handler = m_handlers.constFind(request.path());
    if (handler != m_handlers.constEnd()) {
        response = (*handler)(request);
    } else {
        response.status = 404;
        response.body = "not found";
    }
    if (response.drop) {
        socket->abort();
        return;
    }
    const QByteArray reason = response.status == 200 ? "OK" : "Error";
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason + "\r\n";
    out += "Content-Type: " + response.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Connection: close\r\n\r\n";
    out += response.body;
    socket->write(out);
    socket->flush();
    socket->disconnectFromHost();
}
