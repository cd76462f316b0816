#ifndef REVIEWSESSION_H
#define REVIEWSESSION_H

#include "chunkentry.h"
#include "cresultstate.h"
#include "resultstore.h"

#include <QList>
#include <QNetworkReply>
#include <QObject>
#include <QSet>
#include <QTimer>

class CheckTaskThread;

namespace GammaLib {
class DetectSentenceThread;
class DetectWordThread;
class SegmentationEditor;
}

// One review of the editor's text at a time: counts its words against the
// limits, has the editor cut its paragraphs into chunks by the chunk plan,
// hands the chunks to the check run and passes every result on with the chunk
// it belongs to. Late signals of a cancelled or earlier review are ignored by
// phase. Kept across reviews: the result store and the per-minute word budget.
//
// The main window routes the signals of the two threads and of the check run
// through its own slots, each a forward to the handler here; without a window
// connectOwnSignals() connects them to the handlers directly.
class ReviewSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int WordsPerReview = 10000;
    static constexpr int WordsPerMinute = 30000;
    static constexpr int WordBudgetMs = 60000;

    enum Phase { Idle, CountingWords, DetectingSentences, Checking };
    Q_ENUM(Phase)
    enum Refusal { TooManyWords, MinuteBudgetSpent };
    Q_ENUM(Refusal)

    // checkRun: the check run to use (the session takes it over); by default
    // one with the service table's check address.
    explicit ReviewSession(GammaLib::SegmentationEditor *editor, CheckTaskThread *checkRun = nullptr,
                           QObject *parent = nullptr);
    // Stops the check run and the threads and deletes the chunks.
    ~ReviewSession() override;

    void connectOwnSignals();

    // Starts a review of text (the editor's text, freshly set): counting its
    // words. Refused (false) while a review runs.
    bool start(const QString &text);
    // Handlers: the word count ended, the sentences are detected, a result
    // arrived, the check run ended.
    void wordsCounted();
    void sentencesDetected();
    void takeResult(const CResultState &state);
    void checkFinished(QNetworkReply::NetworkError code);
    // Stops the running review: the check run delivers nothing more.
    void cancel();
    // Ends the running review (after a cancel, a refusal or the check run's
    // end); false when none was running.
    bool finish();
    // Deletes the chunks (and with them their marks) and forgets the
    // review's results; the budget and the result store stay.
    void discard();
    void resetWordBudget() { m_wordsThisMinute = 0; }

    bool isRunning() const { return m_running; }
    Phase phase() const { return m_phase; }
    bool isCancelled() const { return m_cancelled; }
    bool succeeded() const { return m_succeeded; }
    int lastError() const { return m_lastError; }
    // Words of the document as the sentence detection counted them.
    int wordCount() const { return m_wordCount; }
    int wordsThisMinute() const { return m_wordsThisMinute; }
    const QList<ChunkEntry *> &chunks() const { return m_chunks; }
    // The chunk list the editor fills (the editor keeps a pointer to it).
    QList<ChunkEntry *> *chunkList() { return &m_chunks; }

    ResultStore &resultStore() { return m_store; }
    QTimer &wordBudgetTimer() { return m_wordBudgetTimer; }
    CheckTaskThread *checkRun() const { return m_checkRun; }
    GammaLib::DetectWordThread *wordThread() const { return m_wordThread; }
    GammaLib::DetectSentenceThread *sentenceThread() const { return m_sentenceThread; }

signals:
    // The text is over a limit; the review stops when the receiver cancels it.
    void refused(ReviewSession::Refusal reason);
    // The result of one chunk of the running review.
    void resultArrived(ChunkEntry *entry, const QList<CCorrection> &corrections);
    // Chunks with results so far, of all chunks.
    void progressChanged(int received, int total);
    // The check run of the running review ended (not after a cancel).
    void checkEnded(bool succeeded);

private:
    GammaLib::DetectWordThread *m_wordThread = nullptr;
    GammaLib::DetectSentenceThread *m_sentenceThread = nullptr;
    CheckTaskThread *m_checkRun = nullptr;
    ResultStore m_store;
    QTimer m_wordBudgetTimer;

    QList<ChunkEntry *> m_chunks;
    QSet<int> m_received;
    Phase m_phase = Idle;
    bool m_running = false;
    bool m_checkRunning = false;
    bool m_cancelled = false;
    bool m_succeeded = false;
    int m_lastError = 0;
    int m_wordCount = 0;
    int m_wordsThisMinute = 0;
};

#endif
