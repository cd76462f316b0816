#ifndef RECORDINGHTTPSERVER_H
#define RECORDINGHTTPSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QString>

#include <functional>

class QTcpServer;
class QTcpSocket;

// The HTTP/1.1 server on 127.0.0.1 that every suite uses, plain or with TLS.
// It records every request (method, path with query, headers, exact body
// bytes) and answers each path as scripted: a status and body (optionally
// after a delay, or with a redirect), a body streamed in pieces without a
// length that ends when the connection closes, no answer at all (the
// connection stays open), or a closed connection without an answer. A path
// can also be answered by a handler that looks at the request.
class RecordingHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Request
    {
        QByteArray method;
        QByteArray target;                            // path and query as sent
        QList<QPair<QByteArray, QByteArray>> headers; // in the order received
        QByteArray body;

        QByteArray path() const;                      // target without the query
        QString query() const;                        // after the "?", as sent
        QByteArray header(const QByteArray &name) const; // case-insensitive
    };

    struct Reply
    {
        enum Kind { Answer, Stream, NeverAnswer, CloseWithoutAnswer };
        Kind kind = Answer;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain; charset=utf-8";
        QByteArray location;     // a Location header, for redirects
        QByteArray headers;      // more header lines, each ending in "\r\n"
        int delayMs = 0;
        // Stream: the pieces with a pause between them, then the connection
        // closes, or stays open when stayOpen is set.
        QList<QByteArray> pieces;
        int pauseMs = 10;
        bool stayOpen = false;
    };
    using Handler = std::function<Reply(const Request &)>;

    static Reply answer(const QByteArray &body, int status = 200, int delayMs = 0);
    static Reply typed(const QByteArray &body, const QByteArray &contentType, int status = 200);
    static Reply redirect(const QByteArray &location);
    static Reply stream(const QList<QByteArray> &pieces, int pauseMs = 10);
    // The pieces, then nothing more on an open connection.
    static Reply streamThenStall(const QList<QByteArray> &pieces = {});
    static Reply neverAnswer();
    static Reply closeWithoutAnswer();

    // Listens on plain HTTP at once; startTls() switches to HTTPS.
    explicit RecordingHttpServer(QObject *parent = nullptr);
    ~RecordingHttpServer() override;

    // Serves HTTPS with the certificate and key of the PEM files instead.
    bool startTls(const QString &certificateFile, const QString &keyFile);
    // Adds the certificate of the PEM file to the default TLS configuration's
    // trusted authorities, so that clients of this process accept it.
    static bool trustCertificate(const QString &certificateFile);

    bool isListening() const;
    quint16 port() const;
    QString host() const;                         // "127.0.0.1:<port>"
    QString url(const QString &pathAndQuery) const; // "http(s)://127.0.0.1:<port>" + path

    // The reply for every request to path (the target without its query);
    // a path is matched exactly first, then ignoring case.
    void setReply(const QByteArray &path, const Reply &reply);
    void setReply(const QByteArray &path, const QByteArray &body, int status = 200)
    {
        setReply(path, answer(body, status));
    }
    void setHandler(const QByteArray &path, Handler handler);
    // A reply used once, before the standing one; queued replies go in order.
    void queueReply(const QByteArray &path, const Reply &reply);
    // For paths without a reply of their own (404 with an empty body at first).
    void setDefaultReply(const Reply &reply);

    QList<Request> requests() const { return m_requests; }
    QList<Request> requests(const QByteArray &path) const;
    int requestCount() const { return m_requests.size(); }
    void clearRequests() { m_requests.clear(); }
    // Connections still open.
    int openConnections() const;

    // Runs the event loop until at least count requests have arrived in all.
    bool waitForRequests(int count, int timeoutMs = 10000);

signals:
    void requestReceived(const RecordingHttpServer::Request &request);

private:
    void listen();
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    Reply replyFor(const Request &request);
    void respond(QTcpSocket *socket, const Reply &reply);
    void sendPieces(QTcpSocket *socket, Reply reply);
    void drop(QTcpSocket *socket);

    QTcpServer *m_server = nullptr;
    bool m_tls = false;
    QList<Request> m_requests;
    QHash<QByteArray, Handler> m_handlers;
    QHash<QByteArray, QQueue<Reply>> m_queued;
    Reply m_defaultReply;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

#endif
