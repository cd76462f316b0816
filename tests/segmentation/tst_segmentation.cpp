// Chunks and their config lists, the splitter tables, the GBK conversion, the
// title test, the sentence splitter and the two word counters.
#include "gbkcodec.h"
#include "referencesplitter.h"
#include "sentencechunk.h"
#include "sentencesplitter.h"
#include "splittertables.h"
#include "titlechunk.h"
#include "wordcounter.h"

#include <QtTest>

#include <iconv.h>

using namespace GammaLib;

namespace {

QList<QByteArray> configsOf(const TextChunk &chunk)
{
    QList<QByteArray> configs;
    chunk.getConfigs(configs);
    return configs;
}

// A chunk whose list is the sentence list without its last pair.
class ShortChunk : public TextChunk
{
public:
    ShortChunk() : TextChunk(0) {}
    void getConfigs(QList<QByteArray> &configs) const override
    {
        SentenceChunk full;
        full.setConfidence(confidence());
        full.getConfigs(configs);
        configs.resize(configs.size() - 2);
    }
};

// GBK bytes straight from the C library's converter; fails on characters
// GBK cannot represent.
QByteArray iconvGbk(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    iconv_t cd = iconv_open("GBK", "UTF-8");
    if (cd == iconv_t(-1))
        return {};
    QByteArray out(utf8.size() * 2 + 8, '\0');
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (rc == size_t(-1))
        return {};
    out.truncate(outPtr - out.data());
    return out;
}

// The sentence ends of a paragraph, checked against the reference splitter.
QList<int> endsOf(const QString &paragraph)
{
    const QList<int> ends = splitSentences(paragraph);
    const QList<int> reference = Reference::splitSentences(GbkCodec::instance().encode(paragraph));
    if (ends != reference)
        qWarning() << "reference splitter differs:" << ends << reference;
    return ends == reference ? ends : QList<int>{-99};
}

// The sentences of a paragraph, cut at its ends.
QStringList sentencesOf(const QString &paragraph)
{
    QStringList sentences;
    int start = 0;
    for (const int end : endsOf(paragraph)) {
        if (end < start || end >= paragraph.size())
            return {QStringLiteral("<bad end %1>").arg(end)};
        sentences.append(paragraph.mid(start, end - start + 1));
        start = end + 1;
    }
    return sentences;
}

} // namespace

class TstSegmentation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareSegmentation(); }

    void titleConfigs();
    void sentenceConfigs();
    void sameConfigs();

    void tableContents();

    void gbkMatchesTheConverter();
    void gbkPlaceholderKeepsPositions();

    void titleTest_data();
    void titleTest();

    void sentences_data();
    void sentences();
    void sentenceEnds_data();
    void sentenceEnds();
    void emptyParagraph();
    void gbkBytesGiven();

    void countWords_data();
    void countWords();
    void countWordsUpTo_data();
    void countWordsUpTo();
};

void TstSegmentation::titleConfigs()
{
    TitleChunk title;
    QCOMPARE(title.configType(), 1);
    QCOMPARE(title.confidence(), 2);
    const QList<QByteArray> expected{
        "server.mor", "1", "server.spell", "2", "server.style", "4", "server.dependency", "0",
        "server.grammar", "0", "server.rule", "0", "server.real", "3", "server.det", "0",
        "server.confidence", "2"};
    QCOMPARE(configsOf(title), expected);

    title.setConfidence(5);
    QCOMPARE(configsOf(title).last(), QByteArray("5"));
    title.setConfidence(10);
    QCOMPARE(configsOf(title).last(), QByteArray("10"));

    // The list is appended to what the caller already has.
    QList<QByteArray> configs{"x"};
    title.getConfigs(configs);
    QCOMPARE(configs.size(), 19);
    QCOMPARE(configs.first(), QByteArray("x"));
}

void TstSegmentation::sentenceConfigs()
{
    SentenceChunk sentence;
    QCOMPARE(sentence.configType(), 0);
    QCOMPARE(sentence.confidence(), 2);
    const QList<QByteArray> expected{
        "server.style", "4", "server.spell", "2", "server.mor", "1", "server.dependency", "0",
        "server.grammar", "6", "server.rule", "7", "server.real", "3", "server.det", "5",
        "server.poststyle", "9", "server.confidence", "2"};
    QCOMPARE(configsOf(sentence), expected);
    sentence.setConfidence(0);
    QCOMPARE(configsOf(sentence).last(), QByteArray("0"));
}

void TstSegmentation::sameConfigs()
{
    SentenceChunk a;
    SentenceChunk b;
    TitleChunk t;
    TitleChunk u;
    QVERIFY(a.sameConfigs(b));
    QVERIFY(t.sameConfigs(u));
    QVERIFY(!a.sameConfigs(t));
    QVERIFY(!t.sameConfigs(a));

    b.setConfidence(3);
    QVERIFY(!a.sameConfigs(b));
    QVERIFY(!b.sameConfigs(a));
    a.setConfidence(3);
    QVERIFY(a.sameConfigs(b));

    // Same leading entries but a shorter list.
    ShortChunk shortChunk;
    shortChunk.setConfidence(3);
    QVERIFY(!a.sameConfigs(shortChunk));
    QVERIFY(!shortChunk.sameConfigs(a));

    // Through the base class, as the result store compares them.
    std::unique_ptr<TextChunk> stored(new SentenceChunk);
    std::unique_ptr<TextChunk> fresh(new SentenceChunk);
    QVERIFY(stored->sameConfigs(*fresh));
    QVERIFY(stored->sameConfigs(fresh.get()));
    QVERIFY(!stored->sameConfigs(static_cast<const TextChunk *>(nullptr)));
}

void TstSegmentation::tableContents()
{
    const auto &abbreviations = SplitterTables::abbreviations();
    QCOMPARE(abbreviations.size(), 515);
    QCOMPARE(abbreviations.first(), QByteArray("A."));
    QCOMPARE(abbreviations.at(1), QByteArray("a."));
    QCOMPARE(abbreviations.at(45), QByteArray("B. Jon."));
    QCOMPARE(abbreviations.last(), QByteArray("Zeph."));
    QVERIFY(abbreviations.contains("No."));
    QVERIFY(abbreviations.contains("Todd & B."));
    QVERIFY(abbreviations.contains("Ph.D"));
    QVERIFY(abbreviations.contains("R. C. Ch."));
    for (const QByteArray &entry : abbreviations) {
        QVERIFY2(entry.contains('.'), entry.constData());
        QCOMPARE(entry.trimmed(), entry);
    }
    // No duplicates.
    QCOMPARE(QSet<QByteArray>(abbreviations.begin(), abbreviations.end()).size(), 515);

    const QList<QByteArray> schemes{"http://", "HTTP://", "Http://", "HTTPS://", "Https://",
                                    "https://", "ftp://", "FTP://", "Ftp://", "TELNET://",
                                    "Telnet://", "telnet://"};
    QCOMPARE(SplitterTables::urlSchemes(), schemes);
    const QList<QByteArray> endings{".com", ".COM", ".Com", ".cn", ".CN", ".Cn", ".org", ".Org",
                                    ".ORG", ".gov", ".Gov", ".GOV", ".EDU", ".edu", ".Edu", ".uk",
                                    ".UK", ".jp", ".JP", ".tw", ".TW", ".cc", ".hk", ".HK"};
    QCOMPARE(SplitterTables::domainEndings(), endings);
    const QList<QByteArray> emoticons{"(-.-)Zzz", "(Z.Z)", "(*^.^*)", "(-.-)", "(=.=)", "(?_?)",
                                      "(o.O)", "(o.o)", "(<.<)", "<( ^.^ )>", "<( -'.'- )>",
                                      "<('.'-^)", ">.<", "-.-"};
    QCOMPARE(SplitterTables::emoticons(), emoticons);
    const QList<QByteArray> marks{iconvGbk(u"\u3002"_qs), iconvGbk(u"\uFF01"_qs),
                                  iconvGbk(u"\u2026\u2026"_qs), iconvGbk(u"\uFF1F"_qs)};
    QCOMPARE(SplitterTables::fullWidthMarks(), marks);
    QCOMPARE(marks.at(2), QByteArray("\xA1\xAD\xA1\xAD"));
}

void TstSegmentation::gbkMatchesTheConverter()
{
    const GbkCodec &codec = GbkCodec::instance();
    QVERIFY(codec.isAvailable());
    const QString text = u"Hello 你好，世界。這是「測試」！？……ａｂｃ１２３ ·—é"_qs;
    const QByteArray direct = iconvGbk(text);
    QVERIFY(!direct.isEmpty());
    QCOMPARE(codec.encode(text), direct);
    QCOMPARE(codec.encode(u"你好"_qs), QByteArray("\xC4\xE3\xBA\xC3"));
    QCOMPARE(codec.encode(u"\u3002\uFF01\uFF1F"_qs), QByteArray("\xA1\xA3\xA3\xA1\xA3\xBF"));

    // Every two-byte character of the table matches the converter.
    int checked = 0;
    for (char32_t unit = 0x80; unit < 0x10000; unit += 7) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue;
        const QString one{QChar(char16_t(unit))};
        const QByteArray viaConverter = iconvGbk(one);
        if (viaConverter.size() != 2)
            continue;
        QCOMPARE(codec.encode(one), viaConverter);
        ++checked;
    }
    QVERIFY(checked > 2000);
}

void TstSegmentation::gbkPlaceholderKeepsPositions()
{
    const GbkCodec &codec = GbkCodec::instance();
    const QByteArray placeholder("\xA1\xFE");
    // Emoji (two code units), Hebrew, Hangul, Arabic, accented letters, the
    // euro sign (one byte in the converter), a lone surrogate.
    QCOMPARE(codec.encode(u"😀"_qs), placeholder + placeholder);
    QCOMPARE(codec.encode(u"של"_qs), placeholder + placeholder);
    QCOMPARE(codec.encode(u"한"_qs), placeholder);
    QCOMPARE(codec.encode(u"ñÄ"_qs), placeholder + placeholder);
    // Cyrillic and Greek are GBK characters.
    QCOMPARE(codec.encode(u"Да"_qs), QByteArray("\xA7\xA5\xA7\xD1"));
    QCOMPARE(codec.encode(u"\u0633"_qs), placeholder);
    QCOMPARE(codec.encode(u"\u20AC"_qs), placeholder);
    QCOMPARE(codec.encode(QString(QChar(0xD83D))), placeholder);
    QCOMPARE(codec.encode(u"a😀b"_qs), "a" + placeholder + placeholder + "b");

    // One byte per ASCII code unit, two per other code unit, lead byte first.
    const QString mixed = u"Ok 😀 Да 你好 € ñ \u00e9 \u0000 z"_qs;
    const QByteArray bytes = codec.encode(mixed);
    int expected = 0;
    for (const QChar ch : mixed)
        expected += ch.unicode() < 0x80 ? 1 : 2;
    QCOMPARE(bytes.size(), expected);
    for (qsizetype i = 0, k = 0; k < mixed.size(); ++k) {
        if (mixed.at(k).unicode() < 0x80) {
            QCOMPARE(static_cast<unsigned char>(bytes.at(i)), mixed.at(k).unicode());
            ++i;
        } else {
            QVERIFY(static_cast<unsigned char>(bytes.at(i)) >= 0x81);
            i += 2;
        }
    }
}

void TstSegmentation::titleTest_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<bool>("running");
    QTest::newRow("plain") << u"Hello"_qs << false;
    QTest::newRow("full stop") << u"Hello."_qs << true;
    QTest::newRow("question") << u"Why?"_qs << true;
    QTest::newRow("exclamation") << u"Go!"_qs << true;
    QTest::newRow("ideographic stop") << u"你好\u3002"_qs << true;
    QTest::newRow("full-width question") << u"什么\uFF1F"_qs << true;
    QTest::newRow("full-width exclamation") << u"好\uFF01"_qs << true;
    QTest::newRow("ellipsis alone") << u"等等\u2026\u2026"_qs << false;
    QTest::newRow("comma and colon") << u"Chapter 1: Intro, part two"_qs << false;
    QTest::newRow("empty") << QString() << false;
}

void TstSegmentation::titleTest()
{
    QFETCH(QString, paragraph);
    QFETCH(bool, running);
    QCOMPARE(containsSentenceMark(paragraph), running);
}

void TstSegmentation::sentences_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QStringList>("expected");

    auto row = [](const char *name, const QString &paragraph, const QStringList &expected) {
        QTest::newRow(name) << paragraph << expected;
    };

    row("abbreviation", u"Mr. Smith arrived. He sat."_qs, {u"Mr. Smith arrived. "_qs, u"He sat."_qs});
    row("decimal", u"The price is 3.5 dollars."_qs, {u"The price is 3.5 dollars."_qs});
    row("decimal then end", u"Pi is 3.14. Yes"_qs, {u"Pi is 3.14. "_qs, u"Yes"_qs});
    row("web address",
        u"Visit http://www.example.com/path/index.html for details. Then leave."_qs,
        {u"Visit http://www.example.com/path/index.html for details. "_qs, u"Then leave."_qs});
    row("e-mail", u"Write to john.smith@mail.example.org. Then wait."_qs,
        {u"Write to john.smith@mail.example.org. "_qs, u"Then wait."_qs});
    row("e-mail no ending", u"Mail a.b@c.d.ef now. Ok"_qs, {u"Mail a.b@c.d.ef now. "_qs, u"Ok"_qs});
    row("number sign", u"See No. 5 and No.6 here."_qs, {u"See No. 5 and No.6 here."_qs});
    row("number sign alone", u"Say No. Then leave."_qs, {u"Say No. "_qs, u"Then leave."_qs});
    row("number sign glued", u"Say No.Then"_qs, {u"Say No."_qs, u"Then"_qs});
    row("number sign two spaces", u"See No.  5 items."_qs, {u"See No. "_qs, u" 5 items."_qs});
    row("quoted sentence", u"He said \"Stop.\" and left. Bye."_qs,
        {u"He said \"Stop.\" and left. "_qs, u"Bye."_qs});
    row("quoted sentence ends", u"He said \"Stop.\" Then left."_qs,
        {u"He said \"Stop.\" "_qs, u"Then left."_qs});
    row("ellipsis", u"Wait... then go. Done."_qs, {u"Wait... then go. "_qs, u"Done."_qs});
    row("ellipsis ends", u"Wait... Then go."_qs, {u"Wait... "_qs, u"Then go."_qs});
    row("no whitespace after", u"It ended.Next"_qs, {u"It ended."_qs, u"Next"_qs});
    row("whitespace after", u"It ended. Next"_qs, {u"It ended. "_qs, u"Next"_qs});
    row("lower case after a plain end", u"Hello. world"_qs, {u"Hello. "_qs, u"world"_qs});
    row("one sentence", u"Hello."_qs, {u"Hello."_qs});
    row("one character", u"a"_qs, {u"a"_qs});
    row("one mark", u"."_qs, {u"."_qs});
    row("marks only", u"?!..."_qs, {u"?!..."_qs});
    row("full-width marks only", u"\u3002\uFF01\uFF1F"_qs, {u"\u3002"_qs, u"\uFF01"_qs, u"\uFF1F"_qs});
    row("trailing whitespace", u"Hello. "_qs, {u"Hello. "_qs});
    row("trailing whitespace run", u"Hello.  "_qs, {u"Hello. "_qs, u" "_qs});
    row("trailing text whitespace", u"One. Two   "_qs, {u"One. "_qs, u"Two   "_qs});
    row("tab after", u"One.\tTwo."_qs, {u"One.\t"_qs, u"Two."_qs});
    row("closing run", u"It is over.\")] Next."_qs, {u"It is over.\")] "_qs, u"Next."_qs});
    row("closing run at the end", u"Done.\")"_qs, {u"Done.\")"_qs});
    row("several marks", u"Really?!? Yes!!"_qs, {u"Really?!? "_qs, u"Yes!!"_qs});
    row("bracket then lower case", u"(He left.) and then more. Ok."_qs,
        {u"(He left.) and then more. "_qs, u"Ok."_qs});
    row("bracket then capital", u"(He left.) Then more."_qs, {u"(He left.) "_qs, u"Then more."_qs});
    row("end on a bracket", u"Say (yes.)Then go."_qs, {u"Say (yes.)Then go."_qs});
    row("end on an apostrophe", u"He said 'no.'Then left."_qs, {u"He said 'no.'Then left."_qs});
    row("e.g. mid-sentence", u"Use tools, e.g. hammers. Done."_qs,
        {u"Use tools, e.g. hammers. "_qs, u"Done."_qs});
    row("i.e. and etc.", u"Fruit, i.e. apples, pears etc. are fine. Yes."_qs,
        {u"Fruit, i.e. apples, pears etc. are fine. "_qs, u"Yes."_qs});
    row("abbreviation after a letter", u"This is Mars. Next."_qs, {u"This is Mars. "_qs, u"Next."_qs});
    row("abbreviation after an apostrophe", u"It is John's. Next"_qs, {u"It is John's. "_qs, u"Next"_qs});
    row("abbreviation with spaces", u"See B. Jon. for it. Ok"_qs, {u"See B. Jon. for it. "_qs, u"Ok"_qs});
    row("url ending in a full stop", u"Go to http://example.com/a.html. Next one."_qs,
        {u"Go to http://example.com/a.html. "_qs, u"Next one."_qs});
    row("url ending in a question mark", u"Is it http://example.com/page? Yes."_qs,
        {u"Is it http://example.com/page? "_qs, u"Yes."_qs});
    row("url with a query", u"Open http://example.net/q?x=1.5!a now. Go"_qs,
        {u"Open http://example.net/q?x=1.5!a now. "_qs, u"Go"_qs});
    row("eight-character address", u"Try ftp://.b now. Bye."_qs, {u"Try ftp://."_qs, u"b now. "_qs, u"Bye."_qs});
    row("nine-character address", u"Try ftp://.bc now. Bye."_qs, {u"Try ftp://.bc now. "_qs, u"Bye."_qs});
    row("domain name", u"Visit example.com. Then go."_qs, {u"Visit example.com. "_qs, u"Then go."_qs});
    row("domain ending inside a word", u"Visit example.company now."_qs,
        {u"Visit example."_qs, u"company now."_qs});
    row("emoticon", u"I am tired (-.-) really. Ok"_qs, {u"I am tired (-.-) really. "_qs, u"Ok"_qs});
    row("emoticon question", u"What (?_?) is it. Ok"_qs, {u"What (?_?) is it. "_qs, u"Ok"_qs});
    row("chinese", u"你好。再见。"_qs, {u"你好。"_qs, u"再见。"_qs});
    row("chinese question and exclamation", u"好！真的？是"_qs, {u"好！"_qs, u"真的？"_qs, u"是"_qs});
    row("doubled ellipsis", u"我想……OK. Fine"_qs, {u"我想…"_qs, u"…OK. "_qs, u"Fine"_qs});
    row("doubled ellipsis at the end", u"Well……"_qs, {u"Well…"_qs, u"…"_qs});
    row("single ellipsis", u"Well… fine. Ok"_qs, {u"Well… fine. "_qs, u"Ok"_qs});
    row("mixed scripts", u"他说 Hello. 然后走了。Bye!"_qs,
        {u"他说 Hello. "_qs, u"然后走了。"_qs, u"Bye!"_qs});
    row("ascii end before chinese", u"Hello.你好"_qs, {u"Hello."_qs, u"你好"_qs});
    row("emoji", u"Hi 😀. Next one? 한국. Yes"_qs, {u"Hi 😀. "_qs, u"Next one? "_qs, u"한국. "_qs, u"Yes"_qs});
    row("emoji does not end", u"Wow😀 great. Ok"_qs, {u"Wow😀 great. "_qs, u"Ok"_qs});
    row("emoji then chinese mark", u"好😀。再见"_qs, {u"好😀。"_qs, u"再见"_qs});
    row("euro", u"It costs €5. Cheap."_qs, {u"It costs €5. "_qs, u"Cheap."_qs});
    row("arabic", u"سلام. Hi."_qs, {u"سلام. "_qs, u"Hi."_qs});
    // A two-byte character's second byte must not be read as part of a mark:
    // 啊 is B0 A1 and ， is A3 AC, which hold the bytes of 。 (A1 A3) between them.
    row("mark bytes across characters", u"啊，我知道了。"_qs, {u"啊，我知道了。"_qs});
    // 模 is C4 A3 and “ is A1 B0: the bytes of ！ (A3 A1) between them.
    row("exclamation bytes across characters", u"模“好”。"_qs, {u"模“好”。"_qs});
    // 說 is D5 66: its second byte is no letter before "Mr.".
    row("second byte before an abbreviation", u"他說Mr. Smith來了。"_qs, {u"他說Mr. Smith來了。"_qs});
}

void TstSegmentation::sentences()
{
    QFETCH(QString, paragraph);
    QFETCH(QStringList, expected);
    QCOMPARE(sentencesOf(paragraph), expected);
}

void TstSegmentation::sentenceEnds_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<QList<int>>("ends");
    QTest::newRow("chinese") << u"你好。再见。"_qs << QList<int>{2, 5};
    QTest::newRow("one character") << u"x"_qs << QList<int>{0};
    QTest::newRow("two sentences") << u"Mr. Smith arrived. He sat."_qs << QList<int>{18, 25};
    QTest::newRow("ends with full-width mark") << u"好。"_qs << QList<int>{1};
    QTest::newRow("emoji") << u"😀😀. 😀"_qs << QList<int>{5, 7};
    QTest::newRow("whitespace only") << u"   "_qs << QList<int>{2};
}

void TstSegmentation::sentenceEnds()
{
    QFETCH(QString, paragraph);
    QFETCH(QList<int>, ends);
    QCOMPARE(endsOf(paragraph), ends);
}

void TstSegmentation::emptyParagraph()
{
    // No sentence at all, rather than an end at -1 (which would read as a
    // title marker downstream).
    QVERIFY(splitSentences(QString()).isEmpty());
    QVERIFY(splitSentences(QByteArray()).isEmpty());
}

void TstSegmentation::gbkBytesGiven()
{
    // Raw GBK bytes, including a lone first byte at the end.
    QCOMPARE(splitSentences(QByteArray("\xC4\xE3\xBA\xC3\xA1\xA3OK.")), (QList<int>{2, 5}));
    QCOMPARE(splitSentences(QByteArray("Hi. \xC4")), (QList<int>{3, 4}));
    QCOMPARE(splitSentences(QByteArray("Hi. \xC4")), Reference::splitSentences("Hi. \xC4"));
}

void TstSegmentation::countWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("punctuated") << u"  Hello,  world ! "_qs << 2;
    QTest::newRow("punctuation only") << u"-- ... --"_qs << 0;
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("tab does not split") << u"one\ttwo three"_qs << 2;
    QTest::newRow("line break does not split") << u"one\ntwo"_qs << 1;
    QTest::newRow("chinese") << u"你好 世界"_qs << 2;
    QTest::newRow("chinese punctuation") << u"。 ，"_qs << 2;
    QTest::newRow("emoji") << u"hi 😀 Да"_qs << 3;
    QTest::newRow("digits") << u"3.5 42"_qs << 2;
    QTest::newRow("apostrophe") << u"'tis don't"_qs << 2;
    QTest::newRow("ideographic space") << u"a\u3000b"_qs << 1;
}

void TstSegmentation::countWords()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(GammaLib::countWords(text), words);
    QCOMPARE(Reference::countWords(text), words);
}

void TstSegmentation::countWordsUpTo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("result");
    QTest::newRow("over") << u"a b c"_qs << 2 << -1;
    QTest::newRow("at") << u"a b c"_qs << 3 << 3;
    QTest::newRow("under") << u"a b c"_qs << 10 << 3;
    QTest::newRow("punctuation") << u"  Hello,  world ! "_qs << 10 << 2;
    QTest::newRow("empty") << QString() << 0 << 0;
    QTest::newRow("zero limit") << u"a"_qs << 0 << -1;
    QTest::newRow("line break does not split") << u"one\ntwo"_qs << 10 << 1;
    QTest::newRow("trimmed unicode space") << u"\u3000 a"_qs << 10 << 1;
    QTest::newRow("inner unicode space") << u"-\u3000-"_qs << 10 << 1;
    QTest::newRow("chinese") << u"你好 世界"_qs << 10 << 2;
}

void TstSegmentation::countWordsUpTo()
{
    QFETCH(QString, text);
    QFETCH(int, limit);
    QFETCH(int, result);
    QCOMPARE(GammaLib::countWordsUpTo(text, limit), result);
    QCOMPARE(Reference::countWordsUpTo(text, limit), result);
}

QTEST_GUILESS_MAIN(TstSegmentation)
#include "tst_segmentation.moc"
