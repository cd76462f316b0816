#ifndef USERACCESS_H
#define USERACCESS_H

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// Logs the user in and out of the account service and checks whether the
// session is still valid. The one instance (instance()) is the process-wide
// owner of the session key and the signed-in user's name; everything that
// talks to a server on the user's behalf reads the key from here at the
// moment of the call.
//
// Every log-in has its own time-out and its own reply: a late answer or a
// time-out left over from an earlier log-in never decides a newer one, and
// each log-in reports exactly once.
class UserAccess : public QObject
{
    Q_OBJECT

public:
    static UserAccess &instance();

    // Default addresses on the account host.
    static QString loginUrl();
    static QString logoutUrl();
    static QString isUserLoginUrl();

    // Ends in LoginFinished(code): -1 on success, 2100 on a transport error
    // or when no answer came within the time-out.
    void Login(const QString &url, const QString &userName, const QString &passwordHash,
               const QString &area);
    void Login(const QString &userName, const QString &passwordHash);

    // Ends in LogoutFinished(code); 2300 at once without a session key. The
    // session key is kept; the caller decides what to forget.
    void Logout(const QString &url);
    void Logout();

    // Blocks in a local event loop until the service answers: true only for
    // "Success". False at once without a session key.
    bool IsUserLoginInBlock(const QString &url);
    bool IsUserLoginInBlock();

    QString userName() const { return m_userName; }
    QString sessionKey() const { return m_sessionKey; }
    QString passwordHash() const { return m_passwordHash; }
    QString firstAttribute() const { return m_firstAttribute; }
    QString secondAttribute() const { return m_secondAttribute; }

    // The account page on the web host for the signed-in user:
    // "/Account/LoginFromClient?u=" + user name + "&s=" + session key.
    QString accountPageUrl() const;

    // Used by the social log-in, which receives the same answer elsewhere.
    void setSessionKey(const QString &key) { m_sessionKey = key; }
    void setUserName(const QString &name) { m_userName = name; }
    void setFirstAttribute(const QString &value) { m_firstAttribute = value; }
    // Forgets the signed-in identity.
    void clear();

    // Log-in time-out in milliseconds (10000).
    void setTimeOut(int ms) { m_timeOutMs = ms; }
    int timeOut() const { return m_timeOutMs; }
    // Limit for the calls without a time-out of their own (log-out, session
    // check): a server that stops sending for this long counts as a transport
    // error.
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }
    int transferTimeout() const { return m_transferTimeoutMs; }

signals:
    void LoginFinished(int code);
    void LogoutFinished(int code);

private slots:
    void OnLogin();
    void OnLogout();
    void OnIsUserLogin();

private:
    UserAccess();
    QNetworkAccessManager *manager();
    QByteArray sessionKeyForm() const;

    QNetworkAccessManager *m_manager = nullptr;
    QString m_userName;
    QString m_passwordHash;
    QString m_sessionKey;
    QString m_firstAttribute;
    QString m_secondAttribute;
    int m_timeOutMs = 10000;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
