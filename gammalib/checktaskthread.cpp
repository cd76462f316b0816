#include "checktaskthread.h"

#include "checkstoragethread.h"
#include "checktask.h"
#include "chunkplan.h"
#include "currentlanguage.h"
#include "errortype.h"
#include "resultstore.h"
#include "usercountlog.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

bool isWordByte(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z')
        || (byte >= 'A' && byte <= 'Z');
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

CheckTaskThread::CheckTaskThread(QObject *parent)
    : CheckTaskThread(GammaLib::CheckTask::defaultUrl(), GammaLib::currentLanguage(), QString(), parent)
{
}

CheckTaskThread::CheckTaskThread(const QString &checkUrl, const QString &language,
                                 const QString &dataFolder, QObject *parent)
    : QObject(parent)
    , m_task(new GammaLib::CheckTask(checkUrl, this))
    , m_storage(new CheckStorageThread(this))
    , m_vocabulary(language, dataFolder)
    , m_language(language)
    , m_usageLog(new GammaLib::UserCountLog(this))
    , m_levelCounts(6, 0)
{
    CResultState::registerMetaType();
    connect(m_task, &GammaLib::CheckTask::signalUpdateResult, this, &CheckTaskThread::slotUpdateResult);
    connect(m_task, &GammaLib::CheckTask::signalFinished, this, &CheckTaskThread::slotFinished);
    connect(m_storage, &CheckStorageThread::signalUpdateState, this, &CheckTaskThread::slotUpdateResult,
            Qt::QueuedConnection);
    connect(m_storage, &CheckStorageThread::signalFinished, this,
            &CheckTaskThread::slotCheckStorageFinished, Qt::QueuedConnection);
    connect(m_usageLog, &GammaLib::UserCountLog::signalTaskFinished, this,
            &CheckTaskThread::slotUploadTaskFinished);
}

CheckTaskThread::~CheckTaskThread()
{
    m_storage->stop();
    m_storage->wait();
}

void CheckTaskThread::startTask(const QString &sessionKey, ResultStore *store,
                                const QStringList &sentences,
                                const QList<GammaLib::TextChunk *> &chunks, int englishLevel)
{
    // A worker still finishing a cancelled look-up must not hand its last
    // results to this run.
    if (m_storage->isRunning()) {
        m_storage->stop();
        m_storage->wait();
    }
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);

    m_session = sessionKey;
    m_englishLevel = englishLevel;
    m_lexicalScore = -1.0;
    m_syntaxScore = -1.0;
    m_store = store;
    m_levelCounts.clear();
    m_receivedIndices.clear();
    m_retried = false;
    m_cancelled = false;
    m_waitingForUploads = false;
    m_lastError = QNetworkReply::NoError;
    m_usageLog->setTaskCount(1);
    m_sentences.clear();
    m_chunks.clear();
    m_storedIndices.clear();

    const qsizetype count = qMin(sentences.size(), chunks.size());
    for (qsizetype i = 0; i < count; ++i) {
        m_sentences.append(sentences.at(i));
        m_chunks.append(chunks.at(i));
    }

    countVocabulary();
    m_errorTypeCounts.clear();
    m_storage->startLookup(m_store, m_sentences, m_chunks, &m_storedIndices);
}

QStringList CheckTaskThread::statisticsWords(const QString &text)
{
    QStringList words;
    const QByteArray utf8 = text.toUtf8();
    for (const QByteArray &piece : utf8.split(' ')) {
        qsizetype begin = 0;
        qsizetype end = piece.size();
        while (begin < end && isSpace(piece.at(begin)))
            ++begin;
        while (end > begin && isSpace(piece.at(end - 1)))
            --end;
        while (end > begin && !isWordByte(piece.at(end - 1)))
            --end;
        while (begin < end && !isWordByte(piece.at(begin)))
            ++begin;
        if (begin < end)
            words.append(QString::fromUtf8(piece.constData() + begin, end - begin));
    }
    return words;
}

void CheckTaskThread::countVocabulary()
{
    const int first = VocabularyData::firstLevel(m_language);
    QList<int> counts(6, 0);
    int total = 0;
    auto count = [&](int level) {
        if (level >= first && level < first + 6)
            ++counts[level - first];
    };

    for (const QString &sentence : std::as_const(m_sentences)) {
        const QStringList words = statisticsWords(sentence);
        total += int(words.size());
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString &word = words.at(i);
            if (m_vocabulary.isExcluded(word))
                continue;
            int level = m_vocabulary.levelOf(word);
            if (level < 0 && i == 0) {
                // A sentence's first word is often only capitalised by position.
                const QString lower = word.toLower();
                if (!m_vocabulary.isExcluded(lower))
                    level = m_vocabulary.levelOf(lower);
            }
            if (level >= 0)
                count(level);
        }
    }
    m_levelCounts = counts;
    m_wordTotal = total;

    QMap<int, int> table;
    table.insert(1, total);
    m_usageLog->AddUserCheckCount(m_session, table);
}

void CheckTaskThread::cancel()
{
    m_cancelled = true;
    m_storage->stop();
    // The worker reads the editor's chunks; once cancel() returns the caller
    // may delete them. It ends after its current sentence or pause (2 ms).
    m_storage->wait();
    m_task->abort();
}

void CheckTaskThread::slotCheckStorageFinished()
{
    // A run cancelled during the look-up sends nothing.
    if (m_cancelled)
        return;
    sendRequest();
}

void CheckTaskThread::sendRequest()
{
    CCheckRequest request;
    request.session = m_session.toUtf8();
    const QList<int> stored = m_storedIndices.toList();
    for (qsizetype i = 0; i < m_sentences.size(); ++i) {
        request.sents.append(m_sentences.at(i).toUtf8());
        request.configs.append(stored.contains(int(i)) ? -1 : m_chunks.at(i)->configType());
    }
    request.confidence = m_englishLevel;
    request.lexsubConfidence = request.confidence;
    m_task->check(request);
}

void CheckTaskThread::slotUpdateResult(CResultState state)
{
    if (m_cancelled)
        return;
    if (m_receivedIndices.contains(state.sentInd))
        return;
    if (state.sentInd < 0) {
        m_lexicalScore = state.lexicalScore;
        m_syntaxScore = state.syntaxScore;
    } else {
        // An index outside the document would point the editor at no sentence.
        if (state.sentInd >= m_sentences.size())
            return;
        for (const CCorrection &correction : std::as_const(state.corrections))
            ++m_errorTypeCounts[correction.errorTypeCode];
        if (!m_storedIndices.contains(state.sentInd) && !state.corrections.isEmpty()
            && state.corrections.first().errorTypeCode != IMPROVE
            && state.corrections.first().errorTypeCode != SUGGESTION)
            storeResult(state);
        emit signalUpdateState(state);
    }
    m_receivedIndices.append(state.sentInd);
}

void CheckTaskThread::storeResult(const CResultState &state)
{
    if (!m_store)
        return;
    const GammaLib::TextChunk *chunk = m_chunks.at(state.sentInd);
    StoredResult result;
    result.text = m_sentences.at(state.sentInd);
    result.chunk = GammaLib::makeChunk(chunk->configType() == 1, chunk->confidence());
    result.corrections = state.corrections;
    m_store->append(result);
}

void CheckTaskThread::slotFinished(QNetworkReply::NetworkError err)
{
    m_lastError = err;
    if (!m_retried && !m_cancelled && err != QNetworkReply::NoError) {
        m_retried = true;
        sendRequest();
        return;
    }

    QMap<int, int> table;
    for (auto it = m_errorTypeCounts.cbegin(); it != m_errorTypeCounts.cend(); ++it)
        table.insert(it.key(), it.value());
    m_usageLog->AddUserErrorCount(m_session, table);

    // Uploads of an earlier run that finished during this one have lowered
    // the shared counter too; below 1 nothing of this run can be waited for.
    if (m_usageLog->taskCount() <= 1) {
        emit signalFinished(m_lastError);
    } else {
        m_usageLog->setTaskCount(m_usageLog->taskCount() - 1);
        m_waitingForUploads = true;
    }
}

void CheckTaskThread::slotUploadTaskFinished(int n)
{
    // Uploads of an earlier run may still finish during this one; only the
    // end of this run's own wait counts.
    if (n == 0 && m_waitingForUploads) {
        m_waitingForUploads = false;
        emit signalFinished(m_lastError);
    }
}
