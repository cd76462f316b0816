#ifndef TLSLOOPBACKSERVER_H
#define TLSLOOPBACKSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>

class QSslServer;
class QTcpSocket;

// An HTTPS/1.1 server on 127.0.0.1 for tests, with a certificate and key read
// from PEM files. It records every request (method, target, headers, exact
// body) and answers each path through a handler; a handler can also drop the
// connection without an answer. Each answer closes its connection.
class TlsLoopbackServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QByteArray path() const;
        QByteArray header(const QByteArray &name) const; // case-insensitive
    };
    struct Response
    {
        int status = 200;
        QByteArray contentType = "application/octet-stream";
        QByteArray body;
        bool drop = false; // close without answering
    };
    using Handler = std::function<Response(const Request &)>;

    // Adds the certificate in the PEM file to the default TLS configuration's
    // trusted authorities, so that clients of this process accept it.
    static bool trustCertificate(const QString &certificateFile);

    explicit TlsLoopbackServer(QObject *parent = nullptr);

    bool start(const QString &certificateFile, const QString &keyFile);
    quint16 port() const;
    QString host() const; // "127.0.0.1:<port>"
    QString url(const QString &path) const; // "https://127.0.0.1:<port>" + path

    void handle(const QByteArray &path, Handler handler);
    void answer(const QByteArray &path, const QByteArray &body, int status = 200,
                const QByteArray &contentType = "application/octet-stream");

    QList<Request> requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    // Runs the event loop until count requests have arrived in all.
    bool waitForRequests(int count, int timeoutMs = 10000);

private:
    void serve(QTcpSocket *socket);

    QSslServer *m_server;
    QHash<QByteArray, Handler> m_handlers;
    QList<Request> m_requests;
};

#endif
