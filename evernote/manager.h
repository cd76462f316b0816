#ifndef MANAGER_H
#define MANAGER_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSslError>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// The three-legged OAuth 1.0 flow with the note service (HMAC-SHA1): asks for
// temporary credentials, gives the authorisation page's address, takes the
// verifier caught from the callback redirect and trades it for the access
// token. The parameter table holds names without their "oauth_" prefix.
class Manager : public QObject
{
    Q_OBJECT

public:
    enum RedirectResult {
        NotCallback, // one of the service's own pages: nothing to do
        Declined,    // the callback without a verifier: the user said no
        Verified,    // the callback with a verifier
    };

    explicit Manager(QObject *parent = nullptr);
    ~Manager() override;

    // The token-request address and the application's identity.
    static QString oauthUrl();
    static QString callbackUrl();
    static QString consumerKey();
    static QString consumerSecret();

    // Resets the table, signs and POSTs; answers with signalRequestToken().
    void RequestToken(const QString &method, const QString &url);
    // Renews nonce and timestamp, drops "callback", adds "verifier", signs and
    // POSTs; answers with signalAcessToken().
    void AccessToken(const QString &method, const QString &url, const QString &verifier);
    // RequestToken("POST", oauthUrl()) and AccessToken("POST", oauthUrl(), verifier).
    void requestTemporaryToken();
    void requestAccessToken(const QString &verifier);

    // An entry of the table ("token" after either step), empty when absent.
    QString Value(const QString &name) const;
    bool contains(const QString &name) const { return m_table.contains(name); }

    // The service's authorisation page for the temporary token.
    QString authorizationUrl() const;
    // Classifies a URL the embedded browser went to; on Verified the verifier
    // (the last "oauth_verifier" of the query) is put into *verifier.
    RedirectResult checkRedirect(const QUrl &url, QString *verifier = nullptr) const;

    // Writes the access token to the preferences ("evernote_access_token") and
    // saves them. False when there is no token or the file could not be written.
    bool storeAccessToken() const;

    // Signing, exposed so that the exact bytes can be checked.
    void reset();
    void setValue(const QString &name, const QString &value) { m_table.insert(name, value); }
    void removeValue(const QString &name) { m_table.remove(name); }
    QString signatureBaseString(const QString &method, const QString &url) const;
    QByteArray signingKey() const;
    void sign(const QString &method, const QString &url);
    QString authorizationHeader() const;

    static QString makeNonce();
    static QString makeTimestamp();

    // Drops a running request without a signal.
    void abort();

signals:
    void signalRequestToken(bool ok);
    void signalAcessToken(bool ok);

private slots:
    void slotFinished(QNetworkReply *reply);
    void handleSslErrors(QNetworkReply *reply, const QList<QSslError> &errors);

private:
    void post(const QString &url);

    QNetworkAccessManager *m_network;
    QMap<QString, QString> m_table;
    QPointer<QNetworkReply> m_reply;
};

} // namespace GammaLib

#endif
