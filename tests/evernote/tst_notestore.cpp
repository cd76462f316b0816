#include "edamerrorcode.h"
#include "enml.h"
#include "evernote.h"
#include "notestore.h"
#include "serviceaddresses.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "recordinghttpserver.h"
#include "ttype.h"
#include "userstore.h"

#include <QSignalSpy>
#include <QTest>

using namespace GammaLib;

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(QUILLET_SOURCE_DIR "/tests/evernote/data/") + QLatin1String(name);
}

// Encodes answers with a protocol of its own on an unsent transport.
class Answer
{
public:
    Answer() : m_transport(QUrl(QStringLiteral("https://127.0.0.1:1/"))), m_protocol(&m_transport) {}
    TBinaryProtocol &p() { return m_protocol; }
    Answer &reply(const char *name, qint32 type = TMessageType::Reply)
    {
        m_protocol.writeMessageBegin(QString::fromLatin1(name), type, 0);
        return *this;
    }
    QByteArray bytes() const { return m_transport.buffer().left(m_transport.outputPosition()); }

private:
    THttpClient m_transport;
    TBinaryProtocol m_protocol;
};

QByteArray noteStoreUrlAnswer(const QString &url)
{
    Answer a;
    a.reply("getNoteStoreUrl");
    a.p().writeFieldBegin({}, TType::String, 0);
    a.p().writeString(url);
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray userExceptionAnswer(const char *call, qint32 code)
{
    Answer a;
    a.reply(call);
    a.p().writeFieldBegin({}, TType::Struct, 1);
    a.p().writeFieldBegin({}, TType::I32, 1);
    a.p().writeI32(code);
    a.p().writeFieldStop();
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray noteListAnswer()
{
    NoteList list;
    list.totalNotes = 2;
    list.isset.totalNotes = true;
    for (int i = 1; i <= 2; ++i) {
        Note note;
        note.guid = QStringLiteral("guid-%1").arg(i);
        note.title = QStringLiteral("Note %1").arg(i);
        note.created = 1700000000000LL - i;
        note.isset.guid = note.isset.title = note.isset.created = true;
        list.notes.append(note);
    }
    list.isset.notes = true;
    Answer a;
    a.reply("findNotes");
    a.p().writeFieldBegin({}, TType::Struct, 0);
    list.write(a.p());
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray noteAnswer(const char *call, const QString &content)
{
    Note note;
    note.guid = QStringLiteral("guid-1");
    note.content = content;
    note.isset.guid = note.isset.content = true;
    Answer a;
    a.reply(call);
    a.p().writeFieldBegin({}, TType::Struct, 0);
    note.write(a.p());
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray callHeader(const char *name)
{
    Answer a;
    a.reply(name, TMessageType::Call);
    return a.bytes();
}

} // namespace

class TestNoteStore : public QObject
{
    Q_OBJECT

private:
    RecordingHttpServer m_server;

    static QList<int> codes(const QSignalSpy &spy)
    {
        QList<int> list;
        for (const auto &arguments : spy)
            list.append(arguments.first().toInt());
        return list;
    }
    void serveNoteStoreUrl() { m_server.setReply("/edam/user", noteStoreUrlAnswer(m_server.url(QStringLiteral("/shard/s1/notestore")))); }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GammaLib::EDAMErrorCode>("GammaLib::EDAMErrorCode");
        qRegisterMetaType<GammaLib::EvernoteProgress>("GammaLib::EvernoteProgress");
        QVERIFY(RecordingHttpServer::trustCertificate(dataFile("loopback.crt")));
        QVERIFY(m_server.startTls(dataFile("loopback.crt"), dataFile("loopback.key")));
        ServiceAddresses::instance().setScheme(ServiceAddresses::Evernote, QStringLiteral("https"));
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, m_server.host());
    }

    void init()
    {
        m_server.clearRequests();
        serveNoteStoreUrl();
    }

    void userStoreRequestBytes()
    {
        UserStore store;
        QCOMPARE(store.transport()->url(), QUrl(m_server.url(QStringLiteral("/edam/user"))));
        QSignalSpy answered(&store, &UserStore::signalGetNoteStoreUrlRes);
        store.getNoteStoreUrl(QStringLiteral("S=s1:U=1"));
        QVERIFY(answered.wait(10000));
        QCOMPARE(answered.first().at(0).toInt(), int(EDAM::Success));
        QCOMPARE(answered.first().at(1).toString(), m_server.url(QStringLiteral("/shard/s1/notestore")));
        const RecordingHttpServer::Request request = m_server.requests().at(0);
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.header("Content-Type"), QByteArray("application/x-thrift"));
        QCOMPARE(request.header("Accept"), QByteArray("application/x-thrift"));
        QCOMPARE(request.body.toHex(' '), QByteArray("80 01 00 01 00 00 00 0f " + QByteArray("getNoteStoreUrl").toHex(' ')
                                                     + " 00 00 00 00 0b 00 01 00 00 00 08 " + QByteArray("S=s1:U=1").toHex(' ')
                                                     + " 00"));

        // A second call writes from the start again.
        store.getNoteStoreUrl(QString());
        QVERIFY(answered.wait(10000));
        QCOMPARE(m_server.requests().at(1).body, callHeader("getNoteStoreUrl") + QByteArray::fromHex("0b00010000000000"));
    }

    void noteStoreAddressMustBeHttps()
    {
        m_server.setReply("/edam/user", noteStoreUrlAnswer(QStringLiteral("http://127.0.0.1:1/shard/s1/notestore")));
        UserStore store;
        QSignalSpy answered(&store, &UserStore::signalGetNoteStoreUrlRes);
        store.getNoteStoreUrl(QStringLiteral("t"));
        QVERIFY(answered.wait(10000));
        QCOMPARE(answered.first().at(0).toInt(), int(EDAM::MalformedAnswer));
        QVERIFY(answered.first().at(1).toString().isEmpty());
    }

    void listThenOpen()
    {
        m_server.setReply("/shard/s1/notestore", noteListAnswer());
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        QSignalSpy info(&evernote, &Evernote::signalInfo);
        evernote.listNotes(QStringLiteral("tok"), 0, 50);
        QVERIFY(finished.wait(10000));
        QCOMPARE(codes(finished), QList<int>({EDAM::Success}));
        QCOMPARE(codes(info), QList<int>({GeneratingNoteUrl, FetchingNotes}));
        QCOMPARE(evernote.notes().notes.size(), 2);
        QCOMPARE(evernote.notes().notes.at(1).title, QStringLiteral("Note 2"));

        QCOMPARE(m_server.requests().size(), 2);
        const RecordingHttpServer::Request find = m_server.requests().at(1);
        QCOMPARE(find.path(), QByteArray("/shard/s1/notestore"));
        QCOMPARE(find.body, callHeader("findNotes")
                                + QByteArray::fromHex("0b0001 00000003") + "tok"
                                + QByteArray::fromHex("0c0002 080001 00000001 020002 00 00" // filter: order 1, ascending false
                                                      "080003 00000000 080004 00000032 00"));

        m_server.setReply("/shard/s1/notestore", noteAnswer("getNote", Enml::fromPlainText(QStringLiteral("Hello\nworld"))));
        finished.clear();
        evernote.getNote(QStringLiteral("guid-1"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(codes(finished), QList<int>({EDAM::Success}));
        QCOMPARE(Enml::toPlainText(evernote.note().content), QStringLiteral("Hello\nworld"));
        // The note store of the listing is reused: no new user-store call.
        QCOMPARE(m_server.requests().size(), 3);
        QCOMPARE(m_server.requests().at(2).body, callHeader("getNote")
                                                    + QByteArray::fromHex("0b0001 00000003") + "tok"
                                                    + QByteArray::fromHex("0b0002 00000006") + "guid-1"
                                                    + QByteArray::fromHex("020003 01 020004 00 020005 00 020006 00 00"));
    }

    void emptyTokenIsNotSent()
    {
        m_server.setReply("/shard/s1/notestore", noteListAnswer());
        NoteStore store(QUrl(m_server.url(QStringLiteral("/shard/s1/notestore"))));
        QSignalSpy found(&store, &NoteStore::signalFindNotesRes);
        store.findNotes(QString(), NoteStore::newestFirstFilter(), 10, 5);
        QVERIFY(found.wait(10000));
        QCOMPARE(found.first().at(0).toInt(), int(EDAM::Success));
        QCOMPARE(m_server.requests().at(0).body, callHeader("findNotes")
                                                    + QByteArray::fromHex("0c0002 080001 00000001 020002 00 00"
                                                                          "080003 0000000a 080004 00000005 00"));
    }

    void saveNote()
    {
        m_server.setReply("/shard/s1/notestore", noteAnswer("createNote", QString()));
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        QSignalSpy info(&evernote, &Evernote::signalInfo);
        evernote.saveNote(QStringLiteral("tok"), QStringLiteral("  A\ttitle\n"), QStringLiteral("  Line one & more\nLine two  \n"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(codes(finished), QList<int>({EDAM::Success}));
        QCOMPARE(codes(info), QList<int>({GeneratingNoteUrl, CreatingNote}));
        const QString content = Enml::header() + QStringLiteral("Line one &amp; more<br />Line two</en-note>");
        QByteArray expected = callHeader("createNote") + QByteArray::fromHex("0b0001 00000003") + "tok"
                              + QByteArray::fromHex("0c0002 0b0002 00000007") + "A title"
                              + QByteArray::fromHex("0b0003") + QByteArray::fromHex(QByteArray::number(content.toUtf8().size(), 16).rightJustified(8, '0'))
                              + content.toUtf8() + QByteArray::fromHex("00 00");
        QCOMPARE(m_server.requests().at(1).body, expected);
    }

    void failures_data()
    {
        QTest::addColumn<QByteArray>("userAnswer");
        QTest::addColumn<QByteArray>("noteAnswer");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("drop");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("requests");
        QTest::newRow("expired authorisation at the user store") << userExceptionAnswer("getNoteStoreUrl", 9) << QByteArray() << 200 << false << 9 << 1;
        QTest::newRow("quota reached") << QByteArray() << userExceptionAnswer("createNote", 7) << 200 << false << 7 << 2;
        Answer exception;
        exception.reply("createNote", TMessageType::Exception);
        exception.p().writeFieldBegin({}, TType::String, 1);
        exception.p().writeString(QStringLiteral("Internal error"));
        exception.p().writeFieldStop();
        QTest::newRow("application exception") << QByteArray() << exception.bytes() << 200 << false << int(EDAM::ApplicationException) << 2;
        QTest::newRow("server error status") << QByteArray() << QByteArray("oops") << 500 << false << int(EDAM::TransportFailure) << 2;
        QTest::newRow("connection dropped") << QByteArray() << QByteArray() << 200 << true << int(EDAM::TransportFailure) << -2;
        QTest::newRow("garbage answer") << QByteArray() << QByteArray("<html>Not Thrift</html>") << 200 << false << int(EDAM::MalformedAnswer) << 2;
    }

    void failures()
    {
        QFETCH(QByteArray, userAnswer);
        QFETCH(QByteArray, noteAnswer);
        QFETCH(int, status);
        QFETCH(bool, drop);
        QFETCH(int, code);
        QFETCH(int, requests);
        if (!userAnswer.isEmpty())
            m_server.setReply("/edam/user", userAnswer);
        m_server.setReply("/shard/s1/notestore", drop ? RecordingHttpServer::closeWithoutAnswer()
                                                      : RecordingHttpServer::answer(noteAnswer, status));
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        evernote.saveNote(QStringLiteral("tok"), QStringLiteral("t"), QStringLiteral("text"));
        QVERIFY(finished.wait(10000));
        QCOMPARE(codes(finished), QList<int>({code}));
        // The network layer may resend a request whose connection closed
        // without any answer; a negative count means "at least".
        if (requests < 0)
            QVERIFY(m_server.requests().size() >= -requests);
        else
            QCOMPARE(m_server.requests().size(), requests);
    }

    void untrustedCertificateIsATransportFailure()
    {
        UserStore store(QUrl(QStringLiteral("https://localhost:%1/edam/user").arg(m_server.port())));
        QSignalSpy answered(&store, &UserStore::signalGetNoteStoreUrlRes);
        store.getNoteStoreUrl(QStringLiteral("t"));
        QVERIFY(answered.wait(10000));
        QCOMPARE(answered.first().at(0).toInt(), int(EDAM::TransportFailure));
    }

    void oversizedAnswerIsRefused()
    {
        m_server.setReply("/shard/s1/notestore", QByteArray(THttpClient::MaxAnswerSize + 1, 'x'));
        NoteStore store(QUrl(m_server.url(QStringLiteral("/shard/s1/notestore"))));
        QSignalSpy fetched(&store, &NoteStore::signalGetNoteRes);
        store.getNote(QStringLiteral("tok"), QStringLiteral("guid-1"));
        QVERIFY(fetched.wait(30000));
        QCOMPARE(fetched.first().at(0).toInt(), int(EDAM::TransportFailure));
        m_server.setReply("/shard/s1/notestore", QByteArray());
    }

    void cancelledRequestStaysSilent()
    {
        m_server.setReply("/shard/s1/notestore", noteListAnswer());
        Evernote evernote;
        QSignalSpy finished(&evernote, &Evernote::signalFinished);
        evernote.listNotes(QStringLiteral("tok"), 0, 50);
        evernote.cancel();
        evernote.listNotes(QStringLiteral("tok"), 0, 50);
        QVERIFY(finished.wait(10000));
        QTRY_COMPARE(m_server.requests().size() >= 2, true);
        QCoreApplication::processEvents();
        QCOMPARE(codes(finished), QList<int>({EDAM::Success}));
    }

    void titles()
    {
        QCOMPARE(Evernote::cleanTitle(QStringLiteral("  ")), QStringLiteral("Untitled"));
        QCOMPARE(Evernote::cleanTitle(QString("a\nb") + QChar(0x01) + "c"), QStringLiteral("a bc"));
        QCOMPARE(Evernote::cleanTitle(QString(300, QLatin1Char('x'))).size(), 255);
    }
};

QTEST_GUILESS_MAIN(TestNoteStore)
#include "tst_notestore.moc"
