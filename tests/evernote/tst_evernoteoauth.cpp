#include "appsettings.h"
#include "configfile.h"
#include "manager.h"
#include "oauthencoding.h"
#include "serviceaddresses.h"
#include "recordinghttpserver.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace GammaLib;

namespace {

// HMAC-SHA1 written out from RFC 2104, independent of the library's.
QByteArray referenceHmacSha1(QByteArray key, const QByteArray &data)
{
    if (key.size() > 64)
        key = QCryptographicHash::hash(key, QCryptographicHash::Sha1);
    key = key.leftJustified(64, '\0');
    QByteArray inner(64, '\0');
    QByteArray outer(64, '\0');
    for (int i = 0; i < 64; ++i) {
        inner[i] = char(key.at(i) ^ 0x36);
        outer[i] = char(key.at(i) ^ 0x5c);
    }
    const QByteArray innerHash = QCryptographicHash::hash(inner + data, QCryptographicHash::Sha1);
    return QCryptographicHash::hash(outer + innerHash, QCryptographicHash::Sha1).toBase64();
}

// "oauth_x=\"v\", ..." -> name to decoded value, in order.
QList<QPair<QString, QString>> headerEntries(const QByteArray &header)
{
    QList<QPair<QString, QString>> entries;
    QByteArray rest = header;
    if (!rest.startsWith("OAuth "))
        return entries;
    rest = rest.mid(6);
    for (const QByteArray &part : rest.split(',')) {
        const QByteArray item = part.trimmed();
        const qsizetype equals = item.indexOf('=');
        QByteArray value = item.mid(equals + 1);
        if (value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2);
        entries.append({QString::fromLatin1(item.left(equals)), OAuth::percentDecode(QString::fromLatin1(value))});
    }
    return entries;
}

QString dataFile(const char *name)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/tests/evernote/data/") + QLatin1String(name);
}

} // namespace

class TestEvernoteOAuth : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    RecordingHttpServer m_server;

    // Checks the signature of a recorded request as the service would.
    bool signatureValid(const RecordingHttpServer::Request &request, const QString &tokenSecret)
    {
        QList<OAuth::Parameter> parameters;
        QString signature;
        for (const auto &entry : headerEntries(request.header("Authorization"))) {
            if (entry.first == QLatin1String("oauth_signature"))
                signature = entry.second;
            else
                parameters.append(entry);
        }
        const QString base = OAuth::signatureBaseString(QStringLiteral("POST"), m_server.url(QStringLiteral("/oauth")),
                                                        parameters);
        // RFC 5849 3.4.2: both secrets percent-encoded.
        const QByteArray key = Manager::consumerSecret().toLatin1() + '&' + OAuth::percentEncode(tokenSecret).toLatin1();
        return !signature.isEmpty() && referenceHmacSha1(key, base.toLatin1()) == signature.toLatin1();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QVERIFY(RecordingHttpServer::trustCertificate(dataFile("loopback.crt")));
        QVERIFY(m_server.startTls(dataFile("loopback.crt"), dataFile("loopback.key")));
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, m_server.host());
        ServiceAddresses::instance().setScheme(ServiceAddresses::Evernote, QStringLiteral("https"));
        ServiceAddresses::instance().setHost(ServiceAddresses::Web, QStringLiteral("127.0.0.1:9"));
    }

    void init() { m_server.clearRequests(); }

    void percentEncoding()
    {
        QCOMPARE(OAuth::percentEncode(QStringLiteral("Az09-._~")), QStringLiteral("Az09-._~"));
        QCOMPARE(OAuth::percentEncode(QStringLiteral("a b+c/=&%")), QStringLiteral("a%20b%2Bc%2F%3D%26%25"));
        QCOMPARE(OAuth::percentEncode(QString::fromUtf8("\xc3\xa9\xe2\x82\xac")), QStringLiteral("%C3%A9%E2%82%AC"));
        QCOMPARE(OAuth::percentDecode(QStringLiteral("a%20b%2bc%zz%4")), QStringLiteral("a b+c%zz%4"));
        const QMap<QString, QString> form = OAuth::parseForm("oauth_token=t%3A1&oauth_token_secret=&flag&x=a%26b\n");
        QCOMPARE(form.value(QStringLiteral("oauth_token")), QStringLiteral("t:1"));
        QVERIFY(form.contains(QStringLiteral("oauth_token_secret")));
        QVERIFY(form.contains(QStringLiteral("flag")));
        QCOMPARE(form.value(QStringLiteral("x")), QStringLiteral("a&b"));
    }

    // RFC 5849, 3.4.1.1: the base string of a request with query, body and
    // oauth parameters, repeated names, empty values and reserved characters.
    void rfcBaseStringExample()
    {
        const QList<OAuth::Parameter> parameters = {
            {QStringLiteral("b5"), QStringLiteral("=%3D")},
            {QStringLiteral("a3"), QStringLiteral("a")},
            {QStringLiteral("c@"), QString()},
            {QStringLiteral("a2"), QStringLiteral("r b")},
            {QStringLiteral("oauth_consumer_key"), QStringLiteral("9djdj82h48djs9d2")},
            {QStringLiteral("oauth_token"), QStringLiteral("kkk9d7dh3k39sjv7")},
            {QStringLiteral("oauth_signature_method"), QStringLiteral("HMAC-SHA1")},
            {QStringLiteral("oauth_timestamp"), QStringLiteral("137131201")},
            {QStringLiteral("oauth_nonce"), QStringLiteral("7d8f3e4a")},
            {QStringLiteral("c2"), QString()},
            {QStringLiteral("a3"), QStringLiteral("2 q")},
        };
        QCOMPARE(OAuth::signatureBaseString(QStringLiteral("post"),
                                            QStringLiteral("http://EXAMPLE.COM:80/request?b5=%3D%253D&a3=a"),
                                            parameters),
                 QStringLiteral("POST&http%3A%2F%2Fexample.com%2Frequest&a2%3Dr%2520b%26a3%3D2%2520q%26a3%3Da%26b5%3D%253D%25253D%26c%2540%3D%26c2%3D%26oauth_consumer_key%3D9djdj82h48djs9d2%26oauth_nonce%3D7d8f3e4a%26oauth_signature_method%3DHMAC-SHA1%26oauth_timestamp%3D137131201%26oauth_token%3Dkkk9d7dh3k39sjv7"));
        QCOMPARE(OAuth::baseStringUri(QStringLiteral("https://Host.example:8443/a%20b?x=1#f")),
                 QStringLiteral("https://host.example:8443/a%20b"));
    }

    // RFC 5849, 1.2: the token request of the worked example, signed by the
    // manager's own table.
    void rfcTokenRequestSignature()
    {
        Manager manager;
        manager.removeValue(QStringLiteral("callback"));
        manager.removeValue(QStringLiteral("version"));
        manager.setValue(QStringLiteral("consumer_key"), QStringLiteral("dpf43f3p2l4k3l03"));
        manager.setValue(QStringLiteral("consumer_secret"), QStringLiteral("kd94hf93k423kf44"));
        manager.setValue(QStringLiteral("token"), QStringLiteral("hh5s93j4hdidpola"));
        manager.setValue(QStringLiteral("token_secret"), QStringLiteral("hdhd0244k9j7ao03"));
        manager.setValue(QStringLiteral("timestamp"), QStringLiteral("137131201"));
        manager.setValue(QStringLiteral("nonce"), QStringLiteral("walatlh"));
        manager.setValue(QStringLiteral("verifier"), QStringLiteral("hfdp7dh39dks9884"));
        const QString url = QStringLiteral("https://photos.example.net/token");
        QCOMPARE(manager.signatureBaseString(QStringLiteral("POST"), url),
                 QStringLiteral("POST&https%3A%2F%2Fphotos.example.net%2Ftoken&oauth_consumer_key%3Ddpf43f3p2l4k3l03%26oauth_nonce%3Dwalatlh%26oauth_signature_method%3DHMAC-SHA1%26oauth_timestamp%3D137131201%26oauth_token%3Dhh5s93j4hdidpola%26oauth_verifier%3Dhfdp7dh39dks9884"));
        manager.sign(QStringLiteral("POST"), url);
        QCOMPARE(manager.Value(QStringLiteral("signature")), QStringLiteral("gKgrFCywp7rO0OXSjdot/IHF7IU="));
        QCOMPARE(manager.authorizationHeader(),
                 QStringLiteral("OAuth oauth_consumer_key=\"dpf43f3p2l4k3l03\", oauth_nonce=\"walatlh\", "
                                "oauth_signature=\"gKgrFCywp7rO0OXSjdot%2FIHF7IU%3D\", "
                                "oauth_signature_method=\"HMAC-SHA1\", oauth_timestamp=\"137131201\", "
                                "oauth_token=\"hh5s93j4hdidpola\", oauth_verifier=\"hfdp7dh39dks9884\""));
    }

    void hmacAgainstIndependentComputation()
    {
        const QByteArray data = "what do ya want for nothing?";
        for (const QByteArray &key : {QByteArray("Jefe"), QByteArray(64, 'k'), QByteArray(100, 'k'), QByteArray()}) {
            QCOMPARE(OAuth::hmacSha1Base64(key, data).toLatin1(), referenceHmacSha1(key, data));
        }
        // RFC 2202 test case 2, and a key longer than a block (computed apart).
        QCOMPARE(OAuth::hmacSha1Base64("Jefe", data),
                 QString::fromLatin1(QByteArray::fromHex("effcdf6ae5eb2fa2d27416d5f184df9c259a7c79").toBase64()));
        QCOMPARE(OAuth::hmacSha1Base64(QByteArray(100, 'k'), data), QStringLiteral("n0/AnH3GqnYaW8KKf732M2wlZV8="));
    }

    void firstStepTableAndSignature()
    {
        ServiceAddresses::instance().setHost(ServiceAddresses::Web, QStringLiteral("127.0.0.1:8080"));
        Manager manager;
        QCOMPARE(manager.Value(QStringLiteral("callback")), QStringLiteral("http://127.0.0.1:8080"));
        QCOMPARE(manager.Value(QStringLiteral("consumer_key")), QStringLiteral("tovermilch-3157"));
        QCOMPARE(manager.Value(QStringLiteral("version")), QStringLiteral("1.0"));
        QVERIFY(manager.contains(QStringLiteral("token_secret")));
        manager.setValue(QStringLiteral("nonce"), QStringLiteral("a1b2c3d4"));
        manager.setValue(QStringLiteral("timestamp"), QStringLiteral("1700000000"));
        manager.sign(QStringLiteral("POST"), QStringLiteral("https://127.0.0.1:4433/oauth"));
        // Computed apart with another HMAC implementation.
        QCOMPARE(manager.Value(QStringLiteral("signature")), QStringLiteral("At75uJji0YGvGwxjxhzOC8ue9Ts="));
        QCOMPARE(manager.signingKey(), QByteArray("5e07b2d94a13c68f&"));
        const QString header = manager.authorizationHeader();
        QVERIFY(!header.contains(QLatin1String("secret")));
        QVERIFY(header.startsWith(QLatin1String("OAuth oauth_callback=\"http%3A%2F%2F127.0.0.1%3A8080\", "
                                                "oauth_consumer_key=\"tovermilch-3157\", oauth_nonce=\"a1b2c3d4\", "
                                                "oauth_signature=\"")));
        QVERIFY(header.endsWith(QLatin1String("\", oauth_signature_method=\"HMAC-SHA1\", "
                                              "oauth_timestamp=\"1700000000\", oauth_version=\"1.0\"")));
        ServiceAddresses::instance().setHost(ServiceAddresses::Web, QStringLiteral("127.0.0.1:9"));
    }

    void nonceShape()
    {
        QSet<QString> seen;
        int letters = 0;
        for (int i = 0; i < 300; ++i) {
            const QString nonce = Manager::makeNonce();
            QCOMPARE(nonce.size(), 8);
            for (const QChar c : nonce) {
                QVERIFY((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')));
                letters += c.isLetter() ? 1 : 0;
            }
            seen.insert(nonce);
        }
        // Fresh nonces even within one second; roughly a third are letters.
        QVERIFY(seen.size() > 295);
        QVERIFY(letters > 300 * 8 / 5 && letters < 300 * 8 / 2);
    }

    // The whole flow against a loopback HTTPS server that checks signatures.
    void requestAndAccessToken()
    {
        int step = 0;
        m_server.setHandler("/oauth", [&step](const RecordingHttpServer::Request &) {
            return RecordingHttpServer::typed(
                ++step == 1 ? "oauth_token=tovermilch-3157.14C9&oauth_token_secret=5Ec%2B&oauth_callback_confirmed=true"
                            : "oauth_token=S%3Ds1%3AU%3D8f219%3AH%3Dab&oauth_token_secret=&edam_shard=s1",
                "text/plain");
        });
        Manager manager;
        QSignalSpy requested(&manager, &Manager::signalRequestToken);
        QSignalSpy accessed(&manager, &Manager::signalAcessToken);
        manager.requestTemporaryToken();
        QVERIFY(requested.wait(10000));
        QCOMPARE(requested.first().first().toBool(), true);
        QCOMPARE(manager.Value(QStringLiteral("token")), QStringLiteral("tovermilch-3157.14C9"));
        QCOMPARE(manager.Value(QStringLiteral("token_secret")), QStringLiteral("5Ec+"));
        QCOMPARE(manager.authorizationUrl(), m_server.url(QStringLiteral("/OAuth.action?oauth_token=tovermilch-3157.14C9")));

        const RecordingHttpServer::Request first = m_server.requests().at(0);
        QCOMPARE(first.method, QByteArray("POST"));
        QCOMPARE(first.target, QByteArray("/oauth"));
        QVERIFY(first.body.isEmpty());
        QCOMPARE(first.header("Content-Type"), QByteArray("application/x-www-form-urlencoded"));
        QStringList names;
        for (const auto &entry : headerEntries(first.header("Authorization")))
            names.append(entry.first);
        QCOMPARE(names, QStringList({"oauth_callback", "oauth_consumer_key", "oauth_nonce", "oauth_signature",
                                     "oauth_signature_method", "oauth_timestamp", "oauth_version"}));
        QVERIFY(signatureValid(first, QString()));

        QString verifier;
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("http://127.0.0.1:9/?oauth_token=x&oauth_verifier=V123&sandbox_lnb=false")), &verifier),
                 Manager::Verified);
        QCOMPARE(verifier, QStringLiteral("V123"));
        manager.requestAccessToken(verifier);
        QVERIFY(accessed.wait(10000));
        QCOMPARE(accessed.first().first().toBool(), true);
        QCOMPARE(requested.size(), 1);
        QCOMPARE(manager.Value(QStringLiteral("token")), QStringLiteral("S=s1:U=8f219:H=ab"));
        QVERIFY(!manager.contains(QStringLiteral("verifier")));

        const RecordingHttpServer::Request second = m_server.requests().at(1);
        names.clear();
        for (const auto &entry : headerEntries(second.header("Authorization")))
            names.append(entry.first);
        QCOMPARE(names, QStringList({"oauth_consumer_key", "oauth_nonce", "oauth_signature", "oauth_signature_method",
                                     "oauth_timestamp", "oauth_token", "oauth_verifier", "oauth_version"}));
        QVERIFY(signatureValid(second, QStringLiteral("5Ec+")));

        QVERIFY(manager.storeAccessToken());
        ConfigFile reread(AppSettings::preferenceConfig().directory(), AppSettings::preferenceConfig().fileName());
        QCOMPARE(reread.value(QStringLiteral("evernote_access_token")), QStringLiteral("S=s1:U=8f219:H=ab"));
    }

    // Without a token secret in the first answer the second step is signed
    // with the consumer secret and "&" alone.
    void missingTokenSecret()
    {
        m_server.setReply("/oauth", RecordingHttpServer::typed("oauth_token=temp1&oauth_callback_confirmed=true", "text/plain", 200));
        Manager manager;
        QSignalSpy requested(&manager, &Manager::signalRequestToken);
        manager.requestTemporaryToken();
        QVERIFY(requested.wait(10000));
        QVERIFY(requested.first().first().toBool());
        QCOMPARE(manager.Value(QStringLiteral("token_secret")), QString());
        QCOMPARE(manager.signingKey(), QByteArray("5e07b2d94a13c68f&"));
        QSignalSpy accessed(&manager, &Manager::signalAcessToken);
        m_server.setReply("/oauth", RecordingHttpServer::typed("oauth_token=final&oauth_token_secret=", "text/plain", 200));
        manager.requestAccessToken(QStringLiteral("v"));
        QVERIFY(accessed.wait(10000));
        QVERIFY(accessed.first().first().toBool());
        QVERIFY(signatureValid(m_server.requests().at(1), QString()));
    }

    void failures()
    {
        // An HTTP refusal ends the first step with false.
        m_server.setReply("/oauth", RecordingHttpServer::typed("oauth_problem=signature_invalid", "text/plain", 401));
        Manager manager;
        QSignalSpy requested(&manager, &Manager::signalRequestToken);
        QSignalSpy accessed(&manager, &Manager::signalAcessToken);
        manager.requestTemporaryToken();
        QVERIFY(requested.wait(10000));
        QCOMPARE(requested.first().first().toBool(), false);

        // An answer without a token is no temporary token.
        m_server.setReply("/oauth", RecordingHttpServer::typed("nothing=here", "text/plain", 200));
        manager.requestTemporaryToken();
        QVERIFY(requested.wait(10000));
        QCOMPARE(requested.last().first().toBool(), false);

        // A failed second step is reported by its own signal.
        m_server.setReply("/oauth", RecordingHttpServer::closeWithoutAnswer());
        manager.requestAccessToken(QStringLiteral("v"));
        QVERIFY(accessed.wait(10000));
        QCOMPARE(accessed.first().first().toBool(), false);
        QCOMPARE(requested.size(), 2);
        // Nothing usable arrived, so nothing is stored.
        QVERIFY(manager.Value(QStringLiteral("token")).isEmpty());
        QVERIFY(!manager.storeAccessToken());
    }

    void untrustedCertificateFails()
    {
        // A server whose certificate is not trusted: the manager must not wave it through.
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, QStringLiteral("localhost:%1").arg(m_server.port()));
        m_server.setReply("/oauth", RecordingHttpServer::typed("oauth_token=t&oauth_token_secret=s", "text/plain", 200));
        Manager manager;
        QSignalSpy requested(&manager, &Manager::signalRequestToken);
        manager.requestTemporaryToken();
        QVERIFY(requested.wait(10000));
        QCOMPARE(requested.first().first().toBool(), false);
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, m_server.host());
    }

    void redirects()
    {
        Manager manager;
        QString verifier = QStringLiteral("untouched");
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("https://www.evernote.com/OAuth.action?oauth_token=x")), &verifier),
                 Manager::NotCallback);
        // The callback's text inside another address is not the callback.
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("https://evil.example/?next=http://127.0.0.1:9&oauth_verifier=1")), &verifier),
                 Manager::NotCallback);
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("http://127.0.0.1:9/?oauth_token=x")), &verifier),
                 Manager::Declined);
        QCOMPARE(verifier, QStringLiteral("untouched"));
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("http://127.0.0.1:9/?oauth_verifier=a&oauth_verifier=last&x=1")), &verifier),
                 Manager::Verified);
        QCOMPARE(verifier, QStringLiteral("last"));
        QCOMPARE(manager.checkRedirect(QUrl(QStringLiteral("http://127.0.0.1:9?oauth_verifier=")), &verifier),
                 Manager::Verified);
        QCOMPARE(verifier, QString());
    }
};

QTEST_GUILESS_MAIN(TestEvernoteOAuth)
#include "tst_evernoteoauth.moc"
