// The one-pass splitter against the straightforward one on generated
// paragraphs: every sentence end and every word count must agree.
#include "gbkcodec.h"
#include "paragraphgenerator.h"
#include "referencesplitter.h"
#include "sentencesplitter.h"
#include "wordcounter.h"

#include <QtTest>

#include <atomic>
#include <thread>

using namespace GammaLib;

namespace {

QString describe(const QByteArray &gbk, const QList<int> &ours, const QList<int> &reference)
{
    QString text;
    QDebug(&text) << "paragraph" << gbk.toHex(' ') << "\n  splitter " << ours
                  << "\n  reference" << reference;
    return text;
}

} // namespace

class TstSplitterDifferential : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { prepareSegmentation(); }
    void generatedParagraphs();
    void rawBytes();
    void longParagraphs();
    void concurrentCalls();
};

void TstSplitterDifferential::generatedParagraphs()
{
    ParagraphGenerator generator(20261207);
    const GbkCodec &codec = GbkCodec::instance();
    int multiSentence = 0;
    int protectedSeen = 0;
    for (int k = 0; k < 100000; ++k) {
        const QString paragraph = generator.paragraph();
        const QByteArray gbk = codec.encode(paragraph);
        const QList<int> ours = splitSentences(gbk);
        const QList<int> reference = Reference::splitSentences(gbk);
        if (ours != reference)
            QFAIL(qPrintable(describe(gbk, ours, reference)));
        multiSentence += ours.size() > 1 ? 1 : 0;
        protectedSeen += paragraph.contains(u'.') && ours.size() == 1 ? 1 : 0;

        const int words = countWords(paragraph);
        if (words != Reference::countWords(paragraph))
            QFAIL(qPrintable(u"countWords differs on "_qs + paragraph));
        const int limit = generator.below(12);
        if (countWordsUpTo(paragraph, limit) != Reference::countWordsUpTo(paragraph, limit))
            QFAIL(qPrintable(u"countWordsUpTo differs on "_qs + paragraph));
    }
    // The generator exercises both outcomes.
    QVERIFY(multiSentence > 50000);
    QVERIFY(protectedSeen > 1000);
}

void TstSplitterDifferential::rawBytes()
{
    // Any byte string, valid GBK or not (lone first bytes, stray high bytes).
    static const char alphabet[] = ".!?\"')]}( \t\n@-_:/hwtpc0a5No";
    static const unsigned char high[] = {0xA1, 0xA3, 0xAD, 0xBF, 0xB0, 0xC4, 0xDF, 0x80, 0xFF, 0x81};
    std::mt19937 random(7);
    for (int k = 0; k < 20000; ++k) {
        QByteArray bytes;
        const int length = int(random() % 40);
        for (int i = 0; i < length; ++i) {
            if (random() % 4 == 0)
                bytes.append(char(high[random() % sizeof high]));
            else
                bytes.append(alphabet[random() % (sizeof alphabet - 1)]);
        }
        const QList<int> ours = splitSentences(bytes);
        const QList<int> reference = Reference::splitSentences(bytes);
        if (ours != reference)
            QFAIL(qPrintable(describe(bytes, ours, reference)));
    }
}

void TstSplitterDifferential::longParagraphs()
{
    ParagraphGenerator generator(99);
    const GbkCodec &codec = GbkCodec::instance();
    for (int k = 0; k < 20; ++k) {
        const QByteArray gbk = codec.encode(generator.words(300, k % 2 == 1));
        const QList<int> ours = splitSentences(gbk);
        const QList<int> reference = Reference::splitSentences(gbk);
        if (ours != reference)
            QFAIL(qPrintable(describe(gbk, ours, reference)));
    }
}

void TstSplitterDifferential::concurrentCalls()
{
    // The splitter and the counters share only read-only tables: worker
    // threads calling them at once get the same answers as one thread.
    ParagraphGenerator generator(5);
    const GbkCodec &codec = GbkCodec::instance();
    QList<QByteArray> paragraphs;
    QList<QList<int>> expectedEnds;
    QList<int> expectedWords;
    QStringList texts;
    for (int k = 0; k < 3000; ++k) {
        texts.append(generator.paragraph());
        paragraphs.append(codec.encode(texts.last()));
        expectedEnds.append(splitSentences(paragraphs.last()));
        expectedWords.append(countWords(texts.last()));
    }
    std::atomic<int> mismatches{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < 4; ++t) {
        workers.emplace_back([&, t] {
            for (int round = 0; round < 3; ++round) {
                for (int k = t; k < paragraphs.size(); k += (round + 1)) {
                    if (splitSentences(texts.at(k)) != expectedEnds.at(k)
                        || countWords(texts.at(k)) != expectedWords.at(k)) {
                        ++mismatches;
                    }
                }
            }
        });
    }
    for (std::thread &worker : workers)
        worker.join();
    QCOMPARE(mismatches.load(), 0);
}

QTEST_GUILESS_MAIN(TstSplitterDifferential)
#include "tst_splitterdifferential.moc"
