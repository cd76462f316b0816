// The two detection worker threads: inputs set before the start, results read
// on the main thread after finished(), one instance reused across reviews.
#include "detectsentencethread.h"
#include "detectwordthread.h"
#include "sentencesplitter.h"

#include <QSignalSpy>
#include <QtTest>

using namespace GammaLib;

namespace {

// Stands in for the text editor: a document of paragraphs separated by line
// feeds, collected and chunked the way the editor does it.
class FakeEditor : public SegmentationEditor
{
public:
    QString document;
    QList<ChunkEntry *> *collectedList = nullptr;
    int collectCalls = 0;
    QList<int> builtPositions;
    QList<QList<int>> builtEnds;
    int buildCalls = 0;

    void collectParagraphs(QList<ChunkEntry *> *chunkList, QList<int> &positions,
                           QStringList &paragraphs, QList<bool> &titleFlags) override
    {
        ++collectCalls;
        collectedList = chunkList;
        int position = 0;
        for (const QString &block : document.split(u'\n')) {
            if (!block.trimmed().isEmpty()) {
                positions.append(position);
                paragraphs.append(block);
                titleFlags.append(!containsSentenceMark(block));
            }
            position += int(block.size()) + 1;
        }
    }

    void buildChunks(const QList<int> &positions, const QList<QList<int>> &endLists) override
    {
        ++buildCalls;
        builtPositions = positions;
        builtEnds = endLists;
    }
};

QString wordsText(int count)
{
    QStringList words;
    for (int k = 0; k < count; ++k)
        words.append(k % 7 == 0 ? u"word,"_qs : u"w"_qs + QString::number(k));
    return words.join(u' ');
}

bool runToEnd(QThread &thread, QSignalSpy &finished)
{
    return finished.count() > 0 || finished.wait(20000);
}

} // namespace

class TstDetectionThreads : public QObject
{
    Q_OBJECT

private slots:
    void wordLimit();
    void wordThreadRefusesRestartWhileRunning();
    void sentenceDetection();
    void titleOnlyDocument();
    void blankParagraphs();
    void reusedForTheNextReview();
    void withoutEditor();
};

void TstDetectionThreads::wordLimit()
{
    DetectWordThread thread;
    QSignalSpy finished(&thread, &QThread::finished);

    QVERIFY(thread.startWordCount(wordsText(10000), 10000));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.wordCountResult(), 10000);

    // The same instance, next review: one word more.
    finished.clear();
    QVERIFY(thread.startWordCount(wordsText(10001), 10000));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.wordCountResult(), -1);

    finished.clear();
    QVERIFY(thread.startWordCount(u"  -- ... "_qs, 10000));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.wordCountResult(), 0);
}

void TstDetectionThreads::wordThreadRefusesRestartWhileRunning()
{
    DetectWordThread thread;
    QSignalSpy finished(&thread, &QThread::finished);
    QVERIFY(thread.startWordCount(u"one two three"_qs, 10));
    // The thread sleeps before counting, so it is still running here.
    QVERIFY(thread.isRunning());
    QVERIFY(!thread.startWordCount(u"a b c d e f g h i j k l"_qs, 1));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.wordCountResult(), 3);
    QCOMPARE(finished.count(), 1);
}

void TstDetectionThreads::sentenceDetection()
{
    FakeEditor editor;
    editor.document = u"Heading\nOne. Two three.\nMr. Smith came. 你好。再见\nHi 😀. Ok"_qs;
    DetectSentenceThread thread(&editor);
    QSignalSpy finished(&thread, &QThread::finished);
    QList<ChunkEntry *> chunks;

    QVERIFY(thread.startDetection(&chunks));
    QCOMPARE(editor.collectCalls, 1);
    QCOMPARE(editor.collectedList, &chunks);
    QVERIFY(runToEnd(thread, finished));

    QCOMPARE(thread.positions(), (QList<int>{0, 8, 24, 46}));
    QCOMPARE(thread.titleFlags(), (QList<bool>{true, false, false, false}));
    const QList<QList<int>> expected{{-1, 7}, {4, 14}, {15, 18, 20}, {6, 8}};
    QCOMPARE(thread.endLists(), expected);
    // Heading 1, "One. Two three." 3, "Mr. Smith came. 你好。再见" 3 + 1 + 1,
    // "Hi 😀. Ok" 3.
    QCOMPARE(thread.totalWords(), 12);

    QCOMPARE(editor.buildCalls, 0);
    thread.makeChunks();
    QCOMPARE(editor.buildCalls, 1);
    QCOMPARE(editor.builtPositions, thread.positions());
    QCOMPARE(editor.builtEnds, expected);
}

void TstDetectionThreads::titleOnlyDocument()
{
    FakeEditor editor;
    editor.document = u"A Title Line"_qs;
    DetectSentenceThread thread(&editor);
    QSignalSpy finished(&thread, &QThread::finished);
    QList<ChunkEntry *> chunks;
    QVERIFY(thread.startDetection(&chunks));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.endLists(), (QList<QList<int>>{{-1, 12}}));
    QCOMPARE(thread.totalWords(), 3);
}

void TstDetectionThreads::blankParagraphs()
{
    FakeEditor editor;
    editor.document = u"\n   \nOne. Two three.\n\t\n\n"_qs;
    DetectSentenceThread thread(&editor);
    QSignalSpy finished(&thread, &QThread::finished);
    QList<ChunkEntry *> chunks;
    QVERIFY(thread.startDetection(&chunks));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.positions(), QList<int>{5});
    QCOMPARE(thread.paragraphs(), QStringList{u"One. Two three."_qs});
    QCOMPARE(thread.endLists(), (QList<QList<int>>{{4, 14}}));
    // The space kept after "One." is not counted with the first sentence.
    QCOMPARE(thread.totalWords(), 3);
}

void TstDetectionThreads::reusedForTheNextReview()
{
    FakeEditor editor;
    editor.document = u"First. Second.\nThird."_qs;
    DetectSentenceThread thread(&editor);
    QSignalSpy finished(&thread, &QThread::finished);
    QList<ChunkEntry *> chunks;
    QVERIFY(thread.startDetection(&chunks));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.endLists().size(), 2);
    QCOMPARE(thread.totalWords(), 3);

    // The lists and the count start afresh.
    editor.document = u"Only one."_qs;
    finished.clear();
    QVERIFY(thread.startDetection(&chunks));
    QVERIFY(runToEnd(thread, finished));
    QCOMPARE(thread.positions(), QList<int>{0});
    QCOMPARE(thread.endLists(), (QList<QList<int>>{{8}}));
    QCOMPARE(thread.totalWords(), 2);
    QCOMPARE(editor.collectCalls, 2);
}

void TstDetectionThreads::withoutEditor()
{
    DetectSentenceThread thread(nullptr);
    QSignalSpy finished(&thread, &QThread::finished);
    QVERIFY(thread.startDetection(nullptr));
    QVERIFY(runToEnd(thread, finished));
    QVERIFY(thread.endLists().isEmpty());
    QCOMPARE(thread.totalWords(), 0);
    thread.makeChunks();
}

QTEST_GUILESS_MAIN(TstDetectionThreads)
#include "tst_detectionthreads.moc"
