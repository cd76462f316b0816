#include "checkstoragethread.h"

#include "resultstore.h"
#include "storedindices.h"
#include "textchunk.h"

CheckStorageThread::CheckStorageThread(QObject *parent)
    : QThread(parent)
{
    CResultState::registerMetaType();
}

CheckStorageThread::~CheckStorageThread()
{
    m_stop = true;
    wait();
}

void CheckStorageThread::startLookup(const ResultStore *store, const QStringList &sentences,
                                     const QList<GammaLib::TextChunk *> &chunks,
                                     StoredIndices *storedIndices)
{
    if (isRunning()) {
        m_stop = true;
        wait();
    }
    m_store = store;
    m_sentences = sentences;
    m_chunks = chunks;
    m_storedIndices = storedIndices;
    m_stop = false;
    start(InheritPriority);
}

void CheckStorageThread::run()
{
    if (m_sentences.isEmpty()) {
        emit signalFinished();
        return;
    }
    for (int i = 0; i < m_sentences.size(); ++i) {
        // Stopped: the chunks are the editor's and may be gone soon, so none
        // is read any more, whether or not a stored result comes up.
        if (m_stop)
            return;
        const GammaLib::TextChunk *chunk = m_chunks.value(i);
        if (!m_store || !chunk)
            continue;
        const std::optional<QList<CCorrection>> corrections = m_store->lookup(m_sentences.at(i), *chunk);
        if (!corrections)
            continue;
        m_storedIndices->append(i);
        CResultState state;
        state.sentInd = i;
        state.corrections = *corrections;
        emit signalUpdateState(state);
        msleep(m_pauseMs);
        if (m_stop)
            return;
    }
    emit signalFinished();
}
