#ifndef CHECKTASK_H
#define CHECKTASK_H

#include "answerstreamreader.h"
#include "ccheckrequest.h"
#include "cresultstate.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QTimer>

namespace GammaLib {

// One check request to the checking service: POSTs the compressed document,
// reads the streamed answer record by record and ends with the transport's
// code, 204 (AuthenticationRequiredError) when the service refused the
// session, or 4 (TimeoutError) when the whole request took longer than the
// time-out. Lives on the main thread.
class CheckTask : public QObject
{
    Q_OBJECT

public:
    // url: the check address, "http://" + checking host + "/unified/".
    explicit CheckTask(const QString &url, QObject *parent = nullptr);
    ~CheckTask() override;

    static QString defaultUrl();

    // Sends the request; a request still running is dropped first, silently.
    void check(const CCheckRequest &request);
    // Aborts a running request; it then ends with OperationCanceledError (5).
    void abort();
    bool isRunning() const { return m_reply != nullptr; }

    // Time-out of a whole request, 100000 ms unless changed.
    int timeoutMs() const { return m_timeoutMs; }
    void setTimeoutMs(int ms);

    QUrl url() const { return m_request.url(); }
    // Records of the current answer that could not be read, with reasons.
    const QStringList &recordErrors() const { return m_reader.errors(); }

signals:
    void signalUpdateResult(CResultState state);
    void signalFinished(QNetworkReply::NetworkError err);

private slots:
    void slotReadyRead();
    void slotFinished();
    void slotCheckTimeout();

private:
    QNetworkReply *takeReply();

    int m_timeoutMs = 100000;
    QNetworkAccessManager m_manager;
    QNetworkRequest m_request;
    QPointer<QNetworkReply> m_reply;
    AnswerStreamReader m_reader;
    QTimer m_timer;
    bool m_unauthorized = false;
};

} // namespace GammaLib

#endif
