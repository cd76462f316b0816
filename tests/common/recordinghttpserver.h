#ifndef RECORDINGHTTPSERVER_H
#define RECORDINGHTTPSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>
#include <QQueue>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.1 server on 127.0.0.1 for tests. It records every request
// (method, path with query, headers, exact body bytes) and answers each path
// as scripted: a status and body, optionally after a delay, no answer at all
// (the connection stays open), or a closed connection without an answer.
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
        QByteArray header(const QByteArray &name) const; // case-insensitive
    };

    struct Reply
    {
        enum Kind { Answer, NeverAnswer, CloseWithoutAnswer };
        Kind kind = Answer;
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/plain; charset=utf-8";
        int delayMs = 0;
    };

    static Reply answer(const QByteArray &body, int status = 200, int delayMs = 0);
    static Reply neverAnswer();
    static Reply closeWithoutAnswer();

    explicit RecordingHttpServer(QObject *parent = nullptr);
    ~RecordingHttpServer() override;

    bool isListening() const;
    quint16 port() const;
    QString host() const;                         // "127.0.0.1:<port>"
    QString url(const QString &pathAndQuery) const; // "http://127.0.0.1:<port>" + path

    // The reply for every request to path (the target without its query).
    void setReply(const QByteArray &path, const Reply &reply);
    // A reply used once, before the standing one; queued replies go in order.
    void queueReply(const QByteArray &path, const Reply &reply);
    // For paths without a reply of their own (404 with an empty body at first).
    void setDefaultReply(const Reply &reply);

    QList<Request> requests() const { return m_requests; }
    QList<Request> requests(const QByteArray &path) const;
    int requestCount() const { return m_requests.size(); }
    void clearRequests() { m_requests.clear(); }

    // Runs the event loop until at least count requests have arrived in all.
    bool waitForRequests(int count, int timeoutMs = 10000);

signals:
    void requestReceived(const RecordingHttpServer::Request &request);

private slots:
    void onNewConnection();
    void onReadyRead();

private:
    Reply replyFor(const QByteArray &path);
    void respond(QTcpSocket *socket, const Reply &reply);

    QTcpServer m_server;
    QList<Request> m_requests;
    QHash<QByteArray, Reply> m_replies;
    QHash<QByteArray, QQueue<Reply>> m_queued;
    Reply m_defaultReply;
    QHash<QTcpSocket *, QByteArray> m_buffers;
};

#endif
