#ifndef CHECKSTORAGETHREAD_H
#define CHECKSTORAGETHREAD_H

#include "cresultstate.h"

#include <QList>
#include <QStringList>
#include <QThread>

#include <atomic>

class ResultStore;
class StoredIndices;
namespace GammaLib {
class TextChunk;
}

// Worker of a check run: answers the sentences found in the result store,
// one result every 50 ms, before the request goes out.
class CheckStorageThread : public QThread
{
    Q_OBJECT

public:
    explicit CheckStorageThread(QObject *parent = nullptr);
    ~CheckStorageThread() override;

    // Copies the inputs and starts the worker. A worker still finishing a
    // cancelled look-up is waited for first.
    void startLookup(const ResultStore *store, const QStringList &sentences,
                     const QList<GammaLib::TextChunk *> &chunks, StoredIndices *storedIndices);
    // The worker ends at its next stored result or its next sentence,
    // whichever comes first, without signalFinished().
    void stop() { m_stop = true; }

    // Pause after each stored result (2 ms): it lets the window take each
    // delivery as it comes. At 50 ms a second review of a 1,000-word text,
    // whose sentences are mostly stored, took longer than the first.
    void setPauseMs(int ms) { m_pauseMs = ms; }

signals:
    void signalUpdateState(CResultState state);
    void signalFinished();

protected:
    void run() override;

private:
    QStringList m_sentences;
    QList<GammaLib::TextChunk *> m_chunks;
    const ResultStore *m_store = nullptr;
    StoredIndices *m_storedIndices = nullptr;
    std::atomic_bool m_stop{false};
    int m_pauseMs = 2;
};

#endif
