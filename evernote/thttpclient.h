#ifndef THTTPCLIENT_H
#define THTTPCLIENT_H

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// Thrift transport over HTTP: a request is written into one buffer, POSTed
// by flush(), and the answer replaces the buffer to be read from the start.
// One request at a time.
class THttpClient : public QObject
{
    Q_OBJECT

public:
    // Answers larger than this are refused (a note's content is far smaller).
    static constexpr qint64 MaxAnswerSize = 64 * 1024 * 1024;

    explicit THttpClient(const QUrl &url, QObject *parent = nullptr);
    ~THttpClient() override;

    QUrl url() const { return m_url; }

    // Output: bytes go to the buffer at the output position.
    void write(const char *data, qsizetype size);
    void write(const QByteArray &bytes) { write(bytes.constData(), bytes.size()); }
    qsizetype outputPosition() const { return m_writePos; }

    // Input: false (and nothing consumed) when fewer than size bytes are left.
    bool read(char *data, qsizetype size);
    qsizetype bytesAvailable() const { return m_buffer.size() - m_readPos; }
    qsizetype inputPosition() const { return m_readPos; }

    QByteArray buffer() const { return m_buffer; }
    // Replaces the buffer and rewinds both positions (what an answer does).
    void setBuffer(const QByteArray &bytes);
    void rewind();

    // POSTs the buffer up to the output position and rewinds both positions.
    // Returns at once; the answer comes with signalFinished().
    void flush();
    // Drops a running request; no signal follows.
    void abort();
    bool isBusy() const { return !m_reply.isNull(); }

signals:
    void signalFinished(bool ok);

public slots:
    void slotFinished(QNetworkReply *reply);
    void handleSslErrors(QNetworkReply *reply, const QList<QSslError> &errors);

private:
    QUrl m_url;
    QNetworkAccessManager *m_network;
    QByteArray m_buffer;
    qsizetype m_writePos = 0;
    qsizetype m_readPos = 0;
    QPointer<QNetworkReply> m_reply;
};

} // namespace GammaLib

#endif
