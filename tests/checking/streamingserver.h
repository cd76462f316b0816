#ifndef STREAMINGSERVER_H
#define STREAMINGSERVER_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QTcpServer>

class QTcpSocket;

// An HTTP server on 127.0.0.1 that answers each POST with a scripted stream:
// the status line and headers, then the body pieces one by one, a pause
// between them, and then closes the connection (the body has no length and
// ends with the connection). An answer can also stay open after its pieces.
class StreamingServer : public QObject
{
    Q_OBJECT

public:
    struct Answer
    {
        enum Kind { Stream, StayOpen };
        Kind kind = Stream;
        int status = 200;
        QList<QByteArray> pieces;
        int pauseMs = 10;
        QByteArray headers;   // extra header lines, each ending in "\r\n"
    };

    struct Request
    {
        QByteArray method;
        QByteArray target;
        QList<QPair<QByteArray, QByteArray>> headers;
        QByteArray body;
        QByteArray header(const QByteArray &name) const;
    };

    static Answer stream(const QList<QByteArray> &pieces, int pauseMs = 10);
    static Answer stayOpen(const QList<QByteArray> &pieces = {});

    explicit StreamingServer(QObject *parent = nullptr);

    QString host() const;
    QString url(const QString &path) const;

    // Answers in order; when none is queued, an empty 200 answer.
    void queue(const Answer &answer) { m_answers.enqueue(answer); }
    // A fixed body for every request to path (the target without its query),
    // leaving the queue to the other paths.
    void setFixedAnswer(const QByteArray &path, const QByteArray &body) { m_fixed.insert(path, body); }
    QList<Request> requests() const { return m_requests; }
    // Sockets still open (answers that stay open).
    int openConnections() const;

signals:
    void requestReceived();

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void sendPieces(QTcpSocket *socket, Answer answer);

    QTcpServer m_server;
    QQueue<Answer> m_answers;
    QHash<QByteArray, QByteArray> m_fixed;
    QList<Request> m_requests;
};

#endif
