#ifndef USERREGISTER_H
#define USERREGISTER_H

#include <QObject>
#include <QString>

class QNetworkAccessManager;

namespace GammaLib {

// Creates accounts and asks whether an e-mail address is already taken.
// Each registration has its own time-out and reports exactly once.
class UserRegister : public QObject
{
    Q_OBJECT

public:
    explicit UserRegister(QObject *parent = nullptr);

    // Default addresses on the account host.
    static QString existUserEmailUrl();
    static QString registerUrl();

    // Ends in ExistUserEmailFinished(exists). Dropped silently while an
    // earlier check is still waiting for its answer.
    void ExistUserEmail(const QString &url, const QString &email);
    void ExistUserEmail(const QString &email);
    bool isEmailCheckReady() const { return m_emailCheckReady; }

    // Ends in RegisterFinished(code): -1 on success, 1008 at once for an
    // empty address, 2100 on a transport error or time-out.
    void Register(const QString &url, const QString &email, const QString &passwordHash);
    void Register(const QString &email, const QString &passwordHash);

    // Registration time-out in milliseconds (10000).
    void setTimeOut(int ms) { m_timeOutMs = ms; }
    int timeOut() const { return m_timeOutMs; }
    // Limit for the e-mail check, which has no time-out of its own.
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

signals:
    void ExistUserEmailFinished(bool exists);
    void RegisterFinished(int code);

private slots:
    void OnExistUserEmail();
    void OnRegister();

private:
    QNetworkAccessManager *m_manager;
    int m_timeOutMs = 10000;
    int m_transferTimeoutMs;
    bool m_emailCheckReady = true;
};

} // namespace GammaLib

#endif
