#ifndef FAKEWEBSERVER_H
#define FAKEWEBSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <functional>

// A small HTTP/1.1 server on loopback for the tests: fixed answers per path
// (the query is not part of the key), every request recorded. Each answer
// closes its connection.
class FakeWebServer : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray target; // path and query, as sent
        QByteArray body;
        QString path() const;
        QString query() const;
    };
    struct Response
    {
        int status = 200;
        QByteArray contentType = "text/html; charset=utf-8";
        QByteArray body;
        QByteArray location; // for redirects
    };
    using Handler = std::function<Response(const Request &)>;

    explicit FakeWebServer(QObject *parent = nullptr);

    bool start();
    // Serves HTTPS with this certificate and key (PEM files) instead.
    bool startTls(const QString &certificateFile, const QString &keyFile);
    bool isTls() const { return m_tls; }
    quint16 port() const { return m_server->serverPort(); }
    QString host() const; // "127.0.0.1:<port>"
    QString url(const QString &path) const; // with http or https

    void answer(const QString &path, const QByteArray &body,
                const QByteArray &contentType = "text/html; charset=utf-8");
    void redirect(const QString &path, const QByteArray &location);
    void handle(const QString &path, Handler handler);

    QList<Request> requests() const { return m_requests; }
    QList<Request> requestsFor(const QString &path) const;
    void clearRequests() { m_requests.clear(); }

private:
    void serve(class QTcpSocket *socket);

    void listenOn(QTcpServer *server);

    QTcpServer m_plain;
    class QSslServer *m_secure = nullptr;
    QTcpServer *m_server = &m_plain;
    bool m_tls = false;
    QHash<QString, Handler> m_handlers; // lower-case path
    QList<Request> m_requests;
};

#endif
