// The program's OAuth signing and its own Thrift stack against the local note
// service, whose provider checks signatures and whose stores speak through
// the Apache Thrift library: what the reference implementation reads from us
// and answers to us is checked here, not our protocol against itself.
#include "edamerrorcode.h"
#include "enml.h"
#include "evernote.h"
#include "localservices.h"
#include "manager.h"
#include "notestore.h"
#include "serviceaddresses.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"
#include "userstore.h"

#include <QCryptographicHash>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

using namespace GammaLib;

class TestNoteService : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    LocalServices m_services;
    QString m_annToken;

    // Posts the authorisation page's form as a browser would and returns the
    // address the page sends the browser to (empty when it does not).
    QUrl submitPage(const QString &temporaryToken, const QString &action, const QString &email,
                    const QString &password)
    {
        QNetworkAccessManager network;
        QNetworkRequest request(QUrl(QStringLiteral("http://%1/OAuth.action").arg(m_services.noteHost())));
        request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
        QUrlQuery form;
        form.addQueryItem(QStringLiteral("oauth_token"), temporaryToken);
        form.addQueryItem(QStringLiteral("action"), action);
        form.addQueryItem(QStringLiteral("email"), email);
        form.addQueryItem(QStringLiteral("password"), password);
        QNetworkReply *reply = network.post(request, form.query(QUrl::FullyEncoded).toUtf8());
        QEventLoop loop;
        connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        loop.exec();
        const QUrl location = reply->header(QNetworkRequest::LocationHeader).toUrl();
        delete reply;
        return location;
    }

    // The three legs with the program's Manager; the page is answered as
    // the user would answer it.
    QString authorise(const QString &email, const QString &password)
    {
        Manager manager;
        QSignalSpy temporary(&manager, &Manager::signalRequestToken);
        manager.requestTemporaryToken();
        if (!temporary.wait(30000) || !temporary.first().first().toBool())
            return QString();
        const QUrl back = submitPage(manager.Value(QStringLiteral("token")), QStringLiteral("allow"), email, password);
        QString verifier;
        if (manager.checkRedirect(back, &verifier) != Manager::Verified)
            return QString();
        QSignalSpy access(&manager, &Manager::signalAcessToken);
        manager.requestAccessToken(verifier);
        if (!access.wait(30000) || !access.first().first().toBool())
            return QString();
        return manager.Value(QStringLiteral("token"));
    }

    static QList<int> codes(const QSignalSpy &spy)
    {
        QList<int> list;
        for (const auto &arguments : spy)
            list.append(arguments.first().toInt());
        return list;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GammaLib::EDAMErrorCode>("GammaLib::EDAMErrorCode");
        qRegisterMetaType<GammaLib::EvernoteProgress>("GammaLib::EvernoteProgress");
        QVERIFY(m_config.isValid());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QVERIFY2(m_services.start(), qPrintable(m_services.errorOutput()));
        m_services.pointServiceTableHere();
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("ann@example.com"), QStringLiteral("ann-pass")).isEmpty());
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("bob@example.com"), QStringLiteral("bob-pass")).isEmpty());
    }

    void defaultTablePointsAtTheLocalNoteService()
    {
        QCOMPARE(ServiceAddresses::defaultNoteHost(), QStringLiteral("127.0.0.1:47881"));
        QCOMPARE(ServiceAddresses::instance().evernoteConsumerKey(), QStringLiteral("tovermilch-3157"));
        QCOMPARE(Manager::consumerKey(), ServiceAddresses::instance().evernoteConsumerKey());
    }

    void providerAcceptsOurSignatures()
    {
        m_annToken = authorise(QStringLiteral("ann@example.com"), QStringLiteral("ann-pass"));
        QVERIFY2(m_annToken.startsWith(QLatin1String("S=s1:U=")), qPrintable(m_services.errorOutput()));
    }

    void providerRefusesAWrongSecret()
    {
        ServiceAddresses &table = ServiceAddresses::instance();
        const QString secret = table.evernoteConsumerSecret();
        table.setEvernoteConsumer(table.evernoteConsumerKey(), QStringLiteral("not-our-secret"));
        Manager manager;
        QSignalSpy temporary(&manager, &Manager::signalRequestToken);
        manager.requestTemporaryToken();
        table.setEvernoteConsumer(table.evernoteConsumerKey(), secret);
        QVERIFY(temporary.wait(30000));
        QCOMPARE(temporary.first().first().toBool(), false);
        QVERIFY(manager.Value(QStringLiteral("token")).isEmpty());
    }

    void declineGivesTheCallbackWithoutVerifier()
    {
        Manager manager;
        QSignalSpy temporary(&manager, &Manager::signalRequestToken);
        manager.requestTemporaryToken();
        QVERIFY(temporary.wait(30000));
        QVERIFY(temporary.first().first().toBool());
        const QUrl back = submitPage(manager.Value(QStringLiteral("token")), QStringLiteral("decline"), QString(), QString());
        QCOMPARE(manager.checkRedirect(back), Manager::Declined);
    }

    void userStoreAnswersTheNoteStoreAddress()
    {
        QVERIFY(!m_annToken.isEmpty());
        UserStore store;
        QSignalSpy answered(&store, &UserStore::signalGetNoteStoreUrlRes);
        store.getNoteStoreUrl(m_annToken);
        QVERIFY(answered.wait(30000));
        QCOMPARE(answered.first().at(0).toInt(), int(EDAM::Success));
        QCOMPARE(answered.first().at(1).toString(), QStringLiteral("http://%1/shard/s1/notestore").arg(m_services.noteHost()));

        answered.clear();
        store.getNoteStoreUrl(QStringLiteral("S=s1:U=1:E=forged"));
        QVERIFY(answered.wait(30000));
        QCOMPARE(answered.first().at(0).toInt(), int(EDAM::BadDataFormat));
    }

    void saveListAndOpenThroughTheFacade()
    {
        QVERIFY(!m_annToken.isEmpty());
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        QSignalSpy steps(&evernote, &Evernote::signalInfo);
        const QString text = QStringLiteral("Fish & chips < 5 pounds.\nSecond line with caf\u00e9 and \u4e2d\u6587.");
        evernote.saveNote(m_annToken, QStringLiteral("Fish & chips"), text);
        QVERIFY(finished.wait(30000));
        QCOMPARE(codes(finished), QList<int>{EDAM::Success});
        QCOMPARE(codes(steps), (QList<int>{GeneratingNoteUrl, CreatingNote}));

        QTest::qWait(5); // a later creation time for the second note
        finished.clear();
        evernote.saveNote(m_annToken, QStringLiteral("Newer"), QStringLiteral("newer text"));
        QVERIFY(finished.wait(30000));
        QCOMPARE(codes(finished), QList<int>{EDAM::Success});

        finished.clear();
        evernote.listNotes(m_annToken, 0, 50);
        QVERIFY(finished.wait(30000));
        QCOMPARE(codes(finished), QList<int>{EDAM::Success});
        const NoteList list = evernote.notes();
        QCOMPARE(list.notes.size(), 2);
        QCOMPARE(list.notes.at(0).title, QStringLiteral("Newer"));
        QCOMPARE(list.notes.at(1).title, QStringLiteral("Fish & chips"));
        QVERIFY(list.notes.at(0).created >= list.notes.at(1).created);
        QVERIFY(list.notes.at(1).isset.guid && !list.notes.at(1).isset.content);

        finished.clear();
        evernote.getNote(list.notes.at(1).guid);
        QVERIFY(finished.wait(30000));
        QCOMPARE(codes(finished), QList<int>{EDAM::Success});
        const QString content = evernote.note().content;
        QVERIFY2(content.endsWith(QStringLiteral("<en-note>Fish &amp; chips &lt; 5 pounds.<br />Second line with caf\u00e9 and \u4e2d\u6587.</en-note>")),
                 qPrintable(content));
        QCOMPARE(evernote.note().contentLength, int(content.toUtf8().size()));
        QCOMPARE(evernote.note().contentHash, QCryptographicHash::hash(content.toUtf8(), QCryptographicHash::Md5));
    }

    void anotherUserSeesNothingOfIt()
    {
        const QString bob = authorise(QStringLiteral("bob@example.com"), QStringLiteral("bob-pass"));
        QVERIFY(!bob.isEmpty());
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        evernote.listNotes(bob, 0, 50);
        QVERIFY(finished.wait(30000));
        QCOMPARE(codes(finished), QList<int>{EDAM::Success});
        QVERIFY(evernote.notes().notes.isEmpty());
    }

    void badNoteIsRefusedWithItsCode()
    {
        // A title the service cannot take, sent past the façade's cleaning.
        UserStore users;
        QSignalSpy address(&users, &UserStore::signalGetNoteStoreUrlRes);
        users.getNoteStoreUrl(m_annToken);
        QVERIFY(address.wait(30000));
        NoteStore store(QUrl(address.first().at(1).toString()));
        QSignalSpy created(&store, &NoteStore::signalCreateNoteRes);
        Note note;
        note.title = QStringLiteral(" padded");
        note.content = Enml::fromPlainText(QStringLiteral("x"));
        note.isset.title = note.isset.content = true;
        store.createNote(m_annToken, note);
        QVERIFY(created.wait(30000));
        QCOMPARE(codes(created), QList<int>{EDAM::BadDataFormat});

        QSignalSpy found(&store, &NoteStore::signalGetNoteRes);
        store.getNote(m_annToken, QStringLiteral("no-such-guid"));
        QVERIFY(found.wait(30000));
        QCOMPARE(codes(found), QList<int>{EDAM::NotFound});
    }

    void unknownCallGetsAnApplicationException()
    {
        THttpClient transport(QUrl(QStringLiteral("http://%1/shard/s1/notestore").arg(m_services.noteHost())));
        TBinaryProtocol protocol(&transport);
        protocol.writeMessageBegin(QStringLiteral("listNotebooks"), TMessageType::Call, 0);
        protocol.writeFieldBegin({}, TType::String, 1);
        protocol.writeString(m_annToken);
        protocol.writeFieldStop();
        QSignalSpy done(&transport, &THttpClient::signalFinished);
        transport.flush();
        QVERIFY(done.wait(30000));
        QVERIFY(done.first().first().toBool());
        QString name;
        qint32 type = 0;
        qint32 sequence = -1;
        protocol.readMessageBegin(name, type, sequence);
        QCOMPARE(type, qint32(TMessageType::Exception));
        QCOMPARE(name, QStringLiteral("listNotebooks"));
        QCOMPARE(sequence, 0);
    }
};

QTEST_MAIN(TestNoteService)
#include "tst_noteservice.moc"
