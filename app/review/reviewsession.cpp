#include "reviewsession.h"

#include "checktaskthread.h"
#include "chunkentry.h"
#include "detectsentencethread.h"
#include "detectwordthread.h"
#include "preferences.h"
#include "useraccess.h"

ReviewSession::ReviewSession(GammaLib::SegmentationEditor *editor, CheckTaskThread *checkRun, QObject *parent)
    : QObject(parent)
    , m_wordThread(new GammaLib::DetectWordThread(this))
    , m_sentenceThread(new GammaLib::DetectSentenceThread(editor, this))
    , m_checkRun(checkRun ? checkRun : new CheckTaskThread(this))
{
    m_checkRun->setParent(this);
    m_wordBudgetTimer.start(WordBudgetMs);
}

ReviewSession::~ReviewSession()
{
    m_checkRun->cancel();
    m_wordThread->wait();
    m_sentenceThread->wait();
    qDeleteAll(m_chunks);
}

void ReviewSession::connectOwnSignals()
{
    connect(m_wordThread, &QThread::finished, this, &ReviewSession::wordsCounted);
    connect(m_sentenceThread, &QThread::finished, this, &ReviewSession::sentencesDetected);
    connect(m_checkRun, &CheckTaskThread::signalUpdateState, this, &ReviewSession::takeResult);
    connect(m_checkRun, &CheckTaskThread::signalFinished, this, &ReviewSession::checkFinished);
    connect(&m_wordBudgetTimer, &QTimer::timeout, this, &ReviewSession::resetWordBudget);
}

bool ReviewSession::start(const QString &text)
{
    // The running review's chunks are lent to the check run: a second start
    // must not discard them under it.
    if (m_running)
        return false;
    m_succeeded = false;
    m_checkRunning = false;
    m_cancelled = false;
    m_wordCount = 0; // a review refused before counting shows no stale summary
    // Threads of a cancelled review end quickly; their late results are
    // ignored by phase.
    m_wordThread->wait();
    m_sentenceThread->wait();
    m_running = true;
    m_phase = CountingWords;
    m_wordThread->startWordCount(text, WordsPerReview);
    return true;
}

void ReviewSession::wordsCounted()
{
    if (m_cancelled || !m_running || m_phase != CountingWords || m_wordThread->isRunning())
        return;
    const int words = m_wordThread->wordCountResult();
    if (words == -1) {
        emit refused(TooManyWords);
        return;
    }
    if (m_wordsThisMinute + words > WordsPerMinute) {
        emit refused(MinuteBudgetSpent);
        return;
    }
    m_wordsThisMinute += words;
    m_phase = DetectingSentences;
    m_sentenceThread->startDetection(&m_chunks);
}

void ReviewSession::sentencesDetected()
{
    if (m_cancelled || !m_running || m_phase != DetectingSentences || m_sentenceThread->isRunning())
        return;
    m_phase = Checking;
    m_sentenceThread->makeChunks();
    m_checkRunning = true;
    m_wordCount = m_sentenceThread->totalWords();
    QStringList sentences;
    QList<GammaLib::TextChunk *> chunks;
    for (ChunkEntry *entry : std::as_const(m_chunks)) {
        sentences.append(entry->text());
        chunks.append(entry->chunk());
    }
    m_checkRun->startTask(GammaLib::UserAccess::instance().sessionKey(), &m_store, sentences, chunks,
                          Preferences().englishLevel());
}

void ReviewSession::takeResult(const CResultState &state)
{
    if (m_cancelled || !m_running || m_phase != Checking || state.sentInd < 0
        || state.sentInd >= m_chunks.size())
        return;
    m_received.insert(state.sentInd);
    emit resultArrived(m_chunks.at(state.sentInd), state.corrections);
    emit progressChanged(int(m_received.size()), int(m_chunks.size()));
}

void ReviewSession::checkFinished(QNetworkReply::NetworkError code)
{
    // The end of a cancelled run may come late, while the next review still
    // counts words or splits sentences: it belongs to no review.
    if (m_cancelled || !m_running || m_phase != Checking)
        return;
    m_lastError = int(code);
    m_succeeded = code == QNetworkReply::NoError;
    emit checkEnded(m_succeeded);
}

void ReviewSession::cancel()
{
    m_cancelled = true;
    if (m_checkRunning)
        m_checkRun->cancel();
}

bool ReviewSession::finish()
{
    if (!m_running)
        return false;
    m_running = false;
    m_phase = Idle;
    return true;
}

void ReviewSession::discard()
{
    m_received.clear();
    m_lastError = 0;
    qDeleteAll(m_chunks);
    m_chunks.clear();
}
