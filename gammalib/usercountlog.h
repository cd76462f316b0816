#ifndef USERCOUNTLOG_H
#define USERCOUNTLOG_H

#include "usercorrectionrecord.h"

#include <QMap>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// Posts usage figures to the account host's "/NotPublic/" handlers. Answers
// are never read for meaning: every finished request, failed or not, only
// emits its signal. Each call returns whether a request went out; a call
// that sends nothing emits nothing.
class UserCountLog : public QObject
{
    Q_OBJECT

public:
    explicit UserCountLog(QObject *parent = nullptr);

    // "http://" + account host + "/NotPublic/"
    static QString baseUrl();

    // Event counts; nothing is sent for an empty key or table.
    // Ends in AddUserEventFinished().
    bool AddUserEvent(const QString &sessionKey, const QMap<QString, int> &events,
                      const QString &version);
    // The same request, waiting in a local event loop for the reply; emits
    // no signal.
    bool AddUserEventInBlock(const QString &sessionKey, const QMap<QString, int> &events,
                             const QString &version);

    // Checked units (0 sentences, 1 words) and error categories of a review.
    // Each raises the pending-task count; its reply lowers it and emits
    // signalTaskFinished(remaining).
    bool AddUserCheckCount(const QString &sessionKey, const QMap<int, int> &kinds);
    bool AddUserErrorCount(const QString &sessionKey, const QMap<int, int> &categories);
    int taskCount() const { return m_taskCount; }
    void setTaskCount(int count) { m_taskCount = count; }

    // Nothing is sent for an empty key or list.
    // Ends in signalAddUserCorrectionLogFinished().
    bool AddUserCorrectionLog(const QString &sessionKey, const QList<UserCorrectionRecord> &records);

    // A server that stops sending for this long counts as finished (10000 ms).
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

signals:
    void AddUserEventFinished();
    void signalTaskFinished(int remaining);
    void signalAddUserCorrectionLogFinished();

private slots:
    void OnAddUserEvent();
    void slotAddUserCheckCountFinished();
    void slotAddUserErrorCountFinished();
    void OnAddUserCorrectionLog();

private:
    QNetworkReply *post(const QString &path, const QByteArray &body);
    QByteArray eventForm(const QString &sessionKey, const QMap<QString, int> &events,
                         const QString &version) const;
    void finishTask();

    QNetworkAccessManager *m_manager;
    int m_taskCount = 0;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
