#ifndef SERVICEADDRESSES_H
#define SERVICEADDRESSES_H

#include <QHash>
#include <QString>

namespace GammaLib {

// Every remote host the program talks to, each with its scheme. Built once at
// start-up from compiled-in defaults that point every product host at the
// local services on loopback; tests replace entries before they make requests.
class ServiceAddresses
{
public:
    enum Host {
        Checking,      // "/unified/", "/apps_compressed/"
        Explanation,   // "/eng", "/chs/", "/?qew2="
        Account,       // log-in, registration, "/NotPublic/", "/test.htm"
        Api,           // translation, Chinese dictionary, sample text, versions
        Web,           // account, password, terms and help pages, OAuth callback
        Resource,      // banner page and logos
        Sina,          // Sina Weibo log-in page of the account service
        FacebookWww,   // OAuth dialog and its success page
        FacebookGraph, // "me" endpoint
        Evernote,      // OAuth and the note service
        SinaShare,     // Sina Weibo's share page ("/share/share.php")
    };

    static ServiceAddresses &instance();

    QString host(Host which) const;     // "name" or "name:port"
    QString scheme(Host which) const;   // "http" or "https"
    void setHost(Host which, const QString &host);
    void setScheme(Host which, const QString &scheme);
    // Points every product host (all but Facebook and Evernote) at one server.
    void setProductHosts(const QString &host);

    // scheme + "://" + host + path
    QString url(Host which, const QString &path) const;

    // Explanation pages: "/eng" on the explanation host, "/chs/" in Chinese.
    QString explanationBase() const;
    // Dictionary look-up: explanation host "/?qew2=", or in Chinese the API
    // host's "/Veska/QLDictCN?content=".
    QString dictionaryBase() const;
    void useChineseAddresses(bool chinese = true) { m_chinese = chinese; }
    bool chineseAddresses() const { return m_chinese; }

    // The compiled-in default product host ("127.0.0.1:<port>").
    static QString defaultProductHost();
    // The compiled-in default note-service host, the local note service.
    static QString defaultNoteHost();

    // The application's identity at the note service (OAuth consumer).
    QString evernoteConsumerKey() const { return m_consumerKey; }
    QString evernoteConsumerSecret() const { return m_consumerSecret; }
    void setEvernoteConsumer(const QString &key, const QString &secret)
    {
        m_consumerKey = key;
        m_consumerSecret = secret;
    }

private:
    ServiceAddresses();
    struct Address
    {
        QString scheme;
        QString host;
    };
    QHash<int, Address> m_addresses;
    bool m_chinese = false;
    QString m_consumerKey;
    QString m_consumerSecret;
};

} // namespace GammaLib

#endif
