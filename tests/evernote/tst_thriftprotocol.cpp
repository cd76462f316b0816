#include "edamresult.h"
#include "note.h"
#include "notelist.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"

#include <QRandomGenerator>
#include <QTest>

using namespace GammaLib;

namespace {

// Builds wire bytes by hand, independently of the protocol writer.
class Wire
{
public:
    Wire &u8(int v) { m_bytes.append(char(v & 0xff)); return *this; }
    Wire &i16(int v) { return u8(v >> 8).u8(v); }
    Wire &i32(qint64 v) { return u8(int(v >> 24)).u8(int(v >> 16)).u8(int(v >> 8)).u8(int(v)); }
    Wire &i64(qint64 v) { return i32(v >> 32).i32(v & 0xffffffff); }
    Wire &str(const QByteArray &s) { i32(s.size()); m_bytes.append(s); return *this; }
    Wire &field(int type, int id) { return u8(type).i16(id); }
    Wire &stop() { return u8(0); }
    Wire &raw(const QByteArray &b) { m_bytes.append(b); return *this; }
    Wire &reply(const QByteArray &name) { return i32(qint64(0x80010002)).str(name).i32(0); }
    QByteArray bytes() const { return m_bytes; }
    operator QByteArray() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

struct Pipe
{
    THttpClient transport{QUrl(QStringLiteral("https://127.0.0.1:1/unused"))};
    TBinaryProtocol protocol{&transport};
    QByteArray written() const { return transport.buffer().left(transport.outputPosition()); }
    void feed(const QByteArray &bytes)
    {
        transport.setBuffer(bytes);
        protocol.clearError();
    }
};

EDAMErrorCode readNoteListReply(Pipe &pipe, NoteList *out = nullptr)
{
    NoteList list;
    const EDAMErrorCode code = EDAMResult::read(pipe.protocol, true, [&](qint8 type) {
        return pipe.protocol.readField(type, TType::Struct, [&] { return list.read(pipe.protocol); });
    });
    if (out)
        *out = list;
    return code;
}

QByteArray sampleNoteListReply()
{
    return Wire()
        .reply("findNotes")
        .field(TType::Struct, 0)
        .field(TType::I32, 1).i32(0)
        .field(TType::I32, 2).i32(2)
        .field(TType::List, 3).u8(TType::Struct).i32(2)
        .field(TType::String, 1).str("guid-1").field(TType::String, 2).str("First")
        .field(TType::I64, 6).i64(1700000000000LL)
        .field(TType::Struct, 14).field(TType::String, 13).str("me").field(TType::Double, 10).i64(0x3FF8000000000000LL).stop()
        .field(TType::List, 12).u8(TType::String).i32(2).str("t1").str("t2")
        .stop()
        .field(TType::String, 1).str("guid-2").field(TType::String, 2).str(QByteArray("Second \xc3\xa9"))
        .stop()
        .field(TType::I32, 6).i32(7)
        .stop()
        .stop();
}

} // namespace

class TestThriftProtocol : public QObject
{
    Q_OBJECT

private slots:
    void callHeaderBytes()
    {
        Pipe pipe;
        pipe.protocol.writeMessageBegin(QStringLiteral("getNoteStoreUrl"), TMessageType::Call, 0);
        pipe.protocol.writeFieldBegin(QStringLiteral("authenticationToken"), TType::String, 1);
        pipe.protocol.writeString(QString());
        pipe.protocol.writeFieldStop();
        QCOMPARE(pipe.written().toHex(' '),
                 QByteArray("80 01 00 01 00 00 00 0f " + QByteArray("getNoteStoreUrl").toHex(' ')
                            + " 00 00 00 00 0b 00 01 00 00 00 00 00"));
    }

    void scalarAndContainerBytes()
    {
        Pipe pipe;
        TBinaryProtocol &p = pipe.protocol;
        p.writeBool(true);
        p.writeBool(false);
        p.writeByte(-1);
        p.writeI16(-2);
        p.writeI32(0x01020304);
        p.writeI64(-2);
        p.writeDouble(1.5);
        p.writeString(QString::fromUtf8("h\xc3\xa9"));
        p.writeBinary(QByteArray("\x00\xff", 2));
        p.writeListBegin(TType::String, 3);
        p.writeMapBegin(TType::String, TType::I32, 1);
        p.writeFieldBegin(QStringLiteral("x"), TType::I64, 300);
        QCOMPARE(pipe.written().toHex(' '),
                 QByteArray("01 00 ff ff fe 01 02 03 04 ff ff ff ff ff ff ff fe 3f f8 00 00 00 00 00 00 "
                            "00 00 00 03 68 c3 a9 00 00 00 02 00 ff 0b 00 00 00 03 0b 08 00 00 00 01 0a 01 2c"));
    }

    void structWritesOnlySetFields()
    {
        Note note;
        note.title = QStringLiteral("T");
        note.isset.title = true;
        note.content = QStringLiteral("<en-note/>");
        note.isset.content = true;
        note.guid = QStringLiteral("not sent"); // not flagged as set
        note.tagNames = {QStringLiteral("a")};
        note.isset.tagNames = true;
        note.attributes.author = QStringLiteral("me");
        note.attributes.isset.author = true;
        note.isset.attributes = true;
        Pipe pipe;
        note.write(pipe.protocol);
        QCOMPARE(pipe.written(), Wire()
                                     .field(TType::String, 2).str("T")
                                     .field(TType::String, 3).str("<en-note/>")
                                     .field(TType::Struct, 14).field(TType::String, 13).str("me").stop()
                                     .field(TType::List, 15).u8(TType::String).i32(1).str("a")
                                     .stop()
                                     .bytes());

        // And it reads back as written.
        pipe.feed(pipe.written());
        Note back;
        QVERIFY(back.read(pipe.protocol));
        QVERIFY(back.isset.title && back.isset.content && back.isset.attributes && back.isset.tagNames);
        QVERIFY(!back.isset.guid);
        QCOMPARE(back.title, QStringLiteral("T"));
        QCOMPARE(back.attributes.author, QStringLiteral("me"));
        QCOMPARE(back.tagNames, QStringList({QStringLiteral("a")}));
    }

    void messageHeaders()
    {
        Pipe pipe;
        QString name;
        qint32 type, sequence;
        pipe.feed(Wire().i32(qint64(0x80010003)).str("getNote").i32(7));
        QVERIFY(pipe.protocol.readMessageBegin(name, type, sequence));
        QCOMPARE(name, QStringLiteral("getNote"));
        QCOMPARE(type, 3);
        QCOMPARE(sequence, 7);

        // An old, non-strict header is not decoded and gives no usable answer.
        pipe.feed(Wire().str("getNote").u8(2).i32(0).stop());
        QVERIFY(!pipe.protocol.readMessageBegin(name, type, sequence));
        QVERIFY(name.isEmpty());
        QCOMPARE(type, 0);
        pipe.feed(Wire().str("getNote").u8(2).i32(0).stop());
        QCOMPARE(readNoteListReply(pipe), EDAM::MalformedAnswer);
    }

    void readsNoteList()
    {
        Pipe pipe;
        pipe.feed(sampleNoteListReply());
        NoteList list;
        QCOMPARE(readNoteListReply(pipe, &list), EDAM::Success);
        QCOMPARE(list.totalNotes, 2);
        QCOMPARE(list.notes.size(), 2);
        QCOMPARE(list.notes.at(0).guid, QStringLiteral("guid-1"));
        QCOMPARE(list.notes.at(0).created, 1700000000000LL);
        QCOMPARE(list.notes.at(0).attributes.latitude, 1.5);
        QCOMPARE(list.notes.at(0).tagGuids, QStringList({"t1", "t2"}));
        QCOMPARE(list.notes.at(1).title, QString::fromUtf8("Second \xc3\xa9"));
        QCOMPARE(list.updateCount, 7);
    }

    // Fields of unknown id or unexpected type are skipped by their own
    // encoding; the next field is read correctly.
    void skipsUnknownAndMistypedFields()
    {
        Pipe pipe;
        pipe.feed(Wire()
                      .field(TType::I32, 2).i32(99) // title with the wrong type
                      .field(TType::Map, 90).u8(TType::String).u8(TType::List).i32(1).str("k").u8(TType::I16).i32(2).i16(1).i16(2)
                      .field(TType::Set, 91).u8(TType::Double).i32(1).i64(0)
                      .field(TType::Struct, 92).field(TType::Struct, 1).field(TType::Bool, 1).u8(1).stop().stop()
                      .field(TType::List, 93).u8(TType::Struct).i32(2).stop().field(TType::Byte, 4).u8(9).stop()
                      .field(TType::String, 12).str("not a list") // tagGuids with the wrong type
                      .field(TType::String, 1).str("g")
                      .stop());
        Note note;
        QVERIFY(note.read(pipe.protocol));
        QVERIFY(!note.isset.title);
        QVERIFY(!note.isset.tagGuids);
        QVERIFY(note.isset.guid);
        QCOMPARE(note.guid, QStringLiteral("g"));
        QCOMPARE(pipe.transport.bytesAvailable(), 0);
    }

    void results_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("code");
        const QByteArray userException = Wire().field(TType::Struct, 1).field(TType::I32, 1).i32(9)
                                             .field(TType::String, 2).str("authenticationToken")
                                             .field(TType::List, 77).u8(TType::I32).i32(1).i32(5).stop();
        QTest::newRow("user exception") << (Wire().reply("findNotes").raw(userException).stop().bytes()) << 9;
        QTest::newRow("user exception read to its stop, then more fields")
            << (Wire().reply("findNotes").raw(userException).field(TType::I32, 9).i32(1).stop().bytes()) << 9;
        QTest::newRow("user code that would read as success")
            << (Wire().reply("findNotes").field(TType::Struct, 1).field(TType::I32, 1).i32(18).stop().stop().bytes())
            << int(EDAM::Unknown);
        QTest::newRow("user exception without a code")
            << (Wire().reply("findNotes").field(TType::Struct, 1).stop().stop().bytes()) << int(EDAM::Unknown);
        QTest::newRow("system exception")
            << (Wire().reply("findNotes").field(TType::Struct, 2).field(TType::I32, 1).i32(19)
                    .field(TType::String, 2).str("slow down").field(TType::I32, 3).i32(60).stop().stop().bytes())
            << int(EDAM::SystemException);
        QTest::newRow("not found exception")
            << (Wire().reply("getNote").field(TType::Struct, 3).field(TType::String, 1).str("Note.guid")
                    .field(TType::String, 2).str("x").stop().stop().bytes())
            << int(EDAM::NotFound);
        QTest::newRow("application exception")
            << (Wire().i32(qint64(0x80010003)).str("findNotes").i32(0).field(TType::String, 1).str("boom").stop().bytes())
            << int(EDAM::ApplicationException);
        QTest::newRow("application exception, nothing after the header")
            << (Wire().i32(qint64(0x80010003)).str("findNotes").i32(0).bytes()) << int(EDAM::ApplicationException);
        QTest::newRow("empty result") << (Wire().reply("findNotes").stop().bytes()) << int(EDAM::MalformedAnswer);
        QTest::newRow("success of the wrong type")
            << (Wire().reply("findNotes").field(TType::String, 0).str("x").stop().bytes()) << int(EDAM::MalformedAnswer);
        QTest::newRow("call instead of reply")
            << (Wire().i32(qint64(0x80010001)).str("findNotes").i32(0).stop().bytes()) << int(EDAM::MalformedAnswer);
        QTest::newRow("empty answer") << QByteArray() << int(EDAM::MalformedAnswer);
        QTest::newRow("exception field of the wrong type")
            << (Wire().reply("findNotes").field(TType::I32, 1).i32(9).stop().bytes()) << int(EDAM::MalformedAnswer);
    }

    void results()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, code);
        Pipe pipe;
        pipe.feed(answer);
        QCOMPARE(readNoteListReply(pipe), code);
        QCOMPARE(EDAMResult::read(pipe.protocol, false, [](qint8) { return true; }), int(EDAM::TransportFailure));
    }

    void hostileInput_data()
    {
        QTest::addColumn<QByteArray>("answer");
        const Wire head = Wire().reply("findNotes").field(TType::Struct, 0);
        QTest::newRow("huge string length") << (Wire(head).field(TType::String, 99).i32(0x7fffffff).raw("abc").bytes());
        QTest::newRow("negative string length") << (Wire(head).field(TType::String, 99).i32(-5).raw("abc").bytes());
        QTest::newRow("huge name in header") << (Wire().i32(qint64(0x80010002)).i32(0x7ffffff0).bytes());
        QTest::newRow("huge list of structs") << (Wire(head).field(TType::List, 3).u8(TType::Struct).i32(0x7fffffff).stop().bytes());
        QTest::newRow("huge list being skipped") << (Wire(head).field(TType::List, 99).u8(TType::I64).i32(0x7fffffff).bytes());
        QTest::newRow("negative list size") << (Wire(head).field(TType::List, 3).u8(TType::Struct).i32(-1).stop().stop().bytes());
        QTest::newRow("huge map") << (Wire(head).field(TType::Map, 99).u8(TType::String).u8(TType::String).i32(0x7fffffff).bytes());
        QTest::newRow("list of an unknown type") << (Wire(head).field(TType::List, 99).u8(5).i32(0x7fffffff).bytes());
        QTest::newRow("map of an unknown type") << (Wire(head).field(TType::Map, 99).u8(TType::I32).u8(9).i32(1000).bytes());
        QTest::newRow("unknown field type") << (Wire(head).field(7, 99).i32(1).stop().stop().bytes());
        Wire deep = Wire(head);
        for (int i = 0; i < 100000; ++i)
            deep.field(TType::Struct, 99);
        QTest::newRow("deep nesting") << deep.bytes();
        Wire deepLists = Wire(head).field(TType::List, 99);
        for (int i = 0; i < 50000; ++i)
            deepLists.u8(TType::List).i32(1);
        QTest::newRow("deep list nesting") << deepLists.bytes();
        QTest::newRow("truncated in a note") << sampleNoteListReply().left(60);
    }

    void hostileInput()
    {
        QFETCH(QByteArray, answer);
        Pipe pipe;
        pipe.feed(answer);
        NoteList list;
        QCOMPARE(readNoteListReply(pipe, &list), EDAM::MalformedAnswer);
        QVERIFY(pipe.protocol.hasError());
        QVERIFY(!pipe.protocol.errorString().isEmpty());
        QVERIFY(list.notes.size() <= 2);
    }

    void everyTruncationFailsCleanly()
    {
        const QByteArray full = sampleNoteListReply();
        for (qsizetype length = 0; length < full.size(); ++length) {
            Pipe pipe;
            pipe.feed(full.left(length));
            QCOMPARE(readNoteListReply(pipe), EDAM::MalformedAnswer);
        }
        Pipe pipe;
        pipe.feed(full);
        QCOMPARE(readNoteListReply(pipe), EDAM::Success);
    }

    // Random and mutated answers: the reader must end without crashing,
    // hanging or allocating beyond the answer, whatever it is fed.
    void fuzz()
    {
        QRandomGenerator random(20261207);
        const QByteArray valid = sampleNoteListReply();
        int decoded = 0;
        for (int round = 0; round < 6000; ++round) {
            QByteArray bytes;
            if (round % 3 == 0) {
                bytes.resize(random.bounded(1, 200));
                for (char &c : bytes)
                    c = char(random.bounded(256));
                if (round % 2 == 0)
                    bytes.prepend(Wire().reply("findNotes").field(TType::Struct, 0).bytes());
            } else {
                bytes = valid;
                const int mutations = random.bounded(1, 6);
                for (int m = 0; m < mutations; ++m) {
                    const int at = random.bounded(int(bytes.size()));
                    switch (random.bounded(4)) {
                    case 0:
                        bytes[at] = char(random.bounded(256));
                        break;
                    case 1:
                        bytes[at] = char(0xff);
                        break;
                    case 2:
                        bytes.remove(at, random.bounded(1, 8));
                        break;
                    default:
                        bytes.insert(at, bytes.mid(random.bounded(int(bytes.size())), random.bounded(1, 12)));
                        break;
                    }
                    if (bytes.isEmpty())
                        break;
                }
            }
            Pipe pipe;
            pipe.feed(bytes);
            NoteList list;
            const EDAMErrorCode code = readNoteListReply(pipe, &list);
            QVERIFY(code >= 1 && code <= EDAM::MalformedAnswer);
            QVERIFY(list.notes.size() <= bytes.size());
            decoded += code == EDAM::Success ? 1 : 0;
        }
        QVERIFY(decoded > 0); // some mutations leave a readable answer
    }
};

QTEST_GUILESS_MAIN(TestThriftProtocol)
#include "tst_thriftprotocol.moc"
